#include "interpret/layout/PairBetween.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/Diminutives.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/PrincipalCharge.h"
#include "interpret/phrase/ChargeKinds.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

// As the charges between an ordinary: a cell of 130 pixels is a charge at scale 1, the largest;
// a region is of use when it holds at least half the charge the first one's region holds.
constexpr int kPairLargestCell = 130;
constexpr float kPairLargestScale = 1.0f;
constexpr int kPairUsefulRegionDivisor = 2;

bool JoinedToOneBetween(DrawingState& s) {
    if (s.level != 2 || s.ringWritten < 1) return false;
    const LevelRecord& first = phrase::Previous(s);
    const LevelRecord& level = phrase::Current(s);
    return first.levelBetween && first.levelCount == 1 && level.levelCount == 1 && kinds::IsChargeLevel(level) &&
           !level.levelOn && !level.levelChargedOn;
}

}  // namespace

bool SecondOfAPairBetween(DrawingState& s) {
    if (!JoinedToOneBetween(s)) return false;
    const ShieldGeometry& g = s.geometry;
    if (s.principalRoundCount == 2) {
        const std::vector<LayoutSpot> flanks = AroundPrincipalSpots(g, 2);
        NoteLayout(s, "AroundThePrincipal(2 of 2)");
        Place(s, flanks[1].x, flanks[1].y, flanks[1].scale);
        return true;
    }
    const RingEntry& before =
        s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
    const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(s);
    const FreeSpace& space = *around;
    // The free space's regions part round an ordinary (or bars, pallets) only: about a charge
    // the second stands opposite the first.
    const LevelRecord& middle = s.levels[0];
    const bool aboutAnOrdinary =
        middle.levelKind == kTypeOrdinary || NamesBars(middle.levelName) || NamesPallets(middle.levelName);
    int taken = -1;
    for (int r = 0; r < space.Regions() && taken < 0; ++r)
        if (space.BoxFree(before.x, before.y, 1, r)) taken = r;
    const int firstCell = taken < 0 ? 0 : FitInRegion(space, taken, 1, kPairLargestCell).cell;
    Fit best;
    for (int r = 0; aboutAnOrdinary && r < space.Regions(); ++r) {
        if (r == taken) continue;
        Fit fit = FitInRegion(space, r, 1, kPairLargestCell);
        if (fit.cell > best.cell && !fit.spots.empty()) best = std::move(fit);
    }
    if (best.cell > 0 && best.cell * kPairUsefulRegionDivisor >= firstCell) {
        NoteLayout(s, "SecondOfAPairBetween(own region)");
        const FitSpot spot = best.spots.front();
        Place(s, spot.x, spot.y, std::min(before.scale, best.Scale(kPairLargestScale)));
        return true;
    }
    // About a charge, or round an ordinary that leaves one region: opposite the first, when the
    // shield holds it there.
    const int x = g.W - before.x, y = g.H - before.y;
    const int cell = static_cast<int>(std::lround(before.scale * static_cast<float>(kChargeExtentAtScaleOne)));
    if (!space.BoxFree(x, y, cell)) return false;
    NoteLayout(s, "SecondOfAPairBetween(opposite)");
    Place(s, x, y, before.scale);
    return true;
}

}  // namespace esc
