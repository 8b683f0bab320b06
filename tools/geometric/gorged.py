"""Beasts, birds and heads gorged, chained or enflamed: another drawing with one part set at its neck.

"Gorged of a collar", "collared", "ducally gorged", "collared and chained" and "enflamed" each
choose the picture named after the charge and a suffix of two letters (NECK_PARTS below: a lion
collared is `liongl`, a boar's head enflamed `boaren.hd`), whose added part is the detail part,
so that "gorged of a collar argent" tints it. Rather than a collar drawn into every beast by
hand, each drawing here is one row of NECKS: the point in the middle of its neck where the band
sits, the band's tilt (its throat end first, the head on the side its points rise to) and the
neck's width there. Every part is drawn from that one line: the collar is a studded band across
it, the ducal coronet a band with three leaves rising towards the head, the chain hangs from the
band's nape end, and the flames rise behind the nape. The drawing grows where a part reaches
past its edge.

Run tools/geometric_charges.py gorged after redrawing a source by hand.
"""

from .derive_parts import MAX_AREA, fmt, read_source
from .svg import CHARGES_DIR, Charge, charge
import math
import os
import re

NECK_BAND_HALF_HEIGHT = 4.5   # half the collar's height, at a neck 50 wide
NECK_LEAF = ('M -6 -3 C -10 -9 -6 -13 -3 -12 C -3 -17 3 -17 3 -12 C 6 -13 10 -9 6 -3 Z')
NECK_LINKS = 9                # links of the chain, flat and edgewise by turns
NECK_CHAIN_DROP = (24, 74)    # how far the chain's ring lies behind and below its start, at width 50


def neck_scale(width):
    return min(1.4, max(0.55, width / 50.0))


def neck_frame(at, tilt):
    """The map from the band's own units (x along the neck line, -y towards the head) to the drawing's."""
    c, s = math.cos(math.radians(tilt)), math.sin(math.radians(tilt))
    return lambda p: (at[0] + p[0] * c - p[1] * s, at[1] + p[0] * s + p[1] * c)


def band_lines(at, tilt, width, note):
    k = neck_scale(width)
    half, h = width / 2.0 + 2, NECK_BAND_HALF_HEIGHT * k
    return ['  <!-- %s, in the detail colour -->' % note,
            '  <g transform="translate(%s %s) rotate(%s)">' % (fmt(at[0]), fmt(at[1]), fmt(tilt)),
            '    <rect x="%s" y="%s" width="%s" height="%s" fill="#0000ff" stroke="#000000" stroke-width="2.5"'
            ' stroke-linejoin="round"/>' % (fmt(-half), fmt(-h), fmt(2 * half), fmt(2 * h))]


def collar_lines(at, tilt, width):
    k = neck_scale(width)
    studs = ''.join('<circle cx="%s" cy="0" r="%s" fill="#000000"/>' % (fmt(x * width / 4.0), fmt(1.5 * k))
                    for x in (-1, 0, 1))
    return band_lines(at, tilt, width, 'the collar about the neck') + ['    ' + studs, '  </g>']


def coronet_lines(at, tilt, width):
    k = neck_scale(width)
    h = NECK_BAND_HALF_HEIGHT * k
    leaves = ''.join('\n      <path transform="translate(%s %s) scale(%s)" d="%s"/>' % (
        fmt(x * width / 3.0), fmt(-h + 3 * k), fmt(k), NECK_LEAF) for x in (-1, 0, 1))
    return band_lines(at, tilt, width, 'the ducal coronet about the neck, its leaves rising towards the head')[:-1] + [
        '    <g fill="#0000ff" stroke="#000000" stroke-width="2.5" stroke-linejoin="round">%s' % leaves,
        '    </g>',
        band_lines(at, tilt, width, '')[-1],
        '    <circle cx="%s" cy="0" r="%s" fill="#000000"/><circle cx="%s" cy="0" r="%s" fill="#000000"/>' % (
            fmt(-width / 6.0), fmt(1.5 * k), fmt(width / 6.0), fmt(1.5 * k)),
        '  </g>']


