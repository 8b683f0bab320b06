"""Crosses. An arm is drawn in its own frame: u along the arm from the centre, v across it
(positive on the clockwise side). Only the half with v >= 0 is given, from the end of the arm
on its axis back to the inner corner; the arm is that half and its mirror image."""

import math

from .geometry import arm_frame, circle, join, map_points, mirrored, poly, reverse
from .svg import Charge, charge
from .plants import fleur_parts


def arm_path(half):
    return join(reverse(map_points(half, lambda p: (p[0], -p[1]))), half)


def cross_outline(c, arms):
    """arms: (direction in degrees, right half) for each arm, clockwise from the top."""
    return join(*[map_points(arm_path(half), arm_frame(c, th)) for th, half in arms])


def four_arms(c, half, start=0):
    return cross_outline(c, [(start + 90 * k, half) for k in range(4)])


def square_end(length, h):
    return poly([(length, 0), (length, h), (h, h)])


def crosslet_end(length, h, bar_at, bar_w, bar_half):
    """An arm crossed near its end: the bar's nearer edge at bar_at from the centre."""
    return poly([(length, 0), (length, h), (bar_at + bar_w, h), (bar_at + bar_w, bar_half),
                 (bar_at, bar_half), (bar_at, h), (h, h)])


def pattee_end(length, half_end, half_mid):
    """An arm narrow at the centre, spreading in a hollow curve to a broad straight end."""
    return [('M', (length, 0)), ('L', (length, half_end)),
            ('C', (length - 0.26 * length, half_end * 0.46), (half_mid + 0.22 * length, half_mid),
             (half_mid, half_mid))]


def pointed_foot(length, h, taper_at):
    """The foot of a cross fitchy: the arm narrows to a point."""
    return [('M', (length, 0)), ('C', (length - 0.3 * (length - taper_at), h * 0.55),
                                      (taper_at + 8, h), (taper_at, h)), ('L', (h, h))]


@charge
def cros():
    ch = Charge('crosses', 'cros', 180, 180, 'A cross couped (humetty): a plain cross, arms cut short of the edges.')
    ch.fill(four_arms(ch.c, square_end(85, 20)))
    return ch


@charge
def crosslet():
    ch = Charge('crosses', 'cros.1', 180, 180, 'A cross crosslet: each arm crossed near its end.')
    ch.fill(four_arms(ch.c, crosslet_end(85, 12, 46, 24, 36)))
    return ch


@charge
def pattee():
    ch = Charge('crosses', 'cros.2', 180, 180, 'A cross pattee (formee): arms narrow at the centre, spreading to broad ends.')
    ch.fill(four_arms(ch.c, pattee_end(85, 38, 9)))
    return ch


def moline_end(k=1.0):
    """An arm ending in two horns curled outwards and back, like a millrind."""
    pts = [('M', (71, 0)),
           ('C', (76, 4), (82, 9), (84, 19)),
           ('C', (88, 34), (82, 49), (68, 50)),
           ('C', (59, 51), (54, 46), (52, 39)),
           ('C', (58, 42), (66, 38), (66, 30)),
           ('C', (66, 21), (58, 15), (44, 15)),
           ('L', (15, 15))]
    return map_points(pts, lambda p: (p[0] * k, p[1] * k)) if k != 1.0 else pts


@charge
def moline():
    ch = Charge('crosses', 'cros.3', 180, 180, 'A cross moline: each arm ends in two horns curling outwards.')
    ch.fill(four_arms(ch.c, moline_end()))
    return ch


@charge
def flory():
    ch = Charge('crosses', 'cros.4', 180, 180, 'A cross flory: each arm ends in the head of a fleur-de-lis.')
    c = ch.c
    ch.fill(four_arms(c, square_end(38, 12)), note='the arms')
    k = 0.41
    for th in (0, 90, 180, 270):
        frame = arm_frame(c, th)
        head = fleur_parts(lambda p, frame=frame: frame((82.5 - k * (p[1] - 9), k * (p[0] - 90))))
        for _, shapes in head[1:3] + head[4:]:
            for sp in shapes:
                ch.fill(sp, width=2.5)
    return ch


@charge
def potent():
    ch = Charge('crosses', 'cros.5', 180, 180, 'A cross potent: each arm ends in a crutch head (a T).')
    ch.fill(four_arms(ch.c, poly([(85, 0), (85, 42), (60, 42), (60, 14), (14, 14)])))
    return ch


@charge
def botonny():
    ch = Charge('crosses', 'cros.6', 180, 180, 'A cross botonny: each arm ends in three round buds, like a trefoil.')
    c = ch.c
    shapes = [four_arms(c, square_end(62, 12))]
    for k in range(4):
        f = arm_frame(c, 90 * k)
        shapes.append(circle(f((68, 0)), 15.5))
        shapes.append(circle(f((54, 19)), 14))
        shapes.append(circle(f((54, -19)), 14))
    ch.union([[s] for s in shapes])
    return ch


def fitchy(name, title, c, arm, foot):
    ch = Charge('crosses', name, 150, 220, title)
    ch.fill(cross_outline(c, [(0, arm), (90, arm), (180, foot), (270, arm)]))
    return ch


@charge
def cross_fitchy():
    return fitchy('cros.7', 'A cross fitchy: a plain cross, its foot sharpened to a point.',
                  (75, 73), square_end(68, 15), pointed_foot(142, 15, 84))


@charge
def crosslet_fitchy():
    arm = crosslet_end(68, 10, 38, 19, 28)
    foot = join(pointed_foot(139, 10, 84)[:2], poly([(84, 10), (57, 10), (57, 28), (38, 28), (38, 10), (10, 10)]))
    return fitchy('cros.17', 'A cross crosslet fitchy: a crosslet whose foot runs on into a point.',
                  (75, 73), arm, foot)


