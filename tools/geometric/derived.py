"""Pictures made from other drawings: the demi-beasts and demi-birds, the beasts salient, the fish
hauriant.

A demi-charge is the upper (or fore) half of the whole charge, cut off across the waist; a beast
salient is the passant beast reared up on its hind feet; a fish hauriant is the naiant fish set
palewise, the head upwards. Each is one row of DERIVED below: the drawing it is cut from or turned,
where the cut runs and how far the drawing turns. The source's own paths are copied into the new
picture, so its silhouette, outline and coloured parts (claws, tongue, horns) carry over, and
the cut is outlined: a black copy of the drawing is kept in a narrow band along the cut edge.

Run tools/geometric_charges.py again after redrawing a source by hand, so that the pictures cut
from it follow (`python3 tools/geometric_charges.py derived` rewrites only these).
"""

import math
import re

from .svg import Charge, charge
from .derive_parts import (
    BAT_BASE, Bent, Demi, EDGE, FAR, Grafted, HEAD_EDGE, Head, MAX_AREA, Turn, WING_BASE, Winged,
    bat_wing_drawing, blackened, fmt, head_parts, offset_inward, own_wing, points, read_source, renamed,
    thinned, turned_box, wing_drawing)
from .derived_bodies import DERIVED as BODY_ROWS
from .derived_heads import DERIVED as HEAD_ROWS
from .derived_more import DERIVED as MORE_ROWS


def derive(folder, name, source, how, also, title):
    box, inherit, body = read_source(source)
    if isinstance(how, Grafted):
        ident = name.replace('.', '-')
        part_box, part_inherit, part = read_source(how.part)
        far = [(-FAR, -FAR), (FAR, -FAR), (FAR, FAR), (-FAR, FAR)]

        def outside(poly):
            """Everything but the polygon: the far box and the polygon, even-odd."""
            return 'M %s Z M %s Z' % (' L '.join('%s,%s' % (fmt(x), fmt(y)) for x, y in far),
                                      ' L '.join('%s,%s' % (fmt(x), fmt(y)) for x, y in poly))
        # The source in black outside the polygon, and over it the source outside the polygon
        # grown by the outline's width: where the polygon cuts the source, the cut is outlined.
        ch_defs = ['    <clipPath id="%s-cut"><path clip-rule="evenodd" d="%s"/></clipPath>'
                   % (ident, outside(how.drop)),
                   '    <clipPath id="%s-keep"><path clip-rule="evenodd" d="%s"/></clipPath>'
                   % (ident, outside(offset_inward(how.drop, -HEAD_EDGE)))]
        # A part set smaller keeps its lines as wide as the source's: its lines are widened by the
        # inverse of its size (a head set at half its size would else have an outline half as wide).
        part_inherit = {k: (fmt(float(v) / min(1.0, how.size)) if k == 'stroke-width' else v)
                        for k, v in part_inherit.items()}
        part_attrs = ''.join(' %s="%s"' % kv for kv in sorted(part_inherit.items()))
        source_black = ['  <g clip-path="url(#%s-cut)">' % ident, blackened(renamed(body, '-k')), '  </g>']
        source_kept = ['  <g clip-path="url(#%s-keep)">' % ident, body, '  </g>']
        set_part = ['  <!-- %s, set on the neck -->' % how.part,
                    '  <g transform="translate(%s %s) scale(%s)"%s>' % (
                        fmt(how.at[0] + (how.size * part_box[2] if how.back else 0)), fmt(how.at[1]),
                        '%s %s' % (fmt(-how.size), fmt(how.size)) if how.back else fmt(how.size), part_attrs),
                    renamed(thinned(part, max(1.0, 1.0 / how.size)), '-p'), '  </g>']
        # Over the source, or under its body with the seam hidden (see Grafted).
        body = '\n'.join(source_black + (set_part + source_kept if how.seam else source_kept + set_part))
    else:
        ch_defs = []
    wing_at = how.shoulder if isinstance(how, Winged) else getattr(how, 'wing', None)
    if wing_at:
        (x, y), k = wing_at, how.size if isinstance(how, Winged) else how.wing_size
        body += '\n'.join(['', '  <!-- the wing, raised from the shoulder (the winged unicorn\'s) -->',
                           '  <g transform="translate(%s %s) scale(%s %s)">' % (
                               fmt(x + k * WING_BASE[0]), fmt(y - k * WING_BASE[1]), fmt(-k), fmt(k)),
                           own_wing(wing_drawing()) if getattr(how, 'own', False) else wing_drawing(), '  </g>'])
        top = y - k * WING_BASE[1] - EDGE
        if isinstance(how, Winged) and how.room and top < box[1]:
            box = [box[0], top, box[2], box[3] + box[1] - top]
    if getattr(how, 'bat', None):
        (x, y), k = how.bat, how.bat_size
        body += '\n'.join(['', '  <!-- the bat wing, raised from the back (the dragon couchant\'s) -->',
                           '  <g transform="translate(%s %s) scale(%s)">' % (
                               fmt(x - k * BAT_BASE[0]), fmt(y - k * BAT_BASE[1]), fmt(k)),
                           bat_wing_drawing(), '  </g>'])
    if isinstance(how, Bent):
        return derive_bent(folder, name, source, how, also, title, box, inherit, body)
    if isinstance(how, Head):
        return derive_head(folder, name, source, how, also, title, box, inherit, body)
    turn = how.turn
    x0, y0, w, h = turned_box(box, turn) if turn else box
    k = min(1.0, math.sqrt(MAX_AREA / (w * h)))
    W, H = int(math.floor(w * k)), int(math.floor(h * k))
    cx, cy = box[0] + box[2] / 2.0, box[1] + box[3] / 2.0
    place = 'scale(%s) translate(%s %s)' % (fmt(k), fmt(-x0), fmt(-y0))
    if turn:
        place += ' rotate(%s %s %s)' % (fmt(turn), fmt(cx), fmt(cy))
    ch = Charge(folder, name, W, H, title, also or None)
    ch.defs += ch_defs
    ch.note('Made from %s by tools/geometric/derived.py: %s.' % (
        source, 'turned %s degrees' % fmt(turn) if isinstance(how, Turn) else
        'a wing added' if isinstance(how, Winged) else
        'another head set on it' if isinstance(how, Grafted) else 'cut across'))
    g_attrs = ''.join(' %s="%s"' % kv for kv in sorted(inherit.items()))
    lines = ['  <g transform="%s"%s>' % (place, g_attrs)]
    if isinstance(how, Demi):
        # The kept part and the band along its cut, as rectangles in the source's units.
        if how.axis == 'y':
            keep = (-FAR, how.at - 2 * FAR, 3 * FAR, 2 * FAR)
            band = (-FAR, how.at - EDGE, 3 * FAR, EDGE)
            pivot = (cx, how.at)
        else:
            keep = (how.at - 2 * FAR, -FAR, 2 * FAR, 3 * FAR)
            band = (how.at - EDGE, -FAR, EDGE, 3 * FAR)
            pivot = (how.at, cy)
        tilt = ' transform="rotate(%s %s %s)"' % (fmt(how.tilt), fmt(pivot[0]), fmt(pivot[1])) if how.tilt else ''
        ident = name.replace('.', '-')
        ch.defs += ['    <clipPath id="%s-keep"><rect x="%s" y="%s" width="%s" height="%s"%s/></clipPath>'
                    % ((ident,) + tuple(fmt(v) for v in keep) + (tilt,)),
                    '    <clipPath id="%s-cut"><rect x="%s" y="%s" width="%s" height="%s"%s/></clipPath>'
                    % ((ident,) + tuple(fmt(v) for v in band) + (tilt,))]
        lines += ['  <!-- the upper part of the source -->',
                  '  <g clip-path="url(#%s-keep)">' % ident, body, '  </g>',
                  '  <!-- the outline along the cut: the source in black, kept in a band at the edge -->',
                  '  <g clip-path="url(#%s-cut)">' % ident, blackened(renamed(body, '-k')), '  </g>']
    else:
        lines.append(body)
    lines.append('  </g>')
    ch.body_lines += lines
    return ch


