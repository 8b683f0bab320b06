"""More forms of the cross: ends of their own (pommy, fourchy, recercelee, urdy, barby ...), crosses
with a part at the centre (nowy, quadrate, the Celtic ring), crosses of several bars
(patriarchal, papal), and crosses read from a word before "cross" (Celtic, Jerusalem, Bowen).

A form is coded by two letters of its own (data/vocabulary/charges.words): "cross pommy" is the
picture cros.po and "cross pommy fitchy" cros.po7. The fitchy forms stand in a box 150 x 220 with
the crossing at (75, 73), as those of crosses.py do."""

import math

from .geometry import arc, arm_frame, circle, ellipse, join, map_points, polar, poly
from .svg import Charge, charge
from .crosses import cross_outline, four_arms, pattee_end, pointed_foot, square_end
from .figures import band
from .plants import fleur_parts

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


# --- Crosses of several bars ---------------------------------------------------------------

def barred(name, title, bars, also=None):
    """A long cross of a stem and bars across it: bars are (top, half length) from the top down."""
    ch = Charge('crosses', name, 150, 220, title, also=also)
    h, w = 9, 18
    shapes = [[poly([(75 - h, 5), (75 + h, 5), (75 + h, 215), (75 - h, 215)])]]
    for top, half in bars:
        shapes.append([poly([(75 - half, top), (75 + half, top), (75 + half, top + w), (75 - half, top + w)])])
    ch.union(shapes)
    return ch


@charge
def patriarchal():
    return barred('cros.pt', 'A cross patriarchal (of Lorraine): a long cross with two bars, the upper shorter.',
                  [(36, 38), (86, 68)])


@charge
def papal():
    return barred('cros.pp', 'A cross papal: a long cross with three bars, each shorter than the one below.',
                  [(26, 30), (64, 50), (102, 70)])


# --- Crosses of several parts --------------------------------------------------------------

@charge
def jerusalem():
    ch = Charge('crosses', 'jcros', 180, 180,
                'A Jerusalem cross: a cross potent between four small crosses couped.')
    ch.fill(four_arms(C, poly([(85, 0), (85, 36), (68, 36), (68, 11), (11, 11)])), note='the cross potent')
    for qx, qy in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        q = (90 + qx * 51, 90 + qy * 51)
        ch.fill(four_arms(q, square_end(22, 6)))
    return ch


@charge
def bowen():
    ch = Charge('crosses', 'bcros', 180, 180,
                'A Bowen cross (Bowen knot): a square of cord with a loop at each corner.', also='bknot')
    frame = [poly([(42, 42), (138, 42), (138, 138), (42, 138)]), poly([(56, 56), (124, 56), (124, 124), (56, 124)])]
    shapes = [frame]
    for x, y in ((33, 33), (147, 33), (147, 147), (33, 147)):
        shapes.append(ring((x, y), 28, 15))
    ch.union(shapes, evenodd=True)
    return ch


@charge
def ankh():
    ch = Charge('crosses', 'ankh', 150, 220, 'An ankh: a tau cross with an oval loop above the bar.')
    loop = [ellipse((75, 52), 36, 47), ellipse((75, 54), 20, 30)]
    bar = poly([(5, 96), (145, 96), (145, 120), (5, 120)])
    stem = poly([(63, 96), (87, 96), (92, 215), (58, 215)])
    ch.union([loop, [bar], [stem]], evenodd=True)
    return ch


@charge
def urdy_fitchy():
    ch = Charge('crosses', 'cros.ur7', 150, 220, 'A cross urdy fitchy: a cross urdy whose foot runs on into a point.')
    ch.fill(fitchy_outline(poly([(68, 0), (50, 20), (40, 11), (11, 11)]), pointed_foot(142, 11, 84)))
    return ch


@charge
def aiguisee_fitchy():
    ch = Charge('crosses', 'cros.ai7', 150, 220, 'A cross aiguisee fitchy: a cross aiguisee whose foot runs on into a point.')
    ch.fill(fitchy_outline(poly([(68, 0), (50, 14), (14, 14)]), pointed_foot(142, 14, 84)))
    return ch


