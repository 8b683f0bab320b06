#pragma once
// "Argent ten torteaux a label of three points azure": charges on the field with a label named
// after them are laid out in the room below the label's points, as heralds set them (the label,
// painted last, hid the top row of torteaux).

#include "interpret/DrawingState.h"

namespace esc {

// Clear of the label's points by this many rows.
inline constexpr int kClearOfTheLabel = 6;

// The first row below a label named after the current level's charges, for a level of two or
// more charges on the field (not strewn over it); 0 when no label follows or it lies on a chief.
int RoomTopBelowALaterLabel(const DrawingState& state);

}  // namespace esc
