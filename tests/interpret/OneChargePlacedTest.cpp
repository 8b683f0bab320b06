#include <gtest/gtest.h>

#include <string>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Colour;

// One charge placed by a position phrase before it ("in bend sinister a lozenge") stands where
// the phrase says, and the words of the phrase are not taken for part of the charge's name.
TEST(OneChargePlaced, ByAPositionPhraseBeforeIt) {
    struct Case {
        const char* blazon;
        const char* name;       // the charge the level names
        bool centred, bendwise;
    };
    const Case cases[] = {
        {"Argent, in bend sinister a lozenge gules", "lozenge", true, true},
        {"Argent, in bend a lozenge gules", "lozenge", true, true},
        {"Argent, in pale a mullet gules", "mullet", true, false},
        {"Argent, in fess a mullet gules", "mullet", true, false},
        {"Argent, in dexter chief a mullet gules", "mullet", false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.blazon);
        test::Drawing d;
        d.DrawClean(k.blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_FALSE(d.trace.levels.empty());
        const LevelTrace& level = d.trace.levels.front();
        EXPECT_EQ(level.name, k.name);
        ASSERT_EQ(level.placements.size(), 1u);
        const PlacementTrace& p = level.placements.front();
        EXPECT_EQ(p.bendwise, k.bendwise);
        if (k.centred) {
            EXPECT_EQ(p.x, g.W2);
            EXPECT_EQ(p.y, g.H2);
        } else {
            EXPECT_LT(p.x, g.W2);  // the dexter chief: left of the pale, above the fess point
            EXPECT_LT(p.y, g.H2);
        }
        EXPECT_EQ(d.At(p.x, p.y), Colour(kGules));
        EXPECT_EQ(d.At(8, g.H2), Colour(kArgent));  // the field at the dexter edge
    }
}

}  // namespace
}  // namespace esc