def chain_points(at, tilt, width):
    """The middles of the chain's links and its ring: it hangs from the band's nape end."""
    k = neck_scale(width)
    x0, y0 = neck_frame(at, tilt)((width / 2.0 - 4, NECK_BAND_HALF_HEIGHT * k))
    dx, dy = NECK_CHAIN_DROP[0] * k, NECK_CHAIN_DROP[1] * k
    pts = []
    for i in range(NECK_LINKS + 1):
        t = (i + 0.5) / (NECK_LINKS + 1)
        # a curve that falls straight at first and swings back towards the body
        pts.append((x0 + dx * t * t, y0 + dy * t))
    return pts


def chain_lines(at, tilt, width):
    k = neck_scale(width)
    pts = chain_points(at, tilt, width)
    links = []
    for i, (x, y) in enumerate(pts[:-1]):
        nx, ny = pts[i + 1]
        angle = math.degrees(math.atan2(ny - y, nx - x))
        links.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(%s %s %s)"/>' % (
            fmt(x), fmt(y), fmt(5 * k), fmt((3.8 if i % 2 == 0 else 1.8) * k), fmt(angle), fmt(x), fmt(y)))
    rx, ry = pts[-1]
    return ['  <!-- the chain, hanging from the collar, in the detail colour -->',
            '  <g fill="#0000ff" stroke="#000000" stroke-width="2.2">%s</g>' % ''.join(links),
            '  <circle cx="%s" cy="%s" r="%s" fill="none" stroke="#000000" stroke-width="6"/>' % (fmt(rx), fmt(ry + 3 * k), fmt(5 * k)),
            '  <circle cx="%s" cy="%s" r="%s" fill="none" stroke="#0000ff" stroke-width="2.2"/>' % (fmt(rx), fmt(ry + 3 * k), fmt(5 * k))]


def flame_tongues(at, tilt, width):
    """Three tongues of flame rising from behind the nape: (base, tip) of each."""
    k = neck_scale(width) * 1.7
    bx, by = neck_frame(at, tilt)((width / 2.0, -NECK_BAND_HALF_HEIGHT))
    return [((bx + dx * k, by), (bx + (dx + lean) * k, by - rise * k))
            for dx, lean, rise in ((-8, -4, 34), (2, 10, 46), (11, 18, 30))]


def flame_lines(at, tilt, width):
    k = neck_scale(width) * 1.7
    paths = []
    for (bx, by), (tx, ty) in flame_tongues(at, tilt, width):
        w = 7 * k
        paths.append('<path d="M %s %s C %s %s %s %s %s %s C %s %s %s %s %s %s Z"/>' % (
            fmt(bx - w), fmt(by), fmt(bx - w * 1.6), fmt(by - (by - ty) * 0.5), fmt(tx - w * 0.2), fmt(ty + (by - ty) * 0.35),
            fmt(tx), fmt(ty), fmt(tx + w * 0.2), fmt(ty + (by - ty) * 0.55), fmt(bx + w * 1.5), fmt(by - (by - ty) * 0.4),
            fmt(bx + w), fmt(by)))
    return ['  <!-- flames rising behind the nape, in the detail colour -->',
            '  <g fill="#0000ff" stroke="#000000" stroke-width="2.5" stroke-linejoin="round">%s</g>' % ''.join(paths)]


def flame_points(at, tilt, width):
    return [p for tongue in flame_tongues(at, tilt, width) for p in tongue]


def band_points(at, tilt, width):
    to = neck_frame(at, tilt)
    k = neck_scale(width)
    return [to((sx * (width / 2.0 + 4), sy * 20 * k)) for sx in (-1, 1) for sy in (-1, 1)]


# suffix: (the part drawn in front, the part drawn behind, the points it reaches, what it is)
NECK_PARTS = {
    'gl': (lambda *a: collar_lines(*a), None, band_points, 'a collar about the neck'),
    'gd': (lambda *a: coronet_lines(*a), None, band_points, 'a ducal coronet about the neck'),
    'gn': (lambda *a: collar_lines(*a) + chain_lines(*a), None,
           lambda *a: band_points(*a) + chain_points(*a), 'a collar and a chain hanging from it'),
    'gc': (lambda *a: coronet_lines(*a) + chain_lines(*a), None,
           lambda *a: band_points(*a) + chain_points(*a), 'a ducal coronet and a chain hanging from it'),
    'en': (None, lambda *a: flame_lines(*a), flame_points, 'flames rising behind the head'),
}