@charge
def millrined():
    ch = Charge('crosses', 'cros.mi', 180, 180, 'A cross millrined: each arm ends in two square hooks turned back, like a millrind.')
    ch.fill(four_arms(C, poly([(66, 0), (85, 18), (85, 44), (70, 44), (70, 30), (56, 22), (13, 13)])))
    return ch


@charge
def moussue():
    ch = Charge('crosses', 'cros.mu', 180, 180, 'A cross moussue: a cross couped whose ends are rounded.')
    # arc() runs from "up" clockwise, so from 90 to 180 degrees it goes from (85, 0) on the axis
    # round to (67, 18), where the rounded end meets the side of the arm.
    half = arc((67, 0), 18, 90, 180) + [('L', (18, 18))]
    ch.fill(four_arms(C, half))
    return ch


@charge
def millrined_fitchy():
    ch = Charge('crosses', 'cros.mi7', 150, 220,
                'A cross millrined fitchy: a cross millrined whose foot runs on into a point.')
    ch.fill(fitchy_outline(poly([(51, 0), (66, 14), (66, 34), (55, 34), (55, 23), (44, 17), (11, 11)]),
                           pointed_foot(142, 11, 84)))
    return ch


@charge
def moussue_fitchy():
    ch = Charge('crosses', 'cros.mu7', 150, 220, 'A cross moussue fitchy: a cross moussue whose foot runs on into a point.')
    half = arc((54, 0), 14, 90, 180) + [('L', (14, 14))]
    ch.fill(fitchy_outline(half, pointed_foot(142, 14, 84)))
    return ch


@charge
def fleurettee():
    ch = Charge('crosses', 'cros.fl', 180, 180, 'A cross fleurettee: long straight arms, a small fleur-de-lis issuing from each end.')
    from .plants import fleur_parts
    ch.fill(four_arms(C, square_end(60, 11)), note='the arms')
    k = 0.3
    for th in (0, 90, 180, 270):
        frame = arm_frame(C, th)
        head = fleur_parts(lambda p, frame=frame: frame((87 - k * (p[1] - 9), k * (p[0] - 90))))
        for _, shapes in head[1:3] + head[4:]:
            for sp in shapes:
                ch.fill(sp, width=2.5)
    return ch


# --- Further forms fitchy: the foot runs on into a point -------------------------------------

@charge
def avellane_fitchy():
    ch = Charge('crosses', 'cros.av7', 150, 220,
                'A cross avellane fitchy: a cross avellane whose foot runs on into a point.')
    shapes = [fitchy_outline(square_end(30, 8), pointed_foot(142, 8, 84))]
    shapes += at_ends(FC, lambda f: [in_frame(f, ellipse((46, 0), 20, 16))], arms=(0, 90, 270))
    ch.union([[s] for s in shapes])
    for th in (0, 90, 270):
        f = arm_frame(FC, th)
        ch.line([in_frame(f, poly([(66, 0), (52, 0)]))])
    return ch


@charge
def nowy_fitchy():
    ch = Charge('crosses', 'cros.no7', 150, 220,
                'A cross nowy fitchy: a cross nowy whose foot runs on into a point.')
    ch.union([[fitchy_outline(square_end(66, 11), pointed_foot(142, 11, 84))], [circle(FC, 27)]])
    return ch


@charge
def quadrate_fitchy():
    ch = Charge('crosses', 'cros.qu7', 150, 220,
                'A cross quadrate fitchy: a cross quadrate whose foot runs on into a point.')
    x, y = FC
    ch.union([[fitchy_outline(square_end(66, 11), pointed_foot(142, 11, 84))],
              [poly([(x - 28, y - 28), (x + 28, y - 28), (x + 28, y + 28), (x - 28, y + 28)])]])
    return ch


