// Charges on an ordinary, or in its direction ("three mullets in bend", "a mullet for
// difference"): one table per ordinary, by count. Counts a table does not name are set in the
// arrangement or part of the field the code stands for (ArrangedCharges.h).

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "engine/Diminutives.h"
#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/ArrangementWords.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/OnTheFlaunches.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/InPartsOfTheField.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/ArrangedCharges.h"
#include "interpret/layout/ConvergingInPile.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/MainChargeWithSmall.h"
#include "interpret/layout/OnTheBordure.h"
#include "interpret/layout/OnEachPiece.h"
#include "interpret/layout/OnTheOrdinary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/SpotLayout.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Level;
using phrase::Previous;

namespace {

// One charge on a fess or a pale is drawn as large as the band holds it, measured against its own
// drawing: across the fess's depth and along it, along the pale and across its width (a horse
// on a fess was 0.7 whatever its shape, a rapier on a pale a third of the pale's height). The
// band is the ordinary as it is drawn (a fess the chief's depth high, a pale three tenths of the
// field wide), less a margin that a line engrailed or indented eats. False when the charge lies
// on no ordinary, or it would come out smaller than the table's scale.
constexpr float kLargestOnABand = 2.4f;
constexpr int kPaleHalfWidthPerMille = 150;  // of the field's width
constexpr int kBandMargin = 6;

bool OneFillsTheBand(DrawingState& s, const LevelRecord& level, bool pale, float table) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& ordinary = s.levels[0];
    if (level.levelIn || s.level < 1 || !ordinary.levelOn || ordinary.levelKind != kTypeOrdinary ||
        ordinary.levelName != (pale ? "pale" : "fess"))
        return false;  // a bar or a pallet is narrower
    const int half = pale ? g.W * kPaleHalfWidthPerMille / 1000 : g.chiefDepth / 2;
    const Rect band = pale ? Rect{g.W2 - half + kBandMargin, 0, g.W2 + half - kBandMargin, g.H}
                           : Rect{0, g.H2 - half + kBandMargin, g.W, g.H2 + half - kBandMargin};
    const auto inside = [&band](const Rect& r) {
        return r.left >= band.left && r.right <= band.right && r.top >= band.top && r.bottom <= band.bottom;
    };
    const float scale = LargestScaleAt(s, FreeSpace::Field(s), g.W2, g.H2, {}, inside, kLargestOnABand);
    if (scale <= table) return false;
    Place(s, g.W2, g.H2, scale);
    return true;
}

// Along the fess: one in the middle, two apart, three and more in a row.
void OnFess(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    // "on a fess a bar": one bar as well as several lies along the fess's middle.
    if (NamesBars(level.levelName)) {
        NoteLayout(s, "DrawBars(2)");
        DrawBars(s, PiecesPlacement::kOnFess);
        return;
    }
    if (n >= 2 && NamesPallets(level.levelName)) {
        NoteLayout(s, "DrawPallets(2)");
        DrawPallets(s, PiecesPlacement::kOnFess);
        return;
    }
    if (n == 1) {
        const float table = level.levelIn ? 1.0f : 0.7f;
        if (!OneFillsTheBand(s, level, false, table)) Place(s, g.W2, g.H2, table);
    } else if (!level.levelIn && FillTheBand(s, n, false, n == 2 ? 0.7f : ShrinkingScale(n))) {
        return;
    } else if (n == 2) {
        const int line = level.levelLine;
        const float scale = level.levelIn && line != kPairFirstTurned ? 1.0f : 0.7f;
        Place(s, g.W4, g.H2, scale, MirroredInPair(line, 0));
        Place(s, g.W - g.W4, g.H2, scale, MirroredInPair(line, 1));
    } else {
        PlaceRow(s, n, g.H2, 0.0f);
    }
}

constexpr float kInBendLargest = 0.9f;
// The space between two bendlets is about as wide as a charge at this scale.
constexpr float kChargeBetweenBendlets = 0.7f;
// A drawing whose halves' mean columns lie more than this share of its width apart leans.
constexpr int kLeanDivisor = 8;
constexpr int kBendDepthBeyondChief = 10;  // the bend's depth down the shield is the chief's and this
constexpr float kCrossedPairScale = 2.0f;

