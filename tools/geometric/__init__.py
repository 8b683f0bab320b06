"""The geometric charges: crosses and their forms, celestial charges, plants, trees, flowers,
plain shapes, figures, implements, household things and buildings, creatures seen from above,
objects of bands and rings, tools, weapons, ships, buildings and clothes (wares.py), leaves
and plants drawn from their stalks (leaves.py), and the pictures made from
other drawings (derived.py, its rows in derived_bodies.py and derived_heads.py, its ways in
derive_parts.py: demi-charges, beasts salient, fish hauriant), each family a module
that registers its drawings with the `charge` decorator (svg.py). Importing the package
registers them all; tools/geometric_charges.py writes them."""

from . import (  # noqa: F401 (registers the drawings)
    affronty, buildings, celestial, creatures, cross_forms, cross_forms_parted, crosses, crowned, derived, gorged, figures, flowers,
    household, implements, leaves, more_charges, more_objects, more_wares, plants, shapes, trees, wares, whole_plants)
from .svg import CHARGES

__all__ = ['CHARGES']
