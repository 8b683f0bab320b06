"""Creatures drawn from above or spread flat: the bat displayed, the crab, the lobster, the
scorpion, the lizard and the salamander, and the insects (the spider, the dragonfly, the beetle,
the ant, the fly) and the starfish, the falcon tergiant (its back to the viewer) and the
Oriental dragon in annulo (curled round into a ring), each symmetric (the scorpion's sting, the lizard's tail, the falcon's head and the dragon aside): one half is
built and mirrored about the middle. Limbs are bands joined at rounded knees, and everything is
merged into one silhouette. The grasshopper and the seal stand in profile."""

import math

from .geometry import circle, ellipse, join, map_shape, mirror, polar, poly, smooth
from .style import RED
from .svg import Charge, charge
from .figures import band


def limb(points, half):
    """A limb along the points: straight bands joined by round knees."""
    parts = [[band(p, q, half)] for p, q in zip(points, points[1:])]
    return parts + [[circle(p, half)] for p in points[1:-1]]


def both_sides(parts, axis):
    """The parts and their mirror images about x = axis."""
    return parts + [map_shape(sp, lambda p: mirror(p, axis)) for sp in parts]


def pincer(base, tip, width, gape):
    """A claw from base to tip: a broad palm ending in two fingers with a gap between them."""
    (bx, by), (tx, ty) = base, tip
    dx, dy = tx - bx, ty - by
    n = (dx * dx + dy * dy) ** 0.5
    ux, uy = dx / n, dy / n
    px, py = -uy, ux

    def at(t, s):
        return (bx + ux * n * t + px * s, by + uy * n * t + py * s)
    tip1, notch, tip2 = at(1.0, -width * 0.08), at(0.5, gape), at(0.86, width * 0.3)
    return join(smooth([at(0, -width * 0.45), at(0.35, -width * 0.62), at(0.75, -width * 0.45), tip1]),
                poly([tip1, notch, tip2]),
                smooth([tip2, at(0.6, width * 0.58), at(0.3, width * 0.55), at(0, width * 0.45)]))


def oval(p, q, w, k=16):
    """A closed oval from p to q, w wide either side of the line between them."""
    (px, py), (qx, qy) = p, q
    cx, cy, n = (px + qx) / 2.0, (py + qy) / 2.0, math.dist(p, q) / 2.0
    ux, uy = (qx - px) / (2 * n), (qy - py) / (2 * n)
    pts = [(cx + ux * n * math.cos(t) - uy * w * math.sin(t), cy + uy * n * math.cos(t) + ux * w * math.sin(t))
           for t in (2 * math.pi * i / k for i in range(k))]
    return smooth(pts, closed=True)


@charge
def falcon_tergiant():
    ch = Charge('birds', 'falcon.tg', 220, 220, 'A falcon tergiant: its back to the viewer, the wings spread and raised as one'
                ' displayed, the tail fanned below, the head turned in profile to dexter.', also='hawk.tg')
    ax = 110
    # the near side of each wing: from the shoulder up to the tip, then the long flight feathers
    # stepping back down to the flank
    wing = join(smooth([(122, 86), (150, 58), (178, 30), (206, 8)]),
                poly([(206, 8), (214, 30), (192, 44), (212, 62), (186, 70), (204, 92), (174, 94), (190, 118),
                      (160, 112), (170, 136), (134, 124), (120, 110)]))
    legs = limb([(122, 150), (136, 170), (148, 178)], 6)
    tail = poly([(100, 150), (120, 150), (142, 204), (126, 196), (118, 212), (110, 200), (102, 212), (94, 196),
                 (78, 204)])
    parts = both_sides([[wing]] + legs, ax)
    parts += [[ellipse((ax, 112), 28, 46)], [tail], [circle((104, 58), 19)], [ellipse((ax, 76), 14, 14)]]
    ch.union(parts, note='the body, the head, the wings, the legs and the tail')
    ch.fill(poly([(88, 52), (70, 58), (74, 66), (86, 66)]), colour=RED, note='the beak')
    for sgn in (1, -1):
        talon = [(ax + sgn * 38, 172), (ax + sgn * 54, 172), (ax + sgn * 56, 188), (ax + sgn * 46, 182), (ax + sgn * 40, 190),
                 (ax + sgn * 36, 180)]
        ch.fill(poly(talon), colour=RED, note='a foot and its talons')
    feathers = []
    for start, end in (((136, 84), (210, 34)), ((140, 92), (206, 64)), ((140, 100), (198, 92)), ((136, 108), (182, 116))):
        feathers += [poly([start, end]), poly([mirror(start, ax), mirror(end, ax)])]
    feathers += [smooth([(86, 96), (ax, 106), (134, 96)]), poly([(ax, 156), (ax, 196)])]
    ch.line(feathers, note='the flight feathers, the wings meeting over the back, the middle of the tail')
    ch.solid([circle((96, 54), 3)], note='the eye')
    return ch


