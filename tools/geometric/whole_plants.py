"""Plants drawn whole, over the foils and leaves of plants.py: the thistle, the tree couped and
eradicated, the oak and its acorns, the garb, the lily, the pomegranate, broom, the pine cone,
grapes and the oak slip."""

import math

from .style import BLUE, RED, WHITE
from .geometry import add, arc, arm_frame, circle, ellipse, join, lerp, map_points, mirrored, polar, poly, reverse, rotate, sample, scale, scalloped, smooth, sub
from .svg import Charge, charge
from .plants import clipped_lines, leaf, lens, mirror_shape, scalloped_ellipse, stalk


def acorn_parts(stalk_end, axis, L):
    """An acorn: its cup at stalk_end, its nut pointing along axis, L long. Returns the nut,
    the cup and the lines that chequer the cup."""
    f = arm_frame(stalk_end, axis)
    nut_half = smooth([(0.3 * L, 0.3 * L), (0.62 * L, 0.3 * L), (0.88 * L, 0.18 * L), (L, 0)])
    nut = map_points(join(nut_half, reverse(map_points(nut_half, lambda p: (p[0], -p[1])))), f)
    cup_half = [('M', (0, 0)), ('C', (0.02 * L, 0.22 * L), (0.12 * L, 0.37 * L), (0.4 * L, 0.37 * L))]
    cup = map_points(join(reverse(map_points(cup_half, lambda p: (p[0], -p[1]))), cup_half), f)
    hatch = []
    for k in range(-3, 4):
        hatch.append([f((-0.1 * L, k * 0.14 * L - 0.2 * L)), f((0.5 * L, k * 0.14 * L + 0.2 * L))])
        hatch.append([f((-0.1 * L, k * 0.14 * L + 0.2 * L)), f((0.5 * L, k * 0.14 * L - 0.2 * L))])
    return nut, cup, clipped_lines(hatch, cup, 2.5)


def draw_acorn(ch, stalk_end, axis, L, nut_colour=WHITE, stem=None):
    nut, cup, hatch = acorn_parts(stalk_end, axis, L)
    if stem:
        ch.fill(stalk(stem, 5, 4), note='the stem of an acorn')
    ch.fill(nut, colour=nut_colour, width=2.5, note='an acorn' + (' (second part: "fructed")' if nut_colour == RED else ''))
    ch.fill(cup, width=2.5)
    ch.line(hatch, width=1.5)


def oak_leaf(base, tip, width, bend=0.0):
    return leaf(base, tip, width, lobes=3.5, depth=0.38, bend=bend, steps=56, fat=0.85)


@charge
def thistle():
    ch = Charge('plants', 'thistle', 160, 220,
                'A thistle slipped and leaved: the head and its flower, the stalk and the spiky leaves\n'
                '     (second part, which "slipped and leaved" colour).')
    ch.fill(stalk([(80, 214), (81, 190), (80, 165), (80, 140)], 12, 10), colour=RED, note='the stalk (second part)')
    left, rib = leaf((79, 182), (6, 128), 50, spikes=4, bend=0.2)
    ch.fill(left, colour=RED, note='the leaves (second part)')
    ch.fill(mirror_shape(left, 80), colour=RED)
    ch.line([rib, mirror_shape(rib, 80)[0]])
    focus = (80, 142)
    tips = [-33, -22, -11, 0, 11, 22, 33]
    pts = [polar(focus, 44, -26)]
    for k, a in enumerate(tips):
        pts.append(polar(focus, 131 if a == 0 else 128 - abs(a) * 0.25, a))
        if k < len(tips) - 1:
            pts.append(polar(focus, 104, a + 5.5))
    pts.append(polar(focus, 44, 26))
    ch.fill(poly(pts), note='the flower')
    ch.line([poly([polar(focus, 58, a + 5.5), polar(focus, 100, a + 5.5)]) for a in tips[:-1]],
            width=2)
    bulb_c = (80, 124)
    spikes = []
    for a in (62, 100, 138):
        for sgn in (-1, 1):
            spikes.append(poly([polar(bulb_c, 24, sgn * (a - 14)), polar(bulb_c, 44, sgn * a),
                                polar(bulb_c, 24, sgn * (a + 14))]))
    ch.fill(spikes, width=2.5, note='prickles of the head')
    bulb = ellipse(bulb_c, 34, 31)
    ch.fill(bulb, note='the head')
    lattice = []
    for k in range(-4, 5):
        lattice.append([(46 + 17 * k, 90), (46 + 17 * k + 68, 158)])
        lattice.append([(114 + 17 * k, 90), (114 + 17 * k - 68, 158)])
    ch.line(clipped_lines(lattice, bulb, 3), width=2)
    return ch


