"""Household things, dress, more tools of the trades, arms of war and instruments of music,
and two charges of the land and sky (the globe and the trimount): plain outlines, upright."""

from .style import BLUE, RED
from .geometry import arc, circle, ellipse, join, mirrored, poly, smooth
from .svg import Charge, charge


def rect(x0, y0, x1, y1):
    return poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


# --- The table and the house ------------------------------------------------------------------

@charge
def spoon():
    ch = Charge('objects', 'spoon', 80, 220, 'A spoon: an oval bowl on a long handle, the bowl upwards.')
    ch.fill(join(poly([(34, 84), (46, 84)]), smooth([(46, 84), (44, 150), (50, 215)]), poly([(50, 215), (30, 215)]),
                 smooth([(30, 215), (36, 150), (34, 84)])), note='the handle')
    ch.fill(ellipse((40, 50), 33, 46), note='the bowl')
    return ch


@charge
def fork():
    ch = Charge('objects', 'fork', 80, 220, 'A table fork: three tines above a long handle.')
    ch.fill(join(poly([(34, 96), (46, 96)]), smooth([(46, 96), (44, 150), (50, 215)]), poly([(50, 215), (30, 215)]),
                 smooth([(30, 215), (36, 150), (34, 96)])), note='the handle')
    head = [(40, 104), (62, 84), (70, 60), (70, 5), (60, 5), (60, 56), (48, 56), (48, 5), (40, 5)]
    ch.fill(mirrored(poly(head), 40), note='the tines')
    return ch


@charge
def knife():
    ch = Charge('objects', 'knife', 70, 220, 'A knife: a pointed blade with a straight back above a handle.', also='knive')
    ch.fill(rect(22, 140, 48, 215), colour=RED, note='the handle (second part)')
    ch.fill(join(poly([(22, 140), (22, 5)]), smooth([(22, 5), (48, 40), (56, 90), (48, 140)]), poly([(48, 140), (22, 140)])),
            note='the blade')
    return ch


@charge
def basket():
    ch = Charge('objects', 'basket', 200, 180, 'A basket: a wicker basket with a handle arched over it.')
    ch.fill([join(arc((100, 80), 84, -90, 90)), join(arc((100, 80), 70, -90, 90))], evenodd=True, colour=RED,
            note='the handle (second part)')
    ch.fill(poly([(10, 76), (190, 76), (166, 175), (34, 175)]), note='the basket')
    ch.line([poly([(16 + 6 * k, 100 + 25 * k), (184 - 6 * k, 100 + 25 * k)]) for k in range(3)] +
            [poly([(x, 78), (x + (100 - x) * 0.27, 173)]) for x in (50, 100, 150)])
    return ch


@charge
def birdcage():
    ch = Charge('objects', 'birdcage', 170, 220,
                'A birdcage: a domed cage of upright bars on a broad foot, a ring above to hang it by.',
                also='cage')
    # The room inside the bars: a bird blazoned within the cage is painted there.
    ch.room = (85, 126, 58)
    ch.fill([join(circle((85, 18), 14)), join(circle((85, 18), 7))], evenodd=True, note='the ring')
    ch.fill(join(poly([(20, 195), (20, 95)]), arc((85, 95), 65, -90, 90), poly([(150, 95), (150, 195)])),
            note='the cage')
    ch.fill(rect(8, 192, 162, 214), note='the foot')
    bars = [poly([(x, 195), (x, 95 - (65 * 65 - (x - 85) ** 2) ** 0.5 + 4)]) for x in (46, 72, 98, 124)]
    ch.line(bars + [poly([(21, 110), (149, 110)]), poly([(21, 165), (149, 165)])], note='the bars and hoops')
    return ch


@charge
def mirror():
    ch = Charge('objects', 'mirror', 130, 220, 'A hand mirror: a round glass in a frame on a short handle.')
    ch.fill(rect(56, 120, 74, 215), note='the handle')
    ch.fill(circle((65, 66), 60), note='the frame')
    ch.fill(circle((65, 66), 44), colour=BLUE, note='the glass (detail)')
    return ch


