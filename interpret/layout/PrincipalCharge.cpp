#include "interpret/layout/PrincipalCharge.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/ChargeKinds.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

constexpr ShapeCode kNoField = kNoShape;                 // partitionCode of a plain field
constexpr float kScaleStep = 0.05f;          // the sizes tried for the principal charge, largest first
// The charges round a principal one: two at its flanks, this far in from W6; more in the corners,
// this far below the chief's top edge, and the one in base this far above the foot of the
// straight sides. Fewer of them are a little larger.
constexpr int kIntoTheField = 4;
constexpr int kBaseChargeRise = 40;
constexpr float kRoundTwoScale = 0.7f, kRoundThreeScale = 0.65f, kRoundFourScale = 0.6f, kRoundFiveScale = 0.55f;
constexpr int kFifthInBaseLower = 40;  // the fifth stands this share of the height lower than three's one in base

// Whether a single charge ("a mullet", "a winged stag") begins at word i.
bool OneChargeNamedAt(const DrawingState& s, int i) {
    if (!EqualsIgnoringCase(s.Word(i), "a") && !EqualsIgnoringCase(s.Word(i), "an")) return false;
    const int charge = s.Type(i + 1) == kTypePrefix ? i + 2 : i + 1;
    return kinds::NamesACharge(s.Type(charge));
}

// Whether the words from `from` up to the next tincture (or the end) set a group in a place of
// its own or join another to it.
bool PlacedOrJoinedBeforeTincture(const DrawingState& s, int from, int& tinctureAt) {
    int k = from;
    for (; k < s.wordCount && s.Type(k) != kTypeTincture; ++k)
        if (kinds::IsOneOf(s.Word(k), {"in", "and", "on", "between", "within", "each"})) break;
    tinctureAt = k;
    return k < s.wordCount && s.Type(k) != kTypeTincture;
}

// "between a mullet and a crescent", "between a mullet azure and a crescent gules": two single
// charges joined by "and", each with no place of its own. `i` is the word "between".
bool TwoSinglesBetween(const DrawingState& s, int i) {
    if (!OneChargeNamedAt(s, i + 1)) return false;
    int k = i + 2;
    int tinctureAt = 0;
    if (PlacedOrJoinedBeforeTincture(s, k, tinctureAt)) {
        if (!EqualsIgnoringCase(s.Word(tinctureAt), "and")) return false;
        k = tinctureAt;  // "a mullet and a crescent gules": one tincture for both
    } else {
        k = tinctureAt + 1;  // after the first one's tincture
    }
    if (!EqualsIgnoringCase(s.Word(k), "and") || !OneChargeNamedAt(s, k + 1)) return false;
    return !PlacedOrJoinedBeforeTincture(s, k + 2, tinctureAt);
}

}  // namespace

int CountBetweenAfter(const DrawingState& s) {
    for (int i = std::max(s.levelFirstWord, 0); i < s.wordCount; ++i) {
        if (!EqualsIgnoringCase(s.Word(i), "between")) continue;
        if (TwoSinglesBetween(s, i)) return 2;
        // One group up to its tincture: "two wolves' heads in chief and an escallop in base" is two
        // groups in places of their own.
        for (int k = i + 2; k < s.wordCount && s.Type(k) != kTypeTincture; ++k)
            if (EqualsIgnoringCase(s.Word(k), "in") || EqualsIgnoringCase(s.Word(k), "and") || EqualsIgnoringCase(s.Word(k), "on"))
                return 0;
        // "between two flaunches", "two bars": pieces of the field, not charges (crosses are charges).
        const std::string_view what = s.Word(i + 2);
        if (s.Type(i + 2) == kTypeOrdinary && !(what.size() >= 5 && EqualsIgnoringCase(what.substr(0, 5), "cross"))) return 0;
        if (s.Type(i + 1) == kTypeNumber) return s.Sub1(i + 1);
        if (EqualsIgnoringCase(s.Word(i + 1), "a") || EqualsIgnoringCase(s.Word(i + 1), "an")) return 1;
        return 0;
    }
    // A long blazon whose next piece begins with the group.
    return s.later.betweenCount;
}

std::vector<LayoutSpot> AroundPrincipalSpots(const ShieldGeometry& g, int count) {
    switch (count) {
        case 2:
            return {{g.W6 + kIntoTheField, g.H2, kRoundTwoScale}, {g.W - g.W6 - kIntoTheField, g.H2, kRoundTwoScale}};
        case 3:
            return {{g.W5, g.H6 + kIntoTheField, kRoundThreeScale},
                    {g.W - g.W5, g.H6 + kIntoTheField, kRoundThreeScale},
                    {g.W2, std::min(g.H - g.H6, g.straightBottom - kBaseChargeRise), kRoundThreeScale}};
        case 4: {
            const int low = std::min(g.H - g.H5, g.straightBottom - kBaseChargeRise);
            return {{g.W5, g.H6 + kIntoTheField, kRoundFourScale},
                    {g.W - g.W5, g.H6 + kIntoTheField, kRoundFourScale},
                    {g.W5, low, kRoundFourScale},
                    {g.W - g.W5, low, kRoundFourScale}};
        }
        case 5: {
            // The four corners, the lower pair raised to the flanks, and one in base below it.
            const int low = g.H2 + g.H6;
            const int base = std::min(g.H - g.H6, g.straightBottom - kBaseChargeRise) + g.H / kFifthInBaseLower;
            return {{g.W5, g.H6 + kIntoTheField, kRoundFiveScale},
                    {g.W - g.W5, g.H6 + kIntoTheField, kRoundFiveScale},
                    {g.W6, low, kRoundFiveScale},
                    {g.W - g.W6, low, kRoundFiveScale},
                    {g.W2, base, kRoundFiveScale}};
        }
        default: return {};
    }
}

