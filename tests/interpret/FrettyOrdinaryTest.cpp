// Fretty on a narrow ordinary (a chief) takes a lattice fitted to its breadth: across the
// chief's middle row the fret's bars are crossed several times, and they reach both its upper
// and lower quarters, not a zigzag of two bars of the field's lattice.

#include <gtest/gtest.h>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// How many runs of `colour` row y crosses between x0 and x1.
int RunsAcross(const Drawing& d, int y, int x0, int x1, Rgb colour) {
    int runs = 0;
    bool in = false;
    for (int x = x0; x <= x1; ++x) {
        const bool here = d.At(x, y) == colour;
        if (here && !in) ++runs;
        in = here;
    }
    return runs;
}

TEST(FrettyOrdinary, AChiefFrettyShowsALattice) {
    struct Case {
        const char* blazon;
        int chief, fret;
    };
    for (const Case& c : {Case{"Sable a chief argent fretty gules", kArgent, kGules}, Case{"Azure a chief or fretty sable", kOr, kSable},
                          Case{"Sa. three annulets arg. a chief of the last fretty of the field.", kArgent, kSable}}) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.state->geometry;
        const int x0 = g.W / 4, x1 = 3 * g.W / 4;
        // The chief's depth as drawn: the rows from the top that still show its own tincture.
        int top = 0;
        while (top < g.H / 4 && RunsAcross(d, top, x0, x1, Colour(c.chief)) == 0) ++top;
        int bottom = top;
        while (bottom < g.H && RunsAcross(d, bottom, x0, x1, Colour(c.chief)) > 0) ++bottom;
        const int depth = bottom - top;
        ASSERT_GT(depth, 8);
        EXPECT_GE(RunsAcross(d, top + depth / 2, x0, x1, Colour(c.fret)), 3);
        EXPECT_GE(RunsAcross(d, top + depth / 4, x0, x1, Colour(c.fret)), 2);
        EXPECT_GE(RunsAcross(d, top + 3 * depth / 4, x0, x1, Colour(c.fret)), 2);
    }
}

}  // namespace
}  // namespace esc::test
