"""Tools, weapons, vessels, instruments and household objects whose shapes are straight bars,
circles and mirrored outlines: each upright (palewise), the working end up, unless the charge is
blazoned otherwise by custom (the saw and the oar lie bendwise in no drawing here)."""

import math

from .style import BLUE, RED
from .geometry import circle, ellipse, join, mirrored, poly, smooth
from .svg import Charge, charge


def rect(x0, y0, x1, y1):
    return poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


# --- Tools of the field and the smithy --------------------------------------------------------

@charge
def trident():
    ch = Charge('objects', 'trident', 120, 220, 'A trident: a long shaft ending in three barbed prongs.')
    ch.fill(rect(54, 74, 66, 215), colour=RED, note='the shaft (second part)')
    half = [(60, 5), (70, 30), (66, 30), (66, 70), (96, 70), (96, 30), (92, 30), (102, 5), (112, 36), (108, 36),
            (108, 82), (66, 84), (66, 92), (60, 92)]
    ch.fill(mirrored(poly(half), 60), note='the head')
    return ch


@charge
def pitchfork():
    ch = Charge('objects', 'pitchfor', 110, 220, 'A pitchfork: a long shaft ending in two long tines.')
    ch.fill(rect(49, 90, 61, 215), colour=RED, note='the shaft (second part)')
    half = [('M', (55, 100)), ('L', (64, 100)), ('L', (64, 86)), ('C', (90, 84), (96, 70), (96, 50)), ('L', (98, 5)),
            ('L', (86, 5)), ('L', (84, 50)), ('C', (84, 64), (76, 72), (55, 72))]
    ch.fill(mirrored(half, 55), note='the fork')
    return ch


@charge
def rake():
    ch = Charge('objects', 'rake', 160, 220, 'A rake: a long shaft and a head of teeth, set upright, teeth upwards.')
    ch.fill(rect(74, 56, 86, 215), colour=RED, note='the shaft (second part)')
    teeth = [rect(10 + 20.5 * k, 5, 20 + 20.5 * k, 44) for k in range(8)]
    ch.union([[t] for t in teeth] + [[rect(5, 40, 155, 60)]], note='the head')
    return ch


@charge
def spade():
    ch = Charge('objects', 'spade', 120, 220, 'A spade: a square blade on a shaft with a crutch handle.')
    ch.fill(join(rect(36, 5, 84, 22)), colour=RED, note='the handle (second part)')
    ch.fill(rect(53, 20, 67, 130), colour=RED, note='the shaft')
    blade = [('M', (60, 124)), ('L', (104, 124)), ('L', (104, 188)), ('C', (104, 204), (84, 215), (60, 215))]
    ch.fill(mirrored(blade, 60), note='the blade')
    return ch


@charge
def gridiron():
    ch = Charge('objects', 'gridiron', 140, 220, 'A gridiron: a frame of bars on four short feet, its handle upwards.')
    frame = [rect(10, 60, 130, 200), rect(24, 74, 116, 186)]
    handle = rect(62, 5, 78, 62)
    ring = [circle((70, 14), 12), circle((70, 14), 5)]
    feet = [rect(10, 198, 22, 215), rect(118, 198, 130, 215)]
    bars = [rect(22 + 19.5 * k, 72, 30 + 19.5 * k, 188) for k in range(1, 5)]
    ch.union([frame, [handle], ring] + [[f] for f in feet] + [[b] for b in bars], evenodd=True)
    return ch


@charge
def harrow():
    ch = Charge('objects', 'harrow', 200, 200, 'A harrow: a square frame of bars with teeth below each cross bar.')
    shapes = [[rect(5, 5, 195, 21)], [rect(5, 59, 195, 75)], [rect(5, 113, 195, 129)],
              [rect(5, 5, 21, 150)], [rect(92, 5, 108, 150)], [rect(179, 5, 195, 150)]]
    for y in (21, 75, 129):
        for x in (40, 70, 130, 160):
            shapes.append([poly([(x - 6, y), (x + 6, y), (x, y + 26)])])
    ch.union(shapes)
    return ch


