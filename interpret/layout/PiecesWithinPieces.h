#pragma once
// "within two bendlets, as many bendlets dancetty": a run of pieces within a run of the same
// pieces. The two runs are one run of twice the count spread over the field, the outer pieces
// the first phrase's, the inner ones the second's (each drawn over the other's places before).

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Draws the current level when it is one of such two runs of bendlets (or bendlets sinister):
// its pieces at their places in the run of both counts. False, drawing nothing, otherwise.
bool PiecesWithinPiecesLayout(DrawingState& state);

}  // namespace esc
