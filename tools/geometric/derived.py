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
import os
import re

from .svg import CHARGES_DIR, Charge, charge

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

# (folder, picture name, source under data/charges, how, data-also names, title)
DERIVED = [
    # Demi-beasts cut from the beast rampant, across the waist below the forelegs; a tail that
    # rises behind the back is kept down to the cut, as the demi-lion's is.
    ('beasts', 'dwolf', 'beasts/wolf.1.svg', Demi(152), 'dwolf.1',
     'A demi-wolf rampant: the wolf rampant cut off across the waist'),
    ('beasts', 'dbear', 'beasts/bear.1.svg', Demi(152), 'dbear.1',
     'A demi-bear rampant: the bear rampant cut off across the waist'),
    ('beasts', 'dcat', 'beasts/domestic.1.svg', Demi(152), 'dcat.1',
     'A demi-cat rampant: the cat rampant cut off across the waist'),
    ('lions', 'dgriffin', 'lions/griffin.svg', Demi(152), 'dgriffin.1',
     'A demi-griffin segreant: the griffin segreant cut off across the waist, wings raised'),
    ('lions', 'ddragon', 'lions/dragon.svg', Demi(132, tilt=-8), 'ddragon.1',
     'A demi-dragon rampant: the dragon rampant cut off across the waist, wings raised'),
    ('lions', 'dunicorn', 'lions/unicorn.svg', Demi(152), 'dunicorn.1',
     'A demi-unicorn rampant: the unicorn rampant cut off across the waist'),
    ('lions', 'dantelop', 'lions/antelope.svg', Demi(152), 'dantelop.1',
     'A demi-antelope rampant: the heraldic antelope rampant cut off across the waist'),
    ('lions', 'dwivern', 'lions/wivern.svg', Demi(165), 'dwivern.1',
     'A demi-wivern: the wivern cut off below the legs, wings raised'),
    ('lions', 'dlion.12', 'lions/lion.12.svg', Demi(152), 'demilion.12',
     'A demi-lion rampant guardant: the lion rampant guardant cut off across the waist'),
    # Demi-lions passant: the fore half of the lion walking, cut off behind the shoulder.
    ('lions', 'dlion.3', 'lions/lion.3.svg', Demi(104, 'x'), 'demilion.3',
     'A demi-lion passant: the lion passant cut off behind the shoulder'),
    ('lions', 'dlion.32', 'lions/lion.32.svg', Demi(104, 'x'), 'demilion.32',
     'A demi-lion passant guardant: the lion passant guardant cut off behind the shoulder'),
    # Demi-beasts cut from a beast reared up (rampant or salient) behind the shoulder, the cut
    # square to the line of the back.
    ('beasts', 'dboar', 'beasts/boar.1.svg', Demi(200, 'x', tilt=30), 'dboar.1',
     'A demi-boar rampant: the boar rampant cut off behind the shoulder'),
    ('beasts', 'dgoat', 'beasts/goat.1.svg', Demi(130, 'y', tilt=-25), 'dgoat.1',
     'A demi-goat rampant: the goat rearing, cut off across the waist'),
    ('beasts', 'dbuck', 'beasts/buck.7.svg', Demi(135, 'x', tilt=27), 'dbuck.1',
     'A demi-stag: the stag springing cut off behind the shoulder, the forelegs raised'),
    ('beasts', 'dbull', 'beasts/bull.7.svg', Demi(165, 'x', tilt=16), 'dbull.1',
     'A demi-bull: the bull salient cut off behind the shoulder, the forelegs raised'),
    ('beasts', 'dram', 'beasts/ram.7.svg', Demi(150, 'x', tilt=30), 'dram.1',
     'A demi-ram: the ram salient cut off behind the shoulder, the forelegs raised'),
    # Demi-hounds and the demi-hind, cut from the beast springing or running behind the shoulder.
    ('beasts', 'dtalbot', 'beasts/talbot.7.svg', Demi(150, 'x', tilt=30), 'dtalbot.1 dtalbot.7',
     'A demi-talbot: the talbot salient cut off behind the shoulder, the forelegs raised'),
    ('beasts', 'dhind', 'beasts/hind.7.svg', Demi(165, 'x', tilt=40), 'dhind.1 ddoe',
     'A demi-hind: the hind salient cut off behind the shoulder, the forelegs raised'),
    ('beasts', 'dgreyhou', 'beasts/greyhoun.svg', Demi(92, 'x'), 'dgreyhou.7',
     'A demi-greyhound courant: the greyhound running cut off behind the shoulder'),
    ('beasts', 'dfox', 'beasts/fox.7.svg', Demi(96, 'x'), 'dfox.7',
     'A demi-fox courant: the fox running cut off behind the shoulder'),
    # Demi-birds: the eagle displayed cut off below the wings.
    ('birds', 'deagle', 'birds/eagle.svg', Demi(140), 'deagle.1',
     'A demi-eagle displayed: the eagle displayed cut off below the wings'),
    # Beasts salient: the passant beast turned about its middle, forehand up.
    ('beasts', 'boar.7', 'beasts/boar.svg', Turn(32), '',
     'A boar salient: the passant boar reared up to spring, the hind feet on the ground'),
    ('beasts', 'bear.7', 'beasts/bear.svg', Turn(32), '',
     'A bear salient: the passant bear reared up to spring, the hind feet on the ground'),
    ('beasts', 'talbot.7', 'beasts/talbot.svg', Turn(32), '',
     'A talbot salient: the passant talbot reared up to spring, the hind feet on the ground'),
    ('beasts', 'lamb.7', 'beasts/lamb.svg', Turn(32), 'sheep.7',
     'A lamb salient: the passant lamb reared up to spring, the hind feet on the ground'),
    ('beasts', 'hind.7', 'beasts/hind.svg', Turn(32), 'hind.1 doe.7 doe.1',
     'A hind salient (also rampant, as a deer rearing is drawn): the hind reared up on its hind feet'),
    ('lions', 'unicorn.7', 'lions/unicorn.3.svg', Turn(32), '',
     'A unicorn salient: the passant unicorn reared up to spring, the hind feet on the ground'),
    ('lions', 'tyger.7', 'lions/tyger.3.svg', Turn(32), '',
     'A tyger salient: the passant tyger reared up to spring, the hind feet on the ground'),
    ('lions', 'griffin.7', 'lions/griffin.3.svg', Turn(32), '',
     'A griffin salient: the passant griffin reared up to spring, the hind feet on the ground'),
    ('beasts', 'cat.7', 'beasts/cat.svg', Turn(32), 'cat.72',
     'A cat salient (guardant, as the cat is drawn): the passant cat reared up to spring'),
    ('lions', 'wivern.7', 'lions/wivern.3.svg', Turn(32), '',
     'A wivern salient: the passant wivern reared up to spring on its one leg'),
    # Winged beasts: the beast with the winged unicorn's wing at its shoulder.
    ('lions', 'wlion', 'lions/lion.svg', Winged((110, 100), own=True), 'wlion.1',
     'A winged lion rampant: the lion rampant with a wing raised from the shoulder'),
    ('lions', 'wlion.3', 'lions/lion.3.svg', Winged((100, 75), 0.45, own=True), '',
     'A winged lion passant: the lion passant with a wing raised from the shoulder'),
    ('beasts', 'whorse', 'beasts/horse.1.svg', Winged((100, 95), own=True), 'whorse.1 whorse.7',
     'A winged horse (Pegasus) rampant: the horse rearing with a wing raised from the shoulder'),
    ('beasts', 'whorse.3', 'beasts/horse.svg', Winged((105, 95), own=True), '',
     'A winged horse (Pegasus) passant: the horse passant with a wing raised from the shoulder'),
    ('beasts', 'wbull.3', 'beasts/bull.svg', Winged((95, 60), 0.45, own=True), 'wbull',
     'A winged bull passant: the bull passant with a wing raised from the shoulder'),
    ('beasts', 'wgreyhou.6', 'beasts/greyhoun.6.svg', Winged((100, 55), 0.42, own=True), 'wgreyhou',
     'A winged greyhound couchant: the greyhound couchant with a wing raised from the shoulder'),
    ('birds', 'wtrout', 'birds/trout.svg', Winged((75, 34), 0.42, room=True, own=True), 'wtrout.na',
     'A winged trout naiant: the trout with a wing raised from behind the gills'),
    # The cockatrice: the wivern with a cock's head.
    ('lions', 'cockatri', 'lions/wivern.svg', Grafted([(0, 0), (97, 0), (97, 95), (0, 95)], 'birds/cock.hd.svg',
                                                     (48, 28), 0.48, seam=True), 'basilisk',
     "A cockatrice: the wivern with a cock's head, comb and wattles"),
    # A stag at gaze (statant guardant): the stag statant with its head cabossed, facing.
    ('beasts', 'buck.42', 'beasts/buck.4.svg', Grafted([(0, 0), (130, 0), (130, 72), (100, 78), (58, 120), (0, 120)],
                                                       'beasts/buck.hc.svg', (24, 21), 0.62), '',
     'A stag at gaze (statant guardant): the stag statant, its head turned to face the viewer'),
    ('beasts', 'buck.32', 'beasts/buck.svg', Grafted([(0, 0), (130, 0), (130, 72), (100, 78), (58, 120), (0, 120)],
                                                     'beasts/buck.hc.svg', (24, 21), 0.62), '',
     'A stag trippant guardant: the stag trippant, its head turned to face the viewer'),
    ('beasts', 'buck.62', 'beasts/buck.6.svg', Grafted([(0, 0), (125, 0), (125, 70), (95, 78), (55, 125), (0, 125)],
                                                       'beasts/buck.hc.svg', (18, 21), 0.62), '',
     'A stag lodged guardant: the stag lodged, its head turned to face the viewer'),
    # Beasts sejant: the talbot sejant with the wolf's or the cat's head set on its neck.
    ('beasts', 'wolf.5', 'beasts/talbot.5.svg', Grafted([(0, 20), (75, 20), (75, 60), (62, 98), (0, 98)],
                                                         'beasts/wolf.hd.svg', (-4, 22), 0.46, seam=True), '',
     "A wolf sejant: the talbot sejant with the wolf's head, jaws open and ears pricked"),
    ('beasts', 'cat.5', 'beasts/talbot.5.svg', Grafted([(0, 20), (75, 20), (75, 60), (62, 98), (0, 98)],
                                                        'beasts/cat.hd.svg', (0, 26), 0.95, seam=True), 'cat.52 domestic.5',
     "A cat sejant (guardant, as the cat is drawn): the talbot sejant with the cat's head"),
    # Hounds and the fox rampant: the wolf rampant with their own heads set on its neck.
    ('beasts', 'talbot.1', 'beasts/wolf.1.svg', Grafted(WOLF_HEAD, 'beasts/talbot.hd.svg', (38, -2), 0.55),
     'hound.1 dog.1', "A talbot rampant: the wolf rampant with the talbot's head, the ear hanging"),
    ('beasts', 'greyhoun.1', 'beasts/wolf.1.svg', Grafted(WOLF_HEAD, 'beasts/greyhoun.hd.svg', (38, -2), 0.55),
     '', "A greyhound rampant: the wolf rampant with the greyhound's head and collar"),
    ('beasts', 'fox.1', 'beasts/wolf.1.svg', Grafted(WOLF_HEAD, 'beasts/fox.hd.svg', (38, -2), 0.55),
     '', "A fox rampant: the wolf rampant with the fox's head, the ears pricked"),
    # A demi-man: the man cut off at the waist, the arms outstretched; the demi-cockatrice cut
    # below the legs, as the demi-wivern is.
    ('misc', 'dman', 'misc/man.svg', Demi(108), 'dman.ex dmen dmen.ex dman.af dmen.af',
     'A demi-man: the man cut off at the waist, the arms outstretched'),
    ('lions', 'dcockatr', 'lions/cockatri.svg', Demi(165), '',
     "A demi-cockatrice: the cockatrice cut off below the legs, the wings raised"),
    # The greyhound passant and statant: the talbot's body with the greyhound's head and collar.
    ('beasts', 'greyhoun.3', 'beasts/talbot.svg', Grafted(TALBOT_HEAD, 'beasts/greyhoun.hd.svg', (-6, -8), 0.45, seam=True),
     '', "A greyhound passant: the talbot passant with the greyhound's head and collar"),
    ('beasts', 'greyhoun.4', 'beasts/talbot.4.svg', Grafted(TALBOT_HEAD, 'beasts/greyhoun.hd.svg', (-6, -8), 0.45, seam=True),
     '', "A greyhound statant: the talbot statant with the greyhound's head and collar"),
    # Monsters with a human head: the sphinx, a lion couchant; the harpy, an eagle displayed.
    ('lions', 'sphinx', 'lions/lion.6.svg', Grafted([(0, 0), (96, 0), (96, 78), (58, 80), (0, 58)],
                                                    'misc/boy.hd.svg', (26, 0), 0.5, seam=True), 'sphinx.6 sphinxe sphinxe.6',
     "A sphinx couchant: the lion couchant with a human head and breast"),
    ('birds', 'harpy', 'birds/eagle.svg', Grafted([(78, 0), (132, 0), (132, 60), (78, 60)],
                                                  'misc/boy.hd.svg', (70, -4), 0.4), 'harpy.1 harpie harpie.1',
     "A harpy: the eagle displayed with a maiden's head and breast"),
    # The savage (the wild man), club in hand.
    ('misc', 'savage', 'misc/man.svg', Grafted([(-9, -9), (-8, -9), (-8, -8)], 'objects/club.svg', (131, 0), 0.35),
     'savage.af', "A savage (a wild man, a woodwose): the man with a club raised in his sinister hand"),
    # The mermaid (the merman): the demi-man set on the salmon's tail, the fish's head cut away.
    ('misc', 'mermaid', 'birds/salmon.ha.svg', Grafted([(-20, -20), (140, -20), (140, 74), (-20, 74)],
                                                       'misc/dman.svg', (0, 2), 0.75), 'merman mermen',
     "A mermaid (a merman): a man's body to the waist, the arms outstretched, on a fish's tail"),
    # The sea-lion: the demi-lion rampant on the salmon's tail, as the mermaid is made.
    ('lions', 'sealion', 'birds/salmon.ha.svg', Grafted([(-20, -20), (140, -20), (140, 74), (-20, 74)],
                                                        'lions/dlion.svg', (-6, -2), 0.58), 'sealion.1',
     "A sea-lion: the fore part of a lion rampant on a fish's tail"),
    ('misc', 'dsavage', 'misc/savage.svg', Demi(108), 'dsavage.af',
     'A demi-savage: the savage cut off at the waist, the club raised'),
    # Beasts reguardant: the beast's own head turned to look back over its shoulder.
    ('beasts', 'wolf.3r', 'beasts/wolf.svg', Grafted([(0, 0), (78, 0), (78, 52), (60, 72), (0, 72)],
                                                     'beasts/wolf.hd.svg', (28, -8), 0.45, back=True, seam=True), '',
     'A wolf passant reguardant: the wolf passant, its head turned to look back'),
    ('beasts', 'wolf.1r', 'beasts/wolf.1.svg', Grafted(WOLF_HEAD, 'beasts/wolf.hd.svg', (44, -2), 0.5, back=True), '',
     'A wolf rampant reguardant: the wolf rampant, its head turned to look back'),
    ('beasts', 'fox.3r', 'beasts/fox.svg', Grafted([(0, 0), (75, 0), (75, 50), (58, 70), (0, 70)],
                                                   'beasts/fox.hd.svg', (26, -8), 0.45, back=True, seam=True), '',
     'A fox passant reguardant: the fox passant, its head turned to look back'),
    ('beasts', 'talbot.3r', 'beasts/talbot.svg', Grafted(TALBOT_HEAD, 'beasts/talbot.hd.svg', (24, -8), 0.45, back=True, seam=True),
     'hound.3r dog.3r', 'A talbot passant reguardant: the talbot passant, its head turned to look back'),
    ('beasts', 'buck.3r', 'beasts/buck.svg', Grafted([(0, 0), (120, 0), (120, 60), (75, 85), (70, 140), (0, 140)],
                                                     'beasts/buck.hd.svg', (30, 30), 0.6, back=True, seam=True), '',
     'A stag trippant reguardant: the stag trippant, its head turned to look back'),
    ('lions', 'unicorn.3r', 'lions/unicorn.3.svg', Grafted([(0, 0), (104, 0), (104, 70), (92, 104), (58, 104), (58, 126), (0, 126)],
                                                           'lions/unicorn.hd.svg', (54, 11), 0.55, back=True, seam=True), '',
     'A unicorn passant reguardant: the unicorn passant, its head turned to look back'),
    ('lions', 'griffin.3r', 'lions/griffin.3.svg', Grafted([(14, 0), (86, 0), (86, 60), (76, 84), (14, 84)],
                                                           'lions/griffin.hd.svg', (36, 0), 0.45, back=True, seam=True), '',
     'A griffin passant reguardant: the griffin passant, its head turned to look back'),
    ('lions', 'dragon.3r', 'lions/dragon.3.svg', Grafted([(0, 10), (78, 10), (78, 60), (60, 86), (0, 86)],
                                                         'lions/dragon.hd.svg', (22, -6), 0.45, back=True, seam=True), '',
     'A dragon passant reguardant: the dragon passant, its head turned to look back'),
    ('lions', 'dragon.3r0', 'lions/dragon.30.svg', Grafted([(0, 10), (78, 10), (78, 60), (60, 86), (0, 86)],
                                                           'lions/dragon.hd.svg', (22, -6), 0.45, back=True, seam=True), '',
     'A dragon passant reguardant coward: the dragon passant coward, its head turned to look back'),
    ('lions', 'unicorn.6r', 'lions/unicorn.6.svg', Grafted([(0, 0), (104, 0), (104, 70), (92, 100), (52, 100), (46, 128), (0, 128)],
                                                           'lions/unicorn.hd.svg', (54, 11), 0.55, back=True, seam=True), '',
     'A unicorn couchant reguardant: the unicorn couchant, its head turned to look back'),
    ('lions', 'wivern.3r', 'lions/wivern.3.svg', Grafted([(0, 20), (84, 20), (84, 70), (70, 92), (0, 92)],
                                                         'lions/dragon.hd.svg', (26, 4), 0.45, back=True, seam=True), '',
     'A wivern passant reguardant: the wivern passant, its head turned to look back'),
    ('lions', 'wivern.7r', 'lions/wivern.3r.svg', Turn(32), '',
     'A wivern salient reguardant: the passant wivern reguardant reared up to spring'),
    # Birds displayed: the eagle displayed with the swan's or the heron's head and neck.
    ('birds', 'swan.1', 'birds/eagle.svg', Grafted(EAGLE_HEAD, 'birds/swan.hd.svg', (65, -1), 0.42, seam=True), 'blackswa.1',
     "A swan displayed: the eagle displayed with the swan's head and long neck"),
    ('birds', 'heron.1', 'birds/eagle.svg', Grafted(EAGLE_HEAD, 'birds/heron.hd.svg', (59, 22), 0.6, seam=True), 'crane.1 stork.1',
     "A heron displayed: the eagle displayed with the heron's head and long beak"),
    ('birds', 'crow.1', 'birds/eagle.svg', Grafted(EAGLE_HEAD, 'birds/crow.hd.svg', (64, 14), 0.3, seam=True),
     'rook.1 daw.1 robin.1 bird.1 seagull.1 gull.1 magpie.1',
     "A crow displayed (the rook, the daw, the gull): the eagle displayed with the crow's head"),
    ('birds', 'dove.1', 'birds/eagle.svg', Grafted(EAGLE_HEAD, 'birds/dove.hd.svg', (60, 24), 0.75), '',
     "A dove displayed: the eagle displayed with the dove's head"),
    # The chess knight: the horse's head on the foot of the chess rook.
    ('objects', 'chesskni', 'objects/chessroo.svg', Grafted([(-10, -10), (170, -10), (170, 78), (-10, 78)],
                                                           'beasts/horse.hd.svg', (5, -1), 0.45), '',
     "A chess knight: the horse's head on the foot of a chessman"),
    # Birds rising (rousant): the bird close with a wing raised from its back.
    ('birds', 'swan.2', 'birds/swan.svg', Winged((120, 80), 0.5), '',
     'A swan rousant (rising): the swan with a wing raised from its back, about to take flight'),
    ('birds', 'dove.2', 'birds/dove.svg', Winged((120, 70), 0.45), '',
     'A dove rising: the dove with a wing raised from its back, about to take flight'),
    # The dragon salient: the passant dragon reared up to spring, as the wivern is.
    ('lions', 'dragon.7', 'lions/dragon.3.svg', Turn(32), '',
     'A dragon salient: the passant dragon reared up to spring, the hind feet on the ground'),
    ('birds', 'crow.2', 'birds/crow.svg', Winged((125, 75), 0.45), 'rook.2 daw.2 robin.2 bird.2 seagull.2 gull.2 magpie.2',
     'A crow (a raven, a rook) rising: the crow with a wing raised from its back'),
    # Birds stooping: the bird volant turned head downwards, diving on its prey.
    ('birds', 'osprey.6', 'birds/osprey.4.svg', Turn(-40), 'falcon.6 sparrowf.6',
     'A falcon (an osprey) stooping: the bird volant turned head downwards, diving on its prey'),
    ('birds', 'crow.6', 'birds/crow.4.svg', Turn(-40), 'rook.6 daw.6 robin.6 bird.6 seagull.6 gull.6 magpie.6',
     'A crow (a raven, a rook) stooping: the crow volant turned head downwards, diving'),
    ('birds', 'eagle.6', 'birds/eagle.4.svg', Turn(-40), '',
     'An eagle stooping: the eagle volant turned head downwards, diving on its prey'),
    # Birds migrant: the bird volant turned palewise, flying upwards with its head to chief.
    ('birds', 'osprey.7', 'birds/osprey.4.svg', Turn(90), 'falcon.7 sparrowf.7',
     'A falcon (an osprey) migrant: the bird volant turned palewise, flying head upwards'),
    ('birds', 'martlet.7', 'birds/martlet.4.svg', Turn(90), '',
     'A martlet migrant: the martlet volant turned palewise, flying head upwards'),
    ('birds', 'crow.7', 'birds/crow.4.svg', Turn(90), 'rook.7 daw.7 robin.7 bird.7 seagull.7 gull.7 magpie.7',
     'A crow (a raven, a rook) migrant: the crow volant turned palewise, flying head upwards'),
    ('birds', 'eagle.7', 'birds/eagle.4.svg', Turn(90), '',
     'An eagle migrant: the eagle volant turned palewise, flying head upwards'),
    # Fish hauriant: the naiant fish set palewise, the head upwards.
    ('birds', 'trout.ha', 'birds/trout.svg', Turn(90), '',
     'A trout hauriant: the trout naiant set palewise, the head upwards'),
    ('birds', 'eel.ha', 'birds/eel.svg', Turn(90), 'conger.ha',
     'An eel hauriant: the eel naiant set palewise, the head upwards'),
    # A serpent glissant (gliding): the serpent erect laid fesswise, the head to dexter.
    ('beasts', 'serpent.fw', 'beasts/serpent.svg', Turn(-90), 'snake.fw',
     'A serpent glissant: the serpent erect laid fesswise, gliding with its head to dexter'),
    # A demi-fish is the upper half of the fish hauriant.
    ('birds', 'dluce', 'birds/luce.ha.svg', Demi(118), 'dlucie',
     'A demi-luce: the luce (a pike) hauriant cut off across the middle'),
]
# Heads couped and erased, cut from the whole beast or bird across the neck.
DERIVED += heads('beasts', 'hind', 'beasts/hind.svg', [(100, 72), (100, 20), (0, 20), (0, 105), (60, 105)],
                 "A hind's", 'doe')
