// Shields that were drawn, and wrong: a ring in chief after a fess drawn small about a charge
// spilling out of it; a pale embattled on one edge only; a castle on a mount drawn inside the
// mount on a parted field.

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "interpret/layout/OnAMount.h"
#include "interpret/layout/WithinAnAnnulet.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// "a fess, in chief a lion within an annulet": the ring in the middle of the chief's third, as
// large as that third holds, the lion inside its hole; the fess where it always is.
TEST(WithinAnAnnulet, AfterAFessTheRingFillsItsThird) {
    struct Case { const char* blazon; int charge, ring, fess; bool chief; };
    const Case cases[] = {
        {"Argent a fess gules, in chief a lion azure within an annulet sable", kAzure, kSable, kGules, true},
        {"Or a fess azure, in chief a mullet gules within an annulet vert", kGules, kVert, kAzure, true},
        {"Argent a fess sable, in base a rose gules within an annulet azure", kGules, kAzure, kSable, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.state->geometry;
        const int third = g.H / 3;
        const double outer = std::min(g.W * kAnnuletWidthPercent / 100, third) / 2.0;
        const int cx = g.W2, cy = c.chief ? third / 2 + g.Px(16) : g.H - third / 2 - g.Px(40);
        for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
            const int x = cx + static_cast<int>(dx * 0.85 * outer), y = cy + static_cast<int>(dy * 0.85 * outer);
            EXPECT_EQ(d.At(x, y), Colour(c.ring)) << x << "," << y;
        }
        int inside = 0, outside = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x)
                if (d.At(x, y) == Colour(c.charge)) ++(std::hypot(x - cx, y - cy) < 0.72 * outer ? inside : outside);
        EXPECT_GT(inside, 300);
        EXPECT_EQ(outside, 0);
        EXPECT_EQ(d.At(g.W2, g.H2 - g.Px(10)), Colour(c.fess));
    }
}

// Whether the pale's dexter and sinister edges, sampled a few pixels inside, row by row, show
// battlements: rows where the edge is the pale's tincture and rows where it is the field's, and
// how often the two edges agree.
struct PaleEdges { int leftGaps = 0, rightGaps = 0, agree = 0, rows = 0; };

PaleEdges SamplePaleEdges(const Drawing& d, int pale) {
    const ShieldGeometry& g = d.state->geometry;
    const int half = (g.chiefDepth + g.Px(10)) / 2;
    PaleEdges e;
    for (int y = g.Px(30); y < g.H - g.Px(80); ++y) {
        const bool left = d.At(g.W2 - half + g.Px(3), y) == Colour(pale);
        const bool right = d.At(g.W2 + half - g.Px(3), y) == Colour(pale);
        e.leftGaps += left ? 0 : 1;
        e.rightGaps += right ? 0 : 1;
        e.agree += left == right ? 1 : 0;
        ++e.rows;
    }
    return e;
}

// A pale has no upper edge: embattled, both its edges are, merlon against merlon as bretessed;
// counter-embattled sets each merlon against an embrasure.
TEST(PaleEmbattled, BothEdgesCarryTheBattlements) {
    struct Case { const char* blazon; int pale; bool opposite; };
    const Case cases[] = {
        {"Argent a pale embattled gules", kGules, true},
        {"Or a pale embattled azure", kAzure, true},
        {"Argent a pale bretessed sable", kSable, true},
        {"Argent a pale counter-embattled vert", kVert, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const PaleEdges e = SamplePaleEdges(d, c.pale);
        EXPECT_GT(e.leftGaps, e.rows / 5);
        EXPECT_GT(e.rightGaps, e.rows / 5);
        if (c.opposite) EXPECT_GT(e.agree, e.rows * 4 / 5);
        else EXPECT_LT(e.agree, e.rows / 2);
    }
}

// "on a mount vert a castle": the mount across the base and the castle on its summit, on a parted
// field as on a plain one.
TEST(OnAMount, TheChargeStandsOnTheSummitOnAnyField) {
    struct Case { const char* blazon; int mount, charge; };
    const Case cases[] = {
        {"Per pale or and argent, on a mount vert a castle gules", kVert, kGules},
        {"Per fess azure and argent, on a mount vert a tower or", kVert, kOr},
        {"Argent, on a mount vert a castle gules", kVert, kGules},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.state->geometry;
        const int summit = g.H - g.H * kMountHeightPercent / 100;
        EXPECT_EQ(d.At(g.W2, (summit + g.H) / 2), Colour(c.mount));
        int above = 0, within = 0;
        for (int y = 0; y < g.H; ++y)
            for (int x = 0; x < g.W; ++x)
                if (d.At(x, y) == Colour(c.charge)) ++(y < summit + g.Px(12) ? above : within);
        EXPECT_GT(above, 2000);
        EXPECT_EQ(within, 0);
    }
}

}  // namespace
}  // namespace esc::test
