// Long charges in pile. In armory a group of long charges "in pile" (arrows, swords, bird-bolts,
// spears, keys) is set like the ordinary it is named for: the charges converge toward the base,
// their lower ends meeting or nearly meeting below the middle of the field, the middle one
// upright and the outer ones turned in toward it. "Meeting in point" is the same convergence.
// The points go as the words say, or as the picture holds them when the words say nothing: an
// arrow's point is down, so "three arrows in pile" meet point to point in base, and "three
// swords in pile points in base" the same; swords with no point words meet hilt to hilt. Short
// charges in pile (roundels, mullets) stand instead in rows narrowing to the base.

#include "interpret/layout/ConvergingInPile.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "interpret/layout/ArrangedCharges.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/InPartsOfTheField.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

// The fans, one row a count: each charge's lean, dexter first. Two and three lean along the
// diagonals; four and five fan the inner ones halfway, which the pictures cannot be turned to.
constexpr std::array kInPileLeansOfTwo{45, -45};
constexpr std::array kInPileLeansOfThree{45, 0, -45};
constexpr std::array kInPileLeansOfFour{45, 20, -20, -45};
constexpr std::array kInPileLeansOfFive{45, 20, 0, -20, -45};

// A lean this close to the diagonal or to upright is drawn by that turn.
constexpr int kInPileLeanTolerance = 8;
// The lower ends meet this share of the room's height down it, below the middle.
constexpr int kInPileMeetPercent = 74;
// The lower ends stop this far short of the meeting point (design pixels), and the upper ends
// this far inside the room's edges.
constexpr int kInPileGap = 5;
constexpr int kInPileMargin = 10;
constexpr float kInPileLargest = 2.6f;
// A drawing at least seven quarters as tall as its box is wide is long (a bird-bolt, whose
// heads widen it; not a pheon, a lion or a tower).
constexpr long long kInPileLongBoxUnder = 7, kInPileLongBoxOver = 4;
constexpr double kInPileRadians = 3.14159265358979323846 / 180.0;

}  // namespace

InPileFan InPileFanOf(int count) {
    switch (count) {
        case 2: return {2, kInPileLeansOfTwo};
        case 3: return {3, kInPileLeansOfThree};
        case 4: return {4, kInPileLeansOfFour};
        case 5: return {5, kInPileLeansOfFive};
        default: return {};
    }
}

bool TurnOfLean(int lean, bool upsideDown, ChargeTurn& turn, int& drawnLean) {
    const int size = std::abs(lean);
    drawnLean = 0;
    turn = ChargeTurn::kAsDrawn;
    if (size * 2 <= kBendwiseTurnLean) return size <= kInPileLeanTolerance;
    // Upside down, a picture turned along one diagonal lies along the other.
    turn = (lean > 0) != upsideDown ? ChargeTurn::kBendwise : ChargeTurn::kBendwiseSinister;
    const int drawn = turn == ChargeTurn::kBendwise ? kBendwiseTurnLean : kBendwiseSinisterTurnLean;
    drawnLean = lean > 0 ? drawn : -drawn;
    // The diagonal turns are named by their lean of 45 degrees.
    return std::abs(size - 45) <= kInPileLeanTolerance;
}

SpotLayout ConvergingSpots(const ShieldGeometry& g, const Rect& room, const InPileFan& fan, float length, float across,
                           bool upsideDown) {
    SpotLayout layout;
    if (fan.count < 2 || length <= 0 || across < 0) return layout;
    const float meetX = static_cast<float>(room.left + room.right) / 2;
    const float meetY = static_cast<float>(room.top) + static_cast<float>(room.Height()) * kInPileMeetPercent / 100;
    // The lower ends stop short of the meeting point by their own half-width, so that the heads
    // of arrows touch rather than heap on one another.
    const float gap = static_cast<float>(g.Px(kInPileGap)) + across, margin = static_cast<float>(g.Px(kInPileMargin));
    // Each charge runs up its line from `gap` short of the meeting point; the longest length
    // every line holds inside the room is the charges' length.
    std::array<float, 5> leans{};
    std::array<ChargeTurn, 5> turns{};
    float longest = static_cast<float>(room.Height());
    for (int i = 0; i < fan.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // Placed along the lean the turn draws, so that the drawings do converge.
        int drawn = 0;
        if (!TurnOfLean(fan.leans[k], upsideDown, turns[k], drawn)) layout.nearest = true;
        leans[k] = static_cast<float>(drawn * kInPileRadians);
        const float up = std::cos(leans[k]), side = std::abs(std::sin(leans[k]));
        longest = std::min(longest, (meetY - static_cast<float>(room.top) - margin - across * side) / up - gap);
        if (side > 0) longest = std::min(longest, (meetX - static_cast<float>(room.left) - margin - across * up) / side - gap);
    }
    const float scale = std::clamp(longest / length, kMinChargeScale, kInPileLargest);
    const float reach = gap + length * scale / 2;
    for (int i = 0; i < fan.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int x = static_cast<int>(std::lround(meetX - reach * std::sin(leans[k])));
        const int y = static_cast<int>(std::lround(meetY - reach * std::cos(leans[k])));
        layout.spots.push_back({x, y, scale, turns[k], false, false});
    }
    return layout;
}

bool CurrentDrawingIsSlender(DrawingState& s) {
    const bool loaded = s.pictureLoaded;
    PictureExtent picture;
    const bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    if (!known) return false;
    const long long drawnHigh = picture.lastRow - picture.firstRow + 1;
    const long long drawnWide = picture.lastColumn - picture.firstColumn + 1;
    // Slender by its mean width, or by its box: an arrow's fletching and head widen its mean.
    return drawnHigh * drawnHigh >= kSlenderRatio * static_cast<long long>(picture.drawnPixels) ||
           drawnHigh * kInPileLongBoxOver >= kInPileLongBoxUnder * drawnWide;
}

bool LongChargesInPile(DrawingState& s, Direction toward, int n) {
    const LevelRecord& level = phrase::Current(s);
    Arrangement arrangement{};
    if (!level.levelIn || n < 2 || !PlacesPictures(level) || level.levelKind == kTypeRoundel ||
        !ArrangementOfDirection(toward, arrangement) || arrangement != Arrangement::kInPile)
        return false;
    if (!CurrentDrawingIsSlender(s)) return false;
    DrawnReach reach;
    const InPileFan fan = InPileFanOf(n);
    int top = 0;
    if (s.level != 0 || fan.count == 0 || !RoomLeftByLaterEdges(s, top) || !DrawnReachTurned(s, ChargeTurn::kAsDrawn, reach)) {
        // Set out some other way, which does not converge.
        NoteNearestLayout(s, n);
        return false;
    }
    const ShieldGeometry& g = s.geometry;
    SpotLayout layout = ConvergingSpots(g, Rect{0, top, g.W, g.H}, fan, reach.upDown * 2, reach.across, s.reversedCharges);
    if (layout.spots.empty()) return false;
    NoteLayout(s, layout.nearest ? "LongChargesInPile, nearest form" : "LongChargesInPile");
    if (layout.nearest) NoteNearestLayout(s, n);
    PlaceSpots(s, layout.spots);
    return true;
}

}  // namespace esc
