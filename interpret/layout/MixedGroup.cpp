#include "interpret/layout/MixedGroup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/ChargeKinds.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

using kinds::IsOneOf;
using kinds::NamesACharge;

constexpr float kTwoInFess = 1.2f;           // as two of one kind on the field
constexpr int kLargestCellOfMixed = 160;     // pixels, as rows of one kind on the field
constexpr float kLargestScaleOfMixed = 1.2f;
constexpr float kLargestOneKindInLine = 1.0f;       // as one kind in a line
constexpr int kMarginToEdgeOfLine = 6;       // pixels between a cell and the shield's edge

// Words that set the charges before them about something else, or open a phrase of another
// kind: the group is then not the whole of what the field holds.
constexpr std::array<std::string_view, 34> kNotAMember = {
    "between", "charged", "surmounted", "debruised", "maintaining", "sustaining", "holding", "within",
    "environed", "encircled", "enclosed", "issuant", "issuing", "on", "in", "over", "overall", "each",
    "enfiled", "with", "at", "around", "about", "by", "interlaced", "supporting", "supported", "thereon",
    "upon", "its", "the", "grasping", "ensigned", "enfiling"};

// Words after the last member that paint a charge over the group before them.
constexpr std::array<std::string_view, 2> kOverTheGroup = {"surmounted", "debruised"};

bool StandsOnTheFieldAlone(const LevelRecord& level) {
    // A phrase of words the vocabulary does not hold has no name: it is not a member.
    return NamesACharge(level.levelKind) && !level.levelName.empty() && level.levelCount > 0 && !level.levelOn && !level.levelIn &&
           !level.levelBetween && !level.levelChargedOn && level.levelLine < kFirstLevelMark;
}

// The lines a group may be set in, by the ordinary whose direction it follows.
bool IsLineOfAGroup(Direction code) {
    return code == ShapeCode::kPale || code == ShapeCode::kFess || code == ShapeCode::kBend || code == ShapeCode::kBendSinister;
}

// "in pale two mullets and a crescent": the first member is read "in" a line.
bool OpensALine(const LevelRecord& level) {
    LevelRecord plain = level;
    plain.levelIn = false;
    return level.levelIn && IsLineOfAGroup(level.levelInCode) && StandsOnTheFieldAlone(plain);
}

}  // namespace

std::vector<LayoutSpot> MixedGroupSpots(DrawingState& s, int count) {
    const ShieldGeometry& g = s.geometry;
    if (count == 2) return {LayoutSpot{g.W4, g.H2, kTwoInFess}, LayoutSpot{g.W - g.W4, g.H2, kTwoInFess}};
    if (count == 3) {
        // Two and one, or as three of one kind follow the partition.
        bool fixed = false;
        const std::array<LayoutSpot, 3> three = ThreeChargeSpots(s, true, fixed);
        return {three.begin(), three.end()};
    }
    const std::vector<int> rows = FieldRows(count);
    if (rows.empty()) return {};
    const Fit fit = FitRows(FreeSpace::Field(s), rows, kLargestCellOfMixed);
    if (fit.cell == 0) return {};
    const float scale = fit.Scale(kLargestScaleOfMixed);
    std::vector<LayoutSpot> spots;
    for (const FitSpot& f : fit.spots) spots.push_back({f.x, f.y, scale});
    return spots;
}

std::vector<LayoutSpot> SpotsInLine(const ShieldGeometry& g, ShapeCode code, int count) {
    std::vector<LayoutSpot> spots;
    if (count < 1 || !IsLineOfAGroup(code)) return spots;
    // Evenly along the ordinary's line: down the pale point (which is lower than the fess point
    // by a twenty-fourth), across the fess point, corner to corner of the straight part along a
    // bend; each charge in a square cell as long as the spacing, clear of the edge.
    for (int i = 0; i < count; ++i) {
        const int x = code == ShapeCode::kPale ? g.W2 : g.W * (2 * i + 1) / (2 * count);
        const int y = code == ShapeCode::kFess ? g.H2 : g.straightBottom * (2 * i + 1) / (2 * count) + (code == ShapeCode::kPale ? g.H / 24 : 0);
        spots.push_back({code == ShapeCode::kBendSinister ? g.W - x : x, y, 0.0f});
    }
    int cell = code == ShapeCode::kPale ? g.straightBottom / count
           : code == ShapeCode::kFess ? g.W / count
                                      : static_cast<int>(std::hypot(g.W / count, g.straightBottom / count));
    for (const LayoutSpot& p : spots) {
        const int room = std::min({p.x, g.W - p.x, p.y, g.straightBottom - p.y + g.H / 12}) - g.Px(kMarginToEdgeOfLine);
        cell = std::min(cell, 2 * room);
    }
    const float scale = std::clamp(static_cast<float>(cell) * kChargeShareOfCell / static_cast<float>(kChargeExtentAtScaleOne),
                                   kMinChargeScale, kLargestOneKindInLine);
    for (LayoutSpot& p : spots) p.scale = scale;
    return spots;
}

