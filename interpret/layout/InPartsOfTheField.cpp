// Charges set in a part of the field: in or on a chief, in base, in the dexter or sinister chief
// and in named quarters, each by its own table.

#include "interpret/layout/InPartsOfTheField.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Diminutives.h"
#include "engine/Messages.h"
#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/OrdinariesAboutTheFess.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/SpotLayout.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Level;
using phrase::Previous;

namespace {

constexpr int kClearOfTheBaseLine = 8;  // pixels below the base's upper edge, clear of a wavy line

// Bars or pallets (or their diminutives) set in a part of the field lie within that part as
// pieces ("in base three closets wavy", "in dexter three pallets"): never pictures.
bool PiecesWithin(DrawingState& s, Rect area, const char* part) {
    const LevelRecord& level = phrase::Current(s);
    const bool bars = NamesBars(level.levelName);
    if (!bars && !NamesPallets(level.levelName)) return false;
    NoteLayout(s, std::string("DrawPiecesWithin(") + part + ")");
    DrawPiecesWithin(s, bars ? PiecesRun::Across : PiecesRun::Down, area);
    return true;
}

// Charges on a chief: each in an equal share of the chief's breadth, as large as its picture fits
// that cell and the chief's solid depth with a margin all round, so that none touches another,
// the chief's edges or the shield's. A charge with others to stand between it ("on a chief a lion
// between two mullets") takes the middle third, and those two the outer thirds.
constexpr int kChiefMargin = 5;           // pixels kept free round each charge on the chief
constexpr int kChiefTopRows = 2;          // the shield's outline along the chief's top
constexpr float kLargestOnChief = 1.0f;
constexpr float kRoundelReachAtScaleOne = 110.0f;  // a roundel's diameter at scale 1

bool OnChiefFitted(DrawingState& s, const LevelRecord& level, int n) {
    if (n < 1 || level.levelIn || s.lastShapeCode == ShapeCode::kBend) return false;
    const ShieldGeometry& g = s.geometry;
    const bool between = level.levelBetween && Level(s, s.level - 2).levelOn;
    // "A lion between a fleur-de-lis and a key": the second of a pair named one by one.
    const bool secondOfPair = n == 1 && !level.levelBetween && !Previous(s).levelOn && Previous(s).levelBetween &&
                              Previous(s).levelCount == 1 && Level(s, s.level - 2).levelCount == 1 &&
                              Level(s, s.level - 3).levelOn;
    const bool onChief = Previous(s).levelOn || between || secondOfPair;
    if (!onChief) return false;
    const int chiefLine = Previous(s).levelOn ? Previous(s).levelLine
                          : secondOfPair      ? Level(s, s.level - 3).levelLine
                                              : Level(s, s.level - 2).levelLine;
    // The cells: the centre of each and their width.
    std::vector<int> centres;
    int cell = g.W / n;
    if (between && n == 1) {
        // The first of a pair named one by one takes the dexter third, the second the sinister
        // (the second is not read yet when the first is drawn).
        if (Previous(s).levelCount != 1) return false;
        cell = g.W / 3;
        centres = {g.W / 6};
    } else if (secondOfPair) {
        cell = g.W / 3;
        centres = {g.W - g.W / 6};
    } else if (between) {
        if (n != 2 || Previous(s).levelCount != 1) return false;
        cell = g.W / 3;
        centres = {g.W / 6, g.W - g.W / 6};
    } else if (n == 1 && Level(s, s.level + 1).levelBetween) {
        cell = g.W / 3;
        centres = {g.W2};
    } else {
        for (int j = 0; j < n; ++j) centres.push_back((2 * j + 1) * g.W / (2 * n));
    }
    const int margin = g.Px(kChiefMargin);
    const int top = g.Px(kChiefTopRows) + margin;
    const int bottom = shapes::ChiefInnerEdge(g, chiefLine) - margin;
    const float high = static_cast<float>(bottom - top), wide = static_cast<float>(cell - 2 * margin);
    if (high <= 0 || wide <= 0) return false;
    float scale = 0.0f;
    bool fesswise = false;
    if (level.levelKind == kTypeRoundel) {
        scale = std::min(high, wide) / kRoundelReachAtScaleOne;
    } else {
        const bool loaded = s.pictureLoaded;
        PictureExtent picture;
        const bool known = LevelPictureExtent(s, picture);
        s.pictureLoaded = loaded;
        if (!known) return false;
        const float tall = static_cast<float>(picture.height) * 0.5f, across = static_cast<float>(picture.width) * 0.5f;
        scale = std::min(high / tall, wide / across);
        // A slender charge (a sword, a rapier, an arrow) upright would be no longer than the chief
        // is deep: it lies fesswise along the chief, as long as its cell allows.
        const float laid = std::min(high / across, wide / tall);
        const long long drawnHigh = picture.lastRow - picture.firstRow + 1;
        fesswise = drawnHigh * drawnHigh >= kSlenderRatio * static_cast<long long>(picture.drawnPixels) && laid > scale &&
                   !s.sinisterCharges &&
                   !s.reversedCharges;
        if (fesswise) scale = laid;
    }
    scale = std::min(scale, kLargestOnChief);
    NoteLayout(s, fesswise ? "OnChief, fesswise" : "OnChief");
    const int y = (top + bottom) / 2;
    // Laid fesswise along the chief when that is larger, else upright; bendwise if the words say so.
    const ChargeTurn turn = s.bendwiseFlag ? WordsTurn(s) : fesswise ? ChargeTurn::kFesswise : ChargeTurn::kAsDrawn;
    const int first = secondOfPair ? 1 : 0;  // the member's place in its pair
    for (std::size_t j = 0; j < centres.size(); ++j)
        PlaceTurned(s, centres[j], y, scale, turn, MirroredInPair(level.levelLine, first + static_cast<int>(j)));
    s.fesswiseFlag = false;  // the words' turn is spent on them
    return true;
}

// "Quarterly, in chief two roosters": one in each quarter of the chief, as large as the quarter
// holds its drawing (they were 1.0, a third of the quarter). Both at one scale.
constexpr float kLargestInAQuarter = 1.6f;

bool TwoInTheChiefQuarters(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    int top = 0;
    if (n != 2 || s.level != 0 || s.partitionCode != ShapeCode::kCross || level.levelOn || !RoomLeftByLaterEdges(s, top))
        return false;
    // "in chief" names the direction; only a chief named besides it keeps its room.
    int chiefs = 0;
    for (int i = std::max(s.levelFirstWord, 0); i < s.wordCount; ++i) chiefs += EqualsIgnoringCase(s.Word(i), "chief");
    if (chiefs < 2) top = 0;
    const int xs[2] = {g.W4, g.W - g.W4};
    // The two quarters of the chief in tinctures of their own.
    const std::size_t row = static_cast<std::size_t>(g.H4) * static_cast<std::size_t>(s.picture.Width());
    if (row + static_cast<std::size_t>(xs[1]) >= s.pictureBuffer.size() ||
        s.pictureBuffer[row + static_cast<std::size_t>(xs[0])] == s.pictureBuffer[row + static_cast<std::size_t>(xs[1])])
        return false;
    float scale = kLargestInAQuarter;
    for (const int x : xs) {
        const std::function<bool(const Rect&)> inPart = InTheFieldPartAt(s, x, g.H4);
        const auto allowed = [&](const Rect& r) { return r.top >= top && inPart(r); };
        scale = std::min(scale, LargestScaleAt(s, FreeSpace::Field(s), x, g.H4, {}, allowed, kLargestInAQuarter));
    }
    if (scale <= 1.0f) return false;
    NoteLayout(s, "InChief, quarterly");
    for (int j = 0; j < 2; ++j) Place(s, xs[j], g.H4, scale, MirroredInPair(level.levelLine, j));
    return true;
}

}  // namespace

