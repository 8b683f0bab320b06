#pragma once
// Lozenge-shaped charges "conjoined" (mascles, fusils, lozenges): laid so that each touches its
// neighbours point to point, every one as large as the shield then allows.

#include <span>
#include <string_view>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Whether the charge's name is one of the lozenge-shaped charges that can be conjoined.
bool IsLozengeCharge(std::string_view name);

// Rows of the current level's charges, top row first, touching side point to side point along
// a row and top point to bottom point between rows. False (nothing placed) when the level is not
// conjoined or is not lozenge-shaped.
bool ConjoinedRows(DrawingState& state, std::span<const int> rows);

// n charges conjoined in fess, in pale or in bend (the shape of `line`): one run along that line.
// False (nothing placed) for any other direction.
bool ConjoinedInLine(DrawingState& state, ShapeCode line, int n);

}  // namespace esc
