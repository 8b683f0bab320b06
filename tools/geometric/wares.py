"""Things made by hand: tools and weapons (fire tongs, the level staff, the dart, the ancient
cannon, the boomerang), ships (the lymphad with its oars), buildings (the castle door, the castle
wall), household things and clothes (the chest, the cradle, the shirt, the moccasin), music (organ
pipes), the naval coronet, the winged cogwheel, a chain hanging, water and a pair of stag's horns
(more_wares.py has the rest). Each is a few plain outlines, the parts that stand apart merged
into one silhouette where they touch."""

import math

from .style import BLUE, RED, WHITE
from .geometry import arc, circle, ellipse, join, polar, poly, smooth
from .svg import Charge, charge
from .figures import band
from .more_objects import discs, ring


def wave_line(x0, x1, y, amp, n):
    """A wavy line from x0 to x1 about y: n crests."""
    pts = []
    steps = n * 8
    for i in range(steps + 1):
        x = x0 + (x1 - x0) * i / steps
        pts.append((x, y - amp * math.sin(2 * math.pi * n * i / steps)))
    return pts


@charge
def water():
    ch = Charge('objects', 'water', 220, 140, 'Water: a piece of the sea, barry wavy, the crests along its top.')
    lines = [wave_line(8, 212, 20 + 38 * k, 8, 3) for k in range(4)]
    bottom = 132
    for k in range(3):
        top, below = lines[k], (lines[k + 1] if k < 2 else [(212, bottom), (8, bottom)])
        if k < 2:
            shape = poly(top + list(reversed(below)))
        else:
            shape = poly(top + below)
        ch.fill(shape, colour=WHITE if k % 2 == 0 else BLUE, note='a band of the water')
    return ch


@charge
def ancient_cannon():
    ch = Charge('objects', 'acannon', 220, 150,
                'An ancient cannon: a banded barrel with a knob at the breech, on a wooden bed with one great wheel.')
    ch.fill(poly([(20, 98), (170, 78), (176, 92), (40, 126), (20, 118)]), note='the bed')
    barrel = poly([(34, 44), (206, 52), (210, 50), (214, 52), (214, 80), (210, 82), (206, 80), (34, 92)])
    ch.fill(circle((24, 68), 13), note='the knob at the breech')
    ch.fill(barrel, note='the barrel')
    ch.line([poly([(x, 45 + (x - 34) * 0.046), (x, 91 - (x - 34) * 0.07)]) for x in (62, 120, 178)], width=3)
    ch.fill([circle((108, 106), 38), circle((108, 106), 30)], evenodd=True, note='the wheel')
    ch.line([poly([polar((108, 106), 8, a), polar((108, 106), 30, a)]) for a in range(0, 360, 45)], width=3)
    ch.fill(circle((108, 106), 9), note='the hub')
    return ch


@charge
def chain_pendent():
    ch = Charge('objects', 'chain.1', 110, 220, 'A chain pendent: links hanging in a column, the flat ones seen edgewise between.')
    for y in (62, 142):
        ch.fill(poly([(47, y - 34), (63, y - 34), (63, y + 34), (47, y + 34)]), note='a link seen edgewise')
    for y in (26, 102, 180):
        ch.fill([ellipse((55, y), 40, 24), ellipse((55, y), 25, 11)], evenodd=True, note='a link seen flat')
    return ch


def antler(side):
    """A stag's horn from the skull at its foot: the beam sweeping outwards and up, three tines
    inwards and a crown of two at the top (side 1 dexter, -1 sinister, about x = 110)."""
    f = lambda p: (110 + side * (p[0] - 110), p[1])
    beam = [f(p) for p in [(96, 170), (78, 140), (54, 100), (44, 60), (52, 14)]]
    parts = [smooth_band(beam, 17, 9)]
    for base, tip in [((70, 130), (100, 112)), ((55, 98), (88, 72)), ((47, 58), (78, 30)), ((48, 28), (22, 6))]:
        parts.append(smooth_band([f(base), f(((base[0] + tip[0]) / 2 + 2, (base[1] + tip[1]) / 2 + 4)), f(tip)], 10, 3))
    return parts


def smooth_band(points, w0, w1):
    from .plants import stalk
    return stalk(points, w0, w1)


@charge
def bucks_horns():
    ch = Charge('objects', 'buckshor', 220, 180, "A pair of buck's horns: the two antlers standing apart, each beam with its tines.")
    ch.union(antler(1), note='the dexter horn')
    ch.union(antler(-1), note='the sinister horn')
    return ch


