#pragma once
// "Quarterly sable and vert, two enfields combattant Or": a pair of beasts turned to each other,
// or back to back, with no attitude blazoned is rampant, as heralds draw such a pair. The wolf,
// bear, horse and enfield were drawn in their standing pictures.

#include <string_view>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Before the level's picture is read: a pair of beasts combatant or addorsed with no attitude is
// given the rampant picture (attitude digits "1") where `name` has one; a beast that walks (it
// has a passant picture) but has no rampant one is drawn standing and the drawing says so. Any
// other level is left as it is.
void RampantWhenTurned(DrawingState& state, LevelRecord& level, std::string_view name);

}  // namespace esc