def trunk_eradicated():
    """Right half of a trunk torn up by the roots, from the middle line under the crown."""
    return [('M', (90, 128)), ('L', (103, 128)), ('L', (103, 164)),
            ('C', (104, 176), (114, 182), (132, 188)),
            ('C', (148, 193), (162, 200), (175, 212)),
            ('C', (158, 207), (142, 203), (127, 201)),
            ('C', (132, 206), (138, 210), (143, 215)),
            ('C', (128, 213), (116, 208), (109, 202)),
            ('C', (104, 206), (97, 211), (90, 215))]


@charge
def tree():
    ch = Charge('plants', 'tree', 180, 220, 'A tree eradicated: a round crown of leaves, the roots torn up and showing.',
                also='tree.ra figtree figtree.ra')
    ch.fill(mirrored(trunk_eradicated(), 90), note='trunk and roots')
    c = (90, 80)
    crown = scalloped_ellipse(c, 61, 52, 12, 22, 15)
    ch.fill(crown, join='round', note='the crown')
    tufts = [arc(p, 13, -65, 65) for p in ((62, 58), (104, 50), (78, 88), (120, 86), (52, 106), (96, 120))]
    ch.line(tufts, note='clumps of leaves')
    ch.line([poly([(84, 150), (86, 168)]), poly([(96, 152), (94, 166)])], note='bark')
    return ch


@charge
def tree_couped():
    ch = Charge('plants', 'tree.cp', 180, 220, 'A tree couped: the round crown of leaves on a trunk cut straight across.')
    half = [('M', (90, 128)), ('L', (104, 128)), ('L', (104, 196)), ('L', (106, 214)), ('L', (90, 214))]
    ch.fill(mirrored(half, 90), note='the trunk, cut straight')
    c = (90, 80)
    crown = scalloped_ellipse(c, 61, 52, 12, 22, 15)
    ch.fill(crown, join='round', note='the crown')
    tufts = [arc(p, 13, -65, 65) for p in ((62, 58), (104, 50), (78, 88), (120, 86), (52, 106), (96, 120))]
    ch.line(tufts, note='clumps of leaves')
    ch.line([poly([(84, 150), (86, 178)]), poly([(96, 156), (94, 190)])], note='bark')
    return ch


@charge
def oak():
    ch = Charge('plants', 'oak', 180, 220, 'An oak tree fructed: a lobed crown hung with acorns (second part), on a stout trunk '
                'cut straight across (couped).', also='oaktree oak.cp oaktree.cp')
    half = [('M', (90, 120)), ('L', (106, 120)), ('L', (106, 178)),
            ('C', (107, 195), (116, 205), (140, 214)), ('L', (90, 214))]
    ch.fill(mirrored(half, 90), note='the trunk')
    ch.line([poly([(84, 150), (86, 178)]), poly([(97, 160), (95, 190)])], note='bark')
    c = (90, 78)
    big = []
    for k in range(8):
        a = math.radians(22.5 + 45 * k)
        big.append(((c[0] + 59 * math.sin(a), c[1] - 45 * math.cos(a)), 29))
    crown = scalloped(big, c)
    ch.fill(crown, join='round', note='the crown')
    clumps = [arc(p, 17, -60, 60) for p in ((64, 60), (110, 56), (88, 96), (58, 104), (124, 98))]
    ch.line(clumps)
    for p, a in (((38, 114), 195), ((70, 128), 182), ((110, 128), 178), ((142, 114), 165),
                 ((90, 36), 180), ((48, 62), 190), ((132, 62), 170)):
        draw_acorn(ch, p, a, 28, nut_colour=RED)
    return ch


@charge
def acorn():
    ch = Charge('plants', 'acorn', 140, 200, 'An acorn slipped and leaved: upright in its cup, with two oak leaves.')
    ch.fill(stalk([(70, 108), (70, 140), (66, 168), (61, 192)], 8, 6), note='the stalk')
    left, rib = oak_leaf((68, 146), (7, 190), 40)
    ch.fill(left, note='the leaves')
    ch.line(rib)
    right, rib = oak_leaf((70, 136), (133, 176), 40)
    ch.fill(right)
    ch.line(rib)
    nut, cup, hatch = acorn_parts((70, 112), 0, 105)
    ch.fill(nut, note='the nut')
    ch.fill(cup, note='the cup')
    ch.line(hatch, width=2)
    return ch


