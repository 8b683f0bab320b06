// The charges about an ordinary: the fixed places of a table round it (grown until they meet the
// ordinary, each other or the outline), the free space a moved or charged ordinary leaves, and the
// charges round a principal charge.

#include "interpret/layout/ArrangeLevel.h"

#include <algorithm>
#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>
#include "engine/Diminutives.h"
#include "engine/Messages.h"
#include "engine/Ordinaries.h"
#include "interpret/layout/ArrangedCharges.h"
#include "interpret/layout/AttachedCharges.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/AboutABendwiseCharge.h"
#include "interpret/layout/BelowTheLabel.h"
#include "interpret/layout/BetweenAcrossTheOrdinary.h"
#include "interpret/layout/BetweenTheWhole.h"
#include "interpret/layout/Conjoined.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Issuant.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/MixedGroup.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/layout/OnTheOrdinary.h"
#include "interpret/layout/OrdinariesAboutTheFess.h"
#include "interpret/layout/OrdinaryOnOrdinary.h"
#include "interpret/layout/PiecesWithinPieces.h"
#include "interpret/phrase/OverAll.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PlacementWords.h"
#include "interpret/layout/PrincipalCharge.h"
#include "interpret/layout/ChargesInLine.h"
#include "interpret/phrase/ChargeWordRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/phrase/TwoAndOne.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/layout/WithinAnAnnulet.h"