@charge
def purse():
    ch = Charge('objects', 'purse', 170, 200, 'A purse: a round bag drawn in at the neck by its strings, tassels below.')
    ch.fill(join(smooth([(70, 56), (20, 90), (14, 150), (50, 190), (85, 195)]),
                 smooth([(85, 195), (120, 190), (156, 150), (150, 90), (100, 56)])), note='the bag')
    ch.fill(join(smooth([(70, 58), (44, 30), (50, 8), (85, 20)]), smooth([(85, 20), (120, 8), (126, 30), (100, 58)])),
            note='the neck')
    ch.fill(rect(58, 50, 112, 64), colour=RED, note='the strings (second part)')
    return ch


@charge
def chair():
    ch = Charge('objects', 'chair', 150, 220, 'A chair: a high back, a seat and four legs, seen from the side.')
    ch.union([[rect(20, 5, 38, 215)], [rect(20, 110, 130, 128)], [rect(112, 110, 130, 215)],
              [rect(20, 30, 38, 48)]])
    ch.line([poly([(38, 60), (38, 60)])])
    return ch


# --- Dress ------------------------------------------------------------------------------------

@charge
def boot():
    ch = Charge('objects', 'boot', 180, 210, 'A boot: a tall leg and a foot with a heel, the toe to dexter.')
    ch.fill(join(poly([(90, 5), (150, 5), (150, 150)]), smooth([(150, 150), (152, 180), (150, 205)]),
                 poly([(150, 205), (20, 205)]), smooth([(20, 205), (8, 190), (22, 170), (70, 150), (90, 120)])),
            note='the boot')
    ch.fill(rect(84, 5, 156, 30), colour=RED, note='the top (second part)')
    ch.fill(rect(118, 190, 156, 210), note='the heel')
    return ch


@charge
def chapeau():
    ch = Charge('objects', 'chapeau', 220, 150, 'A chapeau (cap of maintenance): a low crown, the brim turned up behind in two points, '
                'lined of ermine (detail).', also='cap')
    ch.fill(join(smooth([(40, 100), (50, 30), (110, 8), (170, 30), (180, 100)])), note='the crown')
    brim = join(poly([(5, 96)]), smooth([(5, 96), (60, 92), (110, 104), (160, 92), (215, 70)]),
                smooth([(215, 70), (200, 120), (150, 142), (110, 146), (50, 140), (5, 96)]))
    ch.fill(brim, colour=BLUE, note='the turned-up brim (detail)')
    ch.solid([poly([(x, 116), (x + 4, 126), (x - 4, 126)]) for x in (50, 90, 130, 170)], note='ermine spots')
    return ch


# --- Tools of the trades ----------------------------------------------------------------------

@charge
def adze():
    ch = Charge('objects', 'adze', 150, 220, 'An adze: a long handle with a curved blade across its head.')
    ch.fill(rect(68, 30, 82, 215), colour=RED, note='the handle (second part)')
    ch.fill(join(poly([(60, 20), (90, 20), (90, 44)]), smooth([(90, 44), (120, 46), (145, 70)]),
                 smooth([(145, 70), (120, 36), (90, 10)]), poly([(90, 10), (60, 10)])), note='the blade')
    return ch


@charge
def trowel():
    ch = Charge('objects', 'trowel', 140, 220, 'A trowel: a pointed blade on a cranked handle, point downwards.')
    ch.fill(rect(58, 5, 82, 62), colour=RED, note='the handle (second part)')
    ch.fill(rect(66, 60, 74, 90), note='the crank')
    ch.fill(poly([(10, 88), (130, 88), (70, 215)]), note='the blade')
    return ch


@charge
def shovel():
    ch = Charge('objects', 'shovel', 120, 220, 'A shovel: a rounded, hollowed blade on a long shaft.')
    ch.fill(rect(53, 5, 67, 130), colour=RED, note='the shaft (second part)')
    ch.fill(join(poly([(20, 120), (100, 120)]), smooth([(100, 120), (110, 170), (60, 215), (10, 170), (20, 120)])),
            note='the blade')
    ch.line([smooth([(60, 124), (60, 200)])])
    return ch


