"""More pictures made from other drawings (see derived.py): the monsters and figures of the
glossaries that armory uses, each the drawing of a beast or a man with a part set on it."""

from .derive_parts import Grafted, Winged

# Nothing of the source is taken away where a part is only added (a bow in the hand).
NOTHING_DROPPED = [(-9, -9), (-8, -9), (-8, -8)]

DERIVED = [
    # The winged greyhound collared: the greyhound couchant collared with the wing of the winged
    # greyhound, the wing of the body's tincture so that the collar alone takes the detail's.
    ('beasts', 'wgreyhgl.6', 'beasts/greyhogl.6.svg', Winged((100, 55), 0.42), 'wgreyhgl',
     'A winged greyhound couchant collared: the greyhound couchant collared with a wing raised'),
    # The archer: the man with a bow held up in his sinister hand.
    ('misc', 'archer', 'misc/man.svg', Grafted(NOTHING_DROPPED, 'objects/bow.svg', (104, 4), 0.42), 'archer.af',
     "An archer: the man standing, a bow bent and stringed held up in his sinister hand"),
    # The chevalier: the demi-man seated on the horse's back, arms outstretched.
    ('misc', 'chevalie', 'beasts/horse.svg', Grafted(NOTHING_DROPPED, 'misc/dman.svg', (84, -2), 0.7), 'chevalie.3',
     "A chevalier: a man on horseback, the horse passant, the rider's arms outstretched"),
    # The alphyn: the lion rampant with a wolf's head, as the tyger is made with its own.
    ('lions', 'alphyn', 'lions/lion.svg', Grafted([(45, 0), (150, 0), (150, 92), (100, 98), (75, 90), (55, 80), (45, 50)],
                                                  'beasts/wolf.hd.svg', (44, 6), 0.6, seam=True), 'alphyn.1',
     "An alphyn rampant: the lion rampant with the wolf-like head of the monster"),
    # The musimon: the goat with the ram's head set on it, so that both pairs of horns show.
    ('beasts', 'musimon', 'beasts/goat.svg', Grafted([(-10, 46), (30, 46), (62, 52), (70, 100), (40, 110), (-10, 110)],
                                                     'beasts/ram.hd.svg', (-6, 40), 0.4, seam=True), 'musimon.3',
     "A musimon passant: the goat with a ram's head, the ram's curled horns below the goat's"),
]