@charge
def patriarchal_fitchy():
    ch = Charge('crosses', 'cros.pt7', 150, 220,
                'A cross patriarchal fitchy: the cross of two bars, its foot running on into a point.')
    h, w = 9, 16
    stem = poly([(75 - h, 5), (75 + h, 5), (75 + h, 168), (75, 215), (75 - h, 168)])
    shapes = [[stem]]
    for top, half in ((32, 36), (78, 62)):
        shapes.append([poly([(75 - half, top), (75 + half, top), (75 + half, top + w), (75 - half, top + w)])])
    ch.union(shapes)
    return ch


@charge
def fleurettee_fitchy():
    ch = Charge('crosses', 'cros.fl7', 150, 220,
                'A cross fleurettee fitchy: a cross fleurettee whose foot runs on into a point.')
    from .plants import fleur_parts
    ch.fill(fitchy_outline(square_end(46, 9), pointed_foot(142, 9, 84)), note='the arms')
    k = 0.25
    for th in (0, 90, 270):
        frame = arm_frame(FC, th)
        head = fleur_parts(lambda p, frame=frame: frame((71 - k * (p[1] - 9), k * (p[0] - 90))))
        for _, shapes in head[1:3] + head[4:]:
            for sp in shapes:
                ch.fill(sp, width=2.5)
    return ch


# --- More fitchy forms, the cross portate, the cross of Santiago and the cross-staff ---------

@charge
def crosslet_potent_fitchy():
    ch = Charge('crosses', 'cros.157', 150, 220,
                'A cross crosslet potent fitchy: each arm crossed near its end, every end a crutch head, the foot running on into a point.')
    arm = poly([(68, 0), (68, 18), (59, 18), (59, 7), (50, 7), (50, 23), (58, 23), (58, 32), (35, 32), (35, 23), (43, 23),
                (43, 7), (7, 7)])
    foot = join(pointed_foot(142, 7, 84)[:2],
                poly([(84, 7), (58, 7), (58, 23), (66, 23), (66, 32), (43, 32), (43, 23), (50, 23), (50, 7), (7, 7)]))
    ch.fill(fitchy_outline(arm, foot))
    return ch


def anchor_flukes(f, centre_u, radius, half):
    """The two flukes of an anchor at an arm's end: a band curving round the end and back towards
    the crossing, a barb at each tip (in the arm's frame f)."""
    curve = lambda t: f((centre_u + radius * math.cos(math.radians(-105 + 210 * t)),
                         radius * math.sin(math.radians(-105 + 210 * t))))
    out = [[circle(curve(i / 24.0), half)] for i in range(25)]
    for sgn in (1, -1):
        tip_u = centre_u + radius * math.cos(math.radians(105))
        out.append([poly([f((tip_u - 10, sgn * (radius - half - 3))), f((tip_u + 6, sgn * (radius + half + 7))),
                          f((tip_u + 8, sgn * (radius - half - 1)))])])
    return out


@charge
def anchory_fitchy():
    ch = Charge('crosses', 'cros.07', 150, 220,
                'A cross anchory fitchy: a cross anchory whose foot runs on into a point.')
    shapes = [[fitchy_outline(square_end(56, 8), pointed_foot(142, 8, 84))]]
    for th in (0, 90, 270):
        shapes += anchor_flukes(arm_frame(FC, th), 42, 23, 5)
    ch.union(shapes)
    return ch


@charge
def portate():
    ch = Charge('crosses', 'cros.pr', 180, 180,
                'A cross portate: a long cross laid bendwise, as it is carried on the shoulder, its head to dexter chief.')
    top, foot = (14, 14), (170, 170)
    d = 1 / math.sqrt(2)
    bar_c = (top[0] + 50 * d, top[1] + 50 * d)
    bar = (polar(bar_c, 50, 45), polar(bar_c, 50, 225))
    ch.union([[band(top, foot, 11)], [band(bar[0], bar[1], 11)]])
    return ch