@charge
def tongs():
    ch = Charge('objects', 'tong', 120, 220, 'A pair of tongs: two long arms crossed at a pivot, jaws upwards.')
    left = poly([(30, 215), (18, 215), (52, 110), (38, 40), (40, 5), (52, 5), (50, 40), (64, 110)])
    right = poly([(90, 215), (102, 215), (68, 110), (82, 40), (80, 5), (68, 5), (70, 40), (56, 110)])
    ch.union([[left], [right], [circle((60, 112), 11)]])
    ch.fill(circle((60, 112), 4), note='the pivot')
    return ch


@charge
def saw():
    ch = Charge('objects', 'saw', 220, 110, 'A saw: a long toothed blade with a handle at its end, fesswise.')
    teeth = [(5, 70)]
    for k in range(14):
        x = 12 + 10 * k
        teeth += [(x, 84), (x + 5, 70)]
    blade = poly([(5, 40), (150, 30)] + [(150, 70)] + teeth[::-1][:-1] + [(5, 70)])
    ch.fill(blade, note='the blade')
    handle = [rect(146, 14, 214, 96), rect(164, 40, 200, 70)]
    ch.fill(handle, colour=RED, evenodd=True, note='the handle (second part)')
    return ch


@charge
def oar():
    ch = Charge('objects', 'oar', 90, 220, 'An oar: a long round loom and a broad blade, blade downwards.', also='paddle')
    ch.fill(rect(39, 5, 51, 130), note='the loom')
    blade = [('M', (45, 118)), ('L', (52, 118)), ('C', (70, 128), (78, 150), (78, 180)), ('C', (78, 200), (70, 215), (45, 215))]
    ch.fill(mirrored(blade, 45), note='the blade')
    return ch


@charge
def flail():
    ch = Charge('objects', 'flail', 140, 220, 'A flail: a handle with a swinging beater joined by a ring.')
    ch.fill(rect(18, 90, 34, 215), colour=RED, note='the handle (second part)')
    ch.fill([circle((26, 84), 11), circle((26, 84), 5)], evenodd=True, note='the ring')
    beater = poly([(30, 72), (118, 5), (132, 22), (44, 86)])
    ch.fill(beater, note='the beater')
    return ch


@charge
def scourge():
    ch = Charge('objects', 'scourge', 140, 220, 'A scourge: a short handle with three knotted thongs.')
    ch.fill(rect(62, 130, 78, 215), colour=RED, note='the handle (second part)')
    ends = [(18, 16), (70, 5), (122, 16)]
    for x, y in ends:
        ch.fill(join(smooth([(64, 134), ((x + 64) / 2 - 4, (y + 134) / 2), (x - 4, y + 8)]),
                     smooth([(x + 6, y + 8), ((x + 76) / 2 + 4, (y + 134) / 2), (76, 134)])), note=None)
        ch.fill(circle((x + 1, y + 8), 9))
        ch.fill(circle(((x + 70) / 2, (y + 134) / 2), 8))
    return ch


# --- Weapons and emblems of rule --------------------------------------------------------------

@charge
def lance():
    ch = Charge('objects', 'lance', 90, 220, 'A tilting lance: a long tapering shaft, a cone-shaped guard at the grip.')
    ch.fill(poly([(45, 5), (56, 150), (34, 150)]), note='the shaft')
    ch.fill(rect(38, 176, 52, 215), note='the grip')
    ch.fill(poly([(45, 140), (80, 182), (10, 182)]), colour=RED, note='the vamplate (second part)')
    return ch


@charge
def halberd():
    ch = Charge('objects', 'halberd', 140, 220, 'A halberd: an axe blade and a hook on a long shaft, topped by a spike.')
    ch.fill(rect(64, 40, 76, 215), colour=RED, note='the shaft (second part)')
    ch.fill(poly([(70, 5), (78, 40), (62, 40)]), note='the spike')
    blade = join(poly([(76, 44), (106, 36)]), smooth([(106, 36), (124, 60), (128, 86), (120, 112)]), poly([(120, 112), (76, 96)]))
    ch.fill(blade, note='the axe blade')
    ch.fill(poly([(64, 56), (20, 40), (38, 62), (64, 78)]), note='the hook')
    return ch


