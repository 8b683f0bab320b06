#pragma once
// Levels of two tinctures: parted ("per pale gules and sable"), or an ordinary fretty.

#include "interpret/DrawingState.h"

namespace esc {

// The partitions a charge's tincture can be parted by: per pale and per fess.
bool PartedTinctureShape(int shapeCode);
// Draws the current level (as ArrangeLevel does) in its tincture and in partedTincture, each
// kept in its own part of the shield; clears partedTincture.
void DrawPartedLevel(DrawingState& state);
// Draws the current level, an ordinary, and over it fretty in frettyTincture, kept to the
// ordinary's pixels; clears frettyTincture.
void DrawFrettyOrdinary(DrawingState& state);

}  // namespace esc
