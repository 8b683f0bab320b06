"""Beasts and birds drawn facing the viewer (affronty): the lion sejant affronty, the eagle close
affronty. The figure is symmetric
about its middle, the tail and the bird's head aside: one half of each part is set and mirrored, the limbs are bands
joined at round knees, and the mane is a ring of pointed locks about the face."""

import math

from .style import RED
from .geometry import circle, ellipse, mirrored, polar, poly, smooth
from .svg import Charge, charge
from .creatures import both_sides, limb
from .more_objects import discs


def mane(c, r_in, r_out, locks):
    """A ring of pointed locks about c: a star of `locks` points, reaching r_out, its notches at r_in."""
    points = []
    for k in range(2 * locks):
        # the points lean a little round the ring, as locks blown back
        a = 90 + 180.0 * k / locks + (6 if k % 2 == 0 else 0)
        points.append(polar(c, r_out if k % 2 == 0 else r_in, a))
    return poly(points)


def lion_face(ch, c, r):
    """A lion's face seen full: the mane, ears, a face narrowing to the muzzle, brows, eyes, the
    nose and the tongue out of the mouth."""
    x, y = c
    ch.fill(mane((x, y + r * 0.15), r * 1.1, r * 1.75, 15), note='the mane')
    ch.union(both_sides([[poly([(x - r * 0.95, y - r * 0.95), (x - r * 0.35, y - r * 0.75), (x - r * 0.8, y - r * 0.35)])]], x),
             note='the ears')
    half = smooth([(x, y - r), (x + r * 0.75, y - r * 0.7), (x + r * 0.85, y), (x + r * 0.45, y + r * 0.75), (x, y + r * 0.95)])
    ch.fill(mirrored(half, x), note='the face')
    ch.fill(poly([(x - 5, y + r * 0.6), (x + 5, y + r * 0.6), (x + 4, y + r * 1.15), (x, y + r * 1.25), (x - 4, y + r * 1.15)]),
            colour=RED, note='the tongue')
    ch.line([poly([(x - r * 0.35, y + r * 0.5), (x, y + r * 0.62), (x + r * 0.35, y + r * 0.5)]),
             poly([(x, y + r * 0.3), (x, y + r * 0.62)]),
             poly([(x - r * 0.6, y - r * 0.5), (x - r * 0.12, y - r * 0.32)]),
             poly([(x + r * 0.6, y - r * 0.5), (x + r * 0.12, y - r * 0.32)])],
            note='the mouth and the frowning brows')
    ch.solid([circle((x - r * 0.33, y - r * 0.18), 3.5), circle((x + r * 0.33, y - r * 0.18), 3.5),
              poly([(x - 8, y + r * 0.18), (x + 8, y + r * 0.18), (x, y + r * 0.34)])], note='the eyes and the nose')


def paw(ch, at, width):
    """A paw seen from before, resting on the ground, its claws spread under it."""
    x, y = at
    claws = [[poly([(x + d - 3, y - 2), (x + d + 3, y - 2), (x + d * 1.3, y + 10)])] for d in (-width * 0.35, 0, width * 0.35)]
    ch.union(claws, colour=RED, note='the claws')
    ch.fill(ellipse((x, y - 6), width / 2, 10), note='the paw')


