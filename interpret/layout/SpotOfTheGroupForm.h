#pragma once
// Where a group's form moves a spot a layout gave: a pair conjoined meets at the middle, a charge
// issuant from a flank is set against that edge.

#include "engine/ChargeSpot.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// "two horses' heads addorsed and conjoined": member `index` (0 the dexter one, 1 the sinister)
// set beside the middle of the field so that its drawing reaches it.
void JoinThePair(DrawingState& state, int index, ChargeSpot& spot);

// "an arm issuant from sinister": the one charge set against the flank the group names, its far
// side a little past that edge, mirrored when it issues from the dexter.
void IssueFromTheFlank(DrawingState& state, ChargeSpot& spot);

// "on a chief three frets throughout": each of `count` charges, set on the chief's middle row,
// as large as reaches the top of the shield and the chief's lower edge, or the sides of its
// share of the chief's width, whichever comes first.
void FillTheShareOfTheChief(const DrawingState& state, const DrawnReach& reach, int count, ChargeSpot& spot);

}  // namespace esc
