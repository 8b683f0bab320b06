"""More forms of the cross, after cross_forms.py: crosses of several bars (patriarchal, papal),
crosses of several parts (Jerusalem, Bowen, the ankh, millrined, moussue, fleurettee), the
further fitchy forms, the cross portate, the cross of Santiago and the cross-staff. Coded and
boxed as the forms of cross_forms.py are."""

import math

from .geometry import arc, arm_frame, circle, ellipse, join, polar, poly
from .svg import Charge, charge
from .crosses import cross_outline, four_arms, pointed_foot, square_end
from .figures import band
from .plants import fleur_parts
from .cross_forms import C, FC, at_ends, fitchy_outline, in_frame, ring


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