def derive_head(folder, name, source, how, also, title, box, inherit, body):
    (x0, y0, w, h), ratio, outline, inner = head_parts(how, box)
    k = min(1.0, math.sqrt(MAX_AREA / (w * h)))
    ch = Charge(folder, name, int(math.floor(w * k)), int(math.floor(h * k)), title, also or None)
    ch.note('Made from %s by tools/geometric/derived.py: the head cut off %s.'
            % (source, 'in jagged teeth' if how.erased else 'straight'))
    ident = name.replace('.', '-')
    ch.defs += ['    <clipPath id="%s-keep"><polygon points="%s"/></clipPath>' % (ident, points(outline)),
                '    <clipPath id="%s-inner"><polygon points="%s"/></clipPath>' % (ident, points(inner))]
    g_attrs = ''.join(' %s="%s"' % kv for kv in sorted(inherit.items()))
    body = thinned(body, ratio)
    ch.body_lines += ['  <g transform="scale(%s) translate(%s %s)"%s>' % (fmt(k), fmt(-x0), fmt(-y0), g_attrs),
                      '  <!-- the source in black, where it is cut: the outline along the cut -->',
                      '  <g clip-path="url(#%s-keep)">' % ident, blackened(renamed(body, '-k')), '  </g>',
                      '  <!-- the head of the source, within the outline -->',
                      '  <g clip-path="url(#%s-inner)">' % ident, body, '  </g>',
                      '  </g>']
    return ch


