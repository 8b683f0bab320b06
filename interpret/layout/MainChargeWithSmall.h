#pragma once
// "a lion rampant, in chief two mullets": one charge alone on the field stays the main
// charge, and the charges a later phrase sets in chief, in base or in a chief quarter stand
// small beside it. Without this the small charges were laid at the size of a charge alone and
// over the main one.

#include <optional>

#include "interpret/phrase/DrawingState.h"
#include "interpret/layout/Layouts.h"

namespace esc {

// The direction (chief, base, dexter or sinister chief) of the phrase that follows the current
// level's charge ("in chief two mullets"), or none when none follows.
std::optional<Direction> SmallChargesDirectionAhead(const DrawingState& state);

// Where the one main charge stands when charges in `direction` will share the field with it:
// moved a little away from them and made a little smaller to leave them room.
LayoutSpot MainChargeSpot(const ShieldGeometry& geometry, Direction direction);

// Places the current level's `count` charges small in chief, in base or in a chief quarter,
// when level 0 was one main charge on the field. False, placing nothing, otherwise.
bool PlaceSmallChargesBesideTheMain(DrawingState& state, int count);

}  // namespace esc
