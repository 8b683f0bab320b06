#pragma once
// Charges issuant: "on a chief argent a demi-lion issuant sable", "per fess gules and argent in
// chief a demi-lion issuant argent". The charge rises from the lower edge of the space it stands
// in (the chief's lower edge, the line of the partition), its foot on that edge, as large as the
// space above allows.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At "issuant" after a demi-charge (or a lion, which issuant is the demi-lion) whose space has a
// lower edge to rise from: the level is marked issuant and the word read. False, reading
// nothing, anywhere else.
bool IssuantRule(DrawingState& state);
// Draws the current level issuant when it was marked so; false when it was not.
bool IssuantLayout(DrawingState& state);

// The space an issuant charge rises in: rows top..bottom, the bottom the edge it rises from.
struct IssuantSpace {
    int top = 0, bottom = 0;
    bool valid = false;
};
IssuantSpace IssuantSpaceOf(const DrawingState& state);

}  // namespace esc
