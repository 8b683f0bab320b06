"""More things made by hand, drawn as wares.py draws them: a rock, the hawking glove, the morning
star, the auger, the galleon, the tomahawk, the tambourine, the anchor cabled, the ship with
its sails furled, a sail, the papal tiara, the fleam, the torse, the inkhorn, the mortar and
pestle, the boughpot, the dagger's head."""

import math

from .style import BLUE, RED
from .geometry import arc, circle, ellipse, join, mirrored, polar, poly, smooth
from .svg import Charge, charge
from .figures import band
from .more_objects import discs, ring


@charge
def rock():
    ch = Charge('objects', 'rock', 220, 160, 'A rock (crag): a rough mass of stone with broken faces, rising to a peak.')
    ch.fill(poly([(6, 154), (14, 110), (36, 96), (50, 62), (78, 52), (96, 20), (118, 8), (140, 34), (166, 44), (180, 80),
                  (204, 98), (214, 154)]))
    ch.line([poly([(96, 20), (102, 70), (78, 52)]), poly([(102, 70), (128, 100), (166, 44)]), poly([(128, 100), (120, 154)]),
             poly([(36, 96), (62, 120), (102, 70)]), poly([(62, 120), (56, 154)]), poly([(128, 100), (180, 80)])], width=2.5)
    return ch


@charge
def hawking_glove():
    ch = Charge('objects', 'glove', 170, 220, "A hawking glove: a falconer's glove, fingers upwards, its wide cuff below with a tassel.")
    fingers = [(40, 74, 9), (64, 40, 10), (90, 30, 10), (114, 42, 10)]
    parts = [poly([(30, 150), (28, 80), (128, 80), (132, 150)])]
    for x, top, r in fingers:
        parts.append(poly([(x - r, 100), (x - r, top + r), (x + r, top + r), (x + r, 100)]))
        parts.append(circle((x, top + r), r))
    parts.append(band((124, 118), (156, 70), 11))
    parts.append(circle((156, 70), 11))
    ch.union([[p] if p[0][0] == 'M' else p for p in parts], note='the hand of the glove')
    ch.fill(poly([(30, 144), (132, 144), (150, 206), (12, 206)]), note='the cuff')
    ch.line([poly([(22, 176), (141, 176)])], width=2.5)
    ch.fill(poly([(140, 178), (148, 178), (152, 214), (136, 214)]), colour=BLUE, note='the tassel')
    return ch


@charge
def morning_star():
    ch = Charge('objects', 'morning', 120, 220, 'A morning star: a spiked ball on a short iron-bound staff, the head upwards.')
    ch.fill(poly([(53, 90), (67, 90), (67, 212), (53, 212)]), note='the staff')
    ch.fill(poly([(50, 180), (70, 180), (70, 194), (50, 194)]), colour=BLUE, note='the grip band')
    spikes = []
    for k in range(12):
        a = 30 * k
        spikes += [polar((60, 56), 36, a - 11), polar((60, 56), 56, a), polar((60, 56), 36, a + 11)]
    ch.fill(poly(spikes), note='the spikes')
    ch.fill(circle((60, 56), 38), note='the ball')
    return ch


@charge
def auger():
    ch = Charge('objects', 'auger', 160, 220, "An auger: a carpenter's boring tool, a cross handle on a shank ending in a twisted bit.")
    ch.fill(smooth([(8, 22), (80, 10), (152, 22), (152, 38), (80, 32), (8, 38)], closed=True), note='the handle')
    ch.fill(poly([(73, 34), (87, 34), (87, 140), (73, 140)]), note='the shank')
    bit = [(73, 140), (87, 140)]
    for k in range(5):
        y = 150 + 12 * k
        bit += [(90, y - 4), (84, y + 4)]
    bit += [(80, 214)]
    for k in range(4, -1, -1):
        y = 150 + 12 * k
        bit += [(70, y + 2), (76, y - 6)]
    ch.fill(poly(bit), note='the twisted bit')
    return ch