@charge
def hoe():
    ch = Charge('objects', 'hoe', 150, 220, 'A hoe: a long shaft with a square blade set across its head.')
    ch.fill(rect(30, 30, 44, 215), colour=RED, note='the shaft (second part)')
    ch.fill(poly([(30, 14), (140, 14), (140, 56), (96, 56), (96, 30), (30, 30)]), note='the blade')
    return ch


@charge
def mattock():
    ch = Charge('objects', 'mattock', 200, 220, 'A mattock: a long handle with a head of a pick and a broad blade.')
    ch.fill(rect(93, 30, 107, 215), colour=RED, note='the handle (second part)')
    ch.fill(join(poly([(100, 18), (192, 50)]), poly([(192, 50), (100, 40), (60, 40)]), poly([(60, 40), (8, 60), (14, 10)]),
                 poly([(14, 10), (60, 20), (100, 18)])), note='the head')
    return ch


@charge
def billhook():
    ch = Charge('objects', 'billhook', 130, 220, 'A billhook: a broad blade ending in a forward hook, on a short handle.')
    ch.fill(rect(50, 140, 72, 215), colour=RED, note='the handle (second part)')
    ch.fill(join(poly([(50, 146), (50, 40)]), smooth([(50, 40), (60, 10), (100, 5), (124, 28), (110, 50)]),
                 smooth([(110, 50), (100, 30), (84, 34), (80, 60), (72, 146)]), poly([(72, 146), (50, 146)])),
            note='the blade')
    return ch


@charge
def dividers():
    ch = Charge('objects', 'divider', 150, 220, 'A pair of dividers (compasses): two pointed legs hinged at the top, spread.')
    ch.fill(poly([(70, 30), (80, 30), (24, 215)]), note='the legs')
    ch.fill(poly([(70, 30), (80, 30), (126, 215)]))
    ch.fill([circle((75, 24), 19), circle((75, 24), 7)], evenodd=True, note='the hinge')
    ch.fill(rect(40, 120, 110, 128), note='the arc')
    return ch


# --- Arms of war ------------------------------------------------------------------------------

@charge
def quiver():
    ch = Charge('objects', 'quiver', 120, 220, 'A quiver of arrows: a tall case, the fletched ends of three arrows above it.')
    for x, lean in ((36, -10), (60, 0), (84, 10)):
        ch.fill(poly([(x - 3, 80), (x + 3, 80), (x + 3 + lean, 36), (x - 3 + lean, 36)]), note=None)
        ch.fill(poly([(x + lean, 40), (x + lean + 12, 20), (x + lean + 8, 5), (x + lean, 16), (x + lean - 8, 5),
                      (x + lean - 12, 20)]), colour=RED)
    ch.fill(join(poly([(18, 70), (102, 70)]), poly([(102, 70), (92, 208)]), smooth([(92, 208), (60, 216), (28, 208)]),
                 poly([(28, 208), (18, 70)])), note='the case')
    ch.line([poly([(22, 96), (98, 96)]), poly([(26, 180), (94, 180)])])
    return ch


@charge
def targe():
    ch = Charge('objects', 'targe', 180, 180, 'A targe (buckler): a round shield studded, a boss in the middle.', also='buckler')
    ch.fill(circle((90, 90), 86), note='the shield')
    ch.fill(circle((90, 90), 22), colour=BLUE, note='the boss (detail)')
    ch.solid([circle((90 + 62 * dx, 90 + 62 * dy), 5) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1),
                                                                     (0.707, 0.707), (-0.707, 0.707), (0.707, -0.707), (-0.707, -0.707))])
    return ch


@charge
def club():
    ch = Charge('objects', 'club', 110, 220, 'A club (a knotted staff): thick at the head, knobbed, narrowing to the grip.',
                also='cudgel')
    ch.fill(join(poly([(46, 215), (64, 215)]), smooth([(64, 215), (70, 140), (92, 70), (94, 30), (76, 6)]),
                 smooth([(76, 6), (50, 4), (24, 26), (22, 70), (40, 140), (46, 215)])))
    ch.fill([circle(p, 7) for p in ((90, 60), (24, 84), (84, 112), (36, 40))], note='the knots')
    return ch


