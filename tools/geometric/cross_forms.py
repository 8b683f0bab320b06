"""More forms of the cross: ends of their own (pommy, fourchy, recercelee, urdy, barby ...), crosses
with a part at the centre (nowy, quadrate, the Celtic ring), crosses of several bars
(patriarchal, papal), and crosses read from a word before "cross" (Celtic, Jerusalem, Bowen).

A form is coded by two letters of its own (data/vocabulary/charges.words): "cross pommy" is the
picture cros.po and "cross pommy fitchy" cros.po7. The fitchy forms stand in a box 150 x 220 with
the crossing at (75, 73), as those of crosses.py do."""

import math
import re

from .geometry import arc, arm_frame, circle, ellipse, join, map_points, poly
from .svg import Charge, charge
from .crosses import cross_outline, four_arms, pattee_end, pointed_foot, square_end


C = (90, 90)          # the crossing of an upright cross in its 180 x 180 box
FC = (75, 73)         # the crossing of a cross fitchy in its 150 x 220 box


def ring(c, outer, inner):
    """An annulet as one shape (drawn even-odd)."""
    return [circle(c, outer), circle(c, inner)]


def at_ends(c, parts, arms=(0, 90, 180, 270)):
    """parts(frame) for each arm: the shapes that end it, in the arm's own frame."""
    out = []
    for th in arms:
        out += parts(arm_frame(c, th))
    return out


def in_frame(f, shape):
    return map_points(shape, f)


def fitchy_outline(arm, foot):
    return cross_outline(FC, [(0, arm), (90, arm), (180, foot), (270, arm)])


# --- Ends of balls and knobs ---------------------------------------------------------------

@charge
def pommy():
    ch = Charge('crosses', 'cros.po', 180, 180, 'A cross pommy: each arm ends in a ball.')
    shapes = [four_arms(C, square_end(66, 13))]
    shapes += at_ends(C, lambda f: [circle(f((67, 0)), 18)])
    ch.union([[s] for s in shapes])
    return ch


@charge
def pommy_fitchy():
    ch = Charge('crosses', 'cros.po7', 150, 220, 'A cross pommy fitchy: a cross pommy whose foot runs on into a point.')
    shapes = [fitchy_outline(square_end(50, 11), pointed_foot(142, 11, 84))]
    shapes += at_ends(FC, lambda f: [circle(f((53, 0)), 14)], arms=(0, 90, 270))
    ch.union([[s] for s in shapes])
    return ch


@charge
def bourdonny():
    ch = Charge('crosses', 'cros.bo', 180, 180,
                'A cross bourdonny: each arm ends in the knob of a pilgrim\'s staff, a collar below a ball.')
    shapes = [four_arms(C, square_end(66, 11))]
    shapes += at_ends(C, lambda f: [circle(f((71, 0)), 14), in_frame(f, poly([(46, 19), (54, 19), (54, -19), (46, -19)]))])
    ch.union([[s] for s in shapes])
    return ch


@charge
def bourdonny_fitchy():
    ch = Charge('crosses', 'cros.bo7', 150, 220,
                'A cross bourdonny fitchy: a cross bourdonny whose foot runs on into a point.')
    shapes = [fitchy_outline(square_end(52, 9), pointed_foot(142, 9, 84))]
    shapes += at_ends(FC, lambda f: [circle(f((56, 0)), 11), in_frame(f, poly([(36, 15), (43, 15), (43, -15), (36, -15)]))],
                      arms=(0, 90, 270))
    ch.union([[s] for s in shapes])
    return ch


@charge
def annuletty():
    ch = Charge('crosses', 'cros.ri', 180, 180, 'A cross annuletty: each arm ends in a ring.')
    shapes = [four_arms(C, square_end(56, 12))]
    shapes += at_ends(C, lambda f: [ring(f((67, 0)), 19, 9)])
    ch.union(shapes, evenodd=True)
    return ch


@charge
def annuletty_fitchy():
    ch = Charge('crosses', 'cros.ri7', 150, 220, 'A cross annuletty fitchy: a cross annuletty whose foot runs on into a point.')
    shapes = [fitchy_outline(square_end(44, 10), pointed_foot(142, 10, 84))]
    shapes += at_ends(FC, lambda f: [ring(f((53, 0)), 15, 7)], arms=(0, 90, 270))
    ch.union(shapes, evenodd=True)
    return ch


