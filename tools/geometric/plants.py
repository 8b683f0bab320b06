"""Plants: foils and roses from circles, leaves from a width profile along a midrib."""

import math

from .style import BLUE, RED
from .geometry import add, angle_of, arc_between, circle, circle_meet, join, lerp, map_points, map_shape, mirror, mirrored, polar, poly, sample, scale, scalloped, smooth, sub
from .svg import Charge, as_shape, charge


def tangent_points(centre, r, p):
    """Where the two tangents from p touch the circle, left one first (as seen from the centre)."""
    a = angle_of(centre, p)
    al = math.degrees(math.acos(r / math.dist(centre, p)))
    return polar(centre, r, a - al), polar(centre, r, a + al)


def foil_outline(c, n, dist, r, point=0.0, start=0.0):
    """n round petals set about c, meeting at cusps; with point > 0 each petal runs out into a
    small point that far beyond its circle."""
    angles = [start + 360.0 * k / n for k in range(n)]
    centres = [polar(c, dist, a) for a in angles]
    meets = []
    for k in range(n):
        p, q = circle_meet(centres[k], r, centres[(k + 1) % n], r)
        meets.append(p if math.dist(p, c) > math.dist(q, c) else q)
    parts = []
    for k in range(n):
        if point > 0:
            tip = polar(c, dist + r + point, angles[k])
            t1, t2 = tangent_points(centres[k], r, tip)
            parts += [arc_between(centres[k], r, meets[k - 1], t1), poly([t1, tip, t2]),
                      arc_between(centres[k], r, t2, meets[k])]
        else:
            parts.append(arc_between(centres[k], r, meets[k - 1], meets[k]))
    return join(*parts)


def lens(p0, p1, bulge, bulge2=None):
    """A pointed oval from p0 to p1 whose sides swell bulge (and bulge2) to either side."""
    bulge2 = bulge if bulge2 is None else bulge2
    d = sub(p1, p0)
    nrm = scale((-d[1], d[0]), 1 / math.hypot(*d))
    k = 4.0 / 3.0
    a = [('M', p0), ('C', add(lerp(p0, p1, 0.2), scale(nrm, bulge * k)),
                         add(lerp(p0, p1, 0.8), scale(nrm, bulge * k)), p1)]
    b = [('M', p1), ('C', sub(lerp(p0, p1, 0.8), scale(nrm, bulge2 * k)),
                         sub(lerp(p0, p1, 0.2), scale(nrm, bulge2 * k)), p0)]
    return join(a, b)


def leaf_frame(base, tip):
    d = sub(tip, base)
    length = math.hypot(*d)
    u = scale(d, 1 / length)
    n = (-u[1], u[0])
    return length, (lambda t, v: add(add(base, scale(u, t * length)), scale(n, v)))


def leaf(base, tip, width, lobes=0, depth=0.0, bend=0.0, steps=36, fat=0.8, spikes=0, closed=True):
    """A leaf from its stalk end to its tip: the half-width follows a swelling profile; lobes
    scallops the edge (oak), spikes makes it jagged (thistle, holly); bend curves the midrib.
    Returns the outline and the midrib."""
    _, at = leaf_frame(base, tip)
    mid = lambda t: bend * width * math.sin(math.pi * t)
    def half(t):
        w = width / 2.0 * math.sin(math.pi * min(1.0, t ** fat)) ** 0.85
        if lobes:
            w *= 1.0 - depth * (0.5 - 0.5 * math.cos(2 * math.pi * lobes * t))
        return w
    if spikes:
        side = []
        for sgn in (1, -1):
            pts = []
            for i in range(2 * spikes + 1):
                t = i / (2.0 * spikes) if i < 2 * spikes else 1.0
                if i % 2 == 1:
                    w = half(min(t + 0.04, 1)) * 1.45 + 2
                    pts.append(at(min(t + 0.05, 1.0), mid(t) + sgn * w))
                else:
                    pts.append(at(t, mid(t) + sgn * half(t) * 0.75))
            side.append(pts)
        outline = poly(side[0] + list(reversed(side[1][1:-1])))
    else:
        right = [at(i / steps, mid(i / steps) + half(i / steps)) for i in range(steps + 1)]
        left = [at(i / steps, mid(i / steps) - half(i / steps)) for i in range(steps + 1)]
        outline = join(smooth(right), smooth(list(reversed(left))))
    rib = smooth([at(i / 8.0, mid(i / 8.0)) for i in range(0, 8)])
    return outline, rib


def stalk(points, w0, w1):
    """A stalk along a smooth line of points, w0 wide at the first and w1 at the last."""
    n = len(points)
    left, right = [], []
    for i, p in enumerate(points):
        a = points[max(i - 1, 0)]
        b = points[min(i + 1, n - 1)]
        d = sub(b, a)
        d = scale(d, 1 / math.hypot(*d))
        w = (w0 + (w1 - w0) * i / (n - 1)) / 2.0
        right.append(add(p, (-d[1] * w, d[0] * w)))
        left.append(add(p, (d[1] * w, -d[0] * w)))
    return join(smooth(right), smooth(list(reversed(left))))


def point_inside(p, pts):
    inside = False
    n = len(pts)
    for i in range(n):
        a, b = pts[i], pts[i - 1]
        if (a[1] > p[1]) != (b[1] > p[1]):
            x = a[0] + (p[1] - a[1]) * (b[0] - a[0]) / (b[1] - a[1])
            if x > p[0]:
                inside = not inside
    return inside


