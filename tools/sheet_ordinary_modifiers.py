#!/usr/bin/env python3
"""Draws the modifiers of ordinaries and lines on one contact sheet: fimbriation single and double
(on ordinaries, lines of partition and charges), cotises single, double and triple on each
ordinary that takes them, the composed ordinaries and bordures, mascles conjoined, ordinaries
raised, lowered or reversed, nowy or throughout, an ordinary on an escutcheon, the chief's
edges, quarterly with one line styled and the fields in three, with the blazon under each shield
and what was not drawn as written marked in red.

    tools/sheet_ordinary_modifiers.py [--build DIR] [--data DATA] [--out FILE]

Needs the escaval program in DIR (default build/) and its data in DIR/data; writes FILE (default
docs/fields/ordinary_modifiers_sheet.png). The sheet is composed as SVG and turned into PNG by
rsvg-convert (Debian librsvg2-bin).
"""

import argparse
import html
import os
import shutil
import sys
import tempfile

from shield_sheet import draw, shield_image, write_png

ROWS = [
    ("Fimbriation", [
        "Vert a saltire gules fimbriated or",
        "Argent a saltire gules fimbriated argent and or",
        "Azure a cross gules fimbriated argent and vert",
        "Or a bend sable fimbriated argent and gules",
        "Argent a mullet gules fimbriated or",
        "Argent a mullet gules fimbriated or and azure",
    ]),
    ("Fimbriated lines", [
        "Per pale fimbriated or gules and azure",
        "Per bend gules and azure fimbriated argent",
        "Per fess fimbriated or azure and gules",
        "Per chevron fimbriated or gules and vert",
        "Per saltire fimbriated argent gules and azure",
        "Quarterly fimbriated or gules and azure",
    ]),
    ("Cotises", [
        "Or a fess sable cottised gules",
        "Or a bend azure cottised wavy gules",
        "Argent a bend sinister sable cotised gules",
        "Argent a pale azure cotissed gules",
        "Argent a bar gules cotised azure",
        "Or a chevron azure cotised gules",
    ]),
    ("Cotises", [
        "Or a cross azure cotised gules",
        "Argent a saltire azure cotised gules",
        "Argent a pall vert cotised gules",
        "Or a fess azure between two cottises gules",
        "Or a bend azure doubly cottised gules",
        "Argent a pale sable triply cotised gules",
    ]),
    ("Cotises", [
        "Or a saltire azure double cotised gules",
        "Or a chevron azure double cotised gules",
        "Argent a fess gules treble cotised azure",
        "Argent a cross vert double cotised gules",
        "Or a bend azure cottised of the second",
        "Argent a pall azure double cotised gules",
    ]),
    ("Pieces beside, couped", [
        "Argent a fess azure between two bars gules",
        "Argent a bend azure between two bendlets gules",
        "Argent a chevron azure between two couple-closes gules",
        "Or a bend couped azure cottised gules",
        "Or a chevron couped azure between two cottises gules",
        "Argent a chevron of five lozenges gules",
    ]),
    ("Composed", [
        "Argent a bend lozengy gules and or",
        "Azure a bordure compony argent and gules",
        "Argent a bend checky or and gules",
        "Or a fess counter-compony argent and azure",
        "Argent a pale fusilly gules",
        "Or a bordure parted bordurewise indented azure and gules",
    ]),
    ("Raised and lowered", [
        "Argent a pale enhanced gules",
        "Argent a pale abased gules",
        "Or a pale wavy enhanced azure",
        "Argent a pile enhanced sable",
        "Argent a chevron enhanced gules",
        "Or a bend sinister abased azure",
    ]),
    ("Nowy", [
        "Argent a chief nowy gules",
        "Argent a fess nowy azure",
        "Or a pale nowy sable",
        "Argent a cross nowy gules",
        "Argent a saltire nowy azure",
        "Or a bend nowy gules",
    ]),
    ("Throughout, couped, quarterly", [
        "Argent a cross patee throughout gules",
        "Or a chevron throughout azure",
        "Argent a cross humetty gules",
        "Argent a fess couped gules",
        "Quarterly per pale dove-tailed or and gules",
        "Quarterly per fess indented argent and azure",
    ]),
    ("Chief edges, cross forms", [
        "Argent a chief triangular azure",
        "Argent a chief enarched gules",
        "Or a chief invected of three azure",
        "Argent a Latin cross voided gules",
        "Argent a cross formy quadrate gules",
        "Argent a pile abased sable",
    ]),
    ("Fields in three", [
        "Tierced per pale gules, argent and azure",
        "Tierced per fess or, gules and sable",
        "Tierced per bend argent, vert and gules",
        "Tierced per bend sinister argent, vert and gules",
        "Tierced per pall gules, argent and azure",
        "Tierced per pall reversed gules, argent and azure",
    ]),
    ("Fields in three", [
        "Tierced per pile or, gules and azure",
        "Tierced per chevron or, gules and azure",
        "Point in point or and gules",
        "Per chevron reversed or and azure",
        "Tierced per pale barry or and gules, argent and vert",
        "Argent a bend reversed gules",
    ]),
    ("Masculy, nowy couped, on an escutcheon", [
        "Argent a pale masculy gules",
        "Argent a bend masculy azure",
        "Argent a cross of five mascles gules",
        "Argent a cross nowy couped gules",
        "Or a pile wavy abased sable",
        "Azure on an escutcheon or a lion within a double tressure gules",
    ]),
]
CELL_W, CELL_H, SHIELD_W, LABEL_H = 200, 262, 160, 46



def wrapped(text, width=30):
    lines, line = [], ""
    for word in text.split():
        if line and len(line) + 1 + len(word) > width:
            lines.append(line)
            line = word
        else:
            line = f"{line} {word}".strip()
    return lines + [line] if line else lines


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(root, "build"))
    parser.add_argument("--data", default=None, help="the data folder (default DIR/data)")
    parser.add_argument("--out", default=os.path.join(root, "docs", "fields", "ordinary_modifiers_sheet.png"))
    args = parser.parse_args()
    if shutil.which("rsvg-convert") is None:
        sys.exit("sheet_ordinary_modifiers: rsvg-convert not found (Debian package librsvg2-bin)")
    escaval = os.path.join(args.build, "escaval")
    data = args.data or os.path.join(args.build, "data")
    columns = max(len(blazons) for _, blazons in ROWS)
    width, height = CELL_W * columns, CELL_H * len(ROWS)
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}">',
           f'<rect width="{width}" height="{height}" fill="white"/>']
    with tempfile.TemporaryDirectory() as work:
        for row, (_, blazons) in enumerate(ROWS):
            for column, blazon in enumerate(blazons):
                path = os.path.join(work, f"{row}_{column}.png")
                clean = draw("sheet_ordinary_modifiers", escaval, data, blazon, path)
                x, y = column * CELL_W, row * CELL_H
                out.append(shield_image(path, x + (CELL_W - SHIELD_W) // 2, y + 4, SHIELD_W))
                colour = "black" if clean else "#c00000"
                for i, text in enumerate(wrapped(blazon)):
                    out.append(f'<text x="{x + CELL_W // 2}" y="{y + CELL_H - LABEL_H + 14 + 13 * i}" '
                               f'font-family="sans-serif" font-size="11" fill="{colour}" '
                               f'text-anchor="middle">{html.escape(text)}</text>')
        out.append("</svg>")
        write_png(out, work, args.out)
    print(args.out)


if __name__ == "__main__":
    main()
