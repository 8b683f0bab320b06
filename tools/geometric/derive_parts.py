"""The ways a derived picture is made from its source (cut to a demi-charge, turned, winged,
grafted, bent, cut to a head) and the helpers that read and reshape a source drawing, for
derived.py and its tables of rows."""

import math
import os
import re

from .svg import CHARGES_DIR


MAX_AREA = 114000       # width * height of a drawing (DRAWING.md)
EDGE = 4                # width of the outline drawn along a cut, in the source's units
HEAD_EDGE = 3.5         # the same for a head, at the whole drawing's size
FAR = 2000              # half-size of a clip rectangle: far past any drawing


class Demi:
    """The part of the source above the line y = at (or before the line x = at, with 'x'), the
    line tilted by `tilt` degrees about its middle, the result turned by `turn` degrees."""

    def __init__(self, at, axis='y', tilt=0.0, turn=0.0):
        self.at, self.axis, self.tilt, self.turn = at, axis, tilt, turn


class Turn:
    """The whole source turned by `turn` degrees (clockwise on the page)."""

    def __init__(self, turn):
        self.turn = turn


class Winged:
    """The source with a bird's wing raised from its shoulder: the wing of the winged unicorn,
    its base set at `shoulder`, drawn at `size` times the wing's own size."""

    def __init__(self, shoulder, size=0.5, room=False, own=False):
        # With `room`, the drawing grows upwards where the wing rises past its top (a fish, whose
        # drawing is no taller than its body). With `own`, the wing is the detail, so that a
        # winged beast's wings take a tincture of their own ("a lion azure winged or"); a bird's
        # wing stays its body.
        self.shoulder, self.size, self.turn, self.room, self.own = shoulder, size, 0.0, room, own


WING_SOURCE = 'lions/wunicorn.svg'
WING_MARK = '<!-- the wing, raised from the shoulder -->'
WING_BASE = (150, 130)      # where the wing meets the shoulder, in the wing's own units


BAT_SOURCE = 'lions/dragon.6.svg'
BAT_BASE = (107, 86)        # where the bat wing meets the back, in the dragon couchant's units


def own_wing(drawing):
    """The wing drawn in the detail's colour instead of the body's."""
    return drawing.replace('fill="#ffffff"', 'fill="#0000ff"')


def bat_wing_drawing():
    """The near wing of the dragon couchant: its outline, its fill and its finger bones."""
    _, _, body = read_source(BAT_SOURCE)
    with open(os.path.join(CHARGES_DIR, BAT_SOURCE)) as f:
        shape = re.search(r'<path id="near-wing" d="([^"]*)"', f.read()).group(1)
    bones = body[body.index('<!-- finger bones of the near wing -->'):]
    bones = bones[bones.index('<g'):bones.index('</g>') + len('</g>')]
    return '\n'.join(['  <g fill="#000000" stroke="#000000" stroke-width="6" stroke-linejoin="round">',
                      '    <path d="%s"/>' % shape, '  </g>',
                      '  <g fill="#ffffff">', '    <path d="%s"/>' % shape, '  </g>', '  ' + bones])


def wing_drawing():
    """The wing's group in the winged unicorn, with the transform that places it there."""
    _, _, body = read_source(WING_SOURCE)
    part = body[body.index(WING_MARK) + len(WING_MARK):].strip('\n')
    first = part.index('>') + 1
    assert part.lstrip().startswith('<g transform='), WING_SOURCE
    return part[first:part.rindex('</g>')]


class Grafted:
    """The source without what lies in the polygon `drop`, and the drawing `part` set over it,
    moved by `at` and scaled by `size`: a monster made of two beasts. With `back`, the part is
    turned to face sinister (`at` is still its box's top left corner): a head looking back over
    the shoulder, reguardant."""

    def __init__(self, drop, part, at, size, back=False, wing=None, wing_size=0.5, seam=False, bat=None, bat_size=1.0):
        self.drop, self.part, self.at, self.size, self.turn, self.back = drop, part, at, size, 0.0, back
        # With `seam`, the part is set under the source's body instead of over it: the neck of the
        # part runs down into the body, which covers the part's own cut, and the source's cut is
        # outlined only where the part does not cover it, so that neck and body read as one
        # outline. Only for a part that lies over nothing of the source but its neck.
        self.seam = seam
        # With `bat`, the dragon's bat wing is raised from that point instead (a dragon made of
        # another beast), drawn at `bat_size` times its size in the dragon couchant.
        self.bat, self.bat_size = bat, bat_size
        # With `wing`, the winged unicorn's wing is raised from that point too (a griffin made
        # of a beast): as Winged's `shoulder` and `size`.
        self.wing, self.wing_size = wing, wing_size