@charge
def galleon():
    ch = Charge('objects', 'galleon', 220, 200, 'A galleon: a tall ship of three masts under full sail, high castles fore and aft, a pennon at each mast head.')
    for x, top in ((60, 30), (112, 12), (162, 40)):
        ch.fill(poly([(x - 3, top), (x + 3, top), (x + 3, 150), (x - 3, 150)]), note='a mast')
        ch.fill(poly([(x + 3, top + 2), (x + 24, top - 4), (x + 3, top - 10)]), colour=BLUE, note='a pennon')
        for y0, y1, w in ((top + 12, top + 52, 22), (top + 58, top + 108, 26)):
            ch.fill(join(poly([(x - w, y0), (x + w, y0)]), smooth([(x + w, y0), (x + w + 6, (y0 + y1) / 2), (x + w - 2, y1)]),
                         poly([(x + w - 2, y1), (x - w + 2, y1)]), smooth([(x - w + 2, y1), (x - w + 6, (y0 + y1) / 2), (x - w, y0)])),
                    note='a sail')
    hull = poly([(8, 120), (40, 120), (44, 138), (170, 138), (176, 112), (212, 112), (204, 150), (190, 182), (40, 186), (20, 160)])
    ch.fill(hull, note='the hull')
    ch.line([poly([(20, 160), (200, 160)])], width=2.5)
    for x in (60, 90, 120, 150):
        ch.solid(poly([(x, 166), (x + 10, 166), (x + 10, 174), (x, 174)]))
    return ch


@charge
def tomahawk():
    ch = Charge('objects', 'tomahawk', 160, 220, 'A tomahawk: a light axe on a long haft, its blade to dexter and a spike behind.')
    ch.fill(poly([(74, 20), (88, 20), (92, 214), (78, 214)]), note='the haft')
    ch.fill(join(poly([(74, 34), (40, 30)]), smooth([(40, 30), (12, 14), (8, 56), (14, 96)]), poly([(14, 96), (40, 74), (74, 66)])),
            colour=RED, note='the blade')
    ch.fill(poly([(88, 38), (152, 50), (88, 62)]), colour=RED, note='the spike')
    for y in (120, 150):
        ch.fill(poly([(76, y), (90, y), (90, y + 10), (76, y + 10)]), colour=BLUE, note='a binding')
    return ch


@charge
def tambourine():
    ch = Charge('objects', 'tambouri', 180, 180, 'A tambourine: a shallow round frame covered with skin, pairs of little cymbals set round its rim.')
    ch.fill([circle((90, 90), 84), circle((90, 90), 66)], evenodd=True, note='the frame')
    ch.fill(circle((90, 90), 66), note='the skin')
    for k in range(6):
        ch.fill(circle(polar((90, 90), 75, 60 * k + 30), 12), colour=BLUE, note='a pair of cymbals')
        ch.solid(circle(polar((90, 90), 75, 60 * k + 30), 3))
    return ch


@charge
def anchor_cabled():
    ch = Charge('objects', 'anchorc', 180, 220,
                'An anchor cabled: the anchor with its cable made fast to the ring and wound about the shank, the end hanging.')
    body = [ring((90, 22), 14, 9), poly([(26, 44), (154, 44), (154, 58), (26, 58)]), poly([(83, 34), (97, 34), (97, 196), (83, 196)]),
            join(arc((90, 118), 78, 90, 270, rx=70), poly([(20, 118), (34, 118)]), arc((90, 118), 64, 270, 90, rx=56),
                 poly([(146, 118), (160, 118)])),
            poly([(6, 134), (24, 88), (44, 128)]), poly([(174, 134), (156, 88), (136, 128)])]
    ch.union(body, evenodd=True, note='the anchor')
    cable = lambda t: (90 + 24 * math.sin(math.pi * 4.5 * t) * (1 - 0.3 * t), 28 + 170 * t)
    ch.union(discs(cable, lambda t: 5.5, step=2.0), colour=BLUE, note='the cable')
    return ch


@charge
def ship_furled():
    ch = Charge('objects', 'ship.fu', 220, 200,
                'A ship with its sail furled: a round-hulled ship, castles at stem and stern, the sail bound up on the yard, a pennon at the mast head.')
    ch.fill(poly([(106, 18), (114, 18), (114, 130), (106, 130)]), note='the mast')
    ch.fill(poly([(114, 20), (160, 12), (114, 4)]), colour=BLUE, note='the pennon')
    ch.fill(smooth([(36, 50), (110, 40), (184, 50), (184, 62), (110, 56), (36, 62)], closed=True), note='the sail furled on the yard')
    ch.line([poly([(x, 46 - abs(x - 110) * 0.05), (x, 58 - abs(x - 110) * 0.02)]) for x in (60, 85, 135, 160)], width=2)
    ch.line([poly([(40, 60), (20, 126)]), poly([(180, 60), (200, 126)])], width=2.5)
    ch.fill(poly([(8, 100), (52, 100), (52, 112), (44, 112), (44, 106), (36, 106), (36, 112), (28, 112), (28, 106), (20, 106),
                  (20, 112), (8, 112)]), note='the castle at the stern')
    ch.fill(poly([(168, 100), (212, 100), (212, 112), (204, 112), (204, 106), (196, 106), (196, 112), (188, 112), (188, 106),
                  (180, 106), (180, 112), (168, 112)]), note='the castle at the stem')
    ch.fill(join(poly([(6, 110), (214, 110)]), smooth([(214, 110), (196, 160), (110, 184), (24, 160), (6, 110)])), note='the hull')
    ch.line([smooth([(14, 132), (110, 146), (206, 132)])])
    return ch


