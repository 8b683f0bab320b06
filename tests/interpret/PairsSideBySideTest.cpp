// "Three pairs of keys addorsed", "two pairs of lions combatant": each member of the group two
// charges side by side on its spot, back to back or face to face.

#include <gtest/gtest.h>

#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

TEST(PairsSideBySide, EachMemberIsTwoChargesTurnedApart) {
    struct Case { const char* blazon; std::size_t pairs; bool addorsed; int tincture; };
    const std::vector<Case> cases = {
        {"Azure three pairs of keys addorsed or", 3, true, kOr},
        {"Azure, three pairs of keys, two in chief and one in base or; each pair addorsed", 3, true, kOr},
        {"Gules two pairs of lions combatant argent", 2, false, kArgent},
        {"Vert three pairs of swords addorsed argent, a chief or", 3, true, kArgent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        ASSERT_FALSE(d.trace.levels.empty());
        const std::vector<PlacementTrace>& spots = d.trace.levels[0].placements;
        ASSERT_EQ(spots.size(), 2 * c.pairs);
        for (std::size_t i = 0; i + 1 < spots.size(); i += 2) {
            const PlacementTrace& dexter = spots[i];
            const PlacementTrace& sinister = spots[i + 1];
            // Side by side on one row, the dexter one first, turned apart or together.
            EXPECT_EQ(dexter.y, sinister.y) << i;
            EXPECT_LT(dexter.x, sinister.x) << i;
            EXPECT_EQ(dexter.mirrored, !c.addorsed) << i;
            EXPECT_EQ(sinister.mirrored, c.addorsed) << i;
        }
        // The pairs are painted in their tincture about their spots.
        bool painted = false;
        for (const PlacementTrace& p : spots)
            for (int dx = -6; dx <= 6 && !painted; ++dx)
                for (int dy = -30; dy <= 30 && !painted; ++dy) painted = d.At(p.x + dx, p.y + dy) == Colour(c.tincture);
        EXPECT_TRUE(painted);
    }
}

// A single pair keeps the turn of a pair of charges; pairs crossed keep their crossing.
TEST(PairsSideBySide, OnePairAndCrossedPairsAreAsBefore) {
    Drawing d;
    d.DrawClean("Gules a pair of lions combatant or");
    ASSERT_EQ(d.trace.levels[0].placements.size(), 2u);
    EXPECT_TRUE(d.trace.levels[0].placements[0].mirrored);
    EXPECT_FALSE(d.trace.levels[0].placements[1].mirrored);
    d.DrawClean("Vert three pairs of arrows in saltire argent");
    const std::vector<PlacementTrace>& crossed = d.trace.levels[0].placements;
    ASSERT_EQ(crossed.size(), 6u);
    for (std::size_t i = 0; i < crossed.size(); i += 2) {
        EXPECT_EQ(crossed[i].x, crossed[i + 1].x);
        EXPECT_TRUE(crossed[i].bendwise && crossed[i + 1].bendwise);
    }
}

}  // namespace
}  // namespace esc