@charge
def rams_horn():
    ch = Charge('objects', 'ramshorn', 200, 180, "A ram's horn: a thick ridged horn curling round on itself to a point.")
    c = (104, 92)
    curve = lambda t: polar(c, 82 * (1 - 0.62 * t), -110 + 470 * t)
    ch.union(discs(curve, lambda t: 17 * (1 - 0.75 * t) + 2))
    ch.line([poly([polar(c, 82 * (1 - 0.62 * t) - 14 * (1 - 0.7 * t), -110 + 470 * t),
                   polar(c, 82 * (1 - 0.62 * t) + 14 * (1 - 0.7 * t), -110 + 470 * t)])
             for t in (0.1, 0.22, 0.34, 0.46, 0.58)])
    return ch


@charge
def fire_tongs():
    ch = Charge('objects', 'firetong', 120, 220, 'A pair of fire tongs: two long legs joined by a bow at the top, their feet flat.')
    parts = [ring((60, 28), 22, 13), band((44, 42), (22, 196), 6), band((76, 42), (98, 196), 6),
             ellipse((20, 202), 12, 14), ellipse((100, 202), 12, 14)]
    ch.union(parts, evenodd=True)
    return ch


@charge
def level_staff():
    ch = Charge('objects', 'levelsta', 90, 220, "A level staff: a surveyor's tall rod marked in blocks, on a shod foot.")
    ch.fill(poly([(28, 6), (62, 6), (62, 200), (28, 200)]), note='the rod')
    for k in range(5):
        y = 14 + 38 * k
        ch.fill(poly([(28, y), (62, y), (62, y + 18), (28, y + 18)]), colour=BLUE, note='a mark')
    ch.fill(poly([(24, 200), (66, 200), (54, 214), (36, 214)]), note='the foot')
    return ch


@charge
def dart():
    ch = Charge('objects', 'dart', 100, 220, 'A dart: a short heavy shaft, a broad point downwards and three flights at the top.')
    ch.fill(poly([(44, 30), (56, 30), (56, 160), (44, 160)]), note='the shaft')
    ch.fill(poly([(50, 214), (30, 156), (70, 156)]), colour=RED, note='the point')
    ch.fill(poly([(44, 22), (16, 6), (10, 62), (44, 78)]), note='the dexter flight')
    ch.fill(poly([(56, 22), (84, 6), (90, 62), (56, 78)]), note='the sinister flight')
    ch.fill(poly([(44, 14), (56, 14), (56, 84), (44, 84)]), note='the middle flight')
    return ch


@charge
def boomerang():
    ch = Charge('objects', 'boomeran', 220, 130, 'A boomerang: a flat bent throwing stick, its two arms meeting in a rounded angle.')
    outer = smooth([(8, 118), (60, 52), (110, 12), (160, 52), (212, 118)])
    inner = smooth([(188, 124), (146, 80), (110, 50), (74, 80), (32, 124)])
    ch.fill(join(outer, [('M', (212, 118))] + [('C', (206, 128), (194, 128), (188, 124))], inner,
                 [('M', (32, 124))] + [('C', (26, 128), (14, 128), (8, 118))]))
    return ch


@charge
def lymphad_oars():
    ch = Charge('objects', 'lymphado', 220, 200,
                'A lymphad with its oars in action: a galley, its sail furled on the yard, a pennon at the mast head and the oars out.',
                also='lymphad.fu')
    for k in range(5):
        x = 56 + 26 * k
        ch.fill(band((x, 140), (x - 30, 196), 4), note='an oar')
    ch.fill(poly([(100, 24), (108, 24), (108, 134), (100, 134)]), note='the mast')
    ch.fill(poly([(108, 26), (150, 18), (108, 10)]), colour=BLUE, note='the pennon')
    ch.fill(smooth([(40, 52), (104, 44), (168, 52), (168, 62), (104, 56), (40, 62)], closed=True), note='the yard with its sail furled')
    hull = join(poly([(6, 104), (30, 124)]), smooth([(30, 124), (110, 132), (190, 124)]), poly([(190, 124), (214, 100), (214, 124)]),
                smooth([(214, 124), (190, 154), (110, 172), (26, 150)]), poly([(26, 150), (6, 104)]))
    ch.fill(hull, note='the hull')
    ch.line([smooth([(30, 138), (110, 148), (192, 138)])])
    return ch