@charge
def sail():
    ch = Charge('objects', 'sail', 180, 210, 'A sail: a square sail bellied by the wind, hung from its yard on a piece of the mast.')
    ch.fill(poly([(84, 6), (96, 6), (96, 204), (84, 204)]), note='the mast')
    ch.fill(join(poly([(20, 40), (160, 40)]), smooth([(160, 40), (174, 100), (160, 170)]), smooth([(160, 170), (90, 158), (20, 170)]),
                 smooth([(20, 170), (6, 100), (20, 40)])), note='the sail')
    ch.line([smooth([(60, 44), (54, 100), (62, 162)]), smooth([(120, 44), (126, 100), (118, 162)])], width=2)
    ch.fill(smooth([(10, 36), (90, 28), (170, 36), (170, 46), (90, 40), (10, 46)], closed=True), note='the yard')
    return ch


@charge
def tiara():
    ch = Charge('objects', 'tiara', 160, 220, "A papal tiara: a tall rounded cap girt with three crowns, an orb and a small cross on the top.")
    ch.fill(join(poly([(26, 196), (26, 120)]), smooth([(26, 120), (36, 60), (80, 30), (124, 60), (134, 120)]), poly([(134, 120), (134, 196)])),
            note='the cap')
    for y in (78, 124, 170):
        half = 50 if y == 78 else 56
        pts = [(80 - half, y + 14), (80 - half, y)]
        for k in range(5):
            x = 80 - half + (2 * half) * (k + 0.5) / 5
            pts += [(x - 6, y), (x, y - 10), (x + 6, y)]
        pts += [(80 + half, y), (80 + half, y + 14)]
        ch.fill(poly(pts), colour=BLUE, note='a crown')
    ch.fill(circle((80, 26), 7), note='the orb')
    ch.fill(poly([(77, 4), (83, 4), (83, 10), (89, 10), (89, 15), (83, 15), (83, 20), (77, 20), (77, 15), (71, 15), (71, 10), (77, 10)]),
            note='the cross')
    return ch


@charge
def fleam():
    ch = Charge('objects', 'fleam', 200, 150, "A fleam: a farrier's lancet, a rounded blade with a short point bent down at its end, on a straight handle.")
    ch.fill(join(poly([(8, 58), (120, 58)]), smooth([(120, 58), (164, 40), (190, 64), (180, 100), (156, 108)]),
                 poly([(156, 108), (150, 142), (138, 106)]), smooth([(138, 106), (128, 90), (120, 80)]), poly([(120, 80), (8, 80)])),
            note='the fleam')
    ch.line([poly([(120, 58), (120, 80)])], width=3)
    return ch


@charge
def torse():
    ch = Charge('objects', 'torse', 220, 90, 'A torse (wreath): a bar of two twisted cords of silk, the twists shown in turn.')
    ch.fill(smooth([(8, 40), (60, 26), (110, 22), (160, 26), (212, 40), (212, 62), (160, 50), (110, 48), (60, 50), (8, 62)], closed=True))
    for k in range(6):
        x = 18 + 34 * k
        if k % 2 == 1:
            ch.fill(poly([(x, 26 + abs(x - 110) * 0.1), (x + 34, 24 + abs(x + 34 - 110) * 0.1), (x + 22, 50 + abs(x - 110) * 0.08),
                          (x - 12, 52 + abs(x - 110) * 0.08)]), colour=BLUE, note='a twist of the second cord')
    ch.line([poly([(18 + 34 * k, 24 + abs(18 + 34 * k - 110) * 0.1), (6 + 34 * k, 52 + abs(18 + 34 * k - 110) * 0.08)])
             for k in range(7)], width=2)
    return ch


