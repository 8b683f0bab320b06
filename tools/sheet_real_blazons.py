#!/usr/bin/env python3
"""Draws a spread of 60 real blazons (fields, ordinaries, beasts, birds, fish and objects; no
marshalled arms) into one contact sheet, each shield with its blazon written under it, so that
the drawings can be checked by eye against what the blazon says.

    tools/sheet_real_blazons.py [--build DIR] [--out FILE]
    tools/sheet_real_blazons.py --published N [--seed S] [--build DIR] [--out FILE] [--cells DIR]

DIR is a build folder with escaval and its data (default build/); FILE defaults to
docs/real_blazons_sheet.png. Every blazon must be a line of tests/data/real_blazons.txt. With
--published, the sheet holds N lines of the working half of tests/data/published_arms.txt (as
tools/published_arms.sh prints it) that `escaval draw --strict` calls clean, taken at random
(seed S, default 1, so that the same sheet can be drawn again), marshalled ones too, each drawn
from its blazon as printed (default FILE docs/published_arms_sheet.png): the lines counted clean
are the ones to look at for shields drawn wrong. The held-out half is never drawn. With --cells,
each shield is also kept in DIR as NNN.png (its number on the sheet) and the numbered blazons
are written to DIR/blazons.txt, to be looked at one by one. A blazon of the fixed list that
`escaval draw --strict` does not call clean is marked "not clean" in red. The sheet is composed
as SVG and turned into PNG by rsvg-convert (Debian librsvg2-bin).
"""

import argparse
import base64
import html
import os
import shutil
import subprocess
import sys
import tempfile
import random
import textwrap

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIST = os.path.join(ROOT, "tests", "data", "real_blazons.txt")
PUBLISHED = os.path.join(ROOT, "tests", "data", "published_arms.txt")
PUBLISHED_HALF = os.path.join(ROOT, "tools", "published_arms.sh")

# In the order of the sheet: fields, ordinaries, beasts, birds, fish, objects and plants.
BLAZONS = [
    "Ermine",
    "Azure semee of fleurs-de-lis or",
    "Lozengy bendwise argent and azure",
    "Per fess dancetty gules and argent",
    "Barry nebuly of six or and gules",
    "Vairy ermine and gules",
    "Chequy or and azure a fess gules",
    "Per bend embattled argent and gules",
    "Per pale or and azure two fleurs-de-lis counterchanged",
    "Sable fifteen bezants five four three two and one",
    "Gules a saltire argent",
    "Or three chevronels gules",
    "Argent a fess between two chevrons gules",
    "Argent a bend between six martlets gules",
    "Argent a fret sable",
    "Or fretty azure",
    "Argent two bars and in chief three mullets gules",
    "Gules a fess chequy argent and azure",
    "Gules three pallets vair a chief or",
    "Gules on a pale sable three saltires argent",
    "Or on a saltire azure nine lozenges of the field",
    "Ermine on a chief indented sable two lions rampant or",
    "Argent three piles sable",
    "Sable a bend or between six fountains",
    "Argent a cross gules in the first quarter a sword in pale point upwards of the last",
    "Quarterly argent and gules in the second and third quarters a fret or over all a bend sable",
    "Or a cross engrailed per pale gules and sable",
    "Azure a bend argent cotised or between six lions rampant of the last",
    "Gules a chevron between ten crosses pattee six in chief and four in base argent",
    "Gules three lions passant guardant or within a bordure engrailed argent",
    "Gules three lions passant guardant or",
    "Or a lion rampant gules armed and langued azure within a double tressure flory counterflory of the second",
    "Azure a lion rampant barry of ten argent and gules crowned or",
    "Argent a lion rampant gules between three pheons sable",
    "Gules a lion rampant argent within a bordure compony azure and argent",
    "Argent three bulls passant sable armed and unguled or",
    "Argent a stag trippant gules attired and unguled or",
    "Argent a griffin segreant gules",
    "Argent a bear rampant sable",
    "Gules three leopards' faces jessant-de-lis or",
    "Argent three boars' heads erect and erased sable",
    "Azure a buck's head cabossed argent",
    "Argent an eagle displayed sable crowned or",
    "Azure an eagle displayed chequy argent and gules crowned or",
    "Gules a double-headed eagle displayed between three fleurs-de-lis argent",
    "Barry of ten argent and azure on a canton or a Cornish chough proper",
    "Argent on a bend sable three owls of the field",
    "Vert an escutcheon within an orle of martlets argent",
    "Gules three herons argent",
    "Azure a cross patonce between five martlets or",
    "Gules three luces hauriant argent",
    "Or a dolphin embowed azure",
    "Azure three crowns or",
    "Or a bugle horn azure stringed gules",
    "Gules a castle triple-towered or",
    "Azure a harp or stringed argent",
    "Gules two keys in saltire argent",
    "Argent three catherine wheels sable within a bordure engrailed gules",
    "Barry of six argent and azure three chaplets gules",
    "Argent a chevron gules between three crosses crosslet fitchy sable within a double tressure flory counterflory of the second",
]

COLUMNS = 10
SHIELD_W, SHIELD_H = 200, 251  # the drawn picture (415 x 521) at a little under half its size
FONT_SIZE, LINE_H, WRAP_CHARS, MAX_LINES = 11, 13, 33, 5
GAP, TITLE_H = 12, 40
STRICT_NOT_CLEAN = 3  # the exit status of `escaval draw --strict` for a drawing that is not clean


def read_list():
    with open(LIST, encoding="utf-8") as f:
        return {line.strip() for line in f if line.strip() and not line.startswith("#")}