// A charge placed at (x, y) as on a bend; on a bend sinister, the same mirrored (column x at
// W - 1 - x): turned with the band, it is the bend's turn of the mirrored drawing, so that what
// lies on a bend sinister is the mirror image of what lies on a bend.
void PlaceMirroredOnTheSinister(DrawingState& s, int x, int y, float scale, ChargeTurn turn, bool sinister) {
    if (!sinister) {
        PlaceTurned(s, x, y, scale, turn);
        return;
    }
    const int mirrored = s.geometry.W - 1 - x;
    if (turn == ChargeTurn::kBendwiseSinister) {
        PlaceTurned(s, mirrored, y, scale, ChargeTurn::kBendwise, true);
    } else if (turn == ChargeTurn::kBendwise) {
        PlaceTurned(s, mirrored, y, scale, ChargeTurn::kBendwiseSinister, true);
    } else {
        PlaceTurned(s, mirrored, y, scale, turn);
    }
}

// Four and more along the diagonal of a bend (or bend sinister), evenly from chief to base, each
// as large as the spacing allows: the boxes of neighbours stay apart down the shield (its height
// gives the longer of the two steps).
void AlongTheDiagonal(DrawingState& s, int n, bool sinister, float largest, ChargeTurn turn) {
    const ShieldGeometry& g = s.geometry;
    const double spacing = static_cast<double>(std::max(g.W, g.H)) / (n + 1);
    const float scale = std::min(largest, static_cast<float>(spacing) * kChargeShareOfCell / kChargeExtentAtScaleOne);
    for (int i = 1; i <= n; ++i) {
        const int x = g.W * i / (n + 1), y = g.H * i / (n + 1);
        PlaceMirroredOnTheSinister(s, x, y, scale, turn, sinister);
    }
}

// One charge turned along a bend: at 0.75, or a slender upright drawing (a sword, a rapier) as
// large as the bend's width allows across it, which a drawing as long as the bend never reaches.
// A slender drawing that leans (the quill, drawn bendwise sinister) already lies nearly along a
// bend: it is not turned, which would stand it across, but mirrored to lean the bend's way
// (inverted, it leans so already) and made as large as its lean off the bend's slope allows.
void PlaceOneOnABend(DrawingState& s, ChargeTurn turn, bool sinister = false) {
    constexpr float kUsual = 0.75f, kShareOfWidth = 0.85f, kLargest = 1.6f, kLeaning = 1.3f;
    const ShieldGeometry& g = s.geometry;
    const bool loaded = s.pictureLoaded;
    PictureExtent picture;
    const bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    const long long drawnHigh = picture.lastRow - picture.firstRow + 1;
    const bool slender = known && drawnHigh * drawnHigh >= kSlenderRatio * static_cast<long long>(picture.drawnPixels);
    if (!slender) {
        PlaceTurned(s, g.W2, g.H2, kUsual, turn);
        return;
    }
    if (std::abs(picture.lean) * kLeanDivisor > picture.width) {
        const int lean = s.reversedCharges ? -picture.lean : picture.lean;  // upside down it leans the other way
        const ChargeTurn upright = s.fesswiseFlag ? ChargeTurn::kFesswise : ChargeTurn::kAsDrawn;
        PlaceTurned(s, g.W2, g.H2, kLeaning, upright, sinister ? lean < 0 : lean > 0);
        return;
    }
    // The bend's width across it: its depth down the shield (the chief's and a little) at its slope.
    const double across = (g.chiefDepth + g.Px(kBendDepthBeyondChief)) * g.W / std::hypot(static_cast<double>(g.W), g.H);
    const float scale = static_cast<float>(kShareOfWidth * across / (picture.width * 0.5));
    PlaceTurned(s, g.W2, g.H2, std::clamp(scale, kUsual, kLargest), turn);
}

