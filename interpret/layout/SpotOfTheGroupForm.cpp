#include "interpret/layout/SpotOfTheGroupForm.h"

#include <algorithm>
#include <cmath>

#include "interpret/layout/Placement.h"

namespace esc {

// How far into each other the drawings of a pair conjoined reach (pixels at the usual size).
constexpr int kPairJoinedOverlap = 2;

// A pair conjoined: each member set beside the middle of the field so that the side of its
// drawing that faces the middle (as it is mirrored or not) reaches it; the two drawings meet
// there. Picture column c is painted (c - width / 2) * scale / 2 from the spot.
void JoinThePair(DrawingState& s, int index, ChargeSpot& spot) {
    PictureExtent e;
    const bool loaded = s.pictureLoaded;
    const bool measured = LevelPictureExtent(s, e);
    s.pictureLoaded = loaded;
    if (!measured || (spot.turn != ChargeTurn::kAsDrawn && spot.turn != ChargeTurn::kFesswise)) return;
    const float centre = static_cast<float>(e.width) / 2;
    const float rightSide = static_cast<float>(e.lastColumn + 1) - centre, leftSide = centre - static_cast<float>(e.firstColumn);
    // The dexter member shows its right side to the middle, the sinister one its left; a mirrored
    // drawing shows the other.
    const bool rightFacesTheMiddle = (index == 0) != spot.mirror;
    const float side = (rightFacesTheMiddle ? rightSide : leftSide) * spot.scale / 2;
    const int reach = static_cast<int>(std::lround(side)) - s.geometry.Px(kPairJoinedOverlap);
    spot.x = index == 0 ? s.geometry.W2 - reach : s.geometry.W2 + reach;
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