DERIVED += heads('beasts', 'cat', 'beasts/cat.svg', [(90, 60), (90, 0), (0, 0), (0, 84), (42, 88)],
                 "A cat's (guardant)")
DERIVED += heads('beasts', 'coney', 'beasts/coney.svg', [(115, 75), (115, 0), (0, 0), (0, 135), (45, 135)],
                 "A coney's (a hare's)", 'conie')
DERIVED += heads('beasts', 'camel', 'beasts/camel.svg', [(76, 64), (72, 0), (0, 0), (0, 95), (40, 95)],
                 "A camel's")
DERIVED += heads('birds', 'heron', 'birds/heron.svg', [(118, 80), (120, 0), (0, 0), (0, 80)], "A heron's")
DERIVED += heads('birds', 'crane', 'birds/crane.svg', [(100, 75), (100, 0), (0, 0), (0, 75)], "A crane's", 'stork')
DERIVED += heads('birds', 'cormoran', 'birds/cormoran.svg', [(100, 70), (100, 0), (0, 0), (0, 70)],
                 "A cormorant's")
DERIVED += heads('birds', 'owl', 'birds/owl.svg', [(170, 80), (170, 0), (20, 0), (20, 80)], "An owl's")
DERIVED += heads('birds', 'popinjay', 'birds/popinjay.svg', [(120, 60), (120, 0), (20, 0), (20, 95), (58, 95)],
                 "A popinjay's")

