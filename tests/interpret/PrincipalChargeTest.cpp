// One charge between others is the principal charge: drawn much larger than each of those round
// it, and clear of them.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "interpret/layout/PrincipalCharge.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

struct Silhouette {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1, pixels = 0;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
    void Add(int x, int y) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        ++pixels;
    }
    bool Meets(const Silhouette& o) const { return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom; }
};

TEST(PrincipalCharge, LargerThanEachChargeRoundIt) {
    struct Case {
        const char* blazon;
        int others;
    };
    // The principal charge azure, the others gules: each measured by its own colour. The others
    // stand two and one (or in the corners), so the quarter of the shield a gules pixel lies in
    // tells which charge it belongs to.
    const std::vector<Case> cases = {
        {"Argent a greyhound courant azure between three escallops gules", 3},
        {"Argent a lion rampant azure between three crosses crosslet gules", 3},
        {"Argent a boar passant azure between three mullets gules", 3},
        {"Argent a stag trippant azure between three escallops gules", 3},
        {"Argent a greyhound courant azure between four roses gules", 4},
        // Two at the flanks of an upright charge.
        {"Argent a sword azure between two keys gules", 2},
        {"Argent a lion rampant azure between two mullets gules", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.Draw(c.blazon);
        EXPECT_TRUE(d.sink.messages.empty());
        const ShieldGeometry& g = d.s().geometry;
        Silhouette principal;
        std::vector<Silhouette> others(4);
        const Bitmap& p = d.state->picture;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x) {
                if (p.Pixel(x, y) == Colour(kAzure)) principal.Add(x, y);
                if (p.Pixel(x, y) != Colour(kGules)) continue;
                const bool low = y > g.H2, right = x > g.W2;
                // Two and one: the one in base stands across the pale.
                const int which = c.others == 2 ? (right ? 1 : 0) : c.others == 3 && low ? 2 : (low ? 2 : 0) + (right ? 1 : 0);
                others[static_cast<std::size_t>(which)].Add(x, y);
            }
        ASSERT_GT(principal.pixels, 0);
        for (int i = 0; i < c.others; ++i) {
            SCOPED_TRACE("other " + std::to_string(i));
            const Silhouette& o = others[static_cast<std::size_t>(i)];
            ASSERT_GT(o.pixels, 0);
            // Its painted box is the larger, in extent and in area (a slender beast paints fewer
            // pixels than a rose of the same size, so the box is what the eye compares).
            // and as a herald draws it, the charge that owns the field: at least twice as long.
            EXPECT_GE(std::max(principal.Width(), principal.Height()), 2 * std::max(o.Width(), o.Height()));
            EXPECT_GT(principal.Width() * principal.Height(), o.Width() * o.Height());
            EXPECT_FALSE(principal.Meets(o));
        }
    }
}

// Where no larger size is known to be clear of the others (two beside a long drawing, a parted
// field, groups in places of their own, pieces of the field), the charge keeps the usual size
// between others.
TEST(PrincipalCharge, KeepsTheUsualSizeWhereNoTableIsKnown) {
    for (const char* blazon : {"Argent a greyhound courant azure between two escallops gules",
                               "Per pale argent and or a greyhound courant azure between three escallops gules",
                               "Azure a buckle or between two wolves' heads couped in chief and an escallop in base argent",
                               "Sable an estoile of six points or between two flaunches ermine"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.Draw(blazon);
        ASSERT_FALSE(d.trace.levels.empty());
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        EXPECT_FLOAT_EQ(d.trace.levels[0].placements[0].scale, kBetweenOthersScale);
    }
}

}  // namespace
}  // namespace esc::test
