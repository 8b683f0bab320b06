"""Foils of more leaves and flowers seen from the front, built from circles and petals set round
a centre, and a few plants of a stalk and a head."""

from .style import BLUE, RED
from .geometry import circle, ellipse, join, poly, polar, smooth
from .svg import Charge, charge
from .plants import foil_outline, lens, stalk


def foil(name, n, title, pierced=False, also=None, start=0.0):
    ch = Charge('plants', name, 180, 180, title, also=also)
    c = (90, 90)
    R = 86
    outline = foil_outline(c, n, 0.52 * R, 0.34 * R if n > 5 else 0.37 * R, point=0.12 * R, start=start)
    if pierced:
        ch.fill([outline, circle(c, 0.16 * R)], evenodd=True)
    else:
        ch.fill(outline)
        ch.fill(circle(c, 0.11 * R), width=2.5, note='the heart of the flower')
    return ch


@charge
def sexfoil():
    return foil('sexfoil', 6, 'A sexfoil: six pointed petals set round a small heart.', also='sixfoil')


@charge
def sexfoil_pierced():
    return foil('sexfoil.9', 6, 'A sexfoil pierced: six pointed petals, a round hole in the middle.')


@charge
def octofoil():
    return foil('octofoil', 8, 'An octofoil (double quatrefoil): eight pointed petals set round a small heart.')


@charge
def quatrefoil_pierced():
    return foil('quatrefo.9', 4, 'A quatrefoil pierced: four pointed petals, a round hole in the middle.', pierced=True)


def petal_ring(c, n, r0, r1, width, start=0.0):
    """n narrow petals from radius r0 out to r1, each a lens."""
    return [lens(polar(c, r0, start + 360.0 * k / n), polar(c, r1, start + 360.0 * k / n), width) for k in range(n)]


@charge
def daisy():
    ch = Charge('plants', 'daisy', 180, 180, 'A daisy: twelve narrow white petals round a round heart (detail).',
                also='margueri daisie')
    c = (90, 90)
    for p in petal_ring(c, 12, 18, 86, 12):
        ch.fill(p)
    ch.fill(circle(c, 26), colour=BLUE, note='the heart (detail)')
    return ch


@charge
def chrysanthemum():
    ch = Charge('plants', 'chrysant', 180, 180,
                'A chrysanthemum: sixteen petals round a heart, a second ring of petals between them.')
    c = (90, 90)
    for p in petal_ring(c, 16, 30, 86, 11, start=11.25):
        ch.fill(p)
    for p in petal_ring(c, 16, 20, 66, 11):
        ch.fill(p)
    ch.fill(circle(c, 22), note='the heart')
    return ch


@charge
def sunflower():
    ch = Charge('plants', 'sunflowe', 180, 180,
                'A sunflower (marigold): pointed petals round a broad seeded heart (detail).', also='marigold')
    c = (90, 90)
    for p in petal_ring(c, 18, 40, 86, 15):
        ch.fill(p)
    ch.fill(circle(c, 46), colour=BLUE, note='the seeded heart (detail)')
    seeds = [circle(polar(c, r, a + (15 if r == 30 else 0)), 2.6) for r in (14, 30) for a in range(0, 360, 30)]
    ch.solid(seeds + [circle(c, 2.6)])
    return ch


@charge
def tudor_rose():
    ch = Charge('plants', 'trose', 180, 180,
                'A Tudor rose (double rose): an outer rose of five petals and an inner one (detail), barbed and seeded.')
    c = (90, 88)
    R = 88
    barbs = [lens(polar(c, 0.45 * R, 36 + 72 * k), polar(c, R, 36 + 72 * k), 9.5) for k in range(5)]
    ch.fill(barbs, colour=RED, note='barbs (second part)')
    ch.fill(foil_outline(c, 5, 0.5 * R, 0.41 * R), note='the outer petals')
    ch.fill(foil_outline(c, 5, 0.27 * R, 0.24 * R, start=36), colour=BLUE, width=2.5, note='the inner rose (detail)')
    ch.fill(circle(c, 0.12 * R), width=2.5, note='the seeds')
    return ch


@charge
def tulip():
    ch = Charge('plants', 'tulip', 140, 220, 'A tulip slipped: a cup of three petals on a stalk with two leaves.')
    ch.fill(stalk([(70, 120), (70, 165), (70, 215)], 9, 8), note='the stalk')
    ch.fill(join(smooth([(70, 200), (46, 175), (22, 140), (18, 112)]),
                 smooth([(18, 112), (40, 130), (62, 160), (70, 190)])), note='the leaves')
    ch.fill(join(smooth([(70, 200), (94, 175), (118, 140), (122, 112)]),
                 smooth([(122, 112), (100, 130), (78, 160), (70, 190)])))
    cup = join(smooth([(70, 130), (40, 124), (24, 90), (28, 44), (30, 8)]),
               poly([(30, 8), (50, 34), (70, 6), (90, 34), (110, 8)]),
               smooth([(110, 8), (112, 44), (116, 90), (100, 124), (70, 130)]))
    ch.fill(cup, note='the flower')
    ch.line([smooth([(50, 34), (56, 80), (70, 126)]), smooth([(90, 34), (84, 80), (70, 126)])])
    return ch


