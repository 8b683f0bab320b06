#pragma once
// Some members of a group turned apart from the rest: "three doloires, those in chief addorsed",
// "four harps, those in base reversed", "three lions, the two in chief combatant". The members
// in chief are the group's first row, those in base its last, as the rows of the count stand.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At the words after the charges of the current level: reads them. False, reading nothing,
// anywhere else.
bool MemberTurnsRule(DrawingState& state);
// The same for the words after the tincture, from W+1; the cursor ends on the last word read.
void MemberTurnsAfterTincture(DrawingState& state);

}  // namespace esc
