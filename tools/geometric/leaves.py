"""Leaves, flower heads and plants drawn from their stalks: the beech leaf, the nettle leaf, the fern
leaf (a frond), the maple's flowers, the thistle's flower, the poppy head, the branch couped, the stock of a tree, a wood and a field of wheat. Leaves are the plants module's leaf outline;
stalks its tapering band."""

import math

from .style import BLUE, RED, WHITE
from .geometry import circle, ellipse, join, poly, polar, smooth
from .svg import Charge, charge
from .plants import leaf, leaf_frame, stalk


@charge
def beech_leaf():
    ch = Charge('plants', 'beechlea', 150, 220, 'A beech leaf: an oval leaf, its edge gently waved, straight veins running from the midrib; the stalk downwards.')
    ch.fill(stalk([(75, 214), (75, 196), (75, 180)], 9, 7), note='the stalk')
    outline, rib = leaf((75, 184), (75, 6), 122, lobes=8, depth=0.06, fat=0.75)
    ch.fill(outline, note='the leaf')
    ch.line([rib])
    for k in range(1, 8):
        y = 184 - 20 * k
        reach = 44 * math.sin(math.pi * (k / 8.5)) ** 0.8
        ch.line([poly([(75, y), (75 + reach, y - 16)]), poly([(75, y), (75 - reach, y - 16)])], width=2)
    return ch


@charge
def fern_leaf():
    ch = Charge('plants', 'fernleav', 150, 220, 'A fern leaf (frond): a curving stalk with narrow leaflets in pairs, growing shorter to the tip.',
                also='fernleaf')
    spine = [(75, 214), (74, 150), (78, 90), (86, 40), (96, 6)]
    shapes = [stalk(spine, 8, 3)]
    for k in range(8):
        t = 0.12 + 0.1 * k
        y = 214 - 200 * t
        x = 75 + 20 * t * t
        length = 66 * (1 - 0.8 * t)
        for sgn in (1, -1):
            tip = (x + sgn * length, y - 14 - 10 * t)
            shapes.append(leaf((x, y), tip, 15 * (1 - 0.5 * t))[0])
    ch.union(shapes)
    return ch


def nettle_outline(base, tip, width, teeth):
    """A nettle leaf's edge: broad near the stalk and drawn out to a point, cut in teeth that lean
    towards the tip (each tooth's point lies a little further along than its notch)."""
    _, at = leaf_frame(base, tip)
    half = lambda t: width / 2.0 * math.sin(math.pi * min(1.0, (t * 0.94 + 0.06) ** 0.62)) ** 0.9
    sides = []
    for sgn in (1, -1):
        pts = [at(0.0, 0.0)]
        for i in range(teeth):
            t0 = 0.04 + 0.92 * i / teeth
            t1 = 0.04 + 0.92 * (i + 1) / teeth
            pts.append(at(t0, sgn * half(t0) * 0.84))
            pts.append(at(t1 - 0.01, sgn * half(t1 - 0.02) * 1.04))
        sides.append(pts)
    return poly(sides[0] + [at(1.0, 0.0)] + list(reversed(sides[1][1:])))


@charge
def nettle_leaf():
    ch = Charge('plants', 'nettle', 150, 220, 'A nettle leaf: a broad leaf drawn out to a point, its edge cut in sharp teeth leaning to the tip, veins rising from the midrib; the stalk downwards.')
    ch.fill(stalk([(75, 214), (75, 196), (75, 176)], 9, 7), note='the stalk')
    ch.fill(nettle_outline((75, 184), (75, 6), 136, 8), note='the leaf')
    ch.line([poly([(75, 182), (75, 24)])])
    veins = []
    for k in range(1, 6):
        y = 182 - 25 * k
        # each vein ends well inside the teeth at the height it reaches
        reach = 44 * math.sin(math.pi * (k / 6.8)) ** 0.6 * (1.0 - 0.1 * k)
        veins += [poly([(75, y), (75 + reach, y - 24)]), poly([(75, y), (75 - reach, y - 24)])]
    ch.line(veins, width=2)
    return ch


@charge
def maple_flowers():
    ch = Charge('plants', 'mapleflo', 180, 220, "Maple flowers: a cluster of small five-petalled flowers hanging on long stalks from one stem.")
    stem = (90, 8)
    heads = [(30, 150), (62, 186), (90, 150), (118, 186), (150, 150), (90, 96)]
    shapes = [stalk([(90, 4), (90, 40)], 9, 7)]
    for h in heads:
        shapes.append(stalk([(90, 36), ((90 + h[0]) / 2, (36 + h[1]) / 2 - 10), (h[0], h[1] - 20)], 5, 4))
    ch.union(shapes, note='the stalks')
    for h in heads:
        petals = [circle(polar(h, 14, 72 * k), 11) for k in range(5)]
        ch.union([[p] for p in petals], note='a flower')
        ch.fill(circle(h, 7), colour=BLUE, note='its seeds')
    return ch


