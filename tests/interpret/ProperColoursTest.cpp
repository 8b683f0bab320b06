// Proper colours: "natural" before a charge with no picture of its own as nature shows it gives
// the charge's picture in its proper colours, wherever the phrase stands and whatever tincture a
// later phrase names; a tincture of its own written after it is a contradiction, told. An ordinary
// has no proper colours: one taking "proper" is told, not counted clean.

#include <gtest/gtest.h>

#include "engine/Messages.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// Whether the proper brown is painted within `reach` pixels of (x, y).
bool BrownNear(const Drawing& d, int x, int y, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (d.At(x + dx, y + dy) == Colour(kErmine)) return true;  // code 20 paints the brown of entry 8
    return false;
}

TEST(NaturalCharge, IsTheChargeProper) {
    for (const char* blazon : {"Argent a natural tortoise", "Or three natural tortoises",
                               "Argent a natural tortoise and three mullets gules",
                               "Per bend azure and vert, a bend between a natural sea-tortoise and three seeblätter argent."}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        const LevelTrace* tortoise = nullptr;
        for (const LevelTrace& level : d.trace.levels)
            if (level.name.rfind("tortoise", 0) == 0) tortoise = &level;
        ASSERT_NE(tortoise, nullptr);
        EXPECT_EQ(tortoise->tincture, kProperBrown);
        ASSERT_FALSE(tortoise->placements.empty());
        for (const PlacementTrace& p : tortoise->placements) EXPECT_TRUE(BrownNear(d, p.x, p.y, 12)) << "at " << p.x << ", " << p.y;
        // The charges of the other phrase keep the tincture named for them.
        for (const LevelTrace& level : d.trace.levels) {
            if (&level == tortoise || level.name == "bend") continue;
            EXPECT_NE(level.tincture, kProperBrown) << level.name;
        }
    }
}

TEST(NaturalCharge, WithATinctureOfItsOwnIsTold) {
    Drawing d;
    d.Draw("Argent a natural tortoise vert");
    EXPECT_FALSE(d.trace.ignoredWords.empty());
}

TEST(ProperOrdinary, IsTold) {
    for (const char* blazon : {"Per pale or and gules a pall proper", "Argent a lion passant gules on a chief three oak sprigs proper",
                               "Argent two bars proper", "Or a fess proper between three mullets gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        bool told = false;
        for (const std::string& m : d.sink.messages) told = told || m.rfind(msg::kOrdinaryHasNoProperColour, 0) == 0;
        EXPECT_TRUE(told);
    }
    // Charges proper have colours in nature: drawn clean.
    for (const char* blazon : {"Argent a tree proper", "Argent a tortoise proper", "Or a fess gules between three trees proper"}) {
        Drawing d;
        d.DrawClean(blazon);
    }
}

}  // namespace
}  // namespace esc::test
