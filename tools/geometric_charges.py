#!/usr/bin/env python3
"""Writes the SVG sources of the geometric charges: crosses, celestial charges, plants, shapes.

The SVG files under data/charges/ are the committed sources the build reads; this script is how
they were drawn. It builds every symmetric charge from computed geometry (points on circles,
mirrored halves, bars, circle unions) and writes readable, indented SVG with one comment naming
the charge. Run it from anywhere:

    python3 tools/geometric_charges.py            # every charge
    python3 tools/geometric_charges.py mullet rose  # only these picture names

Colours follow data/charges/DRAWING.md: #000000 outline, #ffffff body, #ff0000 second part,
#0000ff detail, nothing painted elsewhere.
"""

import math
import os
import sys

CHARGES_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'charges')

BLACK, WHITE, RED, BLUE = '#000000', '#ffffff', '#ff0000', '#0000ff'
CONTOUR = 3      # contour stroke width at the picture's own size
INNER = 2        # inner lines
MARGIN = 5       # geometric edge of a picture; the stroke then stays off the unpainted rows


# ---------------------------------------------------------------------------------------------
# Paths. A subpath is a list: [('M', p), ('L', p) | ('C', c1, c2, p), ...]; points are (x, y)
# in picture pixels, y downwards. A shape is a list of subpaths.

def add(p, q):
    return (p[0] + q[0], p[1] + q[1])


def sub(p, q):
    return (p[0] - q[0], p[1] - q[1])


def scale(p, k):
    return (p[0] * k, p[1] * k)


