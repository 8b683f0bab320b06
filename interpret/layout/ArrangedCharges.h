#pragma once
// Charges set in an arrangement ("three fishes in pale", "five plates in saltire", "four mullets
// in pall") or in a part of the field with no table for their count ("in canton two mullets"):
// their spots come from the arrangement's geometry (SpotLayout.h).

#include "interpret/layout/Place.h"
#include "interpret/layout/SpotLayout.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The arrangement a direction code stands for ("in pale" is the pale's shape code); false for
// codes that name a part of the field or nothing.
bool ArrangementOfDirection(Direction code, Arrangement& arrangement);
// The part of the field a direction code names ("in canton", "in dexter chief", "in base"); false
// for codes that name an arrangement or nothing.
bool RegionOfDirection(Direction code, RegionKind& region);

// The level's charges in the arrangement its direction names, each in a square cell on the
// arrangement's lines and as large as the cell holds it; long drawings alone on the field grow
// until they meet. Counts the fixed tables of the ordinaries already serve are left to them
// (false).
bool InArrangement(DrawingState& state, Direction toward, const LevelRecord& level, int count);

// Any count in the arrangement or part of the field the direction names, the nearest form the
// arrangement holds when it holds no other (six in cross: four in the upright limb), which the
// level's trace notes. False, placing nothing, when the code names neither.
bool PlaceArranged(DrawingState& state, Direction toward, int count);

// A group set in an arrangement that also has a place: on an ordinary ("on a chief two arrows in
// saltire", "on a pale three mullets in pale") or in a part of the field ("in base two swords in
// saltire"). The arrangement is laid out within the place's box: a pair in saltire crossed at
// its middle, as large as the box holds them. False, placing nothing, when the group has no
// such place, or the place is an ordinary whose box is not known (a bordure, an orle).
bool ArrangedWithinItsPlace(DrawingState& state);

// Charges on a fess, bend, bend sinister or chevron raised or lowered ("on a fess enhanced three
// mullets"): in a line along the moved ordinary, turned with a bend, as large as its breadth
// holds them. False, placing nothing, when the ordinary of level 0 is in its usual place or of
// another shape.
bool OnTheMovedOrdinary(DrawingState& state);

// "on a fess between in chief a sheep between two garbs ...": about an ordinary, two charges
// between one charge set in chief or in base stand on either side of it in that part, in one row
// with it, no larger than it. False, drawing nothing, for any other level.
bool BesideTheChargeInItsPart(DrawingState& state);

}  // namespace esc
