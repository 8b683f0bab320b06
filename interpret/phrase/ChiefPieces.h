#pragma once
// Pieces that lie within the chief and are read as ordinaries of their own: "on a chief or two
// pallets between two base esquires azure".

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At "base esquire(s)", "dexter base esquire", "a base esquire sinister" (or "esquire(s)" alone):
// the level becomes the base esquires, drawn in the chief's lower outer corners, both for a count
// of two or more, one for a count of one (dexter unless "sinister" is written). False, reading
// nothing, anywhere else.
bool BaseEsquireRule(DrawingState& state);

}  // namespace esc