def lerp(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


def polar(c, r, deg):
    """Point at distance r from c; 0 degrees is straight up, angles grow clockwise."""
    a = math.radians(deg)
    return (c[0] + r * math.sin(a), c[1] - r * math.cos(a))


def rotate(p, deg, c):
    a = math.radians(deg)
    dx, dy = p[0] - c[0], p[1] - c[1]
    return (c[0] + dx * math.cos(a) - dy * math.sin(a), c[1] + dx * math.sin(a) + dy * math.cos(a))


def mirror(p, axis_x):
    return (2 * axis_x - p[0], p[1])


def seg_end(seg):
    return seg[-1]


def map_points(sp, f):
    return [(s[0],) + tuple(f(p) for p in s[1:]) for s in sp]


def map_shape(shape, f):
    return [map_points(sp, f) for sp in shape]


def reverse(sp):
    """The same subpath walked the other way."""
    out = [('M', seg_end(sp[-1]))]
    for i in range(len(sp) - 1, 0, -1):
        prev = seg_end(sp[i - 1])
        s = sp[i]
        if s[0] == 'C':
            out.append(('C', s[2], s[1], prev))
        else:
            out.append(('L', prev))
    return out


def join(*parts):
    """Concatenate open subpaths, drawing a line where one does not start where the last ended."""
    out = list(parts[0])
    for part in parts[1:]:
        start = part[0][1]
        end = seg_end(out[-1])
        if math.dist(start, end) > 1e-6:
            out.append(('L', start))
        out.extend(part[1:])
    return out


def mirrored(half, axis_x):
    """A closed outline from its right half: the half, then its mirror image walked back."""
    return join(half, reverse(map_points(half, lambda p: mirror(p, axis_x))))


def rotated_copies(part, n, c, start=0.0):
    """part drawn n times around c (a closed outline when part runs from one join to the next)."""
    pieces = [map_points(part, lambda p, k=k: rotate(p, start + 360.0 * k / n, c)) for k in range(n)]
    return join(*pieces)


def poly(points):
    return [('M', points[0])] + [('L', p) for p in points[1:]]


def cubic(p0, c1, c2, p1):
    return [('M', p0), ('C', c1, c2, p1)]


def arc(c, r, a0, a1, rx=None):
    """Arc of a circle (or an ellipse with radii rx, r) from angle a0 to a1 (see polar)."""
    rx = r if rx is None else rx
    n = max(1, int(math.ceil(abs(a1 - a0) / 90.0 - 1e-9)))
    step = (a1 - a0) / n
    k = 4.0 / 3.0 * math.tan(math.radians(step) / 4.0)
    pt = lambda a: (c[0] + rx * math.sin(math.radians(a)), c[1] - r * math.cos(math.radians(a)))
    tan = lambda a: (rx * math.cos(math.radians(a)), r * math.sin(math.radians(a)))
    out = [('M', pt(a0))]
    for i in range(n):
        b0, b1 = a0 + step * i, a0 + step * (i + 1)
        p0, p1 = pt(b0), pt(b1)
        t0, t1 = tan(b0), tan(b1)
        out.append(('C', add(p0, scale(t0, k)), sub(p1, scale(t1, k)), p1))
    return out


def circle(c, r):
    return arc(c, r, 0, 360)


def ellipse(c, rx, ry):
    return arc(c, ry, 0, 360, rx=rx)


def angle_of(c, p):
    """Inverse of polar: the angle of p seen from c, 0 up, clockwise."""
    return math.degrees(math.atan2(p[0] - c[0], -(p[1] - c[1])))


def arc_between(c, r, p, q, clockwise=True):
    """Arc of the circle (c, r) from point p to point q, both on the circle."""
    a0, a1 = angle_of(c, p), angle_of(c, q)
    if clockwise:
        while a1 <= a0:
            a1 += 360
    else:
        while a1 >= a0:
            a1 -= 360
    return arc(c, r, a0, a1)


def circle_meet(c0, r0, c1, r1):
    """The two crossing points of two circles; the first lies to the left of c0 -> c1."""
    d = math.dist(c0, c1)
    a = (r0 * r0 - r1 * r1 + d * d) / (2 * d)
    h = math.sqrt(max(r0 * r0 - a * a, 0.0))
    ux, uy = (c1[0] - c0[0]) / d, (c1[1] - c0[1]) / d
    m = (c0[0] + a * ux, c0[1] + a * uy)
    return (m[0] + h * uy, m[1] - h * ux), (m[0] - h * uy, m[1] + h * ux)


def smooth(points, closed=False, tension=1.0):
    """A curve through the points (Catmull-Rom written as cubic Beziers)."""
    pts = list(points)
    n = len(pts)
    out = [('M', pts[0])]
    last = n if closed else n - 1
    for i in range(last):
        p0 = pts[(i - 1) % n] if (closed or i > 0) else pts[i]
        p1, p2 = pts[i], pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if (closed or i + 2 < n) else p2
        c1 = add(p1, scale(sub(p2, p0), tension / 6.0))
        c2 = sub(p2, scale(sub(p3, p1), tension / 6.0))
        out.append(('C', c1, c2, p2))
    return out


def ring_union(c, n, dist, r, start=0.0):
    """Outer outline of n equal circles set round c (petals, foils, leaf clusters)."""
    centres = [polar(c, dist, start + 360.0 * k / n) for k in range(n)]
    meets = []
    for k in range(n):
        a, b = centres[k], centres[(k + 1) % n]
        p, q = circle_meet(a, r, b, r)
        meets.append(p if math.dist(p, c) > math.dist(q, c) else q)
    parts = [arc_between(centres[k], r, meets[k - 1], meets[k]) for k in range(n)]
    return join(*parts)


def sample(sp, per_curve=12):
    pts = [sp[0][1]]
    cur = sp[0][1]
    for s in sp[1:]:
        if s[0] == 'C':
            for i in range(1, per_curve + 1):
                t = i / per_curve
                u = 1 - t
                pts.append(tuple(u ** 3 * cur[j] + 3 * u * u * t * s[1][j] + 3 * u * t * t * s[2][j]
                                 + t ** 3 * s[3][j] for j in range(2)))
        elif s[0] in ('L', 'M'):
            pts.append(s[1])
        cur = seg_end(s)
    return pts


# ---------------------------------------------------------------------------------------------
# Writing SVG.

def num(x):
    s = '%.1f' % x
    if s.endswith('.0'):
        s = s[:-2]
    return '0' if s == '-0' else s


def pt(p):
    return num(p[0]) + ',' + num(p[1])


def path_data(shape, indent, close=True):
    """The d attribute: one subpath per line (long ones wrapped), closed with Z where asked."""
    lines = []
    for sp in shape:
        segs = list(sp)
        shut = close or math.dist(sp[0][1], seg_end(sp[-1])) < 0.05
        if shut and len(segs) > 2 and segs[-1][0] == 'L' and math.dist(sp[0][1], seg_end(sp[-1])) < 0.05:
            segs.pop()
        row = []
        for s in segs:
            row.append(s[0] + ' ' + ' '.join(pt(p) for p in s[1:]))
            if len(' '.join(row)) > 70:
                lines.append(' '.join(row))
                row = []
        if row:
            lines.append(' '.join(row))
        if shut:
            lines[-1] += ' Z'
    return ('\n' + indent).join(lines)


def as_shape(x):
    """A subpath alone is a shape of one subpath."""
    return [x] if x and x[0][0] == 'M' else x


class Charge:
    def __init__(self, folder, name, width, height, title, also=None):
        assert width * height <= 114000, name
        self.folder, self.name, self.w, self.h = folder, name, width, height
        self.title, self.also = title, also
        self.body_lines = []
        self.defs = []
        self.ids = 0

    @property
    def c(self):
        return (self.w / 2.0, self.h / 2.0)

    def note(self, text):
        self.body_lines.append('  <!-- %s -->' % text)

    def _path(self, shape, attrs, note=None, close=True):
        shape = as_shape(shape)
        if note:
            self.note(note)
        self.body_lines.append('  <path %s\n        d="%s"/>' % (attrs, path_data(shape, ' ' * 11, close)))

    def fill(self, shape, colour=WHITE, width=CONTOUR, note=None, evenodd=False, join='miter'):
        """A part with its own contour, drawn over what came before."""
        attrs = 'fill="%s" stroke="%s" stroke-width="%s"' % (colour, BLACK, num(width))
        if join != 'miter':
            attrs += ' stroke-linejoin="%s"' % join
        if evenodd:
            attrs += ' fill-rule="evenodd"'
        self._path(shape, attrs, note)

    def solid(self, shape, colour=BLACK, note=None, evenodd=False):
        """A part filled without a contour (black details: eyes, seeds)."""
        attrs = 'fill="%s"' % colour
        if evenodd:
            attrs += ' fill-rule="evenodd"'
        self._path(shape, attrs, note)

    def line(self, shape, width=INNER, note=None, cap='round'):
        """Inner lines: stroked, not filled."""
        attrs = 'fill="none" stroke="%s" stroke-width="%s" stroke-linecap="%s" stroke-linejoin="round"' % (
            BLACK, num(width), cap)
        self._path(shape, attrs, note, close=False)

    def union(self, shapes, colour=WHITE, width=CONTOUR, note=None, evenodd=False):
        """Parts merged into one silhouette: a wide black copy first, the bodies on top, so only
        the outer contour (and the edges of holes) shows."""
        self.ids += 1
        ident = '%s-%d' % (self.name.replace('.', '-'), self.ids)
        self.defs.append('    <g id="%s"%s>' % (ident, ' fill-rule="evenodd"' if evenodd else ''))
        for shape in map(as_shape, shapes):
            self.defs.append('      <path d="%s"/>' % path_data(shape, ' ' * 15))
        self.defs.append('    </g>')
        if note:
            self.note(note)
        self.body_lines.append(
            '  <use xlink:href="#%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
            % (ident, BLACK, BLACK, num(2 * width)))
        self.body_lines.append('  <use xlink:href="#%s" fill="%s"/>' % (ident, colour))

    def text(self):
        head = ['<?xml version="1.0" encoding="UTF-8"?>',
                '<!-- %s -->' % self.title]
        attrs = ('xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"\n'
                 '     width="%d" height="%d" viewBox="0 0 %d %d" shape-rendering="crispEdges"'
                 % (self.w, self.h, self.w, self.h))
        if self.also:
            attrs += ' data-also="%s"' % self.also
        out = head + ['<svg %s>' % attrs]
        if self.defs:
            out += ['  <defs>'] + self.defs + ['  </defs>']
        out += self.body_lines + ['</svg>', '']
        return '\n'.join(out)

    def write(self):
        d = os.path.join(CHARGES_DIR, self.folder)
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, self.name + '.svg'), 'w') as f:
            f.write(self.text())


