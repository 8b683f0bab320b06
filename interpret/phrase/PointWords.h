#pragma once
// Which way the point of a pointed charge is turned: "three arrows points upward", "a sword
// point in base", "two daggers in saltire, points upwards", "three arrows in pale fesswise
// points to the dexter", "three swords, their points towards the base". Each picture with a
// point is drawn one way (a sword point up, an arrow point down); the words turn it over, or a
// quarter round, from there. A point named for a charge that has none is left unread.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At the point words after the charges of the current level: reads them. False, reading
// nothing, anywhere else.
bool PointRule(DrawingState& state);
// The same for the words after the tincture ("an arrow argent point upward"), from W+1.
void PointAfterTincture(DrawingState& state);
// The point words at W+k naming up or down ("pointing downward", "points in base") for the
// current level's charges: how many words they are (0: none, or no point to turn), and whether
// they turn the pictures over.
int PointOverWords(const DrawingState& state, int k, bool& over);

}  // namespace esc
