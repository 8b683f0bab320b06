// "Debruised by a ribbon": the ribbon is the bend's narrowest diminutive, one bendlet drawn over
// the charge from the dexter chief to the sinister base.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

TEST(Ribbon, ABendletOverTheCharge) {
    Drawing d;
    d.DrawClean("Or a lion rampant gules debruised by a ribbon sable");
    ASSERT_EQ(d.trace.levels.size(), 2u);
    EXPECT_EQ(d.trace.levels[1].name, "ribbon");
    const ShieldGeometry& g = d.s().geometry;
    // Along the diagonal from the dexter chief corner to the sinister base: the ribbon, over the
    // lion at the fess point too.
    for (double t : {0.2, 0.35, 0.5, 0.65, 0.8}) {
        SCOPED_TRACE(t);
        EXPECT_EQ(d.At(static_cast<int>(t * g.W), static_cast<int>(t * g.H)), Colour(kSable));
    }
    // Alone on the field: 5 pixels across the diagonal either side is still the ribbon (half a
    // bendlet's breadth), 45 is the field.
    d.Draw("Or a ribbon sable");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    const double length = std::hypot(g.W, g.H), nx = -g.H / length, ny = g.W / length;
    for (double t : {0.2, 0.5, 0.8}) {
        SCOPED_TRACE(t);
        const double x = t * g.W, y = t * g.H;
        EXPECT_EQ(d.At(static_cast<int>(x), static_cast<int>(y)), Colour(kSable));
        for (int across : {-5, 5})
            EXPECT_EQ(d.At(static_cast<int>(x + across * nx), static_cast<int>(y + across * ny)), Colour(kSable)) << across;
        for (int across : {-45, 45})
            EXPECT_EQ(d.At(static_cast<int>(x + across * nx), static_cast<int>(y + across * ny)), Colour(kOr)) << across;
    }
}

}  // namespace
}  // namespace esc