CHARGES = []


def charge(fn):
    CHARGES.append(fn)
    return fn


# ---------------------------------------------------------------------------------------------
# Crosses. An arm is drawn in its own frame: u along the arm from the centre, v across it
# (positive on the clockwise side). Only the half with v >= 0 is given, from the end of the arm
# on its axis back to the inner corner; the arm is that half and its mirror image.

def arm_frame(c, theta):
    d, e = polar((0, 0), 1, theta), polar((0, 0), 1, theta + 90)
    return lambda p: (c[0] + p[0] * d[0] + p[1] * e[0], c[1] + p[0] * d[1] + p[1] * e[1])


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


def mirrored_v(half):
    """mirrored() for a half drawn in an arm's frame: the mirror line is the arm's axis v = 0."""
    return join(half, reverse(map_points(half, lambda p: (p[0], -p[1]))))


def fleur_head(frame, base, top, half):
    """The upper half of a fleur-de-lis at the end of an arm, in the arm's frame: base is where
    the petals spring, top the point of the middle petal, half the reach of the side petals.
    Returns the outlines back to front: side petals, middle petal, band."""
    L = top - base
    mid = mirrored_v([('M', (top, 0)),
                      ('C', (top - 0.14 * L, 0.2 * half), (base + 0.66 * L, 0.44 * half), (base + 0.42 * L, 0.44 * half)),
                      ('C', (base + 0.2 * L, 0.44 * half), (base + 0.06 * L, 0.3 * half), (base - 0.1 * L, 0.3 * half))])
    side = [('M', (base - 0.1 * L, 0.2 * half)),
            ('C', (base + 0.3 * L, 0.24 * half), (base + 0.66 * L, 0.5 * half), (base + 0.66 * L, 0.8 * half)),
            ('C', (base + 0.66 * L, 1.02 * half), (base + 0.4 * L, 1.06 * half), (base + 0.16 * L, 0.98 * half)),
            ('C', (base + 0.32 * L, 0.88 * half), (base + 0.38 * L, 0.72 * half), (base + 0.26 * L, 0.64 * half)),
            ('C', (base + 0.16 * L, 0.58 * half), (base + 0.04 * L, 0.62 * half), (base - 0.1 * L, 0.62 * half))]
    side_l = map_points(side, lambda p: (p[0], -p[1]))
    bw = 0.18 * L
    band = poly([(base - bw, -0.48 * half), (base, -0.48 * half), (base, 0.48 * half), (base - bw, 0.48 * half)])
    return [map_points(side, frame), map_points(side_l, frame), map_points(mid, frame), map_points(band, frame)]


