#include "interpret/layout/AboutABendwiseCharge.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Placement.h"
#include "interpret/model/Arms.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

// A charge this much longer than the field is wide reaches across it, as a band does.
constexpr float kReachesAcrossShareOfWidth = 0.9f;
// The charges about it, a little smaller than beside a bend: a charge is broader than a bend's
// straight edge where it bends or widens (a lightning flash).
constexpr float kBesideTheBendwiseCharge = 0.75f;

// Whether level 0 is one charge turned bendwise (either way) that reaches across the field.
bool FirstChargeReachesAcrossBendwise(const DrawingState& s) {
    const LevelRecord& first = s.levels[0];
    if (first.levelKind == kTypeOrdinary || first.levelKind == 0 || first.levelCount != 1 || first.levelOn) return false;
    const std::vector<model::Group>& groups = s.model.arms.groups;
    const auto group = std::find_if(groups.begin(), groups.end(), [](const model::Group& g) { return g.firstLevel == 0; });
    if (group == groups.end() || group->members.empty() || group->members[0].placed.size() != 1) return false;
    const ChargeSpot spot = group->members[0].placed[0].spot;
    if (spot.turn != ChargeTurn::kBendwise && spot.turn != ChargeTurn::kBendwiseSinister) return false;
    const double reach = s.geometry.Scaled(spot.scale * kChargeExtentAtScaleOne);
    return reach >= kReachesAcrossShareOfWidth * s.geometry.W;
}

// Which way that charge lies, read from what it painted (a picture may be drawn leaning and
// mirrored, so its turn alone does not tell): its pixels rising to the dexter lie as a bend
// sinister does. Nothing when it does not reach across bendwise or its pixels show no lean.
std::optional<bool> LiesBendSinister(const DrawingState& s) {
    if (!FirstChargeReachesAcrossBendwise(s)) return std::nullopt;
    // Level 0's painting is the one placed just before level 1's.
    if (s.level != 1 || s.ringWritten < 1) return std::nullopt;
    const RingEntry& painted = s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
    const int w = s.geometry.W, own = s.levelTincture[0];
    double n = 0, sx = 0, sy = 0, sxy = 0;
    for (int y = std::max(painted.drawn.top, 0); y < painted.drawn.bottom; ++y)
        for (int x = std::max(painted.drawn.left, 0); x < std::min(painted.drawn.right, w); ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
            if (i >= s.pictureBuffer.size() || s.pictureBuffer[i] != own) continue;
            n += 1;
            sx += x;
            sy += y;
            sxy += static_cast<double>(x) * y;
        }
    if (n < 1) return std::nullopt;
    const double covariance = sxy / n - (sx / n) * (sy / n);
    if (covariance == 0) return std::nullopt;
    return covariance < 0;
}

}  // namespace

bool AboutAChargeLyingAsABend(DrawingState& s) {
    if (s.level < 1 || s.level > 2) return false;
    const LevelRecord& level = phrase::Current(s);
    if (level.levelOn || level.levelChargedOn || level.levelIn) return false;
    // The first of a pair of single charges, or a pair, at level 1; the second single at level 2.
    const bool second = s.level == 2;
    if (second ? !(phrase::Previous(s).levelBetween && phrase::Previous(s).levelCount == 1 && level.levelCount == 1)
               : !(level.levelBetween && (level.levelCount == 1 || level.levelCount == 2)))
        return false;
    const ShieldGeometry& g = s.geometry;
    if (second) {
        // Opposite the first, across the charge.
        const RingEntry& first = s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
        if (s.ringWritten < 1 || !FirstChargeReachesAcrossBendwise(s)) return false;
        NoteLayout(s, "AboutAChargeLyingAsABend(opposite the first)");
        Place(s, g.W - first.x, g.H - first.y, first.scale);
        return true;
    }
    const std::optional<bool> lean = LiesBendSinister(s);
    if (!lean) return false;
    // About a bend the places are in sinister chief and dexter base; about a bend sinister, mirrored.
    const bool sinister = *lean;
    const auto x = [&](int x1) { return sinister ? g.W - x1 : x1; };
    const int chiefX = x(g.W - g.W4), baseX = x(g.W4), chiefY = g.H4, baseY = g.H - g.H4;
    NoteLayout(s, sinister ? "AboutAChargeLyingAsABend(sinister)" : "AboutAChargeLyingAsABend");
    Place(s, chiefX, chiefY, kBesideTheBendwiseCharge);
    if (level.levelCount == 2) Place(s, baseX, baseY, kBesideTheBendwiseCharge);
    return true;
}

}  // namespace esc