@charge
def oriental_dragon_in_annulo():
    ch = Charge('lions', 'oriental.an', 220, 220, 'An Oriental dragon in annulo: the long scaled body curled round into a'
                ' ring, the spines outwards, the four clawed legs reaching into the ring, the horned head at the top'
                ' to dexter and the finned tail beside it.')
    c, mid = (110, 116), 74
    neck, sweep = 338.0, 318.0
    width = lambda t: 16 - 11 * t
    angle = lambda t: neck - sweep * t
    steps = [k / 60.0 for k in range(61)]
    outer = [polar(c, mid + width(t), angle(t)) for t in steps]
    inner = [polar(c, mid - width(t), angle(t)) for t in steps]
    spines = []
    for k in range(2, 16):
        t = k / 16.5
        a = angle(t)
        spines.append([poly([polar(c, mid + width(t) - 2, a + 4), polar(c, mid + width(t) + 12 - 5 * t, a - 2),
                             polar(c, mid + width(t) - 2, a - 6)])])
    legs = []
    claws = []
    for t in (0.14, 0.24, 0.56, 0.66):
        a = angle(t)
        knee, foot = polar(c, mid - 28, a + 10), polar(c, mid - 44, a - 4)
        legs += limb([polar(c, mid, a), knee, foot], 6)
        claws.append([poly([polar(c, mid - 40, a - 10), polar(c, mid - 58, a - 6), polar(c, mid - 50, a + 2),
                            polar(c, mid - 58, a + 8), polar(c, mid - 44, a + 4)])])
    fin = poly([polar(c, mid, angle(1.0) + 3), polar(c, mid + 22, angle(1.0) - 14), polar(c, mid + 6, angle(1.0) - 8),
                polar(c, mid - 18, angle(1.0) - 14)])
    ch.union(claws, colour=RED, note='the claws')
    ch.union(legs + spines + [[fin], [poly(outer + list(reversed(inner)))]], note='the body, its spines, legs and tail')
    ch.line([poly([polar(c, mid - width(k / 20.0) + 1, angle(k / 20.0)), polar(c, mid - width(k / 20.0) * 0.4, angle(k / 20.0))])
             for k in range(1, 19)], width=2, note='the scales of the belly')
    # the head at the top, to dexter: a long snout, the jaws open on the tongue, horns swept back
    ch.fill(poly([(96, 22), (112, 4), (106, 22), (120, 12), (110, 30)]), colour=RED, note='the horns')
    ch.fill(poly([(100, 58), (70, 60), (40, 52), (16, 54), (14, 44), (34, 34), (62, 22), (90, 20), (106, 32)]),
            note='the head')
    ch.fill(poly([(40, 52), (58, 60), (22, 72), (30, 62)]), note='the lower jaw')
    ch.fill(poly([(40, 54), (18, 66), (24, 60)]), colour=RED, note='the tongue')
    ch.line([smooth([(16, 50), (0, 62), (6, 80)]), smooth([(30, 36), (14, 24), (2, 28)])], note='the whiskers')
    ch.solid([circle((70, 34), 4)], note='the eye')
    return ch


