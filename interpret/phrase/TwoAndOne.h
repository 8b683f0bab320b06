#pragma once
// "Argent two mullets and a crescent gules", "per chevron sable and azure, two axes and a horse
// passant argent": two phrases on the field, two charges and then one, are one group of three,
// set where three of one kind stand (two and one; per chevron two above the line and one below
// it). The one was laid out as a charge alone, at the size of the whole field, over the two.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Places the current level when it is the two (level 0) or the one (level 1) of such a group;
// false, placing nothing, otherwise. `nextWord` is the first word after the level's phrase.
bool TwoAndOneOfTwoKinds(DrawingState& state, int nextWord);

}  // namespace esc
