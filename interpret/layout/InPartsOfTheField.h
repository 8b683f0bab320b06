#pragma once
// Charges set in a part of the field rather than on an ordinary: in or on a chief, in base, in
// the dexter or sinister chief, in named quarters.

#include "interpret/layout/Place.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// A drawing at least this many times as tall as its mean width is slender (a sword, whose
// quillons make its box wide, a rapier, a spear, a quill; not a candle, which stands): it lies
// along a chief, and across a bend.
inline constexpr long long kSlenderRatio = 7;

// Bars or pallets (or their diminutives) set in a part of the field or on an ordinary lie within
// it as pieces: in or on a chief, in or on a base, in the dexter or sinister half, on a fess,
// pallets on a pale (`toward` names the part). Anywhere else the count is said not placed.
// False, drawing nothing, for a level of other charges.
bool PiecesInTheirPart(DrawingState& state, Direction toward);
// One of a pair named one by one about a charge on a chief ("on a chief a lion between a
// fleur-de-lis and a key"): the first in the chief's dexter third, the second in its sinister
// third, as a pair between stands there. False, placing nothing, on any other ordinary or when
// the charge's picture has no measure.
bool OneOfAPairOnTheChief(DrawingState& state);
// In or on a chief.
void InChief(DrawingState& state, const LevelRecord& level, int count);
// In base.
void InBase(DrawingState& state, int count);
// One in each quarter named ("in the second and third quarters a fret").
void InNamedQuarters(DrawingState& state, const LevelRecord& level, int count);
// In the dexter or sinister chief (`quarter` names which): one filling the quarter, three two
// and one in it, other counts in rows within it. False, placing nothing, when the quarter is not
// clear of what lies there (a bend across it): the charges are reported, not drawn over it.
bool InAChiefQuarter(DrawingState& state, PlaceCode quarter, int count);
// In the dexter or sinister base (`which` names it): the charges in rows within the quarter.
// False, placing nothing, when more than one would stand where the first ordinary crosses it.
bool InABaseQuarter(DrawingState& state, PlaceCode which, int count);
// In the dexter or sinister half (`which` names it): the charges in rows within the half.
// False, placing nothing, when an ordinary drawn before crosses it.
bool InAHalf(DrawingState& state, PlaceCode which, int count);

}  // namespace esc