namespace esc {

using phrase::Current;
using phrase::Level;

namespace {

// Charges at the fixed places of a table round an ordinary ("a fess between two lions passant")
// grow where they stand until their drawings meet the ordinary (with its margin), each other or
// the outline: at the table's scale a lion passant took a third of the room above a fess. Where
// the blazon names a bordure, a chief or other pieces after them, the table's scale stands.
constexpr float kLargestGrownBetween = 2.0f;
constexpr int kLargestSquareBeside = 260;  // pixels: the largest square sought beside a bend

// The free space grown into is the space round level 0's ordinary: charges about an ordinary
// laid over all of it ("a bend, over all a bend sinister between two mullets") keep the table's
// places beside their own ordinary, which would otherwise take the room level 0 leaves, on it.
bool MayGrowBetween(const DrawingState& s) {
    int top = 0;
    const bool aboutTheOneOverAll = s.overAllLevel > 0 && s.overAllLevel == s.level - 1;
    return s.levels[0].levelKind == kTypeOrdinary && !aboutTheOneOverAll && RoomLeftByLaterEdges(s, top) && top == 0;
}

void PlaceGrownBetween(DrawingState& s, std::span<const std::pair<int, int>> spots, float scale) {
    if (MayGrowBetween(s)) scale = LargestCommonScale(s, *FreeSpace::AroundOrdinary(s, false), spots, scale, kLargestGrownBetween);
    for (const auto& [x, y] : spots) Place(s, x, y, scale);
}

// Charges between a fess: 2, 3, 4, 6 or 8.
void BetweenFess(DrawingState& s, int n) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = Current(s);
    const int low = g.H - g.H5 - g.Px(8);
    if (NamesBars(level.levelName)) {
        // "a fess between two bars": the bars are the fess's cotises.
        CotiseRequest bars;
        bars.shape = kFess;
        bars.sides = SidesOfThePiecesBeside(level);
        bars.position = s.position;
        bars.tincture = s.levelTincture[s.level];
        bars.line.style = level.levelLine;
        bars.field = s.partitionCode;
        bars.treatment = s.ordinaryTreatment;
        NoteLayout(s, "DrawCotises");
        DrawCotises(s, bars);
        return;
    }
    switch (n) {
        case 2: {
            const std::pair<int, int> spots[] = {{g.W2, g.H5}, {g.W2, low}};
            PlaceGrownBetween(s, spots, 1.0f);
            break;
        }
        case 3: {
            const std::pair<int, int> spots[] = {{g.W4, g.H5}, {g.W - g.W4, g.H5}, {g.W2, low}};
            PlaceGrownBetween(s, spots, 1.0f);
            break;
        }
        case 4: {
            const std::pair<int, int> spots[] = {{g.W4, g.H5}, {g.W - g.W4, g.H5}, {g.W4, low}, {g.W - g.W4, low}};
            PlaceGrownBetween(s, spots, 1.0f);
            break;
        }
        case 6:
        case 8:
            PlaceRow(s, n / 2, g.H5, n == 6 ? 0.7f : 0.6f);
            PlaceRow(s, n / 2, low, n == 6 ? 0.7f : 0.6f);
            break;
        default: break;
    }
}

// Charges between a bend (code 1) or bend sinister (code 2, mirrored left to right).
void BetweenBend(DrawingState& s, int n, bool sinister) {
    const ShieldGeometry& g = s.geometry;
    auto x = [&](int x1) { return sinister ? g.W - x1 : x1; };
    if (n == 2) {
        std::pair<int, int> spots[] = {{x(g.W - g.W4), g.H4}, {x(g.W4), g.H - g.H4}};
        if (MayGrowBetween(s)) {
            // The table's points lie near the bend, where a square meets it soon: each charge
            // stands instead where its side of the bend holds the largest square.
            const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(s);
            const FreeSpace& space = *around;
            if (space.Regions() == 2) {
                const Fit first = FitInRegion(space, 0, 1, g.Px(kLargestSquareBeside)),
                          second = FitInRegion(space, 1, 1, g.Px(kLargestSquareBeside));
                if (first.cell > 0 && second.cell > 0 && first.spots.size() == 1 && second.spots.size() == 1) {
                    spots[0] = {first.spots[0].x, first.spots[0].y};
                    spots[1] = {second.spots[0].x, second.spots[0].y};
                }
            }
        }
        PlaceGrownBetween(s, spots, 1.0f);
    } else if (n == 3 && !sinister) {
        Place(s, g.W - g.W2, g.H6, 0.9f);
        Place(s, g.W - g.W6, g.H2, 0.9f);
        Place(s, g.W4, g.H - g.H4, 0.9f);
    } else if (n == 6) {
        Place(s, x(g.W - g.W2), g.H6, 0.6f);
        Place(s, x(g.W - g.W6), g.H6, 0.6f);
        Place(s, x(g.W - g.W6), g.H2, 0.6f);
        Place(s, x(g.W6), g.H2, 0.6f);
        Place(s, x(g.W6), g.H - g.H6, 0.6f);
        Place(s, x(g.W2), g.H - g.H6, 0.6f);
    }
}

// A charge between a chevron stands at (x, y) and scale when its picture keeps clear of the
// chevron there; else it moves away from the chevron, `step` pixels at a time (up in chief, down
// in base, never outside the field), and only then becomes smaller. Pictures fill their box, so
// a tall or a wide one at the usual point would meet the chevron.
constexpr float kSmallestScaleByChevron = 0.5f;
constexpr float kScaleStepByChevron = 0.05f;
constexpr int kClearOfChevron = 2;  // pixels kept free round the picture's box
constexpr int kStepInChief = -2, kStepInBase = 2;

// Whether a box w x h centred at (x, y) is free: the squares of its shorter side along it.
bool BoxFree(const FreeSpace& space, int x, int y, int w, int h) {
    const int side = std::min(w, h), along = std::max(w, h) - side;
    for (int t = 0;; t = std::min(along, t + side)) {
        const int cx = w >= h ? x - along / 2 + t : x, cy = w >= h ? y : y - along / 2 + t;
        if (!space.BoxFree(cx, cy, side)) return false;
        if (t == along) return true;
    }
}

// Where (the row) and how large a charge at (x, y) stands clear of the chevron.
struct ClearSpot {
    int y = 0;
    float scale = 0;
};

ClearSpot ClearOfChevron(DrawingState& s, int x, int y, float scale, int step) {
    // Reading the picture's size leaves it in the buffer: a picture already read for this level
    // is still the one there.
    const bool loaded = s.pictureLoaded;
    PictureExtent picture;
    bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    if (!known && Current(s).levelKind == kTypeRoundel) {
        // A roundel is a disc, painted at the shield's scale.
        picture.width = picture.height =
            static_cast<int>(2 * kRoundelRadiusAtScaleOne * s.geometry.k / kPictureScaleFactor + 0.5);
        known = true;
    }
    if (!known) return {y, scale};
    const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(s, false);
    const FreeSpace& space = *around;
    for (float k = scale; k >= kSmallestScaleByChevron; k -= kScaleStepByChevron) {
        const int w = static_cast<int>(picture.width * k * kPictureScaleFactor) + 2 * s.geometry.Px(kClearOfChevron);
        const int h = static_cast<int>(picture.height * k * kPictureScaleFactor) + 2 * s.geometry.Px(kClearOfChevron);
        for (int cy = y; cy - h / 2 > 0 && cy + h / 2 < s.geometry.shieldBottom; cy += s.geometry.Px(step))
            if (BoxFree(space, x, cy, w, h)) return {cy, k};
    }
    return {y, scale};
}

void PlaceClearOfChevron(DrawingState& s, int x, int y, float scale, int step) {
    const ClearSpot at = ClearOfChevron(s, x, y, scale, step);
    Place(s, x, at.y, at.scale);
}

// Two charges in the dexter and sinister chief above a chevron, each clear of it, level with each
// other and alike in size (the higher and the smaller of the two fits).
void PlacePairAboveChevron(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    const int dexter = g.W4 - g.Px(3), sinister = g.W - g.W4 + g.Px(3);
    const ClearSpot a = ClearOfChevron(s, dexter, g.H4, 1.0f, kStepInChief);
    const ClearSpot b = ClearOfChevron(s, sinister, g.H4, 1.0f, kStepInChief);
    const int y = std::min(a.y, b.y);
    const float scale = std::min(a.scale, b.scale);
    Place(s, dexter, y, scale);
    Place(s, sinister, y, scale);
}

// The four quarters of a cross, also used for four charges between a chevron.
void FourAroundCross(DrawingState& s, float scale) {
    const ShieldGeometry& g = s.geometry;
    Place(s, g.W5, g.H5, scale);
    Place(s, g.W - g.W5, g.H5, scale);
    Place(s, g.W5, g.H - g.H5 - g.Px(5), scale);
    Place(s, g.W - g.W5, g.H - g.H5 - g.Px(5), scale);
}

void BetweenSaltire(DrawingState& s, int n) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    if (n == 12) {
        const int points[12][2] = {{g.W2, g.H4},          {g.W2, 3 * g.H4},         {g.W4, g.H2},
                                   {3 * g.W4, g.H2},      {g.W3 + g.Px(10), g.Px(30)},          {W - g.W3 - g.Px(10), g.Px(30)},
                                   {g.W3 + g.Px(10), H - g.Px(30)},   {W - g.W3 - g.Px(10), H - g.Px(30)},  {g.Px(30), g.H3 + g.Px(10)},
                                   {g.Px(30), H - g.H3 - g.Px(10)},   {W - g.Px(30), g.H3 + g.Px(10)},      {W - g.Px(30), H - g.H3 - g.Px(30)}};
        for (const auto& p : points) Place(s, p[0], p[1], 0.4f);
        return;
    }
    if (n < 3) return;
    Place(s, g.W2, g.H6, 0.8f);
    Place(s, g.W6, g.H2, 0.8f);
    Place(s, W - g.W6, g.H2, 0.8f);
    if (n == 4) Place(s, g.W2, H - g.H6, 0.8f);
}

