// "A bend argent cotised potenty of thirteen or": the cotises' line repeated the number of times
// written along each cotise, instead of every period of the line's own pattern.

#include <gtest/gtest.h>

#include <cmath>

#include "tests/interpret/TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// The potents met walking along the upper cotise of the bend (from (W/5 + 5, 0) at 311 degrees,
// as the cotises are drawn) a few pixels to one side of its middle line, where only the potents'
// heads reach: each run of Or pixels is one.
int PotentsAlongUpperCotise(Drawing& d, int side) {
    const ShieldGeometry& g = d.s().geometry;
    const double angle = 311.0 * 3.14159265358979 / 180.0, dx = std::cos(angle), dy = -std::sin(angle);
    int runs = 0;
    bool inside = false;
    for (int t = 0; t < 600; ++t) {
        const int x = static_cast<int>(std::lround(g.W / 5 + 5 + t * dx - side * dy));
        const int y = static_cast<int>(std::lround(t * dy + side * dx));
        if (x < 2 || y < 2 || x >= g.W - 2 || y >= g.H) {
            if (runs > 0) break;  // off the shield at the far end
            continue;             // not yet on it
        }
        const bool potent = d.At(x, y) == Colour(kOr);
        runs += potent && !inside;
        inside = potent;
    }
    return runs;
}

TEST(CotiseLine, PotentyOfTheCountWritten) {
    Drawing d;
    struct Case {
        const char* blazon;
        int least, most;
    };
    const Case cases[] = {{"Azure a bend argent cotised potenty of thirteen or", 12, 13},
                          {"Azure a bend argent cotised potenty of six or", 5, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        d.Draw(c.blazon);
        EXPECT_TRUE(d.trace.ignoredWords.empty());
        // On the side away from the bend, where nothing else of Or lies.
        const int potents = PotentsAlongUpperCotise(d, 7);
        EXPECT_GE(potents, c.least);
        EXPECT_LE(potents, c.most);
    }
    // With no count the line keeps its own period, and the cotise is still potenty.
    d.Draw("Azure a bend argent cotised potenty or");
    EXPECT_TRUE(d.trace.ignoredWords.empty());
    EXPECT_GE(PotentsAlongUpperCotise(d, 7), 5);
}

}  // namespace
}  // namespace esc