# (folder, source, middle of the neck line, tilt in degrees, width of the neck there)
NECKS = [
    ('lions', 'lions/lion.svg', (103, 99), 16, 48),
    ('lions', 'lions/lion.3.svg', (76, 52), -95, 50),
    ('beasts', 'beasts/buck.svg', (51, 94), -15, 34),
    ('beasts', 'beasts/buck.hd.svg', (119, 141), 0, 66),
    ('beasts', 'beasts/bear.svg', (66, 58), -70, 44),
    ('beasts', 'beasts/bear.hd.svg', (128, 150), 0, 62),
    ('beasts', 'beasts/boar.svg', (71, 81), -90, 56),
    ('beasts', 'beasts/boar.hd.svg', (127, 150), 0, 58),
    ('beasts', 'beasts/talbot.hd.svg', (131, 155), 0, 73),
    ('beasts', 'beasts/talbot.he.svg', (131, 155), 0, 73),
    ('beasts', 'beasts/buck.he.svg', (119, 141), 0, 66),
    ('beasts', 'beasts/bear.he.svg', (128, 150), 0, 62),
    ('beasts', 'beasts/boar.he.svg', (127, 150), 0, 58),
    ('birds', 'birds/swan.svg', (59, 66), 0, 24),
    ('birds', 'birds/swan.hd.svg', (90, 119), 0, 40),
    ('birds', 'birds/swan.he.svg', (90, 119), 0, 40),
    ('beasts', 'beasts/talbot.svg', (74, 68), -50, 42),
    ('beasts', 'beasts/greyhoun.svg', (58, 60), -56, 30),
    ('beasts', 'beasts/wolf.svg', (63, 62), -58, 40),
    ('beasts', 'beasts/wolf.hd.svg', (118, 138), 0, 80),
    ('beasts', 'beasts/wolf.he.svg', (118, 138), 0, 80),
    ('beasts', 'beasts/fox.svg', (63, 68), -67, 38),
    ('beasts', 'beasts/fox.hd.svg', (122, 140), 0, 76),
    ('beasts', 'beasts/fox.he.svg', (122, 140), 0, 76),
    ('beasts', 'beasts/buck.4.svg', (57, 110), -30, 30),
    ('beasts', 'beasts/hind.svg', (56, 56), -41, 30),
    ('beasts', 'beasts/hind.hd.svg', (71, 50), -21, 44),
    ('beasts', 'beasts/hind.he.svg', (71, 50), -21, 44),
    ('beasts', 'beasts/horse.svg', (72, 58), -22, 42),
    ('beasts', 'beasts/horse.hd.svg', (127, 128), -5, 54),
    ('beasts', 'beasts/horse.he.svg', (127, 128), -5, 54),
    ('lions', 'lions/unicorn.svg', (82, 100), -27, 38),
    ('lions', 'lions/unicorn.hd.svg', (120, 128), -5, 50),
    ('lions', 'lions/unicorn.he.svg', (120, 128), -5, 50),
    ('lions', 'lions/antelope.svg', (101, 63), -10, 32),
    ('lions', 'lions/antelope.hd.svg', (60, 70), -5, 34),
    ('lions', 'lions/antelope.he.svg', (60, 70), -5, 34),
    ('lions', 'lions/dragon.svg', (96, 65), -25, 32),
    ('lions', 'lions/dragon.hd.svg', (121, 140), 0, 60),
    ('lions', 'lions/dragon.he.svg', (121, 140), 0, 60),
    ('lions', 'lions/griffin.hd.svg', (105, 128), 0, 66),
    ('lions', 'lions/griffin.he.svg', (105, 128), 0, 66),
    ('birds', 'birds/popinjay.svg', (73, 52), -16, 44),
    # the hounds, the wolf, the fox and the hind rampant, sejant and couchant (not the winged
    # greyhound: its wing is already the detail part, which a collar's tincture would recolour;
    # derived_more.py sets a wing of the body's tincture on the greyhound couchant collared)
    ('beasts', 'beasts/greyhoun.6.svg', (68, 50), -50, 34),
    ('beasts', 'beasts/talbot.1.svg', (114, 99), -5, 36),
    ('beasts', 'beasts/talbot.5.svg', (72, 96), -50, 36),
    ('beasts', 'beasts/talbot.6.svg', (76, 66), -35, 46),
    ('beasts', 'beasts/wolf.1.svg', (107, 66), -5, 50),
    ('beasts', 'beasts/wolf.5.svg', (66, 92), -45, 36),
    ('beasts', 'beasts/wolf.6.svg', (60, 68), -40, 46),
    ('beasts', 'beasts/fox.1.svg', (114, 99), -5, 36),
    ('beasts', 'beasts/fox.5.svg', (55, 85), -20, 48),
    ('beasts', 'beasts/fox.6.svg', (66, 58), -40, 44),
    ('beasts', 'beasts/hind.5.svg', (64, 112), -35, 34),
    ('beasts', 'beasts/hind.6.svg', (55, 60), -50, 30),
]


