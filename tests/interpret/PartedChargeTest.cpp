#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

struct Tally {
    int first = 0, second = 0;
};

// The pixels of two tinctures in the part of a charge's box (its extent at its scale) on one side
// of its centre: before it (dexter, or chief when `acrossFess`) or after it, leaving a margin of
// a quarter of the half-box either side of the centre line, where the parting runs.
Tally CountSide(const test::Drawing& d, const PlacementTrace& p, bool acrossFess, bool before, Rgb first, Rgb second) {
    const int half = static_cast<int>(p.scale * kChargeExtentAtScaleOne / 2), margin = half / 4;
    Tally t;
    for (int y = p.y - half; y <= p.y + half; ++y) {
        for (int x = p.x - half; x <= p.x + half; ++x) {
            const int along = acrossFess ? y - p.y : x - p.x;
            if (before ? along > -margin : along < margin) continue;
            if (x < 0 || y < 0 || x >= d.state->geometry.W || y >= d.state->geometry.H) continue;
            const Rgb c = d.At(x, y);
            if (c == first) ++t.first;
            if (c == second) ++t.second;
        }
    }
    return t;
}

// A charge "per pale Or and gules" is painted Or on its dexter half and gules on its sinister,
// each charge through its own middle: alone, several on the field or an ordinary, and charged on
// another charge (the bowl on the dragon was all Or, three bowls were one Or, one gules, one
// parted along the field's pale line).
TEST(PartedCharge, EachChargeIsPartedThroughItsOwnMiddle) {
    struct Case { const char* blazon; std::size_t level; std::size_t count; bool acrossFess; };
    const Case cases[] = {
        {"(Fieldless) A dragon passant coward sable charged with a bowl per pale Or and gules", 1, 1, false},
        {"Argent, three bowls per pale Or and gules", 0, 3, false},
        {"Argent, two bowls per pale Or and gules", 0, 2, false},
        {"Argent, on a fess azure three bowls per pale Or and gules", 1, 3, false},
        {"Argent, three lions rampant sable each charged with a bowl per pale Or and gules", 1, 3, false},
        {"Azure, a lion rampant argent charged with a bowl per fess Or and gules", 1, 1, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        ASSERT_GT(d.trace.levels.size(), k.level);
        const LevelTrace& level = d.trace.levels[k.level];
        EXPECT_NE(level.layout.find("parted"), std::string::npos);
        // The charges on each charge before are placed once per charge.
        const std::vector<PlacementTrace>& placed = level.placements;
        ASSERT_EQ(placed.size(), k.count);
        const Rgb orColour = test::Colour(kOr), gulesColour = test::Colour(kGules);
        for (const PlacementTrace& p : placed) {
            const Tally before = CountSide(d, p, k.acrossFess, true, orColour, gulesColour);
            const Tally after = CountSide(d, p, k.acrossFess, false, orColour, gulesColour);
            EXPECT_GT(before.first, 0);
            EXPECT_EQ(before.second, 0);
            EXPECT_GT(after.second, 0);
            EXPECT_EQ(after.first, 0);
        }
    }
}

}  // namespace
}  // namespace esc