// One charge "in bend" (or "in bend sinister") lies along the diagonal, turned with it, as long
// as most of the diagonal ("a key in bend"; Macgregor's sword in bend and oak tree in bend
// sinister cross in saltire). It stood upright and small at the centre.
constexpr double kInBendShareOfDiagonal = 0.7, kInBendShareOfWidth = 0.45;
constexpr float kInBendLargestOne = 2.4f;

void PlaceOneInBend(DrawingState& s, bool sinister) {
    const ShieldGeometry& g = s.geometry;
    const bool loaded = s.pictureLoaded;
    PictureExtent picture;
    const bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    const double drawn = known ? picture.lastRow - picture.firstRow + 1 : kChargeExtentAtScaleOne * 2;
    const double across = known ? picture.lastColumn - picture.firstColumn + 1 : kChargeExtentAtScaleOne * 2;
    const double diagonal = std::hypot(static_cast<double>(g.W), static_cast<double>(g.H));
    // Long along the diagonal; a broad drawing (a tree) no broader than kInBendShareOfWidth of
    // the shield, so that what it crosses still shows.
    const double byLength = 2.0 * kInBendShareOfDiagonal * diagonal / drawn;
    const double byBreadth = 2.0 * kInBendShareOfWidth * g.W / across;
    const float scale = std::min(kInBendLargestOne, static_cast<float>(std::min(byLength, byBreadth)));
    PlaceTurned(s, g.W2, g.H2, scale, sinister ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise);
    s.bendwiseFlag = s.bendwiseSinisterFlag = false;  // the words' turn is spent on it
}

// The turn of charges on a bend: with the band (either way, as the words say) when `along`, else
// upright or fesswise as the words say.
ChargeTurn TurnOnTheBend(const DrawingState& s, bool along, bool sinister) {
    if (!along) return s.fesswiseFlag ? ChargeTurn::kFesswise : ChargeTurn::kAsDrawn;
    return sinister ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
}

void OnBend(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    // Charges on a bend are turned with it; charges merely in bend stand upright.
    const bool along = !level.levelIn && !s.uprightCharges;
    const ChargeTurn turn = TurnOnTheBend(s, along, s.bendwiseSinisterFlag);
    if (along && FillTheBend(s, n, false, turn)) {
        s.bendwiseFlag = false;
        return;
    }
    if (n == 1) {
        if (level.levelIn && !s.uprightCharges && s.level == 0) {
            PlaceOneInBend(s, false);
        } else if (!along) {
            PlaceTurned(s, g.W2, g.H2, level.levelIn ? 1.0f : 0.75f, turn);
        } else {
            PlaceOneOnABend(s, turn);
        }
    } else if (n == 2) {
        PlaceTurned(s, g.W3, g.H3, 0.65f, turn);
        PlaceTurned(s, g.W - g.W3, g.H - g.H3, 0.65f, turn);
    } else if (n == 3) {
        PlaceTurned(s, g.W4 + g.Px(2), g.H4 - 1, 0.65f, turn);
        PlaceTurned(s, g.W2 - g.Px(2), g.H2 + 1, 0.65f, turn);
        PlaceTurned(s, g.W - g.W4 - g.Px(2), g.H - g.H4 + g.Px(2), 0.65f, turn);
    } else if (n >= 4) {
        AlongTheDiagonal(s, n, false, level.levelIn ? kInBendLargest : 0.65f, turn);
    }
    s.bendwiseFlag = false;  // the words' turn is spent on them
}