// Whether the fixed table of positions places exactly n charges round the ordinary.
bool BetweenTableHolds(const DrawingState& s, ShapeCode ordinary, int n, const LevelRecord& level) {
    auto among = [n](std::initializer_list<int> counts) { return std::find(counts.begin(), counts.end(), n) != counts.end(); };
    // Bars and pallets have no fixed positions round them.
    const LevelRecord& first = s.levels[0];
    if (NamesBars(first.levelName) || NamesPallets(first.levelName)) return false;
    switch (ordinary) {
        case ShapeCode::kFess: return NamesBars(level.levelName) || among({2, 3, 4, 6, 8});
        case ShapeCode::kBend: return among({2, 3, 6});
        case ShapeCode::kBendlets: return among({2, 6});  // three would stand on the second bendlet
        case ShapeCode::kBendletsSinister: return false;  // no table
        case ShapeCode::kBendSinister: return among({2, 6});
        // Three by a pale would put one on the pale, four by a chevron two on its arms.
        case ShapeCode::kPale: return among({2, 4});
        case ShapeCode::kChevron:
        case ShapeCode::kChevronels: return among({2, 3});
        case ShapeCode::kCross: return n == 4;
        case ShapeCode::kSaltire: return among({3, 4, 12});
        default: return among({2, 3, 4, 6, 8, 10});  // ThreeLayout
    }
}

}  // namespace