DERIVED += heads('lions', 'antelope', 'lions/antelope.svg',
                 [(135, 88), (140, 0), (45, 0), (45, 58), (82, 72), (90, 96)], "An antelope's")
DERIVED += heads('lions', 'tyger', 'lions/tyger.3.svg', [(92, 84), (98, 0), (0, 0), (0, 76), (46, 78)],
                 "A tyger's")
DERIVED += heads('beasts', 'as', 'beasts/as.svg', [(125, 55), (125, 0), (0, 0), (0, 85), (38, 116)], "An ass's",
                 'asse')
DERIVED += heads('birds', 'dove', 'birds/dove.svg', [(100, 66), (112, 8), (30, 8), (30, 48), (64, 68)], "A dove's")
DERIVED += heads('birds', 'chough', 'birds/chough.svg', [(115, 78), (115, 0), (0, 0), (0, 80), (60, 82)],
                 "A chough's")

# Fish embowed: the naiant fish bent in an arc, the back raised, head and tail lowered.
DERIVED += [
    ('birds', 'salmon.em', 'birds/salmon.svg', Bent(110), '',
     'A salmon embowed: the salmon naiant bent in an arc, head and tail lowered'),
    ('birds', 'trout.em', 'birds/trout.svg', Bent(115), '',
     'A trout embowed: the trout naiant bent in an arc, head and tail lowered'),
    ('birds', 'fish.em', 'birds/fish.svg', Bent(110), 'fishe.em roach.em roache.em barbel.em herring.em brett.em mackerel.em',
     'A fish embowed: the fish naiant bent in an arc, head and tail lowered'),
    ('birds', 'luce.em', 'birds/luce.svg', Bent(110), 'pike.em',
     'A luce (a pike) embowed: the luce naiant bent in an arc, head and tail lowered'),
    ('birds', 'eel.em', 'birds/eel.svg', Bent(90), 'conger.em',
     'An eel embowed: the eel naiant bent in an arc, head and tail lowered'),
]
# More heads couped and erased of beasts, birds and fish.
DERIVED += heads('birds', 'dolphin', 'birds/dolphin.svg', [(95, 20), (0, 20), (0, 180), (95, 180)], "A dolphin's")
DERIVED += heads('birds', 'duck', 'birds/duck.svg', [(85, 80), (85, 15), (0, 15), (0, 70), (45, 95)], "A duck's")
DERIVED += heads('birds', 'lapwing', 'birds/lapwing.svg', [(120, 60), (125, 0), (10, 0), (10, 75), (70, 90)],
                 "A lapwing's")