@charge
def sceptre():
    ch = Charge('objects', 'sceptre', 90, 220, 'A sceptre: a rod with a knop at the foot, a fleur and a ball at the head.',
                also='scepter')
    ch.fill(rect(39, 56, 51, 200), note='the rod')
    ch.fill(circle((45, 205), 11), note='the foot')
    ch.fill(circle((45, 70), 13), colour=BLUE, note='the knop (detail)')
    head = join(smooth([(45, 56), (20, 48), (8, 26), (18, 12)]), smooth([(18, 12), (28, 26), (40, 30)]),
                poly([(40, 30), (45, 5), (50, 30)]), smooth([(50, 30), (62, 26), (72, 12)]),
                smooth([(72, 12), (82, 26), (70, 48), (45, 56)]))
    ch.fill(head, note='the head')
    return ch


@charge
def orb():
    ch = Charge('objects', 'orb', 170, 220, 'An orb (mound): a ball girt with a band and arched, a cross on top.')
    ch.fill(circle((85, 134), 80), note='the ball')
    ch.fill(rect(5, 124, 165, 142), colour=BLUE, note='the band (detail)')
    ch.fill(rect(76, 55, 94, 124), colour=BLUE, note='the arch')
    ch.fill(join(rect(78, 5, 92, 58)), note='the cross')
    ch.fill(rect(64, 18, 106, 32))
    return ch


@charge
def cannon():
    ch = Charge('objects', 'cannon', 220, 140, 'A cannon: a barrel on a carriage with a spoked wheel, the muzzle to dexter.')
    barrel = join(poly([(5, 30), (5, 62), (160, 74)]), smooth([(160, 74), (176, 70), (180, 50), (176, 30), (160, 26)]),
                  poly([(160, 26), (5, 30)]))
    ch.fill(rect(96, 70, 215, 96), colour=RED, note='the carriage (second part)')
    ch.fill(barrel, note='the barrel')
    ch.fill(circle((190, 48), 10), note='the cascabel')
    ch.fill([circle((130, 98), 38), circle((130, 98), 24)], evenodd=True, note='the wheel')
    ch.line([poly([(130, 74), (130, 122)]), poly([(106, 98), (154, 98)])])
    return ch


@charge
def grenade():
    ch = Charge('objects', 'grenade', 150, 220, 'A grenade (bomb fired): a ball with flames rising from its fuse.',
                also='bomb')
    flame = join(smooth([(75, 95), (40, 80), (34, 46), (52, 26)]), smooth([(52, 26), (56, 46), (64, 52)]),
                 smooth([(64, 52), (62, 26), (75, 5)]), smooth([(75, 5), (88, 26), (86, 52)]),
                 smooth([(86, 52), (94, 46), (98, 26)]), smooth([(98, 26), (116, 46), (110, 80), (75, 95)]))
    ch.fill(flame, colour=RED, note='the flames (second part)')
    ch.fill(circle((75, 150), 66), note='the ball')
    ch.fill(rect(64, 76, 86, 92), note='the fuse')
    return ch


# --- Vessels and lights -----------------------------------------------------------------------

@charge
def tun():
    ch = Charge('objects', 'tun', 200, 160, 'A tun (barrel): a cask lying fesswise, hooped.', also='cask')
    body = join(smooth([(20, 10), (100, 2), (180, 10)]), smooth([(180, 10), (196, 80), (180, 150)]),
                smooth([(180, 150), (100, 158), (20, 150)]), smooth([(20, 150), (4, 80), (20, 10)]))
    ch.fill(body, note='the cask')
    ch.line([smooth([(50, 6), (40, 80), (50, 154)]), smooth([(150, 6), (160, 80), (150, 154)]),
             smooth([(66, 4), (58, 80), (66, 156)]), smooth([(134, 4), (142, 80), (134, 156)])], width=2.5)
    ch.fill(ellipse((100, 80), 8, 12), note='the bung')
    return ch


