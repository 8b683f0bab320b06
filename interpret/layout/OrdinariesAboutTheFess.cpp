#include "interpret/layout/OrdinariesAboutTheFess.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/Diminutives.h"
#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/InLineBesideTheOrdinary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/ChargeWordRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// The limbs fall at 40 degrees below the horizontal each side, as the chevron's do.
constexpr int kDexterLimbAngle = 220, kSinisterLimbAngle = 320;
constexpr double kDownPerLength = 0.643;  // sin 40
constexpr int kChevronWidthPercent = 55;  // of the fess's depth: two chevrons share its room
constexpr int kApexHalfPercent = 66;  // of a limb's width, 1 / (2 cos 40)
constexpr int kRoomMargin = 6;                  // pixels kept clear round a charge above the bars
constexpr float kTallestPicture = 270;          // a picture's height (264 and margins), when unmeasured
constexpr int kLoneChargeWidthPercent = 60;     // of the shield's width, for one charge above the bars
// The scales of three charges on a pale, a bend and a chevron, as their own layouts draw them.
constexpr float kOnPaleScale = 0.8f, kOnBendScale = 0.65f, kOnChevronScale = 0.66f;
constexpr int kGapPercent = 15;           // of the fess's depth, between a chevron and the fess

}  // namespace

ChevronsAboutTheFessGeometry ChevronsAboutTheFessOf(const ShieldGeometry& g) {
    ChevronsAboutTheFessGeometry c;
    const int depth = g.chiefDepth;
    c.fessTop = g.H / 2 - depth / 2;
    c.fessBottom = g.H / 2 + depth / 2;
    c.width = depth * kChevronWidthPercent / 100;
    const int gap = depth * kGapPercent / 100;
    // The upper chevron's apex stands as far above the fess as the lower one's below it; its
    // limbs run down into the fess, which is painted again over them.
    // A limb at 40 degrees reaches (w/2) / cos 40 above and below the apex's centre line.
    const int half = c.width * kApexHalfPercent / 100;
    c.lowerApexY = c.fessBottom + gap + half;
    c.upperApexY = gap + half;
    return c;
}

bool ChevronsAboutTheFess(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    if (s.level != 1 || !level.levelBetween || level.levelCount != 2 || !(level.levelName == "chevronnels" || NamesWholeChevrons(level.levelName.view())) ||
        level.levelLine != kPlainLine)
        return false;
    const LevelRecord& fess = s.levels[0];
    if (fess.levelKind != kTypeOrdinary || fess.levelName != "fess" || fess.levelLine != kPlainLine || fess.levelIn)
        return false;
    NoteLayout(s, "ChevronsAboutTheFess");
    const ShieldGeometry& g = s.geometry;
    const ChevronsAboutTheFessGeometry c = ChevronsAboutTheFessOf(g);
    s.lineCode = kPlainLine;
    const ShapeOutline outline = OutlineOfState(s);
    for (const int apex : {c.upperApexY, c.lowerApexY}) {
        // Each limb ends a little past the shield's lower edge (H), and no further: the rows under
        // the point are painted to the shield's width.
        const int length = static_cast<int>((g.H - apex) / kDownPerLength) - c.width / 4;
        shapes::BandFrom(s, outline, g.W / 2, apex, kDexterLimbAngle, length, c.width);
        shapes::BandFrom(s, outline, g.W / 2, apex, kSinisterLimbAngle, length, c.width);
    }
    // The fess of level 0 again, over the ends of the upper chevron's limbs.
    OrdinaryRequest fessAgain{ShapeCode::kFess, false};
    fessAgain.level = 0;
    DrawOrdinary(s, fessAgain);
    return true;
}

bool InChiefAboveTheBars(DrawingState& s, int n) {
    const LevelRecord& bars = s.levels[0];
    if (s.level < 1 || n < 1 || !NamesBars(bars.levelName) || bars.levelIn || bars.levelOn) return false;
    const ShieldGeometry& g = s.geometry;
    const BarRows rows = BarsOnTheField(g, bars.levelCount);
    if (rows.centres.empty()) return false;
    const int room = rows.centres.front() - rows.width / 2;  // the field's rows above the first bar
    const int high = room - 2 * kRoomMargin;
    const int wide = n == 1 ? g.W * kLoneChargeWidthPercent / 100 : g.W / (n + 1) - 3 * kRoomMargin;
    if (high <= 0 || wide <= 0) return false;
    NoteLayout(s, "InChiefAboveTheBars");
    // As large as the room allows the drawing itself: a greyhound courant is long and low.
    PictureExtent extent;
    const bool measured = LevelPictureExtent(s, extent);
    const float drawnHigh = measured ? static_cast<float>(extent.lastRow - extent.firstRow + 1) : kTallestPicture;
    const float drawnWide = measured ? static_cast<float>(extent.lastColumn - extent.firstColumn + 1) : kTallestPicture;
    // A picture at scale 1 is drawn at half its own size.
    const float scale = std::min(2.0f * static_cast<float>(high) / drawnHigh, 2.0f * static_cast<float>(wide) / drawnWide);
    for (int j = 0; j < n; ++j) Place(s, g.W * (j + 1) / (n + 1), room / 2, scale);
    return true;
}

bool SecondGroupInTheOrdinarysWay(DrawingState& s) {
    LevelRecord& level = phrase::Current(s);
    if (!level.levelIn || level.levelInCode != s.firstOrdinaryShape) return false;
    // Read as a group between: its direction is the ordinary's, which the free room beside the
    // ordinary already runs along.
    level.levelIn = false;
    const bool second = SecondGroupBetween(s);
    if (second) {
        if (!InLineBesideTheOrdinary(s)) ChargesBetween(s, s.firstOrdinaryShape);
    }
    level.levelIn = true;
    return second;
}

