"""Charges the blazon lists ask for by a word or a variant of a charge drawn already: the heart
pierced, the cross crosslet potent, the oak chaplet, the ship's wheel, the rose and
cinquefoil slipped (and leaved), crowns of their own kind, a door, berries and leaves."""

import math

from .style import BLUE, RED
from .geometry import add, arc, arc_between, circle, ellipse, join, mirrored, poly, polar, scale, smooth
from .svg import Charge, charge
from .crosses import four_arms
from .plants import foil_outline, lens, stalk
from .whole_plants import oak_leaf


def rect(x0, y0, x1, y1):
    return poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def heart_half():
    lobe, r = (130.5, 52), 43
    notch = (90, lobe[1] - math.sqrt(r * r - (lobe[0] - 90) ** 2))
    p_end = polar(lobe, r, 122)
    t = polar((0, 0), 1, 212)
    return join(arc_between(lobe, r, notch, p_end), [('M', p_end), ('C', add(p_end, scale(t, 40)), (104, 150), (90, 174))])


@charge
def heart_pierced():
    ch = Charge('shapes', 'heart.9', 180, 180, 'A heart pierced: a heart, a round hole in the middle showing the field.')
    ch.fill([mirrored(heart_half(), 90), circle((90, 76), 22)], evenodd=True)
    return ch


@charge
def crosslet_potent():
    ch = Charge('crosses', 'cros.15', 180, 180,
                'A cross crosslet potent: each arm crossed near its end, and every end a crutch head.')
    half = poly([(85, 0), (85, 22), (74, 22), (74, 8), (62, 8), (62, 28), (72, 28), (72, 40), (44, 40), (44, 28),
                 (54, 28), (54, 8), (8, 8)])
    ch.fill(four_arms((90, 90), half))
    return ch


@charge
def oak_chaplet():
    ch = Charge('plants', 'oakchapl', 180, 180, 'An oak chaplet: a wreath of oak leaves set round in a ring.')
    c = (90, 90)
    ch.fill([circle(c, 66), circle(c, 52)], evenodd=True, note='the band')
    for k in range(10):
        a = 36 * k
        base, tip = polar(c, 59, a - 14), polar(c, 59, a + 20)
        mid = polar(c, 70, a + 3)
        ch.fill(oak_leaf(base, (tip[0] + (mid[0] - c[0]) * 0.25, tip[1] + (mid[1] - c[1]) * 0.25), 30), join='round')
    return ch


@charge
def ships_wheel():
    ch = Charge('objects', 'shipswhe', 180, 180, 'A ship\'s wheel: a rim on eight spokes, each running out into a handle.')
    c = (90, 90)
    spokes = [poly([polar(c, 4, a - 90), polar(c, 4, a + 90), polar(add(c, (0, 0)), 80, a + 3), polar(c, 80, a - 3)])
              for a in range(0, 360, 45)]
    handles = [ellipse(polar(c, 76, a), 9, 9) for a in range(0, 360, 45)]
    ch.union([[s] for s in spokes] + [[h] for h in handles] + [[circle(c, 62), circle(c, 48)], [circle(c, 17)]],
             evenodd=True)
    ch.fill(circle(c, 6), note='the hub')
    return ch


def small_rose(ch, c, R):
    barbs = [lens(polar(c, 0.45 * R, 36 + 72 * k), polar(c, R, 36 + 72 * k), 0.1 * R) for k in range(5)]
    ch.fill(barbs, colour=RED, note='barbs (second part)')
    ch.fill(foil_outline(c, 5, 0.5 * R, 0.41 * R), note='the petals')
    ch.fill(circle(c, 0.17 * R), colour=BLUE, width=2.5, note='seeds (detail)')


@charge
def rose_slipped():
    ch = Charge('plants', 'rose.sl', 160, 220, 'A rose slipped: a heraldic rose on a short stalk.')
    ch.fill(stalk([(80, 120), (82, 170), (90, 214)], 12, 9), colour=RED, note='the stalk (second part)')
    small_rose(ch, (80, 78), 74)
    return ch


