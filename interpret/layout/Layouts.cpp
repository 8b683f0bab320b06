// The layouts of charges on the field: by count, three and more, semée, in orle and in rows.
// Positions are written with the shield's fractions (W2 = W/2, H4 = H/4, ...), as in the
// tables they come from; each position is the centre of a charge.

#include "interpret/layout/Layouts.h"

#include "interpret/layout/BelowTheLabel.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/BetweenTheWhole.h"
#include "interpret/layout/Conjoined.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/MainChargeWithSmall.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/PrincipalCharge.h"

namespace esc {

using phrase::Current;
using phrase::Level;

namespace {

constexpr int kSemeeColumns = 6, kSemeeRows = 9;
// Past this many the charges of an orle would be specks; the count is reported instead.
constexpr int kMaxChargesInOrle = 20;
constexpr float kSemeeScale = 0.3f;
// Rows written out in the blazon ("three, two and one") fill the field as rows alone on it do.
constexpr int kLargestRowCell = 160;
constexpr float kLargestRowScale = 1.2f;
// Two charges alone on the field, side by side; long or tall drawings grown up to these.
constexpr float kTwoOnTheField = 1.2f;
// Side by side two tall ones come no larger than 1.7: at 2.0 two towers crowded the field.
constexpr float kLargestOfTwoLong = 2.0f, kLargestOfTwoTall = 1.7f, kLargestOfThreeLong = 1.8f;

void FourCorners(DrawingState& s, float scale) {
    PlaceSpots(s, FourCornerSpots(s.geometry, scale));
}

}  // namespace

std::array<LayoutSpot, 3> ThreeChargeSpots(const DrawingState& s, bool alone, bool& fixed) {
    const ShieldGeometry& g = s.geometry;
    const ShapeCode partition = s.partitionCode;
    fixed = true;
    if (partition == ShapeCode::kBend || partition == ShapeCode::kBendlets) {
        const float scale = s.lastShapeCode == ShapeCode::kBend ? 1.0f : 0.6f;
        return {{{g.W - g.W2, g.H6 + g.Px(10), scale}, {g.W - g.W6 - g.Px(10), g.H2, scale}, {g.W4 + g.Px(10), g.H - g.H4 - g.Px(10), scale}}};
    }
    if (partition == ShapeCode::kPall) return {{{g.W2, g.H4 + g.Px(5), 0.8f}, {g.W - g.W4, g.H - g.H3, 0.8f}, {g.W4, g.H - g.H3, 0.8f}}};
    if (partition == ShapeCode::kPale && s.lastShapeCode == ShapeCode::kNoShape) return {{{g.W5, g.H4, 0.8f}, {g.W - g.W5, g.H4, 0.8f}, {g.W2, g.H - g.H4, 0.8f}}};
    if (partition == ShapeCode::kChevron) {
        const LayoutSpot base = alone ? LayoutSpot{g.W2, g.H - g.H4, 1.0f} : LayoutSpot{g.W2, g.H - g.H4 + g.Px(15), 0.9f};
        return {{{g.W4 - g.Px(3), g.H4, 1.0f}, {g.W - g.W4 + g.Px(3), g.H4, 1.0f}, base}};
    }
    fixed = false;
    return TwoAndOneSpots(g, alone);
}

namespace {

void ThreeCharges(DrawingState& s) {
    bool fixed = false;
    const std::array<LayoutSpot, 3> spots = ThreeChargeSpots(s, s.level == 0, fixed);
    if (fixed) {
        PlaceSpots(s, spots);
        return;
    }
    float scale = spots[0].scale;
    // Long or tall drawings (lions passant, swords) alone on a plain field grow until they
    // meet: at the square cell's scale they filled a third of their room.
    int top = 0;
    if (s.level == 0 && s.partitionCode == ShapeCode::kNoShape && RoomLeftByLaterEdges(s, top) && CurrentDrawingIsLong(s)) {
        const std::pair<int, int> centres[3] = {{spots[0].x, spots[0].y}, {spots[1].x, spots[1].y}, {spots[2].x, spots[2].y}};
        scale = LargestCommonScale(s, FreeSpace::Field(s), centres, scale, kLargestOfThreeLong, top);
    }
    for (const LayoutSpot& spot : spots) Place(s, spot.x, spot.y, scale);
}

// "two lions passant": two long, low drawings alone on a plain field stand one above the other,
// as heralds set beasts passant and fish naiant, and two tall ones side by side; both then grow
// until their drawings meet. A pair turned to or from each other stays side by side. False for
// anything else, placing nothing.
// Two charges of one kind on a field per fess or per pale, one in each half: as large as each
// half holds its drawing (two boars passant per fess were 1.0, a third of their half), the two at
// one scale. 0 on other fields, or when a piece named later keeps its room at the edge.
constexpr float kLargestInTheirPart = 2.0f;

float LargestInTheirParts(DrawingState& s, std::initializer_list<std::pair<int, int>> spots, ShapeCode partition) {
    int top = 0;
    if (s.level != 0 || (partition != ShapeCode::kFess && partition != ShapeCode::kPale) || !RoomLeftByLaterEdges(s, top))
        return 0.0f;
    // Each in a part of its own tincture: the halves of a field drawn per fess or per pale.
    const std::size_t width = static_cast<std::size_t>(s.picture.Width());
    std::vector<int> codes;
    for (const auto& [x, y] : spots) {
        const std::size_t at = static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x);
        if (at >= s.pictureBuffer.size()) return 0.0f;
        codes.push_back(s.pictureBuffer[at]);
    }
    if (std::adjacent_find(codes.begin(), codes.end()) != codes.end()) return 0.0f;
    const FreeSpace& space = FreeSpace::Field(s);
    float scale = kLargestInTheirPart;
    for (const auto& [x, y] : spots) {
        const std::function<bool(const Rect&)> inPart = InTheFieldPartAt(s, x, y);
        const auto allowed = [&](const Rect& r) { return r.top >= top && inPart(r); };
        scale = std::min(scale, LargestScaleAt(s, space, x, y, {}, allowed, kLargestInTheirPart));
    }
    return scale;
}

bool TwoLongCharges(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = Current(s);
    int top = 0;
    if (s.level != 0 || s.partitionCode != ShapeCode::kNoShape || !RoomLeftByLaterEdges(s, top) || !CurrentDrawingIsLong(s)) return false;
    DrawnReach reach;
    if (!CurrentDrawnReach(s, reach)) return false;
    const bool turned = level.levelLine == kPairFirstTurned || level.levelLine == kPairSecondTurned;
    const bool inPale = reach.across > reach.upDown && !turned;
    // In pale each stands in the middle of its half of the field below the chief, if any.
    const int upper = top + (g.straightBottom - top) / 4 + g.H / 24;
    const int lower = top + 3 * (g.straightBottom - top) / 4 + g.H / 24;
    const std::pair<int, int> centres[2] = {inPale ? std::pair{g.W2, upper} : std::pair{g.W4, g.H2},
                                            inPale ? std::pair{g.W2, lower} : std::pair{g.W - g.W4, g.H2}};
    const float scale =
        LargestCommonScale(s, FreeSpace::Field(s), centres, kTwoOnTheField, inPale ? kLargestOfTwoLong : kLargestOfTwoTall, top);
    for (int j = 0; j < 2; ++j)
        Place(s, centres[j].first, centres[j].second, scale, MirroredInPair(level.levelLine, j));
    return true;
}

}  // namespace