@charge
def bulrush():
    ch = Charge('plants', 'bulrush', 120, 220, 'A bulrush (cattail): a long brown head on a tall stalk, two blades.',
                also='cattail bulrushe')
    ch.fill(join(smooth([(60, 214), (40, 170), (14, 120), (6, 80)]),
                 smooth([(6, 80), (30, 120), (52, 160), (62, 200)])), note='the blades')
    ch.fill(join(smooth([(60, 214), (80, 170), (106, 120), (114, 80)]),
                 smooth([(114, 80), (90, 120), (68, 160), (58, 200)])))
    ch.fill(stalk([(60, 216), (60, 120), (60, 8)], 8, 6), note='the stalk')
    ch.fill(ellipse((60, 62), 17, 44), colour=BLUE, note='the head (detail)')
    return ch


@charge
def mushroom():
    ch = Charge('plants', 'mushroom', 180, 170, 'A mushroom: a domed cap on a thick stem.')
    ch.fill(join(poly([(66, 160), (72, 80), (108, 80), (114, 160)]), smooth([(114, 160), (90, 166), (66, 160)])),
            note='the stem')
    cap = join(smooth([(5, 96), (14, 46), (56, 6), (90, 5), (124, 6), (166, 46), (175, 96)]),
               smooth([(175, 96), (130, 86), (90, 84), (50, 86), (5, 96)]))
    ch.fill(cap, note='the cap')
    ch.solid([circle((60, 44), 8), circle((104, 30), 7), circle((134, 62), 7), circle((86, 64), 6)])
    return ch


@charge
def clover():
    ch = Charge('plants', 'clover', 180, 200, 'A four-leaved clover slipped: four heart-shaped leaves on a stalk.')
    c = (90, 84)
    shapes = []
    for a in (45, 135, 225, 315):
        shapes.append(circle(polar(c, 44, a - 14), 27))
        shapes.append(circle(polar(c, 44, a + 14), 27))
    slip = stalk([(90, 110), (94, 150), (104, 196)], 14, 10)
    ch.union([[s] for s in shapes] + [[slip], [circle(c, 24)]], note='leaves and stalk as one figure')
    for a in (45, 135, 225, 315):
        ch.line([poly([polar(c, 18, a), polar(c, 66, a)])])
    return ch


@charge
def clove():
    ch = Charge('plants', 'clove', 100, 220, 'A clove: a tapering stalk topped by a ball in four pointed sepals.')
    ch.fill(poly([(42, 80), (58, 80), (54, 215), (46, 215)]), note='the stalk')
    sepals = [(50, 96), (8, 56), (30, 58), (20, 10), (44, 40), (50, 32), (56, 40), (80, 10), (70, 58), (92, 56)]
    ch.fill(poly(sepals), note='the sepals')
    ch.fill(circle((50, 44), 15), note='the bud')
    return ch


@charge
def bluebell():
    ch = Charge('plants', 'bluebell', 150, 220, 'A bluebell: a bending stalk hung with three bell-shaped flowers, two blades.')
    ch.fill(stalk([(75, 215), (78, 120), (70, 40), (50, 10)], 8, 5), note='the stalk')
    ch.fill(lens((75, 214), (20, 120), 12), note='the blades')
    ch.fill(lens((75, 214), (136, 130), 12))
    for (x, y) in ((52, 14), (74, 58), (80, 104)):
        bell = join(poly([(x + 4, y)]), smooth([(x + 4, y), (x + 30, y + 10), (x + 36, y + 40)]),
                    poly([(x + 36, y + 40), (x + 42, y + 48), (x + 24, y + 44), (x + 16, y + 52), (x + 10, y + 40),
                          (x - 2, y + 42), (x + 4, y)]))
        ch.fill(bell, note=None)
    return ch


@charge
def poppy():
    ch = Charge('plants', 'poppy', 180, 180, 'A poppy: four broad round petals about a seeded head (detail).',
                also='poppie')
    c = (90, 90)
    ch.fill(foil_outline(c, 4, 0.44 * 86, 0.5 * 86, start=45), note='the petals')
    ch.fill(circle(c, 24), colour=BLUE, note='the head (detail)')
    ch.line([poly([polar(c, 6, a), polar(c, 22, a)]) for a in range(0, 360, 45)])
    return ch