namespace {

// "in pale", "in fess", "in bend", "in bend sinister" at word i that end the group: nothing but
// a tincture follows them. The line's shape code, and the first word after it; -1 for none.
// "all in pale" sets out whatever stands before it, which need not be this group alone.
int LineEndingTheGroup(const DrawingState& s, int i, int& after) {
    if (!EqualsIgnoringCase(s.Word(i), "in") || s.Type(i + 1) != kTypeOrdinary) return -1;
    if (i > 0 && EqualsIgnoringCase(s.Word(i - 1), "all")) return -1;
    int code = s.Sub1(i + 1);
    int k = i + 2;
    if (ShapeOfCode(code) == ShapeCode::kBend && EqualsIgnoringCase(s.Word(k), "sinister")) {
        code = CodeOf(ShapeCode::kBendSinister);
        ++k;
    }
    if (!IsLineOfAGroup(ShapeOfCode(code))) return -1;
    after = k;
    if (s.Type(k) == kTypeTincture) ++k;
    return k >= s.wordCount ? code : -1;
}

}  // namespace

std::vector<int> RowsEndingTheGroup(const DrawingState& s, int i) {
    std::vector<int> rows;
    int k = i;
    for (; k < s.wordCount && s.Type(k) == kTypeNumber; ++k) rows.push_back(s.Sub1(k));
    if (rows.empty() || !EqualsIgnoringCase(s.Word(k), "and") || s.Type(k + 1) != kTypeNumber) return {};
    rows.push_back(s.Sub1(k + 1));
    k += 2;
    if (s.Type(k) == kTypeTincture) ++k;
    return k >= s.wordCount ? rows : std::vector<int>{};
}

namespace {

// The members that follow from word i, and the line or rows written after the last of them that
// set the whole group out (-1, empty: none).
struct Following {
    std::vector<int> counts;
    int line = -1;
    std::vector<int> rows;
};

Following ReadMembersFollowing(const DrawingState& s, int i) {
    Following out;
    // The phrase before may end on its tincture or the word that joins it to the next.
    if (s.Type(i) == kTypeTincture) ++i;
    while (i < s.wordCount) {
        if (IsOneOf(s.Word(i), {"and", ","})) ++i;
        const int count = IsOneOf(s.Word(i), {"a", "an"}) ? 1 : s.Type(i) == kTypeNumber ? s.Sub1(i) : 0;
        if (count < 1 || !NamesACharge(s.Type(i + 1))) return {};
        out.counts.push_back(count);
        // The rest of the member's phrase, to the next member ("a mullet a crescent" as printed
        // without its comma) or the end.
        for (i += 2; i < s.wordCount; ++i) {
            if (IsOneOf(s.Word(i), {"and", ",", "a", "an"}) ||
                (s.Type(i) == kTypeNumber && NamesACharge(s.Type(i + 1))))
                break;
            int after = 0;
            if (const int line = LineEndingTheGroup(s, i, after); line >= 0) {
                out.line = line;
                return out;
            }
            if (std::vector<int> rows = RowsEndingTheGroup(s, i); !rows.empty()) {
                out.rows = std::move(rows);
                return out;
            }
            // "a lightning flash bendwise sinister": the turn's side, not an ordinary.
            if (s.Type(i) == kTypeOrdinary && i > 0 && EqualsIgnoringCase(s.Word(i - 1), "bendwise") &&
                EqualsIgnoringCase(s.Word(i), "sinister"))
                continue;
            // "... and a lightning flash, surmounted by a turtle": what is painted over the group
            // follows its last member.
            if (IsOneOf(s.Word(i), kOverTheGroup) && !out.counts.empty() && i + 1 < s.wordCount) return out;
            if (IsOneOf(s.Word(i), kNotAMember) || s.Type(i) == kTypeOrdinary) return {};
        }
    }
    return out;
}

}  // namespace

std::vector<int> MembersFollowing(const DrawingState& s, int i) { return ReadMembersFollowing(s, i).counts; }

int LineAfterTheMembers(const DrawingState& s, int i) { return ReadMembersFollowing(s, i).line; }

