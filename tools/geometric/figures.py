"""Figures of straight bands and plain outlines: stars of more points pierced, the pentagram and
the hexagram, the triangle, the gurges, the cartouche, the die and the chain; the crucifix."""

import math

from .geometry import add, circle, ellipse, join, polar, poly, scale, sub
from .svg import Charge, charge
from .celestial import mullet


@charge
def mullet4_pierced():
    return mullet('mullet4.9', 4, 0.36, 0.5, 'A mullet of four points pierced: a round hole in the middle showing the field.')


@charge
def mullet8_pierced():
    return mullet('mullet8.9', 8, 0.5, 0.55, 'A mullet of eight points pierced: a round hole in the middle showing the field.')


def band(p, q, half):
    """A straight band of half-width `half` from p to q, its ends square."""
    d = sub(q, p)
    n = scale((-d[1], d[0]), half / math.hypot(*d))
    return poly([add(p, n), add(q, n), sub(q, n), sub(p, n)])


@charge
def pentagram():
    ch = Charge('celestial', 'pentagra', 180, 180,
                'A pentagram (pentacle): a star of five points drawn as one interlaced band.', also='pentacle')
    c = (90, 96)
    pts = [polar(c, 86, 72 * k) for k in range(5)]
    bands = [band(pts[k], pts[(k + 2) % 5], 8) for k in range(5)]
    ch.union([[b] for b in bands] + [[circle(p, 8)] for p in pts])
    return ch


@charge
def hexagram():
    ch = Charge('celestial', 'hexagram', 180, 180,
                'A hexagram (star of David): two triangles interlaced, each a band.', also='magendav')
    c = (90, 90)
    outer = [[polar(c, 88, a + 120 * k) for k in range(3)] for a in (0, 60)]
    inner = [[polar(c, 62, a + 120 * k) for k in range(3)] for a in (0, 60)]
    ch.union([[poly(outer[i]), poly(inner[i])] for i in range(2)], evenodd=True)
    return ch


@charge
def triangle():
    ch = Charge('shapes', 'triangle', 180, 160, 'A triangle: three equal sides, a point upwards.')
    ch.fill(poly([(90, 5), (175, 155), (5, 155)]))
    return ch


@charge
def gurges():
    ch = Charge('shapes', 'gurge', 180, 180, 'A gurges (whirlpool): a broad band wound in a spiral from the centre.',
                also='whirlpoo')
    c = (90, 90)
    outer, inner = [], []
    turns, r_end, w = 2.6, 86, 11
    steps = 160
    for i in range(steps + 1):
        t = i / steps
        a = 360 * turns * t
        r = 8 + (r_end - 8) * t
        outer.append(polar(c, r + w * min(1, t * 6) * 0.5, a))
        inner.append(polar(c, max(r - w * min(1, t * 6) * 0.5, 2), a))
    ch.fill(poly(outer + inner[::-1]))
    return ch


@charge
def cartouche():
    ch = Charge('shapes', 'cartouch', 130, 200, 'A cartouche: an upright oval.')
    ch.fill(ellipse((65, 100), 60, 95))
    return ch


@charge
def die():
    ch = Charge('shapes', 'die', 180, 180, 'A die: a cube seen from a corner, its faces pipped.', also='dice')
    top = poly([(90, 5), (172, 45), (90, 85), (8, 45)])
    left = poly([(8, 45), (90, 85), (90, 175), (8, 135)])
    right = poly([(90, 85), (172, 45), (172, 135), (90, 175)])
    ch.fill(left, note='the faces')
    ch.fill(right)
    ch.fill(top)
    pips = [circle((90, 45), 9)]
    pips += [circle(p, 7.5) for p in ((30, 78), (68, 140))]
    pips += [circle(p, 7.5) for p in ((112, 90), (131, 110), (150, 130), (150, 90), (112, 130))]
    ch.solid(pips, note='the pips')
    return ch


@charge
def chain():
    ch = Charge('shapes', 'chain', 220, 120, 'A chain: oval links, each through the next, laid fesswise.')
    links = []
    for k in range(4):
        x = 36 + 49.3 * k
        if k % 2 == 0:
            links.append([ellipse((x, 60), 32, 22), ellipse((x, 60), 19, 9)])
        else:
            links.append([ellipse((x, 60), 32, 12), ellipse((x, 60), 20, 3)])
    for ln in links:
        ch.fill(ln, evenodd=True)
    return ch


def regular(name, n, title):
    ch = Charge('shapes', name, 180, 180, title)
    c = (90, 92 if n % 2 else 90)
    start = 0 if n % 2 else 180.0 / n
    ch.fill(poly([polar(c, 86, start + 360.0 * k / n) for k in range(n)]))
    return ch


@charge
def pentagon():
    return regular('pentagon', 5, 'A pentagon: five equal sides, a point upwards.')


@charge
def hexagon():
    return regular('hexagon', 6, 'A hexagon: six equal sides, flat at the top and the base.')


@charge
def octagon():
    return regular('octagon', 8, 'An octagon: eight equal sides, flat at the top and the base.')



@charge
def crucifix():
    ch = Charge('crosses', 'crucifix', 150, 220,
                'A crucifix: a Latin cross with the figure of Christ on it, the figure the detail part.')
    ch.union([poly([(64, 8), (86, 8), (86, 212), (64, 212)]), poly([(8, 46), (142, 46), (142, 70), (8, 70)])],
             note='the cross, its crossbar a third of the way down')
    # The figure: the head bowed a little, the arms along the crossbar, the body and the legs
    # together down the upright, a cloth about the loins.
    ch.union([[circle((77, 36), 10)],
              band((75, 58), (14, 54), 5.5), band((75, 58), (136, 54), 5.5),
              poly([(63, 52), (87, 52), (84, 104), (66, 104)]),
              poly([(61, 100), (89, 100), (86, 124), (64, 124)]),
              poly([(66, 120), (84, 120), (80, 186), (70, 186)])],
             colour='#0000ff', note='the figure on the cross, in the detail colour')
    return ch
