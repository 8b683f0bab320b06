// Charges on an ordinary, or in its direction ("three mullets in bend", "a mullet for
// difference"): one table per ordinary, by count. Codes and counts not named place nothing
// here, and ArrangeLevel tells the user so.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/ArrangementWords.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/MainChargeWithSmall.h"
#include "interpret/layout/OnTheBordure.h"
#include "interpret/layout/OnTheOrdinary.h"
#include "interpret/layout/OrdinariesAboutTheFess.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
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
    if (level.levelName == "bars") {
        NoteLayout(s, "DrawBars(2)");
        DrawBars(s, 2);
        return;
    }
    if (n >= 2 && (level.levelName == "pallet" || level.levelName == "pallets")) {
        NoteLayout(s, "DrawPallets(2)");
        DrawPallets(s, 2);
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
        s.placementY = g.H2;
        PlaceRow(s, n, 0.0f);
    }
}

constexpr float kInBendLargest = 0.9f;
// The space between two bendlets is about as wide as a charge at this scale.
constexpr float kChargeBetweenBendlets = 0.7f;
constexpr float kChargeInTheQuarter = 1.2f;  // one charge in the dexter or sinister chief
// A drawing at least this many times as tall as its mean width is slender (a sword, whose
// quillons make its box wide, a rapier, a spear, a quill; not a candle, which stands): it lies
// along a chief.
constexpr long long kSlenderRatio = 7;
// A drawing whose halves' mean columns lie more than this share of its width apart leans.
constexpr int kLeanDivisor = 8;
constexpr int kBendDepthBeyondChief = 10;  // the bend's depth down the shield is the chief's and this
constexpr float kCrossedPairScale = 2.0f;

// Four and more along the diagonal of a bend (or bend sinister), evenly from chief to base, each
// as large as the spacing allows: the boxes of neighbours stay apart down the shield (its height
// gives the longer of the two steps).
void AlongTheDiagonal(DrawingState& s, int n, bool sinister, float largest) {
    const ShieldGeometry& g = s.geometry;
    const double spacing = static_cast<double>(std::max(g.W, g.H)) / (n + 1);
    const float scale = std::min(largest, static_cast<float>(spacing) * kChargeShareOfCell / kChargeExtentAtScaleOne);
    for (int i = 1; i <= n; ++i) {
        const int x = g.W * i / (n + 1), y = g.H * i / (n + 1);
        Place(s, sinister ? g.W - x : x, y, scale);
    }
}

// One charge turned along a bend: at 0.75, or a slender upright drawing (a sword, a rapier) as
// large as the bend's width allows across it, which a drawing as long as the bend never reaches.
// A slender drawing that leans (the quill, drawn bendwise sinister) already lies nearly along a
// bend: it is not turned, which would stand it across, but mirrored to lean the bend's way
// (inverted, it leans so already) and made as large as its lean off the bend's slope allows.
void PlaceOneOnABend(DrawingState& s, bool sinister = false) {
    constexpr float kUsual = 0.75f, kShareOfWidth = 0.85f, kLargest = 1.6f, kLeaning = 1.3f;
    const ShieldGeometry& g = s.geometry;
    const bool loaded = s.pictureLoaded;
    PictureExtent picture;
    const bool known = LevelPictureExtent(s, picture);
    s.pictureLoaded = loaded;
    const long long drawnHigh = picture.lastRow - picture.firstRow + 1;
    const bool slender = known && drawnHigh * drawnHigh >= kSlenderRatio * static_cast<long long>(picture.drawnPixels);
    if (!slender) {
        Place(s, g.W2, g.H2, kUsual);
        return;
    }
    if (std::abs(picture.lean) * kLeanDivisor > picture.width) {
        const int lean = s.reversedCharges ? -picture.lean : picture.lean;  // upside down it leans the other way
        const bool sinisterTurn = s.bendwiseSinisterFlag;
        s.bendwiseFlag = s.bendwiseSinisterFlag = false;
        Place(s, g.W2, g.H2, kLeaning, sinister ? lean < 0 : lean > 0);
        s.bendwiseFlag = true;
        s.bendwiseSinisterFlag = sinisterTurn;
        return;
    }
    // The bend's width across it: its depth down the shield (the chief's and a little) at its slope.
    const double across = (g.chiefDepth + kBendDepthBeyondChief) * g.W / std::hypot(static_cast<double>(g.W), g.H);
    const float scale = static_cast<float>(kShareOfWidth * across / (picture.width * 0.5));
    Place(s, g.W2, g.H2, std::clamp(scale, kUsual, kLargest));
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
    s.bendwiseFlag = true;
    s.bendwiseSinisterFlag = sinister;
    Place(s, g.W2, g.H2, scale);
    s.bendwiseFlag = s.bendwiseSinisterFlag = false;
}