@charge
def santiago():
    ch = Charge('crosses', 'santiago', 150, 220,
                'The cross of Santiago (of St James): a cross whose head and arms end in fleurs-de-lis, the foot a long sword blade.')
    c = (75, 66)
    arm = square_end(30, 9)
    blade = [('M', (150, 0)), ('L', (136, 9)), ('L', (24, 9)), ('L', (9, 9))]
    ch.fill(cross_outline(c, [(0, arm), (90, arm), (180, blade), (270, arm)]), note='the cross and the blade')
    ch.line([poly([(75, 96), (75, 204)])], width=2)
    k = 0.33
    for th in (0, 90, 270):
        frame = arm_frame(c, th)
        head = fleur_parts(lambda p, frame=frame: frame((64 - k * (p[1] - 9), k * (p[0] - 90))))
        for _, shapes in head[1:3] + head[4:]:
            for sp in shapes:
                ch.fill(sp, width=2.5)
    ch.fill(poly([(44, 80), (106, 80), (106, 90), (44, 90)]), note='the guard')
    return ch


@charge
def cross_staff():
    ch = Charge('crosses', 'crosssta', 120, 220,
                'A cross-staff: a small cross set on a long staff, as carried before a procession, a knop below the cross.')
    c = (60, 42)
    ch.union([[cross_outline(c, [(0, square_end(36, 9)), (90, square_end(36, 9)), (180, square_end(80, 6)),
                                 (270, square_end(36, 9))])],
              [poly([(54, 100), (66, 100), (66, 206), (60, 216), (54, 206)])], [circle((60, 98), 11)]])
    return ch


@charge
def crampony_fitchy():
    ch = Charge('crosses', 'cros.cr7', 150, 220,
                'A cross crampony fitchy: a cross crampony whose foot runs on into a point.')
    shapes = [[fitchy_outline(square_end(64, 10), pointed_foot(142, 10, 84))]]
    for th in (0, 90, 270):
        f = arm_frame(FC, th)
        shapes.append([in_frame(f, poly([(44, 10), (64, 10), (64, 36), (44, 36)]))])
    ch.union(shapes)
    return ch


@charge
def degraded_fitchy():
    ch = Charge('crosses', 'cros.de7', 150, 220,
                'A cross degraded fitchy: each arm stands on steps, the foot running on below into a point.')
    shapes = [[fitchy_outline(square_end(40, 10), pointed_foot(142, 10, 96))]]
    for th in (0, 90, 270):
        f = arm_frame(FC, th)
        shapes.append([in_frame(f, poly([(40, 10), (48, 10), (48, 20), (56, 20), (56, 30), (64, 30), (64, -30), (56, -30),
                                         (56, -20), (48, -20), (48, -10), (40, -10)]))])
    f = arm_frame(FC, 180)
    shapes.append([in_frame(f, poly([(40, 10), (48, 10), (48, 20), (56, 20), (56, 30), (64, 30), (64, -30), (56, -30),
                                     (56, -20), (48, -20), (48, -10), (40, -10)]))])
    ch.union(shapes)
    return ch


def serpent_head(f, u, sgn):
    """A serpent's head at an arm's end, curling outwards to one side (in the arm's frame f): the
    neck turning back and the jaws open."""
    neck = [f(p) for p in [(u - 16, 0), (u - 2, sgn * 3), (u + 6, sgn * 12), (u + 4, sgn * 20)]]
    from .plants import stalk
    head = [f(p) for p in [(u + 8, sgn * 18), (u + 2, sgn * 30), (u - 8, sgn * 34), (u - 4, sgn * 27),
                           (u - 14, sgn * 25), (u - 2, sgn * 17)]]
    return [[stalk(neck, 11, 9)], [poly(head)]]


@charge
def gringolee():
    ch = Charge('crosses', 'cros.gr', 180, 180,
                "A cross gringolee: each arm ends in two serpents' heads turning outwards.")
    shapes = [[four_arms(C, square_end(66, 11))]]
    for th in (0, 90, 180, 270):
        f = arm_frame(C, th)
        shapes += serpent_head(f, 72, 1) + serpent_head(f, 72, -1)
    ch.union(shapes)
    return ch