@charge
def plant_leaf():
    ch = Charge('plants', 'leaf', 120, 220, 'A leaf (laurel) upright on its stalk.', also='laurel laurelle')
    ch.fill(stalk([(60, 214), (60, 200), (60, 180)], 8, 7), note='the stalk')
    outline, rib = leaf((60, 194), (60, 6), 106, fat=0.8)
    ch.fill(outline, note='the blade')
    veins = [rib]
    for y in (150, 112, 76):
        for sgn in (-1, 1):
            veins.append(smooth([(60, y), (60 + sgn * 18, y - 12), (60 + sgn * 36, y - 30)]))
    ch.line(clipped_lines([sample(v, 6) for v in veins], outline, 6), note='veins')
    return ch


@charge
def garb():
    ch = Charge('plants', 'garb', 160, 220, 'A garb: a sheaf of wheat bound with a band (second part: "banded").', also='sheaf')
    focus = (80, 152)
    angles = [-36, -27, -18, -9, 0, 9, 18, 27, 36]
    fan = [(57, 124)] + [polar(focus, 92, a) for a in angles] + [(103, 124)]
    ch.fill(poly(fan), note='the stalks above the band')
    ch.line([poly([polar(focus, 34, a), polar(focus, 90, a)]) for a in angles[1:-1:2]])
    for order in (1, 0):
        for k, a in enumerate(angles):
            if k % 2 != order:
                continue
            tip = 146 - 0.95 * abs(a)
            ear, rib = leaf(polar(focus, 84, a), polar(focus, tip, a), 19, lobes=5, depth=0.42, steps=50)
            ch.fill(ear, width=2.5, note='ears of wheat' if k == 0 or (order == 0 and k == 1) else None)
            ch.line(rib, width=1.5)
    lower = [('M', (80, 136)), ('L', (102, 136)), ('L', (146, 206))] + \
        [('L', p) for p in ((136, 214), (128, 207), (118, 214), (108, 207), (98, 214), (88, 207))] + \
        [('L', (80, 213))]
    ch.fill(mirrored(lower, 80), note='the stalks below the band')
    ch.line([poly([(80 + dx * 0.45, 142), (80 + dx, 204)]) for dx in (-44, -22, 0, 22, 44)])
    band = [('M', (80, 121)), ('L', (108, 121)), ('C', (113, 121), (113, 139), (108, 139)), ('L', (80, 139))]
    ch.fill(mirrored(band, 80), colour=RED, note='the band (second part)')
    return ch


@charge
def lily():
    ch = Charge('plants', 'lily', 140, 220, 'A lily slipped: the open flower with its stamens, on a leaved stalk.',
                also='lilie')
    ch.fill(stalk([(70, 214), (70, 170), (70, 110)], 9, 8), note='the stalk')
    left, rib = leaf((69, 184), (7, 128), 24, bend=-0.5)
    ch.fill(left, note='the leaves')
    ch.fill(mirror_shape(left, 70))
    ch.line([rib, mirror_shape(rib, 70)[0]])
    ch.fill([lens((70, 110), (40, 18), 12), lens((70, 110), (100, 18), -12)], note='the petals behind')
    fil = [poly([(70, 84), (54, 14)]), poly([(70, 84), (70, 8)]), poly([(70, 84), (86, 14)])]
    ch.line(fil, note='stamens')
    ch.solid([ellipse((54, 14), 4, 6), ellipse((70, 8), 4, 6), ellipse((86, 14), 4, 6)])
    petal = smooth([(70, 116), (56, 92), (42, 64), (32, 42), (20, 30), (6, 34), (16, 44), (28, 70),
                    (44, 100), (64, 118)], closed=True, tension=0.9)
    ch.fill(petal, note='the petals in front')
    ch.fill(mirror_shape(petal, 70))
    ch.fill(lens((70, 118), (70, 38), 17))
    ch.line(poly([(70, 108), (70, 54)]), width=1.5)
    return ch


@charge
def pomegranate():
    ch = Charge('plants', 'pomegran', 160, 200,
                'A pomegranate slipped and leaved, burst to show its seeds (detail).')
    ch.fill(stalk([(80, 150), (80, 172), (82, 195)], 10, 8), note='the stalk')
    left, rib = leaf((78, 176), (6, 160), 30, bend=0.25)
    ch.fill(left, note='the leaves')
    ch.fill(mirror_shape(left, 80))
    ch.line([rib, mirror_shape(rib, 80)[0]])
    ch.fill(poly([(56, 58), (50, 8), (66, 30), (80, 5), (94, 30), (110, 8), (104, 58)]),
            note='the crown of the fruit')
    ch.fill(circle((80, 102), 58), note='the fruit')
    slit = lens((80, 62), (80, 144), 18)
    ch.fill(slit, colour=BLUE, width=2.5, note='the seeds (detail)')
    seeds = [ellipse((80 + dx, y), 2.6, 3.6) for y, xs in ((80, (0,)), (94, (-7, 7)), (108, (-11, 0, 11)),
                                                            (122, (-7, 7)), (135, (0,)))
             for dx in xs]
    ch.solid(seeds)
    return ch