@charge
def lion_sejant_affronty():
    ch = Charge('lions', 'lion.5af', 200, 240, 'A lion sejant affronty: sitting and facing the viewer, the forelegs'
                ' straight before the chest, the hind legs drawn up at the sides, the tail raised behind and'
                ' tufted, the face full within its mane.')
    ax = 100
    spine = [(146, 200), (178, 176), (186, 130), (178, 92)]
    along = lambda t: spine[0] if t <= 0 else _along(spine, t)
    tuft = poly([(178, 96), (164, 80), (170, 64), (162, 44), (178, 54), (184, 34), (192, 56), (198, 74), (188, 96)])
    ch.union(discs(along, lambda t: 6.5 - 2 * t) + [[tuft]], note='the tail and its tuft')
    haunch = [[ellipse((56, 182), 36, 36)]] + limb([(46, 200), (40, 220)], 12)
    ch.union(both_sides(haunch, ax), note='the haunches and the hind legs')
    for sgn in (1, -1):
        paw(ch, (ax + sgn * 60, 228), 32)
    ch.fill(mirrored(smooth([(ax, 90), (ax + 40, 104), (ax + 46, 150), (ax + 34, 198), (ax, 206)]), ax), note='the body')
    for sgn in (1, -1):
        x = ax + sgn * 19
        leg = smooth([(x - 15, 112), (x - 12, 150), (x - 8, 196), (x - 12, 222), (x + 12, 222), (x + 8, 196), (x + 12, 150),
                      (x + 15, 112)])
        ch.fill(leg, note='a foreleg')
        paw(ch, (x, 228), 30)
    lion_face(ch, (ax, 62), 30)
    return ch


def _along(points, t):
    """The point a fraction t along the polyline through points, by length."""
    lengths = [math.dist(p, q) for p, q in zip(points, points[1:])]
    goal = t * sum(lengths)
    for (p, q), d in zip(zip(points, points[1:]), lengths):
        if goal <= d:
            return (p[0] + (q[0] - p[0]) * goal / d, p[1] + (q[1] - p[1]) * goal / d)
        goal -= d
    return points[-1]


@charge
def eagle_close_affronty():
    ch = Charge('birds', 'eagle.3af', 160, 220, 'An eagle close affronty: standing and facing the viewer, the wings folded'
                ' down its sides, the tail between the legs, the head turned in profile to dexter.', also='vulture.3af')
    ax = 80
    tail = poly([(ax - 18, 170), (ax + 18, 170), (ax + 24, 214), (ax + 8, 206), (ax, 216), (ax - 8, 206), (ax - 24, 214)])
    legs = both_sides(limb([(ax - 16, 160), (ax - 40, 198)], 7), ax)
    ch.union([[tail]] + legs, note='the tail and the legs')
    for sgn in (1, -1):
        x = ax + sgn * 42
        talons = [(x - 12, 196), (x + 12, 196), (x + 14 * sgn, 212), (x + 4 * sgn, 205), (x, 216), (x - 4 * sgn, 205),
                  (x - 14 * sgn, 212)]
        ch.fill(poly(talons), colour=RED, note='a foot and its talons')
    ch.fill(mirrored(smooth([(ax, 52), (ax + 34, 66), (ax + 40, 120), (ax + 22, 170), (ax, 176)]), ax), note='the body')
    feathers = []
    for sgn in (1, -1):
        # a wing folded down the side: from the shoulder to the tips crossing below the body
        wing = [(ax + sgn * 30, 58), (ax + sgn * 58, 84), (ax + sgn * 62, 130), (ax + sgn * 40, 178),
                (ax + sgn * 10, 196), (ax + sgn * 22, 150), (ax + sgn * 30, 100)]
        ch.fill(smooth(wing, closed=True), note='a wing folded')
        feathers += [poly([(ax + sgn * 34, 110), (ax + sgn * 56, 118)]), poly([(ax + sgn * 30, 134), (ax + sgn * 54, 144)]),
                     poly([(ax + sgn * 24, 158), (ax + sgn * 44, 170)])]
    feathers += [smooth([(ax - 14, 80), (ax, 88), (ax + 14, 80)]), smooth([(ax - 14, 100), (ax, 108), (ax + 14, 100)])]
    ch.line(feathers, note='the feathers of the wings and the breast')
    ch.fill(circle((ax - 2, 38), 22), note='the head')
    ch.fill(poly([(ax - 20, 30), (ax - 44, 38), (ax - 40, 48), (ax - 28, 44), (ax - 18, 46)]), colour=RED, note='the beak')
    ch.solid([circle((ax - 8, 32), 3.5)], note='the eye')
    return ch
