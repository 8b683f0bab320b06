#!/usr/bin/env python3
"""Prints the fine edge profiles of the curved lines of partition as C++ rows of 16-bit words,
ready to paste into engine/PartitionLineStyles.cpp.

    tools/line_profiles.py engrailed|invected|nebuly

A profile is a bitmap `depth` rows by `period` columns: row 0 is the outermost reach of the line,
the last row joins the body of the band, a set bit is the band's tincture. The curves are drawn
fine (64 columns) so that a line stretched to a few repeats across the shield keeps smooth arcs
instead of stair-steps.
"""

import math
import sys


def scallop(period, depth, points_out):
    """Arcs of one circle between points: each repeat is a chord `period` wide whose arc sinks
    `depth` rows. With points_out the hollow of the arc bites into the band and the points face
    outward; otherwise the arc bulges outward and the points turn inward."""
    half = period / 2
    sink = depth - 1  # the deepest pixel row of the arc
    radius = (half * half + sink * sink) / (2 * sink)
    rows = []
    for row in range(depth):
        bits = []
        for column in range(period):
            u = column + 0.5 - half  # from the middle of the repeat
            # Rows below the outermost reach at which the arc lies; 0 at the repeat's ends.
            below_ends = sink - (radius - math.sqrt(max(0.0, radius * radius - u * u)))
            # Engrailed: the hollow in the middle of the repeat, the points at its ends.
            # Invected: the boss in the middle, the points between bosses.
            edge = below_ends if points_out else sink - below_ends
            bits.append(row + 1 > edge)  # set when the arc passes within the pixel's row
        rows.append(bits)
    return rows


def nebuly(period):
    """Knobs on narrow necks, one reaching out and one reaching in each repeat, each the other
    turned about the repeat's centre, so that the line runs in and out like the edge of a cloud."""
    quarter = period / 4
    reach = period * 0.2  # half the knob's width
    rise = period * 0.17  # half the knob's height: a little wider than tall
    neck = period * 0.07  # half the neck's width
    lift = rise + period * 0.06  # the knobs' centres above and below the middle row
    depth = 2 * math.ceil(lift + rise)
    mid = depth / 2

    def knob(x, y, cx, cy, toward):
        # An ellipse and the neck joining it to the middle row.
        in_head = ((x - cx) / reach) ** 2 + ((y - cy) / rise) ** 2 <= 1
        in_neck = abs(x - cx) <= neck and (cy <= y <= mid if toward > 0 else mid <= y <= cy)
        return in_head or in_neck

    rows = []
    for row in range(depth):
        bits = []
        for column in range(period):
            x, y = column + 0.5, row + 0.5
            out_knob = knob(x, y, quarter, mid - lift, 1)
            in_knob = knob(x, y, 3 * quarter, mid + lift, -1)
            bits.append(out_knob or (y >= mid and not in_knob))
        rows.append(bits)
    return rows


def words(bits):
    out = []
    for start in range(0, len(bits), 16):
        value = 0
        for i, bit in enumerate(bits[start:start + 16]):
            if bit:
                value |= 0x8000 >> i
        out.append(value)
    return out


def main():
    shapes = {
        "engrailed": lambda: scallop(64, 20, True),
        "invected": lambda: scallop(64, 20, False),
        "nebuly": lambda: nebuly(64),
    }
    if len(sys.argv) != 2 or sys.argv[1] not in shapes:
        sys.exit(__doc__)
    rows = shapes[sys.argv[1]]()
    for bits in rows:
        print("    " + ", ".join(f"0x{w:04X}" for w in words(bits)) + ",")


if __name__ == "__main__":
    main()
