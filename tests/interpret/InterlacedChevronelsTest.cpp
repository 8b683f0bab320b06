// "Three chevronels interlaced" (braced): side by side at one height, each limb crossing the next
// chevronel's limb, instead of one above another.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

bool IsVair(Rgb c) { return c == Colour(kArgent) || c == Colour(kAzure); }

TEST(InterlacedChevronels, SideBySideEachCrossingTheNext) {
    Drawing d;
    d.DrawClean("Gules three chevronels interlaced vair and a chief or");
    ASSERT_EQ(d.trace.levels.size(), 2u);
    EXPECT_EQ(d.trace.levels[0].layout, "DrawOrdinary(38)");
    const ShieldGeometry& g = d.s().geometry;
    // The apexes: 36% down, 22% of the width apart, the middle one on the pale line; the limbs
    // fall at 40 degrees.
    const int apexY = g.H * 36 / 100, step = g.W * 22 / 100;
    const double fall = std::tan(40.0 * 3.14159265358979 / 180.0);
    for (int i = -1; i <= 1; ++i) {
        SCOPED_TRACE(i);
        const int x = g.W2 + i * step;
        EXPECT_TRUE(IsVair(d.At(x, apexY + 4))) << "the apex";
        EXPECT_EQ(d.At(x, apexY - 12), Colour(kGules)) << "above the apex";
        // Below the apex, above where the neighbours' limbs cross under it.
        EXPECT_EQ(d.At(x, apexY + 40), Colour(kGules)) << "within the chevronel";
    }
    for (int side : {-1, 1}) {
        SCOPED_TRACE(side);
        // Where two neighbours' limbs cross, half way between their apexes.
        const int x = g.W2 + side * step / 2, y = apexY + static_cast<int>(fall * step / 2);
        EXPECT_TRUE(IsVair(d.At(x, y + 4))) << "the crossing";
        EXPECT_EQ(d.At(x, apexY), Colour(kGules)) << "between two apexes";
    }

    // Not interlaced: the chevronels one above another, their own shape.
    d.Draw("Gules three chevronels vair and a chief or");
    EXPECT_EQ(d.trace.levels.at(0).layout, "DrawOrdinary(14)");
}

}  // namespace
}  // namespace esc