def published_working_half():
    """The blazons of the published corpus's working half, in the order they stand there."""
    run = subprocess.run([PUBLISHED_HALF, "working", PUBLISHED], capture_output=True, text=True, check=True)
    return [line for line in run.stdout.splitlines() if line.strip()]


def published_clean_sample(count, seed, escaval, data, work):
    """`count` blazons of the working half that draw clean, taken at random and returned in the
    order they stand in the corpus, each with the picture drawn of it."""
    blazons = published_working_half()
    order = list(range(len(blazons)))
    random.Random(seed).shuffle(order)
    picked = []
    for i in order:
        if len(picked) == count:
            break
        png = os.path.join(work, f"line{i:04d}.png")
        if draw(escaval, data, blazons[i], png):
            picked.append((i, png))
    picked.sort()
    return [(blazons[i], png, True) for i, png in picked]


def draw(escaval, data, blazon, path):
    """Draws one blazon; returns whether the drawing is clean."""
    run = subprocess.run([escaval, "draw", "--strict", "--data", data, "-o", path, blazon],
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    if run.returncode not in (0, STRICT_NOT_CLEAN) or not os.path.exists(path):
        sys.exit(f"sheet_real_blazons: escaval could not draw: {blazon}")
    return run.returncode == 0


def sheet_svg(cells, source):
    rows = (len(cells) + COLUMNS - 1) // COLUMNS
    cell_w = SHIELD_W + GAP
    cell_h = SHIELD_H + 4 + (MAX_LINES + 1) * LINE_H + GAP
    width = COLUMNS * cell_w + GAP
    height = TITLE_H + rows * cell_h
    clean = sum(1 for _, _, ok in cells if ok)
    out = [f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
           f'width="{width}" height="{height}" font-family="DejaVu Sans">',
           f'<rect width="{width}" height="{height}" fill="white"/>',
           f'<text x="{GAP}" y="26" font-size="17" font-weight="bold">{len(cells)} blazons as drawn '
           f'({clean} clean by the coverage measure), from {source}</text>']
    for i, (blazon, png, ok) in enumerate(cells):
        left = GAP + (i % COLUMNS) * cell_w
        top = TITLE_H + (i // COLUMNS) * cell_h
        with open(png, "rb") as f:
            data = base64.b64encode(f.read()).decode("ascii")
        out.append(f'<image x="{left}" y="{top}" width="{SHIELD_W}" height="{SHIELD_H}" '
                   f'preserveAspectRatio="none" xlink:href="data:image/png;base64,{data}"/>')
        lines = textwrap.wrap(f"{i + 1}. {blazon}", WRAP_CHARS)
        if len(lines) > MAX_LINES:
            lines = lines[:MAX_LINES - 1] + [lines[MAX_LINES - 1][:WRAP_CHARS - 3] + "..."]
        y = top + SHIELD_H + 4
        for line in lines:
            y += LINE_H
            out.append(f'<text x="{left}" y="{y}" font-size="{FONT_SIZE}">{html.escape(line)}</text>')
        if not ok:
            out.append(f'<text x="{left}" y="{y + LINE_H}" font-size="{FONT_SIZE}" fill="#c00000" '
                       f'font-weight="bold">not clean</text>')
    out.append("</svg>")
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--out")
    parser.add_argument("--published", type=int, metavar="N")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--cells", metavar="DIR")
    args = parser.parse_args()
    sheet = "published_arms_sheet.png" if args.published else "real_blazons_sheet.png"
    args.out = args.out or os.path.join(ROOT, "docs", sheet)
    escaval = os.path.join(args.build, "escaval")
    data = os.path.join(args.build, "data")
    if not os.access(escaval, os.X_OK):
        sys.exit(f"sheet_real_blazons: no escaval in {args.build}")
    if shutil.which("rsvg-convert") is None:
        sys.exit("sheet_real_blazons: rsvg-convert not found (Debian package librsvg2-bin)")
    if args.published:
        blazons, source = None, "the working half of tests/data/published_arms.txt, lines drawn clean"
    else:
        blazons, source = BLAZONS, "tests/data/real_blazons.txt"
        listed = read_list()
        missing = [b for b in BLAZONS if b not in listed]
        if missing:
            sys.exit("sheet_real_blazons: not in real_blazons.txt: " + "; ".join(missing))

    out_dir = os.path.dirname(os.path.abspath(args.out))
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        if blazons is None:
            cells = published_clean_sample(args.published, args.seed, escaval, data, work)
        else:
            cells = []
            for i, blazon in enumerate(blazons):
                png = os.path.join(work, f"{i:03d}.png")
                cells.append((blazon, png, draw(escaval, data, blazon, png)))
        if args.cells:
            os.makedirs(args.cells, exist_ok=True)
            with open(os.path.join(args.cells, "blazons.txt"), "w", encoding="utf-8") as f:
                for i, (blazon, png, _) in enumerate(cells):
                    shutil.copyfile(png, os.path.join(args.cells, f"{i + 1:03d}.png"))
                    f.write(f"{i + 1}. {blazon}\n")
        svg = os.path.join(work, "sheet.svg")
        with open(svg, "w", encoding="utf-8") as f:
            f.write(sheet_svg(cells, source))
        # Written beside the output and renamed, so that a failed run leaves the old sheet whole.
        fd, partial = tempfile.mkstemp(suffix=".png", dir=out_dir)
        os.close(fd)
        try:
            subprocess.run(["rsvg-convert", "-f", "png", "-o", partial, svg], check=True)
            os.replace(partial, args.out)
        finally:
            if os.path.exists(partial):
                os.remove(partial)
    clean = sum(1 for _, _, ok in cells if ok)
    print(f"{args.out}: {len(cells)} blazons, {clean} clean")


if __name__ == "__main__":
    main()
