// Two charges and one of another kind, as one group of three.

#include "interpret/phrase/TwoAndOne.h"

#include <array>
#include <string>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/Layouts.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/ChargeKinds.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// A group of charges of its own on the field: not on, in, between or charged, nor strewn.
bool OnTheFieldAlone(const LevelRecord& level, int count) {
    return level.levelCount == count && kinds::NamesACharge(level.levelKind) && !level.levelOn && !level.levelIn &&
           !level.levelBetween && !level.levelChargedOn && level.levelLine < kFirstLevelMark;
}

// Words that open another phrase, or set the charges about another: after the one, none may
// follow, or the group is not the whole of the arms' charges.
constexpr std::array<std::string_view, 19> kMoreFollows = {
    "and", ",", "a", "an", "on", "in", "between", "within", "charged", "surmounted", "over", "overall",
    "each", "holding", "maintaining", "sustaining", "grasping", "ensigned", "enfiling"};

// What may follow the group and still leave it the arms' only charges: a chief above it or a
// bordure round it, which the three make room for.
enum class Edge { kNone, kChief, kBordure };

// Nothing more from word i, or only a chief ("a chief azure", "on a chief ...") or a bordure
// ("within a bordure azure"): `edge` then says which.
bool NothingMoreFrom(const DrawingState& s, int i, Edge& edge) {
    edge = Edge::kNone;
    for (; i < s.wordCount; ++i) {
        if (EqualsIgnoringCase(s.Word(i), "within") && EqualsIgnoringCase(s.Word(i + 1), "a")) ++i;
        const bool on = EqualsIgnoringCase(s.Word(i), "on");
        const int shape = i + (on ? 2 : 1);
        if ((on || EqualsIgnoringCase(s.Word(i), "a")) && s.Type(shape) == kTypeOrdinary &&
            (ShapeOfCode(s.Sub1(shape)) == kChief || (!on && ShapeOfCode(s.Sub1(shape)) == kBordure))) {
            edge = ShapeOfCode(s.Sub1(shape)) == kChief ? Edge::kChief : Edge::kBordure;
            return true;
        }
        if (s.Type(i) == kTypeNumber || s.Type(i) == kTypeOrdinary) return false;
        for (std::string_view word : kMoreFollows)
            if (EqualsIgnoringCase(s.Word(i), word)) return false;
    }
    return true;
}

// From word i: "and a crescent gules" to the end, and nothing more (word i may be the "a", the
// "and" before it already read).
bool OneFollowsAlone(const DrawingState& s, int i, Edge& edge) {
    const auto joins = [&s](int k) { return k >= 0 && (EqualsIgnoringCase(s.Word(k), "and") || s.Word(k) == ","); };
    if (joins(i)) ++i;
    else if (!joins(i - 1)) return false;
    if (!EqualsIgnoringCase(s.Word(i), "a") && !EqualsIgnoringCase(s.Word(i), "an")) return false;
    return kinds::NamesACharge(s.Type(i + 1)) && NothingMoreFrom(s, i + 2, edge);
}

}  // namespace

bool TwoAndOneOfTwoKinds(DrawingState& s, int nextWord) {
    Edge edge = Edge::kNone;
    ModelReading& reading = s.model;
    if (s.level == 0) {
        if (!OnTheFieldAlone(s.levels[0], 2) || !OneFollowsAlone(s, nextWord, edge)) return false;
        reading.twoOfThreeLevel = 0;
        reading.twoOfThreeEdge = edge == Edge::kChief ? kChief : edge == Edge::kBordure ? kBordure : kNoShape;
    } else if (s.level == 1) {
        // The one takes the third place when the two before were laid as two of the three: what
        // the reader kept of them says so, and which edge the three keep clear of.
        if (reading.twoOfThreeLevel != 0 || !OnTheFieldAlone(s.levels[1], 1)) return false;
        edge = reading.twoOfThreeEdge == kChief ? Edge::kChief : reading.twoOfThreeEdge == kBordure ? Edge::kBordure : Edge::kNone;
        reading.twoOfThreeLevel = -1;
    } else {
        return false;
    }
    // The one stands where the third of three laid together stands; under a chief the three
    // keep to the field below it, within a bordure to the field inside it.
    bool fixed = false;
    std::array<LayoutSpot, 3> spots = ThreeChargeSpots(s, true, fixed);
    const ShieldGeometry& g = s.geometry;
    if (edge == Edge::kChief) {
        const int top = shapes::ChiefLowerEdge(g);
        for (LayoutSpot& spot : spots) {
            spot.y = top + spot.y * (g.H - top) / g.H;
            spot.scale *= static_cast<float>(g.H - top) / static_cast<float>(g.H);
        }
    } else if (edge == Edge::kBordure) {
        const int inner = g.W - 2 * kBordureBreadth;
        for (LayoutSpot& spot : spots) {
            spot.x = g.W2 + (spot.x - g.W2) * inner / g.W;
            spot.y = kBordureBreadth + spot.y * inner / g.W;
            spot.scale *= static_cast<float>(inner) / static_cast<float>(g.W);
        }
    }
    NoteLayout(s, s.level == 0 ? "TwoAndOneOfTwoKinds(2)" : "TwoAndOneOfTwoKinds(1)");
    if (s.level == 0) {
        const int line = phrase::Current(s).levelLine;
        Place(s, spots[0].x, spots[0].y, spots[0].scale, MirroredInPair(line, 0));
        Place(s, spots[1].x, spots[1].y, spots[1].scale, MirroredInPair(line, 1));
    } else {
        Place(s, spots[2].x, spots[2].y, spots[2].scale);
    }
    return true;
}

}  // namespace esc
