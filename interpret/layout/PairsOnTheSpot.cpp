#include "interpret/layout/PairsOnTheSpot.h"

#include <algorithm>
#include <optional>

#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/Placement.h"

namespace esc {
namespace {

// A pair crossed on the spot one charge would stand on, the crossing as large as the single
// charge's longer reach: in saltire both lie bendwise, the second mirrored; in cross one stands
// upright and the other lies fesswise. Never grown past this share of the single's scale.
constexpr float kCrossedOnTheSpotLargest = 1.5f;

// `memberTincture`: the member's own tincture, -1 for the level's.
void PlaceCrossedOnTheSpot(DrawingState& s, ChargeSpot spot, int memberTincture) {
    const bool inSaltire = s.group.pairs == PairForm::kCrossedInSaltire;
    const ChargeTurn first = inSaltire ? ChargeTurn::kBendwise : ChargeTurn::kAsDrawn;
    const ChargeTurn second = inSaltire ? ChargeTurn::kBendwise : ChargeTurn::kFesswise;
    DrawnReach single, crossed;
    if (DrawnReachTurned(s, spot.turn, single) && DrawnReachTurned(s, first, crossed)) {
        const float longest = std::max(single.across, single.upDown);
        const float crossing = std::max(crossed.across, crossed.upDown);
        if (crossing > 0) spot.scale *= std::min(longest / crossing, kCrossedOnTheSpotLargest);
    }
    ChargeSpot one = spot, other = spot;
    one.turn = first;
    other.turn = second;
    other.mirror = inSaltire ? !spot.mirror : spot.mirror;
    PlaceChargeIn(s, one, memberTincture >= 0 ? std::optional<int>(memberTincture) : std::nullopt);
    PlaceChargeIn(s, other, memberTincture >= 0 ? std::optional<int>(memberTincture) : std::nullopt);
}

// A pair side by side on the spot one charge would stand on, the two together no wider than the
// single charge is tall (a key keeps its size; two roundels are each half as large), a hair apart.
// Addorsed, the sinister one is turned to face the sinister; combatant, the dexter one.
constexpr float kSideBySideGap = 1.08f;

void PlaceSideBySideOnTheSpot(DrawingState& s, ChargeSpot spot, int memberTincture) {
    DrawnReach single;
    if (!DrawnReachTurned(s, spot.turn, single) || single.across <= 0.0f) {
        // Nothing to measure (the picture stood in for is told where it is drawn): one charge.
        PlaceChargeIn(s, spot, memberTincture >= 0 ? std::optional<int>(memberTincture) : std::nullopt);
        return;
    }
    spot.scale *= std::min(1.0f, std::max(single.across, single.upDown) / (2.0f * single.across));
    const int apart = static_cast<int>(single.across * spot.scale * kSideBySideGap);
    const bool addorsed = s.group.pairs == PairForm::kAddorsed;
    ChargeSpot dexter = spot, sinister = spot;
    dexter.x -= apart;
    sinister.x += apart;
    // The layout's own turn of a pair of members (two pairs "combatant") is not this one: only a
    // left hand's turn adds to the pair's.
    dexter.mirror = s.sinisterCharges != !addorsed;
    sinister.mirror = s.sinisterCharges != addorsed;
    const std::optional<int> tincture = memberTincture >= 0 ? std::optional<int>(memberTincture) : std::nullopt;
    PlaceChargeIn(s, dexter, tincture);
    PlaceChargeIn(s, sinister, tincture);
}

}  // namespace

void PlacePairOnTheSpot(DrawingState& s, ChargeSpot spot, int memberTincture) {
    if (s.group.pairs == PairForm::kAddorsed || s.group.pairs == PairForm::kCombatant) {
        PlaceSideBySideOnTheSpot(s, spot, memberTincture);
        return;
    }
    PlaceCrossedOnTheSpot(s, spot, memberTincture);
}

}  // namespace esc