def neck_picture_name(source, suffix):
    stem = os.path.basename(source)[:-len('.svg')]
    name, _, variant = stem.partition('.')
    # the suffix stays whole within a stem of 8 letters: the greyhound collared is greyhogl
    return name[:8 - len(suffix)] + suffix + ('.' + variant if variant else '')


def neck_other_names(source, suffix):
    """The source's other names ("lion.1" for the rampant lion) with the part's suffix added."""
    with open(os.path.join(CHARGES_DIR, source)) as f:
        m = re.search(r'data-also="([^"]*)"', f.read(1000))
    if not m:
        return None
    # an other name is cut to the stem as the name is
    names = [neck_picture_name(other + '.svg', suffix) for other in m.group(1).split()]
    # and so is one of another charge ("bearm.hd", the head muzzled), which no phrase reaches
    base = neck_picture_name(source, suffix).partition('.')[0]
    return ' '.join(n for n in names if n.partition('.')[0] == base) or None


def gorged(folder, source, at, tilt, width, suffix):
    front, behind, reach, what = NECK_PARTS[suffix]
    box, inherit, body = read_source(source)
    margin = 5
    xs = [p[0] for p in reach(at, tilt, width)]
    ys = [p[1] for p in reach(at, tilt, width)]
    x0 = min(box[0], min(xs) - margin)
    y0 = min(box[1], min(ys) - margin)
    x1 = max(box[0] + box[2], max(xs) + margin)
    y1 = max(box[1] + box[3], max(ys) + margin)
    w, h = x1 - x0, y1 - y0
    k = min(1.0, math.sqrt(MAX_AREA / (w * h)))
    name = neck_picture_name(source, suffix)
    ch = Charge(folder, name, int(math.floor(w * k)), int(math.floor(h * k)),
                'The %s with %s' % (os.path.basename(source)[:-len('.svg')], what), neck_other_names(source, suffix))
    ch.note('Made from %s by tools/geometric/gorged.py: %s.' % (source, what))
    g_attrs = ''.join(' %s="%s"' % kv for kv in sorted(inherit.items()))
    ch.body_lines += ['  <g transform="scale(%s) translate(%s %s)"%s>' % (fmt(k), fmt(-x0), fmt(-y0), g_attrs)]
    if behind:
        ch.body_lines += behind(at, tilt, width)
    ch.body_lines += [body] + (front(at, tilt, width) if front else []) + ['  </g>']
    return ch


def register_gorged(row, suffix):
    def make():
        return gorged(*row, suffix)
    make.__name__ = neck_picture_name(row[1], suffix)
    charge(make)


for _row in NECKS:
    for _suffix in NECK_PARTS:
        # the rampant lion ducally gorged and chained is drawn by hand (liongc)
        if os.path.exists(os.path.join(CHARGES_DIR, _row[0], neck_picture_name(_row[1], _suffix) + '.svg')) and \
                _suffix == 'gc' and _row[1] == 'lions/lion.svg':
            continue
        register_gorged(_row, _suffix)