void OnBend(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    // Charges on a bend are turned with it; charges merely in bend stand upright.
    s.bendwiseFlag = !level.levelIn && !s.uprightCharges;
    if (!level.levelIn && FillTheBend(s, n, false)) {
        s.bendwiseFlag = false;
        return;
    }
    if (n == 1) {
        if (level.levelIn && !s.uprightCharges && s.level == 0) {
            PlaceOneInBend(s, false);
        } else if (level.levelIn || !s.bendwiseFlag) {
            Place(s, g.W2, g.H2, level.levelIn ? 1.0f : 0.75f);
        } else {
            PlaceOneOnABend(s);
        }
    } else if (n == 2) {
        Place(s, g.W3, g.H3, 0.65f);
        Place(s, g.W - g.W3, g.H - g.H3, 0.65f);
    } else if (n == 3) {
        Place(s, g.W4 + g.Px(2), g.H4 - 1, 0.65f);
        Place(s, g.W2 - g.Px(2), g.H2 + 1, 0.65f);
        Place(s, g.W - g.W4 - g.Px(2), g.H - g.H4 + g.Px(2), 0.65f);
    } else if (n >= 4) {
        AlongTheDiagonal(s, n, false, level.levelIn ? kInBendLargest : 0.65f);
    }
    s.bendwiseFlag = false;
}

// Charges on a bend sinister are turned with it, as on a bend but the other way round ("on a
// bend sinister gules a sword" stood upright across the band); "palewise" keeps them upright.
void OnBendSinister(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    s.bendwiseFlag = s.bendwiseSinisterFlag = !level.levelIn && !s.uprightCharges;
    if (!level.levelIn && FillTheBend(s, n, true)) {
        s.bendwiseFlag = s.bendwiseSinisterFlag = false;
        return;
    }
    if (n >= 4) {
        AlongTheDiagonal(s, n, true, 0.75f);
    } else if (n == 1) {
        if (level.levelIn && !s.uprightCharges && s.levels[0].levelIn && s.levels[0].levelInCode == ShapeCode::kBend) {
            PlaceOneInBend(s, true);  // crossing the charge in bend before it
        } else if (level.levelIn && !s.uprightCharges && s.level == 0) {
            PlaceOneInBend(s, true);
        } else if (s.bendwiseFlag) {
            PlaceOneOnABend(s, true);
        } else {
            Place(s, g.W2, g.H2, 0.75f);
        }
    } else if (n == 2) {
        Place(s, 2 * g.W3, g.H3, 0.75f);
        Place(s, g.W3, 2 * g.H3, 0.75f);
    } else if (n == 3) {
        Place(s, g.W - g.W4, g.H4, 0.75f);
        Place(s, g.W2, g.H2, 0.75f);
        Place(s, g.W4, g.H - g.H4, 0.75f);
    }
    s.bendwiseFlag = s.bendwiseSinisterFlag = false;
}

