#pragma once
// Lozenge-shaped charges "conjoined" (mascles, fusils, lozenges): laid so that each touches its
// neighbours point to point, every one as large as the shield then allows.

#include <span>
#include <string_view>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Whether the charge's name is one of the lozenge-shaped charges that can be conjoined.
bool IsLozengeCharge(std::string_view name);

// Whether the charge's name is a ring (the annulet), which can be conjoined or interlaced: in a
// row each touches the next, or crosses it by a quarter of its width; rows stand apart.
bool IsRingCharge(std::string_view name);

// Rows of the current level's charges, top row first, touching side point to side point along
// a row and top point to bottom point between rows (rings: side by side along a row, the rows
// apart). False (nothing placed) when the level is not
// conjoined or is not lozenge-shaped.
// With `oneChargeScale` (above 0) the whole group takes the room of one charge at that scale,
// as a charge with others round it does.
bool ConjoinedRows(DrawingState& state, std::span<const int> rows, float oneChargeScale = 0.0f);

// n charges conjoined in fess, in pale, in bend or bend sinister (the shape of `line`): one run
// along that line; in chevron, from the apex down both limbs; in cross or saltire (a count one
// more than a multiple of four), one at the crossing and a run along each limb. False (nothing
// placed) for any other direction or count.
bool ConjoinedInLine(DrawingState& state, ShapeCode line, int n);
// Whether ConjoinedInLine lays n charges along `line` (the reader's test before it takes
// "conjoined in ...": what it cannot lay is left unread).
bool ConjoinedLineDrawn(ShapeCode line, int n);

}  // namespace esc