@charge
def rose_slipped_leaved():
    ch = Charge('plants', 'rose.sll', 180, 220, 'A rose slipped and leaved: a rose on its stalk with a leaf to either side.')
    ch.fill(stalk([(90, 120), (92, 170), (98, 214)], 12, 9), colour=RED, note='the stalk (second part)')
    ch.fill(lens((92, 170), (14, 150), 17), colour=RED, note='the leaves')
    ch.fill(lens((94, 184), (170, 162), 17), colour=RED)
    small_rose(ch, (90, 74), 72)
    return ch


@charge
def cinquefoil_slipped():
    ch = Charge('plants', 'cinquefo.sl', 160, 220, 'A cinquefoil slipped: five pointed petals on a short stalk.')
    ch.fill(stalk([(80, 130), (82, 176), (90, 214)], 12, 9), colour=RED, note='the stalk (second part)')
    c = (80, 82)
    ch.fill([foil_outline(c, 5, 0.52 * 78, 0.36 * 78, point=0.12 * 78), circle(c, 0.15 * 78)], evenodd=True)
    return ch


@charge
def quatrefoil_slipped():
    ch = Charge('plants', 'quatrefo.sl', 160, 220, 'A quatrefoil slipped: four pointed petals on a short stalk.')
    ch.fill(stalk([(80, 130), (82, 176), (90, 214)], 12, 9), colour=RED, note='the stalk (second part)')
    c = (80, 80)
    ch.fill(foil_outline(c, 4, 0.46 * 76, 0.39 * 76, point=0.15 * 76))
    ch.fill(circle(c, 8), width=2.5)
    return ch


def crown_band(ch):
    ch.fill(rect(8, 150, 212, 190), note='the band')
    ch.solid([circle((x, 170), 6) for x in (40, 80, 110 + 30, 180)], note='jewels')


@charge
def celestial_crown():
    ch = Charge('objects', 'ccrown', 220, 200, 'A celestial crown: a band with tall pointed rays, each tipped by a mullet.')
    for k in range(5):
        x = 26 + 42 * k
        ch.fill(poly([(x - 12, 152), (x, 56), (x + 12, 152)]), note=None)
        pts = []
        for j in range(10):
            pts.append(polar((x, 34), 24 if j % 2 == 0 else 10, 36 * j))
        ch.fill(poly(pts), colour=BLUE, width=2.5)
    crown_band(ch)
    return ch


@charge
def naval_crown():
    ch = Charge('objects', 'ncrown', 220, 190, 'A naval crown: a band set with the sterns of ships and square sails by turns.')
    for k in range(5):
        x = 26 + 42 * k
        if k % 2 == 0:
            ch.fill(join(poly([(x - 18, 150), (x - 18, 96), (x + 18, 96), (x + 18, 150)])), note=None)
            ch.fill(rect(x - 3, 60, x + 3, 98))
            ch.fill(rect(x - 14, 66, x + 14, 90), colour=BLUE, width=2.5)
        else:
            ch.fill(join(poly([(x - 16, 150), (x - 20, 110)]), smooth([(x - 20, 110), (x, 100), (x + 20, 110)]),
                         poly([(x + 20, 110), (x + 16, 150)])), colour=RED)
    crown_band(ch)
    return ch


@charge
def door():
    ch = Charge('objects', 'door', 140, 220, 'A door: an arched door of planks with two strap hinges and a ring.')
    ch.fill(join(poly([(10, 215), (10, 70)]), arc((70, 70), 60, -90, 90), poly([(130, 70), (130, 215)])), note='the door')
    ch.line([poly([(x, 20 if x == 70 else 28), (x, 215)]) for x in (40, 70, 100)])
    ch.fill(rect(10, 84, 108, 96), colour=RED, note='the hinges (second part)')
    ch.fill(rect(10, 168, 108, 180), colour=RED)
    ch.fill([circle((112, 136), 10), circle((112, 136), 4)], evenodd=True, note='the ring')
    return ch


