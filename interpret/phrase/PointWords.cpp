#include "interpret/phrase/PointWords.h"

#include <string_view>

#include "interpret/phrase/ChargeKinds.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Is;
using phrase::Use;

namespace {

using Way = PointWay;

// Which way the picture of the charge word holds its point, from the vocabulary's table of
// pointed pictures; kNone for a charge with no point.
Way DrawnWay(const DrawingState& s, std::string_view name) {
    return s.vocabulary != nullptr ? s.vocabulary->DrawnPoint(name) : Way::kNone;
}

bool IsPointWord(const DrawingState& s, int k) {
    return Is(s, k, "point") || Is(s, k, "points") || Is(s, k, "pointed") || Is(s, k, "pointing");
}

// The point words from W+k: "[their|its|the] points [to|towards|in] [the] upward|downward|chief|
// base|dexter|sinister". How many words they are (0: none), and the way named.
int ReadPointWords(const DrawingState& s, int k, Way& way) {
    int i = k;
    if (Is(s, i, "their") || Is(s, i, "its") || Is(s, i, "the")) ++i;
    if (!IsPointWord(s, i)) return 0;
    ++i;
    const bool toward = Is(s, i, "to") || Is(s, i, "towards") || Is(s, i, "toward") || Is(s, i, "in");
    if (toward) ++i;
    if (toward && Is(s, i, "the")) ++i;
    if (Is(s, i, "upward") || Is(s, i, "upwards") || Is(s, i, "up") || Is(s, i, "chief")) {
        way = Way::kUp;
    } else if (Is(s, i, "downward") || Is(s, i, "downwards") || Is(s, i, "down") || Is(s, i, "base")) {
        way = Way::kDown;
    } else if (Is(s, i, "dexter")) {
        way = Way::kDexter;
    } else if (Is(s, i, "sinister") || (!toward && Is(s, i, "contourny"))) {
        // "to the sinister" reaches here as "contourny".
        way = Way::kSinister;
    } else {
        return 0;
    }
    // "in chief" and "in base" without "points" name places; with it, ways.
    return i - k + 1;
}

// Turns the current level's charges so that their points go `way`. A quarter turn lays the top
// of a picture to the dexter; mirrored, to the sinister.
void TurnThePoints(DrawingState& s, Way drawn, Way way) {
    switch (way) {
        case Way::kUp:
        case Way::kDown:
            if (drawn != way) s.reversedCharges = !s.reversedCharges;
            return;
        case Way::kDexter:
        case Way::kSinister:
            s.group.turn = ChargeTurn::kFesswise;
            s.group.upright = false;
            // The point up and turned a quarter goes to the dexter, the point down to the sinister.
            if ((drawn == Way::kUp) != (way == Way::kDexter)) s.sinisterCharges = !s.sinisterCharges;
            return;
        case Way::kNone: return;
    }
}

bool ReadPoint(DrawingState& s, int k) {
    Way way = Way::kNone;
    const int words = ReadPointWords(s, k, way);
    if (words == 0 || s.rowsDrawn) return false;
    const LevelRecord& level = Current(s);
    if (!kinds::NamesACharge(level.levelKind) || level.levelCount < 1) return false;
    const Way drawn = DrawnWay(s, level.levelName.view());
    if (drawn == Way::kNone) return false;
    TurnThePoints(s, drawn, way);
    for (int i = 0; i < words; ++i) Use(s, k + i);
    s.cursor += words;
    return true;
}

}  // namespace

int PointOverWords(const DrawingState& s, int k, bool& over) {
    Way way = Way::kNone;
    const int words = ReadPointWords(s, k, way);
    if (words == 0 || (way != Way::kUp && way != Way::kDown) || s.level >= kMaxLevels) return 0;
    const Way drawn = DrawnWay(s, s.levels[static_cast<std::size_t>(s.level)].levelName.view());
    if (drawn == Way::kNone) return 0;
    over = drawn != way;
    return words;
}

bool PointRule(DrawingState& s) { return ReadPoint(s, 0); }

void PointAfterTincture(DrawingState& s) {
    if (ReadPoint(s, 1)) {
        // The cursor stays on the last point word, as on the tincture before it.
    }
}

}  // namespace esc
