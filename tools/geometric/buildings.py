"""Buildings and works of stone, and vessels of the water, drawn from straight walls, roofs,
arches and hulls: each stands on its base line across the bottom of its box."""

import math

from .style import BLUE, RED
from .geometry import arc, circle, join, mirrored, poly, smooth
from .svg import Charge, charge


def rect(x0, y0, x1, y1):
    return poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def arched_door(x0, x1, top, bottom):
    """A door with a round head, as an outline from the bottom left corner."""
    r = (x1 - x0) / 2.0
    c = ((x0 + x1) / 2.0, top + r)
    return join(poly([(x0, bottom), (x0, top + r)]), arc(c, r, -90, 90), poly([(x1, top + r), (x1, bottom)]))


@charge
def house():
    ch = Charge('objects', 'house', 200, 180, 'A house: a gabled front with a door and two windows, a chimney on the roof.')
    ch.fill(rect(140, 14, 160, 60), note='the chimney')
    ch.fill(poly([(100, 5), (195, 80), (5, 80)]), colour=RED, note='the roof (second part)')
    ch.fill(rect(20, 78, 180, 175), note='the walls')
    ch.solid([arched_door(84, 116, 110, 175)], note='the door')
    ch.solid([rect(36, 100, 66, 130), rect(134, 100, 164, 130)], note='the windows')
    return ch


@charge
def church():
    ch = Charge('objects', 'church', 210, 200, 'A church: a nave with a pitched roof, a tower and spire at the west end topped by a cross.',
                also='churche chapel')
    ch.fill(rect(48, 20, 54, 46), note='the cross')
    ch.fill(rect(40, 27, 62, 33))
    ch.fill(poly([(51, 42), (74, 104), (28, 104)]), colour=RED, note='the spire (second part)')
    ch.fill(rect(28, 100, 74, 195), note='the tower')
    ch.fill(poly([(72, 100), (196, 100), (205, 130), (72, 130)]), colour=RED, note='the roof')
    ch.fill(rect(72, 128, 200, 195), note='the nave')
    ch.solid([arched_door(40, 62, 154, 195)] + [arched_door(x, x + 16, 144, 176) for x in (94, 128, 162)],
             note='door and windows')
    return ch


@charge
def windmill():
    ch = Charge('objects', 'windmill', 200, 220, 'A windmill: a tapering tower with a cap, four sails set saltirewise.')
    ch.fill(poly([(74, 100), (126, 100), (142, 215), (58, 215)]), note='the tower')
    ch.solid([arched_door(90, 110, 180, 215)])
    sails = []
    for (x, y) in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        tip = (100 + 92 * x, 90 + 84 * y)
        sails.append(poly([(100 + 8 * x + 6 * y, 90 + 8 * y - 6 * x), (tip[0] + 14 * y, tip[1] - 14 * x),
                           (tip[0] - 4 * y, tip[1] + 4 * x), (100 - 6 * y, 90 + 6 * x)]))
    for s in sails:
        ch.fill(s, colour=RED, note=None)
    ch.fill(join(poly([(70, 100)]), smooth([(70, 100), (100, 66), (130, 100)])), note='the cap')
    ch.fill(circle((100, 90), 10), note='the hub')
    return ch


@charge
def temple():
    ch = Charge('objects', 'temple', 210, 180, 'A temple: a pediment on four columns, on steps.')
    ch.fill(poly([(105, 5), (205, 52), (5, 52)]), note='the pediment')
    ch.fill(rect(10, 50, 200, 66), note='the architrave')
    for x in (22, 70, 118, 166):
        ch.fill(rect(x, 66, x + 22, 150), note=None)
    ch.fill(rect(10, 150, 200, 162), note='the steps')
    ch.fill(rect(5, 162, 205, 175))
    return ch


@charge
def pyramid():
    ch = Charge('objects', 'pyramid', 210, 160, 'A pyramid: a triangle of stone, its courses shown.')
    ch.fill(poly([(105, 5), (205, 155), (5, 155)]))
    ch.line([poly([(105 - 100 * t, 5 + 150 * t), (105 + 100 * t, 5 + 150 * t)]) for t in (0.25, 0.5, 0.75)])
    return ch


@charge
def obelisk():
    ch = Charge('objects', 'obelisk', 90, 220, 'An obelisk: a tall tapering shaft ending in a point, on a plinth.')
    ch.fill(poly([(45, 5), (60, 26), (64, 196), (26, 196), (30, 26)]), note='the shaft')
    ch.fill(rect(10, 194, 80, 215), note='the plinth')
    return ch


