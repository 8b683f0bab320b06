#!/usr/bin/env python3
"""Writes the SVG sources of the geometric charges: crosses, celestial charges, plants, shapes.

The SVG files under data/charges/ are the committed sources the build reads; this script is how
they were drawn. It builds every symmetric charge from computed geometry (points on circles,
mirrored halves, bars, circle unions) and writes readable, indented SVG with one comment naming
the charge. Run it from anywhere:

    python3 tools/geometric_charges.py            # every charge
    python3 tools/geometric_charges.py mullet rose  # only these picture names
    python3 tools/geometric_charges.py --force cros.4  # also overwrite a hand-edited source

A source that was changed by hand after the script drew it carries a comment containing
HAND_EDITED (below); the script skips it and says so, unless given --force.

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

# A source redrawn by hand after this script made it says so in a comment with these words; the
# script then leaves it alone (see Charge.write), so running it never undoes the hand's work.
HAND_EDITED = 'hand-edited: not rewritten by tools/geometric_charges.py'


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


def drop_straight_joints(segs):
    """Leaves out line joints that lie on the straight line through their neighbours."""
    out = [segs[0]]
    for i in range(1, len(segs)):
        s = segs[i]
        if (s[0] == 'L' and i + 1 < len(segs) and segs[i + 1][0] == 'L'):
            a, b, c = seg_end(out[-1]), s[1], segs[i + 1][1]
            cross = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])
            if abs(cross) < 1e-6 or math.dist(a, b) < 1e-6:
                continue
        out.append(s)
    return out


def path_data(shape, indent, close=True):
    """The d attribute: one subpath per line (long ones wrapped), closed with Z where asked."""
    lines = []
    for sp in shape:
        segs = drop_straight_joints(list(sp))
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

    def write(self, force=False):
        """Writes the source; a source that carries HAND_EDITED is left alone unless forced.

        Returns True when the file was written."""
        d = os.path.join(CHARGES_DIR, self.folder)
        os.makedirs(d, exist_ok=True)
        path = os.path.join(d, self.name + '.svg')
        if not force and hand_edited(path):
            print('%s: hand-edited (it says "%s"), left alone; --force overwrites it'
                  % (os.path.relpath(path), HAND_EDITED), file=sys.stderr)
            return False
        with open(path, 'w') as f:
            f.write(self.text())
        return True


def hand_edited(path):
    """True when the source at path exists and was changed by hand after this script drew it."""
    try:
        with open(path) as f:
            return HAND_EDITED in f.read()
    except FileNotFoundError:
        return False


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


def mullet(name, n, ratio, hole, title, also=None):
    ch = Charge('celestial', name, 180, 180, title, also)
    pts, centre = fit_star(180, 180, n, ratio)
    shape = [poly(pts)]
    if hole:
        r_inner = math.dist(pts[1], centre)
        shape.append(circle(centre, r_inner * hole))
    ch.fill(shape, evenodd=bool(hole))
    return ch


@charge
def mullet5():
    # "a mullet of five points" names the picture mullet5
    return mullet('mullet', 5, 0.4, 0, 'A mullet: a star of five straight points, one point upwards.', 'mullet5')


@charge
def mullet5_pierced():
    return mullet('mullet.9', 5, 0.42, 0.52, 'A mullet pierced: five points, a round hole in the middle showing the field.',
                  'mullet5.9')


@charge
def mullet6():
    return mullet('mullet6', 6, 0.5, 0, 'A mullet of six points, one point upwards.')


@charge
def mullet6_pierced():
    return mullet('mullet6.9', 6, 0.52, 0.55, 'A mullet of six points pierced: a round hole in the middle showing the field.')


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


def estoile(name, n, title, also=None):
    ch = Charge('celestial', name, 180, 180, title, also)
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
    # "an estoile of six points" names the picture estoile6
    return estoile('estoile', 6, 'An estoile: a star of six wavy rays.', 'estoile6')


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
    return crescent('incresce', -90, 'An increscent: a crescent with its horns to dexter (the viewer\'s left).')


@charge
def decrescent():
    return crescent('decresce', 90, 'A decrescent: a crescent with its horns to sinister (the viewer\'s right).')


@charge
def moon():
    ch = Charge('celestial', 'moon', 180, 180,
                'The moon: an increscent (horns to dexter) with a face in profile on its inner edge.')
    c = (90, 90)
    R, r_in, offset = 84.5, 0.74 * 84.5, 0.4 * 84.5
    top_y = (r_in * r_in - R * R - offset * offset) / (2 * offset)
    o = (c[0], c[1] - (R + top_y) / 2.0)
    inner = (o[0], o[1] - offset)
    right_tip, left_tip = circle_meet(o, R, inner, r_in)
    if right_tip[0] < left_tip[0]:
        right_tip, left_tip = left_tip, right_tip
    a0, a1 = angle_of(inner, right_tip), angle_of(inner, left_tip)
    while a1 <= a0:
        a1 += 360
    # Depth of the profile into the hollow, along the edge from the upper horn (0) to the
    # lower (1): brow, a sharp nose, two lips, the chin.
    def depth(t):
        d = 6 * math.exp(-((t - 0.3) / 0.05) ** 2)
        if 0.36 <= t <= 0.465:
            d += 19 * ((t - 0.36) / 0.105) ** 1.6
        elif 0.465 < t <= 0.5:
            d += 19 * (1 - (t - 0.465) / 0.035)
        d += 6 * math.exp(-((t - 0.56) / 0.017) ** 2) + 6 * math.exp(-((t - 0.615) / 0.017) ** 2)
        return d + 10 * math.exp(-((t - 0.72) / 0.045) ** 2)
    ts = [i / 80.0 for i in range(81)] + [0.465]
    profile = [polar(inner, r_in - depth(t), a0 + (a1 - a0) * t) for t in sorted(ts)]
    turn = lambda p: rotate(p, -90, c)
    outline = join(arc_between(o, R, right_tip, left_tip, clockwise=True), smooth(list(reversed(profile))))
    ch.fill(map_points(outline, turn), join='round')
    eye_at = polar(inner, r_in + 10, a0 + (a1 - a0) * 0.375)
    ch.solid(map_points(ellipse(eye_at, 3.2, 5.2), turn), note='the eye')
    ch.line(map_points(smooth([polar(inner, r_in + 4, a0 + (a1 - a0) * 0.33),
                               polar(inner, r_in + 12, a0 + (a1 - a0) * 0.345),
                               polar(inner, r_in + 18, a0 + (a1 - a0) * 0.37)]), turn), width=2,
            note='the brow')
    return ch


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
# Plants: foils and roses from circles, leaves from a width profile along a midrib.

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
                'A heraldic rose: five petals, barbed (sepals between the petals) and seeded.')
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
    ch = Charge('plants', 'quatrefo', 180, 180, 'A quatrefoil: four pointed petals set in cross.')
    c = (90, 90)
    R = 84.5
    ch.fill(foil_outline(c, 4, 0.46 * R, 0.39 * R, point=0.15 * R))
    ch.fill(circle(c, 0.1 * R), width=2.5, note='the heart of the flower')
    return ch


@charge
def trefoil():
    ch = Charge('plants', 'trefoil', 180, 180, 'A trefoil slipped: three round leaves on a short stalk.')
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
                'A fleur-de-lis: a tall middle petal and two petals curling outwards, bound by a band.')
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


def acorn_parts(stalk_end, axis, L):
    """An acorn: its cup at stalk_end, its nut pointing along axis, L long. Returns the nut,
    the cup and the lines that chequer the cup."""
    f = arm_frame(stalk_end, axis)
    nut_half = smooth([(0.3 * L, 0.3 * L), (0.62 * L, 0.3 * L), (0.88 * L, 0.18 * L), (L, 0)])
    nut = map_points(join(nut_half, reverse(map_points(nut_half, lambda p: (p[0], -p[1])))), f)
    cup_half = [('M', (0, 0)), ('C', (0.02 * L, 0.22 * L), (0.12 * L, 0.37 * L), (0.4 * L, 0.37 * L))]
    cup = map_points(join(reverse(map_points(cup_half, lambda p: (p[0], -p[1]))), cup_half), f)
    hatch = []
    for k in range(-3, 4):
        hatch.append([f((-0.1 * L, k * 0.14 * L - 0.2 * L)), f((0.5 * L, k * 0.14 * L + 0.2 * L))])
        hatch.append([f((-0.1 * L, k * 0.14 * L + 0.2 * L)), f((0.5 * L, k * 0.14 * L - 0.2 * L))])
    return nut, cup, clipped_lines(hatch, cup, 2.5)


def draw_acorn(ch, stalk_end, axis, L, nut_colour=WHITE, stem=None):
    nut, cup, hatch = acorn_parts(stalk_end, axis, L)
    if stem:
        ch.fill(stalk(stem, 5, 4), note='the stem of an acorn')
    ch.fill(nut, colour=nut_colour, width=2.5, note='an acorn' + (' (detail)' if nut_colour == BLUE else ''))
    ch.fill(cup, width=2.5)
    ch.line(hatch, width=1.5)


def oak_leaf(base, tip, width, bend=0.0):
    return leaf(base, tip, width, lobes=3.5, depth=0.38, bend=bend, steps=56, fat=0.85)


@charge
def thistle():
    ch = Charge('plants', 'thistle', 160, 220,
                'A thistle slipped and leaved: the head, its flower (second part), spiky leaves.')
    ch.fill(stalk([(80, 214), (81, 190), (80, 165), (80, 140)], 12, 10), note='the stalk')
    left, rib = leaf((79, 182), (6, 128), 50, spikes=4, bend=0.2)
    ch.fill(left, note='the leaves')
    ch.fill(mirror_shape(left, 80))
    ch.line([rib, mirror_shape(rib, 80)[0]])
    focus = (80, 142)
    tips = [-33, -22, -11, 0, 11, 22, 33]
    pts = [polar(focus, 44, -26)]
    for k, a in enumerate(tips):
        pts.append(polar(focus, 131 if a == 0 else 128 - abs(a) * 0.25, a))
        if k < len(tips) - 1:
            pts.append(polar(focus, 104, a + 5.5))
    pts.append(polar(focus, 44, 26))
    ch.fill(poly(pts), colour=RED, note='the flower (second part)')
    ch.line([poly([polar(focus, 58, a + 5.5), polar(focus, 100, a + 5.5)]) for a in tips[:-1]],
            width=2)
    bulb_c = (80, 124)
    spikes = []
    for a in (62, 100, 138):
        for sgn in (-1, 1):
            spikes.append(poly([polar(bulb_c, 24, sgn * (a - 14)), polar(bulb_c, 44, sgn * a),
                                polar(bulb_c, 24, sgn * (a + 14))]))
    ch.fill(spikes, width=2.5, note='prickles of the head')
    bulb = ellipse(bulb_c, 34, 31)
    ch.fill(bulb, note='the head')
    lattice = []
    for k in range(-4, 5):
        lattice.append([(46 + 17 * k, 90), (46 + 17 * k + 68, 158)])
        lattice.append([(114 + 17 * k, 90), (114 + 17 * k - 68, 158)])
    ch.line(clipped_lines(lattice, bulb, 3), width=2)
    return ch


def trunk_eradicated():
    """Right half of a trunk torn up by the roots, from the middle line under the crown."""
    return [('M', (90, 128)), ('L', (103, 128)), ('L', (103, 164)),
            ('C', (104, 176), (114, 182), (132, 188)),
            ('C', (148, 193), (162, 200), (175, 212)),
            ('C', (158, 207), (142, 203), (127, 201)),
            ('C', (132, 206), (138, 210), (143, 215)),
            ('C', (128, 213), (116, 208), (109, 202)),
            ('C', (104, 206), (97, 211), (90, 215))]


@charge
def tree():
    ch = Charge('plants', 'tree', 180, 220, 'A tree eradicated: a round crown of leaves, the roots torn up and showing.')
    ch.fill(mirrored(trunk_eradicated(), 90), note='trunk and roots')
    c = (90, 80)
    crown = scalloped_ellipse(c, 61, 52, 12, 22, 15)
    ch.fill(crown, join='round', note='the crown')
    tufts = [arc(p, 13, -65, 65) for p in ((62, 58), (104, 50), (78, 88), (120, 86), (52, 106), (96, 120))]
    ch.line(tufts, note='clumps of leaves')
    ch.line([poly([(84, 150), (86, 168)]), poly([(96, 152), (94, 166)])], note='bark')
    return ch


@charge
def oak():
    ch = Charge('plants', 'oak', 180, 220, 'An oak tree fructed: a lobed crown hung with acorns (detail), on a stout trunk.')
    half = [('M', (90, 120)), ('L', (106, 120)), ('L', (106, 178)),
            ('C', (107, 195), (116, 205), (140, 214)), ('L', (90, 214))]
    ch.fill(mirrored(half, 90), note='the trunk')
    ch.line([poly([(84, 150), (86, 178)]), poly([(97, 160), (95, 190)])], note='bark')
    c = (90, 78)
    big = []
    for k in range(8):
        a = math.radians(22.5 + 45 * k)
        big.append(((c[0] + 59 * math.sin(a), c[1] - 45 * math.cos(a)), 29))
    crown = scalloped(big, c)
    ch.fill(crown, join='round', note='the crown')
    clumps = [arc(p, 17, -60, 60) for p in ((64, 60), (110, 56), (88, 96), (58, 104), (124, 98))]
    ch.line(clumps)
    for p, a in (((38, 114), 195), ((70, 128), 182), ((110, 128), 178), ((142, 114), 165),
                 ((90, 36), 180), ((48, 62), 190), ((132, 62), 170)):
        draw_acorn(ch, p, a, 28, nut_colour=BLUE)
    return ch


@charge
def acorn():
    ch = Charge('plants', 'acorn', 140, 200, 'An acorn slipped and leaved: upright in its cup, with two oak leaves.')
    ch.fill(stalk([(70, 108), (70, 140), (66, 168), (61, 192)], 8, 6), note='the stalk')
    left, rib = oak_leaf((68, 146), (7, 190), 40)
    ch.fill(left, note='the leaves')
    ch.line(rib)
    right, rib = oak_leaf((70, 136), (133, 176), 40)
    ch.fill(right)
    ch.line(rib)
    nut, cup, hatch = acorn_parts((70, 112), 0, 105)
    ch.fill(nut, note='the nut')
    ch.fill(cup, note='the cup')
    ch.line(hatch, width=2)
    return ch


@charge
def plant_leaf():
    ch = Charge('plants', 'leaf', 120, 220, 'A leaf (laurel) upright on its stalk.')
    ch.fill(stalk([(60, 214), (60, 200), (60, 180)], 8, 7), note='the stalk')
    outline, rib = leaf((60, 194), (60, 6), 106, fat=0.8)
    ch.fill(outline, note='the blade')
    veins = [rib]
    for y in (150, 112, 76):
        for sgn in (-1, 1):
            veins.append(smooth([(60, y), (60 + sgn * 18, y - 12), (60 + sgn * 36, y - 30)]))
    ch.line(clipped_lines([sample(v, 6) for v in veins], outline, 6), note='veins')
    return ch


@charge
def garb():
    ch = Charge('plants', 'garb', 160, 220, 'A garb: a sheaf of wheat bound with a band (detail).')
    focus = (80, 152)
    angles = [-36, -27, -18, -9, 0, 9, 18, 27, 36]
    fan = [(57, 124)] + [polar(focus, 92, a) for a in angles] + [(103, 124)]
    ch.fill(poly(fan), note='the stalks above the band')
    ch.line([poly([polar(focus, 34, a), polar(focus, 90, a)]) for a in angles[1:-1:2]])
    for order in (1, 0):
        for k, a in enumerate(angles):
            if k % 2 != order:
                continue
            tip = 146 - 0.95 * abs(a)
            ear, rib = leaf(polar(focus, 84, a), polar(focus, tip, a), 19, lobes=5, depth=0.42, steps=50)
            ch.fill(ear, width=2.5, note='ears of wheat' if k == 0 or (order == 0 and k == 1) else None)
            ch.line(rib, width=1.5)
    lower = [('M', (80, 136)), ('L', (102, 136)), ('L', (146, 206))] + \
        [('L', p) for p in ((136, 214), (128, 207), (118, 214), (108, 207), (98, 214), (88, 207))] + \
        [('L', (80, 213))]
    ch.fill(mirrored(lower, 80), note='the stalks below the band')
    ch.line([poly([(80 + dx * 0.45, 142), (80 + dx, 204)]) for dx in (-44, -22, 0, 22, 44)])
    band = [('M', (80, 121)), ('L', (108, 121)), ('C', (113, 121), (113, 139), (108, 139)), ('L', (80, 139))]
    ch.fill(mirrored(band, 80), colour=BLUE, note='the band (detail)')
    return ch


@charge
def lily():
    ch = Charge('plants', 'lily', 140, 220, 'A lily slipped: the open flower with its stamens, on a leaved stalk.',
                also='lilie')
    ch.fill(stalk([(70, 214), (70, 170), (70, 110)], 9, 8), note='the stalk')
    left, rib = leaf((69, 184), (7, 128), 24, bend=-0.5)
    ch.fill(left, note='the leaves')
    ch.fill(mirror_shape(left, 70))
    ch.line([rib, mirror_shape(rib, 70)[0]])
    ch.fill([lens((70, 110), (40, 18), 12), lens((70, 110), (100, 18), -12)], note='the petals behind')
    fil = [poly([(70, 84), (54, 14)]), poly([(70, 84), (70, 8)]), poly([(70, 84), (86, 14)])]
    ch.line(fil, note='stamens')
    ch.solid([ellipse((54, 14), 4, 6), ellipse((70, 8), 4, 6), ellipse((86, 14), 4, 6)])
    petal = smooth([(70, 116), (56, 92), (42, 64), (32, 42), (20, 30), (6, 34), (16, 44), (28, 70),
                    (44, 100), (64, 118)], closed=True, tension=0.9)
    ch.fill(petal, note='the petals in front')
    ch.fill(mirror_shape(petal, 70))
    ch.fill(lens((70, 118), (70, 38), 17))
    ch.line(poly([(70, 108), (70, 54)]), width=1.5)
    return ch


@charge
def pomegranate():
    ch = Charge('plants', 'pomegran', 160, 200,
                'A pomegranate slipped and leaved, burst to show its seeds (detail).')
    ch.fill(stalk([(80, 150), (80, 172), (82, 195)], 10, 8), note='the stalk')
    left, rib = leaf((78, 176), (6, 160), 30, bend=0.25)
    ch.fill(left, note='the leaves')
    ch.fill(mirror_shape(left, 80))
    ch.line([rib, mirror_shape(rib, 80)[0]])
    ch.fill(poly([(56, 58), (50, 8), (66, 30), (80, 5), (94, 30), (110, 8), (104, 58)]),
            note='the crown of the fruit')
    ch.fill(circle((80, 102), 58), note='the fruit')
    slit = lens((80, 62), (80, 144), 18)
    ch.fill(slit, colour=BLUE, width=2.5, note='the seeds (detail)')
    seeds = [ellipse((80 + dx, y), 2.6, 3.6) for y, xs in ((80, (0,)), (94, (-7, 7)), (108, (-11, 0, 11)),
                                                            (122, (-7, 7)), (135, (0,)))
             for dx in xs]
    ch.solid(seeds)
    return ch


@charge
def broom():
    ch = Charge('plants', 'broom', 140, 220, 'A sprig of broom (planta genista): a stem with leafy shoots and seed pods.')
    shoots = [((70, 184), (22, 152)), ((70, 160), (118, 128)), ((70, 124), (22, 92)),
              ((70, 100), (118, 68)), ((70, 66), (34, 34)), ((70, 56), (106, 24))]
    pods = [lens((40, 170), (30, 204), 5.5), lens((100, 146), (112, 180), 5.5)]
    ch.fill(pods, width=2.5, note='seed pods')
    ch.fill(stalk([(40, 166), (38, 174)], 4, 3))
    ch.fill(stalk([(72, 214), (70, 170), (69, 110), (70, 28)], 9, 6), note='the stem')
    leaves = []
    for a, b in shoots:
        ch.fill(stalk([a, lerp(a, b, 0.5), b], 6, 4))
        d = sub(b, a)
        for t, side in ((0.35, 1), (0.55, -1), (0.75, 1)):
            p = lerp(a, b, t)
            q = add(p, rotate(scale(d, 0.36), side * -42, (0, 0)))
            leaves.append(lens(p, q, 4.5))
        leaves.append(lens(b, add(b, scale(d, 0.3)), 5))
    leaves.append(lens((70, 36), (70, 5), 5.5))
    ch.fill(leaves, width=2.5, note='leaves')
    return ch


@charge
def pine_cone():
    ch = Charge('plants', 'pine', 130, 200, 'A pine cone, point upwards, its scales shown.')
    ch.fill(stalk([(65, 178), (65, 196)], 11, 9), note='the stalk')
    half = smooth([(65, 6), (88, 18), (110, 52), (121, 94), (117, 136), (101, 166), (80, 183), (65, 186)])
    outline = mirrored(half, 65)
    ch.fill(outline, note='the cone')
    lattice = []
    for k in range(-7, 8):
        x0 = 65 + 24 * k
        lattice.append([(x0 - 90, 200), (x0 + 90, 0)])
        lattice.append([(x0 + 90, 200), (x0 - 90, 0)])
    ch.line(clipped_lines(lattice, outline, 3), note='scales')
    return ch


@charge
def grapes():
    ch = Charge('plants', 'grape', 150, 200, 'A bunch of grapes hanging from its stalk, with a vine leaf.')
    ch.fill(stalk([(86, 7), (81, 24), (75, 46)], 8, 7), note='the stalk')
    lc = (38, 38)
    pts = []
    for i in range(40):
        a = 360.0 * i / 40
        r = 31 * (0.72 + 0.28 * abs(math.cos(math.radians(a) * 2.5)))
        pts.append(polar(lc, r, a))
    vine = smooth(pts, closed=True)
    ch.fill(vine, note='the vine leaf')
    ch.line([poly([lc, polar(lc, 21, a)]) for a in (0, 72, 144, 216, 288)], width=1.5)
    y0, step, d, r = 46, 22.4, 25, 14
    grapes_ = []
    for k, n in enumerate([5, 4, 5, 4, 3, 2, 1]):
        y = y0 + step * k
        for i in range(n):
            grapes_.append(circle((75 + (i - (n - 1) / 2.0) * d, y), r))
    for g in grapes_:
        ch.fill(g, width=2.5)
    return ch


@charge
def oak_slip():
    ch = Charge('plants', 'slip', 160, 220, 'A slip of oak: a twig with three leaves and two acorns (detail).')
    ch.fill(stalk([(84, 212), (82, 170), (80, 120), (80, 90)], 9, 6), note='the twig')
    draw_acorn(ch, (64, 168), 225, 44, nut_colour=BLUE, stem=[(81, 158), (72, 162), (64, 168)])
    draw_acorn(ch, (100, 180), 145, 42, nut_colour=BLUE, stem=[(83, 176), (93, 180), (102, 186)])
    for base, tip, w in (((80, 98), (80, 6), 52), ((79, 128), (7, 74), 46), ((82, 146), (153, 98), 46)):
        outline, rib = oak_leaf(base, tip, w)
        ch.fill(outline)
        ch.line(rib)
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
    args = argv[1:]
    force = '--force' in args
    wanted = set(a for a in args if a != '--force')
    for make in CHARGES:
        ch = make()
        if not wanted or ch.name in wanted or ch.folder in wanted:
            ch.write(force)


if __name__ == '__main__':
    main(sys.argv)