@charge
def candlestick():
    ch = Charge('objects', 'candlest', 120, 220, 'A candlestick: a broad foot, a knopped stem and a pan, a candle lit in it.')
    ch.fill(join(smooth([(60, 5), (48, 22), (60, 40)]), smooth([(60, 40), (72, 22), (60, 5)])), colour=RED,
            note='the flame (second part)')
    ch.fill(rect(50, 40, 70, 96), colour=BLUE, note='the candle (detail)')
    stem = [('M', (60, 96)), ('L', (100, 96)), ('L', (100, 108)), ('L', (68, 110)), ('C', (80, 122), (80, 140), (68, 150)),
            ('L', (68, 186)), ('C', (90, 192), (112, 202), (112, 215)), ('L', (60, 215))]
    ch.fill(mirrored(stem, 60), note='the candlestick')
    return ch


@charge
def torch():
    ch = Charge('objects', 'torch', 100, 220, 'A torch: a tapering staff with flames rising from its head.', also='flambeau torche')
    ch.fill(poly([(34, 92), (66, 92), (56, 215), (44, 215)]), note='the staff')
    ch.fill(rect(26, 80, 74, 96), note='the head')
    flame = join(smooth([(50, 82), (16, 70), (10, 40), (26, 18)]), smooth([(26, 18), (32, 40), (40, 44)]),
                 smooth([(40, 44), (38, 20), (50, 5)]), smooth([(50, 5), (62, 20), (60, 44)]),
                 smooth([(60, 44), (68, 40), (74, 18)]), smooth([(74, 18), (90, 40), (84, 70), (50, 82)]))
    ch.fill(flame, colour=RED, note='the flames (second part)')
    return ch


@charge
def lantern():
    ch = Charge('objects', 'lantern', 130, 220, 'A lantern: a domed top with a ring, a glazed body and a foot.')
    ch.fill([circle((65, 18), 13), circle((65, 18), 6)], evenodd=True, note='the ring')
    ch.fill(join(poly([(15, 66)]), smooth([(15, 66), (30, 34), (65, 28), (100, 34), (115, 66)])), note='the dome')
    ch.fill(rect(20, 66, 110, 186), note='the body')
    ch.fill(rect(36, 82, 94, 170), colour=BLUE, note='the glass (detail)')
    ch.line([poly([(65, 82), (65, 170)])])
    ch.fill(rect(10, 186, 120, 210), note='the foot')
    return ch


@charge
def ewer():
    ch = Charge('objects', 'ewer', 170, 220, 'An ewer: a jug with a round belly, a spout to dexter and a handle to sinister.',
                also='jug')
    body = join(poly([(60, 20), (110, 20)]), smooth([(110, 20), (108, 60), (140, 100), (140, 150), (116, 200)]),
                poly([(116, 200), (126, 215), (44, 215), (54, 200)]),
                smooth([(54, 200), (30, 150), (30, 100), (62, 60), (60, 20)]))
    ch.fill(join(smooth([(118, 56), (160, 60), (164, 110), (134, 140)])), note='the handle')
    ch.fill(join(smooth([(62, 30), (30, 22), (8, 8), (36, 40), (62, 50)])), note='the spout')
    ch.fill(body, note='the body')
    ch.fill(rect(52, 8, 118, 24), note='the lip')
    return ch


@charge
def bottle():
    ch = Charge('objects', 'bottle', 110, 220, 'A bottle: a round-shouldered body and a long neck, stoppered.')
    half = [('M', (55, 5)), ('L', (66, 5)), ('L', (66, 70)), ('C', (100, 90), (104, 120), (104, 150)), ('L', (104, 205)),
            ('C', (104, 212), (98, 215), (90, 215)), ('L', (55, 215))]
    ch.fill(mirrored(half, 55), note='the bottle')
    ch.fill(rect(44, 5, 66, 24), colour=BLUE, note='the stopper (detail)')
    return ch


