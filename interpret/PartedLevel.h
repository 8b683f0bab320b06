#pragma once
// A level whose tincture is parted ("per pale gules and sable"): drawn in both tinctures.

#include "interpret/DrawingState.h"

namespace esc {

// The partitions a charge's tincture can be parted by: per pale and per fess.
bool PartedTinctureShape(int shapeCode);
// Draws the current level (as ArrangeLevel does) in its tincture and in partedTincture, each
// kept in its own part of the shield; clears partedTincture.
void DrawPartedLevel(DrawingState& state);

}  // namespace esc