# More birds rising: the bird close with a wing raised from its back.
DERIVED += [
    ('birds', 'heron.2', 'birds/heron.svg', Winged((110, 95), 0.45), '',
     'A heron rising: the heron with a wing raised from its back, about to take flight'),
    ('birds', 'crane.2', 'birds/crane.svg', Winged((110, 90), 0.45), 'stork.2',
     'A crane (a stork) rising: the crane with a wing raised from its back'),
    ('birds', 'cormoran.2', 'birds/cormoran.svg', Winged((95, 95), 0.45), '',
     'A cormorant rising: the cormorant with a wing raised from its back'),
    ('birds', 'chough.2', 'birds/chough.svg', Winged((110, 70), 0.45), '',
     'A chough rising: the chough with a wing raised from its back'),
    ('birds', 'popinjay.2', 'birds/popinjay.svg', Winged((120, 80), 0.45), '',
     'A popinjay (a parrot) rising: the popinjay with a wing raised from its back'),
    ('birds', 'duck.2', 'birds/duck.svg', Winged((120, 80), 0.45), '',
     'A duck rising: the duck with a wing raised from its back, about to take flight'),
    ('birds', 'lapwing.2', 'birds/lapwing.svg', Winged((110, 80), 0.45), '',
     'A lapwing rising: the lapwing with a wing raised from its back'),
    ('birds', 'cock.2', 'birds/cock.svg', Winged((112, 92), 0.42), '',
     'A cock rising: the cock with a wing raised from its back'),
    ('birds', 'hen.2', 'birds/hen.svg', Winged((112, 95), 0.42), '',
     'A hen rising: the hen with a wing raised from its back'),
]
# The tyger in the lion's attitudes: the lion with the tyger's head (snout, tusks and mane).
ANTELOPE_DROP = [(0, 0), (116, 0), (116, 62), (80, 95), (45, 120), (0, 120)]
HORSE_MANE = [(0, -10), (112, -10), (122, 72), (72, 95), (0, 95)]
HORSE_HEAD = [(0, -10), (78, -10), (84, 50), (72, 88), (0, 88)]
DERIVED += [
    ('lions', 'tyger.1', 'lions/lion.svg', Grafted([(45, 0), (150, 0), (150, 92), (100, 98), (75, 90), (55, 80), (45, 50)],
                                                   'lions/tyger.hd.svg', (48, 16), 1.12), '',
     "A tyger rampant: the lion rampant with the tyger's head, snout, tusks and mane"),
    ('lions', 'tyger.4', 'lions/lion.4.svg', Grafted([(15, 0), (125, 0), (125, 55), (95, 72), (45, 72), (15, 60)],
                                                     'lions/tyger.hd.svg', (16, 4), 1.15, seam=True), '',
     "A tyger statant: the lion statant with the tyger's head"),
    ('lions', 'tyger.5', 'lions/lion.5.svg', Grafted([(15, 0), (125, 0), (125, 88), (60, 92), (15, 85)],
                                                     'lions/tyger.hd.svg', (14, 10), 1.2, seam=True), '',
     "A tyger sejant: the lion sejant with the tyger's head"),
    ('lions', 'tyger.6', 'lions/lion.6.svg', Grafted([(20, 0), (125, 0), (125, 62), (90, 74), (40, 74), (20, 58)],
                                                     'lions/tyger.hd.svg', (18, 2), 1.12, seam=True), '',
     "A tyger couchant: the lion couchant with the tyger's head"),
    # The hoofed beasts statant, and the heraldic antelope in the unicorn's attitudes.
    ('lions', 'unicorn.4', 'beasts/horse.4.svg', Grafted(HORSE_HEAD, 'lions/unicorn.hd.svg', (-2, -25), 0.55, seam=True), '',
     "A unicorn statant: the horse statant with the unicorn's head, horn and beard"),
    ('beasts', 'hind.4', 'beasts/buck.4.svg', Grafted([(0, 0), (130, 0), (130, 72), (100, 78), (58, 120), (0, 120)],
                                                      'beasts/hind.hd.svg', (0, 58), 0.82, seam=True), 'doe.4',
     "A hind statant: the stag statant with the hind's head, no antlers"),
    ('lions', 'antelope.3', 'lions/unicorn.3.svg', Grafted(ANTELOPE_DROP, 'lions/antelope.hd.svg', (2, 22), 1.05, seam=True), '',
     "An antelope passant: the unicorn passant with the heraldic antelope's head"),
    ('lions', 'antelope.6', 'lions/unicorn.6.svg', Grafted(ANTELOPE_DROP, 'lions/antelope.hd.svg', (2, 22), 1.05, seam=True), '',
     "An antelope couchant: the unicorn couchant with the heraldic antelope's head"),
    ('lions', 'antelope.4', 'beasts/horse.4.svg', Grafted(HORSE_MANE, 'lions/antelope.hd.svg', (-4, 2), 1.05, seam=True), '',
     "An antelope statant: the horse statant with the heraldic antelope's head"),
    ('lions', 'antelope.7', 'lions/antelope.3.svg', Turn(32), '',
     'An antelope salient: the antelope passant reared up to spring, the hind feet on the ground'),
]
DERIVED += heads('birds', 'hen', 'birds/hen.svg', [(115, 75), (115, 10), (25, 10), (25, 70), (65, 92)], "A hen's")
DERIVED += [
    # More demi-charges: the demi-tyger; demi-birds cut below the wings.
    ('lions', 'dtyger', 'lions/tyger.1.svg', Demi(152), 'dtyger.1',
     'A demi-tyger rampant: the tyger rampant cut off across the waist'),
    ('birds', 'dteagle', 'birds/teagle.svg', Demi(140), 'dteagle.1',
     'A demi-eagle double-headed displayed: the double-headed eagle cut off below the wings'),
    ('birds', 'dfalcon', 'birds/falcon.2.svg', Demi(150), 'dfalcon.2',
     'A demi-falcon rising: the falcon rising cut off below the wings'),
    ('birds', 'dswan', 'birds/swan.2.svg', Demi(135), 'dswan.2',
     'A demi-swan rising: the swan rising cut off across the body, the wing raised'),
    # The bear sejant: the talbot sejant with the bear's head, as the wolf sejant is made.
    ('beasts', 'bear.5', 'beasts/talbot.5.svg', Grafted([(0, 20), (75, 20), (75, 60), (62, 98), (0, 98)],
                                                         'beasts/bear.hd.svg', (-4, 22), 0.46, seam=True), '',
     "A bear sejant: the talbot sejant with the bear's head"),
]
# More beasts reguardant: their own heads turned to look back over the shoulder.
DERIVED += [
    ('beasts', 'greyhoun.3r', 'beasts/talbot.svg', Grafted(TALBOT_HEAD, 'beasts/greyhoun.hd.svg', (40, 4), 0.5, back=True, seam=True),
     '', "A greyhound passant reguardant: the talbot passant with the greyhound's head turned to look back"),
    ('beasts', 'buck.4r', 'beasts/buck.4.svg', Grafted([(0, 0), (120, 0), (120, 60), (75, 85), (70, 140), (0, 140)],
                                                       'beasts/buck.hd.svg', (30, 30), 0.6, back=True, seam=True), '',
     'A stag statant reguardant: the stag statant, its head turned to look back'),
    ('beasts', 'hind.3r', 'beasts/hind.svg', Grafted([(0, 0), (100, 0), (100, 72), (64, 98), (34, 84), (0, 84)],
                                                     'beasts/hind.hd.svg', (58, 10), 0.85, back=True, seam=True), 'doe.3r',
     'A hind trippant reguardant: the hind trippant, its head turned to look back'),
]
# The winged horse (Pegasus) statant and couchant; the griffin sejant and couchant, the lion with
# the griffin's head and a wing raised from the shoulder.
DERIVED += [
    ('beasts', 'whorse.4', 'beasts/horse.4.svg', Winged((100, 92), 0.5, own=True), '',
     'A winged horse (Pegasus) statant: the horse statant with a wing raised from the shoulder'),
    ('beasts', 'whorse.6', 'beasts/horse.6.svg', Winged((100, 88), 0.45, own=True), '',
     'A winged horse (Pegasus) couchant: the horse couchant with a wing raised from the shoulder'),
    ('lions', 'griffin.6', 'lions/lion.6.svg', Grafted([(0, 0), (125, 0), (125, 62), (90, 74), (40, 74), (0, 66)],
                                                       'lions/griffin.hd.svg', (14, -4), 0.6, wing=(118, 62), wing_size=0.42, seam=True),
     '', "A griffin couchant: the lion couchant with the griffin's head and ears, a wing raised"),
    ('lions', 'griffin.5', 'lions/lion.5.svg', Grafted([(15, 0), (125, 0), (125, 88), (60, 92), (15, 85)],
                                                       'lions/griffin.hd.svg', (8, 4), 0.66, wing=(118, 96), wing_size=0.5, seam=True),
     '', "A griffin sejant: the lion sejant with the griffin's head and ears, a wing raised"),
]
DERIVED += [
    # The fore half of a beast walking or standing, cut behind the shoulder.
    ('beasts', 'delephan', 'beasts/elephant.svg', Demi(92, 'x'), '',
     'A demi-elephant: the elephant cut off behind the shoulder'),
    ('beasts', 'dcamel', 'beasts/camel.svg', Demi(105, 'x'), '',
     'A demi-camel: the camel cut off behind the shoulder'),
    ('beasts', 'dwhorse', 'beasts/whorse.svg', Demi(150, tilt=-30), 'dwhorse.1',
     'A demi-Pegasus: the winged horse rearing cut off across the waist, the wing raised'),
]