NUMBER = re.compile(r'-?[0-9]*\.?[0-9]+(?:[eE]-?[0-9]+)?')


def bend_point(p, how, mid):
    """Where the point p lies once the drawing is bent about mid (the middle of its centre line)."""
    (x, y), (mx, my), r = p, mid, how.radius
    phi = (x - mx) / r
    dist = r + (my - y)
    return mx + dist * math.sin(phi), my + r - dist * math.cos(phi)


def bent_path(d, how, mid):
    """The path data d (absolute M, L, C and Z only) bent: lines cut in eight, curves in four."""
    tokens = re.findall(r'[A-Za-z]|' + NUMBER.pattern, d)
    out, i, cur, start = [], 0, (0.0, 0.0), (0.0, 0.0)

    def take(n):
        nonlocal i
        vals = [float(t) for t in tokens[i:i + 2 * n]]
        i += 2 * n
        return [(vals[2 * k], vals[2 * k + 1]) for k in range(n)]

    def put(cmd, pts):
        out.append(cmd + ' ' + ' '.join('%s,%s' % tuple(fmt(v) for v in bend_point(q, how, mid)) for q in pts))
    cmd = None
    while i < len(tokens):
        t = tokens[i]
        if t.isalpha():
            assert t in 'MLCZ', 'bent: path command %s not handled' % t
            cmd = t
            i += 1
            if cmd == 'Z':
                out.append('Z')
                cur = start
                continue
        if cmd == 'M':
            (cur,) = take(1)
            start = cur
            put('M', [cur])
            cmd = 'L'
        elif cmd == 'L':
            (q,) = take(1)
            for k in range(1, 9):
                put('L', [(cur[0] + (q[0] - cur[0]) * k / 8.0, cur[1] + (q[1] - cur[1]) * k / 8.0)])
            cur = q
        elif cmd == 'C':
            c1, c2, q = take(3)
            pieces = [(cur, c1, c2, q)]
            for _ in range(2):
                halves = []
                for a, b, c, e in pieces:
                    ab, bc, ce = [((u[0] + v[0]) / 2, (u[1] + v[1]) / 2) for u, v in ((a, b), (b, c), (c, e))]
                    abc, bce = ((ab[0] + bc[0]) / 2, (ab[1] + bc[1]) / 2), ((bc[0] + ce[0]) / 2, (bc[1] + ce[1]) / 2)
                    m = ((abc[0] + bce[0]) / 2, (abc[1] + bce[1]) / 2)
                    halves += [(a, ab, abc, m), (m, bce, ce, e)]
                pieces = halves
            for _, b, c, e in pieces:
                put('C', [b, c, e])
            cur = q
        else:
            raise AssertionError('bent: numbers with no command')
    return ' '.join(out)


def derive_bent(folder, name, source, how, also, title, box, inherit, body):
    mid = (box[0] + box[2] / 2.0, box[1] + box[3] / 2.0)
    assert 'transform' not in body, 'bent: %s has transforms' % source
    body = re.sub(r'\bd="([^"]*)"', lambda m: 'd="%s"' % bent_path(m.group(1), how, mid), body, flags=re.S)

    def circle(m):
        x, y = bend_point((float(m.group(1)), float(m.group(2))), how, mid)
        return 'cx="%s" cy="%s"' % (fmt(x), fmt(y))
    body = re.sub(r'cx="([^"]+)" cy="([^"]+)"', circle, body)
    # The box of the bent drawing: every point of it, and the outline's width round it.
    pts = [(float(a), float(b)) for a, b in re.findall(r'(' + NUMBER.pattern + '),(' + NUMBER.pattern + ')', body)]
    pts += [(float(a), float(b)) for a, b in re.findall(r'cx="([^"]+)" cy="([^"]+)"', body)]
    x0, y0 = min(p[0] for p in pts) - 4, min(p[1] for p in pts) - 4
    w, h = max(p[0] for p in pts) + 4 - x0, max(p[1] for p in pts) + 4 - y0
    k = min(1.0, math.sqrt(MAX_AREA / (w * h)))
    ch = Charge(folder, name, int(math.floor(w * k)), int(math.floor(h * k)), title, also or None)
    ch.note('Made from %s by tools/geometric/derived.py: bent along an arc.' % source)
    g_attrs = ''.join(' %s="%s"' % kv for kv in sorted(inherit.items()))
    ch.body_lines += ['  <g transform="scale(%s) translate(%s %s)"%s>' % (fmt(k), fmt(-x0), fmt(-y0), g_attrs),
                      body, '  </g>']
    return ch


def register(row):
    folder, name = row[0], row[1]

    def make():
        return derive(*row)
    make.__name__ = name
    charge(make)


for _row in BODY_ROWS + HEAD_ROWS + MORE_ROWS:
    register(_row)