// Charges on a bend sinister are turned with it, as on a bend but the other way round ("on a
// bend sinister gules a sword" stood upright across the band); "palewise" keeps them upright.
void OnBendSinister(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    const bool along = !level.levelIn && !s.uprightCharges;
    const ChargeTurn turn = TurnOnTheBend(s, along, true);
    if (along && FillTheBend(s, n, true, turn)) {
        s.bendwiseFlag = s.bendwiseSinisterFlag = false;
        return;
    }
    // On the band, as large as on a bend, which is as broad; in bend sinister a little larger.
    const float several = level.levelIn ? 0.75f : 0.65f;
    if (n >= 4) {
        AlongTheDiagonal(s, n, true, several, turn);
    } else if (n == 1) {
        if (level.levelIn && !s.uprightCharges && s.levels[0].levelIn && s.levels[0].levelInCode == ShapeCode::kBend) {
            PlaceOneInBend(s, true);  // crossing the charge in bend before it
        } else if (level.levelIn && !s.uprightCharges && s.level == 0) {
            PlaceOneInBend(s, true);
        } else if (along) {
            PlaceOneOnABend(s, turn, true);
        } else {
            PlaceTurned(s, g.W2, g.H2, 0.75f, turn);
        }
    } else if (n == 2 && !level.levelIn) {
        // On the band: where they stand on a bend, mirrored.
        PlaceMirroredOnTheSinister(s, g.W3, g.H3, several, turn, true);
        PlaceMirroredOnTheSinister(s, g.W - g.W3, g.H - g.H3, several, turn, true);
    } else if (n == 3 && !level.levelIn) {
        PlaceMirroredOnTheSinister(s, g.W4 + g.Px(2), g.H4 - 1, several, turn, true);
        PlaceMirroredOnTheSinister(s, g.W2 - g.Px(2), g.H2 + 1, several, turn, true);
        PlaceMirroredOnTheSinister(s, g.W - g.W4 - g.Px(2), g.H - g.H4 + g.Px(2), several, turn, true);
    } else if (n == 2) {
        PlaceTurned(s, 2 * g.W3, g.H3, several, turn);
        PlaceTurned(s, g.W3, 2 * g.H3, several, turn);
    } else if (n == 3) {
        PlaceTurned(s, g.W - g.W4, g.H4, several, turn);
        PlaceTurned(s, g.W2, g.H2, several, turn);
        PlaceTurned(s, g.W4, g.H - g.H4, several, turn);
    }
    s.bendwiseFlag = s.bendwiseSinisterFlag = false;  // the words' turn is spent on them
}

// Down the pale: the row rule of PlaceRow turned upright.
void OnPale(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    // "on a pale a pallet": pallets run the pale's length within its width.
    if (NamesPallets(level.levelName)) {
        NoteLayout(s, "DrawPallets(3)");
        DrawPallets(s, PiecesPlacement::kOnPale);
        return;
    }
    if (n == 1) {
        if (!OneFillsTheBand(s, level, true, 1.0f)) Place(s, g.W2, g.H2, 1.0f);
    } else if (!level.levelIn && FillTheBand(s, n, true, n == 2 ? 1.0f : std::max(kMinChargeScale, 1.1f - 0.1f * static_cast<float>(n)))) {
        return;
    } else if (n == 2) {
        Place(s, g.W2, g.H4 + g.Px(10), 1.0f);
        Place(s, g.W2, g.H - g.H4 - g.Px(10), 1.0f);
    } else if (n >= 3) {
        const float scale = std::max(kMinChargeScale, 1.1f - 0.1f * static_cast<float>(n));
        const int sp = g.H / (n + 1), q = sp / 4;
        const int step = sp + q / (n - 2) + n - 2;
        for (int i = 0, y = sp - q; i < n; ++i, y += step) Place(s, g.W2, y, scale);
    }
}

// On a chevron; on a chevron inverted (the chevron turned over about the middle of the height,
// as it is drawn) the same points turned over, the charges upright.
void OnChevron(DrawingState& s, const LevelRecord& level, int n, bool inverted = false) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    if (!level.levelIn && FillTheChevron(s, n, inverted)) return;
    auto place = [&](int x, int y, float scale, bool mirror = false) { Place(s, x, inverted ? H - y : y, scale, mirror); };
    auto four = [&](float scale) {
        place(g.W3, 3 * g.H5 - g.Px(15), scale);
        place(W - g.W3, 3 * g.H5 - g.Px(15), scale);
        place(g.W6 - g.Px(10), H - g.H3, scale);
        place(W - g.W6 + g.Px(10), H - g.H3, scale);
    };
    switch (n) {
        case 1: place(g.W2, g.H2 - g.Px(15), 0.66f); break;
        case 2:
            place(g.W4, H - g.H3 - g.Px(10), 0.66f, MirroredInPair(level.levelLine, 0));
            place(W - g.W4, H - g.H3 - g.Px(10), 0.66f, MirroredInPair(level.levelLine, 1));
            break;
        case 3:
            place(g.W2, g.H2 - g.Px(12), 0.66f);
            place(g.W4 - g.Px(12), H - g.H3 - g.Px(18), 0.66f);
            place(W - g.W4 + g.Px(12), H - g.H3 - g.Px(18), 0.66f);
            break;
        case 4: four(0.66f); break;
        case 5:
            place(g.W2, g.H2 - g.Px(10), 0.55f);
            four(0.55f);
            break;
        default: break;
    }
}

