#pragma once
// "a bend between a roundel and four mullets in bend": the second group between, written in the
// ordinary's own direction, stands in a line that way on its side of the ordinary, not heaped
// into the side as rows would fill it (four mullets stood in an L).

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Places the current level's charges in a line parallel to the ordinary of level 0 (a fess,
// pale, bend or bend sinister) in the last of the two spaces beside it, each as large as the
// line allows; false, placing nothing, for another ordinary, another count of spaces, or where
// no line holds them.
bool InLineBesideTheOrdinary(DrawingState& state);

}  // namespace esc
