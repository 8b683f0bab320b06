"""Objects built from bands, rings and chains of discs: the spectacles, the mason's level, the
tassel, the caduceus, the cornucopia, the rosary and the thunderbolt; instruments (the telescope,
the armillary sphere, the astrolabe, the quadrant), the flagon, the monstrance and the cardinal's
hat. A curved band (a serpent, the horn of plenty, a cord) is a run of overlapping discs along a
curve, merged into one silhouette."""

import math

from .geometry import arc, circle, ellipse, join, map_shape, mirror, polar, poly, rotate, smooth
from .svg import Charge, charge
from .figures import band


def ring(c, outer, inner):
    """An annulet as one shape (drawn even-odd)."""
    return [circle(c, outer), circle(c, inner)]


def discs(curve, radius, step=2.5):
    """Discs along the curve (a function of t in 0..1 giving a point), `radius(t)` wide, merged
    they make a band that may swell and taper."""
    length = sum(math.dist(curve(i / 200.0), curve((i + 1) / 200.0)) for i in range(200))
    n = max(2, int(length / step))
    return [[circle(curve(i / float(n)), radius(i / float(n)))] for i in range(n + 1)]


@charge
def spectacles():
    ch = Charge('objects', 'spectacl', 220, 100, 'A pair of spectacles: two round lenses joined by the bridge, the arms short.')
    ch.union([ring((56, 56), 42, 31), ring((164, 56), 42, 31),
              [smooth([(88, 40), (110, 30), (132, 40), (132, 50), (110, 42), (88, 50)], closed=True)],
              [band((16, 44), (4, 20), 5)], [band((204, 44), (216, 20), 5)]], evenodd=True,
             note='the lenses, the bridge and the arms')
    return ch


@charge
def level():
    ch = Charge('objects', 'level', 200, 180, "A mason's level: an A-frame with a bar across it and a plummet hanging from the top.")
    top, left, right = (100, 18), (12, 172), (188, 172)
    parts = [[band(top, left, 9)], [band(top, right, 9)], [band((40, 118), (160, 118), 8)], [circle(top, 14)]]
    ch.union(parts, note='the frame')
    ch.line([poly([(100, 32), (100, 132)])], width=3, note='the plumb line')
    ch.fill(smooth([(100, 128), (110, 142), (100, 160), (90, 142)], closed=True), note='the plummet')
    return ch


@charge
def tassel():
    ch = Charge('objects', 'tassel', 120, 220, 'A tassel: a cord looped at the top, a knob, and the fringe hanging below.')
    ch.fill(ring((60, 24), 18, 9), evenodd=True, note='the loop of the cord')
    ch.fill(join(poly([(30, 118)]), smooth([(30, 118), (24, 170), (14, 212)]), poly([(14, 212), (106, 212)]),
                 smooth([(106, 212), (96, 170), (90, 118)]), poly([(90, 118), (30, 118)])), note='the fringe')
    ch.line([poly([(x, 126), (x + (x - 60) * 0.35, 206)]) for x in (40, 50, 60, 70, 80)], note='the threads')
    ch.fill(smooth([(60, 40), (86, 60), (94, 96), (90, 118), (30, 118), (26, 96), (34, 60)], closed=True),
            note='the head')
    ch.fill(poly([(24, 104), (96, 104), (96, 120), (24, 120)]), colour='#0000ff', note='the band')
    return ch


@charge
def caduceus():
    ch = Charge('objects', 'caduceu', 160, 220,
                "A caduceus: a winged staff with two serpents twined about it, their heads facing at the top.")
    wing = join(smooth([(80, 40), (56, 22), (28, 10), (6, 8)]),
                smooth([(6, 8), (16, 22), (8, 30), (22, 40), (16, 50), (36, 54), (56, 52), (80, 50)]))
    ch.fill(wing, join='round', note='the dexter wing')
    ch.fill(map_shape([wing], lambda p: mirror(p, 80))[0], join='round', note='the sinister wing')
    ch.fill(poly([(74, 34), (86, 34), (86, 214), (74, 214)]), note='the staff')
    ch.fill(circle((80, 28), 10), note='the knob')

    def serpent(side):
        def at(t):
            y = 196 - 130 * t
            return (80 + side * 30 * math.sin(t * 2.5 * math.pi), y)
        return discs(at, lambda t: 5.5)
    for side in (1, -1):
        body = serpent(side)
        head = (80 - side * 20, 62)
        ch.union(body + [[ellipse(head, 11, 8)]], note='a serpent')
    ch.solid([circle((62, 60), 2.2), circle((98, 60), 2.2)], note='the eyes')
    return ch