void OnCross(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    if (!level.levelIn && FillTheCross(s, n)) return;
    if (n == 1 || n == 5) Place(s, g.W2, g.H2, 0.7f);
    if (n >= 3 && n <= 5) {
        Place(s, g.W2, g.H5, 0.7f);
        Place(s, g.W5, g.H2, 0.7f);
        Place(s, g.W - g.W5, g.H2, 0.7f);
        if (n >= 4) Place(s, g.W2, g.H - g.H5, 0.7f);
    }
}

void OnSaltire(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    if (n == 2) {
        // "Two keys in saltire": crossed at the centre, one turned each way.
        // Crossing, they span the field as one charge alone does.
        const float scale = level.levelIn ? kCrossedPairScale : 0.8f;
        const ChargeTurn turn = s.bendwiseSinisterFlag ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
        PlaceTurned(s, g.W2, g.H2, scale, turn, false);
        PlaceTurned(s, g.W2, g.H2, scale, turn, true);
        s.bendwiseFlag = false;  // the words' turn is spent on the pair
        return;
    }
    if (n == 1 || n == 5 || n == 9) Place(s, g.W2, g.H2, n == 9 ? 0.5f : 0.9f);
    if (n == 4 || n == 5) {
        float scale = n == 4 ? 0.6f : 0.5f;
        if (s.level == 0 || level.levelIn) scale = 0.9f;
        Place(s, g.W4, g.H4, scale);
        Place(s, W - g.W4, g.H4, scale);
        Place(s, g.W4, H - g.H4, scale);
        Place(s, W - g.W4, H - g.H4, scale);
    } else if (n == 9) {
        const int points[8][2] = {{g.W6, g.H6},           {W - g.W6, g.H6},          {2 * g.W6, 2 * g.H6},
                                  {W - 2 * g.W6, 2 * g.H6}, {2 * g.W6, H - 2 * g.H6}, {W - 2 * g.W6, H - 2 * g.H6},
                                  {g.W6, H - g.H6},       {W - g.W6, H - g.H6}};
        for (const auto& p : points) Place(s, p[0], p[1], 0.5f);
    }
}

// The honour point lies between the chief point and the fess point, the nombril point between
// the fess point and the base point; one charge there is smaller than one alone on the field.
constexpr int kHonourPointPercent = 33, kNombrilPointPercent = 64;
constexpr float kChargeAtAPoint = 0.6f;

void AtAPointOfThePale(DrawingState& s, PlaceCode point, int n) {
    const ShieldGeometry& g = s.geometry;
    const int percent = point == kInHonourPoint ? kHonourPointPercent : kNombrilPointPercent;
    const int y = g.H * percent / 100;
    if (n == 1) {
        Place(s, g.W2, y, kChargeAtAPoint);
        return;
    }
    // More than one has no point to share: the nearest form is a row across it, said.
    LayoutRegion band;
    band.box = Rect{g.W6, y - g.H / 10, g.W - g.W6, y + g.H / 10};
    band.straightBottom = g.straightBottom;
    const SpotLayout layout = LayoutSpots({band, n, Arrangement::kInFess, {}});
    if (layout.spots.empty()) return;
    NoteNearestLayout(s, n);
    PlaceSpots(s, layout.spots);
}

