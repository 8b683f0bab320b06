// A voided ordinary is the edge of the plain one: every pixel it paints lies within the plain
// ordinary's outline (none outside it, none below the shield), the middle shows the field, and
// the edge is there on both sides.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

struct Walk {
    int x, y;    // a point on the ordinary's middle line
    int dx, dy;  // a step across the ordinary from there
};

TEST(VoidedOrdinary, TheEdgeOfThePlainOrdinaryAndNothingElse) {
    Drawing probe;
    probe.Draw("Argent");
    const ShieldGeometry& g = probe.state->geometry;
    struct Case {
        const char* ordinary;
        std::vector<Walk> walks;  // none: only the outline is checked
    };
    const std::vector<Case> cases = {
        {"fess", {{g.W2, g.H2, 0, 1}, {g.W2, g.H2, 0, -1}, {g.W / 8, g.H2, 0, 1}}},
        {"pale", {{g.W2, g.H4, 1, 0}, {g.W2, g.H4, -1, 0}}},
        {"bend", {{g.W2, g.H2, 1, -1}, {g.W2, g.H2, -1, 1}}},
        {"bend sinister", {{g.W2, g.H2, 1, 1}, {g.W2, g.H2, -1, -1}}},
        {"cross", {{g.W2, g.H / 8, 1, 0}, {g.W2, g.H / 8, -1, 0}, {g.W / 8, g.H2, 0, 1}, {g.W / 8, g.H2, 0, -1}}},
        {"saltire", {{g.W / 4, g.H / 4, 1, -1}, {g.W / 4, g.H / 4, -1, 1}}},
        {"chevron", {}},
        {"pall", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ordinary);
        Drawing plain, voided;
        plain.Draw(std::string("Argent a ") + c.ordinary + " gules");
        voided.Draw(std::string("Argent a ") + c.ordinary + " voided gules");
        EXPECT_TRUE(voided.sink.messages.empty());
        EXPECT_TRUE(WordUsed(voided, "voided"));
        const Bitmap& v = voided.state->picture;
        int red = 0, plainRed = 0;
        for (int y = 0; y < v.Height(); ++y)
            for (int x = 0; x < v.Width(); ++x) {
                if (plain.At(x, y) == Colour(kGules)) ++plainRed;
                if (v.Pixel(x, y) != Colour(kGules)) continue;
                ++red;
                if (plain.At(x, y) != Colour(kGules)) ADD_FAILURE() << "red outside the plain ordinary at " << x << "," << y;
                if (y > g.shieldBottom) ADD_FAILURE() << "red below the shield at " << x << "," << y;
            }
        // An edge on each side, far less than the whole ordinary.
        EXPECT_GT(red, 0);
        EXPECT_LT(red, plainRed / 2);
        for (const Walk& w : c.walks) {
            SCOPED_TRACE("from " + std::to_string(w.x) + "," + std::to_string(w.y));
            EXPECT_EQ(voided.At(w.x, w.y), Colour(kArgent));
            int x = w.x, y = w.y;
            while (voided.At(x, y) == Colour(kArgent) && x > 0 && y > 0 && x < g.W && y < g.H) {
                x += w.dx;
                y += w.dy;
            }
            EXPECT_EQ(voided.At(x, y), Colour(kGules));
            EXPECT_EQ(plain.At(x, y), Colour(kGules));
        }
    }
}

}  // namespace
}  // namespace esc::test