class Bent:
    """The source bent along an arc of `radius` about the middle of its length, the middle raised
    and both ends lowered: a fish embowed. Lengths along the middle line are kept; every path is
    cut in short pieces first so that its curves follow the bend."""

    def __init__(self, radius):
        self.radius, self.turn = radius, 0.0


class Head:
    """The head (and a little of the neck) of the source: the polygon `keep` in the source's
    units, whose last side, back to its first point, is the cut across the neck; straight for
    the head couped, torn in jagged teeth for the head erased."""

    def __init__(self, keep, erased=False):
        self.keep, self.erased, self.turn = keep, erased, 0.0


# The build scales a picture until its silhouette spans this (charge_pictures --fill).
FILL_W, FILL_H = 228.0, 264.0


def heads(folder, name, source, keep, owner, others=''):
    """The rows of the head couped (name.hd) and erased (name.he) of one source; `others` are
    further names of the same charge."""
    rows = []
    for variant, erased, how in (('hd', False, 'couped'), ('he', True, 'erased')):
        also = ' '.join('%s.%s' % (o, variant) for o in others.split())
        rows.append((folder, '%s.%s' % (name, variant), source, Head(keep, erased), also,
                     '%s head %s: cut from the whole %s across the neck' % (owner, how, source)))
    return rows


# The head of the eagle displayed, with its beak, above the neck.
EAGLE_HEAD = [(56, 8), (122, 8), (122, 50), (116, 62), (90, 70), (76, 56), (56, 46)]

# The head of the talbot passant or statant, with its hanging ear.
TALBOT_HEAD = [(0, 0), (80, 0), (80, 40), (72, 78), (0, 78)]

# The head of the wolf rampant, above the raised forepaw and the throat.
WOLF_HEAD = [(42, 0), (150, 0), (150, 58), (122, 70), (90, 60), (82, 44), (42, 38)]
SVG_OPEN = re.compile(r'<svg\b([^>]*)>', re.S)
ATTR = re.compile(r'([\w:-]+)\s*=\s*"([^"]*)"')
# Root attributes that belong to the picture, not to what is drawn.
ROOT_ONLY = {'xmlns', 'xmlns:xlink', 'width', 'height', 'viewBox', 'version', 'shape-rendering'}


def read_source(rel):
    """The source's width, height, the inherited attributes of its root and what it draws."""
    with open(os.path.join(CHARGES_DIR, rel)) as f:
        text = f.read()
    m = SVG_OPEN.search(text)
    attrs = dict(ATTR.findall(m.group(1)))
    body = text[m.end():text.rindex('</svg>')]
    inherit = {k: v for k, v in attrs.items() if k not in ROOT_ONLY and not k.startswith('data-')}
    box = [float(v) for v in attrs['viewBox'].split()] if 'viewBox' in attrs else \
        [0, 0, float(attrs['width']), float(attrs['height'])]
    return box, inherit, body.strip('\n')


def renamed(body, suffix):
    """The body with every id and every reference to one made distinct by suffix."""
    body = re.sub(r'\bid="([^"]+)"', lambda m: 'id="%s%s"' % (m.group(1), suffix), body)
    body = re.sub(r'(href=")#([^"]+)"', lambda m: '%s#%s%s"' % (m.group(1), m.group(2), suffix), body)
    return re.sub(r'url\(#([^)]+)\)', lambda m: 'url(#%s%s)' % (m.group(1), suffix), body)