# The hoofed beasts sejant: the stag sejant and the horse sejant with the heads of their kin set
# on the neck (the antlers dropped with the stag's head).
STAG_HEAD = [(0, 0), (130, 0), (130, 72), (100, 78), (58, 120), (0, 120)]
DERIVED += [
    ('beasts', 'hind.5', 'beasts/buck.5.svg', Grafted(STAG_HEAD, 'beasts/hind.hd.svg', (0, 46), 1.0, seam=True), 'doe.5',
     "A hind sejant: the stag sejant with the hind's head, no antlers"),
    ('beasts', 'bull.5', 'beasts/buck.5.svg', Grafted(STAG_HEAD, 'beasts/bull.hd.svg', (-10, 38), 0.66, seam=True), 'ox.5 cow.5',
     "A bull sejant: the stag sejant with the bull's head and horns"),
    ('beasts', 'goat.5', 'beasts/buck.5.svg', Grafted(STAG_HEAD, 'beasts/goat.hd.svg', (-10, 22), 0.66, seam=True), '',
     "A goat sejant: the stag sejant with the goat's head, horns and beard"),
    ('beasts', 'ram.5', 'beasts/buck.5.svg', Grafted(STAG_HEAD, 'beasts/ram.hd.svg', (-8, 34), 0.62, seam=True), '',
     "A ram sejant: the stag sejant with the ram's head and curled horns"),
    ('lions', 'unicorn.5', 'beasts/horse.5.svg', Grafted(HORSE_HEAD, 'lions/unicorn.hd.svg', (-2, -4), 0.55, seam=True), '',
     "A unicorn sejant: the horse sejant with the unicorn's head, horn and beard"),
    ('lions', 'antelope.5', 'beasts/horse.5.svg', Grafted(HORSE_MANE, 'lions/antelope.hd.svg', (-6, -2), 1.2, seam=True), '',
     "An antelope sejant: the horse sejant with the heraldic antelope's head"),
]