@charge
def watchtower():
    ch = Charge('objects', 'watchtow', 140, 220, 'A watchtower: a tall round tower with a wider lookout room at the top.')
    ch.fill(poly([(36, 70), (104, 70), (112, 215), (28, 215)]), note='the tower')
    ch.fill(rect(14, 24, 126, 74), note='the lookout')
    ch.fill(poly([(8, 28), (70, 5), (132, 28)]), colour=RED, note='the roof (second part)')
    ch.solid([rect(28, 40, 52, 62), rect(58, 40, 82, 62), rect(88, 40, 112, 62), arched_door(58, 82, 176, 215)])
    return ch


@charge
def beacon():
    ch = Charge('objects', 'beacon', 140, 220, 'A beacon: a fire basket on a tall pole, a ladder against it.')
    flames = join(smooth([(70, 64), (30, 54), (26, 24), (44, 8)]), smooth([(44, 8), (50, 30), (58, 34)]),
                  smooth([(58, 34), (60, 12), (70, 5)]), smooth([(70, 5), (80, 12), (82, 34)]),
                  smooth([(82, 34), (90, 30), (96, 8)]), smooth([(96, 8), (114, 24), (110, 54), (70, 64)]))
    ch.fill(flames, colour=RED, note='the fire (second part)')
    ch.fill(poly([(34, 50), (106, 50), (94, 84), (46, 84)]), note='the basket')
    ch.fill(rect(64, 84, 76, 215), note='the pole')
    ladder = [poly([(96, 100), (102, 100), (130, 215), (124, 215)]), poly([(112, 100), (118, 100), (140, 200)])]
    ch.fill(ladder[0])
    ch.line([poly([(100 + 4 * k, 116 + 20 * k), (114 + 4 * k, 116 + 20 * k)]) for k in range(5)], width=3)
    return ch


@charge
def millstone():
    ch = Charge('objects', 'millston', 180, 180, 'A millstone: a round stone pierced in the middle, its furrows shown.')
    ch.fill([circle((90, 90), 86), circle((90, 90), 16)], evenodd=True)
    ch.line([poly([(90 + 24 * dx, 90 + 24 * dy), (90 + 78 * dx, 90 + 78 * dy)])
             for dx, dy in ((0.707, 0.707), (-0.707, 0.707), (0.707, -0.707), (-0.707, -0.707), (1, 0), (-1, 0), (0, 1), (0, -1))])
    ch.fill(rect(84, 60, 96, 120), colour=BLUE, note='the rynd (detail)')
    return ch


# --- Vessels of the water ---------------------------------------------------------------------

@charge
def longship():
    ch = Charge('objects', 'longship', 220, 170, 'A longship: a long low hull with high curled stem and stern, a square sail, shields along the side.')
    hull = join(smooth([(6, 40), (12, 90), (40, 134), (110, 142), (180, 134), (208, 90), (214, 40)]),
                smooth([(214, 40), (200, 30), (196, 50), (200, 60), (190, 110), (110, 118), (30, 110), (20, 60),
                        (24, 50), (20, 30), (6, 40)]))
    ch.fill(rect(106, 5, 114, 118), note='the mast')
    ch.fill(poly([(60, 14), (160, 14), (166, 96), (54, 96)]), colour=RED, note='the sail (second part)')
    ch.fill(hull, note='the hull')
    ch.fill([circle((x, 120), 9) for x in (56, 82, 108, 134, 160)], colour=BLUE, width=2.5, note='the shields (detail)')
    return ch


@charge
def canoe():
    ch = Charge('objects', 'canoe', 220, 90, 'A canoe: a narrow boat with upturned ends, fesswise.')
    ch.fill(join(smooth([(5, 10), (30, 60), (110, 84), (190, 60), (215, 10)]),
                 smooth([(215, 10), (180, 36), (110, 44), (40, 36), (5, 10)])))
    ch.line([smooth([(28, 40), (110, 56), (192, 40)])])
    return ch


@charge
def rudder():
    ch = Charge('objects', 'rudder', 130, 220, 'A rudder: a broad blade hung on a post, its tiller at the top.')
    ch.fill(rect(20, 5, 34, 215), note='the post')
    ch.fill(join(poly([(34, 60), (90, 60)]), smooth([(90, 60), (122, 120), (120, 200)]), poly([(120, 200), (34, 215)])),
            note='the blade')
    ch.fill(rect(34, 14, 110, 28), colour=RED, note='the tiller (second part)')
    ch.line([poly([(34, 100), (116, 100)]), poly([(34, 150), (120, 150)])])
    return ch


