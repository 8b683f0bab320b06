// A bordure on a charge ("on an escutcheon azure a bordure or") follows the charge's own outline:
// every row across the charge meets the bordure first, where the charge's sides curve in as
// much as where they run straight, and the charge's own tincture keeps its middle.

#include <gtest/gtest.h>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

TEST(BordureOnACharge, FollowsTheChargesOutline) {
    for (const char* blazon : {"Argent on an escutcheon azure a bordure or", "Argent on a lozenge azure a bordure or",
                               "Argent on a roundel azure a bordure or"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        ASSERT_FALSE(d.trace.levels.empty());
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        const PlacementTrace& host = d.trace.levels[0].placements[0];
        auto onCharge = [&](int x, int y) { return d.At(x, y) == Colour(kAzure) || d.At(x, y) == Colour(kOr); };
        int top = host.y, bottom = host.y;
        while (onCharge(host.x, top - 1)) --top;
        while (onCharge(host.x, bottom + 1)) ++bottom;
        ASSERT_GT(bottom - top, 40);
        int rows = 0;
        for (int y = top + (bottom - top) / 10; y <= bottom - (bottom - top) / 10; y += 2) {
            int dexter = host.x, sinister = host.x;
            while (onCharge(dexter - 1, y)) --dexter;
            while (onCharge(sinister + 1, y)) ++sinister;
            if (sinister - dexter < 12) continue;
            // The charge's last column may lie past the box it is known to have painted (a
            // roundel's sinister edge): the bordure is then the pixel within it.
            EXPECT_TRUE(d.At(dexter, y) == Colour(kOr) || d.At(dexter + 1, y) == Colour(kOr)) << "the dexter edge of row " << y;
            EXPECT_TRUE(d.At(sinister, y) == Colour(kOr) || d.At(sinister - 1, y) == Colour(kOr)) << "the sinister edge of row " << y;
            EXPECT_EQ(d.At(dexter + 2, y), Colour(kOr)) << "inside the dexter edge of row " << y;
            ++rows;
        }
        EXPECT_GT(rows, 20);
        EXPECT_EQ(d.At(host.x, host.y), Colour(kAzure));
    }
}

}  // namespace
}  // namespace esc::test
