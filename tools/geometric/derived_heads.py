"""The derived heads couped and erased of beasts, birds and fish, and the later rows of derived
pictures: fish embowed, more birds rising, beasts in the lion's attitudes, reguardant, sejant
and couchant, the dragon sejant, sea-beasts. Rows as in derived_bodies.py."""

from .derive_parts import Bent, Demi, Grafted, TALBOT_HEAD, Turn, Winged, heads


# Heads couped and erased, cut from the whole beast or bird across the neck.
DERIVED = heads('beasts', 'hind', 'beasts/hind.svg', [(100, 72), (100, 20), (0, 20), (0, 105), (60, 105)],
                 "A hind's", 'doe')
DERIVED += heads('beasts', 'cat', 'beasts/cat.svg', [(90, 60), (90, 0), (0, 0), (0, 84), (42, 88)],
                 "A cat's (guardant)", 'housecat')
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
    ('beasts', 'wserpent', 'beasts/serpent.svg', Winged((70, 60), 0.45, own=True), 'amphipte',
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