@charge
def strawberry():
    ch = Charge('plants', 'strawber', 160, 200, 'A strawberry: a rounded pointed berry seeded, a leafy calyx (second part) on top.')
    berry = join(smooth([(80, 196), (30, 150), (10, 90), (30, 52), (80, 48)]),
                 smooth([(80, 48), (130, 52), (150, 90), (130, 150), (80, 196)]))
    ch.fill(berry, note='the berry')
    ch.solid([ellipse((x, y), 2.5, 4) for x, y in ((50, 80), (80, 74), (110, 80), (40, 112), (66, 106), (94, 106),
                                                   (120, 112), (56, 140), (80, 136), (104, 140), (80, 166))])
    calyx = [(80, 60)] + [polar((80, 46), 38 if j % 2 == 0 else 14, 90 + 30 * j) for j in range(7)] + [(80, 60)]
    ch.fill(poly(calyx[1:]), colour=RED, note='the calyx (second part)')
    ch.fill(rect(76, 5, 84, 30), colour=RED)
    return ch


@charge
def cherry():
    ch = Charge('plants', 'cherry', 170, 210, 'Cherries: two round fruits hanging from stalks joined at a leaf.',
                also='cherrie')
    ch.fill(lens((86, 22), (160, 8), 15), colour=RED, note='the leaf (second part)')
    ch.line([smooth([(86, 20), (60, 70), (46, 140)]), smooth([(86, 20), (104, 80), (124, 150)])], width=5)
    ch.fill(circle((46, 164), 40), note='the fruits')
    ch.fill(circle((124, 170), 40))
    return ch


@charge
def ivy_leaf():
    ch = Charge('plants', 'ivyleaf', 180, 210, 'An ivy leaf: a leaf of five pointed lobes on a short stalk, point upwards.',
                also='ivy')
    ch.fill(stalk([(90, 160), (92, 190), (98, 206)], 10, 7), note='the stalk')
    pts = [(90, 5), (112, 46), (168, 60), (140, 100), (172, 128), (112, 136), (90, 172), (68, 136), (8, 128), (40, 100),
           (12, 60), (68, 46)]
    ch.fill(smooth(pts + [pts[0]], tension=0.5))
    ch.line([poly([(90, 165), (90, 30)]), poly([(90, 110), (150, 70)]), poly([(90, 110), (30, 70)])])
    return ch


@charge
def linden_leaf():
    ch = Charge('plants', 'lindenle', 180, 210, 'A linden leaf: a broad heart-shaped leaf with a toothed edge, on a stalk.',
                also='linden')
    ch.fill(stalk([(90, 168), (92, 192), (98, 206)], 10, 7), note='the stalk')
    pts = [(90, 168), (40, 150), (10, 100), (20, 50), (60, 14), (90, 5), (120, 14), (160, 50), (170, 100), (140, 150)]
    ch.fill(smooth(pts + [pts[0]], tension=0.8))
    ch.line([poly([(90, 162), (90, 26)])])
    return ch


@charge
def fern():
    ch = Charge('plants', 'fern', 150, 220, 'A fern frond: a tapering stem with leaflets to either side, tip upwards.')
    ch.fill(stalk([(75, 214), (76, 120), (75, 8)], 8, 4), note='the stem')
    for k in range(8):
        y = 190 - 22 * k
        w = 66 - 7 * k
        ch.fill(lens((75, y), (75 - w, y - 22), 9), note=None)
        ch.fill(lens((75, y), (75 + w, y - 22), 9))
    return ch


