"""Beasts, birds and heads crowned: another drawing with one small coronet set on its head.

"Crowned" chooses the picture named after the charge and the letter c (a lion crowned is
`lionc`, a lion statant guardant crowned `lionc.42`), whose crown is the detail part, so that
"crowned or" tints it. Rather than a crown drawn into every beast by hand, each picture here is
one row of CROWNED: the drawing it is made from, the point on the top of the head where the
middle of the crown's band sits, the crown's tilt and its size. The crown is the one coronet
below (a band and three points tipped with balls), drawn in the detail colour with its own
outline; the drawing grows upwards where the crown rises past its top.

Run tools/geometric_charges.py crowned after redrawing a source by hand.
"""

from .derive_parts import MAX_AREA, fmt, read_source
from .svg import Charge, charge
import math

# The coronet, its band's lower middle at (0, 0), in the units of a beast 200 wide.
CORONET_SHAPE = 'M -15 0 L -15 -8 L -18 -19 L -8.5 -11.5 L 0 -23 L 8.5 -11.5 L 18 -19 L 15 -8 L 15 0 Z'
CORONET_BALLS = ((-18, -20, 3.2), (0, -24.5, 3.4), (18, -20, 3.2))
CORONET_RISE = 30       # how far the crown reaches above its anchor, outline included


def coronet_lines(at, tilt, size):
    balls = ''.join('\n      <circle cx="%s" cy="%s" r="%s"/>' % (fmt(x), fmt(y), fmt(r)) for x, y, r in CORONET_BALLS)
    shape = '      <path d="%s"/>%s' % (CORONET_SHAPE, balls)
    return ['  <!-- the crown, set on the head, in the detail colour so that "crowned" tints it -->',
            '  <g transform="translate(%s %s) rotate(%s) scale(%s)">' % (fmt(at[0]), fmt(at[1]), fmt(tilt), fmt(size)),
            '    <g fill="#000000" stroke="#000000" stroke-width="5" stroke-linejoin="round">',
            shape,
            '    </g>',
            '    <g fill="#0000ff">',
            shape,
            '    </g>',
            '    <path d="M -15 -8 L 15 -8" fill="none" stroke="#000000" stroke-width="2"/>',
            '  </g>']


# (folder, picture, source, anchor on the head, tilt in degrees, size, other names, title)
CROWNED = [
    ('lions', 'lionc.4', 'lions/lion.4.svg', (46, 20), -5, 1.0, '',
     'A lion statant crowned: the lion statant with a coronet on its head'),
    ('lions', 'lionc.42', 'lions/lion.42.svg', (48, 20), 0, 1.0, '',
     'A lion statant guardant crowned: the lion at gaze with a coronet on its head'),
    ('lions', 'lionc.5', 'lions/lion.5.svg', (56, 32), -8, 1.0, '',
     'A lion sejant crowned: the lion sitting with a coronet on its head'),
    ('lions', 'lionc.52', 'lions/lion.52.svg', (48, 26), 0, 1.0, '',
     'A lion sejant guardant crowned: the lion sitting, facing the viewer, crowned'),
    ('lions', 'lionc.6', 'lions/lion.6.svg', (46, 22), -5, 1.0, '',
     'A lion couchant crowned: the lion lying with a coronet on its head'),
    ('lions', 'lionc.62', 'lions/lion.62.svg', (48, 20), 0, 1.0, '',
     'A lion couchant guardant crowned: the lion lying, facing the viewer, crowned'),
    ('lions', 'lionc.7', 'lions/lion.7.svg', (68, 44), -20, 1.0, '',
     'A lion salient crowned: the lion leaping with a coronet on its head'),
    ('lions', 'lionc.hd', 'lions/lion.hd.svg', (80, 42), -5, 1.3, '',
     "A lion's head couped crowned: the head with a coronet between mane and brow"),
    ('lions', 'lionc.he', 'lions/lion.he.svg', (80, 42), -5, 1.3, '',
     "A lion's head erased crowned: the head with a coronet between mane and brow"),
    ('lions', 'lionc.1r', 'lions/lion.1r.svg', (100, 46), 10, 1.0, '',
     'A lion rampant reguardant crowned: the lion looking back, a coronet on its head'),
    ('lions', 'lionc.3r', 'lions/lion.3r.svg', (55, 27), 5, 1.0, '',
     'A lion passant reguardant crowned: the lion looking back, a coronet on its head'),
    ('lions', 'leopardc.hd', 'lions/leopard.hd.svg', (82, 50), 0, 1.3, '',
     "A leopard's face crowned (a lion's head cabossed crowned): a coronet on the brow"),
    ('lions', 'griffinc', 'lions/griffin.svg', (84, 58), -10, 1.0, 'griffinc.1 griffinc.11',
     'A griffin segreant crowned: the griffin with a coronet between its ears'),
    ('beasts', 'buckc.hc', 'beasts/buck.hc.svg', (84, 88), 0, 1.4, '',
     "A stag's head cabossed crowned: a coronet on the brow between the attires"),
]


def crowned(folder, name, source, at, tilt, size, also, title):
    box, inherit, body = read_source(source)
    top = at[1] - CORONET_RISE * size
    if top < box[1]:
        box = [box[0], top, box[2], box[3] + box[1] - top]
    x0, y0, w, h = box
    k = min(1.0, math.sqrt(MAX_AREA / (w * h)))
    ch = Charge(folder, name, int(math.floor(w * k)), int(math.floor(h * k)), title, also or None)
    ch.note('Made from %s by tools/geometric/crowned.py: a coronet set on the head.' % source)
    g_attrs = ''.join(' %s="%s"' % kv for kv in sorted(inherit.items()))
    ch.body_lines += ['  <g transform="scale(%s) translate(%s %s)"%s>' % (fmt(k), fmt(-x0), fmt(-y0), g_attrs),
                      body] + coronet_lines(at, tilt, size) + ['  </g>']
    return ch


def register_crowned(row):
    def make():
        return crowned(*row)
    make.__name__ = row[1]
    charge(make)


for _row in CROWNED:
    register_crowned(_row)