std::array<LayoutSpot, 3> TwoAndOneSpots(const ShieldGeometry& g, bool alone) {
    const float scale = alone ? 1.0f : 0.7f;
    const int y = alone ? g.H4 : g.H5;
    return {LayoutSpot{g.W4, y, scale}, LayoutSpot{g.W - g.W4, y, scale},
            LayoutSpot{g.W2, alone ? g.H - g.H4 - g.Px(15) : g.H - g.H4 + g.Px(15), scale}};
}

std::array<LayoutSpot, 4> FourCornerSpots(const ShieldGeometry& g, float scale) {
    return {LayoutSpot{g.W4, g.H4, scale}, LayoutSpot{g.W - g.W4, g.H4, scale}, LayoutSpot{g.W4, g.H - g.H4, scale},
            LayoutSpot{g.W - g.W4, g.H - g.H4, scale}};
}

void FieldLayout(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = Current(s);
    const ShapeCode partition = s.partitionCode;
    const int line = level.levelLine;
    // "Two annulets interlaced", "three annulets conjoined": a row across the middle, each ring
    // on the next.
    if (s.conjoined && level.levelCount >= 2 && level.levelCount <= 4 && IsRingCharge(level.levelName.view())) {
        const int row[] = {level.levelCount};
        // With charges round them, the rings together take the room of one charge.
        float oneChargeScale = 0.0f;
        if (Level(s, s.level + 1).levelBetween || BetweenFollowsTheJoinedPhrase(s)) {
            int roundCount = 0;
            oneChargeScale = PrincipalChargeScale(s, roundCount);
            if (s.level == 0) s.principalRoundCount = roundCount;
        }
        if (ConjoinedRows(s, row, oneChargeScale)) return;
    }
    switch (level.levelCount) {
        case 1:
            NoteLayout(s, "FieldLayout");
            // One charge alone fills the shield; with charges round it, it is as large as they
            // leave room for.
            if (Level(s, s.level + 1).levelBetween || BetweenFollowsTheJoinedPhrase(s)) {
                int roundCount = 0;
                const float scale = PrincipalChargeScale(s, roundCount);
                if (s.level == 0) s.principalRoundCount = roundCount;
                Place(s, g.W2, g.H2, scale);
            } else if (const std::optional<Direction> direction = s.level == 0 ? SmallChargesDirectionAhead(s) : std::nullopt;
                       direction) {
                // "a lion rampant, in chief two mullets": the lion gives the small charges room.
                const LayoutSpot spot = MainChargeSpot(g, *direction);
                Place(s, spot.x, spot.y, spot.scale);
            } else {
                Place(s, g.W2, g.H2, kAloneScale);
            }
            break;
        case 2: {
            NoteLayout(s, "FieldLayout");
            if (TwoLongCharges(s)) break;
            float scale = kTwoOnTheField;
            int x1 = g.W4, y1 = g.H2, x2 = g.W - g.W4;
            if (partition == ShapeCode::kBend || partition == ShapeCode::kBendlets) {
                x1 = g.W - g.W3;
                y1 = g.H3;
            } else if (partition == ShapeCode::kFess) {
                x1 = g.W2;
                y1 = g.H3;
                scale = 1.0f;
            }
            if (line == kPairFirstTurned) x1 = g.W4;
            int y2 = y1;
            if (partition == ShapeCode::kBend || partition == ShapeCode::kBendlets) {
                x2 = g.W3;
                y2 = g.H - g.H3;
            } else if (partition == ShapeCode::kFess) {
                x2 = g.W2;
                y2 = g.H - g.H3;
            }
            scale = std::max(scale, LargestInTheirParts(s, {{x1, y1}, {x2, y2}}, partition));
            Place(s, x1, y1, scale, MirroredInPair(line, 0));
            Place(s, x2, y2, scale, MirroredInPair(line, 1));
            break;
        }
        case 3: ThreeLayout(s); break;
        case 4:
            if (partition == ShapeCode::kSaltire) {
                ChargesBetween(s, ShapeCode::kSaltire);
            } else {
                NoteLayout(s, "FieldLayout");
                FourCorners(s, partition == ShapeCode::kCross ? 0.8f : 1.1f);
            }
            break;
        default:
            if (!ConjoinedRows(s, FieldRows(level.levelCount))) FieldRowsLayout(s);
            break;
    }
}

