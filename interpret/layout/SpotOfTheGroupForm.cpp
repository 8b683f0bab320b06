#include "interpret/layout/SpotOfTheGroupForm.h"

#include <algorithm>
#include <cmath>


namespace esc {

// A pair conjoined: each member set beside the middle of the field so that its drawing's edge
// reaches it, the dexter one to the left; the two drawings meet there.
void JoinThePair(DrawingState& s, int index, ChargeSpot& spot) {
    DrawnReach reach;
    if (!DrawnReachTurned(s, spot.turn, reach)) return;
    const int half = static_cast<int>(std::lround(reach.across * spot.scale));
    spot.x = index == 0 ? s.geometry.W2 - half : s.geometry.W2 + half;
}

// How far past the flank's edge the far side of a charge issuant from it lies (pixels at the
// usual size): the outline cuts it, and no sliver of field shows between.
constexpr int kIssuingPastTheFlank = 6;

// Drawn as it faces (the dexter) when it issues from the sinister, mirrored from the dexter.

void IssueFromTheFlank(DrawingState& s, ChargeSpot& spot) {
    DrawnReach reach;
    if (!DrawnReachTurned(s, spot.turn, reach)) return;
    const bool fromSinister = s.group.issuingFlank == IssuingFlank::kSinister;
    if (!fromSinister) spot.mirror = !spot.mirror;
    const int half = static_cast<int>(std::lround(reach.across * spot.scale)) - s.geometry.Px(kIssuingPastTheFlank);
    spot.x = fromSinister ? s.geometry.W - half : half;
}

void FillTheShareOfTheChief(const DrawingState& s, const DrawnReach& reach, int count, ChargeSpot& spot) {
    const float share = static_cast<float>(s.geometry.W) / static_cast<float>(std::max(count, 1)) / 2.0f;
    const float needed = std::min(static_cast<float>(spot.y) / reach.upDown, share / reach.across);
    spot.scale = std::max(spot.scale, needed);
}

}  // namespace esc
