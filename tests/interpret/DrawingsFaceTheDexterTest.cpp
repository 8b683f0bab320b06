// Every charge drawing faces the dexter, so that "facing the sinister" (contourny) turns it to
// the sinister. The ancient cannon shows which way it faces by its bed: the bed's long end runs
// down behind the breech, below the barrel, while under the muzzle there is only the barrel.

#include <gtest/gtest.h>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// Pixels of `colour` in the lowest third of the extent, in its outer fifth on one side.
int LowOuterPixels(const Drawing& d, const Rect& e, Rgb colour, bool dexterSide) {
    const int fifth = (e.right - e.left) / 5, low = e.bottom - (e.bottom - e.top) / 3;
    const int from = dexterSide ? e.left : e.right - fifth, to = dexterSide ? e.left + fifth : e.right;
    int n = 0;
    for (int y = low; y <= e.bottom; ++y)
        for (int x = from; x <= to; ++x) n += d.At(x, y) == colour ? 1 : 0;
    return n;
}

TEST(DrawingsFaceTheDexter, TheAncientCannonAndContourny) {
    struct Case {
        const char* blazon;
        bool facesDexter;
    };
    for (const Case& c : {Case{"Or an ancient cannon gules", true}, Case{"Or an ancient cannon facing the sinister gules", false},
                          Case{"Or an ancient cannon contourny gules", false}}) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const Rect e = PaintedExtent(d, Colour(kGules));
        ASSERT_GT(e.right - e.left, 10);
        const int dexter = LowOuterPixels(d, e, Colour(kGules), true), sinister = LowOuterPixels(d, e, Colour(kGules), false);
        // The breech, and the bed's low end with it, lies away from the way the cannon faces.
        if (c.facesDexter) {
            EXPECT_GT(sinister, 4 * dexter + 1);
        } else {
            EXPECT_GT(dexter, 4 * sinister + 1);
        }
    }
}

}  // namespace
}  // namespace esc::test
