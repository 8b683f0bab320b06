"""The geometric charges: crosses and their forms, celestial charges, plants and plain shapes,
each family a module that registers its drawings with the `charge` decorator (svg.py). Importing the package
registers them all; tools/geometric_charges.py writes them."""

from . import buildings, celestial, cross_forms, crosses, figures, flowers, household, implements, more_charges, plants, shapes, trees  # noqa: F401 (registers the drawings)
from .svg import CHARGES

__all__ = ['CHARGES']
