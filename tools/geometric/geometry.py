"""Points and paths. A subpath is a list: [('M', p), ('L', p) | ('C', c1, c2, p), ...]; points
are (x, y) in picture pixels, y downwards. A shape is a list of subpaths."""

import math

from .style import CONTOUR


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


def num(x):
    s = '%.1f' % x
    if s.endswith('.0'):
        s = s[:-2]
    return '0' if s == '-0' else s


def pt(p):
    return num(p[0]) + ',' + num(p[1])


def arm_frame(c, theta):
    d, e = polar((0, 0), 1, theta), polar((0, 0), 1, theta + 90)
    return lambda p: (c[0] + p[0] * d[0] + p[1] * e[0], c[1] + p[0] * d[1] + p[1] * e[1])


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
