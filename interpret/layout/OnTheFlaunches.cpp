#include "interpret/layout/OnTheFlaunches.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/Diminutives.h"
#include "engine/Ordinaries.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {
namespace {

// The share of the flaunch's breadth (and of its stretch of height) a drawing may take.
constexpr double kShareOfTheBreadth = 0.72;
// How far in from the top and the foot of the flaunch a column of charges keeps.
constexpr int kClearOfTheEnds = 40;
// How many words before the phrase, or into it, an "each" may stand ("each charged with two").
constexpr int kEachWordsBefore = 4;

// The dexter flaunch's edge as the painter draws it: a cubic from (edge, edge) out to the reach
// and back to (edge, foot). Its column at row `y`.
double FlaunchEdgeAt(double edge, double reach, double foot, double y) {
    const auto at = [&](double t, bool column) {
        const double u = 1.0 - t;
        return column ? edge * u * u * u + 3 * reach * u * u * t + 3 * reach * u * t * t + edge * t * t * t
                      : edge * u * u * u + 3 * edge * u * u * t + 3 * foot * u * t * t + foot * t * t * t;
    };
    double lo = 0.0, hi = 1.0;  // the row grows with t
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        (at(mid, false) < y ? lo : hi) = mid;
    }
    return at((lo + hi) / 2, true);
}

// Whether "each" stands before the count of the phrase ("each charged with two mullets"): in the
// few words before it, or at its start, up to the count.
bool EachBefore(const DrawingState& s) {
    for (int i = std::max(0, s.levelFirstWord - kEachWordsBefore); i < s.levelFirstWord + kEachWordsBefore; ++i) {
        if (EqualsIgnoringCase(s.Word(i), "each")) return true;
        if (i >= s.levelFirstWord && s.Type(i) == kTypeNumber) break;
    }
    return false;
}

}  // namespace

bool OnTheFlaunches(DrawingState& s, int count) {
    if (s.level < 1 || count < 1) return false;
    const LevelRecord& flaunches = phrase::Previous(s);
    if (flaunches.levelKind != kTypeOrdinary) return false;
    const int pieces = flaunches.levelCount == 1 ? 1 : 2;
    // One on each when one is named for the pair; otherwise the count on each ("each charged
    // with two") or shared between them.
    int onEach = 0;
    if (count == 1 || EachBefore(s)) onEach = count;
    else if (count % pieces == 0) onEach = count / pieces;
    if (onEach < 1 || onEach > kMostOnAFlaunch) return false;
    PictureExtent extent;
    const bool loaded = s.pictureLoaded;
    const bool measured = LevelPictureExtent(s, extent);
    s.pictureLoaded = loaded;
    if (!measured) return false;

    const ShieldGeometry& g = s.geometry;
    const double edge = g.Px(2), foot = g.H + 1;
    const double reach = std::max(1, g.W / 3 * std::clamp(BreadthPercentOf(flaunches.levelName.view()), 1, 100) / 100);
    // The rows the charges stand on: spread evenly down the flaunch, clear of its ends.
    const double top = g.Px(kClearOfTheEnds), bottom = std::min<double>(g.straightBottom, foot - g.Px(kClearOfTheEnds));
    const double pitch = (bottom - top) / onEach;
    const double wide = extent.lastColumn - extent.firstColumn + 1, high = extent.lastRow - extent.firstRow + 1;
    // One scale for all: the narrowest breadth any of them has.
    double room = pitch * kShareOfTheBreadth;
    std::vector<std::pair<double, double>> spots;  // the dexter flaunch's: column, row
    for (int i = 0; i < onEach; ++i) {
        const double y = top + pitch * (i + 0.5);
        const double breadth = FlaunchEdgeAt(edge, reach, foot, y) - edge;
        room = std::min(room, breadth * kShareOfTheBreadth);
        spots.emplace_back(edge + breadth / 2, y);
    }
    const float scale = static_cast<float>(2.0 * room / std::max(wide, high));
    NoteLayout(s, "OnTheFlaunches(" + std::to_string(onEach) + " on each)");
    const bool sinisterOnly = pieces == 1 && flaunches.levelVariant.view() == kSinisterSideVariant;
    for (int side = 0; side < pieces; ++side) {
        const bool sinister = sinisterOnly || side == 1;
        for (const auto& [x, y] : spots) {
            const double column = sinister ? g.W - 1 - x : x;
            Place(s, static_cast<int>(std::lround(column)), static_cast<int>(std::lround(y)), scale);
        }
    }
    return true;
}

}  // namespace esc
