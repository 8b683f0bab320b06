#!/usr/bin/env python3
"""Prints the edge profiles of the drawn lines of partition as C++ rows of 16-bit words,
ready to paste into engine/PartitionLineStyles.cpp.

    tools/line_profiles.py engrailed|invected|nebuly|dovetailed|grady|dentilly|angled|bevilled|
                           escartelly|champaine

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
    """Lobes reaching out of the band and into it by turns, each the other turned about the
    repeat's centre. At the middle row a lobe is half the repeat wide, so that the line crosses
    that row once between lobes and never runs along it; it narrows to a neck and swells into a
    round head wider than half the repeat, which overhangs the foot of its neighbour of the other
    side: the line interlocks as the edge of a cloud instead of standing as separate knobs."""
    quarter = period / 4
    head_half_width = period * 0.29
    head_half_height = period * 0.19
    neck = period * 0.1  # half the neck's width
    flare = period * 0.12  # the height over which the foot narrows from a quarter to the neck
    lift = flare + head_half_height  # the head's centre above the middle row
    depth = 2 * math.ceil(lift + head_half_height)
    mid = depth / 2

    def lobe(x, height):
        # Whether the point `x` from the lobe's axis and `height` above the middle row is in it.
        if height < 0:
            return False
        if ((x / head_half_width) ** 2 + ((height - lift) / head_half_height) ** 2) <= 1:
            return True
        if height > lift:
            return False
        taper = max(0.0, 1 - height / flare)
        return abs(x) <= neck + (quarter - neck) * taper * taper

    rows = []
    for row in range(depth):
        bits = []
        for column in range(period):
            x, y = column + 0.5, row + 0.5
            # The heads overhang the repeat's ends: the lobes of the next repeats count too.
            out_lobe = any(lobe(x + shift - quarter, mid - y) for shift in (-period, 0, period))
            in_lobe = any(lobe(x + shift - 3 * quarter, y - mid) for shift in (-period, 0, period))
            bits.append(out_lobe or (y >= mid and not in_lobe))
        rows.append(bits)
    return rows


def dovetail(period, depth, tip):
    """A tail of the band widening outward, and between the tails the field's tails widening
    inward: at half the depth each is half the repeat wide, at the outer row the band's tail is
    `tip` wide and the field's as narrow, so that both read as tails and not as wedges. The last
    row is the band's body."""
    rows = []
    flare = (tip - period / 2) / 2  # how far each side of a tail leans over the whole depth
    for row in range(depth + 1):
        bits = []
        # Half the band tail's width at this row: widest at row 0.
        half = period / 4 + flare * (1 - 2 * (row + 0.5) / depth)
        for column in range(period):
            u = column + 0.5 - period / 2  # from the middle of the tail
            bits.append(row == depth or abs(u) <= half)
        rows.append(bits)
    return rows


def stepped(period, tier_rows, tiers):
    """Embattled grady: each merlon rises in `tiers` steps of `tier_rows` rows, a stepped pyramid
    whose top and the gap at its foot are each a quarter of the repeat wide."""
    step = period // (2 * (tiers + 1))
    rows = []
    for row in range(tier_rows * tiers + 1):
        tier = row // tier_rows  # 0 at the top step
        low, high = (tiers - tier) * step, period - (tiers - tier) * step
        rows.append([row == tier_rows * tiers or low <= column < high for column in range(period)])
    return rows


def sawtooth(period, depth):
    """Dentilly: teeth with one upright side and one sloping side, all leaning the same way."""
    return [[row == depth or column + 1 <= (row + 1) * period / depth for column in range(period)]
            for row in range(depth + 1)]


def offset(period, depth, slant):
    """One break across the whole line: the dexter part stands out `depth` rows, the sinister part
    lies back, and between them the line drops upright (angled, slant 0) or along a slope
    `slant` columns long (bevilled)."""
    start = (period - slant) // 2
    rows = []
    for row in range(depth + 1):
        bits = []
        for column in range(period):
            if column < start:
                bits.append(True)
            elif column >= start + slant:
                bits.append(row == depth)
            else:
                bits.append(row + 0.5 >= depth * (column + 0.5 - start) / slant)
        rows.append(bits)
    return rows


def notch(period, depth, width):
    """Escartelly: one square step out of the line in its middle, `width` columns wide."""
    low = (period - width) // 2
    return [[row == depth or low <= column < low + width for column in range(period)]
            for row in range(depth + 1)]


def pointed_pales(period, point_rows, side_rows):
    """Champaine (urdy): pales ending in points alternately out of the band and into it: the
    band's pale rises to a point, its sides stand straight, and the field's pale between the
    band's ends in a point sinking into the band."""
    half = period / 4  # half a pale's width
    depth = 2 * point_rows + side_rows
    rows = []
    for row in range(depth + 1):
        bits = []
        for column in range(period):
            u = abs(column + 0.5 - period / 2)  # from the middle of the band's pale
            v = period / 2 - u  # from the middle of the field's pale
            y = row + 0.5
            if row == depth:
                bits.append(True)
            elif y < point_rows:
                bits.append(u <= half * y / point_rows)
            elif y < point_rows + side_rows:
                bits.append(u <= half)
            else:
                bits.append(v >= half * (depth - y) / point_rows)
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
        "dovetailed": lambda: dovetail(40, 18, 26),
        "grady": lambda: stepped(48, 6, 3),
        "dentilly": lambda: sawtooth(24, 12),
        "angled": lambda: offset(64, 10, 0),
        "bevilled": lambda: offset(64, 10, 8),
        "escartelly": lambda: notch(64, 8, 16),
        "champaine": lambda: pointed_pales(32, 8, 8),
    }
    if len(sys.argv) != 2 or sys.argv[1] not in shapes:
        sys.exit(__doc__)
    rows = shapes[sys.argv[1]]()
    for bits in rows:
        print("    " + ", ".join(f"0x{w:04X}" for w in words(bits)) + ",")


if __name__ == "__main__":
    main()