namespace {

// The current level's charges at places [first, first + its count) of those the ordinary of the
// first phrase gives `total` charges between it.
void PlaceAmongTheBetween(DrawingState& s, int first, int total) {
    LevelRecord& level = phrase::Current(s);
    ModelReading& reading = s.model;
    const int own = level.levelCount;
    NoteLayout(s, "MixedGroupBetween(" + std::to_string(first + 1) + "-" + std::to_string(first + own) + " of " +
                      std::to_string(total) + ")");
    reading.spotFrom = first;
    reading.spotTo = first + own;
    reading.spotSeen = 0;
    level.levelCount = total;
    ChargesBetween(s, s.firstOrdinaryShape);
    level.levelCount = own;
    reading.spotTo = 0;
    reading.mixedPlaced = first + own;
    reading.mixedTotal = total;
    reading.mixedNextLevel = reading.mixedPlaced < total ? s.level + 1 : -1;
    if (reading.mixedNextLevel < 0) reading.mixedBetween = false;
}

// "a chevron between a mullet, a crescent and an escallop": the first member, between the
// ordinary of the first phrase, with two or more members after it (one and one, or one group and
// another, are the two sides' of FirstGroupBetween).
bool MixedGroupBetweenLayout(DrawingState& s, int nextWord) {
    const LevelRecord& level = phrase::Current(s);
    ModelReading& reading = s.model;
    if (reading.mixedBetween && reading.mixedNextLevel == s.level) {
        if (!StandsOnTheFieldAlone(level) || reading.mixedPlaced + level.levelCount > reading.mixedTotal) {
            reading.mixedBetween = false;
            reading.mixedNextLevel = -1;
            return false;
        }
        PlaceAmongTheBetween(s, reading.mixedPlaced, reading.mixedTotal);
        return true;
    }
    const LevelRecord& ordinary = s.levels[0];
    if (s.level != 1 || !level.levelBetween || level.levelIn || level.levelOn || !NamesACharge(level.levelKind) ||
        level.levelCount < 1 || ordinary.levelKind != kTypeOrdinary || ordinary.levelIn || ordinary.levelCount != 1 ||
        s.firstOrdinaryShape == kNoShape)
        return false;
    const Following following = ReadMembersFollowing(s, nextWord);
    if (following.counts.size() < 2 || following.line >= 0 || !following.rows.empty()) return false;
    int total = level.levelCount;
    for (const int n : following.counts) total += n;
    if (total > kMaxChargesBetween) return false;
    reading.mixedBetween = true;
    PlaceAmongTheBetween(s, 0, total);
    return true;
}

}  // namespace

bool MixedGroupLayout(DrawingState& s, int nextWord) {
    const LevelRecord& level = phrase::Current(s);
    ModelReading& reading = s.model;
    if (MixedGroupBetweenLayout(s, nextWord)) return true;
    const bool inLine = OpensALine(level);
    if ((!StandsOnTheFieldAlone(level) && !inLine) || s.rowsDrawn) {
        reading.mixedNextLevel = -1;
        return false;
    }
    int first = 0, total = 0;
    if (reading.mixedNextLevel == s.level && reading.mixedPlaced + level.levelCount <= reading.mixedTotal) {
        first = reading.mixedPlaced;
        total = reading.mixedTotal;
    } else {
        reading.mixedNextLevel = -1;
        reading.mixedLine = inLine ? level.levelInCode.Shape() : kNoShape;
        // Not when the phrase ends in a word that sets what follows about it ("a mullet between
        // three crescents", "a lion, in chief two mullets").
        if (s.level != 0 || IsOneOf(s.Word(nextWord), kNotAMember) || IsOneOf(s.Word(nextWord - 1), kNotAMember) ||
            RelationWordsAfter(s, nextWord))
            return false;
        total = level.levelCount;
        const Following following = ReadMembersFollowing(s, nextWord);
        if (following.counts.empty()) return false;
        for (const int n : following.counts) total += n;
        // "a mullet and a crescent in pale": the line written after the last member sets out
        // the whole group; the first members are placed before it is read.
        if (following.line >= 0) {
            if (inLine && level.levelInCode != ShapeOfCode(following.line)) return false;
            // "between two lions a lion in pale": the first is about the others, not their equal.
            for (int i = std::max(s.levelFirstWord - 1, 0); i < nextWord; ++i)
                if (EqualsIgnoringCase(s.Word(i), "between")) return false;
            reading.mixedLine = ShapeOfCode(following.line);
        }
        // "a mullet, a crescent and an escallop two and one": the rows the group's count
        // takes anyway; other rows are not this layout's.
        if (!following.rows.empty() && (inLine || following.rows != FieldRows(total))) return false;
    }
    const std::vector<LayoutSpot> spots =
        reading.mixedLine != kNoShape ? SpotsInLine(s.geometry, reading.mixedLine, total) : MixedGroupSpots(s, total);
    if (static_cast<int>(spots.size()) < total) return false;
    NoteLayout(s, "MixedGroup(" + std::to_string(first + 1) + "-" + std::to_string(first + level.levelCount) + " of " +
                      std::to_string(total) + ")");
    for (int k = first; k < first + level.levelCount; ++k) {
        const LayoutSpot& spot = spots[static_cast<std::size_t>(k)];
        Place(s, spot.x, spot.y, spot.scale);
    }
    reading.mixedPlaced = first + level.levelCount;
    reading.mixedTotal = total;
    reading.mixedNextLevel = reading.mixedPlaced < total ? s.level + 1 : -1;
    return true;
}

}  // namespace esc
