// A counterchanged charge takes, at each pixel, the other tincture of the surface it lies on:
// the parted field's, or the parted ordinary's it is charged on, whatever tincture the blazon
// named first.

#include <gtest/gtest.h>

#include <string>

#include "TestDrawing.h"
#include "engine/Palette.h"

namespace esc {
namespace {

struct CounterchangeCase {
    const char* ground;   // the blazon without the counterchanged charges
    const char* charged;  // the same with them
    int first, second;    // the two parts the charges exchange
};

// Near each roundel's centre, wherever the ground shows one of the two parts (and its
// neighbours the same part, off the line between them), the charge shows the other part.
void ExpectExchangesTheGround(const CounterchangeCase& c) {
    SCOPED_TRACE(c.charged);
    test::Drawing ground, charged;
    ground.Draw(c.ground);
    charged.DrawClean(c.charged);
    ASSERT_FALSE(charged.trace.levels.empty());
    const std::vector<PlacementTrace>& placed = charged.trace.levels.back().placements;
    ASSERT_FALSE(placed.empty());
    const Rgb first = test::Colour(c.first), second = test::Colour(c.second);
    int checked = 0;
    for (const PlacementTrace& p : placed) {
        for (const int dx : {-3, 3}) {
            const int x = p.x + dx, y = p.y;
            const Rgb under = ground.At(x, y);
            if (!(under == first || under == second)) continue;
            if (!(ground.At(x - 2, y) == under && ground.At(x + 2, y) == under && ground.At(x, y - 2) == under &&
                  ground.At(x, y + 2) == under))
                continue;
            EXPECT_EQ(charged.At(x, y), under == first ? second : first) << "at " << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GE(checked, 3) << "too few points on the two parts";
}

TEST(CounterchangeGround, ChargesOverAPartedFieldTakeItsPartsWhateverIsNamedBetween) {
    const CounterchangeCase cases[] = {
        {"Per pale argent and gules, a bordure sable", "Per pale argent and gules, a bordure sable, three roundels counterchanged",
         kArgent, kGules},
        {"Per pale or and azure, a chief vert", "Per pale or and azure, a chief vert, three roundels counterchanged", kOr, kAzure},
        {"Per fess argent and sable, a pale gules", "Per fess argent and sable, a pale gules between four roundels counterchanged",
         kArgent, kSable},
    };
    for (const CounterchangeCase& c : cases) ExpectExchangesTheGround(c);
}

TEST(CounterchangeGround, ChargesOnAPartedOrdinaryTakeItsPartsNotTheFields) {
    const CounterchangeCase cases[] = {
        {"Argent, a chief per pale gules and azure", "Argent, on a chief per pale gules and azure three roundels counterchanged",
         kGules, kAzure},
        {"Or, a bordure vert, a fess per pale argent and gules",
         "Or, a bordure vert, on a fess per pale argent and gules three roundels counterchanged", kArgent, kGules},
        {"Sable, a chief or, a pale per fess argent and azure",
         "Sable, a chief or, on a pale per fess argent and azure three roundels counterchanged", kArgent, kAzure},
    };
    for (const CounterchangeCase& c : cases) ExpectExchangesTheGround(c);
}

}  // namespace
}  // namespace esc