bool OneOfAPairOnTheChief(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    if (s.onOrdinaryCode != ShapeCode::kChief || level.levelCount != 1) return false;
    return OnChiefFitted(s, level, 1);
}

// In or on a chief. The steps run in order: the early ones finish some cases; steps 3 to 5
// choose the height and scale; step 7 corrects the height in its own case and then places the
// row for every case not finished earlier.
void InChief(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    const int line = level.levelLine;
    if (s.lastShapeCode == ShapeCode::kBend || (s.partitionCode == ShapeCode::kBend && n == 1)) {
        // A field per bend, or one charge in chief beside a bend ("a bend between a unicorn's head
        // in chief and a cross in base", as the one in base stands below it): the chief's place
        // is the upper right half.
        if (n == 1) {
            Place(s, g.W - g.W4, g.H4, 1.0f);
        } else if (n == 2) {
            Place(s, g.W - g.W2 + g.Px(10), g.H5, 1.0f, MirroredInPair(line, 0));
            Place(s, g.W - g.W5, g.H2 - g.Px(10), 1.0f, MirroredInPair(line, 1));
        }
        return;
    }
    if (s.level == 0) s.lastShapeCode = ShapeCode::kFess;
    if (TwoInTheChiefQuarters(s, level, n)) return;
    if (s.lastShapeCode == ShapeCode::kFess && n == 1) {
        Place(s, g.W2, g.H4, 1.0f);
        return;
    }
    const bool small = level.levelIn || Previous(s).levelOn || (level.levelBetween && Level(s, s.level - 2).levelOn);
    int y = small ? g.H5 / 2 - 8 : g.H4 - g.Px(15);
    float scale = small ? 0.4f : 0.6f;
    const ShapeCode partition = s.partitionCode;
    const bool chevronOrFess = s.lastShapeCode == ShapeCode::kFess || partition == ShapeCode::kChevron || partition == ShapeCode::kChevronels || partition == ShapeCode::kFess;
    if (chevronOrFess && n == 2) {
        y = partition == ShapeCode::kChevron ? g.H4 + g.Px(5) : g.H4 - g.Px(15);
        Place(s, g.W / 4, y, 1.0f);
        Place(s, 3 * (g.W / 4), y, 1.0f);
        return;
    }
    if (chevronOrFess) {
        y = g.H4 - g.Px(15);
        scale = n < 4 ? 0.9f : 0.5f;
    }
    if (partition == ShapeCode::kNoShape && s.level == 0) {
        y = g.H4;
        scale = ShrinkingScale(n);
    }
    if (NamesBars(level.levelName)) {
        NoteLayout(s, "DrawBars(1)");
        DrawBars(s, PiecesPlacement::kInChief);
        return;
    }
    if (NamesPallets(level.levelName)) {
        NoteLayout(s, "DrawPallets(1)");
        DrawPallets(s, PiecesPlacement::kInChief);
        return;
    }
    if (OnChiefFitted(s, level, n) || InChiefAboveTheBars(s, n)) return;
    if (s.lastShapeCode == ShapeCode::kNoShape && partition == ShapeCode::kNoShape && s.level == 1) y = g.H5 / 2;
    const int cw = g.W / (n + 1);
    for (int j = 0; j < n; ++j) Place(s, (j + 1) * cw, y, scale, MirroredInPair(line, j));
}