@charge
def avellane():
    ch = Charge('crosses', 'cros.av', 180, 180,
                'A cross avellane: each arm ends in a filbert in its husk, an oval bud split at the tip.')
    shapes = [four_arms(C, square_end(40, 10))]
    shapes += at_ends(C, lambda f: [in_frame(f, ellipse((60, 0), 26, 21))])
    ch.union([[s] for s in shapes])
    for th in (0, 90, 180, 270):
        f = arm_frame(C, th)
        ch.line([in_frame(f, poly([(86, 0), (68, 0)]))])
    return ch


# --- Ends cut to points, forks and barbs ---------------------------------------------------

@charge
def urdy():
    ch = Charge('crosses', 'cros.ur', 180, 180, 'A cross urdy: each arm widens near its end and is cut to a point, like a lozenge.')
    ch.fill(four_arms(C, poly([(85, 0), (62, 25), (48, 14), (14, 14)])))
    return ch


@charge
def aiguisee():
    ch = Charge('crosses', 'cros.ai', 180, 180, 'A cross aiguisee (pointed): each arm sharpened to a point at its end.')
    ch.fill(four_arms(C, poly([(85, 0), (62, 18), (18, 18)])))
    return ch


@charge
def fourchy():
    ch = Charge('crosses', 'cros.fo', 180, 180, 'A cross fourchy: each arm ends forked, in two spreading prongs.')
    ch.fill(four_arms(C, poly([(62, 0), (85, 22), (85, 40), (50, 14), (14, 14)])))
    return ch


@charge
def fourchy_fitchy():
    ch = Charge('crosses', 'cros.fo7', 150, 220, 'A cross fourchy fitchy: a cross fourchy whose foot runs on into a point.')
    ch.fill(fitchy_outline(poly([(50, 0), (68, 18), (68, 32), (40, 11), (11, 11)]), pointed_foot(142, 11, 84)))
    return ch


@charge
def barby():
    ch = Charge('crosses', 'cros.ba', 180, 180, 'A cross barby: each arm ends in a barbed arrowhead.')
    ch.fill(four_arms(C, poly([(86, 0), (56, 30), (58, 13), (13, 13)])))
    return ch


@charge
def barby_fitchy():
    ch = Charge('crosses', 'cros.ba7', 150, 220, 'A cross barby fitchy: a cross barby whose foot runs on into a point.')
    ch.fill(fitchy_outline(poly([(67, 0), (44, 24), (46, 11), (11, 11)]), pointed_foot(142, 11, 84)))
    return ch


# --- Ends stepped, hooked, curled and spread -----------------------------------------------

@charge
def degraded():
    ch = Charge('crosses', 'cros.de', 180, 180, 'A cross degraded: each arm stands on three steps at its end.')
    ch.fill(four_arms(C, poly([(85, 0), (85, 40), (75, 40), (75, 30), (65, 30), (65, 20), (55, 20), (55, 11), (11, 11)])))
    return ch


def crampony_outline(c, length, h, hook):
    """Each arm bent at its end into a short cramp, all turned the same way round."""
    arm = poly([(h, -h), (length, -h), (length, hook), (length - 2 * h, hook), (length - 2 * h, h)])
    return join(*[map_points(arm, arm_frame(c, th)) for th in (0, 90, 180, 270)])


@charge
def crampony():
    ch = Charge('crosses', 'cros.cr', 180, 180, 'A cross crampony: each arm ends in a cramp, a short bar bent at a right angle.')
    ch.fill(crampony_outline(C, 85, 13, 50))
    return ch


@charge
def fylfot():
    ch = Charge('crosses', 'fylfot', 180, 180,
                'A fylfot (gammadion): a cross whose arms are bent at right angles, all the same way round.',
                also='gammadio')
    ch.fill(crampony_outline(C, 85, 14, 85))
    return ch


def recercelee_end(k=1.0):
    """An arm split at its end into two horns curling back into round coils."""
    pts = [('M', (64, 0)),
           ('C', (72, 5), (80, 10), (84, 22)),
           ('C', (88, 36), (82, 50), (68, 52)),
           ('C', (56, 54), (48, 44), (52, 34)),
           ('C', (55, 27), (64, 27), (66, 33)),
           ('C', (68, 26), (62, 16), (48, 14)),
           ('L', (14, 14))]
    return map_points(pts, lambda p: (p[0] * k, p[1] * k)) if k != 1.0 else pts


@charge
def recercelee():
    ch = Charge('crosses', 'cros.re', 180, 180, 'A cross recercelee: each arm splits into two horns coiled back like a ram\'s.')
    ch.fill(four_arms(C, recercelee_end()))
    return ch