void ThreeLayout(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    const LevelRecord& level = Current(s);
    NoteLayout(s, "ThreeLayout");
    switch (level.levelCount) {
        case 2:
            Place(s, g.W4, g.H2, 0.8f, MirroredInPair(level.levelLine, 0));
            Place(s, g.W - g.W4, g.H2, 0.8f, MirroredInPair(level.levelLine, 1));
            break;
        case 3: ThreeCharges(s); break;
        case 4: FourCorners(s, 1.0f); break;
        case 6:
            for (int y : {g.H4, g.H - g.H4})
                for (int x : {g.W4, g.W2, g.W - g.W4}) Place(s, x, y, 0.8f);
            break;
        case 8:
            for (int y : {g.H4 / 2, g.H - g.H5})
                for (int x : {g.W5, 2 * g.W5, g.W - 2 * g.W5, g.W - g.W5}) Place(s, x, y, 0.6f);
            break;
        case 10: {
            const int c = g.W / 6;
            for (int y : {g.H4, g.H - g.H4})
                for (int x : {c, 2 * c, g.W2, g.W2 + c, g.W2 + 2 * c}) Place(s, x, y, 0.3f);
            break;
        }
        default: break;
    }
}

void SemeeLayout(DrawingState& s) {
    NoteLayout(s, "SemeeLayout");
    s.pictureLoaded = false;
    const int cw = s.geometry.W / kSemeeColumns, rh = s.geometry.H / kSemeeRows;
    for (int r = 0; r < kSemeeRows; ++r) {
        for (int k = 0; k < kSemeeColumns; ++k) {
            const int x = (k + 1) * cw - (r % 2 == 1 ? cw / 2 : 0);
            Place(s, x, (r + 1) * rh, kSemeeScale);
        }
    }
}

