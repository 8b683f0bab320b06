#!/usr/bin/env python3
"""Draws every line of partition at three widths on one contact sheet: each row a line word, each
column a fess in that line at its default width and then of three and of eight repeats across
the shield, with the blazon under each shield.

    tools/sheet_line_widths.py [--build DIR] [--data DATA] [--out FILE]

Needs the escaval program in DIR (default build/) and its data in DIR/data; writes FILE (default
docs/fields/line_widths_sheet.png). The sheet is composed as SVG and turned into PNG by
rsvg-convert (Debian librsvg2-bin).
"""

import argparse
import html
import os
import shutil
import sys
import tempfile

from shield_sheet import draw, shield_image, write_png

LINES = ["engrailed", "invected", "embattled", "bretessed", "counter-embattled", "indented", "dancetty", "wavy",
         "nebuly", "raguly", "potenty", "dovetailed", "rayonny", "firtree-topped"]
WIDTHS = ["", " of three", " of eight"]
CELL_W, CELL_H, SHIELD_W = 180, 250, 166



def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(root, "build"))
    parser.add_argument("--data", default=None, help="the data folder (default DIR/data)")
    parser.add_argument("--out", default=os.path.join(root, "docs", "fields", "line_widths_sheet.png"))
    args = parser.parse_args()
    if shutil.which("rsvg-convert") is None:
        sys.exit("sheet_line_widths: rsvg-convert not found (Debian package librsvg2-bin)")
    escaval = os.path.join(args.build, "escaval")
    parser_data = os.path.join(args.build, "data")
    data = args.data or parser_data
    width, height = CELL_W * len(WIDTHS), CELL_H * len(LINES)
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}">',
           f'<rect width="{width}" height="{height}" fill="white"/>']
    with tempfile.TemporaryDirectory() as work:
        for row, line in enumerate(LINES):
            for column, repeats in enumerate(WIDTHS):
                blazon = f"Or a fess {line}{repeats} azure"
                path = os.path.join(work, f"{row}_{column}.png")
                draw("sheet_line_widths", escaval, data, blazon, path)
                x, y = column * CELL_W, row * CELL_H
                out.append(shield_image(path, x + (CELL_W - SHIELD_W) // 2, y + 4, SHIELD_W))
                out.append(f'<text x="{x + CELL_W // 2}" y="{y + CELL_H - 10}" font-family="sans-serif" '
                           f'font-size="11" text-anchor="middle">{html.escape(blazon)}</text>')
        out.append("</svg>")
        write_png(out, work, args.out)
    print(args.out)


if __name__ == "__main__":
    main()