bool StandsRoundThePrincipal(const DrawingState& s) {
    const LevelRecord& level = s.levels[static_cast<std::size_t>(std::clamp(s.level, 0, kMaxLevels - 1))];
    if (s.level != 1 || !level.levelBetween || s.principalRoundCount <= 0) return false;
    // The first of two single charges takes the first of the pair's places.
    return s.principalRoundCount == level.levelCount || (s.principalRoundCount == 2 && level.levelCount == 1);
}

float PrincipalChargeScale(DrawingState& s, int& roundCount) {
    roundCount = 0;
    // A field parted or not, the charges round the principal stand in the same places.
    const ShieldGeometry& g = s.geometry;
    const int count = CountBetweenAfter(s);
    const std::vector<LayoutSpot> others = AroundPrincipalSpots(g, count);
    if (others.empty()) return kBetweenOthersScale;
    const bool loaded = s.pictureLoaded;
    PictureExtent picture;
    std::vector<RowSpan> rows;
    const bool known = LevelPictureExtent(s, picture, &rows);
    s.pictureLoaded = loaded;
    const bool turned = s.bendwiseFlag || s.fesswiseFlag;
    // Two stand at its flanks only beside an upright drawing (a sword, a tree); a long one (a
    // greyhound courant) keeps the usual layout.
    if (count == 2 && (!known || turned || picture.lastColumn - picture.firstColumn > picture.lastRow - picture.firstRow))
        return kBetweenOthersScale;
    roundCount = count;
    if (!known) return kBetweenOthersScale;
    // The drawing at scale k covers, on picture row r, the columns first..last, painted at k / 2
    // about the fess point; mirrored for charges turned to sinister, upside down for reversed ones.
    auto clearAt = [&](float k) {
        const float half = k * kPictureScaleFactor;
        const float left = static_cast<float>(g.W2) - static_cast<float>(picture.width) * half / 2.0f;
        const float top = static_cast<float>(g.H2) - static_cast<float>(picture.height) * half / 2.0f;
        const float width = static_cast<float>(picture.width) * half;
        // Within the shield: its sides, its top and the foot of its straight sides.
        const int firstRow = s.reversedCharges ? picture.height - 1 - picture.lastRow : picture.firstRow;
        const int lastRow = s.reversedCharges ? picture.height - 1 - picture.firstRow : picture.lastRow;
        const float drawnTop = top + static_cast<float>(firstRow) * half;
        const float drawnBottom = top + static_cast<float>(lastRow + 1) * half;
        const float drawnLeft = left + static_cast<float>(picture.firstColumn) * half;
        const float drawnRight = left + static_cast<float>(picture.lastColumn + 1) * half;
        if (drawnTop < kClearOfOthers || drawnBottom > static_cast<float>(g.straightBottom - kClearOfOthers) ||
            drawnLeft < kClearOfOthers || drawnRight > static_cast<float>(g.W - kClearOfOthers))
            return false;
        if (turned) {
            // Turned, the rows are no longer rows: its whole box keeps clear of theirs.
            const float reachAcross = std::max(static_cast<float>(picture.width), static_cast<float>(picture.height)) * half / 2.0f;
            for (const LayoutSpot& other : others) {
                const float reach = static_cast<float>(kChargeExtentAtScaleOne) * other.scale / 2.0f + kClearOfOthers;
                if (std::abs(static_cast<float>(other.x - g.W2)) < reach + reachAcross &&
                    std::abs(static_cast<float>(other.y - g.H2)) < reach + reachAcross)
                    return false;
            }
            return true;
        }
        for (const LayoutSpot& other : others) {
            const float reach = static_cast<float>(kChargeExtentAtScaleOne) * other.scale / 2.0f + kClearOfOthers;
            const float x1 = static_cast<float>(other.x) - reach, x2 = static_cast<float>(other.x) + reach;
            const float y1 = static_cast<float>(other.y) - reach, y2 = static_cast<float>(other.y) + reach;
            for (int r = picture.firstRow; r <= picture.lastRow; ++r) {
                const RowSpan& span = rows[static_cast<std::size_t>(r)];
                if (span.first > span.last) continue;
                const int row = s.reversedCharges ? picture.height - 1 - r : r;  // reversed: upside down
                const float y = top + static_cast<float>(row) * half;
                if (y + half < y1 || y > y2) continue;
                float a = left + static_cast<float>(span.first) * half, b = left + static_cast<float>(span.last + 1) * half;
                if (s.sinisterCharges) std::tie(a, b) = std::pair{left + width - b, left + width - a};
                if (a < x2 && b > x1) return false;
            }
        }
        return true;
    };
    for (float k = kAloneScale; k > kBetweenOthersScale; k -= kScaleStep)
        if (clearAt(k)) return k;
    return kBetweenOthersScale;
}

}  // namespace esc
