"""Writing a charge's SVG source: readable, indented paths with one comment naming the charge."""

import math
import os
import sys

from .style import BLACK, CONTOUR, INNER, WHITE
from .geometry import join, num, pt, seg_end


CHARGES_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'data', 'charges')


# A source redrawn by hand after this script made it says so in a comment with these words; the
# script then leaves it alone (see Charge.write), so running it never undoes the hand's work.
HAND_EDITED = 'hand-edited: not rewritten by tools/geometric_charges.py'


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
        # The room where a charge blazoned within this one is painted: (cx, cy, r) in the
        # drawing's units, written as data-room (a cage, whose inside is drawn full of bars).
        self.room = None
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
        if self.room:
            attrs += ' data-room="%s"' % ' '.join(num(v) for v in self.room)
        out = head + ['<svg %s>' % attrs]
        if self.defs:
            out += ['  <defs>'] + self.defs + ['  </defs>']
        out += self.body_lines + ['</svg>', '']
        return '\n'.join(out)

    def path(self):
        return os.path.join(CHARGES_DIR, self.folder, self.name + '.svg')

    def current(self):
        """True when the source on disk is what write() would put there, or was edited by hand."""
        path = self.path()
        if hand_edited(path):
            return True
        try:
            with open(path) as f:
                return f.read() == self.text()
        except FileNotFoundError:
            return False

    def write(self, force=False):
        """Writes the source; a source that carries HAND_EDITED is left alone unless forced.

        Returns True when the file was written."""
        path = self.path()
        os.makedirs(os.path.dirname(path), exist_ok=True)
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