bool BetweenOnTheOrdinary(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const LevelRecord& ordinary = s.levels[0];
    const LevelRecord& middle = s.levels[1];
    if (s.level != 2 || !level.levelBetween || level.levelCount != 2 || !ordinary.levelOn ||
        ordinary.levelKind != kTypeOrdinary || ordinary.levelCount != 1 || middle.levelCount != 1 || middle.levelBetween)
        return false;
    const ShieldGeometry& g = s.geometry;
    const ShapeCode shape = s.firstOrdinaryShape;
    if (shape != ShapeCode::kFess && shape != ShapeCode::kBend && shape != ShapeCode::kBendSinister &&
        shape != ShapeCode::kPale && shape != ShapeCode::kChevron)
        return false;
    NoteLayout(s, "BetweenOnTheOrdinary(" + std::to_string(CodeOf(shape)) + ")");
    // The outer two of the rows of three the ordinaries' own layouts set.
    const auto rowOfThree = [](int length) {
        const int spacing = length / 4, quarter = spacing / 4;
        const int first = spacing - quarter, step = spacing + quarter + 1;
        return std::pair<int, int>{first, first + 2 * step};
    };
    switch (shape) {
        case ShapeCode::kFess: {
            const auto [left, right] = rowOfThree(g.W);
            Place(s, left, g.H2, ShrinkingScale(3));
            Place(s, right, g.H2, ShrinkingScale(3));
            break;
        }
        case ShapeCode::kPale: {
            const auto [top, bottom] = rowOfThree(g.H);
            Place(s, g.W2, top, kOnPaleScale);
            Place(s, g.W2, bottom, kOnPaleScale);
            break;
        }
        case ShapeCode::kBend:
        case ShapeCode::kBendSinister: {
            const bool sinister = shape == ShapeCode::kBendSinister;
            // Turned with the bend unless the words keep them upright.
            const ChargeTurn alongTheBend = sinister ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
            const ChargeTurn upright = s.fesswiseFlag ? ChargeTurn::kFesswise : ChargeTurn::kAsDrawn;
            const ChargeTurn turn = s.uprightCharges ? upright : alongTheBend;
            const int dexterX = g.W4 + g.Px(2), sinisterX = g.W - g.W4 - g.Px(2);
            PlaceTurned(s, sinister ? sinisterX : dexterX, g.H4 - 1, kOnBendScale, turn);
            PlaceTurned(s, sinister ? dexterX : sinisterX, g.H - g.H4 + g.Px(2), kOnBendScale, turn);
            s.bendwiseFlag = s.bendwiseSinisterFlag = false;  // the words' turn is spent on them
            break;
        }
        default:  // the chevron: on its limbs, below the apex where the one stands
            Place(s, g.W4 - g.Px(12), g.H - g.H3 - g.Px(18), kOnChevronScale);
            Place(s, g.W - g.W4 + g.Px(12), g.H - g.H3 - g.Px(18), kOnChevronScale);
            break;
    }
    return true;
}

namespace {

// The ordinary whose cotises a level of pieces would be, by the way its pieces run.
ShapeCode OrdinaryThePiecesFlank(const LevelRecord& level, ShapeCode shapeCode) {
    if (NamesBars(level.levelName)) return ShapeCode::kFess;
    if (NamesPallets(level.levelName)) return ShapeCode::kPale;
    if (level.levelKind != kTypeOrdinary) return ShapeCode::kNoShape;
    switch (shapeCode) {
        case ShapeCode::kBendlets: return ShapeCode::kBend;
        case ShapeCode::kBendletsSinister: return ShapeCode::kBendSinister;
        case ShapeCode::kChevronels: return ShapeCode::kChevron;
        default: return ShapeCode::kNoShape;
    }
}

}  // namespace

CotiseSides SidesOfThePiecesBeside(const LevelRecord& level) {
    if (!level.levelIn || level.levelCount != 1) return CotiseSides::Both;
    if (level.levelInCode.Shape() == ShapeCode::kChief) return CotiseSides::ChiefSide;
    if (level.levelInCode.Shape() == ShapeCode::kBase) return CotiseSides::BaseSide;
    return CotiseSides::Both;
}

// "a bend between two bendlets", "a fess between two barrulets", "a pale between two endorses":
// pieces that run the way of the ordinary they stand between flank it as its cotises, in their
// own tincture and line; four of them (two each side) as double cotises.
bool PiecesBesideTheOrdinary(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    if (s.level != 1 || !level.levelBetween || s.levels[0].levelKind != kTypeOrdinary) return false;
    const ShapeCode flanked = OrdinaryThePiecesFlank(level, s.shapeCode);
    if (flanked == ShapeCode::kNoShape || flanked != s.firstOrdinaryShape) return false;
    CotiseRequest pieces;
    pieces.shape = flanked;
    pieces.sides = flanked == ShapeCode::kFess ? SidesOfThePiecesBeside(level) : CotiseSides::Both;
    pieces.position = s.position;
    pieces.count = std::clamp(level.levelCount / 2, 1, shapes::kMaxCotises);
    pieces.tincture = s.levelTincture[s.level];
    pieces.line.style = level.levelLine;
    pieces.field = s.partitionCode;
    pieces.treatment = s.ordinaryTreatment;
    // Two or three a side share the room one would take, so that the outer ones stay on the field.
    pieces.breadth = BreadthBeside(s.geometry, flanked, level.levelName.view()) * 2 / (pieces.count + 1);
    NoteLayout(s, "DrawCotises");
    DrawCotises(s, pieces);
    return true;
}

}  // namespace esc
