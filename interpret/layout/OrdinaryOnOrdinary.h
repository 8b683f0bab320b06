#pragma once
// "Gules a pale argent charged with a chevron sable", "on a fess a bend": an ordinary laid on
// the ordinary before it is drawn within that ordinary only (it was painted across the whole
// field, over the ordinary it lies on and the field beside it alike).

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Draws the current level when it is an ordinary charged on the ordinary of the level before
// (not a canton or chief, which place what they bear their own way); false, drawing nothing,
// otherwise.
bool OrdinaryOnOrdinaryLayout(DrawingState& state);

// "on a chief azure a cross gules charged with a lion or": places the current level when it lies
// on the ordinary `back` levels before, itself drawn within a chief, on that ordinary's spot
// there (or says there is none); false, placing nothing, when the bearer is not such an ordinary.
bool ChargesOnTheOrdinaryWithinTheChief(DrawingState& state, int back);

}  // namespace esc