@charge
def castle_door():
    ch = Charge('objects', 'castledo', 170, 220, 'A castle door: a round-headed door of planks in a stone arch, two iron hinges and a ring.')
    ch.fill(join(poly([(6, 214), (6, 86)]), arc((85, 86), 79, -90, 90), poly([(164, 86), (164, 214)])), note='the arch')
    door = join(poly([(26, 214), (26, 90)]), arc((85, 90), 59, -90, 90), poly([(144, 90), (144, 214)]))
    ch.fill(door, note='the door')
    ch.line([poly([(x, 214), (x, 90 - 59 * math.sqrt(max(0.0, 1 - ((x - 85) / 59.0) ** 2)) + 4)]) for x in (56, 85, 114)])
    for y in (112, 180):
        ch.fill(poly([(26, y - 6), (124, y - 6), (134, y), (124, y + 6), (26, y + 6)]), colour=BLUE, note='a hinge')
    ch.fill(ring((124, 146), 11, 6), colour=BLUE, evenodd=True, note='the ring')
    ch.line([poly([(6, 150), (26, 150)]), poly([(144, 150), (164, 150)]), poly([(12, 56), (30, 68)]),
             poly([(158, 56), (140, 68)]), poly([(85, 8), (85, 30)])], width=2)
    return ch


@charge
def castle_wall():
    ch = Charge('objects', 'castlewa', 220, 150,
                'A castle wall: an embattled curtain wall between two round-topped towers, a gate in the middle.')
    merlons = []
    for k in range(5):
        x = 52 + 24 * k
        merlons += [(x, 40), (x, 26), (x + 14, 26), (x + 14, 40)]
    wall = poly([(44, 144), (44, 40)] + merlons[:-1] + [(176, 40), (176, 144)])
    ch.fill(wall, note='the wall')
    for x0 in (6, 168):
        tower = poly([(x0, 144), (x0, 30), (x0, 14), (x0 + 12, 14), (x0 + 12, 24), (x0 + 22, 24), (x0 + 22, 14),
                      (x0 + 34, 14), (x0 + 34, 30), (x0 + 34, 144)]) if x0 == 6 else \
            poly([(x0 + 46, 144), (x0 + 46, 14), (x0 + 34, 14), (x0 + 34, 24), (x0 + 24, 24), (x0 + 24, 14),
                  (x0 + 12, 14), (x0 + 12, 144)])
        ch.fill(tower, note='a tower')
    ch.fill(join(poly([(92, 144), (92, 100)]), arc((110, 100), 18, -90, 90), poly([(128, 100), (128, 144)])),
            colour='#000000', note='the gate')
    ch.line([poly([(44, 70), (92, 70)]), poly([(128, 70), (176, 70)]), poly([(44, 104), (92, 104)]),
             poly([(128, 104), (176, 104)]), poly([(68, 40), (68, 70)]), poly([(152, 40), (152, 70)]),
             poly([(80, 70), (80, 104)]), poly([(140, 70), (140, 104)]), poly([(62, 104), (62, 144)]),
             poly([(158, 104), (158, 144)])], width=2)
    return ch


@charge
def naval_coronet():
    ch = Charge('objects', 'ncoronet', 220, 150,
                'A naval coronet: a circlet bearing the sterns of ships and square sails set on their masts, in turn.')
    for k, x in enumerate((30, 70, 110, 150, 190)):
        if k % 2 == 0:
            ch.fill(poly([(x - 2, 96), (x - 2, 14), (x + 2, 14), (x + 2, 96)]), note='a mast')
            ch.fill(join(poly([(x - 20, 30), (x + 20, 30)]), smooth([(x + 20, 30), (x + 24, 56), (x + 18, 80)]),
                         poly([(x + 18, 80), (x - 18, 80)]), smooth([(x - 18, 80), (x - 24, 56), (x - 20, 30)])),
                    note='a sail')
        else:
            ch.fill(poly([(x - 16, 96), (x - 22, 50), (x - 12, 40), (x + 12, 40), (x + 22, 50), (x + 16, 96)]),
                    note='a stern')
            ch.line([poly([(x - 8, 58), (x + 8, 58)]), poly([(x - 10, 74), (x + 10, 74)])], width=3)
    ch.fill(join(smooth([(6, 92), (110, 104), (214, 92)]), poly([(214, 92), (214, 130)]),
                 smooth([(214, 130), (110, 144), (6, 130)]), poly([(6, 130), (6, 92)])), note='the circlet')
    ch.line([smooth([(6, 111), (110, 124), (214, 111)])])
    return ch


def cog_wheel(c, r_out, r_in, hole, teeth):
    pts = []
    for k in range(teeth):
        a = 360.0 * k / teeth
        w = 360.0 / teeth / 4
        pts += [polar(c, r_in, a - 2 * w + 1), polar(c, r_out, a - w), polar(c, r_out, a + w), polar(c, r_in, a + 2 * w - 1)]
    return [poly(pts), circle(c, hole)]