@charge
def cornucopia():
    ch = Charge('objects', 'cornucop', 220, 170,
                'A cornucopia (a horn of plenty): a curved horn, fruit and leaves spilling from its mouth.')

    def at(t):
        a = math.pi * (1.15 - 0.95 * t)
        r = 70 - 10 * t
        return (96 + 70 * math.cos(a) * (1.2 - 0.2 * t), 118 - r * math.sin(a) * (0.8 + 0.4 * t))
    ch.union(discs(at, lambda t: 4 + 30 * t ** 1.4), note='the horn')
    ch.line([smooth([(at(t)[0] - 4, at(t)[1] - 24 * t), (at(t)[0] + 6, at(t)[1]), (at(t)[0] - 4, at(t)[1] + 24 * t)])
            for t in (0.45, 0.65, 0.85)], note='the bands of the horn')
    fruit = [((196, 62), 16), ((176, 44), 14), ((204, 94), 13), ((184, 82), 12), ((160, 54), 11)]
    for c, r in fruit:
        ch.fill(circle(c, r), note=None)
    ch.fill(smooth([(150, 44), (158, 20), (176, 10), (168, 30)], closed=True), note='a leaf')
    ch.fill(smooth([(194, 46), (206, 26), (218, 22), (210, 42)], closed=True), note='a leaf')
    return ch


@charge
def rosary():
    ch = Charge('objects', 'rosary', 180, 220, 'A rosary: a loop of beads, a short string below it ending in a cross.',
                also='rosarie')
    beads = [[circle((90 + 76 * math.sin(a), 80 - 70 * math.cos(a)), 8)]
             for a in (2 * math.pi * i / 22 for i in range(22))]
    beads += [[circle((90, 160 + 14 * k), 6)] for k in range(2)]
    ch.union(beads, note='the beads')
    ch.union([[poly([(84, 180), (96, 180), (96, 216), (84, 216)])], [poly([(72, 190), (108, 190), (108, 201), (72, 201)])]],
             note='the cross')
    return ch


@charge
def thunderbolt():
    ch = Charge('celestial', 'thunderb', 220, 160,
                'A thunderbolt: a winged column flaming at both ends, four forked darts of lightning in saltire behind it.')
    c = (110, 80)
    for sx, sy in ((1, 1), (1, -1), (-1, 1), (-1, -1)):
        pts = [(c[0] + sx * dx, c[1] + sy * dy) for dx, dy in ((10, 10), (40, 22), (44, 40), (76, 52), (80, 68))]
        tip = (c[0] + sx * 106, c[1] + sy * 76)
        dart = [[band(p, q, 3.5)] for p, q in zip(pts, pts[1:])] + [[circle(p, 3.5)] for p in pts[1:]]
        head = poly([tip, (pts[-1][0] - sx * 4, pts[-1][1] + sy * 10), (pts[-1][0] + sx * 10, pts[-1][1] - sy * 6)])
        ch.union(dart + [[head]], note=None)
    wing = join(smooth([(104, 66), (80, 42), (46, 26), (12, 24)]),
                smooth([(12, 24), (24, 38), (14, 48), (30, 58), (22, 70), (46, 76), (76, 80), (104, 84)]))
    ch.fill(wing, join='round', note='the dexter wing')
    ch.fill(map_shape([wing], lambda p: mirror(p, 110))[0], join='round', note='the sinister wing')
    for y0, y1 in ((40, 8), (120, 152)):
        ch.fill(smooth([(98, y0), (92, (y0 + y1) / 2.0), (104, y0 + (y1 - y0) * 0.7), (110, y1),
                        (116, y0 + (y1 - y0) * 0.7), (128, (y0 + y1) / 2.0), (122, y0)], closed=True),
                colour='#ff0000', join='round', note='the flames')
    ch.fill(poly([(100, 36), (120, 36), (120, 124), (100, 124)]), note='the column')
    ch.line([poly([(100, 48 + 16 * k), (120, 58 + 16 * k)]) for k in range(5)], note='the twist of the column')
    return ch


# --- Instruments, vessels and the dress of churchmen ---------------------------------------

@charge
def telescope():
    ch = Charge('objects', 'telescop', 220, 90, 'A telescope: fesswise, three drawn tubes, the widest to dexter, the eyepiece to sinister.')
    ch.union([[poly([(8, 16), (84, 20), (84, 70), (8, 74)])], [poly([(84, 26), (150, 28), (150, 62), (84, 64)])],
              [poly([(150, 33), (198, 34), (198, 56), (150, 57)])], [poly([(198, 38), (214, 38), (214, 52), (198, 52)])]],
             note='the tubes')
    ch.line([poly([(20, 17), (20, 73)]), poly([(72, 20), (72, 70)]), poly([(96, 27), (96, 63)]), poly([(162, 33), (162, 57)])],
            note='the rings')
    return ch


@charge
def flagon():
    ch = Charge('objects', 'flagon', 160, 220, 'A flagon: a tall lidded vessel, its body swelling to the foot, the handle to sinister.')
    ch.union(discs(lambda t: (100 + 44 * math.sin(math.pi * t), 70 + 90 * t), lambda t: 6), note='the handle')
    body = join(smooth([(40, 58), (36, 100), (18, 160), (24, 208)]), poly([(24, 208), (116, 208)]),
                smooth([(116, 208), (122, 160), (104, 100), (100, 58)]), poly([(100, 58), (40, 58)]))
    ch.fill(body, join='round', note='the body')
    ch.fill(smooth([(30, 60), (40, 34), (70, 24), (100, 34), (110, 60)], closed=True), note='the lid')
    ch.fill(circle((70, 18), 9), note='the knob')
    ch.line([poly([(34, 110), (106, 110)]), poly([(22, 190), (118, 190)])], note='the bands')
    return ch