@charge
def thistle_flower():
    ch = Charge('plants', 'thistlef', 150, 220, "A thistle's flower: the round prickly head of the thistle with its tuft, on a short stalk.")
    ch.fill(stalk([(75, 214), (75, 180), (75, 150)], 12, 10), note='the stalk')
    c, rx, ry = (75, 150), 46, 42
    ch.fill(ellipse(c, rx, ry), note='the prickly head')
    lattice = []
    for sgn in (1, -1):
        for d in (-48, -24, 0, 24, 48):
            inside = [(c[0] + t, c[1] + sgn * (t - d)) for t in range(-60, 61)
                      if (t / (rx * 0.86)) ** 2 + ((t - d) / (ry * 0.86)) ** 2 <= 1]
            if len(inside) > 4:
                lattice.append(poly([inside[0], inside[-1]]))
    ch.line(lattice, width=2)
    tuft = []
    for k in range(7):
        x = 38 + 74 * k / 6.0
        tuft += [(x - 6, 104), (x, 10 + abs(k - 3) * 14)]
    tuft += [(118, 104)]
    ch.fill(poly([(32, 108)] + tuft + [(118, 108)]), colour=BLUE, note='the tuft')
    ch.fill(poly([(30, 100), (120, 100), (112, 112), (38, 112)]), note='the cup')
    return ch


@charge
def poppy_head():
    ch = Charge('plants', 'poppy.hd', 150, 220, 'A poppy head: the round seed vessel of the poppy crowned with its rayed lid, on its stalk.')
    ch.fill(stalk([(75, 214), (72, 180), (75, 150)], 10, 8), note='the stalk')
    ch.fill(ellipse((75, 96), 58, 62), note='the seed vessel')
    ch.line([smooth([(75, 36), (50, 96), (66, 156)]), smooth([(75, 36), (100, 96), (84, 156)])], width=2)
    ch.fill(ellipse((75, 32), 38, 12), colour=BLUE, note='the lid')
    ch.line([poly([(75, 32), polar((75, 32), 34, a)]) for a in (60, 90, 120, 240, 270, 300)], width=2)
    return ch


@charge
def branch_couped():
    ch = Charge('plants', 'branch.cp', 150, 220, 'A branch couped: a straight branch cut square at its foot, leaves set in pairs along it and one at the tip.')
    shapes = [stalk([(75, 214), (75, 120), (75, 40)], 14, 6)]
    ch.fill(shapes[0], note='the branch')
    for k, y in enumerate((170, 126, 84)):
        for sgn in (1, -1):
            outline, rib = leaf((75 + sgn * 4, y), (75 + sgn * 70, y - 40 + 6 * k), 30)
            ch.fill(outline, note='a leaf')
            ch.line([rib], width=2)
    outline, rib = leaf((75, 46), (75, 4), 28)
    ch.fill(outline, note='the leaf at the tip')
    ch.line([rib], width=2)
    ch.line([poly([(68, 214), (82, 214)])], width=3)
    return ch


@charge
def stock():
    ch = Charge('plants', 'trunk', 200, 200, 'The stock (trunk) of a tree: a stump eradicated, cut flat on top, a young shoot springing from its side.',
                also='stock')
    ch.fill(poly([(150, 150), (190, 186), (164, 160), (142, 156), (140, 190), (118, 162), (100, 196), (82, 162), (60, 190),
                  (58, 156), (36, 160), (10, 186), (50, 150), (60, 120), (62, 40), (138, 40), (140, 120)]), note='the stump and its roots')
    ch.fill(ellipse((100, 40), 38, 12), note='the cut top')
    ch.line([ellipse((100, 40), 20, 6)], width=2)
    ch.fill(stalk([(138, 96), (162, 76), (176, 50)], 9, 4), note='the shoot')
    outline, rib = leaf((176, 52), (188, 10), 24)
    ch.fill(outline, note='its leaf')
    ch.line([poly([(86, 60), (84, 140)]), poly([(116, 58), (120, 140)])], width=2)
    return ch


@charge
def wood():
    ch = Charge('plants', 'wood', 220, 180, 'A wood: three round-headed trees side by side on the ground, the middle one the tallest.')
    for x, top, r in ((44, 46, 38), (176, 46, 38), (110, 10, 46)):
        ch.fill(poly([(x - 7, 168), (x - 7, top + r), (x + 7, top + r), (x + 7, 168)]), colour=RED, note='a trunk')
        crown = [circle((x, top + r), r)] + [circle(polar((x, top + r), r * 0.75, a), r * 0.42) for a in range(0, 360, 60)]
        ch.union([[c] for c in crown], note='its crown')
    ch.fill(smooth([(4, 176), (20, 162), (110, 156), (200, 162), (216, 176)], closed=False) + [('L', (4, 176))], note='the ground')
    return ch


@charge
def wheat_field():
    ch = Charge('plants', 'wheatfie', 220, 170, 'A field of wheat: ears of wheat standing in a row, growing from the ground.')
    for k in range(7):
        x = 22 + 29 * k
        ch.fill(stalk([(x, 150), (x, 90)], 4, 3), note='a stalk')
        grains = [ellipse((x + sgn * 6, 80 - 12 * j), 6, 9) for j in range(5) for sgn in (1, -1)] + [ellipse((x, 16), 5, 9)]
        ch.union([[g] for g in grains], note='its ear')
    ch.fill(poly([(4, 166), (4, 146), (216, 146), (216, 166)]), note='the ground')
    return ch