@charge
def grapnel():
    ch = Charge('objects', 'grapnel', 160, 220, 'A grapnel: a shank with a ring and four curved flukes.',
                also='grapplin')  # the grappling iron is the grapnel
    ch.fill([circle((80, 22), 17), circle((80, 22), 8)], evenodd=True, note='the ring')
    ch.fill(rect(72, 36, 88, 180), note='the shank')
    half = [('M', (80, 168)), ('L', (88, 168)), ('C', (112, 178), (136, 160), (142, 120)), ('L', (155, 128)),
            ('L', (146, 92)), ('L', (124, 116)), ('L', (132, 120)), ('C', (126, 150), (108, 160), (88, 156)),
            ('L', (80, 156))]
    ch.fill(mirrored(half, 80), note='the flukes')
    ch.fill(join(poly([(72, 170), (88, 170), (96, 215), (64, 215)])), note='the crown')
    return ch


@charge
def arch():
    ch = Charge('objects', 'arch', 200, 200, 'An arch: a round arch of stone on two columns, its keystone shown.', also='arche')
    ch.fill(rect(10, 186, 60, 196), note='the bases')
    ch.fill(rect(140, 186, 190, 196))
    ch.fill(join(poly([(20, 188), (20, 100)]), arc((100, 100), 80, -90, 90), poly([(180, 100), (180, 188), (130, 188), (130, 100)]),
                 arc((100, 100), 30, 90, -90), poly([(70, 100), (70, 188)])), note='the arch')
    ch.fill(poly([(88, 18), (112, 18), (108, 72), (92, 72)]), colour=RED, note='the keystone (second part)')
    ch.line([poly([(20, 100), (70, 100)]), poly([(130, 100), (180, 100)])])
    return ch


@charge
def hut():
    ch = Charge('objects', 'hut', 200, 190, 'A hut: round walls of wattle under a tall conical thatched roof.')
    ch.fill(rect(30, 100, 170, 185), note='the walls')
    ch.solid([join(poly([(84, 185), (84, 142)]), arc((100, 142), 16, -90, 90), poly([(116, 142), (116, 185)]))],
             note='the door')
    ch.fill(poly([(100, 5), (196, 112), (4, 112)]), colour=RED, note='the thatch (second part)')
    ch.line([poly([(100, 5), (60, 112)]), poly([(100, 5), (140, 112)])])
    return ch


@charge
def palisade():
    ch = Charge('objects', 'palisade', 220, 160, 'A palisade: a row of pointed stakes joined by two rails.', also='fence')
    for k in range(7):
        x = 10 + 30 * k
        ch.fill(poly([(x, 155), (x, 30), (x + 11, 5), (x + 22, 30), (x + 22, 155)]), note=None)
    ch.fill(rect(4, 56, 216, 72), colour=RED, note='the rails (second part)')
    ch.fill(rect(4, 112, 216, 128), colour=RED)
    return ch


@charge
def watermill():
    ch = Charge('objects', 'watermil', 220, 180, 'A watermill: a gabled mill house with a great wheel of paddles beside it.')
    ch.fill(poly([(90, 70), (150, 20), (210, 70)]), colour=RED, note='the roof (second part)')
    ch.fill(rect(96, 68, 206, 175), note='the house')
    ch.solid([join(poly([(138, 175), (138, 140)]), arc((151, 140), 13, -90, 90), poly([(164, 140), (164, 175)]))])
    ch.fill([circle((56, 118), 52), circle((56, 118), 18)], evenodd=True, note='the wheel')
    ch.line([poly([(56 + 20 * math.sin(math.radians(a)), 118 - 20 * math.cos(math.radians(a))),
                   (56 + 50 * math.sin(math.radians(a)), 118 - 50 * math.cos(math.radians(a)))]) for a in range(0, 360, 45)])
    return ch


@charge
def dovecote():
    ch = Charge('objects', 'dovecot', 150, 220, 'A dovecote: a round tower pierced with rows of holes under a conical roof.',
                also='dovecote')
    ch.fill(poly([(75, 5), (145, 72), (5, 72)]), colour=RED, note='the roof (second part)')
    ch.fill(rect(20, 70, 130, 215), note='the tower')
    ch.solid([circle((x, y), 6) for y in (96, 126) for x in (44, 75, 106)] +
             [join(poly([(62, 215), (62, 176)]), arc((75, 176), 13, -90, 90), poly([(88, 176), (88, 215)]))])
    return ch