@charge
def bat():
    ch = Charge('beasts', 'bat', 220, 140, 'A bat displayed: the body seen from above, the wings spread, scalloped between the fingers.',
                also='bat.1 reremou reremou.1 reremice reremice.1')
    ax = 110
    wing = smooth([(116, 50), (150, 30), (186, 20), (214, 22)])
    wing += smooth([(214, 22), (196, 58), (204, 100)])[1:]
    wing += smooth([(204, 100), (184, 88), (168, 112)])[1:]
    wing += smooth([(168, 112), (154, 92), (136, 106)])[1:]
    wing += smooth([(136, 106), (126, 90), (114, 90)])[1:]
    ears = [poly([(100, 30), (96, 8), (108, 24)])]
    parts = both_sides([[wing]] + [ears], ax)
    parts += [[ellipse((ax, 70), 15, 30)], [circle((ax, 36), 14)]]
    ch.union(parts, note='the body, the head and ears, the wings')
    fingers = [poly([(120, 54), (214, 22)]), poly([(120, 56), (204, 100)]), poly([(120, 60), (168, 112)]),
               poly([(118, 64), (136, 106)])]
    ch.line(fingers + [map_shape([f], lambda p: mirror(p, ax))[0] for f in fingers], note='the bones of the wings')
    ch.solid([circle((104, 36), 2.5), circle((116, 36), 2.5)], note='the eyes')
    return ch


@charge
def crab():
    ch = Charge('birds', 'crab', 200, 180, 'A crab: seen from above, its claws raised before it and four legs each side.',
                also='crab.tg')
    ax = 100
    half = []
    for a, b, c in (((136, 100), (170, 92), (192, 116)), ((138, 112), (172, 112), (188, 144)),
                    ((134, 124), (164, 132), (176, 164)), ((126, 132), (148, 150), (152, 176))):
        half += limb([a, b, c], 5)
    half += limb([(124, 76), (146, 56), (150, 40)], 7)
    half += [[pincer((150, 46), (150, 4), 34, 6)]]
    half += limb([(110, 66), (114, 52)], 3) + [[circle((114, 50), 6)]]
    parts = both_sides(half, ax)
    parts += [[ellipse((ax, 104), 50, 36)]]
    ch.union(parts, note='the shell, the eyes on their stalks, the claws and the legs')
    ch.line([smooth([(70, 110), (100, 120), (130, 110)]), smooth([(80, 90), (100, 96), (120, 90)])], note='the shell')
    return ch


@charge
def lobster():
    ch = Charge('birds', 'lobster', 150, 220, 'A lobster: palewise, head upwards, its claws raised and its tail fanned below.',
                also='crevice crayfish lobster.tg crevice.tg crayfish.tg')
    ax = 75
    half = []
    for a, b, c in (((92, 84), (112, 92), (122, 110)), ((92, 96), (110, 108), (116, 126)),
                    ((90, 106), (104, 122), (106, 140))):
        half += limb([a, b, c], 3.5)
    half += limb([(88, 64), (110, 52), (116, 40)], 6)
    half += [[pincer((116, 46), (124, 4), 30, 5)]]
    half += [[poly([(ax, 186), (ax + 26, 214), (ax + 10, 214)])]]
    parts = both_sides(half, ax)
    parts += [[ellipse((ax, 84), 22, 34)]]
    for k, y in enumerate(range(116, 186, 14)):
        w = 20 - 2 * k
        parts.append([poly([(ax - w, y), (ax + w, y), (ax + w - 2, y + 16), (ax - w + 2, y + 16)])])
    parts.append([poly([(ax - 8, 182), (ax + 8, 182), (ax + 6, 214), (ax - 6, 214)])])
    ch.union(parts, note='the shell, the claws, the legs and the tail in its plates')
    ch.line([poly([(ax - 20 + 2 * k, y), (ax + 20 - 2 * k, y)]) for k, y in enumerate(range(130, 186, 14))] +
            [smooth([(68, 54), (40, 30), (16, 4)]), smooth([(82, 54), (110, 30), (134, 4)])],
            note='the plates of the tail and the feelers')
    ch.solid([circle((67, 60), 2.5), circle((83, 60), 2.5)], note='the eyes')
    return ch