@charge
def flory():
    ch = Charge('crosses', 'cros.4', 180, 180, 'A cross flory: each arm ends in the head of a fleur-de-lis.')
    ch.fill(four_arms(ch.c, square_end(52, 11)), note='the arms')
    for k in range(4):
        parts = fleur_head(arm_frame(ch.c, 90 * k), 50, 85, 38)
        ch.fill(parts[0])
        ch.fill(parts[1])
        ch.fill(parts[2])
        ch.fill(parts[3], width=2.5)
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
    foot = poly([(142, 0), (70, 9), (70, 31)]) + [pattee_end(70, 31, 8)[2]]
    return fitchy('cros.27', 'A cross pattee fitchy: a cross pattee with a spike below its foot.',
                  (75, 73), arm, foot)


@charge
def maltese():
    ch = Charge('crosses', 'cros.8', 180, 180, 'A Maltese cross (cross of eight points): four spreading arms, each notched at its end.')
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


@charge
def saltorel():
    ch = Charge('crosses', 'saltorel', 180, 180, 'A saltorel: a small saltire couped, the ends cut square.')
    h = 19
    ch.fill(four_arms(ch.c, square_end(85 * math.sqrt(2) - h, h), start=45))
    return ch


@charge
def calvary():
    ch = Charge('crosses', 'crossc', 160, 220, 'A cross calvary: a long cross standing on three steps (grieces).')
    c = (80, 52)
    foot = square_end(100, 12)
    ch.fill(cross_outline(c, [(0, square_end(47, 12)), (90, square_end(52, 12)), (180, foot),
                              (270, square_end(52, 12))]), note='the cross')
    steps = poly([(49, 145), (111, 145), (111, 170), (133, 170), (133, 195), (155, 195), (155, 215),
                  (5, 215), (5, 195), (27, 195), (27, 170), (49, 170)])
    ch.fill(steps, note='the three steps')
    ch.line([poly([(49, 170), (111, 170)]), poly([(27, 195), (133, 195)])], width=2.5, cap='butt')
    return ch