@charge
def monstrance():
    ch = Charge('objects', 'monstran', 160, 220, 'A monstrance: the host in a glory of rays on a tall stand, a cross at the top.')
    c = (80, 84)
    rays = []
    for k in range(16):
        a = 360.0 * k / 16
        r = 74 if k % 2 == 0 else 58
        p, q, tip = polar(c, 30, a - 9), polar(c, 30, a + 9), polar(c, r, a)
        rays.append([poly([p, tip, q])])
    ch.union(rays + [[circle(c, 36)]], note='the rays')
    ch.fill(circle(c, 22), note='the host')
    ch.union([[poly([(74, 120), (86, 120), (88, 186), (72, 186)])], [ellipse((80, 150), 12, 9)],
              [poly([(72, 184), (88, 184), (128, 214), (32, 214)])]], note='the stand')
    return ch


@charge
def armillary():
    ch = Charge('objects', 'armillar', 180, 220, 'An armillary sphere: rings of the heavens about a rod, on a foot.')
    c = (90, 92)
    ch.fill(poly([(84, 150), (96, 150), (98, 188), (82, 188)]), note='the stem')
    ch.fill(poly([(80, 184), (100, 184), (140, 214), (40, 214)]), note='the foot')
    ch.fill(ring(c, 82, 70), evenodd=True, note='the meridian')
    ch.fill([ellipse(c, 80, 24), ellipse(c, 68, 14)], evenodd=True, note='the equator')
    ch.fill([map_shape([ellipse(c, 80, 20)], lambda p: rotate(p, -28, c))[0],
             map_shape([ellipse(c, 69, 10)], lambda p: rotate(p, -28, c))[0]], evenodd=True, note='the ecliptic')
    ch.fill(circle(c, 14), note='the earth')
    ch.fill(poly([(86, 4), (94, 4), (94, 18), (86, 18)]), note='the pole')
    return ch


@charge
def astrolabe():
    ch = Charge('objects', 'astrolab', 180, 210, 'An astrolabe: a ring hung from a shackle at the top, the sighting rule across it.')
    c = (90, 118)
    ch.fill(ring((90, 18), 14, 6), evenodd=True, note='the shackle')
    ch.fill(poly([(82, 26), (98, 26), (98, 44), (82, 44)]), note='the throne')
    ch.fill(ring(c, 84, 62), evenodd=True, note='the ring')
    ch.union([[band(polar(c, 66, -60), polar(c, 66, 120), 7)], [circle(c, 12)]], note='the rule')
    ch.line([poly([polar(c, 64, a), polar(c, 84, a)]) for a in range(0, 360, 30)], note='the scale')
    return ch


@charge
def quadrant():
    ch = Charge('objects', 'quadrant', 190, 190, 'A quadrant: a quarter of a circle, its scale on the arc, sights on one edge and a plummet hanging.')
    o = (12, 12)
    ch.fill(join(poly([o, (176, 12)]), arc(o, 164, 90, 180), poly([(12, 176), o])), note='the plate')
    ch.line([arc(o, 148, 90, 180)] + [poly([polar(o, 148, a), polar(o, 164, a)]) for a in range(95, 180, 10)], note='the scale')
    ch.fill(poly([(150, 2), (166, 2), (166, 14), (150, 14)]), note='a sight')
    ch.fill(poly([(22, 2), (38, 2), (38, 14), (22, 14)]), note='a sight')
    ch.line([poly([(16, 16), (104, 104)])], width=2.5, note='the plumb line')
    ch.fill(circle((108, 108), 9), note='the plummet')
    return ch


@charge
def galero():
    ch = Charge('objects', 'galero', 220, 200, "A cardinal's hat (a galero): the broad flat hat, its cords falling either side and ending in tassels.")
    for side in (1, -1):
        cord = discs(lambda t, s=side: (110 + s * (60 + 40 * t), 50 + 110 * t), lambda t: 3)
        ch.union(cord, colour='#ff0000', note='a cord')
        for k, (dx, dy) in enumerate(((100, 160), (80, 174), (62, 186))):
            x = 110 + side * dx
            ch.fill(smooth([(x, dy - 14), (x + 9, dy + 4), (x, dy + 12), (x - 9, dy + 4)], closed=True), colour='#ff0000',
                    note=None)
    ch.fill(ellipse((110, 60), 104, 22), note='the brim')
    ch.fill(join(poly([(70, 56)]), smooth([(70, 56), (74, 24), (110, 14), (146, 24), (150, 56)]), poly([(150, 56), (70, 56)])),
            note='the crown')
    return ch
