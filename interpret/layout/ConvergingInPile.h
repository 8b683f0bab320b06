#pragma once
// Long charges in pile ("three arrows in pile", "three swords in pile points in base", "three
// arrows meeting in point"): their lower ends come together, or nearly, below the middle of
// the field, the middle one upright and the outer ones leaning in to it. Short charges in pile
// stand in rows narrowing to the base (SpotLayout's triangle), not here.

#include <span>

#include "engine/ShieldGeometry.h"
#include "interpret/layout/SpotLayout.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// One fan of converging charges: each charge's lean from upright in degrees, top first toward
// the dexter (45 lies along a bend, -45 along a bend sinister), dexter charge first.
struct InPileFan {
    int count = 0;
    std::span<const int> leans;
};
// The fan for `count` long charges in pile; count 0 when none is known.
InPileFan InPileFanOf(int count);

// A picture turned bendwise leans this far from upright, and one turned bendwise sinister this
// far the other way (the painter's diagonal turns); upside down, each leans as far the other way.
inline constexpr int kBendwiseTurnLean = 39;
inline constexpr int kBendwiseSinisterTurnLean = 49;

// The turn that draws a lean (degrees, top toward the dexter) for pictures upright or upside
// down, and the lean it draws; false when the pictures cannot be turned so (they turn only along
// the diagonals), `turn` then being the nearest they can.
bool TurnOfLean(int lean, bool upsideDown, ChargeTurn& turn, int& drawnLean);

// Where the fan's charges stand in the field `room` (the charges `length` long, at scale 1 in
// shield pixels, and `across` wide each side), the lower ends meeting below the middle of the
// room: their centres, turns and one scale. `nearest` when a lean had no turn of its own.
SpotLayout ConvergingSpots(const ShieldGeometry& geometry, const Rect& room, const InPileFan& fan, float length,
                           float across, bool upsideDown);

// Whether the current level's picture is long: as slender as a sword or an arrow (a candle or a
// lion is not).
bool CurrentDrawingIsSlender(DrawingState& state);

// The current level's long charges set in pile on the field, converging; false, placing
// nothing, for any other level. A group of long charges in pile that this cannot set out (on an
// ordinary, or in a count with no fan) is noted as drawn in the nearest form.
bool LongChargesInPile(DrawingState& state, Direction toward, int count);

}  // namespace esc
