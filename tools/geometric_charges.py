#!/usr/bin/env python3
"""Writes the SVG sources of the geometric charges: crosses, celestial charges, plants, shapes,
and the objects drawn from plain outlines.

The drawings live in the package tools/geometric/, one module a family (crosses.py and
cross_forms.py, celestial.py, figures.py, plants.py, flowers.py, trees.py, shapes.py,
implements.py, household.py, buildings.py, more_charges.py, more_objects.py, creatures.py,
wares.py, leaves.py, and derived.py for the pictures made from other drawings) over the shared geometry
(geometry.py) and SVG writer (svg.py).

The SVG files under data/charges/ are the committed sources the build reads; this script is how
they were drawn. It builds every symmetric charge from computed geometry (points on circles,
mirrored halves, bars, circle unions) and writes readable, indented SVG with one comment naming
the charge. Run it from anywhere:

    python3 tools/geometric_charges.py            # every charge
    python3 tools/geometric_charges.py mullet rose  # only these picture names
    python3 tools/geometric_charges.py derived      # only the pictures of one module
    python3 tools/geometric_charges.py --force cros.4  # also overwrite a hand-edited source
    python3 tools/geometric_charges.py --check      # exit 1 when a source differs from what
                                                    # the script would write (hand-edited aside)

A source that was changed by hand after the script drew it carries a comment containing
HAND_EDITED (below); the script skips it and says so, unless given --force.

Colours follow data/charges/DRAWING.md: #000000 outline, #ffffff body, #ff0000 second part,
#0000ff detail, nothing painted elsewhere.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from geometric import CHARGES  # noqa: E402


def main(argv):
    args = argv[1:]
    force = '--force' in args
    check = '--check' in args
    wanted = set(a for a in args if a not in ('--force', '--check'))
    stale = []
    for make in CHARGES:
        ch = make()
        module = make.__module__.rsplit('.', 1)[-1]
        if not wanted or ch.name in wanted or ch.folder in wanted or module in wanted:
            if check:
                if not ch.current():
                    stale.append(ch.path())
            else:
                ch.write(force)
    for path in stale:
        print('%s: not what tools/geometric_charges.py draws; run it and commit the source'
              % os.path.relpath(path), file=sys.stderr)
    return 1 if stale else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
