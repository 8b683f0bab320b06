// Two or three chevrons are whole chevrons, stacked as the chevronels are but each nearly as
// broad as a chevron alone; chevronels stay narrow. One charge on each chevron is sized to it;
// several along each have no layout and are told.

#include <gtest/gtest.h>

#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// The runs of `colour` down the pale line of the shield, each its length in rows.
std::vector<int> RunsDownThePale(const Drawing& d, Rgb colour) {
    const ShieldGeometry& g = d.state->geometry;
    std::vector<int> runs;
    int run = 0;
    for (int y = 0; y <= g.shieldBottom; ++y) {
        if (d.At(g.W / 2, y) == colour && InsideShield(g, g.W / 2, y)) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0) runs.push_back(run);
    return runs;
}

int SingleChevronRun() {
    Drawing one;
    one.DrawClean("Argent a chevron gules");
    const std::vector<int> runs = RunsDownThePale(one, Colour(kGules));
    EXPECT_EQ(runs.size(), 1u);
    return runs.empty() ? 0 : runs.front();
}

TEST(WholeChevrons, AreNearlyAsBroadAsOneChevron) {
    const int single = SingleChevronRun();
    ASSERT_GT(single, 0);
    struct Case {
        const char* blazon;
        std::size_t count;
        double leastShare;
    };
    for (const Case& c : {Case{"Argent two chevrons gules", 2, 0.45}, Case{"Argent, three chevrons gules.", 3, 0.28},
                          Case{"Argent two cheverons gules", 2, 0.45}, Case{"Or two chevs. gules", 2, 0.45}}) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const std::vector<int> runs = RunsDownThePale(d, Colour(kGules));
        ASSERT_EQ(runs.size(), c.count);
        for (int run : runs) EXPECT_GE(run, c.leastShare * single);
    }
    // Chevronels keep their own narrow breadth.
    for (const char* blazon : {"Argent two chevronels gules", "Argent three chevronels gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        for (int run : RunsDownThePale(d, Colour(kGules))) EXPECT_LT(run, 0.25 * single);
    }
}

TEST(WholeChevrons, ChargesOnEachFitTheChevron) {
    Drawing alone;
    alone.DrawClean("Argent a chevron gules charged with three mullets or");
    float aloneScale = 0;
    for (const PlacementTrace& p : AllPlacements(alone)) aloneScale = std::max(aloneScale, p.scale);
    ASSERT_GT(aloneScale, 0.0f);
    for (const char* blazon : {"Argent two chevrons gules each charged with a mullet or",
                               "Azure three chevrons argent each charged with a mullet gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const std::vector<PlacementTrace> placed = AllPlacements(d);
        ASSERT_FALSE(placed.empty());
        for (const PlacementTrace& p : placed) EXPECT_GE(p.scale, 0.25f * aloneScale) << p.x << ", " << p.y;
    }
    // Several along each bent piece have no layout: told, not drawn small and counted clean.
    Drawing several;
    several.Draw("Argent two chevrons gules each charged with three mullets or");
    EXPECT_FALSE(several.sink.messages.empty());
}

}  // namespace
}  // namespace esc::test