@charge
def scorpion():
    ch = Charge('birds', 'scorpion', 160, 220, 'A scorpion: palewise, head upwards, its claws raised and its jointed tail behind, the sting turned up.',
                also='scorpion.tg')
    ax = 80
    half = []
    for a, b, c in (((96, 72), (118, 64), (132, 78)), ((98, 84), (122, 84), (136, 102)),
                    ((98, 96), (120, 104), (128, 124)), ((96, 108), (114, 122), (116, 144))):
        half += limb([a, b, c], 4)
    half += limb([(92, 50), (118, 40), (128, 30)], 6)
    half += [[pincer((126, 34), (140, 2), 26, 4)]]
    parts = both_sides(half, ax)
    parts += [[ellipse((ax, 62), 20, 22)], [ellipse((ax, 104), 19, 30)]]
    parts += [[circle(c, r)] for c, r in (((80, 142), 11), ((80, 162), 10), ((82, 181), 9), ((90, 197), 9))]
    ch.union(parts, note='the body, the claws, the legs and the joints of the tail')
    ch.fill(smooth([(96, 206), (112, 204), (118, 190), (116, 174), (110, 190), (98, 196)], closed=True),
            colour='#ff0000', note='the sting')
    ch.line([smooth([(64, 96), (80, 102), (96, 96)]), smooth([(64, 110), (80, 116), (96, 110)])], note='the joints of the body')
    return ch


@charge
def spider():
    ch = Charge('birds', 'spider', 180, 180, 'A spider: seen from above, four jointed legs each side.', also='spider.tg')
    half = []
    for pts in (((100, 56), (126, 26), (150, 6)), ((104, 62), (144, 42), (174, 58)),
                ((104, 70), (146, 86), (172, 114)), ((100, 78), (132, 120), (152, 166))):
        half += limb(list(pts), 4)
    parts = both_sides(half, 90) + [[ellipse((90, 116), 28, 36)], [circle((90, 64), 18)]]
    ch.union(parts, note='the body and the legs')
    ch.line([smooth([(76, 106), (90, 112), (104, 106)]), smooth([(78, 124), (90, 130), (102, 124)])], note='the back')
    ch.solid([circle((84, 58), 3), circle((96, 58), 3)], note='the eyes')
    return ch


@charge
def dragonfly():
    ch = Charge('birds', 'dragonfl', 200, 180, 'A dragonfly: seen from above, its four long wings spread.',
                also='dragonfl.tg')
    half = [[oval((106, 52), (196, 34), 13)], [oval((106, 64), (188, 100), 12)]]
    parts = both_sides(half, 100) + [[circle((100, 28), 12)], [ellipse((100, 56), 11, 18)],
                                     [ellipse((100, 124), 7, 54)]]
    ch.union(parts, note='the body and the wings')
    veins = [poly([(112, 50), (188, 36)]), poly([(112, 66), (180, 96)])]
    ch.line(veins + [map_shape([v], lambda p: mirror(p, 100))[0] for v in veins] +
            [poly([(94, 100 + 14 * k), (106, 100 + 14 * k)]) for k in range(5)], note='the veins and the rings of the tail')
    return ch


@charge
def beetle():
    ch = Charge('birds', 'beetle', 160, 200, 'A beetle (a stag beetle): seen from above, the great jaws raised before it.',
                also='scarab buckbeet beetle.tg scarab.tg')
    half = []
    for pts in (((104, 78), (132, 70), (148, 50)), ((110, 112), (140, 116), (152, 140)),
                ((108, 140), (134, 160), (140, 190))):
        half += limb(list(pts), 4)
    parts = both_sides(half, 80) + [[ellipse((80, 140), 36, 50)], [ellipse((80, 86), 28, 18)],
                                    [ellipse((80, 60), 20, 14)]]
    ch.union(parts, note='the body and the legs')
    jaw = join(smooth([(72, 52), (58, 32), (56, 8)]), poly([(56, 8), (64, 20), (66, 30)]),
               smooth([(66, 30), (70, 40), (78, 50)]))
    ch.fill(jaw, colour='#ff0000', join='round', note='the dexter jaw')
    ch.fill(map_shape([jaw], lambda p: mirror(p, 80))[0], colour='#ff0000', join='round', note='the sinister jaw')
    ch.line([poly([(80, 96), (80, 188)]), smooth([(56, 86), (80, 92), (104, 86)])], note='the wing cases')
    return ch


