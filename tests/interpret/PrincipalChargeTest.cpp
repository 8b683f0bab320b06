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

// Where no larger size is known to be clear of the others (two beside a long drawing, groups in
// places of their own, pieces of the field), the charge keeps the usual size between others.
TEST(PrincipalCharge, KeepsTheUsualSizeWhereNoTableIsKnown) {
    for (const char* blazon : {"Argent a greyhound courant azure between two escallops gules",
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

// "Per pale sable and or a goblet between three pheons counterchanged": on a parted field the
// charges round a principal charge stand as on a plain one, two in chief and one in base, and
// the principal grows among them (the three stood in a row across the chief over a small
// goblet). The chief's middle between the two shows the field.
TEST(PrincipalCharge, OnAPartedFieldAsOnAPlainOne) {
    struct Case {
        const char* blazon;
        int first, second;  // the field's tinctures
    };
    const Case cases[] = {
        {"Per pale sable and Or, a goblet between three pheons counterchanged.", kSable, kOr},
        {"Per pale argent and or a greyhound courant azure between three escallops gules", kArgent, kOr},
        {"Per fess azure and or a mullet between three crescents counterchanged", kAzure, kOr},
        {"Per chevron gules and argent a rose between three mullets counterchanged", kGules, kArgent},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.blazon);
        Drawing d;
        d.DrawClean(c.blazon);
        const ShieldGeometry& g = d.s().geometry;
        ASSERT_EQ(d.trace.levels.size(), 2u);
        ASSERT_EQ(d.trace.levels[0].placements.size(), 1u);
        EXPECT_GT(d.trace.levels[0].placements[0].scale, kBetweenOthersScale);
        const auto& round = d.trace.levels[1].placements;
        ASSERT_EQ(round.size(), 3u);
        EXPECT_LT(round[0].x, g.W3);
        EXPECT_GT(round[1].x, g.W - g.W3);
        EXPECT_LT(round[0].y, g.H3);
        EXPECT_EQ(round[1].y, round[0].y);
        EXPECT_EQ(round[2].x, g.W2);
        EXPECT_GT(round[2].y, g.H - g.H3);
        // The middle of the chief between the two is the field's, above the principal.
        const Rgb middle = d.At(g.W2 + g.Px(4), round[0].y);
        EXPECT_TRUE(middle == Colour(c.first) || middle == Colour(c.second));
    }
}

}  // namespace
}  // namespace esc::test
