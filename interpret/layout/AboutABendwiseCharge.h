#pragma once
// Charges about one charge laid bendwise across the field ("a sword bendwise throughout between
// two lions", "a lightning flash bendwise sinister throughout between a griffin and a dragon"):
// the charge parts the field as a bend (sinister) does, and what stands about it stands where it
// would about that bend, in the chief on one side and in base on the other.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Places the current level about the one charge of level 0 when that charge lies bendwise
// (sinister) and reaches across the field: a pair in the two places, the first of two single
// charges ("between a griffin and a dragon") in the place in chief, the second in the place in
// base. False, placing nothing, for any other level or count.
bool AboutAChargeLyingAsABend(DrawingState& state);

}  // namespace esc
