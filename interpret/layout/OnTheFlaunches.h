#pragma once
// "Gules two flaunches or each charged with a rose gules", "between two flaunches argent each
// charged with a mullet", "on a flaunch sinister a crescent": the charges lie on the flaunches,
// as many on each, down the middle of each flaunch's bulge and as large as its breadth there
// holds them.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The most charges set down one flaunch.
inline constexpr int kMostOnAFlaunch = 3;

// Places the current level's `count` charges on the flaunches of the level before; false,
// placing nothing, when the level before is no flaunch or the count is not shared out evenly
// (one on each, or the same number on each, at most kMostOnAFlaunch).
bool OnTheFlaunches(DrawingState& state, int count);

}  // namespace esc
