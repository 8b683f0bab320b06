"""The geometric charges: crosses, celestial charges, plants and plain shapes, and the pictures
made from other drawings (derived.py: demi-charges, beasts salient, fish hauriant), each family a
module that registers its drawings with the `charge` decorator (svg.py). Importing the package
registers them all; tools/geometric_charges.py writes them."""

from . import celestial, crosses, derived, plants, shapes  # noqa: F401 (registers the drawings)
from .svg import CHARGES

__all__ = ['CHARGES']