# --- Instruments of music ---------------------------------------------------------------------

@charge
def bagpipe():
    ch = Charge('objects', 'bagpipe', 200, 220, 'A bagpipe: a round bag with three drones above and a chanter below.')
    for x, top in ((70, 5), (104, 20), (138, 40)):
        ch.fill(rect(x - 6, top, x + 6, 100), note=None)
        ch.fill(rect(x - 10, top, x + 10, top + 12), colour=RED)
    ch.fill(rect(34, 150, 46, 215), note='the chanter')
    ch.fill(join(smooth([(20, 150), (30, 86), (100, 70), (170, 100), (180, 150), (120, 186), (40, 178), (20, 150)])),
            note='the bag')
    return ch


@charge
def flute():
    ch = Charge('objects', 'flute', 60, 220, 'A pipe (flute): a long tube with finger holes, the mouthpiece upwards.', also='pipe')
    ch.fill(rect(18, 5, 42, 215))
    ch.fill(rect(14, 5, 46, 20), colour=RED, note='the mouthpiece (second part)')
    ch.solid([circle((30, y), 5) for y in range(70, 200, 22)], note='the holes')
    return ch


@charge
def fiddle():
    ch = Charge('objects', 'fiddle', 130, 220, 'A fiddle (violin): a waisted body, a long neck and a scroll.', also='violin')
    body = join(smooth([(65, 80), (30, 84), (20, 112), (40, 140), (22, 170), (32, 210), (65, 215)]),
                smooth([(65, 215), (98, 210), (108, 170), (90, 140), (110, 112), (100, 84), (65, 80)]))
    ch.fill(rect(58, 20, 72, 110), note='the neck')
    ch.fill([circle((65, 18), 13), circle((65, 18), 5)], evenodd=True, note='the scroll')
    ch.fill(body, note='the body')
    ch.line([smooth([(48, 136), (44, 150), (48, 164)]), smooth([(82, 136), (86, 150), (82, 164)])])
    ch.fill(rect(46, 180, 84, 188), colour=RED, note='the bridge (second part)')
    return ch


# --- The land and the sky ---------------------------------------------------------------------

@charge
def globe():
    ch = Charge('celestial', 'globe', 180, 180, 'A terrestrial globe: a ball marked with its meridians and parallels.')
    ch.fill(circle((90, 90), 86))
    ch.line([ellipse((90, 90), 40, 86), poly([(90, 4), (90, 176)]), poly([(4, 90), (176, 90)]),
             poly([(16, 50), (164, 50)]), poly([(16, 130), (164, 130)])])
    return ch


@charge
def trimount():
    ch = Charge('celestial', 'trimount', 220, 140, 'A trimount: three rounded hills, the middle one the highest.')
    ch.fill(join(poly([(5, 135)]), smooth([(5, 135), (14, 86), (48, 66), (70, 74)]), smooth([(70, 74), (84, 20), (110, 5),
                                                                                             (136, 20), (150, 74)]),
                 smooth([(150, 74), (172, 66), (206, 86), (215, 135)]), poly([(215, 135), (5, 135)])))
    ch.line([smooth([(70, 74), (78, 100), (76, 134)]), smooth([(150, 74), (142, 100), (144, 134)])])
    return ch


@charge
def coracle():
    ch = Charge('objects', 'coracle', 200, 140, 'A coracle: a round boat of wicker seen from the side, a paddle across it.')
    ch.fill(poly([(140, 5), (152, 5), (72, 120), (60, 120)]), colour=RED, note='the paddle (second part)')
    ch.fill(join(poly([(5, 60), (195, 60)]), smooth([(195, 60), (180, 120), (100, 136), (20, 120), (5, 60)])), note='the boat')
    ch.line([smooth([(12, 84), (100, 96), (188, 84)]), smooth([(22, 108), (100, 120), (178, 108)])])
    return ch


