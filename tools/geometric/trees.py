"""Trees of named kinds, each drawn twice: on a trunk cut straight across (the tree as blazoned
alone, also "couped") and eradicated, the roots torn up and showing. "An apple tree" is read as
the name appletree (cut to appletre), "an apple tree eradicated" as appletre.ra; a kind named alone ("a palm") is its tree. Fruit is drawn
as the second part, so "fructed gules" colours it. The plum and the lemon are drawn alone too."""

import math

from .style import RED
from .geometry import arc, circle, ellipse, join, mirrored, poly, smooth
from .svg import Charge, charge
from .plants import lens, scalloped_ellipse
from .whole_plants import trunk_eradicated


def trunk_couped(top=128, half_w=13):
    return [('M', (90, top)), ('L', (90 + half_w, top)), ('L', (90 + half_w, 196)), ('L', (92 + half_w, 214)),
            ('L', (90, 214))]


def draw_trunk(ch, eradicated, top=128):
    if eradicated:
        ch.fill(mirrored(trunk_eradicated(), 90), note='trunk and roots')
    else:
        ch.fill(mirrored(trunk_couped(top), 90), note='the trunk, cut straight')
    ch.line([poly([(84, 150), (86, 170)]), poly([(96, 152), (94, 168)])], note='bark')


def apple_crown(ch):
    crown = scalloped_ellipse((90, 78), 63, 54, 12, 21, 10)
    ch.fill(crown, join='round', note='the crown')
    ch.fill([circle(p, 9) for p in ((58, 60), (102, 44), (124, 82), (74, 96), (104, 112), (48, 102), (86, 66))],
            colour=RED, width=2.5, note='apples (second part)')


def olive_crown(ch):
    crown = scalloped_ellipse((90, 84), 84, 40, 18, 13, 0)
    ch.fill(crown, join='round', note='the crown')
    ch.fill([ellipse(p, 5, 8) for p in ((40, 76), (70, 64), (104, 62), (136, 74), (120, 98), (84, 96), (52, 100))],
            colour=RED, width=2, note='olives (second part)')


def cypress_crown(ch):
    crown = join(smooth([(90, 5), (124, 40), (140, 90), (132, 128), (90, 142)]),
                 smooth([(90, 142), (48, 128), (40, 90), (56, 40), (90, 5)]))
    ch.fill(crown, note='the crown')
    ch.line([arc(p, 12, -60, 60) for p in ((84, 46), (98, 76), (78, 104), (100, 114))])


def palm_crown(ch):
    top = (90, 64)
    tips = [(8, 112), (14, 54), (50, 12), (130, 12), (166, 54), (172, 112), (90, 5)]
    ch.union([[lens(top, tip, 15)] for tip in tips], note='the fronds')
    ch.line([poly([top, (top[0] + 0.8 * (t[0] - top[0]), top[1] + 0.8 * (t[1] - top[1]))]) for t in tips])


def willow_crown(ch):
    crown = join(smooth([(20, 120), (14, 70), (40, 22), (90, 8), (140, 22), (166, 70), (160, 120)]),
                 poly([(160, 120), (150, 104), (140, 128), (128, 106), (116, 132), (104, 110), (90, 134), (76, 110),
                       (64, 132), (52, 106), (40, 128), (30, 104), (20, 120)]))
    ch.fill(crown, note='the crown, drooping')
    ch.line([smooth([(x, 30 + abs(x - 90) * 0.4), (x - 3, 70), (x, 106)]) for x in (52, 76, 104, 128)])


def birch_crown(ch):
    crown = scalloped_ellipse((90, 72), 56, 62, 14, 15, 0)
    ch.fill(crown, join='round', note='the crown')
    ch.line([arc(p, 9, -60, 60) for p in ((70, 50), (104, 40), (116, 80), (80, 92), (58, 108), (104, 112))])


def birch_bark(ch):
    ch.solid([poly([(80, 140), (92, 138), (92, 143), (80, 145)]), poly([(90, 162), (102, 160), (102, 165), (90, 167)]),
              poly([(79, 182), (90, 181), (90, 186), (79, 187)])], note='the bark\'s dark bands')


def beech_crown(ch):
    ch.fill(scalloped_ellipse((90, 80), 84, 54, 14, 18, 0), join='round', note='the crown')
    ch.line([arc(p, 12, -60, 60) for p in ((48, 70), (86, 50), (124, 66), (70, 100), (112, 104), (150, 92), (30, 96))])


def aspen_crown(ch):
    ch.fill(scalloped_ellipse((90, 72), 54, 66, 18, 12, 0), join='round', note='the crown')
    ch.line([poly([(x, y), (x + 6, y + 8)]) for x, y in ((70, 40), (100, 30), (80, 70), (110, 76), (64, 104), (100, 112))])