@charge
def winged_cogwheel():
    ch = Charge('objects', 'wcogwhee', 220, 150, 'A winged cogwheel: a cogwheel between two wings displayed.')
    for side in (1, -1):
        f = lambda p, side=side: (110 + side * (p[0] - 110), p[1])
        wing = [f(p) for p in [(80, 70), (60, 34), (30, 14), (6, 8), (14, 30), (8, 40), (22, 56), (14, 66), (32, 80),
                               (26, 92), (48, 100), (46, 112), (80, 112)]]
        ch.fill(smooth(wing, closed=True), note='a wing')
        ch.line([smooth([f((72, 80)), f((40, 56)), f((16, 34))]), smooth([f((74, 96)), f((44, 80)), f((24, 64))])])
    ch.fill(cog_wheel((110, 80), 58, 46, 18, 12), evenodd=True, note='the cogwheel')
    ch.line([circle((110, 80), 32)], width=2)
    return ch


@charge
def moccasin():
    ch = Charge('objects', 'moccasin', 220, 120, 'A moccasin: a soft shoe in profile, the toe to dexter, the seam over the instep and a cuff at the top.')
    ch.fill(smooth([(204, 110), (12, 110), (6, 88), (26, 64), (90, 48), (130, 38), (170, 20), (206, 30), (214, 70)], closed=True))
    ch.fill(poly([(134, 40), (172, 14), (212, 24), (206, 50)]), colour=BLUE, note='the cuff')
    ch.line([smooth([(26, 66), (50, 80), (92, 82), (112, 52)])], width=2.5)
    ch.line([poly([(36 + 14 * k, 74 + (k % 2) * 3), (38 + 14 * k, 86)]) for k in range(5)], width=2)
    return ch


@charge
def shirt():
    ch = Charge('objects', 'shirt', 200, 200, 'A shirt: a body with two sleeves, a collar open at the neck and a row of buttons.')
    ch.fill(poly([(70, 10), (130, 10), (194, 48), (176, 94), (150, 80), (150, 194), (50, 194), (50, 80), (24, 94), (6, 48)]))
    ch.fill(poly([(70, 10), (100, 46), (130, 10), (118, 10), (100, 30), (82, 10)]), colour=BLUE, note='the collar')
    ch.line([poly([(100, 46), (100, 194)]), poly([(50, 80), (50, 56)]), poly([(150, 80), (150, 56)])], width=2)
    for y in (70, 110, 150):
        ch.solid(circle((108, y), 4))
    return ch


@charge
def chest():
    ch = Charge('objects', 'chest', 220, 160, 'A chest (coffer): a box with a rounded lid, iron bands and a lock plate.')
    ch.fill(join(poly([(10, 64)]), smooth([(10, 64), (20, 20), (110, 8), (200, 20), (210, 64)]), poly([(210, 64), (10, 64)])),
            note='the lid')
    ch.fill(poly([(10, 64), (210, 64), (210, 152), (10, 152)]), note='the box')
    for x in (40, 180):
        ch.fill(poly([(x - 8, 64), (x + 8, 64), (x + 8, 152), (x - 8, 152)]), colour=BLUE, note='a band')
    ch.fill(poly([(98, 56), (122, 56), (122, 92), (98, 92)]), colour=BLUE, note='the lock plate')
    ch.solid(circle((110, 70), 4))
    ch.solid(poly([(108, 72), (112, 72), (113, 84), (107, 84)]))
    return ch


@charge
def cradle():
    ch = Charge('objects', 'cradle', 220, 160, 'A cradle: a wooden cot with a hood at the head, on two rockers.')
    ch.fill(smooth([(6, 128), (110, 156), (214, 128), (214, 138), (110, 160), (6, 138)], closed=True), note='the rockers')
    ch.fill(poly([(30, 132), (30, 60), (190, 60), (190, 132)]), note='the cot')
    ch.fill(join(poly([(150, 132), (150, 30)]), smooth([(150, 30), (176, 8), (206, 30)]), poly([(206, 30), (206, 132)])),
            note='the hood')
    ch.line([poly([(x, 72), (x, 122)]) for x in (50, 70, 90, 110, 130)], width=2.5)
    ch.line([poly([(30, 72), (150, 72)]), poly([(30, 122), (150, 122)])], width=2.5)
    return ch


@charge
def organ_pipes():
    ch = Charge('objects', 'organpip', 200, 200, 'Organ pipes: five pipes side by side, the tallest in the middle, each with its mouth.')
    heights = [110, 150, 190, 150, 110]
    for k, hgt in enumerate(heights):
        x = 24 + 38 * k
        top = 196 - hgt
        ch.fill(join(poly([(x - 14, 160), (x - 14, top)]), arc((x, top), 14, -90, 90, rx=14), poly([(x + 14, top), (x + 14, 160)])),
                note='a pipe')
        ch.fill(poly([(x - 14, 160), (x + 14, 160), (x + 3, 196), (x - 3, 196)]), note='its foot')
        ch.fill(poly([(x - 8, 150), (x + 8, 150), (x + 8, 144), (x - 8, 136)]), colour='#000000')
    return ch