@charge
def pattee_fitchy():
    arm = pattee_end(68, 31, 8)
    foot = poly([(142, 0), (70, 12), (70, 31)]) + [pattee_end(70, 31, 8)[2]]
    return fitchy('cros.27', 'A cross pattee fitchy: a cross pattee with a spike below its foot.',
                  (75, 73), arm, foot)


@charge
def potent_fitchy():
    arm = poly([(68, 0), (68, 33), (49, 33), (49, 11), (11, 11)])
    foot = join(pointed_foot(142, 11, 86)[:2], poly([(86, 11), (68, 11), (68, 33), (49, 33), (49, 11), (11, 11)]))
    return fitchy('cros.57', 'A cross potent fitchy: a cross potent whose foot runs on below its crutch into a point.',
                  (75, 73), arm, foot)


@charge
def botonny_fitchy():
    ch = Charge('crosses', 'cros.67', 150, 220,
                'A cross botonny fitchy: a cross botonny whose foot runs on below its buds into a point.')
    c = (75, 73)
    arm = square_end(50, 10)
    shapes = [cross_outline(c, [(0, arm), (90, arm), (180, pointed_foot(142, 10, 84)), (270, arm)])]
    for k in range(4):
        f = arm_frame(c, 90 * k)
        shapes.append(circle(f((55, 0)), 12.5))
        shapes.append(circle(f((44, 15)), 11))
        shapes.append(circle(f((44, -15)), 11))
    ch.union([[s] for s in shapes])
    return ch


@charge
def moline_fitchy():
    k = 0.78
    return fitchy('cros.37', 'A cross moline fitchy: a cross moline whose foot runs on into a point.',
                  (75, 73), moline_end(k), pointed_foot(142, 15 * k, 84))


@charge
def flory_fitchy():
    ch = Charge('crosses', 'cros.47', 150, 220,
                'A cross flory fitchy: a cross flory whose foot runs on into a point.')
    c = (75, 73)
    arm = square_end(34, 10)
    ch.fill(cross_outline(c, [(0, arm), (90, arm), (180, pointed_foot(142, 10, 84)), (270, arm)]),
            note='the arms')
    k = 0.34
    for th in (0, 90, 270):
        frame = arm_frame(c, th)
        head = fleur_parts(lambda p, frame=frame: frame((69 - k * (p[1] - 9), k * (p[0] - 90))))
        for _, shapes in head[1:3] + head[4:]:
            for sp in shapes:
                ch.fill(sp, width=2.5)
    return ch


@charge
def maltese():
    ch = Charge('crosses', 'cros.8', 180, 180, 'A Maltese cross (cross of eight points): four spreading arms, each notched at its end.',
                also='mcros')
    ch.fill(four_arms(ch.c, poly([(60, 0), (82, 38), (3, 3)])))
    return ch


@charge
def tau():
    ch = Charge('crosses', 'tcros', 180, 180, 'A tau cross (cross of St Anthony): a T, the ends slightly spread.')
    half = [('M', (90, 5)), ('L', (175, 5)), ('L', (175, 56)),
            ('C', (150, 52), (118, 54), (112, 70)), ('L', (112, 148)),
            ('C', (113, 162), (120, 172), (128, 175)), ('L', (90, 175))]
    ch.fill(mirrored(half, 90))
    return ch


def couped_saltire(name, h, title):
    """A saltire couped: the couped cross turned a quarter of a right angle, arms 2h broad, each
    end cut square across its arm so that its two outer corners reach the edges of the box."""
    ch = Charge('crosses', name, 180, 180, title)
    ch.fill(four_arms(ch.c, square_end(85 * math.sqrt(2) - h, h), start=45))
    return ch


@charge
def saltorel():
    # The diminutive of the saltire: narrower arms than the saltire couped.
    return couped_saltire('saltorel', 14, 'A saltorel: a small saltire couped, the ends cut square.')


@charge
def saltire():
    # The ordinary saltire as a charge ("a saltire couped"), arms as broad as the couped cross's.
    return couped_saltire('saltire', 20, 'A saltire couped: a saltire whose arms stop short of the edges, the ends cut square.')


@charge
def saltire_nowy():
    # "a saltire nowy couped": the saltire couped, its arms a little narrower, swelling at the
    # crossing into a disc as the cross nowy does.
    ch = Charge('crosses', 'saltire.no', 180, 180, 'A saltire nowy: a saltire couped swelling at the crossing into a disc.')
    ch.union([[four_arms(ch.c, square_end(85 * math.sqrt(2) - 16, 16), start=45)], [circle(ch.c, 36)]])
    return ch


@charge
def calvary():
    ch = Charge('crosses', 'crossc', 160, 220, 'A cross calvary: a long cross standing on three steps (grieces).',
                also='calvary')
    c = (80, 52)
    foot = square_end(100, 12)
    ch.fill(cross_outline(c, [(0, square_end(47, 12)), (90, square_end(52, 12)), (180, foot),
                              (270, square_end(52, 12))]), note='the cross')
    steps = poly([(49, 145), (111, 145), (111, 170), (133, 170), (133, 195), (155, 195), (155, 215),
                  (5, 215), (5, 195), (27, 195), (27, 170), (49, 170)])
    ch.fill(steps, note='the three steps')
    ch.line([poly([(49, 170), (111, 170)]), poly([(27, 195), (133, 195)])], width=2.5, cap='butt')
    return ch
