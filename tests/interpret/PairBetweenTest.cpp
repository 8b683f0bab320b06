#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/trace/Trace.h"

namespace esc {
namespace {

// Pixels of `tincture` and of `other` in the square of half side `half` about (x, y).
struct BoxCount {
    int own = 0, other = 0;
};
BoxCount CountAbout(const test::Drawing& d, int x, int y, int half, int tincture, int other) {
    BoxCount c;
    for (int j = y - half; j <= y + half; ++j)
        for (int i = x - half; i <= x + half; ++i) {
            c.own += d.At(i, j) == test::Colour(tincture);
            c.other += d.At(i, j) == test::Colour(other);
        }
    return c;
}

// Two single charges between ("a chevron between a mullet and a lozenge"): both are drawn, each
// in its own tincture, in two different spaces the ordinary (or the charge in the middle) leaves,
// clear of it.
TEST(PairBetween, TwoSingleChargesTakeTwoSpacesAboutTheOrdinary) {
    struct Case {
        const char* blazon;
        int ordinary;  // the tincture of what they stand about
        bool acrossTheMiddle;  // the second stands below the fess point, the first above it
    };
    const Case cases[] = {
        {"Argent, a chevron gules between a mullet azure and a lozenge vert.", kGules, true},
        {"Argent, a chevron inverted gules between a mullet azure and a lozenge vert.", kGules, true},
        {"Argent, three bendlets sinister gules between a mullet azure and a lozenge vert.", kGules, true},
        {"Argent, three bendlets gules between a mullet azure and a lozenge vert.", kGules, true},
        {"Argent, two bars gules between a mullet azure and a lozenge vert.", kGules, true},
        {"Argent, a greyhound courant gules between a mullet azure and a lozenge vert.", kGules, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        std::vector<PlacementTrace> placed = test::AllPlacements(d);
        ASSERT_GE(placed.size(), 2u);
        // The charge in the middle, when there is one: the two keep clear of its box.
        if (placed.size() == 3) {
            const PlacementTrace& principal = placed[0];
            for (std::size_t i = 1; i < 3; ++i) {
                const int apart = std::max(std::abs(placed[i].x - principal.x), std::abs(placed[i].y - principal.y));
                EXPECT_GT(apart, kChargeExtentAtScaleOne * (placed[i].scale + principal.scale) / 2) << "charge " << i;
            }
        }
        placed.erase(placed.begin(), placed.end() - 2);
        const ShieldGeometry& g = d.s().geometry;
        if (k.acrossTheMiddle) {
            EXPECT_LT(placed[0].y, g.H2);
            EXPECT_GT(placed[1].y, g.H2);
        }
        const int tinctures[] = {kAzure, kVert};
        for (int i = 0; i < 2; ++i) {
            const PlacementTrace& p = placed[static_cast<std::size_t>(i)];
            EXPECT_EQ(d.At(p.x, p.y), test::Colour(tinctures[i])) << "charge " << i;
            const BoxCount box = CountAbout(d, p.x, p.y, static_cast<int>(20 * p.scale), tinctures[i], k.ordinary);
            EXPECT_EQ(box.other, 0) << "charge " << i;
        }
    }
}

// Beside an upright principal charge the two stand at its flanks, as two of one kind would, and
// the charge in the middle grows as it does for them.
TEST(PairBetween, TwoSingleChargesFlankAnUprightPrincipal) {
    const char* blazons[] = {
        "Argent, a sword gules between a mullet azure and a lozenge vert.",
        "Argent, a sword gules between a mullet and a lozenge azure.",
        "Argent, a tree gules between a mullet azure and a lozenge vert.",
    };
    for (const char* blazon : blazons) {
        SCOPED_TRACE(blazon);
        test::Drawing pair, two;
        pair.DrawClean(blazon);
        two.DrawClean("Argent, a sword gules between two mullets azure.");
        const std::vector<PlacementTrace> placed = test::AllPlacements(pair);
        const std::vector<PlacementTrace> like = test::AllPlacements(two);
        ASSERT_EQ(placed.size(), 3u);
        ASSERT_EQ(like.size(), 3u);
        const ShieldGeometry& g = pair.s().geometry;
        EXPECT_GT(placed[0].scale, 1.0f);
        EXPECT_EQ(placed[1].y, placed[2].y);
        EXPECT_EQ(placed[1].x + placed[2].x, g.W);
        EXPECT_LT(placed[1].x, g.W2);
        EXPECT_EQ(placed[1].x, like[1].x);
        EXPECT_FLOAT_EQ(placed[2].scale, like[2].scale);
        EXPECT_EQ(pair.At(placed[1].x, placed[1].y), test::Colour(kAzure));
    }
    // A place of its own is not a pair between: "in chief" keeps the group as written.
    test::Drawing placedApart;
    placedApart.Draw("Argent, a sword gules between a mullet in chief and a lozenge in base azure.");
    for (const LevelTrace& l : placedApart.trace.levels) {
        EXPECT_NE(l.layout, "AroundThePrincipal(2 of 2)");
        EXPECT_NE(l.layout.rfind("SecondOfAPairBetween", 0), 0u);
    }
}

}  // namespace
}  // namespace esc
