#pragma once
// "Three pairs of arrows in saltire", "three pairs of keys addorsed": each member of the group is
// two charges on the spot one charge would stand on.

#include "engine/ChargeSpot.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The two charges of one member, as the group's pair form says; `memberTincture` is the member's
// own tincture, -1 for the level's.
void PlacePairOnTheSpot(DrawingState& state, ChargeSpot spot, int memberTincture);

}  // namespace esc