# ---------------------------------------------------------------------------------------------
# Stars, the sun, the moon, the sky.

def star_points(c, n, R, r, start=0.0):
    pts = []
    for k in range(n):
        pts.append(polar(c, R, start + 360.0 * k / n))
        pts.append(polar(c, r, start + 360.0 * (k + 0.5) / n))
    return pts


def miter_box(pts, width=CONTOUR, limit=4.0):
    """Bounding box of a closed polygon once stroked with mitred joins."""
    xs, ys = [], []
    n = len(pts)
    for i in range(n):
        v, a, b = pts[i], pts[i - 1], pts[(i + 1) % n]
        ua, ub = sub(a, v), sub(b, v)
        ua, ub = scale(ua, 1 / math.hypot(*ua)), scale(ub, 1 / math.hypot(*ub))
        half = math.acos(max(-1.0, min(1.0, ua[0] * ub[0] + ua[1] * ub[1]))) / 2
        ext = width / 2 / max(math.sin(half), 1e-9)
        if ext > limit * width / 2:
            ext = width / 2
        s = add(ua, ub)
        ls = math.hypot(*s)
        tip = v if ls < 1e-9 else sub(v, scale(s, ext / ls))
        for p in (v, tip):
            xs.append(p[0])
            ys.append(p[1])
    return min(xs), min(ys), max(xs), max(ys)


def fit_star(w, h, n, ratio, start=0.0, edge=3.6):
    """Star points scaled to touch the box's edges (keeping the margin), centred on the box."""
    pts = star_points((0, 0), n, 100, 100 * ratio, start)
    x0, y0, x1, y1 = miter_box(pts)
    k = min((w - 2 * edge) / (x1 - x0), (h - 2 * edge) / (y1 - y0))
    # the stroke does not scale: shrink once more so the mitres stay inside
    pts = star_points((0, 0), n, 100 * k, 100 * k * ratio, start)
    for _ in range(3):
        x0, y0, x1, y1 = miter_box(pts)
        k2 = min((w - 2 * edge) / (x1 - x0), (h - 2 * edge) / (y1 - y0))
        pts = [scale(p, k2) for p in pts]
    x0, y0, x1, y1 = miter_box(pts)
    dx, dy = w / 2.0, h / 2.0 - (y0 + y1) / 2.0
    return [(p[0] + dx, p[1] + dy) for p in pts], (dx, dy)


def mullet(name, n, ratio, hole, title):
    ch = Charge('celestial', name, 180, 180, title)
    pts, centre = fit_star(180, 180, n, ratio)
    shape = [poly(pts)]
    if hole:
        r_inner = math.dist(pts[1], centre)
        shape.append(circle(centre, r_inner * hole))
    ch.fill(shape, evenodd=bool(hole))
    return ch


@charge
def mullet5():
    return mullet('mullet', 5, 0.4, 0, 'A mullet: a star of five straight points, one point upwards.')


@charge
def mullet5_pierced():
    return mullet('mullet.1', 5, 0.42, 0.52, 'A mullet pierced: five points, a round hole in the middle showing the field.')


@charge
def mullet6():
    return mullet('mullet6', 6, 0.5, 0, 'A mullet of six points, one point upwards.')


@charge
def mullet6_pierced():
    return mullet('mullet6.1', 6, 0.52, 0.55, 'A mullet of six points pierced: a round hole in the middle showing the field.')


@charge
def mullet8():
    return mullet('mullet8', 8, 0.44, 0, 'A mullet of eight points, one point upwards.')


def wavy_edge(c, axis, d0, v0, tip, amp, waves, steps=10, taper=1.0):
    """Points along one edge of a wavy ray, from its foot (d0 along the axis, v0 across) to the
    tip: the ray narrows evenly while its middle line snakes from side to side."""
    f = arm_frame(c, axis)
    pts = []
    for i in range(steps + 1):
        t = i / steps
        u = d0 + (tip - d0) * t
        v = v0 * (1 - t) ** taper + amp * math.sin(math.pi * waves * t) * math.sin(math.pi * t) ** 0.5
        pts.append(f((u, v)))
    return pts


