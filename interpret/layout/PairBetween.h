#pragma once
// Two single charges about an ordinary or a principal charge ("a chevron between a mullet and a
// crescent", "a sword between a mullet and a crescent"): the first is laid out as one charge
// between; the second, read as a level of its own, is placed here.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Places the current level when it is one charge joined by "and" to the single charge between
// before it: beside an upright principal charge at its other flank; about an ordinary in the
// roomiest region of the free space other than the first one's; where the free space is one
// region, opposite the first through the middle of the field. Returns whether it placed it.
bool SecondOfAPairBetween(DrawingState& state);

}  // namespace esc
