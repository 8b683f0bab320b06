"""Stars, the sun, the moon, the sky."""

import math

from .geometry import (angle_of, arc, arc_between, arm_frame, circle, circle_meet, ellipse, join,
    map_points, miter_box, polar, poly, rotate, scale, scalloped, smooth)
from .svg import Charge, charge


def star_points(c, n, R, r, start=0.0):
    pts = []
    for k in range(n):
        pts.append(polar(c, R, start + 360.0 * k / n))
        pts.append(polar(c, r, start + 360.0 * (k + 0.5) / n))
    return pts


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
    return mullet('mullet', 5, 0.4, 0, 'A mullet: a star of five straight points, one point upwards.', 'mullet5 molet')


@charge
def mullet5_pierced():
    return mullet('mullet.9', 5, 0.42, 0.52, 'A mullet pierced: five points, a round hole in the middle showing the field.',
                  'mullet5.9')


@charge
def mullet6():
    return mullet('mullet6', 6, 0.5, 0, 'A mullet of six points, one point upwards.')


@charge
def mullet6_pierced():
    return mullet('mullet6.9', 6, 0.52, 0.55, 'A mullet of six points pierced: a round hole in the middle showing the field.',
                  'rowel')


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
    return estoile('estoile', 6, 'An estoile: a star of six wavy rays.', 'estoile6 polemull')


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


@charge
def demi_sun():
    ch = Charge('celestial', 'demisun', 180, 100,
                'A demi-sun in splendour: the upper half of the sun, cut straight across its middle, '
                'its rays alternately straight and wavy.', also='dsun')
    c = (90, 92)
    R, rd, n = 85.5, 45.0, 16
    half = 360.0 / n / 2 * 0.8
    angles = [360.0 * k / n for k in range(-n // 4 + 1, n // 4)]   # the rays above the cut
    parts = [arc(c, rd, -90.0, angles[0] - half)]
    for i, a in enumerate(angles):
        foot_l, foot_r = polar(c, rd, a - half), polar(c, rd, a + half)
        if round(a / (360.0 / n)) % 2 == 0:
            ray = poly([foot_l, polar(c, R, a), foot_r])
        else:
            d0 = rd * math.cos(math.radians(half))
            ray = wavy_ray(c, a, d0, rd * math.sin(math.radians(half)), R - 6, 4.0, 2)
        following = angles[i + 1] - half if i + 1 < len(angles) else 90.0
        parts.append(join(ray, arc(c, rd, a + half, following)))
    ch.fill(join(*parts), note='the half disc and its rays, cut straight')
    ch.line(arc(c, rd, -90.0, 90.0), width=2.5, note='the rim of the disc')
    cx, cy = c
    brows = [smooth([(cx + sgn * 22, cy - 15), (cx + sgn * 14, cy - 20), (cx + sgn * 5, cy - 16)]) for sgn in (-1, 1)]
    ch.line(brows, width=2.5, note='the brows')
    ch.solid([ellipse((cx + sgn * 13.5, cy - 8), 5.5, 3.2) for sgn in (-1, 1)], note='the eyes')
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
def crescent_pendent():
    return crescent('crescent.1', 180, 'A crescent pendent: a crescent with its horns downwards.')


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
