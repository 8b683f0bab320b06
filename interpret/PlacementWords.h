#pragma once
// Placement constructions that say where a level's charges go beyond a single direction: a
// count split between chief and base, a place named in the chief, the charges of a named piece.

#include "interpret/DrawingState.h"

namespace esc {

// "a chevron between ten crosses six in chief and four in base": at the first number after a
// level of charges between a fess or chevron whose count the two numbers make up. The split is
// kept for the layout and every word read. False, reading nothing, otherwise.
bool SplitRowsRule(DrawingState& state);

// "a saltire and chief gules the latter charged with three mullets": "the latter" (or "the
// last") before "charged with" when the current level is the second of two ordinaries: the
// charges lie on it, which the charged-with rule then does. False, reading nothing, otherwise.
bool TheLatterRule(DrawingState& state);

}  // namespace esc