// The charges in one of the reader's places.
void InAPlace(DrawingState& s, PlaceCode place, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    switch (place) {
        case kInNamedQuarters: InNamedQuarters(s, level, n); break;
        case kInAnnulo: InAnnuloLayout(s, n); break;
        case kOneWithinTheOther: OneWithinTheOtherLayout(s, n); break;
        case kInHonourPoint:
        case kInNombrilPoint: AtAPointOfThePale(s, place, n); break;
        case kInChiefPointBetweenBendlets:
            if (n == 1) Place(s, g.W4 + g.W / 50, g.H4 - g.H / 50, kChargeBetweenBendlets);
            break;
        case kInDexterChief:  // in dexter chief, in the first quarter
        case kInSinisterChief: InAChiefQuarter(s, place, n); break;
        case kInDexterBase:
        case kInSinisterBase: InABaseQuarter(s, place, n); break;
        case kInDexterHalf:
        case kInSinisterHalf: InAHalf(s, place, n); break;
        default: break;
    }
}

}  // namespace

void ChargesOnOrdinary(DrawingState& s) { ChargesOnOrdinary(s, s.shapeCode); }

void ChargesOnOrdinary(DrawingState& s, Direction toward) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = Current(s);
    const int n = level.levelCount;
    const int placedBefore = s.pictureCount;
    if (PiecesInTheirPart(s, toward)) return;
    if (LongChargesInPile(s, toward, n)) return;
    if (InArrangement(s, toward, level, n)) return;
    if (PlaceSmallChargesBesideTheMain(s, n)) return;
    // "three piles each charged with a mullet", "two pales each charged with a mullet": one on
    // each piece, not one on the middle of the field.
    if (!toward.IsPlace() && s.levels[0].levelCount > 1 && OnEachPieceOfTheOrdinary(s)) return;
    NoteLayout(s, "ChargesOnOrdinary(" + std::to_string(CodeOf(toward)) + ")");
    if (toward.IsPlace()) InAPlace(s, toward.place, level, n);
    switch (toward.Shape()) {
        case ShapeCode::kFess: OnFess(s, level, n); break;
        case ShapeCode::kBend: OnBend(s, level, n); break;
        case ShapeCode::kBendSinister: OnBendSinister(s, level, n); break;
        case ShapeCode::kPale: OnPale(s, level, n); break;
        case ShapeCode::kChevron: OnChevron(s, level, n); break;
        case ShapeCode::kChevronInverted: OnChevron(s, level, n, true); break;
        case ShapeCode::kCross: OnCross(s, level, n); break;
        case ShapeCode::kSaltire: OnSaltire(s, level, n); break;
        case ShapeCode::kChief: InChief(s, level, n); break;
        case kBase: InBase(s, n); break;
        case ShapeCode::kBordure: OnBordureLayout(s); break;
        case ShapeCode::kCanton:
            if (n == 1) Place(s, g.W * 12 / 100, g.H * 10 / 100, 0.55f);
            break;
        case ShapeCode::kOrle: OnOrleLayout(s, n); break;
        case ShapeCode::kFlaunches: OnTheFlaunches(s, n); break;
        case ShapeCode::kPiles:
            if (n == 1) {
                Place(s, g.W2, g.H2, 0.9f);
            } else if (n == 2) {
                Place(s, g.W2, g.H4, 1.0f);
                Place(s, g.W2, 3 * g.H5 + g.Px(5), 0.6f);
            } else if (n == 3) {
                Place(s, g.W2, g.H5, 1.0f);
                Place(s, g.W2, g.H2 + g.Px(8), 0.7f);
                Place(s, g.W2, g.H - g.H4, 0.5f);
            }
            break;
        default: break;
    }
    // A count the tables do not name is set in the arrangement, or the part of the field, that the
    // code stands for.
    const bool inAQuarter = toward == kInDexterChief || toward == kInSinisterChief || toward == kInDexterBase ||
                            toward == kInSinisterBase || toward == kInDexterHalf ||
                            toward == kInSinisterHalf;  // decided there
    if (s.pictureCount == placedBefore && PlacesPictures(level) && !inAQuarter) PlaceArranged(s, toward, n);
}

}  // namespace esc