# --- Instruments and writing ------------------------------------------------------------------

@charge
def drum():
    ch = Charge('objects', 'drum', 190, 180, 'A drum: a cylinder with its head showing, the cords laced zigzag.',
                also='tabor kettledr')
    ch.fill(join(poly([(5, 40), (5, 150)]), smooth([(5, 150), (95, 178), (185, 150)]), poly([(185, 150), (185, 40)])),
            note='the shell')
    ch.fill(ellipse((95, 40), 90, 30), note='the head')
    zig = poly([(12, 64), (40, 150), (68, 72), (96, 160), (124, 72), (152, 150), (180, 64)])
    ch.line([zig], width=2.5)
    ch.line([smooth([(5, 142), (95, 168), (185, 142)])], width=2.5)
    return ch


@charge
def lyre():
    ch = Charge('objects', 'lyre', 170, 210, 'A lyre: two curving horns joined by a yoke, strings down to a sound box.')
    left = join(smooth([(60, 180), (20, 140), (14, 70), (40, 30), (22, 8)]),
                smooth([(22, 8), (56, 28), (40, 80), (48, 140), (78, 172)]))
    right = join(smooth([(110, 180), (150, 140), (156, 70), (130, 30), (148, 8)]),
                 smooth([(148, 8), (114, 28), (130, 80), (122, 140), (92, 172)]))
    ch.fill(left, note='the horns')
    ch.fill(right)
    ch.fill(rect(24, 40, 146, 52), note='the yoke')
    ch.line([poly([(x, 52), (x, 172)]) for x in (66, 78, 90, 102)])
    ch.fill(rect(46, 168, 124, 205), note='the sound box')
    return ch


@charge
def scroll():
    ch = Charge('objects', 'scroll', 220, 130, 'A scroll: a sheet unrolled fesswise, rolled up at both ends.')
    ch.fill(rect(24, 20, 196, 110), note='the sheet')
    for x in (24, 196):
        ch.fill(ellipse((x, 65), 18, 58), note=None)
        ch.fill(ellipse((x, 65), 7, 42))
    ch.line([poly([(56, 50), (164, 50)]), poly([(56, 70), (164, 70)]), poly([(56, 90), (130, 90)])])
    return ch


@charge
def padlock():
    ch = Charge('objects', 'padlock', 150, 200, 'A padlock: a square body with a keyhole, a shackle above.')
    ch.fill([circle((75, 96), 58), circle((75, 96), 38)], colour=RED, evenodd=True, note='the shackle (second part)')
    ch.fill(rect(5, 96, 145, 195), note='the body')
    ch.solid([circle((75, 134), 11), poly([(69, 138), (81, 138), (85, 172), (65, 172)])], note='the keyhole')
    return ch


@charge
def scissors():
    ch = Charge('objects', 'scissor', 140, 220, 'A pair of scissors: two blades crossed at a pivot, points upwards, rings below.')
    a = poly([(60, 120), (56, 10), (64, 5), (84, 120)])
    b = poly([(80, 120), (84, 10), (76, 5), (56, 120)])
    ch.union([[a], [b]], note='the blades')
    ch.fill([circle((42, 176), 34), circle((42, 176), 20)], evenodd=True, colour=RED, note='the rings (second part)')
    ch.fill([circle((98, 176), 34), circle((98, 176), 20)], evenodd=True, colour=RED)
    ch.fill(rect(56, 114, 84, 146), note='the pivot')
    return ch


# --- Flags, sails and things of the road ------------------------------------------------------

@charge
def broad_arrow():
    ch = Charge('objects', 'broadarr', 180, 200, 'A broad arrow: a broad barbed arrowhead, its inner edges plain, point downwards.',
                also='broad')
    half = [('M', (90, 195)), ('L', (175, 60)), ('L', (175, 5)), ('L', (146, 5)), ('L', (146, 56)), ('L', (100, 128)),
            ('L', (100, 5)), ('L', (90, 5))]
    ch.fill(mirrored(half, 90))
    return ch


