#pragma once
// "Quarterly vert and sable, a saltire between two crescents in pale argent": charges between an
// ordinary, set in pale or in fess across it, stand one in each space of the field that the
// pale's (or the fess's) line crosses, as large as that space holds them. They were set down
// the middle as if no ordinary were there, over the saltire's limbs.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Places the current level when it is the group between the ordinary of level 0, directed in
// pale or in fess, and the line crosses exactly as many spaces round the ordinary as there are
// charges; false, placing nothing, otherwise.
bool BetweenAcrossTheOrdinary(DrawingState& state);

}  // namespace esc