# The dragon sejant: the lion sejant with the dragon's head and a bat wing raised from the back.
DERIVED += [
    ('lions', 'dragon.5', 'lions/lion.5.svg', Grafted([(15, 0), (125, 0), (125, 88), (60, 92), (15, 85)],
                                                      'lions/dragon.hd.svg', (2, 16), 0.64, seam=True,
                                                      bat=(118, 100), bat_size=1.25),
     '', "A dragon sejant: the lion sejant with the dragon's head and a bat wing raised from the back"),
]

# The two-headed dragon: the dragon with a second head on a neck of its own, looking back.
DERIVED += [
    ('lions', 'tdragon', 'lions/dragon.svg', Grafted([(0, 0), (1, 0), (1, 1)], 'lions/dragon.hd.svg', (78, 2), 0.42, back=True),
     'tdragon.1', 'A dragon with two heads, rampant: the dragon with a second head on a neck of its own, turned to look back'),
    ('lions', 'tdragon.3', 'lions/dragon.3.svg', Grafted([(0, 0), (1, 0), (1, 1)], 'lions/dragon.hd.svg', (52, 0), 0.34, back=True),
     '', 'A dragon with two heads, passant: the dragon passant with a second head on a neck of its own, turned to look back'),
    ('lions', 'tdragon.4', 'lions/dragon.4.svg', Grafted([(0, 0), (1, 0), (1, 1)], 'lions/dragon.hd.svg', (52, 0), 0.34, back=True),
     '', 'A dragon with two heads, statant: the dragon statant with a second head on a neck of its own, turned to look back'),
]

