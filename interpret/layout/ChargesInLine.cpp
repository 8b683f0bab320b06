#include "interpret/layout/ChargesInLine.h"

#include <array>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Layouts.h"
#include "interpret/layout/MixedGroup.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

#include "interpret/phrase/ChargeKinds.h"

namespace esc {
namespace {

using kinds::IsChargeLevel;
using kinds::IsOneOf;
using kinds::kSemeeLine;
using kinds::NamesACharge;

// A phrase after one of these is laid out with what it names, not in a line with the others.
constexpr std::array<std::string_view, 11> kArrangedWithOthers = {
    "between", "charged", "surmounted", "maintaining", "sustaining", "holding", "enfiled", "each",
    "grasping", "ensigned", "enfiling"};
// These open something else: the line ends before them.
constexpr std::array<std::string_view, 6> kLineEnds = {"on", "in", "within", "all", "over", "overall"};

// How many phrases of one charge ("and a roundel", ", a decrescent") follow from word `i`,
// or -1 when one of them is arranged with something else.
int SingleChargesFollowing(const DrawingState& s, int i) {
    int count = 0;
    while (i < s.wordCount) {
        if (IsOneOf(s.Word(i), {"and", ","})) ++i;
        if (!IsOneOf(s.Word(i), {"a", "an"}) || !NamesACharge(s.Type(i + 1))) break;
        ++count;
        i += 2;
        for (; i < s.wordCount && !IsOneOf(s.Word(i), {"and", ",", "a", "an"}); ++i) {
            if (IsOneOf(s.Word(i), kArrangedWithOthers)) return -1;
            if (IsOneOf(s.Word(i), kLineEnds)) return count;
        }
    }
    return count;
}


bool IsSingleCharge(const LevelRecord& level) {
    return IsChargeLevel(level) && level.levelCount == 1 && !level.levelOn && !level.levelChargedOn;
}

struct LinePoint {
    int x = 0, y = 0;
    float scale = 1.0f;
};

// Where charge `index` of n stands in a pale or fess (code): where "in pale three" or "in fess
// three" of one kind would stand, each filling a square cell as wide as the spacing, clear of the
// outline, no larger than a charge alone; two in fess as two in fess are set.
constexpr float kLargestInLine = 1.0f;
constexpr float kCrossedInSaltire = 2.0f;  // crossing, the two span the field as one alone does
// Abased, the crossing is lowered by this share of the height and made smaller to stay within.
constexpr int kAbasedShare = 8;
constexpr float kCrossedAbased = 1.6f;
constexpr int kMarginToEdge = 6;  // between a cell and the shield's edge

LinePoint PointInLine(const ShieldGeometry& g, ShapeCode code, int n, int index) {
    const bool pale = code == ShapeCode::kPale;
    if (!pale && n == 2) return {index == 0 ? g.W4 : g.W - g.W4, g.H2, kLargestInLine};
    auto point = [&](int i) {
        if (pale) return LinePoint{g.W2, g.straightBottom * (2 * i + 1) / (2 * n) + g.H / 24};
        return LinePoint{g.W * (2 * i + 1) / (2 * n), g.H2};
    };
    int cell = pale ? point(1).y - point(0).y : point(1).x - point(0).x;
    for (int i = 0; i < n; ++i) {
        const LinePoint p = point(i);
        const int room = std::min({p.x, g.W - p.x, p.y, g.straightBottom - p.y + g.H / 12}) - g.Px(kMarginToEdge);
        cell = std::min(cell, 2 * room);
    }
    LinePoint p = point(index);
    p.scale = std::max(kMinChargeScale, std::min(kLargestInLine, static_cast<float>(cell) * kChargeShareOfCell /
                                                                     static_cast<float>(kChargeExtentAtScaleOne)));
    return p;
}

// "a lion passant and a bear passant", "per bend sinister gules and sable, a sun and a wolf's
// head": the first two phrases of the blazon, one charge each, stand apart, each in its own part
// of the field: side by side on a plain field or one parted per pale, one above the other per
// fess, and per bend (sinister) each in the middle of its half, the first in the half that holds
// the chief, and per chevron side by side above it, where two of three stand (a charge "in base"
// after them takes the base). Each is as large as one of two in fess. Other partitions are left to
// the layouts.
constexpr ShapeCode kPerFess = kFess, kPerBendOrBendSinister = kBend, kPerPale = kPale, kPerChevron = kChevron;

// "a wolf argent and a boar Or combattant": the word that turns the pair, after the second
// phrase, from word `from` on; -1 when the two phrases end without one.
int PairWordAfter(const DrawingState& s, int from) {
    bool secondPhrase = false;
    for (int i = std::max(from, 0); i < s.wordCount; ++i) {
        if (s.Type(i) == kTypeLine && (s.Sub1(i) == kPairFirstTurned || s.Sub1(i) == kPairSecondTurned)) return i;
        if (IsOneOf(s.Word(i), kLineEnds)) return -1;
        if (EqualsIgnoringCase(s.Word(i), "and")) {
            if (secondPhrase) return -1;
            secondPhrase = true;
        }
    }
    return -1;
}

// Each of the two grows, from where it stands, until its drawing meets the line that parts its
// part from the other's (the middle line of a plain field), the field's edge or a chief named
// later: a panther passant is long and low, and at the size of a square cell it filled a quarter
// of its half. `first` is the one in the chief's half, or the dexter one.
constexpr float kLargestInItsPart = 1.6f;
constexpr int kPartMargin = 18;  // kept from the parting line, a line indented or dancetty included
// Where the drawn line per bend (sinister) runs: this far from the line joining the corners of the
// shield's rectangle on the side of the chief's half (measured on the painted partitions).
constexpr double kPerBendLineOffset = 9, kPerBendSinisterLineOffset = 16;
// Centres tried per bend, up to a third of the way to the corner: further in, the charge fills
// more but sits crammed into the corner, off the middle of its half.
constexpr int kCornerSteps = 8, kCornerShare = 3;

void FillItsPart(DrawingState& s, LinePoint& p, ShapeCode partition, bool first, int nextWord) {
    const ShieldGeometry& g = s.geometry;
    int top = 0;
    for (int i = nextWord; i < s.wordCount; ++i)
        if (EqualsIgnoringCase(s.Word(i), "chief")) top = g.chiefDepth + kPartMargin;
    const bool sinister = s.shapeCode == ShapeCode::kBendSinister;
    // Distance from the diagonal of the shield's rectangle, positive toward the chief's half.
    const double diagonal = std::hypot(static_cast<double>(g.W), static_cast<double>(g.H));
    const auto fromBend = [&](int px, int py) {
        const int across = sinister ? g.W - px : px;
        return (static_cast<double>(across) * g.H - static_cast<double>(py) * g.W) / diagonal -
               (sinister ? kPerBendSinisterLineOffset : kPerBendLineOffset);
    };
    // Per chevron both stand above the line, each in its own half of that part.
    const std::function<bool(const Rect&)> inPart =
        partition == kPerChevron ? InTheFieldPartAt(s, p.x, p.y) : std::function<bool(const Rect&)>();
    const auto allowed = [&](const Rect& r) {
        if (r.top < top) return false;
        switch (partition) {
            case kPerChevron:
                return inPart(r) && (first ? r.right <= g.W2 - kPartMargin / 2 : r.left >= g.W2 + kPartMargin / 2);
            case kPerFess: return first ? r.bottom <= g.H2 - kPartMargin : r.top >= g.H2 + kPartMargin;
            case kPerBendOrBendSinister: {
                for (const int cx : {r.left, r.right})
                    for (const int cy : {r.top, r.bottom}) {
                        const double d = fromBend(cx, cy);
                        if (first ? d < kPartMargin : d > -kPartMargin) return false;
                    }
                return true;
            }
            default: return first ? r.right <= g.W2 - kPartMargin : r.left >= g.W2 + kPartMargin;
        }
    };
    const std::vector<Rect> taken = PaintedBoxesSoFar(s);
    const FreeSpace& space = FreeSpace::Field(s);
    if (partition != kPerBendOrBendSinister) {
        p.scale = std::max(p.scale, LargestScaleAt(s, space, p.x, p.y, taken, allowed, kLargestInItsPart));
        return;
    }
    // A box fits a triangle best tucked into its right angle, not round the middle of the
    // circle the triangle holds: the centre is tried on the way from that middle to the corner.
    const bool right = first != sinister;
    const int cornerX = right ? g.W : 0, cornerY = first ? 0 : g.straightBottom;
    const LinePoint from = p;
    for (int step = 0; step <= kCornerSteps; ++step) {
        const int x = from.x + (cornerX - from.x) * step / (kCornerShare * kCornerSteps);
        const int y = from.y + (cornerY - from.y) * step / (kCornerShare * kCornerSteps);
        const float scale = LargestScaleAt(s, space, x, y, taken, allowed, kLargestInItsPart);
        if (scale > p.scale) p = {x, y, scale};
    }
}

bool TwoChargesOnTheField(DrawingState& s, int nextWord) {
    if (s.level > 1) return false;
    for (int k = 0; k <= s.level; ++k)
        if (!IsSingleCharge(s.levels[static_cast<std::size_t>(k)])) return false;
    const int following = SingleChargesFollowing(s, nextWord);
    const int index = s.level;
    if (following < 0 || index + 1 + following != 2) return false;
    const ShieldGeometry& g = s.geometry;
    const ShapeCode partition = s.partitionCode;
    LinePoint p;
    if (partition == ShapeCode::kNoShape || partition == kPerPale) {
        p = PointInLine(g, ShapeCode::kFess, 2, index);
    } else if (partition == kPerFess) {
        p = PointInLine(g, ShapeCode::kPale, 2, index);
    } else if (partition == kPerChevron) {
        const LayoutSpot spot = TwoAndOneSpots(g, true)[static_cast<std::size_t>(index)];
        p = {spot.x, spot.y, spot.scale};
    } else if (partition == kPerBendOrBendSinister) {
        // The middle of the circle each half's triangle holds: a leg's length less the hypotenuse,
        // halved, in from the right angle's corner.
        const int w = g.W, h = g.straightBottom;
        const int r = static_cast<int>((w + h - std::hypot(static_cast<double>(w), static_cast<double>(h))) / 2);
        const bool sinister = s.shapeCode == ShapeCode::kBendSinister;
        const bool chiefHalf = index == 0;
        const int x = chiefHalf != sinister ? w - r : r;
        p = {x, chiefHalf ? r : h - r, kLargestInLine};
    } else {
        return false;
    }
    if (index == 1) {
        // The first was set so too, and the two are not joined by a relation ("a tree issuant
        // from a mount"), which sets them otherwise.
        if (s.ringWritten < 1 || RelationWordsBefore(s, s.levelFirstWord)) return false;
        const RingEntry& before =
            s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
        if (before.y == p.y && before.x == p.x) return false;
        if (before.x == g.W2 && before.y == g.H2) return false;  // laid out alone at the centre
    }
    // Combatant or addorsed after the second phrase turns the pair: the first is drawn before the
    // word is read, so it is looked for ahead. The second reads it, and it is taken from the
    // phrases after (which would read it as their own line) by becoming a word of the grammar.
    const int pair = PairWordAfter(s, index == 0 ? nextWord : nextWord - 1);
    const bool mirror = pair >= 0 && MirroredInPair(s.Sub1(pair), index);
    FillItsPart(s, p, partition, index == 0, nextWord);
    NoteLayout(s, "TwoChargesOnTheField(" + std::to_string(CodeOf(partition)) + ", " + std::to_string(index + 1) + " of 2)");
    Place(s, p.x, p.y, p.scale, mirror);
    if (index == 1 && pair >= 0) {
        s.UseWordNow(pair);
        s.wordType[static_cast<std::size_t>(pair)] = kTypeIgnored;
    }
    return true;
}

}  // namespace

bool InLineWithTheChargesBefore(DrawingState& s, int nextWord) {
    if (s.level < 0 || s.level >= kMaxLevels) return false;
    // The line begins at the last phrase opened by "in"; every phrase since names one charge.
    int start = s.level;
    while (start >= 0 && !s.levels[static_cast<std::size_t>(start)].levelIn) --start;
    // "a mullet and a crescent in pale": set out in the line named after them (MixedGroupLayout).
    if (start < 0) return s.level == 0 && LineAfterTheMembers(s, nextWord) >= 0 ? false : TwoChargesOnTheField(s, nextWord);
    const Direction code = s.levels[static_cast<std::size_t>(start)].levelInCode;
    // A semé phrase before it ("semy of oak leaves, in pale a dagger") is still open when "in" is
    // read and takes the word; the line is the phrases after it.
    if (s.levels[static_cast<std::size_t>(start)].levelLine == kSemeeLine) ++start;
    if (start > s.level) return false;
    const LevelRecord& first = s.levels[static_cast<std::size_t>(start)];
    if (first.levelCount != 1 || !NamesACharge(first.levelKind) || first.levelOn || first.levelChargedOn) return false;
    // "two swords in saltire between in pale a crown and a rose": the line stands round the
    // charges before it, in the space they leave (BetweenInPale), not across the field.
    const bool between = first.levelBetween;
    if (between && (start < 1 || code == ShapeCode::kSaltire)) return false;
    if (code != ShapeCode::kPale && code != ShapeCode::kFess && code != ShapeCode::kSaltire) return false;
    for (int k = start + 1; k <= s.level; ++k)
        if (!IsSingleCharge(s.levels[static_cast<std::size_t>(k)])) return false;
    const int following = SingleChargesFollowing(s, nextWord);
    const int index = s.level - start;
    if (following < 0 || (index == 0 && following == 0)) return false;
    const int n = index + 1 + following;
    if (code == ShapeCode::kSaltire) {
        // "in saltire a human femur and a sword": the two crossed at the centre, the first
        // bendwise, the second bendwise sinister, as two of one kind in saltire are.
        if (n != 2) return false;
        // "in saltire abased": the crossing set lower, leaving the chief free for what follows.
        int abased = -1;
        for (int i = 1; i + 1 < s.wordCount && abased < 0; ++i)
            if (EqualsIgnoringCase(s.Word(i - 1), "in") && EqualsIgnoringCase(s.Word(i), "saltire") &&
                EqualsIgnoringCase(s.Word(i + 1), "abased"))
                abased = i + 1;
        const int y = s.geometry.H2 + (abased >= 0 ? s.geometry.H / kAbasedShare : 0);
        if (index == 1) {
            const RingEntry& first =
                s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
            if (s.ringWritten < 1 || first.x != s.geometry.W2 || first.y != y) return false;
        }
        if (abased >= 0) s.UseWord(abased);
        NoteLayout(s, "CrossedInSaltire(" + std::to_string(index + 1) + " of 2)");
        // A charge reversed is turned over after it is turned bendwise, which brings it back to
        // the other diagonal: then the mirror is not wanted for the second, and is for the first.
        const ChargeTurn turn = s.bendwiseSinisterFlag ? ChargeTurn::kBendwiseSinister : ChargeTurn::kBendwise;
        PlaceTurned(s, s.geometry.W2, y, abased >= 0 ? kCrossedAbased : kCrossedInSaltire, turn, (index == 1) != s.reversedCharges);
        return true;
    }
    if (between) {
        if (n != 2) return false;
        // The box of the charges the two stand between: the squares they were given, as the
        // free space round a charge counts them; those placements come before this line's.
        const int count = s.levels[static_cast<std::size_t>(start - 1)].levelCount;
        if (count < 1 || s.ringWritten < count + index) return false;
        int x1 = s.geometry.W, y1 = s.geometry.H, x2 = 0, y2 = 0;
        for (int k = 0; k < count; ++k) {
            const int at = ((s.ringNext - 1 - index - k) % kPlacementRingSize + kPlacementRingSize) % kPlacementRingSize;
            const RingEntry& e = s.placementRing[static_cast<std::size_t>(at)];
            const int half = static_cast<int>(e.scale * kChargeExtentAtScaleOne / 2);
            x1 = std::min(x1, e.x - half);
            x2 = std::max(x2, e.x + half);
            y1 = std::min(y1, e.y - half);
            y2 = std::max(y2, e.y + half);
        }
        const ShieldGeometry& g = s.geometry;
        const bool pale = code == ShapeCode::kPale;
        // What those charges painted, when the painter says: crossed swords leave their
        // square's corners empty, and the room above and below them is that much larger.
        const Rect drawn = PaintedBoxOfPlaced(s, index, count);
        if (drawn.Width() > 0) {
            const Rect rooms[2] = {pale ? Rect{0, 0, g.W, drawn.top} : Rect{0, 0, drawn.left, g.H},
                                   pale ? Rect{0, drawn.bottom, g.W, g.H} : Rect{drawn.right, 0, g.W, g.H}};
            const FreeSpace& space = FreeSpace::Field(s);
            const auto fitIn = [&](const Rect& room, float largest) {
                const int x = pale ? g.W2 : (room.left + room.right) / 2;
                const int xs[1] = {x};
                return std::pair{x, LargestRowInRoom(s, space, xs, pale ? g.W : room.Width(), room, {}, largest)};
            };
            // Both as large as the smaller room allows, each in the middle of its own.
            const float scale = std::min(fitIn(rooms[0], kLargestInLine).second.scale, fitIn(rooms[1], kLargestInLine).second.scale);
            if (scale < kMinChargeScale) return false;
            const auto [x, fit] = fitIn(rooms[index], scale);
            if (fit.scale < kMinChargeScale) return false;
            NoteLayout(s, "BetweenInLine(" + std::to_string(CodeOf(code)) + ", " + std::to_string(index + 1) + " of 2)");
            Place(s, x, fit.y, fit.scale);
            return true;
        }
        // The room before the box and after it along the line, each charge in the middle of its
        // own, both as large as the smaller room allows.
        const int from = index == 0 ? 0 : (pale ? y2 : x2);
        const int to = index == 0 ? (pale ? y1 : x1) : (pale ? g.straightBottom : g.W);
        const int across = pale ? g.W : g.straightBottom;
        const int before = pale ? y1 : x1, after = (pale ? g.straightBottom : g.W) - (pale ? y2 : x2);
        const int room = std::min({before, after, across}) - 2 * g.Px(kMarginToEdge);
        if (room <= 0) return false;
        const float scale = std::min(kLargestInLine, static_cast<float>(room) * kChargeShareOfCell /
                                                         static_cast<float>(kChargeExtentAtScaleOne));
        if (scale < kMinChargeScale) return false;
        NoteLayout(s, "BetweenInLine(" + std::to_string(CodeOf(code)) + ", " + std::to_string(index + 1) + " of 2)");
        const int middle = (from + to) / 2;
        Place(s, pale ? g.W2 : middle, pale ? middle : g.H2, scale);
        return true;
    }
    // The phrases before it were set in this line too: read with what came after them, the first
    // may have been laid out otherwise ("in fess a mullet and a crescent between two roundels").
    if (index > 0) {
        if (s.ringWritten < 1) return false;
        const RingEntry& before =
            s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
        const LinePoint expected = PointInLine(s.geometry, code.Shape(), n, index - 1);
        if (before.x != expected.x || before.y != expected.y) return false;
    }
    NoteLayout(s, "InLineWithTheChargesBefore(" + std::to_string(CodeOf(code)) + ", " + std::to_string(index + 1) + " of " +
                      std::to_string(n) + ")");
    const LinePoint p = PointInLine(s.geometry, code.Shape(), n, index);
    Place(s, p.x, p.y, p.scale);
    return true;
}

bool OppositeTheChargeBefore(DrawingState& s) {
    if (s.level != 2 || s.ringWritten < 1) return false;
    const LevelRecord& first = phrase::Previous(s);
    const LevelRecord& level = phrase::Current(s);
    if (!first.levelBetween || first.levelCount != 1 || level.levelCount != 1 || !IsChargeLevel(level)) return false;
    const ShapeCode shape = s.firstOrdinaryShape;
    if (shape != ShapeCode::kFess && shape != ShapeCode::kBend && shape != ShapeCode::kBendSinister &&
        shape != ShapeCode::kPale)
        return false;
    const RingEntry& before = s.placementRing[static_cast<std::size_t>((s.ringNext + kPlacementRingSize - 1) % kPlacementRingSize)];
    const ShieldGeometry& g = s.geometry;
    NoteLayout(s, "OppositeTheChargeBefore");
    Place(s, g.W - before.x, g.H - before.y, before.scale);
    return true;
}

}  // namespace esc
