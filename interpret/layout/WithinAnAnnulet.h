#pragma once
// "Sable, a griffin segreant within an annulet Or": the annulet is drawn large about the centre
// and the charge within its ring (the two stood side by side, as "a griffin and an annulet").

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The annulet's outer diameter, as a share of the shield's width, and the share of it the
// charge's drawing may take across its diagonal (the ring's hole is 0.7 of it).
inline constexpr int kAnnuletWidthPercent = 85;
inline constexpr int kWithinTheRingPercent = 68;

// Draws the current level when it is a single charge of level 0 followed by "within an annulet"
// (at `nextWord`), or that annulet; false, drawing nothing, for any other level.
bool WithinAnAnnuletLayout(DrawingState& state, int nextWord);

}  // namespace esc