@charge
def pennon():
    ch = Charge('objects', 'pennon', 200, 220, 'A pennon: a long flag tapering to a point, flying from a staff.')
    ch.fill(rect(10, 5, 24, 215), colour=RED, note='the staff (second part)')
    ch.fill(join(poly([(24, 14)]), smooth([(24, 14), (110, 30), (195, 58)]), smooth([(195, 58), (110, 70), (24, 96)])),
            note='the pennon')
    return ch


@charge
def flag():
    ch = Charge('objects', 'flag', 200, 200, 'A flag: a square flag flying from a staff, its fly waved.')
    ch.fill(rect(10, 5, 24, 195), colour=RED, note='the staff (second part)')
    ch.fill(join(poly([(24, 14)]), smooth([(24, 14), (80, 4), (136, 20), (190, 10)]), poly([(190, 10), (190, 104)]),
                 smooth([(190, 104), (136, 114), (80, 98), (24, 108)])), note='the flag')
    return ch


@charge
def clock():
    ch = Charge('objects', 'clock', 180, 180, 'A clock: a round face marked with the hours, two hands.')
    ch.fill(circle((90, 90), 86), note='the case')
    ch.fill(circle((90, 90), 68), colour=BLUE, note='the face (detail)')
    ch.solid([circle((90 + 58 * math.sin(math.radians(30 * k)), 90 - 58 * math.cos(math.radians(30 * k))), 5)
              for k in range(12)], note='the hours')
    ch.line([poly([(90, 90), (90, 40)]), poly([(90, 90), (124, 110)])], width=6)
    return ch


@charge
def cresset():
    ch = Charge('objects', 'cresset', 160, 210, 'A cresset: a fire basket on a short foot, flames rising from it.')
    flames = join(smooth([(80, 92), (30, 80), (22, 40), (46, 10)]), smooth([(46, 10), (54, 38), (64, 44)]),
                  smooth([(64, 44), (64, 18), (80, 5)]), smooth([(80, 5), (96, 18), (96, 44)]),
                  smooth([(96, 44), (106, 38), (114, 10)]), smooth([(114, 10), (138, 40), (130, 80), (80, 92)]))
    ch.fill(flames, colour=RED, note='the flames (second part)')
    ch.fill(poly([(14, 80), (146, 80), (118, 150), (42, 150)]), note='the basket')
    ch.line([poly([(36, 82), (62, 148)]), poly([(80, 82), (80, 148)]), poly([(124, 82), (98, 148)]),
             poly([(26, 112), (134, 112)])])
    ch.fill(poly([(70, 150), (90, 150), (94, 188), (66, 188)]), note='the stem')
    ch.fill(rect(34, 186, 126, 205), note='the foot')
    return ch


@charge
def woolpack():
    ch = Charge('objects', 'woolpack', 210, 150, 'A woolpack: a bale of wool corded, tasselled at the corners.', also='bale')
    ch.fill(join(smooth([(30, 20), (105, 12), (180, 20)]), smooth([(180, 20), (192, 75), (180, 130)]),
                 smooth([(180, 130), (105, 138), (30, 130)]), smooth([(30, 130), (18, 75), (30, 20)])), note='the bale')
    ch.line([poly([(30, 20), (180, 130)]), poly([(180, 20), (30, 130)])], width=3)
    for x, y in ((22, 12), (188, 12), (22, 138), (188, 138)):
        ch.fill(circle((x, y), 10), colour=RED, note=None)
    return ch