def blackened(body):
    """The body with every colour black: the silhouette, for the outline along a cut."""
    body = re.sub(r'#(?:[0-9a-fA-F]{6}|[0-9a-fA-F]{3})\b', '#000000', body)
    return re.sub(r'((?:fill|stroke)\s*[=:]\s*"?)(white|red|blue)\b', r'\1#000000', body)


def turned_box(box, degrees):
    """The bounding box of box turned about its middle."""
    x, y, w, h = box
    cx, cy = x + w / 2.0, y + h / 2.0
    a = math.radians(degrees)
    xs, ys = [], []
    for px, py in ((x, y), (x + w, y), (x, y + h), (x + w, y + h)):
        dx, dy = px - cx, py - cy
        xs.append(cx + dx * math.cos(a) - dy * math.sin(a))
        ys.append(cy + dx * math.sin(a) + dy * math.cos(a))
    return min(xs), min(ys), max(xs) - min(xs), max(ys) - min(ys)


def fmt(v):
    return ('%.2f' % v).rstrip('0').rstrip('.')


def torn(a, b, depth):
    """Points from a to b in jagged teeth either side of the line, as a head erased is torn."""
    length = math.dist(a, b)
    teeth = max(4, int(round(length / (2.4 * depth))))
    nx, ny = -(b[1] - a[1]) / length, (b[0] - a[0]) / length
    out = [a]
    for i in range(1, 2 * teeth):
        t = i / (2.0 * teeth)
        side = depth if i % 2 else -depth
        out.append((a[0] + (b[0] - a[0]) * t + nx * side, a[1] + (b[1] - a[1]) * t + ny * side))
    return out + [b]


def offset_inward(poly, d):
    """The polygon moved inward by d: each side moved along its normal, corners where the
    moved sides meet."""
    area = sum(p[0] * q[1] - q[0] * p[1] for p, q in zip(poly, poly[1:] + poly[:1]))
    sign = 1.0 if area > 0 else -1.0
    lines = []
    for p, q in zip(poly, poly[1:] + poly[:1]):
        length = math.dist(p, q)
        nx, ny = -(q[1] - p[1]) / length * sign, (q[0] - p[0]) / length * sign
        lines.append(((p[0] + nx * d, p[1] + ny * d), (q[0] - p[0], q[1] - p[1])))
    out = []
    for (p1, d1), (p2, d2) in zip(lines[-1:] + lines[:-1], lines):
        den = d1[0] * d2[1] - d1[1] * d2[0]
        if abs(den) < 1e-9:
            out.append(p2)
            continue
        t = ((p2[0] - p1[0]) * d2[1] - (p2[1] - p1[1]) * d2[0]) / den
        out.append((p1[0] + d1[0] * t, p1[1] + d1[1] * t))
    return out


def head_parts(how, box):
    """The picture's box, the ratio its lines are thinned by, the polygon kept and the same
    moved inward by the outline's width."""
    keep = list(how.keep)
    # The box of the kept polygon within the source's own box.
    x0 = max(box[0], min(p[0] for p in keep))
    y0 = max(box[1], min(p[1] for p in keep))
    x1 = min(box[0] + box[2], max(p[0] for p in keep))
    y1 = min(box[1] + box[3], max(p[1] for p in keep))
    w, h = x1 - x0, y1 - y0
    # The build enlarges a head more than the whole drawing; lines are thinned by the ratio so
    # that they end as wide as the whole charge's.
    ratio = min(FILL_W / box[2], FILL_H / box[3]) / min(FILL_W / w, FILL_H / h)
    a, b = keep[-1], keep[0]
    outline = keep + torn(a, b, 0.07 * math.dist(a, b))[1:-1] if how.erased else keep
    return (x0, y0, w, h), ratio, outline, offset_inward(outline, HEAD_EDGE * ratio)


def thinned(body, ratio):
    """The body with every line width multiplied by ratio."""
    return re.sub(r'(stroke-width\s*[=:]\s*"?)([0-9.]+)',
                  lambda m: '%s%s' % (m.group(1), fmt(float(m.group(2)) * ratio)), body)


def points(pts):
    return ' '.join('%s,%s' % (fmt(x), fmt(y)) for x, y in pts)
