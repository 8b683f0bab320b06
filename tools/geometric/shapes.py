"""Plain shapes."""

import math

from .style import CONTOUR, WHITE
from .geometry import add, arc_between, circle, join, mirrored, miter_box, polar, poly, scale, sub
from .svg import Charge, charge
from .crosses import cross_outline, square_end


def fit_polygon(pts, w, h, edge=3.6):
    """The polygon scaled about the box's centre until its mitred contour touches the margin."""
    c = (w / 2.0, h / 2.0)
    for _ in range(4):
        x0, y0, x1, y1 = miter_box(pts)
        k = min((c[0] - edge) / max(c[0] - x0, x1 - c[0]), (c[1] - edge) / max(c[1] - y0, y1 - c[1]))
        pts = [add(c, scale(sub(p, c), k)) for p in pts]
    return pts


def lozenge_points(w, h):
    return fit_polygon([(w / 2.0, 0), (w, h / 2.0), (w / 2.0, h), (0, h / 2.0)], w, h)


def shrunk(pts, c, k):
    return [add(c, scale(sub(p, c), k)) for p in pts]


@charge
def annulet():
    ch = Charge('shapes', 'annulet', 180, 180, 'An annulet: a ring, the field showing through it.')
    ch.fill([circle((90, 90), 86), circle((90, 90), 60)], evenodd=True)
    return ch


@charge
def roundel():
    ch = Charge('shapes', 'roundel', 180, 180, 'A roundel: a plain disc.')
    ch.fill(circle((90, 90), 86))
    return ch


@charge
def lozenge():
    ch = Charge('shapes', 'lozenge', 120, 180, 'A lozenge: an upright diamond.')
    ch.fill(poly(lozenge_points(120, 180)))
    return ch


@charge
def fusil():
    ch = Charge('shapes', 'fusil', 90, 200, 'A fusil: a narrow, elongated lozenge.')
    ch.fill(poly(lozenge_points(90, 200)))
    return ch


@charge
def mascle():
    ch = Charge('shapes', 'mascle', 120, 180, 'A mascle: a lozenge voided, the field showing through.')
    pts = lozenge_points(120, 180)
    ch.fill([poly(pts), poly(shrunk(pts, (60, 90), 0.5))], evenodd=True)
    return ch


@charge
def rustre():
    ch = Charge('shapes', 'rustre', 120, 180, 'A rustre: a lozenge pierced with a round hole.')
    ch.fill([poly(lozenge_points(120, 180)), circle((60, 90), 19)], evenodd=True)
    return ch


@charge
def billet():
    ch = Charge('shapes', 'billet', 110, 180, 'A billet: an upright oblong.')
    ch.fill(poly([(5, 5), (105, 5), (105, 175), (5, 175)]))
    return ch


@charge
def delf():
    ch = Charge('shapes', 'delf', 180, 180, 'A delf: a square.')
    ch.fill(poly([(5, 5), (175, 5), (175, 175), (5, 175)]))
    return ch


@charge
def escutcheon():
    ch = Charge('shapes', 'escutche', 160, 190, 'An escutcheon: a small heater-shaped shield.', also='shield')
    half = [('M', (80, 5)), ('L', (155, 5)), ('L', (155, 88)),
            ('C', (155, 130), (126, 162), (80, 184))]
    ch.fill(mirrored(half, 80))
    return ch


@charge
def heart():
    ch = Charge('shapes', 'heart', 180, 180, 'A heart, point downwards (also a man\'s heart: "mans" and "heart" make the name manshear).',
                also='hheart manshear menshear')
    lobe, r = (130.5, 52), 43
    notch = (90, lobe[1] - math.sqrt(r * r - (lobe[0] - 90) ** 2))
    a_end = 122
    p_end = polar(lobe, r, a_end)
    t = polar((0, 0), 1, a_end + 90)          # direction of the arc where it ends
    point = (90, 174)
    half = join(arc_between(lobe, r, notch, p_end),
                [('M', p_end), ('C', add(p_end, scale(t, 40)), (104, 150), point)])
    ch.fill(mirrored(half, 90))
    return ch


@charge
def fret():
    ch = Charge('shapes', 'fret', 180, 180, 'A fret: a mascle interlaced with a saltire couped.')
    c = (90, 90)
    band = 19
    h = band / 2.0
    out_r = 64                               # half diagonal of the mascle
    in_r = out_r - band * math.sqrt(2)
    outer = [polar(c, out_r, a) for a in (0, 90, 180, 270)]
    inner = [polar(c, in_r, a) for a in (0, 90, 180, 270)]
    ch.fill([poly(outer), poly(inner)], evenodd=True, note='the mascle')
    length = 85.5 * math.sqrt(2) - h
    for a in (135, 45):
        bar = cross_outline(c, [(a, square_end(length, h)), (a + 180, square_end(length, h))])
        ch.fill(bar, note='a bar of the saltire')
    # Where the mascle passes over the bar running from dexter base to sinister chief, draw that
    # stretch of the mascle again on top.
    for a in (45, 225):
        mid_out = polar(c, out_r / math.sqrt(2), a)
        mid_in = polar(c, in_r / math.sqrt(2), a)
        along = polar((0, 0), 1, a + 90)
        reach = h + 4
        patch = poly([add(mid_out, scale(along, reach)), add(mid_in, scale(along, reach)),
                      sub(mid_in, scale(along, reach)), sub(mid_out, scale(along, reach))])
        ch.solid(patch, colour=WHITE, note='the mascle over the bar')
        ch.line([poly([add(mid_out, scale(along, reach)), sub(mid_out, scale(along, reach))]),
                 poly([add(mid_in, scale(along, reach)), sub(mid_in, scale(along, reach))])],
                width=CONTOUR, cap='butt')
    return ch
