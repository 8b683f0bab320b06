#pragma once
// "Argent, an arrow fesswise piercing a heart gules", "a heart transfixed by a sword": the
// charge pierced stands in the middle, smaller than one charge alone, and the one that pierces
// it lies across the same middle as large as one charge alone, so that it shows beyond the
// pierced charge on both sides.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The pierced charge's size as a share of the piercing one's.
inline constexpr float kPiercedShare = 0.55f;

// Whether the single charge of level 0 and the phrase that begins at `phraseStart` (one charge:
// "a heart", "an arrow") can be drawn one piercing the other.
bool PiercingPairAt(const DrawingState& state, int phraseStart);

// Draws the current level when it is one of such a pair; false, drawing nothing, otherwise.
bool PiercingLayout(DrawingState& state, int nextWord);

}  // namespace esc