// Down the pale: the row rule of PlaceRow turned upright.
void OnPale(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    // "on a pale a pallet": pallets run the pale's length within its width.
    if (level.levelName == "pallet" || level.levelName == "pallets") {
        NoteLayout(s, "DrawPallets(3)");
        DrawPallets(s, 3);
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
// Whether the quarter named by shapeCode (in dexter or sinister chief) is clear of the first
// ordinary: none drawn, or a bend beside the sinister chief, a bend sinister beside the dexter.
bool QuarterClearOfTheOrdinary(const DrawingState& s) {
    const int first = s.firstOrdinaryShape;
    if (s.level == 0 || first == ShapeCode::kNoShape) return s.partitionCode == -1;
    return (first == ShapeCode::kBend && s.shapeCode == kInSinisterChief) ||
           (first == ShapeCode::kBendSinister && s.shapeCode == kInDexterChief);
}

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
        s.bendwiseFlag = true;
        Place(s, g.W2, g.H2, scale, false);
        Place(s, g.W2, g.H2, scale, true);
        s.bendwiseFlag = false;
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

// Charges on a chief: each in an equal share of the chief's breadth, as large as its picture fits
// that cell and the chief's solid depth with a margin all round, so that none touches another,
// the chief's edges or the shield's. A charge with others to stand between it ("on a chief a lion
// between two mullets") takes the middle third, and those two the outer thirds.
constexpr int kChiefMargin = 5;           // pixels kept free round each charge on the chief
constexpr int kChiefTopRows = 2;          // the shield's outline along the chief's top
constexpr float kLargestOnChief = 1.0f;
constexpr float kRoundelReachAtScaleOne = 110.0f;  // a roundel's diameter at scale 1

bool OnChiefFitted(DrawingState& s, const LevelRecord& level, int n) {
    if (n < 1 || level.levelIn || s.lastShapeCode == 1) return false;
    const ShieldGeometry& g = s.geometry;
    const bool between = level.levelBetween && Level(s, s.level - 2).levelOn;
    const bool onChief = Previous(s).levelOn || between;
    if (!onChief) return false;
    // The cells: the centre of each and their width.
    std::vector<int> centres;
    int cell = g.W / n;
    if (between) {
        if (n != 2 || Previous(s).levelCount != 1) return false;
        cell = g.W / 3;
        centres = {g.W / 6, g.W - g.W / 6};
    } else if (n == 1 && Level(s, s.level + 1).levelBetween) {
        cell = g.W / 3;
        centres = {g.W2};
    } else {
        for (int j = 0; j < n; ++j) centres.push_back((2 * j + 1) * g.W / (2 * n));
    }
    const int top = kChiefTopRows + kChiefMargin;
    const int bottom = shapes::ChiefInnerEdge(g, Previous(s).levelOn ? Previous(s).levelLine : Level(s, s.level - 2).levelLine) -
                       kChiefMargin;
    const float high = static_cast<float>(bottom - top), wide = static_cast<float>(cell - 2 * kChiefMargin);
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
    s.fesswiseFlag = fesswise;
    for (std::size_t j = 0; j < centres.size(); ++j)
        Place(s, centres[j], y, scale, MirroredInPair(level.levelLine, static_cast<int>(j)));
    s.fesswiseFlag = false;
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

// In or on a chief. The steps run in order: the early ones finish some cases; steps 3 to 5
// choose the height and scale; step 7 corrects the height in its own case and then places the
// row for every case not finished earlier.
void InChief(DrawingState& s, const LevelRecord& level, int n) {
    const ShieldGeometry& g = s.geometry;
    const int line = level.levelLine;
    if (s.lastShapeCode == 1) {
        // A field per bend: the chief's place is the upper right half.
        if (n == 1) {
            Place(s, g.W - g.W4, g.H4, 1.0f);
        } else if (n == 2) {
            Place(s, g.W - g.W2 + g.Px(10), g.H5, 1.0f, MirroredInPair(line, 0));
            Place(s, g.W - g.W5, g.H2 - g.Px(10), 1.0f, MirroredInPair(line, 1));
        }
        return;
    }
    if (s.level == 0) s.lastShapeCode = 0;
    if (TwoInTheChiefQuarters(s, level, n)) return;
    if (s.lastShapeCode == 0 && n == 1) {
        Place(s, g.W2, g.H4, 1.0f);
        return;
    }
    const bool small = level.levelIn || Previous(s).levelOn || (level.levelBetween && Level(s, s.level - 2).levelOn);
    int y = small ? g.H5 / 2 - 8 : g.H4 - g.Px(15);
    float scale = small ? 0.4f : 0.6f;
    const int partition = s.partitionCode;
    const bool chevronOrFess = s.lastShapeCode == 0 || partition == 4 || partition == 14 || partition == 0;
    if (chevronOrFess && n == 2) {
        y = partition == 4 ? g.H4 + g.Px(5) : g.H4 - g.Px(15);
        Place(s, g.W / 4, y, 1.0f);
        Place(s, 3 * (g.W / 4), y, 1.0f);
        return;
    }
    if (chevronOrFess) {
        y = g.H4 - g.Px(15);
        scale = n < 4 ? 0.9f : 0.5f;
    }
    if (partition == -1 && s.level == 0) {
        y = g.H4;
        scale = ShrinkingScale(n);
    }
    if (level.levelName == "bars") {
        NoteLayout(s, "DrawBars(1)");
        DrawBars(s, 1);
        return;
    }
    if (level.levelName == "pallet" || level.levelName == "pallets") {
        NoteLayout(s, "DrawPallets(1)");
        DrawPallets(s, 1);
        return;
    }
    if (OnChiefFitted(s, level, n) || InChiefAboveTheBars(s, n)) return;
    if (s.lastShapeCode == -1 && partition == -1 && s.level == 1) y = g.H5 / 2;
    const int cw = g.W / (n + 1);
    for (int j = 0; j < n; ++j) Place(s, (j + 1) * cw, y, scale, MirroredInPair(line, j));
}

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
    const RoomFit fit = afterOrdinary ? LargestRowInRoom(s, FreeSpace::AroundOrdinary(s, false), xs, g.W, room, taken, largest)
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

void InBase(DrawingState& s, int n) {
    const ShieldGeometry& g = s.geometry;
    if (s.partitionCode == ShapeCode::kBend) {
        Place(s, g.W4 + g.Px(10), g.H - g.H3, 1.0f);
        return;
    }
    int y = (s.lastShapeCode == ShapeCode::kChevron || s.lastShapeCode == ShapeCode::kFess) ? g.H - g.H4 + g.Px(5) : g.H - g.H4 + g.Px(15);
    if (s.partitionCode == -1 && s.level == 0) y = g.H - g.H3;
    if (n == 1 && (OneInTheBasePart(s) || OneInBaseFillsItsRoom(s))) return;
    if (n == 1) {
        Place(s, g.W2, y, kOneInBase);
    } else if (n == 2) {
        Place(s, g.W4, y, 1.0f);
        Place(s, 3 * g.W4, y, 1.0f);
    } else if (n >= 3) {
        s.placementY = y;
        PlaceRow(s, n, 0.0f);
    }
}

// Charges arranged in the direction of an ordinary with no ordinary drawn ("three fishes in
// pale", "five plates in saltire"): each gets a square cell on the ordinary's line, and fills it
// as a charge fills the cell of any fitted layout, up to the size of a charge alone. The counts
// the fixed tables below already give keep them; this places the rest.
constexpr float kInArrangementLargest = 1.0f;
constexpr float kInArrangementLargestLong = 1.8f;
constexpr int kEdgeMargin = 6;  // between a cell and the shield's edge

struct CellPoint {
    int x, y;
};

void PlaceInCells(DrawingState& s, const std::vector<CellPoint>& points, int cell) {
    const ShieldGeometry& g = s.geometry;
    // No cell reaches past the outline: the point nearest an edge bounds them all.
    for (const CellPoint& p : points) {
        const int room = std::min({p.x, g.W - p.x, p.y, g.straightBottom - p.y + g.H / 12}) - kEdgeMargin;
        cell = std::min(cell, 2 * room);
    }
    float scale = std::max(kMinChargeScale, std::min(kInArrangementLargest, static_cast<float>(cell) * kChargeShareOfCell /
                                                                                static_cast<float>(kChargeExtentAtScaleOne)));
    // Long or tall drawings alone on the field ("three lions passant in pale") grow until their
    // drawings meet: the square cells left two thirds of a lion passant's room empty.
    int top = 0;
    if (s.level == 0 && RoomLeftByLaterEdges(s, top) && CurrentDrawingIsLong(s)) {
        std::vector<std::pair<int, int>> centres;
        for (const CellPoint& p : points) centres.emplace_back(p.x, p.y);
        scale = LargestCommonScale(s, FreeSpace::Field(s), centres, scale, kInArrangementLargestLong, top);
    }
    // On a parted field, each in its own part ("per saltire, in pale two moose's heads", one in
    // the chief's triangle and one in the base's) grows until its drawing meets that part's edge.
    if (s.level == 0 && s.partitionCode != -1 && RoomLeftByLaterEdges(s, top)) {
        float inParts = kInArrangementLargestLong;
        for (const CellPoint& p : points) {
            const std::function<bool(const Rect&)> inPart = InTheFieldPartAt(s, p.x, p.y);
            const auto allowed = [&](const Rect& r) { return r.top >= top && inPart(r); };
            inParts = std::min(inParts, LargestScaleAt(s, FreeSpace::Field(s), p.x, p.y, {}, allowed, kInArrangementLargestLong));
        }
        scale = std::max(scale, inParts);
    }
    for (const CellPoint& p : points) Place(s, p.x, p.y, scale);
}

// Evenly along the segment from (x1, y1) to (x2, y2), `n` points, the first `from` steps out
// and the last at the far end.
void AlongSegment(std::vector<CellPoint>& out, double x1, double y1, double x2, double y2, int n, double from) {
    for (int i = 0; i < n; ++i) {
        const double t = (from + i) / (from + n - 1);
        out.push_back({static_cast<int>(std::lround(x1 + t * (x2 - x1))), static_cast<int>(std::lround(y1 + t * (y2 - y1)))});
    }
}

// The least distance between two points, on a square grid seen from its squares: boxes whose
// centres lie `dx` and `dy` apart overlap only if both are less than the box's side.
int SquareSpacing(const std::vector<CellPoint>& points) {
    int best = 1 << 20;
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j)
            best = std::min(best, std::max(std::abs(points[i].x - points[j].x), std::abs(points[i].y - points[j].y)));
    return best;
}

bool InArrangement(DrawingState& s, const LevelRecord& level, int n) {
    if (!level.levelIn || n < 2) return false;
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    std::vector<CellPoint> points;
    switch (s.shapeCode) {
        case ShapeCode::kFess:  // in fess: one row across the fess point
            if (n < 3) return false;
            for (int i = 0; i < n; ++i) points.push_back({W * (2 * i + 1) / (2 * n), g.H2});
            break;
        case ShapeCode::kPale:  // in pale: one column down the middle, clear of the base point
            for (int i = 0; i < n; ++i) points.push_back({g.W2, g.straightBottom * (2 * i + 1) / (2 * n) + g.H / 24});
            break;
        case ShapeCode::kBend:
        case ShapeCode::kBendSinister: {  // in bend, in bend sinister: along the diagonal
            const bool sinister = s.shapeCode == ShapeCode::kBendSinister;
            for (int i = 1; i <= n; ++i) {
                const int x = W * i / (n + 1), y = H * i / (n + 1);
                points.push_back({sinister ? W - x : x, y});
            }
            break;
        }
        case ShapeCode::kCross:    // in cross: the centre (when the count is odd) and as many along each arm
        case ShapeCode::kSaltire: {  // in saltire: the same along the diagonals
            if (n < 4 || (n % 4 != 0 && n % 4 != 1)) return false;
            const bool centre = n % 4 == 1;
            const int k = n / 4;
            if (centre) points.push_back({g.W2, g.H2});
            const double reachX = g.W2 * 0.62, reachY = g.H2 * 0.62;
            const int dirs[4][2] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
            const int diag[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
            for (const auto& d : s.shapeCode == ShapeCode::kCross ? dirs : diag)
                AlongSegment(points, g.W2, g.H2, g.W2 + d[0] * reachX, g.H2 + d[1] * reachY, k, centre ? 1.0 : 0.5);
            break;
        }
        case ShapeCode::kChevron: {  // in chevron: the point and as many down each limb
            if (n < 3) return false;
            const int k = n / 2;
            const bool point = n % 2 == 1;
            const double apexY = H * 0.36, endX = W * 0.14, endY = apexY + (g.W2 - endX) * 0.84;
            if (point) points.push_back({g.W2, static_cast<int>(apexY)});
            AlongSegment(points, g.W2, apexY, endX, endY, k, point ? 1.0 : 0.5);
            // The sinister limb mirrors the dexter one about the point.
            const std::size_t dexter = points.size() - static_cast<std::size_t>(k);
            for (std::size_t i = dexter; i < dexter + static_cast<std::size_t>(k); ++i)
                points.push_back({2 * g.W2 - points[i].x, points[i].y});
            break;
        }
        case ShapeCode::kPiles: {  // in pile: rows narrowing to the base, 2 and 1, 3 2 and 1, 4 3 2 and 1
            int rows = 1;
            while (rows * (rows + 1) / 2 < n) ++rows;
            if (rows * (rows + 1) / 2 != n || rows < 2) return false;
            const int top = H / 10, rowHeight = (g.straightBottom - top) / rows;
            for (int r = 0; r < rows; ++r) {
                const int inRow = rows - r, pitch = W * 4 / 5 / rows;
                for (int j = 0; j < inRow; ++j)
                    points.push_back({g.W2 + (2 * j - inRow + 1) * pitch / 2, top + rowHeight * r + rowHeight / 2});
            }
            break;
        }
        default: return false;
    }
    NoteLayout(s, "InArrangement(" + std::to_string(s.shapeCode) + ")");
    PlaceInCells(s, points, SquareSpacing(points));
    return true;
}

// "in the second and third quarters a fret": one in each quarter named, filling it. A fret is
// its shape made small; a charge stands in the middle of the quarter.
constexpr float kChargeInAQuarter = 1.0f;

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

}  // namespace

void ChargesOnOrdinary(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = Current(s);
    const int n = level.levelCount;
    if (InArrangement(s, level, n)) return;
    if (PlaceSmallChargesBesideTheMain(s, n)) return;
    NoteLayout(s, "ChargesOnOrdinary(" + std::to_string(s.shapeCode) + ")");
    switch (s.shapeCode) {
        case ShapeCode::kFess: OnFess(s, level, n); break;
        case ShapeCode::kBend: OnBend(s, level, n); break;
        case ShapeCode::kBendSinister: OnBendSinister(s, level, n); break;
        case ShapeCode::kPale: OnPale(s, level, n); break;
        case ShapeCode::kChevron: OnChevron(s, level, n); break;
        case ShapeCode::kChevronInverted: OnChevron(s, level, n, true); break;
        case ShapeCode::kCross: OnCross(s, level, n); break;
        case ShapeCode::kSaltire: OnSaltire(s, level, n); break;
        case ShapeCode::kChief: InChief(s, level, n); break;
        case kInBase: InBase(s, n); break;
        case ShapeCode::kBordure: OnBordureLayout(s); break;
        case ShapeCode::kCanton:
            if (n == 1) Place(s, g.W * 12 / 100, g.H * 10 / 100, 0.55f);
            break;
        case kInNamedQuarters: InNamedQuarters(s, level, n); break;
        case kInAnnulo: InAnnuloLayout(s, n); break;
        case kOrleShape: OnOrleLayout(s, n); break;
        case kInChiefPointBetweenBendlets:
            if (n == 1) Place(s, g.W4 + g.W / 50, g.H4 - g.H / 50, kChargeBetweenBendlets);
            break;
        case kInDexterChief:  // in dexter chief, in the first quarter: the charge fills the quarter
        case kInSinisterChief:  // in sinister chief, in the second quarter
            if (n == 1) {
                // Above a fess the quarter ends at the fess's upper edge, beside a cross also at
                // its limb's: the charge is centred in what is left of it and kept off the fess or
                // cross (whose width is the chief's depth).
                const int halfLimb = g.chiefDepth / 2;
                const bool aboveFess = s.level > 0 && s.firstOrdinaryShape == ShapeCode::kFess;
                const bool besideCross = s.level > 0 && s.firstOrdinaryShape == ShapeCode::kCross;
                const int bottom = aboveFess || besideCross ? g.H2 - halfLimb : g.H2;
                const int width = besideCross ? g.W2 - halfLimb : g.W2;
                const int x = s.shapeCode == kInDexterChief ? width / 2 : g.W - width / 2;
                const float room = static_cast<float>(std::min(bottom, width) - 2 * kEdgeMargin) / kChargeExtentAtScaleOne;
                if (aboveFess || besideCross) {
                    Place(s, x, bottom / 2, std::min(kChargeInTheQuarter, room));
                } else {
                    Place(s, s.shapeCode == kInDexterChief ? g.W4 : g.W - g.W4, g.H4, kChargeInTheQuarter);
                }
            } else if (n == 3 && QuarterClearOfTheOrdinary(s)) {
                // "in sinister chief three escallops": two and one within the quarter, each in a
                // cell of a quarter of it.
                const int left = s.shapeCode == kInDexterChief ? 0 : g.W2;
                const int cell = std::min(g.W2 / 2, g.H2 / 2);
                const float scale = static_cast<float>(cell) * kChargeShareOfCell / kChargeExtentAtScaleOne;
                Place(s, left + g.W2 / 4, g.H2 / 4, scale);
                Place(s, left + 3 * g.W2 / 4, g.H2 / 4, scale);
                Place(s, left + g.W2 / 2, 3 * g.H2 / 4, scale);
            }
            break;
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
}

}  // namespace esc