@charge
def inkhorn():
    ch = Charge('objects', 'inkhorn', 170, 220, 'A penner and inkhorn: the ink pot and the pen case joined by their cord.')
    ch.line([smooth([(50, 80), (84, 40), (120, 60)])], width=5)
    ch.fill(join(poly([(20, 214), (20, 120)]), smooth([(20, 120), (26, 92), (60, 84), (94, 92), (100, 120)]), poly([(100, 120), (100, 214)])),
            note='the inkhorn')
    ch.fill(poly([(34, 96), (86, 96), (86, 110), (34, 110)]), colour=BLUE, note='its lid')
    ch.fill(join(poly([(108, 60), (132, 60), (150, 200)]), smooth([(150, 200), (140, 212), (126, 204)])), note='the penner')
    ch.fill(poly([(106, 54), (134, 54), (134, 68), (106, 68)]), colour=BLUE, note='its cap')
    return ch


@charge
def mortar_and_pestle():
    ch = Charge('objects', 'mortar', 180, 200, 'A mortar and pestle: a deep bowl on a foot, the pestle standing in it.')
    ch.fill(join(poly([(60, 120)]), smooth([(60, 120), (100, 40), (150, 6)]), smooth([(150, 6), (170, 14), (160, 30)]),
                 smooth([(160, 30), (112, 72), (84, 120)]), poly([(84, 120), (60, 120)])), note='the pestle')
    ch.fill(join(poly([(10, 90), (170, 90)]), smooth([(170, 90), (160, 150), (120, 170)]), poly([(120, 170), (130, 194), (50, 194), (60, 170)]),
                 smooth([(60, 170), (20, 150), (10, 90)])), note='the mortar')
    ch.fill(poly([(6, 84), (174, 84), (174, 98), (6, 98)]), note='its rim')
    return ch


@charge
def habick():
    ch = Charge('objects', 'habick', 200, 160, "A habick, the clothworker's tool: a bar set with a row of hooked"
                " teeth, a knobbed handle rising from its middle.")
    ch.fill(poly([(88, 30), (112, 30), (112, 74), (88, 74)]), note='the handle')
    ch.fill(circle((100, 22), 18), note='the knob of the handle')
    teeth = []
    for x in (25, 55, 85, 115, 145, 175):
        # each tooth hangs from the bar and hooks back towards dexter at its point
        teeth.append([poly([(x - 6, 90), (x + 6, 90), (x + 6, 134), (x - 1, 150), (x - 17, 147), (x - 10, 139),
                            (x - 6, 134)])])
    ch.union(teeth + [[poly([(8, 70), (192, 70), (192, 96), (8, 96)])]], note='the bar and its teeth')
    return ch


@charge
def boughpot():
    ch = Charge('objects', 'boughpot', 180, 220, 'A boughpot: a two-handled pot of flowers, three flowers on their stalks rising'
                ' from its mouth, the middle one upright and the others bending outwards.')
    axis = 90
    stalks = [[(90, 104), (90, 60), (90, 34)], [(80, 104), (58, 70), (36, 46)], [(100, 104), (122, 70), (144, 46)]]
    ch.union([[stalk_band] for stalk_band in (band(s[0], s[1], 4) for s in stalks)]
             + [[band(s[1], s[2], 3.5)] for s in stalks], note='the stalks')
    for s in stalks:
        centre = s[2]
        ch.union([[circle(polar(centre, 14, 90 + 72 * k), 12)] for k in range(5)], note='a flower')
        ch.fill(circle(centre, 7), colour=BLUE, note='its seeds')
    for sgn in (1, -1):
        ch.fill([ellipse((axis + sgn * 58, 142), 17, 21), ellipse((axis + sgn * 58, 142), 8, 12)], evenodd=True,
                note='a handle, the field seen through it')
    half = join(poly([(axis, 104), (140, 104), (140, 114), (124, 118)]),
                smooth([(124, 118), (148, 146), (142, 182), (116, 200)]),
                poly([(116, 200), (124, 214), (axis, 214)]))
    ch.fill(mirrored(half, axis), note='the pot')
    ch.line([poly([(56, 118), (124, 118)]), poly([(64, 200), (116, 200)])], width=2)
    return ch


@charge
def dagger_head():
    ch = Charge('objects', 'dagger.hd', 120, 220, "A dagger's head: the blade of a dagger without its hilt, point upwards, its edges"
                " straight, cut off square at the foot where the tang's stub shows, a ridge down its middle.")
    axis = 60
    half = join(smooth([(axis, 6), (80, 40), (88, 76)]), poly([(88, 76), (90, 196), (axis, 196)]))
    ch.fill(mirrored(half, axis), note='the blade')
    ch.fill(poly([(48, 194), (72, 194), (70, 214), (50, 214)]), note='the stub of the tang')
    ch.line([poly([(axis, 30), (axis, 186)])], width=2)
    return ch