void ChargesBetween(DrawingState& s, ShapeCode ordinary) {
    const LevelRecord& level = Current(s);
    if (NamesPallets(level.levelName)) {
        NoteLayout(s, "DrawPallets(0)");
        DrawPallets(s, PiecesPlacement::kOnTheField);
        return;
    }
    // Bars between anything but a fess (whose cotises they are) lie across the field as bars do.
    if (NamesBars(level.levelName) && ordinary != ShapeCode::kFess) {
        NoteLayout(s, "DrawBars(0)");
        DrawBars(s, PiecesPlacement::kOnTheField);
        return;
    }
    // About one charge laid bendwise across the field, as about a bend.
    if (ordinary == ShapeCode::kNoShape && AboutAChargeLyingAsABend(s)) return;
    const ShieldGeometry& g = s.geometry;
    const int n = level.levelCount;
    // Round a moved ordinary ("a bend abased between two roses") the tables' places are not
    // free: the charges take the free space it leaves.
    // Round a principal charge sized for them (up to five), in their places about it.
    if (s.splitChief == 0 && StandsRoundThePrincipal(s)) {
        NoteLayout(s, "AroundThePrincipal");
        // The first of two single charges ("between a mullet and a crescent") takes the first place.
        const std::vector<LayoutSpot> round = AroundPrincipalSpots(g, s.principalRoundCount);
        PlaceSpots(s, std::span<const LayoutSpot>(round).first(std::min(round.size(), static_cast<std::size_t>(n))));
        return;
    }
    // Couped, it keeps its usual place but for its ends, and so do the charges about it.
    const OrdinaryPosition position = FirstOrdinaryPosition(s);
    const bool moved = position != OrdinaryPosition::Usual && position != OrdinaryPosition::Couped;
    if (!BetweenTableHolds(s, ordinary, n, level) || s.splitChief > 0 || moved) {
        // No fixed positions for this count: laid out in the free space round the ordinary.
        BetweenLayout(s);
        return;
    }
    NoteLayout(s, "ChargesBetween(" + std::to_string(CodeOf(ordinary)) + ")");
    switch (ordinary) {
        case ShapeCode::kFess: BetweenFess(s, n); break;
        case ShapeCode::kBend:
        case ShapeCode::kBendlets: BetweenBend(s, n, false); break;
        case ShapeCode::kBendSinister: BetweenBend(s, n, true); break;
        case ShapeCode::kPale:
            if (n == 2) {
                const std::pair<int, int> spots[] = {{g.W5, g.H2}, {g.W - g.W5, g.H2}};
                PlaceGrownBetween(s, spots, 1.0f);
            } else if (n == 3) {
                ThreeLayout(s);
            } else if (n == 4) {
                const std::pair<int, int> spots[] = {
                    {g.W5, g.H4}, {g.W - g.W5, g.H4}, {g.W5, g.H - g.H4 - g.Px(15)}, {g.W - g.W5, g.H - g.H4 - g.Px(15)}};
                PlaceGrownBetween(s, spots, 0.85f);
            }
            break;
        case ShapeCode::kChevron:
        case ShapeCode::kChevronels:
            if (n == 2) {
                // A pair stands in the dexter and sinister chief, as the upper two of three do.
                PlacePairAboveChevron(s);
            } else if (n == 3) {
                PlacePairAboveChevron(s);
                if (s.level > 0) {
                    PlaceClearOfChevron(s, g.W2, g.H - g.H4 + g.Px(15), 0.9f, kStepInBase);
                } else {
                    Place(s, g.W2, g.H - g.H4, 1.0f);
                }
            } else if (n == 4) {
                FourAroundCross(s, 0.9f);
            }
            break;
        case ShapeCode::kCross:
            if (n == 4) FourAroundCross(s, 0.9f);
            break;
        case ShapeCode::kSaltire: BetweenSaltire(s, n); break;
        default: ThreeLayout(s); break;
    }
}

}  // namespace esc