namespace {

// One charge in base below an ordinary or other charges: as large as the room under them
// allows, measured against its own drawing (a cat dormant is long and low), up to this.
constexpr float kLargestInBase = 1.8f;
constexpr float kOneInBase = 0.9f;  // the fixed scale it had, and still has where the room is tight
// Beside charges on the field, of one group with them, it grows to at most this share of their scale.
constexpr float kLargerThanItsFellows = 1.2f;

bool OneInBaseFillsItsRoom(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    const bool afterOrdinary = s.levels[0].levelKind == kTypeOrdinary;
    if (s.level == 0) return false;
    // Below everything drawn so far and below the middle of the field.
    const std::vector<Rect> taken = PaintedBoxesSoFar(s);
    int top = g.H2;
    for (const Rect& box : taken) top = std::max(top, box.bottom);
    const Rect room{0, top, g.W, g.H};
    const int xs[1] = {g.W2};
    // "two mullets in chief and a crescent in base": the charges before stand on the field beside
    // it, one group with it, and it is drawn hardly larger than they are (charges on an ordinary are
    // not its fellows: the cat under ladybirds on a chevron fills the base).
    float largest = kLargestInBase;
    const LevelRecord& before = Previous(s);
    if (before.levelKind != kTypeOrdinary && !Level(s, s.level - 2).levelOn && s.ringWritten >= before.levelCount) {
        largest = 0.0f;
        for (int k = 0; k < before.levelCount; ++k)
            largest = std::max(largest, s.placementRing[static_cast<std::size_t>(
                                            ((s.ringNext - 1 - k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize)]
                                            .scale);
        largest = std::min(largest * kLargerThanItsFellows, kLargestInBase);
    }
    const RoomFit fit = afterOrdinary ? LargestRowInRoom(s, *FreeSpace::AroundOrdinary(s, false), xs, g.W, room, taken, largest)
                                      : LargestRowInRoom(s, FreeSpace::Field(s), xs, g.W, room, taken, largest);
    // Never smaller than the fixed place gave it.
    if (fit.scale < kOneInBase) return false;
    Place(s, g.W2, fit.y, fit.scale);
    return true;
}

// One charge in base of a field per chevron ("in base a maple tree") is as large as the base's
// part holds its drawing, set on the middle line where it is largest (it was 0.9 whatever its
// shape, a third of the part).
constexpr int kBaseHeightStep = 4, kBaseEdgeMargin = 6;
constexpr float kBaseScalePrecision = 0.01f;

bool OneInTheBasePart(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    int top = 0;
    if (s.partitionCode != ShapeCode::kChevron || s.levels[0].levelKind == kTypeOrdinary || !RoomLeftByLaterEdges(s, top))
        return false;
    // Beside charges in chief it stays near their size, one group with them.
    float largest = kLargestInBase;
    if (s.level > 0) {
        float fellows = 0.0f;
        for (int k = 0; k < std::min(s.ringWritten, kPlacementRingSize); ++k)
            fellows = std::max(fellows, s.placementRing[static_cast<std::size_t>(k)].scale);
        largest = std::min(kLargestInBase, fellows * kLargerThanItsFellows);
    }
    const std::vector<Rect> taken = PaintedBoxesSoFar(s);
    const FreeSpace& space = FreeSpace::Field(s);
    const std::function<bool(const Rect&)> inPart = InTheFieldPartAt(s, g.W2, g.straightBottom - kBaseEdgeMargin);
    float best = 0.0f;
    int bestY = 0;
    for (int y = g.H2; y < g.straightBottom; y += kBaseHeightStep) {
        const float scale = LargestScaleAt(s, space, g.W2, y, taken, inPart, largest);
        if (scale > best + kBaseScalePrecision) {
            best = scale;
            bestY = y;
        }
    }
    if (best <= kOneInBase) return false;
    Place(s, g.W2, bestY, best);
    return true;
}

}  // namespace

bool PiecesInTheirPart(DrawingState& s, Direction toward) {
    const LevelRecord& level = phrase::Current(s);
    const bool bars = NamesBars(level.levelName);
    if (!bars && !NamesPallets(level.levelName)) return false;
    const ShieldGeometry& g = s.geometry;
    if (toward == kInDexterHalf) return PiecesWithin(s, RegionOf(g, RegionKind::kDexterHalf).box, "dexter half");
    if (toward == kInSinisterHalf) return PiecesWithin(s, RegionOf(g, RegionKind::kSinisterHalf).box, "sinister half");
    switch (toward.Shape()) {
        case ShapeCode::kChief:
            // In chief, or on a chief: spread down (or across) the chief's depth.
            NoteLayout(s, bars ? "DrawBars(1)" : "DrawPallets(1)");
            bars ? DrawBars(s, PiecesPlacement::kInChief) : DrawPallets(s, PiecesPlacement::kInChief);
            return true;
        case kBase:
            // In base, or on a base: within the base's depth, clear of its line, and above the
            // point, where a piece would show only in the middle.
            return PiecesWithin(s, {0, shapes::BaseUpperEdge(g) + g.Px(kClearOfTheBaseLine), g.W + 1, (g.straightBottom + g.H) / 2}, "base");
        case ShapeCode::kFess:
            // On a fess: along its middle, bars across it, pallets across its depth.
            NoteLayout(s, bars ? "DrawBars(2)" : "DrawPallets(2)");
            bars ? DrawBars(s, PiecesPlacement::kOnFess) : DrawPallets(s, PiecesPlacement::kOnFess);
            return true;
        case ShapeCode::kPale:
            if (bars) break;
            NoteLayout(s, "DrawPallets(3)");
            DrawPallets(s, PiecesPlacement::kOnPale);
            return true;
        default: break;
    }
    // No shape lays these pieces where the blazon puts them ("two flaunches each charged with as
    // many bars"): said, not drawn as pictures nor left out unsaid.
    NoteLayout(s, "none: no shape lays these pieces here");
    s.messages.Show(WithCount(msg::kNoLayoutForCount, level.levelCount));
    s.countMessageShown = true;
    return true;
}

void InBase(DrawingState& s, int n) {
    const ShieldGeometry& g = s.geometry;
    if (s.partitionCode == ShapeCode::kBend) {
        Place(s, g.W4 + g.Px(10), g.H - g.H3, 1.0f);
        return;
    }
    int y = (s.lastShapeCode == ShapeCode::kChevron || s.lastShapeCode == ShapeCode::kFess) ? g.H - g.H4 + g.Px(5) : g.H - g.H4 + g.Px(15);
    if (s.partitionCode == ShapeCode::kNoShape && s.level == 0) y = g.H - g.H3;
    if (n == 1 && (OneInTheBasePart(s) || OneInBaseFillsItsRoom(s))) return;
    if (n == 1) {
        Place(s, g.W2, y, kOneInBase);
    } else if (n == 2) {
        Place(s, g.W4, y, 1.0f);
        Place(s, 3 * g.W4, y, 1.0f);
    } else if (n >= 3) {
        PlaceRow(s, n, y, 0.0f);
    }
}

// "in the second and third quarters a fret": one in each quarter named, filling it. A fret is
// its shape made small; a charge stands in the middle of the quarter.
constexpr float kChargeInAQuarter = 1.0f;  // one in each quarter named

void InNamedQuarters(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    int quarters = 0;
    for (int q = 0; q < 4; ++q) quarters += (s.quarterMask >> q) & 1;
    // "a fret" in two quarters is one in each; any other count per quarter has no layout.
    if (n != 1 && n != quarters) return;
    const int halfHeight = g.H2, lowerHeight = g.straightBottom - g.H2;
    for (int q = 0; q < 4; ++q) {
        if (((s.quarterMask >> q) & 1) == 0) continue;
        const int x = q % 2 == 0 ? 0 : g.W2, y = q < 2 ? 0 : g.H2;
        const int h = q < 2 ? halfHeight : lowerHeight;
        if (level.levelName == "fret") {
            DrawFretIn(s, x, y, g.W2, h);
        } else {
            Place(s, x + g.W4, y + h / 2, kChargeInAQuarter);
        }
    }
}


namespace {

constexpr float kChargeInTheQuarter = 1.2f;  // one charge in the dexter or sinister chief
constexpr int kQuarterEdgeMargin = 6;               // between the charge's cell and the quarter's edge

// Whether the quarter (in dexter or sinister chief) is clear of the first ordinary: none drawn,
// or a bend beside the sinister chief, a bend sinister beside the dexter.
bool QuarterClearOfTheOrdinary(const DrawingState& s, PlaceCode quarter) {
    const ShapeCode first = s.firstOrdinaryShape;
    if (s.level == 0 || first == ShapeCode::kNoShape) return s.partitionCode == ShapeCode::kNoShape;
    return (first == ShapeCode::kBend && quarter == kInSinisterChief) ||
           (first == ShapeCode::kBendSinister && quarter == kInDexterChief);
}


}  // namespace

// In the dexter or sinister chief, in the first or second quarter: the charge fills the quarter.
bool InAChiefQuarter(DrawingState& s, PlaceCode quarter, int n) {
    const ShieldGeometry& g = s.geometry;
    if (n == 1) {
        // Above a fess the quarter ends at the fess's upper edge, beside a cross also at its
        // limb's: the charge is centred in what is left of it and kept off the fess or cross
        // (whose width is the chief's depth).
        const int halfLimb = g.chiefDepth / 2;
        const bool aboveFess = s.level > 0 && s.firstOrdinaryShape == ShapeCode::kFess;
        const bool besideCross = s.level > 0 && s.firstOrdinaryShape == ShapeCode::kCross;
        const int bottom = aboveFess || besideCross ? g.H2 - halfLimb : g.H2;
        const int width = besideCross ? g.W2 - halfLimb : g.W2;
        const int x = quarter == kInDexterChief ? width / 2 : g.W - width / 2;
        const float room = static_cast<float>(std::min(bottom, width) - 2 * kQuarterEdgeMargin) / kChargeExtentAtScaleOne;
        if (aboveFess || besideCross) {
            Place(s, x, bottom / 2, std::min(kChargeInTheQuarter, room));
        } else {
            Place(s, quarter == kInDexterChief ? g.W4 : g.W - g.W4, g.H4, kChargeInTheQuarter);
        }
        return true;
    }
    if (n == 3 && QuarterClearOfTheOrdinary(s, quarter)) {
        // "in sinister chief three escallops": two and one within the quarter, each in a cell of
        // a quarter of it.
        const int left = quarter == kInDexterChief ? 0 : g.W2;
        const int cell = std::min(g.W2 / 2, g.H2 / 2);
        const float scale = static_cast<float>(cell) * kChargeShareOfCell / kChargeExtentAtScaleOne;
        Place(s, left + g.W2 / 4, g.H2 / 4, scale);
        Place(s, left + 3 * g.W2 / 4, g.H2 / 4, scale);
        Place(s, left + g.W2 / 2, 3 * g.H2 / 4, scale);
        return true;
    }
    // Any other count in rows within the quarter, when nothing else lies there.
    if (n < 2 || !QuarterClearOfTheOrdinary(s, quarter)) return false;
    const RegionKind region = quarter == kInDexterChief ? RegionKind::kDexterChief : RegionKind::kSinisterChief;
    const SpotLayout layout = LayoutSpots({RegionOf(g, region), n, Arrangement::kInRows, {}});
    PlaceSpots(s, layout.spots);
    return !layout.spots.empty();
}

bool InAHalf(DrawingState& s, PlaceCode which, int n) {
    // A half of the field holds its charges in rows, when no ordinary crosses it: the field's
    // own partition or nothing lies there.
    const ShapeCode first = s.firstOrdinaryShape;
    if (n < 1 || !(s.level == 0 || first == ShapeCode::kNoShape)) return false;
    const RegionKind half = which == kInDexterHalf ? RegionKind::kDexterHalf : RegionKind::kSinisterHalf;
    // A half is twice as high as it is wide: up to three stand one above another, more two a row.
    std::vector<int> rows(static_cast<std::size_t>(n <= 3 ? n : (n + 1) / 2), n <= 3 ? 1 : 2);
    if (n > 3 && n % 2 == 1) rows.back() = 1;
    const SpotLayout layout = LayoutSpots({RegionOf(s.geometry, half), n, Arrangement::kInRows, rows});
    PlaceSpots(s, layout.spots);
    return !layout.spots.empty();
}

bool InABaseQuarter(DrawingState& s, PlaceCode which, int n) {
    const ShieldGeometry& g = s.geometry;
    const bool dexter = which == kInDexterBase;
    // A bend leaves the dexter base clear, a bend sinister the sinister base.
    const ShapeCode first = s.firstOrdinaryShape;
    const bool clear = s.level == 0 || first == ShapeCode::kNoShape || (first == ShapeCode::kBend && dexter) ||
                       (first == ShapeCode::kBendSinister && !dexter);
    if (n < 1 || (n > 1 && !clear)) return false;
    const RegionKind quarter = dexter ? RegionKind::kDexterBase : RegionKind::kSinisterBase;
    const SpotLayout layout = LayoutSpots({RegionOf(g, quarter), n, Arrangement::kInRows, {}});
    PlaceSpots(s, layout.spots);
    return !layout.spots.empty();
}

}  // namespace esc