@charge
def plough():
    ch = Charge('objects', 'plough', 220, 160, 'A plough: a beam with handles, a share and a coulter, on a wheel, fesswise.',
                also='plow')
    ch.fill(poly([(10, 60), (160, 60), (160, 74), (10, 74)]), colour=RED, note='the beam (second part)')
    ch.fill(poly([(150, 66), (200, 10), (212, 18), (166, 76)]), colour=RED, note='the handles')
    ch.fill(poly([(120, 70), (180, 140), (100, 140)]), note='the share')
    ch.fill(poly([(72, 70), (84, 70), (92, 132), (80, 136)]), note='the coulter')
    ch.fill([circle((34, 110), 40), circle((34, 110), 26)], evenodd=True, note='the wheel')
    ch.line([poly([(34, 70), (34, 150)]), poly([(-6 + 12, 110), (74, 110)])])
    return ch


@charge
def wagon():
    ch = Charge('objects', 'wagon', 220, 150, 'A wagon (wain): a box cart on two spoked wheels, its shafts to dexter.',
                also='wain cart')
    ch.fill(poly([(5, 64), (60, 72), (60, 82), (5, 74)]), colour=RED, note='the shafts (second part)')
    ch.fill(rect(56, 20, 215, 92), note='the box')
    ch.line([poly([(56, 44), (215, 44)]), poly([(56, 68), (215, 68)])])
    for x in (98, 176):
        ch.fill([circle((x, 104), 40), circle((x, 104), 28)], evenodd=True, note=None)
        ch.line([poly([(x, 64), (x, 144)]), poly([(x - 40, 104), (x + 40, 104)]), poly([(x - 28, 76), (x + 28, 132)]),
                 poly([(x + 28, 76), (x - 28, 132)])])
    return ch


@charge
def garter():
    ch = Charge('objects', 'garter', 180, 200, 'A garter: a strap buckled in a ring, its end hanging down.')
    ch.fill(join(poly([(112, 120), (142, 120), (150, 196), (118, 180), (112, 196)])), note='the end')
    ch.fill([circle((90, 88), 84), circle((90, 88), 58)], evenodd=True, note='the strap')
    ch.fill(rect(100, 100, 150, 140), colour=RED, note='the buckle (second part)')
    ch.fill(rect(112, 112, 138, 128), colour=RED)
    return ch


@charge
def quarrel():
    ch = Charge('objects', 'quarrel', 80, 220, 'A quarrel (crossbow bolt): a short thick shaft, a square-pointed head, vanes, point upwards.',
                also='bolt')
    ch.fill(rect(32, 50, 48, 180), note='the shaft')
    ch.fill(poly([(40, 5), (66, 40), (56, 56), (24, 56), (14, 40)]), colour=RED, note='the head (second part)')
    ch.fill(poly([(32, 160), (8, 200), (8, 215), (32, 190)]), note='the vanes')
    ch.fill(poly([(48, 160), (72, 200), (72, 215), (48, 190)]))
    return ch


@charge
def faggot():
    ch = Charge('objects', 'faggot', 200, 170, 'A faggot: a bundle of sticks bound about the middle, fesswise.', also='fascine')
    for k in range(5):
        y = 22 + 26 * k
        ch.fill(join(poly([(8, y - 12), (192, y - 12)]), smooth([(192, y - 12), (198, y), (192, y + 12)]),
                     poly([(192, y + 12), (8, y + 12)]), smooth([(8, y + 12), (2, y), (8, y - 12)])), note=None)
    ch.fill(rect(88, 4, 112, 148), colour=RED, note='the band (second part)')
    return ch


@charge
def hat():
    ch = Charge('objects', 'hat', 210, 150, 'A hat: a round crown on a broad brim, a band about it.')
    ch.fill(join(smooth([(5, 116), (105, 96), (205, 116)]), smooth([(205, 116), (105, 150), (5, 116)])), note='the brim')
    ch.fill(join(poly([(50, 110)]), smooth([(50, 110), (54, 30), (105, 5), (156, 30), (160, 110)]),
                 smooth([(160, 110), (105, 120), (50, 110)])), note='the crown')
    ch.fill(join(poly([(52, 88)]), smooth([(52, 88), (105, 98), (158, 88)]), poly([(158, 88), (160, 106)]),
                 smooth([(160, 106), (105, 118), (50, 106)])), colour=RED, note='the band (second part)')
    return ch