def poplar_crown(ch):
    ch.fill(scalloped_ellipse((90, 72), 34, 68, 16, 11, 0), join='round', note='the crown')
    ch.line([poly([(90, 20), (90, 126)])] + [poly([(90, y), (90 + d, y - 14)]) for y in (50, 80, 110) for d in (-18, 18)])


def yew_crown(ch):
    crown = join(smooth([(90, 5), (130, 40), (160, 96), (168, 132)]), poly([(168, 132), (12, 132)]),
                 smooth([(12, 132), (20, 96), (50, 40), (90, 5)]))
    ch.fill(crown, join='round', note='the crown')
    ch.line([arc(p, 14, -60, 60) for p in ((80, 40), (104, 70), (60, 84), (126, 104), (50, 114), (92, 112))])


def elm_crown(ch):
    clumps = [scalloped_ellipse(c, rx, ry, 10, 14, 0) for c, rx, ry in (((54, 92), 48, 40), ((126, 92), 48, 40),
                                                                         ((90, 50), 54, 44))]
    ch.union([[c] for c in clumps], note='the crown, in three clumps')
    ch.line([arc(p, 12, -60, 60) for p in ((50, 92), (130, 92), (90, 44), (90, 96))])


def cedar_crown(ch):
    tiers = [scalloped_ellipse((90, y), rx, 3, n, 9, 0) for y, rx, n in ((26, 26, 8), (58, 48, 12), (90, 66, 14),
                                                                         (122, 80, 16))]
    ch.union([[t] for t in tiers] + [[poly([(85, 16), (95, 16), (97, 130), (83, 130)])]],
             note='the crown, in flat tiers on the stem, the stem showing between them')


def ash_crown(ch):
    clumps = [scalloped_ellipse(c, rx, ry, 9, 12, 0) for c, rx, ry in (((48, 80), 34, 30), ((132, 80), 34, 30),
                                                                        ((70, 42), 36, 28), ((112, 40), 36, 28),
                                                                        ((90, 96), 34, 26))]
    ch.union([[c] for c in clumps], note='the crown, an open head of clumps of small leaves')
    ch.line([poly([(x, y), (x + 10, y - 6)]) for x, y in ((40, 78), (60, 40), (104, 38), (126, 80), (84, 96), (56, 96),
                                                       (116, 100))], note='the leaves')


def pear_crown(ch):
    ch.fill(scalloped_ellipse((90, 76), 60, 58, 12, 20, 15), join='round', note='the crown')
    for x, y in ((60, 58), (104, 42), (124, 84), (74, 98), (106, 110), (50, 100)):
        ch.fill(smooth([(x, y - 12), (x + 5, y - 2), (x + 8, y + 8), (x, y + 13), (x - 8, y + 8), (x - 5, y - 2)], closed=True),
                colour=RED, width=2.5, note='a pear (second part)' if (x, y) == (60, 58) else None)


def cherry_crown(ch):
    ch.fill(scalloped_ellipse((90, 80), 64, 52, 13, 20, 0), join='round', note='the crown')
    for x, y in ((58, 66), (104, 50), (124, 92), (78, 104), (46, 100), (96, 80)):
        ch.line([poly([(x, y - 14), (x - 6, y)]), poly([(x, y - 14), (x + 6, y)])], width=2)
        ch.fill([circle((x - 6, y + 3), 6), circle((x + 6, y + 3), 6)], colour=RED, width=2.5)
    ch.note('cherries in pairs (second part)')


def walnut_crown(ch):
    ch.union([[scalloped_ellipse((90, 84), 66, 40, 14, 20, 0)], [scalloped_ellipse((90, 54), 46, 30, 10, 18, 0)]],
             note='the crown, broad and low')
    ch.fill([ellipse(p, 7, 9) for p in ((56, 76), (98, 50), (126, 90), (80, 104), (46, 100), (108, 112))],
            colour=RED, width=2.5, note='walnuts (second part)')


def holly_crown(ch):
    pts = []
    for k in range(32):
        a = 360.0 * k / 32
        r = 1.0 if k % 2 == 0 else 0.86
        pts.append((90 + 72 * r * math.sin(math.radians(a)), 74 - 64 * r * math.cos(math.radians(a))))
    ch.fill(poly(pts + [pts[0]]), note='the crown, its edge prickly')
    ch.fill([circle(p, 6) for p in ((60, 60), (100, 40), (120, 86), (76, 100), (106, 112), (52, 98), (88, 72))],
            colour=RED, width=2.5, note='berries (second part)')