# Sea-beasts: the fore part of the beast rampant on a fish's tail, as the sea-lion is made.
SEA_CUT = [(-20, -20), (140, -20), (140, 74), (-20, 74)]
DERIVED += [
    ('beasts', 'seawolf', 'birds/salmon.ha.svg', Grafted(SEA_CUT, 'beasts/dwolf.svg', (-8, -2), 0.6, seam=True), 'seawolf.1',
     "A sea-wolf: the fore part of a wolf rampant on a fish's tail"),
    ('lions', 'seagriff', 'birds/salmon.ha.svg', Grafted(SEA_CUT, 'lions/dgriffin.svg', (-8, -2), 0.6, seam=True), 'seagriff.1 seagryph seagryph.1',
     "A sea-griffin: the fore part of a griffin segreant, wings raised, on a fish's tail"),
    ('lions', 'seaunico', 'birds/salmon.ha.svg', Grafted(SEA_CUT, 'lions/dunicorn.svg', (-8, -2), 0.6, seam=True), 'seaunico.1',
     "A sea-unicorn: the fore part of a unicorn rampant on a fish's tail"),
    ('beasts', 'seastag', 'birds/salmon.ha.svg', Grafted(SEA_CUT, 'beasts/dbuck.svg', (-8, -2), 0.6, seam=True), 'seastag.1',
     "A sea-stag: the fore part of a stag springing on a fish's tail"),
    # Monsters made of two beasts: a griffin's head and wings on a lion (the opinicus) or on a
    # horse rearing (the hippogriff); a man's face on a lion (the manticore).
    ('lions', 'opinicu', 'lions/lion.svg', Grafted([(45, 0), (150, 0), (150, 92), (100, 98), (75, 90), (55, 80), (45, 50)],
                                                    'lions/griffin.hd.svg', (44, 4), 0.62, wing=(120, 80), wing_size=0.5, seam=True),
     'opinicu.1', "An opinicus rampant: the lion rampant with a griffin's head and ears and a wing raised"),
    ('lions', 'hippogri', 'beasts/horse.1.svg', Grafted([(0, -10), (100, -10), (104, 60), (80, 90), (0, 90)],
                                                       'lions/griffin.hd.svg', (0, -4), 0.6, wing=(100, 95), wing_size=0.5, seam=True),
     'hippogri.1 hippogry hippogry.1', "A hippogriff rampant: the horse rearing with a griffin's head and ears and a wing raised"),
    ('lions', 'manticor', 'lions/lion.svg', Grafted([(45, 0), (150, 0), (150, 92), (100, 98), (75, 90), (55, 80), (45, 50)],
                                                    'misc/boy.hd.svg', (50, 6), 0.55, seam=True), 'manticor.1',
     "A manticore rampant: the lion rampant with a man's head"),
    # The winged serpent: the serpent erect with a wing raised from behind its neck.
    ('beasts', 'wserpent', 'beasts/serpent.svg', Winged((70, 60), 0.45, own=True), '',
     'A winged serpent: the serpent erect with a wing raised from behind its neck'),
]

