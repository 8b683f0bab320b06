#pragma once
// Charges on each piece of an ordinary drawn as several ("two bendlets each charged with a
// feather", "three chevronels each charged with a mullet"): the pieces are found on a mask of the
// ordinary as it was drawn, and each takes its share of the group where it is broadest, turned
// with it and as large as its breadth.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Places level 1 on each piece of the ordinary of level 0: the whole count on every
// piece when the words say "each", else one on each when the count is the pieces'. False,
// placing nothing, when level 0 is not an ordinary of several pieces that stand apart, or the
// count cannot be shared so.
bool OnEachPieceOfTheOrdinary(DrawingState& state);

// An ordinary, or bars or pallets: a level whose pieces are drawn as shapes, not placed as
// pictures, so that no spot of theirs is kept for what lies on them.
bool IsOrdinaryInPieces(const LevelRecord& level);

}  // namespace esc
