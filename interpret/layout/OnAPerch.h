#pragma once
// "Gules an owl argent on a branch or", "an owl perched on a branch": the bird stands on the
// charge named after it, above it, the perch laid across the lower field (both were drawn at
// the centre, the perch over the bird).

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The row of the perch's middle (where the bird's feet grip it) as a share of the field's
// height, and the share the perch spans across the field.
inline constexpr int kPerchMiddlePercent = 74;
inline constexpr int kPerchWidthPercent = 72;

// Draws the current level when it is a single bird of level 0 standing on a charge (the blazon
// goes on "on a branch" at `nextWord`), or the charge it stands on; false, drawing nothing, for
// any other level.
bool OnAPerchLayout(DrawingState& state, int nextWord);

}  // namespace esc