# The bog beast: the dragon rampant (its body, wings and feet) with a talbot's head.
DERIVED += [
    ('lions', 'bogbeast', 'lions/dragon.svg', Grafted([(0, 0), (80, 0), (80, 50), (50, 62), (0, 62)],
                                                      'beasts/talbot.hd.svg', (22, 8), 0.44), 'bogbeast.1',
     "A bog beast rampant: the dragon rampant with a talbot's head"),
]
# The whale's head, couped and erased, cut behind the eye.
DERIVED += heads('birds', 'whale', 'birds/whale.svg', [(78, 0), (0, 0), (0, 130), (78, 130)], "A whale's")

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
        part_attrs = ''.join(' %s="%s"' % kv for kv in sorted(part_inherit.items()))
        source_black = ['  <g clip-path="url(#%s-cut)">' % ident, blackened(renamed(body, '-k')), '  </g>']
        source_kept = ['  <g clip-path="url(#%s-keep)">' % ident, body, '  </g>']
        set_part = ['  <!-- %s, set on the neck -->' % how.part,
                    '  <g transform="translate(%s %s) scale(%s)"%s>' % (
                        fmt(how.at[0] + (how.size * part_box[2] if how.back else 0)), fmt(how.at[1]),
                        '%s %s' % (fmt(-how.size), fmt(how.size)) if how.back else fmt(how.size), part_attrs),
                    renamed(part, '-p'), '  </g>']
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


for _row in DERIVED:
    register(_row)