def laurel_crown(ch):
    ch.fill(scalloped_ellipse((90, 76), 48, 62, 12, 18, 0), join='round', note='the crown, tall and oval')
    ch.line([lens((x, y), (x + 14, y - 10), 4) for x, y in ((62, 50), (96, 36), (110, 80), (70, 96), (94, 112), (60, 74),
                                                             (96, 64))], note='the leaves')


def hawthorn_crown(ch):
    pts = []
    for k in range(28):
        a = 360.0 * k / 28
        r = 1.0 if k % 2 == 0 else 0.9
        pts.append((90 + 70 * r * math.sin(math.radians(a)), 80 - 58 * r * math.cos(math.radians(a))))
    ch.fill(poly(pts + [pts[0]]), note='the crown, thorny at its edge')
    for c in ((60, 62), (100, 44), (122, 90), (76, 104), (108, 114), (52, 100), (90, 78)):
        ch.fill(scalloped_ellipse(c, 4, 4, 5, 4, 0), colour='#0000ff', width=2, note=None)
    ch.note('the blossom (detail)')


def lime_crown(ch):
    crown = join(smooth([(90, 140), (40, 120), (14, 80), (24, 38), (58, 14), (90, 30)]),
                 smooth([(90, 30), (122, 14), (156, 38), (166, 80), (140, 120), (90, 140)]))
    ch.fill(crown, join='round', note='the crown, broad and heart-shaped')
    ch.line([arc(p, 12, -60, 60) for p in ((56, 60), (120, 60), (90, 90), (60, 104), (120, 104))], note='the leaves')


def plum_crown(ch):
    ch.fill(scalloped_ellipse((90, 78), 62, 54, 12, 20, 8), join='round', note='the crown')
    ch.fill([ellipse(p, 7, 9) for p in ((58, 62), (102, 46), (126, 86), (76, 100), (106, 112), (48, 100), (88, 72))],
            colour=RED, width=2.5, note='plums (second part)')


def mulberry_crown(ch):
    ch.fill(scalloped_ellipse((90, 80), 64, 52, 14, 18, 0), join='round', note='the crown')
    for x, y in ((60, 64), (104, 48), (124, 92), (78, 104), (50, 104)):
        ch.fill([circle((x + dx, y + dy), 4.5) for dx, dy in ((0, 0), (-5, 6), (5, 6), (0, 12))], colour=RED, width=2,
                note=None)
    ch.note('mulberries (second part)')


def lemon_crown(ch):
    ch.fill(scalloped_ellipse((90, 80), 60, 56, 11, 22, 0), join='round', note='the crown')
    ch.fill([lens((x - 10, y), (x + 10, y), 7) for x, y in ((60, 62), (104, 46), (124, 90), (78, 102), (50, 100))],
            colour=RED, width=2.5, note='lemons (second part)')


def rowan_crown(ch):
    ch.union([[scalloped_ellipse(c, rx, ry, 9, 12, 0)] for c, rx, ry in (((90, 50), 44, 36), ((56, 90), 36, 30),
                                                                         ((124, 90), 36, 30))],
             note='the crown, in clumps of small leaves')
    for x, y in ((70, 44), (110, 52), (54, 94), (126, 96), (90, 100)):
        ch.fill([circle((x + dx, y + dy), 3.5) for dx, dy in ((0, 0), (7, 0), (-7, 0), (3, 6), (-3, 6))], colour=RED,
                width=2, note=None)
    ch.note('clusters of berries (second part)')