def wavy_ray(c, axis, d0, half0, tip, amp, waves, taper=1.0):
    """Both edges of a wavy ray, left edge outwards, right edge back to the foot."""
    left = wavy_edge(c, axis, d0, -half0, tip, amp, waves, taper=taper)
    right = wavy_edge(c, axis, d0, half0, tip, amp, waves, taper=taper)
    return join(smooth(left), smooth(list(reversed(right))))


def estoile(name, n, title):
    ch = Charge('celestial', name, 180, 180, title)
    c = (90, 90)
    R = 85.5
    ri = 0.36 * R if n == 6 else 0.3 * R
    amp = 0.06 * R
    rays = []
    for k in range(n):
        a = 360.0 * k / n
        d0 = ri * math.cos(math.pi / n)
        rays.append(wavy_ray(c, a, d0, ri * math.sin(math.pi / n), R, amp, 2, taper=0.8))
    ch.fill(join(*rays), join='round')
    return ch


@charge
def estoile6():
    return estoile('estoile', 6, 'An estoile: a star of six wavy rays.')


@charge
def estoile8():
    return estoile('estoile8', 8, 'An estoile of eight wavy rays.')


@charge
def sun():
    ch = Charge('celestial', 'sun', 180, 180,
                'The sun in splendour: a face in a disc, with rays alternately straight and wavy.')
    c = (90, 90)
    R, rd, n = 85.5, 45.0, 16
    half = 360.0 / n / 2 * 0.8
    parts = []
    for k in range(n):
        a = 360.0 * k / n
        foot_l, foot_r = polar(c, rd, a - half), polar(c, rd, a + half)
        if k % 2 == 0:
            ray = poly([foot_l, polar(c, R, a), foot_r])
        else:
            d0 = rd * math.cos(math.radians(half))
            ray = wavy_ray(c, a, d0, rd * math.sin(math.radians(half)), R - 6, 4.0, 2)
        nxt = polar(c, rd, a + 360.0 / n - half)
        parts.append(join(ray, arc(c, rd, a + half, a + 360.0 / n - half)))
    ch.fill(join(*parts), note='disc and rays')
    ch.line(circle(c, rd), width=2.5, note='the rim of the disc')
    cx, cy = c
    face = []
    for sgn in (-1, 1):
        face.append(smooth([(cx + sgn * 22, cy - 15), (cx + sgn * 14, cy - 20), (cx + sgn * 5, cy - 16)]))
    face.append(smooth([(cx - 2, cy - 12), (cx - 2, cy), (cx - 6, cy + 6), (cx, cy + 8), (cx + 5, cy + 6)]))
    face.append(smooth([(cx - 15, cy + 16), (cx, cy + 23), (cx + 15, cy + 16)]))
    ch.line(face, width=2.5, note='brows, nose and mouth')
    eyes = [ellipse((cx + sgn * 13.5, cy - 8), 5.5, 3.2) for sgn in (-1, 1)]
    ch.solid(eyes, note='eyes')
    return ch


def crescent_outline(c, R, r_in, offset, turn):
    """A crescent with horns upwards (turned by turn degrees about c): the outer circle less an
    inner circle set higher. c is the middle of the crescent's height."""
    top_y = (r_in * r_in - R * R - offset * offset) / (2 * offset)   # horns, relative to centre
    o = (c[0], c[1] - (R + top_y) / 2.0)
    inner = (o[0], o[1] - offset)
    right_tip, left_tip = circle_meet(o, R, inner, r_in)
    if right_tip[0] < left_tip[0]:
        right_tip, left_tip = left_tip, right_tip
    outline = join(arc_between(o, R, right_tip, left_tip, clockwise=True),
                   arc_between(inner, r_in, left_tip, right_tip, clockwise=False))
    return map_points(outline, lambda p: rotate(p, turn, c))


def crescent(name, turn, title):
    ch = Charge('celestial', name, 180, 180, title)
    ch.fill(crescent_outline((90, 90), 84.5, 0.78 * 84.5, 0.35 * 84.5, turn))
    return ch


@charge
def crescent_up():
    return crescent('crescent', 0, 'A crescent: horns upwards.')


@charge
def increscent():
    return crescent('incresce', 90, 'An increscent: a crescent with its horns to dexter (the viewer\'s left).')


