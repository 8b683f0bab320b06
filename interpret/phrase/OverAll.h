#pragma once
// "over all": the phrase after it lies across the whole shield, over everything drawn before,
// whatever group of charges on an ordinary came before it ("on a chief ... over all an
// escutcheon argent": the escutcheon is at the fess point, not on the chief).

#include "interpret/phrase/DrawingState.h"

namespace esc {

// An inescutcheon over all spans this share of the shield's width.
inline constexpr int kInescutcheonWidthPercent = 36;

// Called where "over all" (or "overall") is read before a phrase: that phrase's level is marked
// as lying over all.
void MarkOverAll(DrawingState& state);
// Draws the current level's charges when they lie over all: one escutcheon at the fess point the
// size of an inescutcheon, other charges as they stand on the plain field. False, drawing
// nothing, when the level is not over all or is an ordinary.
bool OverAllLayout(DrawingState& state);

}  // namespace esc