@charge
def dogwood():
    ch = Charge('plants', 'dogwood', 180, 180, 'A dogwood flower: four broad petals, each notched at its tip, about a seeded heart.',
                also='dogwoodf')
    c = (90, 90)
    for a in (0, 90, 180, 270):
        p = [polar(c, 10, a - 40), polar(c, 70, a - 34), polar(c, 86, a - 14), polar(c, 74, a), polar(c, 86, a + 14),
             polar(c, 70, a + 34), polar(c, 10, a + 40)]
        ch.fill(smooth(p + [p[0]], tension=0.6), note=None)
    ch.fill(circle(c, 20), colour=RED, note='the heart (second part: "seeded")')
    return ch


@charge
def branch():
    ch = Charge('plants', 'branch', 160, 220, 'A branch: a bending twig with leaves set alternately, erect.',
                also='branche hollybra sprigsbi sprigbir')
    ch.fill(stalk([(80, 215), (84, 150), (76, 80), (84, 8)], 10, 5), note='the twig')
    for k, (y, side) in enumerate(((180, -1), (150, 1), (120, -1), (90, 1), (60, -1), (34, 1))):
        x = 80
        ch.fill(lens((x, y), (x + side * (70 - 6 * k), y - 30), 12 - k * 0.6), note=None)
    ch.fill(lens((84, 14), (84, 0.0 + 2), 6))
    return ch


@charge
def palm_branch():
    ch = Charge('plants', 'palmbran', 150, 220, 'A palm branch: a long stem with narrow leaflets to either side, bending at the tip.')
    ch.fill(stalk([(75, 215), (76, 120), (70, 10)], 8, 4), note='the stem')
    for k in range(10):
        y = 196 - 18 * k
        w = 70 - 5 * k
        ch.fill(lens((75, y), (75 - w, y - 8 - 2 * k), 5), note=None)
        ch.fill(lens((75, y), (75 + w, y - 8 - 2 * k), 5))
    return ch


@charge
def teasel():
    ch = Charge('plants', 'teasel', 120, 220, 'A teasel: an oval spiny head on a stalk, a spiny collar below it.', also='tezel')
    ch.fill(stalk([(60, 215), (60, 150), (60, 110)], 8, 6), note='the stalk')
    ch.fill(poly([(60, 120), (6, 92), (40, 126), (60, 130), (80, 126), (114, 92)]), colour=RED, note='the collar (second part)')
    ch.fill(ellipse((60, 64), 32, 58), note='the head')
    ch.line([poly([(34 + 13 * k, 14 + 8 * (k % 2)), (30 + 13 * k, 118 - 8 * (k % 2))]) for k in range(5)])
    return ch


def branch_with(ch, leaf_width, fruit=False):
    ch.fill(stalk([(80, 215), (84, 150), (76, 80), (84, 8)], 10, 5), note='the twig')
    for k, (y, side) in enumerate(((186, -1), (162, 1), (138, -1), (114, 1), (90, -1), (66, 1), (42, -1), (22, 1))):
        ch.fill(lens((80, y), (80 + side * (66 - 5 * k), y - 26), leaf_width - k * 0.4), note=None)
    if fruit:
        ch.fill([ellipse(p, 7, 10) for p in ((56, 150), (108, 126), (54, 102), (104, 78))], colour=RED, width=2,
                note='the fruit (second part)')


@charge
def olive_branch():
    ch = Charge('plants', 'olivebra', 160, 220, 'An olive branch: a twig of narrow leaves set alternately, hung with olives.')
    branch_with(ch, 7, fruit=True)
    return ch


@charge
def laurel_branch():
    ch = Charge('plants', 'laurelbr', 160, 220, 'A laurel branch: a twig of long pointed leaves set alternately.')
    branch_with(ch, 10)
    return ch


@charge
def cornflower():
    ch = Charge('plants', 'cornflow', 180, 180, 'A cornflower: a ring of fringed, trumpet-shaped florets about a small heart.')
    c = (90, 90)
    for k in range(8):
        a = 45 * k + 22.5
        p = [polar(c, 16, a - 10), polar(c, 74, a - 22), polar(c, 86, a - 18), polar(c, 78, a - 8), polar(c, 88, a),
             polar(c, 78, a + 8), polar(c, 86, a + 18), polar(c, 74, a + 22), polar(c, 16, a + 10)]
        ch.fill(poly(p), note=None)
    ch.fill(circle(c, 20), colour=BLUE, note='the heart (detail)')
    return ch


@charge
def edelweiss():
    ch = Charge('plants', 'edelwei', 180, 180, 'An edelweiss: a star of ten woolly pointed bracts about a cluster of heads.')
    c = (90, 90)
    for p in petal_ring(c, 10, 14, 87, 13):
        ch.fill(p)
    ch.fill([circle(polar(c, 13, a), 11) for a in (0, 72, 144, 216, 288)] + [circle(c, 10)], colour=BLUE, width=2.5,
            note='the heads (detail)')
    return ch