KINDS = [
    # name stem, crown, title words, trunk top
    ('appletre', apple_crown, 'An apple tree fructed: a round crown hung with apples', 128),
    ('olivetre', olive_crown, 'An olive tree fructed: a broad crown of narrow leaves hung with olives', 118),
    ('cypresst', cypress_crown, 'A cypress tree: a tall crown narrowing to a point', 136),
    ('palmtree', palm_crown, 'A palm tree: a crown of long fronds spreading and drooping from the top of the trunk', 62),
    ('willowtr', willow_crown, 'A willow tree: a broad crown hanging down in drooping strands', 126),
    ('birchtre', birch_crown, 'A birch tree: a rounded crown on a slender trunk banded dark', 128),
    ('beechtre', beech_crown, 'A beech tree: a broad domed crown', 130),
    ('aspentre', aspen_crown, 'An aspen tree: a tall oval crown of small round leaves', 134),
    ('poplartr', poplar_crown, 'A poplar tree: a tall narrow crown rising like a column', 138),
    ('yewtree', yew_crown, 'A yew tree: a broad dark crown rising to a rounded point', 130),
    ('elmtree', elm_crown, 'An elm tree: a tall crown of three great clumps of leaves', 128),
    ('cedartre', cedar_crown, 'A cedar tree: its crown spread in flat tiers, widest at the foot', 130),
    ('ashtree', ash_crown, 'An ash tree: an open crown of clumps of small leaves', 128),
    ('peartree', pear_crown, 'A pear tree fructed: a round crown hung with pears', 128),
    ('cherrytr', cherry_crown, 'A cherry tree fructed: a round crown hung with cherries in pairs', 128),
    ('walnuttr', walnut_crown, 'A walnut tree fructed: a broad low crown hung with walnuts', 124),
    ('hollytre', holly_crown, 'A holly tree: a round crown with a prickly edge, set with berries', 132),
    ('laureltr', laurel_crown, 'A laurel (bay) tree: a tall oval crown of narrow leaves', 132),
    ('hawthorn', hawthorn_crown, 'A hawthorn tree: a round crown, thorny at the edge, set with blossom', 130),
    ('limetree', lime_crown, 'A lime (linden) tree: a broad heart-shaped crown', 128),
    ('plumtree', plum_crown, 'A plum tree fructed: a round crown hung with plums', 128),
    ('mulberry', mulberry_crown, 'A mulberry tree fructed: a round crown hung with clustered berries', 128),
    ('lemontre', lemon_crown, 'A lemon tree fructed: a round crown hung with lemons', 128),
    ('rowantre', rowan_crown, 'A rowan tree: a crown of clumps of small leaves hung with clusters of berries', 128),
]


def make_tree(stem, crown, title, top, eradicated):
    name = stem + ('.ra' if eradicated else '')
    words = title + (', eradicated: the roots torn up and showing.' if eradicated else ', its trunk cut straight across.')
    alone = {'olivetre': 'olive', 'cypresst': 'cypres', 'palmtree': 'palm', 'willowtr': 'willow', 'birchtre': 'birch',
             'beechtre': 'beech', 'aspentre': 'aspen', 'poplartr': 'poplar', 'yewtree': 'yew', 'elmtree': 'elm',
             'cedartre': 'cedar', 'ashtree': 'ash', 'limetree': 'lime', 'rowantre': 'rowan'}
    plural = {'cypresst': 'cypresse', 'birchtre': 'birche', 'beechtre': 'beeche', 'limetree': 'lindentr',
              'ashtree': 'ashe', 'mulberry': 'mulberri'}
    also = [stem + '.cp'] + ([alone[stem]] if stem in alone else []) + ([plural[stem]] if stem in plural else [])
    if eradicated:
        also = [alone[stem] + '.ra'] if stem in alone else None
    ch = Charge('plants', name, 180, 220, words, also=' '.join(also) if also else None)
    if stem == 'palmtree':
        trunk = [('M', (90, 62)), ('L', (98, 62)), ('C', (104, 110), (106, 160), (104, 196))]
        if eradicated:
            ch.fill(mirrored(trunk_eradicated(), 90), note='roots')
        else:
            ch.fill(mirrored(trunk_couped(150, 11), 90))
        ch.fill(join(poly([(82, 62), (98, 62)]), smooth([(98, 62), (104, 120), (102, 170)]),
                     poly([(102, 170), (78, 170)]), smooth([(78, 170), (78, 120), (82, 62)])), note='the trunk')
        ch.line([poly([(80, y), (101, y + 6)]) for y in range(80, 166, 14)])
    else:
        draw_trunk(ch, eradicated, top)
        if stem == 'birchtre':
            birch_bark(ch)
    crown(ch)
    return ch


def register(stem, crown, title, top):
    charge(lambda: make_tree(stem, crown, title, top, False))
    charge(lambda: make_tree(stem, crown, title, top, True))


for _kind in KINDS:
    register(*_kind)



# --- The fruit of two of them alone, slipped and leaved ---------------------------------------

def fruit(name, title, body):
    ch = Charge('plants', name, 160, 200, title)
    ch.fill(lens((80, 40), (118, 8), 12), note='the leaf')
    ch.line([poly([(80, 40), (80, 56)])], width=3, note='the stalk')
    ch.fill(body, join='round', note='the fruit')
    return ch


@charge
def plum():
    return fruit('plum', 'A plum: an oval fruit hanging from its stalk, a leaf beside it.',
                 smooth([(80, 54), (118, 74), (130, 130), (104, 190), (56, 190), (30, 130), (42, 74)], closed=True))


@charge
def lemon():
    return fruit('lemon', 'A lemon: a pointed oval fruit hanging from its stalk, a leaf beside it.',
                 smooth([(80, 52), (112, 72), (128, 124), (104, 176), (80, 196), (56, 176), (32, 124), (48, 72)],
                        closed=True))