def clipped_lines(lines, outline, inset, step=1.5):
    """Parts of the polylines that lie inside the outline, kept inset pixels away from it."""
    edge = sample(outline, 16)
    out = []
    for line in lines:
        pts = []
        for a, b in zip(line, line[1:]):
            m = max(1, int(math.dist(a, b) / step))
            pts += [lerp(a, b, i / m) for i in range(m)]
        pts.append(line[-1])
        run = []
        for p in pts:
            ok = point_inside(p, edge) and min(math.dist(p, e) for e in edge) > inset
            if ok:
                run.append(p)
            elif run:
                if len(run) > 2:
                    out.append(poly([run[0], run[-1]]) if len(line) == 2 else smooth(run[::3] + [run[-1]]))
                run = []
        if len(run) > 2:
            out.append(poly([run[0], run[-1]]) if len(line) == 2 else smooth(run[::3] + [run[-1]]))
    return out


@charge
def rose():
    ch = Charge('plants', 'rose', 180, 180,
                'A heraldic rose: five petals, barbed (sepals between the petals) and seeded.',
                also='flower mflower')
    c = (90, 86)
    R = 88.5
    barbs = []
    for k in range(5):
        a = 36 + 72 * k
        barbs.append(lens(polar(c, 0.45 * R, a), polar(c, R, a), 9.5))
    ch.fill(barbs, colour=RED, note='barbs (second part)')
    ch.fill(foil_outline(c, 5, 0.5 * R, 0.41 * R), note='the five petals')
    ch.fill(foil_outline(c, 5, 0.2 * R, 0.2 * R, start=36), width=2.5, note='inner petals')
    ch.fill(circle(c, 0.15 * R), colour=BLUE, width=2.5, note='seeds (detail)')
    seeds = [circle(polar(c, 0.085 * R, 60 * k), 1.6) for k in range(6)] + [circle(c, 1.6)]
    ch.solid(seeds)
    return ch


@charge
def cinquefoil():
    ch = Charge('plants', 'cinquefo', 180, 180, 'A cinquefoil pierced: five pointed petals, a hole in the middle.',
                also='frase cinquefo.9')
    c = (90, 94)
    R = 88
    ch.fill([foil_outline(c, 5, 0.52 * R, 0.36 * R, point=0.12 * R), circle(c, 0.15 * R)], evenodd=True)
    return ch


@charge
def quatrefoil():
    ch = Charge('plants', 'quatrefo', 180, 180, 'A quatrefoil: four pointed petals set in cross.', also='primrose')
    c = (90, 90)
    R = 84.5
    ch.fill(foil_outline(c, 4, 0.46 * R, 0.39 * R, point=0.15 * R))
    ch.fill(circle(c, 0.1 * R), width=2.5, note='the heart of the flower')
    return ch


@charge
def trefoil():
    ch = Charge('plants', 'trefoil', 180, 180, 'A trefoil slipped: three round leaves on a short stalk.',
                also='trefoil.sl')
    c = (90, 80)
    leaves = [circle(polar(c, 42, a), 32) for a in (0, 116, 244)]
    slip = stalk([(90, 100), (91, 130), (95, 155), (101, 172)], 15, 11)
    ch.union(leaves + [slip, circle(c, 22)], note='leaves and stalk as one figure')
    return ch


def fleur_parts(f=lambda p: p):
    """The fleur-de-lis in a 180 x 200 box (moved by f), as outlines back to front: the lower
    ends of the side petals, the side petals, the middle petal, its foot below the band, the
    band. Every part is mirrored about the middle line x = 90."""
    side = [('M', (101, 121)),
            ('C', (110, 98), (118, 68), (136, 50)),
            ('C', (152, 34), (175, 36), (174.5, 66)),
            ('C', (174.5, 86), (165, 103), (153, 113)),
            ('C', (158, 96), (158, 80), (147, 76)),
            ('C', (136, 73), (128, 92), (131, 121))]
    lower = [('M', (103, 136)),
             ('C', (107, 160), (126, 178), (163, 176)),
             ('C', (151, 167), (139, 155), (137, 136))]
    middle_half = [('M', (90, 9)),
                   ('C', (97, 27), (121, 46), (121, 78)),
                   ('C', (121, 101), (107, 110), (104, 124))]
    foot_half = [('M', (104, 134)), ('C', (105, 155), (98, 170), (90, 191))]
    band_half = poly([(90, 119), (135, 119), (139, 123), (139, 135), (135, 139), (90, 139)])
    m = lambda sp: map_points(sp, lambda p: mirror(p, 90))
    parts = [('the lower ends of the side petals', [lower, m(lower)]),
             ('the side petals', [side, m(side)]),
             ('the middle petal', [mirrored(middle_half, 90)]),
             ('its foot', [mirrored(foot_half, 90)]),
             ('the band', [mirrored(band_half, 90)])]
    return [(note, [map_points(sp, f) for sp in shapes]) for note, shapes in parts]


@charge
def fleurdelis():
    ch = Charge('plants', 'fleurdel', 180, 200,
                'A fleur-de-lis: a tall middle petal and two petals curling outwards, bound by a band.',
                also='flowerde')
    for note, shapes in fleur_parts():
        for sp in shapes:
            ch.fill(sp, note=note)
            note = None
    return ch


def mirror_shape(shape, axis_x):
    return map_shape(as_shape(shape), lambda p: mirror(p, axis_x))


def scalloped_ellipse(c, rx, ry, n, r, start=0.0):
    """Equal circles set round an ellipse: the crown of a tree."""
    cs = [((c[0] + rx * math.sin(math.radians(start + 360.0 * k / n)),
            c[1] - ry * math.cos(math.radians(start + 360.0 * k / n))), r) for k in range(n)]
    return scalloped(cs, c)
