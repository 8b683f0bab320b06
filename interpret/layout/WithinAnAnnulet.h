#pragma once
// "Sable, a griffin segreant within an annulet Or": the annulet is drawn large about the centre
// and the charge within its ring (the two stood side by side, as "a griffin and an annulet").

#include <vector>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The annulet's outer diameter, as a share of the shield's width, and the share of it the
// charge's drawing may take across its diagonal (the ring's hole is 0.7 of it).
inline constexpr int kAnnuletWidthPercent = 85;
inline constexpr int kWithinTheRingPercent = 68;

// The most charges set within the ring, and the ring's hole as a share of its outer diameter.
inline constexpr int kMaxWithinTheRing = 4;
inline constexpr double kHoleShareOfTheRing = 0.7;
// How far the ring's centre stands above the fess point (pixels at the usual size): the shield
// is full width a little higher.
inline constexpr int kRingCentreAboveTheFessPoint = 10;

// Where each of `count` charges (2 to kMaxWithinTheRing) stands within the ring, in the order
// they are placed (top row first, from the dexter), and the radius of the circle each has.
struct RingSpot {
    int x = 0, y = 0, radius = 0;
};
std::vector<RingSpot> SpotsWithinTheRing(const ShieldGeometry& geometry, int count);
// The same within any circle of radius `hole` about (cx, cy).
std::vector<RingSpot> SpotsWithinACircle(int cx, int cy, double hole, int count);

// Draws the current level when it is the group of level 0 (one charge, or up to
// kMaxWithinTheRing) followed by "within an annulet" (at `nextWord`), or that annulet; false,
// drawing nothing, for any other level.
bool WithinAnAnnuletLayout(DrawingState& state, int nextWord);

}  // namespace esc
