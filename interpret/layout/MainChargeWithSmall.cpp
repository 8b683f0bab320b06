// The main charge and the small charges set beside it by "in chief", "in base", "in dexter
// chief" or "in sinister chief" (see the header).

#include "interpret/layout/MainChargeWithSmall.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FillTheSpace.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// Words after which the charges that follow lie on, round or over the main charge, not beside it.
constexpr std::array<std::string_view, 7> kPhraseEnds = {"on", "between", "within", "charged", "surmounted", "over", "overall"};

// The main charge gives way by this share of the field's height, and keeps this share of the
// size it has alone.
constexpr int kMainShiftDivisor = 24;
constexpr float kMainScaleShare = 0.9f;
// Beside one charge in a chief quarter, which a spread eagle's wing would reach, it gives more.
constexpr int kMainShiftFromAQuarterDivisor = 24;
constexpr float kMainScaleShareBesideAQuarter = 0.88f;
// The small charges: in a row in chief or in base, or one in a chief quarter's corner.
constexpr float kSmallInChief = 0.5f;
constexpr float kSmallInBase = 0.45f;
constexpr float kSmallInQuarter = 0.5f;
constexpr int kQuarterCornerDivisor = 7;  // the small charge's centre from the top and side
constexpr int kMostInChief = 4, kMostInBase = 3;

// The small charges fitted to the room the main charge's drawing leaves above or below it are
// at most this large: beside the main charge they stay the lesser charges.
constexpr float kLargestBesideTheMain = 0.8f;

bool IsDirection(Direction code) {
    return code == ShapeCode::kChief || code == kBase || code == kInDexterChief || code == kInSinisterChief;
}

// The row in chief or in base set in the room between the main charge's drawing and the shield's
// edge: a heron displayed, its head high, leaves less above it than a lion rampant does, and a
// star there was drawn at one size for both. False when the painter gave no box for the main
// charge or nothing fits.
// The centres of a row of n in chief or in base, and the room each has across. In chief the
// row spreads across the field; in base, where the field narrows to its point, it keeps to the
// middle fifths.
std::vector<int> RowCentres(const ShieldGeometry& g, int n, bool inChief, int& step) {
    step = inChief ? g.W / (n + 1) : g.W5;
    std::vector<int> xs;
    for (int j = 0; j < n; ++j) xs.push_back(inChief ? (j + 1) * step : g.W2 + (2 * j - (n - 1)) * step / 2);
    return xs;
}

// `placedSince`: how many charges were placed after the main one.
bool FillTheRoomAt(DrawingState& s, std::span<const int> xs, int step, bool inChief, int placedSince = 0) {
    const ShieldGeometry& g = s.geometry;
    const Rect main = PaintedBoxOfPlaced(s, placedSince, 1);
    if (main.Width() <= 0) return false;
    const Rect room = inChief ? Rect{0, 0, g.W, main.top} : Rect{0, main.bottom, g.W, g.H};
    const RoomFit fit = LargestRowInRoom(s, FreeSpace::Field(s), xs, step, room, {}, kLargestBesideTheMain);
    // Never smaller than the fixed row was: where the room is tighter than that, the old row stands.
    if (fit.scale < (inChief ? kSmallInChief : kSmallInBase)) return false;
    const int line = phrase::Current(s).levelLine;
    for (std::size_t j = 0; j < xs.size(); ++j) Place(s, xs[j], fit.y, fit.scale, MirroredInPair(line, static_cast<int>(j)));
    return true;
}

bool FillTheRoomBesideTheMain(DrawingState& s, int n, bool inChief) {
    int step = 0;
    const std::vector<int> xs = RowCentres(s.geometry, n, inChief, step);
    return FillTheRoomAt(s, xs, step, inChief);
}

// Level 0 is one main charge alone on the field.
bool OneMainCharge(const LevelRecord& main) {
    return main.levelCount == 1 && main.levelKind != 0 && main.levelKind != kTypeOrdinary && !main.levelOn &&
           !main.levelIn && !main.levelBetween;
}

// "a lion rampant and in chief a sphere between two estoiles": one row of three in chief (or in
// base), the one in the middle and the two either side of it at its height, each fitted to the
// room the main charge leaves. (The two between were set below the row, over the lion, the one in
// the middle small above them.)
bool RowOfThreeBesideTheMain(DrawingState& s, int n) {
    if (s.level < 1 || s.level > 2 || !OneMainCharge(s.levels[0])) return false;
    const LevelRecord& middle = s.levels[1];
    const LevelRecord& sides = s.levels[2];
    // At level 1 the phrase after "between" is not read yet: its count is the word after it.
    const auto betweenTwo = [&s] {
        for (int i = std::max(s.levelFirstWord, 0); i + 1 < s.wordCount; ++i)
            if (EqualsIgnoringCase(s.Word(i), "between")) return s.Type(i + 1) == kTypeNumber && s.Sub1(i + 1) == 2;
        return false;
    };
    if (!middle.levelIn || middle.levelCount != 1 || !sides.levelBetween || sides.levelIn) return false;
    if (s.level == 1 ? !betweenTwo() : sides.levelCount != 2) return false;
    const Direction direction = middle.levelInCode;
    if (direction != ShapeCode::kChief && direction != kBase) return false;
    if (n != (s.level == 1 ? 1 : 2)) return false;
    const bool inChief = direction == ShapeCode::kChief;
    const ShieldGeometry& g = s.geometry;
    int step = 0;
    const std::vector<int> row = RowCentres(g, 3, inChief, step);
    NoteLayout(s, "RowOfThreeBesideTheMain(" + std::to_string(CodeOf(direction)) + ")");
    const float fixed = inChief ? kSmallInChief : kSmallInBase;
    if (s.level == 1) {
        if (FillTheRoomAt(s, std::span<const int>(row).subspan(1, 1), step, inChief)) return true;
        Place(s, row[1], inChief ? g.H5 / 2 : g.H - g.H6, fixed);
        return true;
    }
    // The two either side at the middle one's height, as large as their cells and the main
    // charge allow, and no larger than the middle one.
    const RingEntry& centre =
        s.placementRing[static_cast<std::size_t>((s.ringNext - 1 + kPlacementRingSize) % kPlacementRingSize)];
    const Rect main = PaintedBoxOfPlaced(s, 1, 1);
    // The boxes LargestScaleAt tries carry a margin of its own each side.
    constexpr int kBoxMargin = 8;
    const auto allowed = [&](const Rect& box) {
        if (box.Width() > step + 2 * kBoxMargin) return false;
        if (main.Width() <= 0) return true;
        return inChief ? box.bottom <= main.top + kBoxMargin : box.top >= main.bottom - kBoxMargin;
    };
    float scale = std::max(centre.scale, fixed);
    for (const int x : {row[0], row[2]})
        scale = std::min(scale, LargestScaleAt(s, FreeSpace::Field(s), x, centre.y, {}, allowed, kLargestBesideTheMain));
    if (scale < kMinChargeScale) scale = fixed;
    const int line = phrase::Current(s).levelLine;
    Place(s, row[0], centre.y, scale, MirroredInPair(line, 0));
    Place(s, row[2], centre.y, scale, MirroredInPair(line, 1));
    return true;
}

}  // namespace

