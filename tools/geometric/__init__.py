"""The geometric charges: crosses and their forms, celestial charges, plants, trees, flowers,
plain shapes, figures, implements, household things and buildings, creatures seen from above,
objects of bands and rings, and the pictures made from
other drawings (derived.py: demi-charges, beasts salient, fish hauriant), each family a module
that registers its drawings with the `charge` decorator (svg.py). Importing the package
registers them all; tools/geometric_charges.py writes them."""

from . import (  # noqa: F401 (registers the drawings)
    buildings, celestial, creatures, cross_forms, crosses, derived, figures, flowers, household, implements, more_charges, more_objects, plants,
    shapes, trees)
from .svg import CHARGES

__all__ = ['CHARGES']