@charge
def recercelee_fitchy():
    ch = Charge('crosses', 'cros.re7', 150, 220, 'A cross recercelee fitchy: a cross recercelee whose foot runs on into a point.')
    k = 0.78
    ch.fill(fitchy_outline(recercelee_end(k), pointed_foot(142, 14 * k, 84)))
    return ch


def patonce_end(k=1.0):
    """An arm spreading from the centre and ending in three points: a spike and two lobes curled out."""
    pts = [('M', (86, 0)),
           ('L', (80, 20)),
           ('C', (84, 26), (89, 34), (85, 46)),
           ('C', (74, 40), (62, 34), (56, 24)),
           ('C', (40, 16), (24, 11), (11, 11))]
    return map_points(pts, lambda p: (p[0] * k, p[1] * k)) if k != 1.0 else pts


@charge
def patonce():
    ch = Charge('crosses', 'cros.pa', 180, 180, 'A cross patonce: spreading arms, each ending in a spike between two out-curled lobes.')
    ch.fill(four_arms(C, patonce_end()))
    return ch


@charge
def patonce_fitchy():
    ch = Charge('crosses', 'cros.pa7', 150, 220, 'A cross patonce fitchy: a cross patonce whose foot runs on into a point.')
    k = 0.78
    ch.fill(fitchy_outline(patonce_end(k), pointed_foot(142, 11 * k, 84)))
    return ch


@charge
def pattee_alisee():
    ch = Charge('crosses', 'cros.2al', 180, 180,
                'A cross pattee alisee: a cross pattee whose ends are rounded to one circle.', also='cros.al')
    # The end is an arc of the circle through the four ends, centred on the crossing: arc()
    # measures from "up" clockwise, so from 90 degrees on its points are (r cos a, r sin a) in the
    # arm's frame (u out along the arm, v across it).
    r, phi = 85, 24
    end = arc((0, 0), r, 90, 90 + phi)
    tip = (r * math.cos(math.radians(phi)), r * math.sin(math.radians(phi)))
    ch.fill(four_arms(C, end + [('C', (tip[0] - 24, tip[1] * 0.5), (22, 10), (10, 10))]))
    return ch


# --- Crosses with a part at the centre -----------------------------------------------------

@charge
def nowy():
    ch = Charge('crosses', 'cros.no', 180, 180, 'A cross nowy: a cross couped swelling at the crossing into a disc.')
    ch.union([[four_arms(C, square_end(85, 14))], [circle(C, 34)]])
    return ch


@charge
def quadrate():
    ch = Charge('crosses', 'cros.qu', 180, 180, 'A cross quadrate: a cross couped with a square at the crossing.')
    ch.union([[four_arms(C, square_end(85, 14))], [poly([(54, 54), (126, 54), (126, 126), (54, 126)])]])
    return ch


@charge
def potent_quadrate():
    ch = Charge('crosses', 'cros.5qu', 180, 180, 'A cross potent quadrate: a cross potent with a square at the crossing.')
    ch.union([[four_arms(C, poly([(85, 0), (85, 40), (66, 40), (66, 13), (13, 13)]))],
              [poly([(52, 52), (128, 52), (128, 128), (52, 128)])]])
    return ch


@charge
def pattee_quadrate():
    ch = Charge('crosses', 'cros.2qu', 180, 180, 'A cross pattee quadrate: a cross pattee with a square at the crossing.')
    ch.union([[four_arms(C, pattee_end(85, 30, 8))], [poly([(52, 52), (128, 52), (128, 128), (52, 128)])]])
    return ch


@charge
def toulouse():
    ch = Charge('crosses', 'cros.cl', 180, 180,
                'A cross clechy, voided and pommetty (of Toulouse): spreading arms voided, each end with three balls.',
                also='ocros')
    outer = four_arms(C, pattee_end(74, 30, 12))
    inner = four_arms(C, pattee_end(66, 18, 4))
    shapes = [[outer, inner]]
    shapes += [[s] for s in at_ends(C, lambda f: [circle(f((76, 26)), 9), circle(f((76, -26)), 9), circle(f((83, 0)), 9)])]
    ch.union(shapes, evenodd=True)
    return ch


@charge
def celtic():
    ch = Charge('crosses', 'ccros', 150, 220, 'A Celtic cross: a long cross with a ring about the crossing.')
    arm = square_end(68, 12)
    shapes = [[cross_outline(FC, [(0, arm), (90, arm), (180, square_end(142, 12)), (270, arm)])],
              ring(FC, 44, 32)]
    ch.union(shapes, evenodd=True)
    return ch