@charge
def pincers():
    ch = Charge('objects', 'pincer', 130, 220, 'A pair of pincers: two handles crossed at a pivot, the rounded jaws upwards.')
    left = join(poly([(26, 215), (14, 215), (54, 110)]), smooth([(54, 110), (20, 70), (30, 20), (64, 8)]),
                smooth([(64, 8), (44, 30), (40, 70), (70, 104)]))
    right = join(poly([(104, 215), (116, 215), (76, 110)]), smooth([(76, 110), (110, 70), (100, 20), (66, 8)]),
                 smooth([(66, 8), (86, 30), (90, 70), (60, 104)]))
    ch.union([[left], [right], [circle((65, 108), 12)]])
    ch.fill(circle((65, 108), 4))
    return ch


@charge
def sea():
    ch = Charge('shapes', 'sea', 220, 120, 'The sea (waves of the sea): a panel barry wavy of the body and the detail (argent and '
                'azure proper).')
    ch.fill(rect(5, 5, 215, 115), note='the water')
    waves = []
    for y in (26, 62, 96):
        top = [(5 + 210 * k / 12, y + (6 if k % 2 else -6)) for k in range(13)]
        bottom = [(p[0], p[1] + 14) for p in top[::-1]]
        waves.append(join(smooth(top), poly([top[-1], bottom[0]]), smooth(bottom), poly([bottom[-1], top[0]])))
    ch.fill(waves, colour=BLUE, width=2, note='the waves (detail)')
    return ch


@charge
def imperial_crown():
    ch = Charge('objects', 'icrown', 200, 220, 'An imperial crown: a jewelled band, arches meeting under an orb and cross, a cap within.',
                also='rcrown')
    ch.fill(rect(96, 5, 104, 40), note='the cross')
    ch.fill(rect(86, 14, 114, 22))
    ch.fill(circle((100, 52), 15), note='the orb')
    ch.fill(join(poly([(20, 170)]), smooth([(20, 170), (20, 110), (60, 70), (100, 64), (140, 70), (180, 110), (180, 170)])),
            colour=RED, note='the cap (second part)')
    ch.fill([join(smooth([(12, 172), (16, 100), (60, 62), (100, 66)]), smooth([(100, 66), (66, 74), (32, 110), (30, 172)]))],
            note='the arches')
    ch.fill([join(smooth([(188, 172), (184, 100), (140, 62), (100, 66)]), smooth([(100, 66), (134, 74), (168, 110), (170, 172)]))])
    ch.fill(rect(92, 66, 108, 172), note='the middle arch')
    ch.fill(rect(8, 168, 192, 212), note='the band')
    ch.solid([circle((x, 190), 7) for x in (36, 68, 100, 132, 164)], note='jewels')
    return ch


@charge
def rain_cloud():
    from .celestial import cloud_outline
    ch = Charge('celestial', 'rain', 200, 200, 'Rain: a cloud with drops falling from it.')
    ch.fill(cloud_outline((100, 60), 70, 28, 9, 26), join='round', note='the cloud')
    drops = []
    for x, y in ((40, 128), (80, 150), (120, 130), (160, 152), (60, 180), (140, 184), (100, 186)):
        drops.append(join(poly([(x, y - 18)]), smooth([(x, y - 18), (x + 8, y), (x, y + 8), (x - 8, y), (x, y - 18)])))
    ch.fill(drops, colour=BLUE, width=2.5, note='the drops (detail)')
    return ch


@charge
def aspen_leaf():
    ch = Charge('plants', 'aspenlea', 170, 220, 'An aspen leaf: a round leaf with a short point and a scalloped edge, on a long stalk.')
    ch.fill(stalk([(85, 140), (86, 180), (92, 215)], 9, 6), note='the stalk')
    c = (85, 80)
    pts = [polar(c, 76 if k % 2 == 0 else 70, 15 * k) for k in range(24)]
    pts[0] = polar(c, 84, 0)
    ch.fill(smooth(pts + [pts[0]], closed=False, tension=0.7), note='the leaf')
    ch.line([poly([(85, 140), (85, 20)]), poly([(85, 96), (40, 60)]), poly([(85, 96), (130, 60)])])
    return ch
