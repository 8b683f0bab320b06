#pragma once
// How a completed level is drawn: as an ordinary, as the plural ordinaries with shapes of their
// own (bars, pallets, fret), or as charges laid out on the field, on or in the direction of an
// ordinary, in orle, or between the ordinary or charge of the level before.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Draws the current level. The cursor is 0 during the call and restored afterwards.
void ArrangeLevel(DrawingState& state);
// Lays the current level's charges out around an ordinary of the given shape; with no shape
// (charges between a charge) the three-charge layout applies.
void ChargesBetween(DrawingState& state, ShapeCode ordinary);
// Whether a level's charges are pictures (or discs), not shapes the ordinary routines draw.
bool PlacesPictures(const LevelRecord& level);

}  // namespace esc