void OrleLayout(DrawingState& s) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    NoteLayout(s, "OrleLayout");
    const bool level0 = s.level == 0;
    const float scale = level0 ? 0.5f : 0.4f;
    const int d = level0 ? 10 : 0, c = 30 + d;
    const int n = Current(s).levelCount;
    if (n != 4 && n != 8 && n != 12) {
        // Any other count evenly round the same path, from the middle of the base, so that the
        // charges stand alike either side of the pale, each as large as its share of the path
        // allows.
        const int right = W - 30 - d, bottom = H - 38 - d;
        const int across = right - c, down = bottom - c, perimeter = 2 * (across + down);
        if (n < 1 || n > kMaxChargesInOrle) return;
        const float fits = static_cast<float>(perimeter) / static_cast<float>(n) * kChargeShareOfCell /
                           static_cast<float>(kChargeExtentAtScaleOne);
        const float each = std::max(kMinChargeScale, std::min(scale, fits));
        // The dexter half of the path from the middle of the base: along the base, up the
        // dexter flank, along the chief to its middle; the sinister half mirrors it.
        auto dexterHalf = [&](int along, int& x, int& y) {
            const int base = (right - c) / 2;
            if (along <= base) {
                x = c + base - along;
                y = bottom;
            } else if (along <= base + down) {
                x = c;
                y = bottom - (along - base);
            } else {
                x = c + (along - base - down);
                y = c;
            }
        };
        for (int i = 0; i < n; ++i) {
            const int along = perimeter * i / n;
            int x = c, y = c;
            if (2 * along <= perimeter) {
                dexterHalf(along, x, y);
            } else {
                dexterHalf(perimeter - along, x, y);
                x = c + right - x;
            }
            Place(s, x, y, each);
        }
        return;
    }
    Place(s, c, c, scale);
    Place(s, W - 30 - d, c, scale);
    Place(s, 37, H - 38 - d, scale);
    Place(s, W - 37 - d, H - 38 - d, scale);
    if (n == 8) {
        Place(s, g.W2, c, scale);
        Place(s, c, g.H2, scale);
        Place(s, W - 30 - d, g.H2, scale);
        Place(s, g.W2, H - 35 - d, scale);
    } else if (n == 12) {
        Place(s, g.W3, c, scale);
        Place(s, W - g.W3 - d, c, scale);
        Place(s, c, g.H3, scale);
        Place(s, c, H - g.H3 - d, scale);
        Place(s, W - 30 - d, g.H3, scale);
        Place(s, W - 30 - d, H - g.H3 - d, scale);
        Place(s, g.W3, H - 35 - d, scale);
        Place(s, W - g.W3 - d, H - 35 - d, scale);
    }
}

void RowLayout(DrawingState& s, std::span<const int> rows) {
    NoteLayout(s, "RowLayout");
    s.pictureLoaded = false;
    s.levelFirstPicture = s.pictureCount;  // drawn as its numbers are read, before ArrangeLevel
    if (rows.empty() || ConjoinedRows(s, rows)) return;
    const Fit fit = FitRows(FreeSpace::Field(s), rows, kLargestRowCell);
    if (fit.cell == 0) {
        int total = 0;
        for (int n : rows) total += n;
        s.messages.Show(WithCount(msg::kNoLayoutForCount, total));
        return;
    }
    // "six annulets three two and one, on a chief ...": the rows drawn as their numbers are read
    // lie in the room below a chief or label named later, and within a bordure, as the rows the
    // field's layouts choose do.
    s.roomTop = RoomTopBelowALaterChiefOrLabel(s);
    s.roomInset = RoomInsetWithinALaterBordure(s);
    PlaceFit(s, fit, kLargestRowScale);
    s.roomTop = 0;
    s.roomInset = 0;
}

}  // namespace esc