@charge
def broom():
    ch = Charge('plants', 'broom', 140, 220, 'A sprig of broom (planta genista): a stem with leafy shoots and seed pods.')
    shoots = [((70, 184), (22, 152)), ((70, 160), (118, 128)), ((70, 124), (22, 92)),
              ((70, 100), (118, 68)), ((70, 66), (34, 34)), ((70, 56), (106, 24))]
    pods = [lens((40, 170), (30, 204), 5.5), lens((100, 146), (112, 180), 5.5)]
    ch.fill(pods, width=2.5, note='seed pods')
    ch.fill(stalk([(40, 166), (38, 174)], 4, 3))
    ch.fill(stalk([(72, 214), (70, 170), (69, 110), (70, 28)], 9, 6), note='the stem')
    leaves = []
    for a, b in shoots:
        ch.fill(stalk([a, lerp(a, b, 0.5), b], 6, 4))
        d = sub(b, a)
        for t, side in ((0.35, 1), (0.55, -1), (0.75, 1)):
            p = lerp(a, b, t)
            q = add(p, rotate(scale(d, 0.36), side * -42, (0, 0)))
            leaves.append(lens(p, q, 4.5))
        leaves.append(lens(b, add(b, scale(d, 0.3)), 5))
    leaves.append(lens((70, 36), (70, 5), 5.5))
    ch.fill(leaves, width=2.5, note='leaves')
    return ch


@charge
def pine_cone():
    ch = Charge('plants', 'pine', 130, 200, 'A pine cone, point upwards, its scales shown.', also='cone')
    ch.fill(stalk([(65, 178), (65, 196)], 11, 9), note='the stalk')
    half = smooth([(65, 6), (88, 18), (110, 52), (121, 94), (117, 136), (101, 166), (80, 183), (65, 186)])
    outline = mirrored(half, 65)
    ch.fill(outline, note='the cone')
    lattice = []
    for k in range(-7, 8):
        x0 = 65 + 24 * k
        lattice.append([(x0 - 90, 200), (x0 + 90, 0)])
        lattice.append([(x0 + 90, 200), (x0 - 90, 0)])
    ch.line(clipped_lines(lattice, outline, 3), note='scales')
    return ch


@charge
def grapes():
    ch = Charge('plants', 'grape', 150, 200, 'A bunch of grapes hanging from its stalk, with a vine leaf.')
    ch.fill(stalk([(86, 7), (81, 24), (75, 46)], 8, 7), note='the stalk')
    lc = (38, 38)
    pts = []
    for i in range(40):
        a = 360.0 * i / 40
        r = 31 * (0.72 + 0.28 * abs(math.cos(math.radians(a) * 2.5)))
        pts.append(polar(lc, r, a))
    vine = smooth(pts, closed=True)
    ch.fill(vine, note='the vine leaf')
    ch.line([poly([lc, polar(lc, 21, a)]) for a in (0, 72, 144, 216, 288)], width=1.5)
    y0, step, d, r = 46, 22.4, 25, 14
    grapes_ = []
    for k, n in enumerate([5, 4, 5, 4, 3, 2, 1]):
        y = y0 + step * k
        for i in range(n):
            grapes_.append(circle((75 + (i - (n - 1) / 2.0) * d, y), r))
    for g in grapes_:
        ch.fill(g, width=2.5)
    return ch


@charge
def oak_slip():
    ch = Charge('plants', 'slip', 160, 220, 'A slip of oak: a twig with three leaves and two acorns (second part).',
                also='sprig oaksprig')
    ch.fill(stalk([(84, 212), (82, 170), (80, 120), (80, 90)], 9, 6), note='the twig')
    draw_acorn(ch, (64, 168), 225, 44, nut_colour=RED, stem=[(81, 158), (72, 162), (64, 168)])
    draw_acorn(ch, (100, 180), 145, 42, nut_colour=RED, stem=[(83, 176), (93, 180), (102, 186)])
    for base, tip, w in (((80, 98), (80, 6), 52), ((79, 128), (7, 74), 46), ((82, 146), (153, 98), 46)):
        outline, rib = oak_leaf(base, tip, w)
        ch.fill(outline)
        ch.line(rib)
    return ch