@charge
def ant():
    ch = Charge('birds', 'ant', 160, 200, 'An ant: seen from above, head upwards, three legs each side.', also='ant.tg')
    half = []
    for pts in (((88, 72), (116, 56), (134, 36)), ((90, 82), (122, 90), (140, 112)),
                ((88, 92), (112, 120), (120, 150))):
        half += limb(list(pts), 3.5)
    half += limb([(86, 32), (100, 16), (118, 8)], 3)
    parts = both_sides(half, 80) + [[ellipse((80, 148), 28, 44)], [ellipse((80, 84), 13, 22)],
                                    [circle((80, 42), 17)]]
    ch.union(parts, note='the head, the body, the legs and the feelers')
    ch.line([smooth([(60, 136), (80, 142), (100, 136)]), smooth([(60, 156), (80, 162), (100, 156)])], note='the rings of the body')
    return ch


@charge
def fly():
    ch = Charge('birds', 'fly', 200, 170, 'A fly (a gadfly): seen from above, its wings spread back and out (also volant).',
                also='fly.4 flie flie.4 fly.tg flie.tg fly.4tg flie.4tg')
    half = [[oval((112, 68), (192, 118), 20)]]
    for pts in (((110, 64), (140, 48), (156, 28)), ((112, 72), (146, 80), (160, 100)),
                ((110, 80), (134, 112), (138, 150))):
        half += limb(list(pts), 3)
    parts = both_sides(half, 100) + [[ellipse((100, 114), 18, 40)], [ellipse((100, 68), 20, 18)],
                                     [circle((100, 38), 15)]]
    ch.union(parts, note='the wings, the body and the legs')
    ch.line([poly([(120, 74), (184, 114)]), poly([(80, 74), (16, 114)]),
             smooth([(86, 104), (100, 110), (114, 104)]), smooth([(86, 122), (100, 128), (114, 122)])],
            note='the veins of the wings and the rings of the body')
    ch.solid([circle((92, 34), 5), circle((108, 34), 5)], note='the eyes')
    return ch


def lizard_parts():
    """The lizard palewise, head upwards, seen from above: the legs bent, the tail curling."""
    half = []
    for pts in (((92, 66), (118, 56), (126, 36)), ((92, 118), (120, 130), (126, 152))):
        half += limb(list(pts), 5)
        foot = pts[-1]
        half += limb([foot, (foot[0] + 12, foot[1] - 4)], 2.5) + limb([foot, (foot[0] + 4, foot[1] - 13)], 2.5)
    parts = both_sides(half, 80)

    def tail(t):
        return (80 - 34 * math.sin(t * 1.6 * math.pi) * t, 140 + 76 * t)
    parts += discs_along(tail, lambda t: 11 - 8.5 * t)
    parts += [[ellipse((80, 94), 17, 44)], [ellipse((80, 34), 13, 22)]]
    return parts


def discs_along(curve, radius, step=2.5):
    """Discs along the curve (t from 0 to 1), merged into a band that tapers."""
    length = sum(math.dist(curve(i / 200.0), curve((i + 1) / 200.0)) for i in range(200))
    n = max(2, int(length / step))
    return [[circle(curve(i / float(n)), radius(i / float(n)))] for i in range(n + 1)]


@charge
def lizard():
    ch = Charge('beasts', 'lizard', 160, 220, 'A lizard (an eft, an evet, a newt): palewise, head upwards, seen from above, the tail curling.',
                also='eft evet newt lizard.tg eft.tg evet.tg newt.tg')
    ch.union(lizard_parts(), note='the body, the legs and the tail')
    ch.solid([circle((74, 26), 2.5), circle((86, 26), 2.5)], note='the eyes')
    return ch


