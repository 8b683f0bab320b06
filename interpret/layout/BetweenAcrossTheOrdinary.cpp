// The spaces round the ordinary that a line in pale or in fess crosses, and the largest square
// on that line in each.

#include "interpret/layout/BetweenAcrossTheOrdinary.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// As large as a charge of an arrangement in pale or fess on the field may be.
constexpr float kLargestAcross = 1.0f;
constexpr int kLargestCell = 300;

struct Spot {
    int x = 0, y = 0, cell = 0;
};

// The largest free square of `region` centred on the line (the column x = fixed when `inPale`,
// else the row y = fixed): its centre and side, cell 0 when the line misses the region.
Spot LargestOnTheLine(const FreeSpace& space, int region, bool inPale, int fixed) {
    Spot best;
    const int from = inPale ? space.Top(region) : 0, to = inPale ? space.Bottom(region) : space.Width() - 1;
    for (int t = from; t <= to; ++t) {
        const int x = inPale ? fixed : t, y = inPale ? t : fixed;
        if (!space.BoxFree(x, y, 1, region)) continue;
        int low = 1, high = kLargestCell;
        while (low < high) {
            const int mid = (low + high + 1) / 2;
            if (space.BoxFree(x, y, mid, region)) low = mid;
            else high = mid - 1;
        }
        if (low > best.cell) best = {x, y, low};
    }
    return best;
}

}  // namespace

bool BetweenAcrossTheOrdinary(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const LevelRecord& first = s.levels[0];
    if (s.level != 1 || !level.levelIn || !level.levelBetween || level.levelCount < 2) return false;
    if (first.levelKind != kTypeOrdinary || first.levelIn || first.levelOn || s.firstOrdinaryShape == ShapeCode::kNoShape)
        return false;
    const Direction direction = level.levelInCode;
    if ((direction != ShapeCode::kPale && direction != ShapeCode::kFess) || direction == s.firstOrdinaryShape) return false;
    const bool inPale = direction == ShapeCode::kPale;
    const ShieldGeometry& g = s.geometry;
    // The room about the ordinary of level 0 (the free space's mask is drawn from its shape).
    const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(s);
    const FreeSpace& space = *around;
    std::vector<Spot> spots;
    for (int region = 0; region < space.Regions(); ++region) {
        const Spot spot = LargestOnTheLine(space, region, inPale, inPale ? g.W2 : g.H2);
        if (spot.cell > 0) spots.push_back(spot);
    }
    if (static_cast<int>(spots.size()) != level.levelCount) return false;
    std::sort(spots.begin(), spots.end(), [inPale](const Spot& a, const Spot& b) { return inPale ? a.y < b.y : a.x < b.x; });
    int cell = kLargestCell;
    for (const Spot& spot : spots) cell = std::min(cell, spot.cell);
    const float scale = std::max(kMinChargeScale, std::min(kLargestAcross, static_cast<float>(cell) * kChargeShareOfCell /
                                                                              static_cast<float>(kChargeExtentAtScaleOne)));
    NoteLayout(s, "BetweenAcrossTheOrdinary(" + std::to_string(CodeOf(direction)) + ")");
    const int line = level.levelLine;
    for (std::size_t j = 0; j < spots.size(); ++j)
        Place(s, spots[j].x, spots[j].y, scale, MirroredInPair(line, static_cast<int>(j)));
    return true;
}

}  // namespace esc
