// Annulets "conjoined" (touching) and "interlaced" (each crossing the next by a quarter of its
// width): where the rings stand and what is painted at points computed from their centres.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/Palette.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// The annulet's outer radius at scale 1, and its inner radius as a share of the outer.
constexpr double kRingRadius = 55.5;
constexpr double kInnerShare = 0.70;

double Radius(const PlacementTrace& p) { return kRingRadius * p.scale; }
double Distance(const PlacementTrace& a, const PlacementTrace& b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(ConjoinedRings, APairTouchesOrCrosses) {
    struct Case {
        const char* blazon;
        double step;  // from centre to centre, in outer radii
    };
    const Case cases[] = {
        {"Argent two annulets interlaced azure", 1.5},
        {"Argent two annulets linked together azure", 1.5},
        {"Argent two annulets conjoined azure", 2.0},
        {"Argent three annulets interlaced azure", 1.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const auto placed = AllPlacements(d);
        ASSERT_GE(placed.size(), 2u);
        for (std::size_t i = 1; i < placed.size(); ++i) {
            EXPECT_EQ(placed[i].y, placed[0].y);  // a row across the shield
            EXPECT_NEAR(Distance(placed[i - 1], placed[i]), c.step * Radius(placed[i]), 2.0);
        }
        const double r = Radius(placed[0]);
        for (const PlacementTrace& p : placed) {
            EXPECT_EQ(d.At(p.x, p.y), Colour(kArgent));  // the field through the ring
            EXPECT_EQ(d.At(p.x, static_cast<int>(p.y - 0.85 * r)), Colour(kAzure));
        }
        if (c.step < 2.0) {
            // Between two centres the rings lie over each other: the ring's band, not the field.
            const int x = (placed[0].x + placed[1].x) / 2;
            ASSERT_GT(0.75 * r, kInnerShare * r + 2);
            EXPECT_EQ(d.At(x, placed[0].y), Colour(kAzure));
        }
    }
}

// Rows of the other count's parity sit in the notches, each ring on two of the row above; rows
// of the same parity stand apart, so "two, two and two" are three pairs.
TEST(ConjoinedRings, RowsInTheNotchesOrApart) {
    Drawing d;
    d.DrawClean("Argent five annulets conjoined azure");
    auto placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 5u);
    for (std::size_t i : {0u, 1u, 3u, 4u}) EXPECT_NEAR(Distance(placed[2], placed[i]), 2.0 * Radius(placed[2]), 3.0) << i;
    d.DrawClean("Gules six annulets interlaced or two, two and two");
    placed = AllPlacements(d);
    ASSERT_EQ(placed.size(), 6u);
    for (std::size_t row = 0; row < 3; ++row) {
        const PlacementTrace& a = placed[2 * row];
        const PlacementTrace& b = placed[2 * row + 1];
        EXPECT_NEAR(Distance(a, b), 1.5 * Radius(a), 2.0);
        if (row > 0) {
            EXPECT_GT(a.y - placed[2 * row - 2].y, 2.0 * Radius(a));  // the pairs do not touch
        }
    }
}

// With charges round them the rings together take the room of one charge: no charge round them
// stands on a ring.
TEST(ConjoinedRings, BetweenOtherChargesTheyTakeOneChargesRoom) {
    Drawing alone, between;
    alone.DrawClean("Argent two annulets interlaced gules");
    between.DrawClean("Argent two annulets interlaced gules between three crosses formy sable");
    const auto placed = AllPlacements(between);
    ASSERT_EQ(placed.size(), 5u);
    EXPECT_LT(placed[0].scale, AllPlacements(alone)[0].scale);
    for (std::size_t ring = 0; ring < 2; ++ring)
        for (std::size_t cross = 2; cross < 5; ++cross)
            EXPECT_GT(Distance(placed[ring], placed[cross]), Radius(placed[ring]) + 10.0) << ring << " " << cross;
}

}  // namespace
}  // namespace esc::test
