#!/usr/bin/env python3
"""Draws the same charges from two data folders side by side, so that a change of the charge
pictures' sizes can be judged by eye: each charge alone, as two, as three, between a chevron,
on a bend and on a chief, one row per charge, the drawing from BEFORE above the one from AFTER.

    tools/sheet_charge_sizes.py --before DATA_DIR --after DATA_DIR [--build DIR] [--out FILE]

DATA_DIR is a data folder as a build makes it (words1.db and lpics/); DIR holds the escaval
program (default build/); FILE defaults to docs/charges/sizes_before_after.png. A further sheet,
FILE with "_between" before its extension, shows a greyhound between three escallops and other
charges of unlike shape together. The sheets are composed as SVG and turned into PNG by
rsvg-convert (Debian librsvg2-bin).
"""

import argparse
import base64
import html
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# (the charge as one, as many); each drawn argent or or on a colour, ordinaries in a metal.
CHARGES = [
    ("a lion rampant", "lions rampant"),
    ("an escallop", "escallops"),
    ("a mullet", "mullets"),
    ("a martlet", "martlets"),
    ("a cross crosslet", "crosses crosslet"),
    ("a greyhound courant", "greyhounds courant"),
    ("a rose", "roses"),
]
LAYOUTS = [
    ("alone", "Azure {one} or"),
    ("two", "Azure two {many} or"),
    ("three", "Azure three {many} or"),
    ("between a chevron", "Gules a chevron argent between three {many} or"),
    ("on a bend", "Azure on a bend argent three {many} gules"),
    ("on a chief", "Vert on a chief or three {many} gules"),
]
TOGETHER = [
    "Or a greyhound courant sable between three escallops gules",
    "Argent a lion rampant gules between three roses azure",
    "Azure a martlet or between three mullets argent",
    "Gules a cross crosslet or between four escallops argent",
]

SHIELD_W, SHIELD_H = 120, 151  # the drawn picture (415 x 521) at under a third of its size
LABEL_W, GAP, TITLE_H, HEAD_H, FONT = 150, 8, 36, 20, 11


def draw(escaval, data, blazon, path):
    subprocess.run([escaval, "draw", "--data", data, "-o", path, blazon],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    if not os.path.exists(path):
        sys.exit(f"sheet_charge_sizes: escaval could not draw: {blazon}")


def image(png, x, y):
    with open(png, "rb") as f:
        data = base64.b64encode(f.read()).decode("ascii")
    return (f'<image x="{x}" y="{y}" width="{SHIELD_W}" height="{SHIELD_H}" preserveAspectRatio="none" '
            f'xlink:href="data:image/png;base64,{data}"/>')


def text(x, y, words, size=FONT, bold=False):
    weight = ' font-weight="bold"' if bold else ""
    return f'<text x="{x}" y="{y}" font-size="{size}"{weight}>{html.escape(words)}</text>'


def sheet(title, columns, rows, notes=()):
    """rows: (label, [(before png, after png) per column]); notes: lines written under the rows."""
    cell_w = SHIELD_W + GAP
    row_h = 2 * SHIELD_H + 3 * GAP
    width = LABEL_W + len(columns) * cell_w + GAP
    height = TITLE_H + HEAD_H + len(rows) * row_h + len(notes) * (FONT + 4)
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
           f'width="{width}" height="{height}" font-family="DejaVu Sans">',
           f'<rect width="{width}" height="{height}" fill="white"/>', text(GAP, 24, title, 15, True)]
    for c, name in enumerate(columns):
        out.append(text(LABEL_W + c * cell_w, TITLE_H + 12, name, FONT, True))
    for r, (label, cells) in enumerate(rows):
        top = TITLE_H + HEAD_H + r * row_h
        out.append(text(GAP, top + SHIELD_H // 2, label, FONT, True))
        out.append(text(GAP, top + 14, "before", FONT))
        out.append(text(GAP, top + SHIELD_H + GAP + 14, "after", FONT))
        for c, (before, after) in enumerate(cells):
            x = LABEL_W + c * cell_w
            out.append(image(before, x, top))
            out.append(image(after, x, top + SHIELD_H + GAP))
    for i, note in enumerate(notes):
        out.append(text(GAP, TITLE_H + HEAD_H + len(rows) * row_h + (i + 1) * (FONT + 4) - 4, note))
    out.append("</svg>")
    return "\n".join(out)


def write_png(svg_text, work, out):
    svg = os.path.join(work, "sheet.svg")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(svg_text)
    out_dir = os.path.dirname(os.path.abspath(out))
    os.makedirs(out_dir, exist_ok=True)
    # Written beside the output and renamed, so that a failed run leaves the old sheet whole.
    fd, partial = tempfile.mkstemp(suffix=".png", dir=out_dir)
    os.close(fd)
    try:
        subprocess.run(["rsvg-convert", "-f", "png", "-o", partial, svg], check=True)
        os.chmod(partial, 0o644)  # mkstemp makes it private
        os.replace(partial, out)
    finally:
        if os.path.exists(partial):
            os.remove(partial)
    print(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--before", required=True)
    parser.add_argument("--after", required=True)
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--out", default=os.path.join(ROOT, "docs", "charges", "sizes_before_after.png"))
    args = parser.parse_args()
    escaval = os.path.join(args.build, "escaval")
    if not os.access(escaval, os.X_OK):
        sys.exit(f"sheet_charge_sizes: no escaval in {args.build}")
    if shutil.which("rsvg-convert") is None:
        sys.exit("sheet_charge_sizes: rsvg-convert not found (Debian package librsvg2-bin)")

    with tempfile.TemporaryDirectory() as work:
        def pair(blazon, key):
            pngs = []
            for which, data in (("b", args.before), ("a", args.after)):
                png = os.path.join(work, f"{key}{which}.png")
                draw(escaval, data, blazon, png)
                pngs.append(png)
            return tuple(pngs)

        rows = []
        for i, (one, many) in enumerate(CHARGES):
            cells = [pair(pattern.format(one=one, many=many), f"c{i}l{j}") for j, (_, pattern) in enumerate(LAYOUTS)]
            rows.append((one[one.index(" ") + 1:], cells))
        write_png(sheet("Charge pictures before and after filling their box", [n for n, _ in LAYOUTS], rows),
                  work, args.out)

        stem, ext = os.path.splitext(args.out)
        cells = [pair(b, f"t{i}") for i, b in enumerate(TOGETHER)]
        notes = [f"{i + 1}. {b}" for i, b in enumerate(TOGETHER)]
        write_png(sheet("Unlike charges together", [f"{i + 1}." for i in range(len(TOGETHER))], [("", cells)], notes),
                  work, stem + "_between" + ext)

if __name__ == "__main__":
    main()