@charge
def musket():
    ch = Charge('objects', 'musket', 220, 80, 'A musket: a long barrel on a wooden stock, the butt to sinister, fesswise.',
                also='gun')
    ch.fill(rect(5, 22, 150, 36), note='the barrel')
    ch.fill(join(poly([(60, 30), (150, 30), (178, 40), (215, 40), (215, 74), (196, 74), (150, 52), (60, 44)])),
            colour=RED, note='the stock (second part)')
    ch.fill(join(smooth([(132, 48), (130, 62), (142, 66)])), note='the trigger guard')
    return ch


@charge
def bellows():
    ch = Charge('objects', 'bellow', 120, 220, 'A pair of bellows: a pear-shaped body with handles, the nozzle downwards.')
    ch.fill(rect(36, 5, 50, 40), note='the handles')
    ch.fill(rect(70, 5, 84, 40))
    ch.fill(join(poly([(20, 36), (100, 36)]), smooth([(100, 36), (112, 100), (76, 160)]), poly([(76, 160), (44, 160)]),
                 smooth([(44, 160), (8, 100), (20, 36)])), note='the body')
    ch.fill(poly([(46, 158), (74, 158), (64, 215), (56, 215)]), colour=RED, note='the nozzle (second part)')
    ch.line([smooth([(24, 70), (60, 84), (96, 70)])])
    return ch


@charge
def ladle():
    ch = Charge('objects', 'ladle', 110, 220, 'A ladle: a deep round bowl on a long handle hooked at its end.')
    ch.fill(join(poly([(48, 142), (62, 142), (62, 20)]), smooth([(62, 20), (60, 6), (44, 8), (40, 22)]),
                 poly([(40, 22), (48, 22)])), note='the handle')
    ch.fill(join(poly([(6, 140), (104, 140)]), smooth([(104, 140), (100, 196), (55, 215), (10, 196), (6, 140)])),
            note='the bowl')
    return ch