@charge
def decrescent():
    return crescent('decresce', -90, 'A decrescent: a crescent with its horns to sinister (the viewer\'s right).')


def scalloped(centres, inside):
    """Outer outline of a ring of circles (centre, radius), listed clockwise around the point
    inside: each arc runs from where it meets the previous circle to where it meets the next."""
    n = len(centres)
    meets = []
    for k in range(n):
        (a, ra), (b, rb) = centres[k], centres[(k + 1) % n]
        p, q = circle_meet(a, ra, b, rb)
        meets.append(p if math.dist(p, inside) > math.dist(q, inside) else q)
    return join(*[arc_between(centres[k][0], centres[k][1], meets[k - 1], meets[k]) for k in range(n)])


def cloud_outline(c, rx, ry, n, bump, start=0.0):
    """A cloud: circles set round an ellipse."""
    cs = []
    for k in range(n):
        a = math.radians(start + 360.0 * k / n)
        r = bump * (1.0 + 0.22 * math.cos(2 * a) ** 2)
        cs.append(((c[0] + rx * math.sin(a), c[1] - ry * math.cos(a)), r))
    return scalloped(cs, c)


@charge
def cloud():
    ch = Charge('celestial', 'cloud', 220, 140, 'A cloud: a billowing bank of round puffs.')
    ch.fill(cloud_outline((110, 71), 76, 33, 12, 26, 15), join='round')
    ch.line([arc((78, 82), 22, -70, 40), arc((132, 78), 24, -60, 50), arc((108, 62), 18, -80, 20)],
            note='folds between the puffs')
    return ch


@charge
def rainbow():
    ch = Charge('celestial', 'rainbow', 220, 140, 'A rainbow: an arch of four bands springing from clouds.')
    c = (110, 119)
    R, r = 100, 50
    band = join(arc(c, R, -90, 90), arc(c, r, 90, -90))
    ch.fill(band, note='the arch')
    ch.line([arc(c, r + (R - r) * k / 4.0, -90, 90) for k in (1, 2, 3)], width=2, cap='butt',
            note='the bands')
    for sx in (-1, 1):
        cc = (110 + sx * 75, 117)
        ch.fill(cloud_outline(cc, 17, 7, 7, 10, 0), join='round', note='a cloud at the foot')
    return ch


@charge
def comet():
    ch = Charge('celestial', 'comet', 180, 180,
                'A comet: a star of six points with a blazing tail streaming in bend.')
    head = (56, 56)
    d0, tip, half0, amp = 10, 168, 30, 9
    tail = wavy_ray(head, 135, d0, half0, tip, amp, 2.5, taper=0.8)
    ch.fill(tail, join='round', note='the tail')
    streaks = []
    for frac in (-0.45, 0.45):
        f = arm_frame(head, 135)
        pts = []
        for i in range(9):
            t = 0.3 + 0.45 * i / 8
            v = frac * half0 * (1 - t) ** 0.8 + amp * math.sin(math.pi * 2.5 * t) * math.sin(math.pi * t) ** 0.5
            pts.append(f((d0 + (tip - d0) * t, v)))
        streaks.append(smooth(pts))
    ch.line(streaks, note='streaks of fire in the tail')
    ch.fill(poly(star_points(head, 6, 51, 26, 15)), note='the head: a star of six points')
    return ch


# ---------------------------------------------------------------------------------------------
# Plain shapes.

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
    ch.fill(poly(fusil_points := lozenge_points(90, 200)))
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
    ch = Charge('shapes', 'escutche', 160, 190, 'An escutcheon: a small heater-shaped shield.')
    half = [('M', (80, 5)), ('L', (155, 5)), ('L', (155, 88)),
            ('C', (155, 130), (126, 162), (80, 184))]
    ch.fill(mirrored(half, 80))
    return ch


@charge
def heart():
    ch = Charge('shapes', 'heart', 180, 180, 'A heart, point downwards.')
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


# ---------------------------------------------------------------------------------------------

def main(argv):
    wanted = set(argv[1:])
    for make in CHARGES:
        ch = make()
        if not wanted or ch.name in wanted or ch.folder in wanted:
            ch.write()


if __name__ == '__main__':
    main(sys.argv)