@charge
def salamander():
    ch = Charge('beasts', 'salamand', 160, 220, 'A salamander: the lizard amid flames, which rise about it.')
    for base, top in (((34, 206), (6, 120)), ((46, 140), (8, 44)), ((126, 206), (154, 120)), ((114, 140), (152, 44)),
                      ((66, 214), (40, 168)), ((94, 214), (122, 170))):
        (bx, by), (tx, ty) = base, top
        dx, dy = tx - bx, ty - by

        def at(t, side):
            return (bx + dx * t + side, by + dy * t)
        ch.fill(join(smooth([at(0, -13), at(0.35, -16), at(0.7, -4), (tx, ty)]),
                     smooth([(tx, ty), at(0.6, 10), at(0.3, 15), at(0, 13)]), poly([at(0, 13), at(0, -13)])),
                colour='#ff0000', join='round')
    ch.union(lizard_parts(), note='the lizard')
    ch.solid([circle((74, 26), 2.5), circle((86, 26), 2.5)], note='the eyes')
    return ch


@charge
def grasshopper():
    ch = Charge('birds', 'grasshop', 220, 140, 'A grasshopper: in profile facing dexter, the great hind leg bent above its back.')
    ch.line([smooth([(30, 50), (40, 20), (70, 6)]), smooth([(36, 52), (54, 24), (86, 12)])], width=2.5, note='the feelers')
    parts = limb([(120, 84), (92, 112), (80, 134)], 4) + limb([(70, 84), (54, 110), (40, 132)], 4)
    parts += limb([(96, 88), (84, 116), (66, 134)], 4)
    ch.union(parts, note='the fore and middle legs')
    ch.fill(join(smooth([(22, 66), (40, 48), (80, 56), (150, 62), (206, 76), (214, 84)]),
                 smooth([(214, 84), (200, 94), (150, 96), (90, 96), (50, 90), (26, 80), (22, 66)])), join='round',
            note='the body')
    ch.fill(smooth([(70, 62), (140, 44), (200, 70), (150, 74), (90, 74)], closed=True), join='round', note='the wing')
    ch.union([[smooth([(128, 84), (150, 56), (184, 26), (202, 20), (206, 34), (176, 60), (148, 88)], closed=True)]] +
             limb([(200, 28), (184, 124), (204, 130)], 3.5), note='the hind leg, the thigh thick')
    ch.solid([circle((36, 64), 4)], note='the eye')
    return ch


@charge
def seal():
    ch = Charge('birds', 'seal', 220, 120, 'A seal: in profile facing dexter, lying, the head raised, flippers before and behind.')
    ch.fill(join(smooth([(176, 82), (196, 68), (216, 52)]), smooth([(216, 52), (208, 76), (218, 104)]),
                 smooth([(218, 104), (196, 96), (176, 92)])), join='round', note='the hind flippers')
    ch.fill(smooth([(10, 44), (22, 22), (44, 16), (62, 28), (100, 44), (150, 58), (186, 76), (186, 94), (140, 102),
                    (96, 104), (64, 98), (44, 80), (26, 62)], closed=True), join='round', note='the body')
    ch.fill(smooth([(76, 92), (96, 98), (104, 116), (86, 114)], closed=True), join='round', note='the fore flipper')
    ch.solid([circle((34, 32), 3.5), circle((13, 42), 3)], note='the eye and the nose')
    ch.line([poly([(18, 50), (36, 56)]), poly([(120, 60), (132, 90)])], note='the mouth and the flank')
    return ch


@charge
def starfish():
    ch = Charge('birds', 'starfish', 190, 190, 'A starfish: five tapering arms with rounded tips about a round body, one arm upwards.')
    c = (95, 100)
    pts = []
    for k in range(5):
        a = 72 * k
        pts += [polar(c, 80, a - 5), polar(c, 88, a), polar(c, 80, a + 5), polar(c, 34, a + 36)]
    ch.union([[smooth(pts, closed=True, tension=0.8)]], note='the body and the arms')
    ch.solid([circle(polar(c, r, 72 * k), 3) for k in range(5) for r in (24, 44, 62)], note='the spines')
    return ch