@charge
def thimble():
    ch = Charge('objects', 'thimble', 140, 180, 'A thimble: a rounded cap pitted all over, its rim below.')
    ch.fill(join(poly([(20, 160)]), smooth([(20, 160), (16, 60), (40, 12), (70, 5), (100, 12), (124, 60), (120, 160)]),
                 poly([(120, 160), (20, 160)])), note='the cap')
    ch.fill(rect(10, 154, 130, 175), colour=RED, note='the rim (second part)')
    ch.solid([circle((x, y), 3.5) for y in (40, 70, 100, 130) for x in range(36 + (y // 30 % 2) * 10, 110, 20)])
    return ch


@charge
def stool():
    ch = Charge('objects', 'stool', 180, 180, 'A stool: a round seat on three splayed legs.')
    ch.fill(poly([(40, 50), (56, 50), (20, 175), (5, 175)]), note='the legs')
    ch.fill(poly([(124, 50), (140, 50), (175, 175), (160, 175)]))
    ch.fill(rect(82, 50, 98, 175))
    ch.fill(join(smooth([(10, 30), (90, 10), (170, 30)]), smooth([(170, 30), (170, 46), (90, 62), (10, 46), (10, 30)])),
            note='the seat')
    ch.fill(rect(34, 120, 146, 130))
    return ch


@charge
def pail():
    ch = Charge('objects', 'pail', 170, 200, 'A pail: a hooped bucket widening upwards, its handle arched above.')
    ch.fill([join(arc((85, 80), 80, -90, 90)), join(arc((85, 80), 68, -90, 90))], evenodd=True, colour=RED,
            note='the handle (second part)')
    ch.fill(poly([(8, 76), (162, 76), (140, 195), (30, 195)]), note='the pail')
    ch.line([poly([(14, 104), (156, 104)]), poly([(24, 168), (146, 168)])], width=3)
    return ch


@charge
def spanner():
    ch = Charge('objects', 'spanner', 110, 220, 'A spanner: a bar with an open jaw at each end.')
    ch.fill(rect(44, 40, 66, 180), note='the bar')
    ch.fill(join(poly([(55, 66), (20, 40), (20, 10), (40, 5), (42, 30), (68, 30), (70, 5), (90, 10), (90, 40)])),
            note='the upper jaw')
    ch.fill(join(poly([(55, 154), (20, 180), (20, 210), (40, 215), (42, 190), (68, 190), (70, 215), (90, 210), (90, 180)])),
            note='the lower jaw')
    return ch


@charge
def chisel():
    ch = Charge('objects', 'chisel', 80, 220, 'A chisel: a round handle and a flat blade cut square, edge downwards.')
    ch.fill(join(poly([(24, 90), (56, 90)]), smooth([(56, 90), (60, 40), (52, 5), (28, 5), (20, 40), (24, 90)])), colour=RED,
            note='the handle (second part)')
    ch.fill(poly([(28, 88), (52, 88), (56, 215), (24, 215)]), note='the blade')
    return ch


@charge
def yoke():
    ch = Charge('objects', 'yoke', 220, 140, 'An ox yoke: a curved beam with two bows hanging below it.')
    ch.fill(join(smooth([(5, 40), (110, 10), (215, 40)]), smooth([(215, 40), (212, 62), (110, 36), (8, 62), (5, 40)])),
            note='the beam')
    for x in (54, 166):
        ch.fill([join(arc((x, 60), 40, 90, 270)), join(arc((x, 60), 28, 90, 270))], evenodd=True, colour=RED, note=None)
    return ch


@charge
def saddle():
    ch = Charge('objects', 'saddle', 210, 170, 'A saddle: a high pommel and cantle, the seat between, a girth and stirrup below.')
    ch.fill(join(poly([(40, 160), (50, 110)]), poly([(50, 110), (160, 110), (170, 160)])), colour=RED,
            note='the girth (second part)')
    ch.fill(join(poly([(5, 20)]), smooth([(5, 20), (30, 40), (60, 70), (105, 78), (150, 70), (185, 30), (205, 8)]),
                 smooth([(205, 8), (200, 60), (180, 110), (105, 126), (30, 110), (10, 60), (5, 20)])), note='the saddle')
    ch.fill([circle((105, 150), 17), circle((105, 150), 8)], evenodd=True, note='the stirrup')
    return ch


@charge
def hatchet():
    ch = Charge('objects', 'hatchet', 150, 200, 'A hatchet: a short handle and a broad curved blade, blade to dexter.')
    ch.fill(rect(76, 30, 92, 195), colour=RED, note='the handle (second part)')
    ch.fill(join(poly([(92, 24), (92, 62), (76, 62)]), smooth([(76, 62), (40, 80), (8, 96)]),
                 smooth([(8, 96), (10, 50), (6, 5)]), smooth([(6, 5), (40, 20), (76, 24)]), poly([(76, 24), (92, 24)])),
            note='the blade')
    return ch


@charge
def kettle():
    ch = Charge('objects', 'kettle', 200, 190, 'A kettle: a round pot with a spout to dexter, a lid and an arched handle.')
    ch.fill([join(arc((110, 80), 62, -80, 80)), join(arc((110, 80), 50, -80, 80))], evenodd=True, colour=RED,
            note='the handle (second part)')
    ch.fill(join(poly([(68, 118), (28, 70), (10, 74), (40, 140), (60, 150)])), note='the spout')
    ch.fill(join(poly([(50, 80), (170, 80)]), smooth([(170, 80), (190, 130), (160, 184), (110, 186), (60, 184), (30, 130),
                                                       (50, 80)])), note='the body')
    ch.fill(join(smooth([(70, 82), (110, 60), (150, 82)])), note='the lid')
    return ch


@charge
def skillet():
    ch = Charge('objects', 'skillet', 220, 110, 'A skillet: a round shallow pan with a long handle to sinister, fesswise.')
    ch.fill(rect(110, 44, 215, 60), colour=RED, note='the handle (second part)')
    ch.fill(join(poly([(5, 30), (120, 30)]), smooth([(120, 30), (116, 80), (62, 100), (8, 80), (5, 30)])), note='the pan')
    ch.fill(ellipse((62, 30), 57, 12), note='the rim')
    return ch


@charge
def besom():
    ch = Charge('objects', 'besom', 120, 220, 'A besom: a long handle and a bundle of twigs bound on it, the twigs downwards.')
    ch.fill(rect(53, 5, 67, 120), colour=RED, note='the handle (second part)')
    ch.fill(poly([(46, 110), (74, 110), (112, 215), (8, 215)]), note='the twigs')
    ch.line([poly([(x, 140), (x + (x - 60) * 0.6, 212)]) for x in (44, 52, 60, 68, 76)])
    ch.fill(rect(42, 118, 78, 134), colour=RED, note='the binding')
    return ch


@charge
def brush():
    ch = Charge('objects', 'brush', 80, 220, 'A brush: a long handle, a ferrule and a tuft of bristles, tuft upwards.',
                also='brushe')
    ch.fill(join(poly([(30, 80), (50, 80)]), smooth([(50, 80), (48, 150), (46, 215)]), poly([(46, 215), (34, 215)]),
                 smooth([(34, 215), (32, 150), (30, 80)])), colour=RED, note='the handle (second part)')
    ch.fill(rect(26, 62, 54, 84), note='the ferrule')
    ch.fill(join(poly([(24, 64)]), smooth([(24, 64), (18, 30), (40, 5)]), smooth([(40, 5), (62, 30), (56, 64)])), note='the bristles')
    return ch


@charge
def cramp():
    ch = Charge('objects', 'cramp', 120, 220, 'A cramp: an iron bar with its ends bent the opposite ways into hooks, palewise.',
                also='crampon')
    ch.fill(poly([(10, 50), (10, 10), (70, 10), (70, 194), (94, 194), (94, 170), (110, 170), (110, 210), (54, 210),
                  (54, 26), (26, 26), (26, 50)]))
    return ch


@charge
def manacles():
    ch = Charge('objects', 'manacle', 220, 120, 'A pair of manacles: two rings joined by a short chain, fesswise.')
    ch.fill(rect(70, 52, 150, 68), colour=RED, note='the chain (second part)')
    ch.fill([circle((46, 60), 42), circle((46, 60), 26)], evenodd=True, note='the rings')
    ch.fill([circle((174, 60), 42), circle((174, 60), 26)], evenodd=True)
    return ch


@charge
def harpoon():
    ch = Charge('objects', 'harpoon', 110, 220, 'A harpoon: a long shaft with a barbed head, point upwards, a line ring at the foot.')
    ch.fill(rect(49, 60, 61, 196), colour=RED, note='the shaft (second part)')
    ch.fill(mirrored(poly([(55, 5), (72, 40), (96, 74), (70, 62), (62, 66), (55, 66)]), 55), note='the head')
    ch.fill([circle((55, 204), 12), circle((55, 204), 5)], evenodd=True, note='the ring')
    return ch


@charge
def fishhook():
    ch = Charge('objects', 'fishhook', 120, 220, 'A fish-hook: a shank with an eye at the top, bent below into a barbed hook.')
    ch.fill([circle((74, 18), 13), circle((74, 18), 5)], evenodd=True, note='the eye')
    hook = join(poly([(68, 30), (80, 30), (80, 160)]), smooth([(80, 160), (72, 206), (38, 210), (16, 184), (14, 140)]),
                poly([(14, 140), (4, 150), (16, 118), (30, 146), (26, 146)]), smooth([(26, 146), (28, 180), (44, 194),
                                                                                       (62, 190), (68, 160)]),
                poly([(68, 160), (68, 30)]))
    ch.fill(hook, note='the hook')
    return ch


@charge
def beehive():
    ch = Charge('objects', 'beehive', 180, 200, 'A beehive: a domed skep of straw in bands, its door at the foot.',
                also='hive beehiveb')
    ch.fill(join(poly([(10, 190)]), smooth([(10, 190), (14, 100), (50, 24), (90, 8), (130, 24), (166, 100), (170, 190)]),
                 poly([(170, 190), (10, 190)])), note='the skep')
    ch.line([poly([(14 + 2 * k, 166 - 30 * k), (166 - 2 * k, 166 - 30 * k)]) for k in range(3)] +
            [smooth([(40, 76), (90, 64), (140, 76)]), smooth([(62, 40), (90, 34), (118, 40)])], width=3)
    ch.solid([join(poly([(72, 190), (72, 168)]), arc((90, 168), 18, -90, 90), poly([(108, 168), (108, 190)]))], note='the door')
    return ch
