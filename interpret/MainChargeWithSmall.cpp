// The main charge and the small charges set beside it by "in chief", "in base", "in dexter
// chief" or "in sinister chief" (see the header).

#include "interpret/MainChargeWithSmall.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/FillTheSpace.h"
#include "interpret/FitLayout.h"
#include "interpret/PhraseInterpreterTrace.h"
#include "interpret/PhraseRules.h"
#include "interpret/Placement.h"
#include "interpret/TextOps.h"
#include "interpret/Vocabulary.h"

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

bool IsDirection(int code) {
    return code == ShapeCode::kChief || code == kInBase || code == kInDexterChief || code == kInSinisterChief;
}

// The row in chief or in base set in the room between the main charge's drawing and the shield's
// edge: a heron displayed, its head high, leaves less above it than a lion rampant does, and a
// star there was drawn at one size for both. False when the painter gave no box for the main
// charge or nothing fits.
bool FillTheRoomBesideTheMain(DrawingState& s, int n, bool inChief) {
    const ShieldGeometry& g = s.geometry;
    const Rect main = PaintedBoxOfPlaced(s, 0, 1);
    if (main.Width() <= 0) return false;
    const Rect room = inChief ? Rect{0, 0, g.W, main.top} : Rect{0, main.bottom, g.W, g.H};
    // In chief the row spreads across the field; in base, where the field narrows to its point,
    // it keeps to the middle fifths.
    const int step = inChief ? g.W / (n + 1) : g.W5;
    std::vector<int> xs;
    for (int j = 0; j < n; ++j) xs.push_back(inChief ? (j + 1) * step : g.W2 + (2 * j - (n - 1)) * step / 2);
    const RoomFit fit = LargestRowInRoom(s, FreeSpace::Field(s), xs, step, room, {}, kLargestBesideTheMain);
    // Never smaller than the fixed row was: where the room is tighter than that, the old row stands.
    if (fit.scale < (inChief ? kSmallInChief : kSmallInBase)) return false;
    const int line = phrase::Current(s).levelLine;
    for (int j = 0; j < n; ++j) Place(s, xs[static_cast<std::size_t>(j)], fit.y, fit.scale, MirroredInPair(line, j));
    return true;
}

}  // namespace

int SmallChargesDirectionAhead(const DrawingState& s) {
    // The layouts run with the cursor at the start, so the words are walked from the level's
    // first: past its own article or number, up to the next phrase.
    const auto is = [&s](int i, std::string_view word) { return EqualsIgnoringCase(s.Word(i), word); };
    const auto opensPhrase = [&s, &is](int i) { return is(i, "a") || is(i, "an") || s.Type(i) == kTypeNumber; };
    int i = std::max(s.levelFirstWord, 0);
    while (i < s.wordCount && opensPhrase(i)) ++i;
    for (; i < s.wordCount; ++i) {
        if (is(i, "in") && s.Type(i + 1) == kTypeOrdinary && IsDirection(s.Sub1(i + 1))) {
            if (!opensPhrase(i + 2)) return -1;
            // "in chief a sphere between two estoiles": a group of its own there, not a row.
            for (int j = i + 3; j < s.wordCount && !is(j, "and") && !is(j, "in") && !is(j, "on"); ++j)
                if (is(j, "between")) return -1;
            return s.Sub1(i + 1);
        }
        if (opensPhrase(i)) return -1;
        for (std::string_view word : kPhraseEnds)
            if (is(i, word)) return -1;
    }
    return -1;
}

LayoutSpot MainChargeSpot(const ShieldGeometry& g, int direction) {
    const int shift = g.H / kMainShiftDivisor;
    const float scale = kAloneScale * kMainScaleShare;
    switch (direction) {
        case ShapeCode::kChief: return {g.W2, g.H2 + shift, scale};
        case kInBase: return {g.W2, g.H2 - shift, scale};
        case kInDexterChief:
        case kInSinisterChief: {
            const int away = g.H / kMainShiftFromAQuarterDivisor;
            const int x = direction == kInDexterChief ? g.W2 + away : g.W2 - away;
            return {x, g.H2 + away, kAloneScale * kMainScaleShareBesideAQuarter};
        }
        default: return {g.W2, g.H2, kAloneScale};
    }
}

bool PlaceSmallChargesBesideTheMain(DrawingState& s, int n) {
    const LevelRecord& main = s.levels[0];
    const LevelRecord& level = phrase::Current(s);
    if (s.level != 1 || !level.levelIn || !IsDirection(level.levelInCode)) return false;
    if (level.levelBetween || phrase::Level(s, s.level + 1).levelBetween) return false;
    if (main.levelCount != 1 || main.levelKind == 0 || main.levelKind == kTypeOrdinary || main.levelOn ||
        main.levelIn || main.levelBetween)
        return false;
    const ShieldGeometry& g = s.geometry;
    const int direction = level.levelInCode;
    if (direction == kInDexterChief || direction == kInSinisterChief) {
        if (n != 1) return false;
        NoteLayout(s, "SmallBesideTheMain(" + std::to_string(direction) + ")");
        const int fromSide = g.W / kQuarterCornerDivisor, fromTop = g.H / kQuarterCornerDivisor;
        Place(s, direction == kInDexterChief ? fromSide : g.W - fromSide, fromTop, kSmallInQuarter);
        return true;
    }
    if (n < 1 || n > (direction == kInBase ? kMostInBase : kMostInChief)) return false;
    NoteLayout(s, "SmallBesideTheMain(" + std::to_string(direction) + ")");
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
