#pragma once
// "reversed" (and "inverted") after a charge: the charge turned upside down, its picture flipped
// top to bottom as "contourny" mirrors it left to right ("a sword reversed", "three crescents
// reversed or"). After a chevron or a pall the ordinary is turned over: "a chevron reversed" is
// the chevron inverted, "a pall reversed" the pall reversed.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At "reversed" or "inverted" after the charges or the chevron or pall of the current level:
// reads it. False, reading nothing, anywhere else.
bool ReversedRule(DrawingState& state);
// The same for the word after the tincture ("a sword argent reversed"), W+1.
void ReversedAfterTincture(DrawingState& state);

}  // namespace esc