std::optional<Direction> SmallChargesDirectionAhead(const DrawingState& s) {
    // The layouts run with the cursor at the start, so the words are walked from the level's
    // first: past its own article or number, up to the next phrase.
    const auto is = [&s](int i, std::string_view word) { return EqualsIgnoringCase(s.Word(i), word); };
    const auto opensPhrase = [&s, &is](int i) { return is(i, "a") || is(i, "an") || s.Type(i) == kTypeNumber; };
    int i = std::max(s.levelFirstWord, 0);
    while (i < s.wordCount && opensPhrase(i)) ++i;
    for (; i < s.wordCount; ++i) {
        if (is(i, "in") && s.Type(i + 1) == kTypeOrdinary && IsDirection(DirectionOfWord(s.Word(i + 1), s.Sub1(i + 1)))) {
            // "in chief a sphere between two estoiles" is a row there too (RowOfThreeBesideTheMain).
            if (!opensPhrase(i + 2) && !TheArticleAt(s, i + 2)) return std::nullopt;
            return DirectionOfWord(s.Word(i + 1), s.Sub1(i + 1));
        }
        if (opensPhrase(i)) return std::nullopt;
        for (std::string_view word : kPhraseEnds)
            if (is(i, word)) return std::nullopt;
    }
    return std::nullopt;
}

LayoutSpot MainChargeSpot(const ShieldGeometry& g, Direction direction) {
    const int shift = g.H / kMainShiftDivisor;
    const float scale = kAloneScale * kMainScaleShare;
    if (direction == kChief) return {g.W2, g.H2 + shift, scale};
    if (direction == kBase) return {g.W2, g.H2 - shift, scale};
    if (direction == kInDexterChief || direction == kInSinisterChief) {
        const int away = g.H / kMainShiftFromAQuarterDivisor;
        const int x = direction == kInDexterChief ? g.W2 + away : g.W2 - away;
        return {x, g.H2 + away, kAloneScale * kMainScaleShareBesideAQuarter};
    }
    return {g.W2, g.H2, kAloneScale};
}

bool PlaceSmallChargesBesideTheMain(DrawingState& s, int n) {
    if (RowOfThreeBesideTheMain(s, n)) return true;
    const LevelRecord& level = phrase::Current(s);
    if (s.level != 1 || !level.levelIn || !IsDirection(level.levelInCode)) return false;
    if (level.levelBetween || phrase::Level(s, s.level + 1).levelBetween) return false;
    if (!OneMainCharge(s.levels[0])) return false;
    const ShieldGeometry& g = s.geometry;
    const Direction direction = level.levelInCode;
    if (direction == kInDexterChief || direction == kInSinisterChief) {
        if (n != 1) return false;
        NoteLayout(s, "SmallBesideTheMain(" + std::to_string(CodeOf(direction)) + ")");
        const int fromSide = g.W / kQuarterCornerDivisor, fromTop = g.H / kQuarterCornerDivisor;
        Place(s, direction == kInDexterChief ? fromSide : g.W - fromSide, fromTop, kSmallInQuarter);
        return true;
    }
    if (n < 1 || n > (direction == kBase ? kMostInBase : kMostInChief)) return false;
    NoteLayout(s, "SmallBesideTheMain(" + std::to_string(CodeOf(direction)) + ")");
    if (FillTheRoomBesideTheMain(s, n, direction == ShapeCode::kChief)) return true;
    if (direction == ShapeCode::kChief) {
        const int cell = g.W / (n + 1);
        for (int j = 0; j < n; ++j) Place(s, (j + 1) * cell, g.H5 / 2, kSmallInChief, MirroredInPair(level.levelLine, j));
        return true;
    }
    // In base the field narrows to its point: the row keeps to the middle fifths.
    const int y = g.H - g.H6;
    const int step = g.W5;
    for (int j = 0; j < n; ++j)
        Place(s, g.W2 + (2 * j - (n - 1)) * step / 2, y, kSmallInBase, MirroredInPair(level.levelLine, j));
    return true;
}

}  // namespace esc
