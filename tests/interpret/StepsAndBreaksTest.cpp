// The stepped, sawn, broken and pointed lines (grady, dentilly, angled, bevilled, escartelly,
// champaine, double arched) and the baton, read from blazons and drawn with their outlines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "TestDrawing.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

// The first row from the top, in column x, where the chief's tincture gives way: the line of a
// field per fess, found by walking down from a quarter of the height.
int LineRowAt(const Drawing& d, int x) {
    const ShieldGeometry& g = d.state->geometry;
    const Rgb top = Colour(kArgent);
    for (int y = g.H / 8; y < g.H - g.H / 8; ++y)
        if (d.At(x, y) != top) return y;
    return -1;
}

// The line's row in every column across the middle three quarters of the shield, clear of the
// curved flanks.
std::vector<int> LineRows(const Drawing& d) {
    const ShieldGeometry& g = d.state->geometry;
    std::vector<int> rows;
    for (int x = g.W / 8; x < g.W - g.W / 8; ++x) rows.push_back(LineRowAt(d, x));
    return rows;
}

Drawing PerFess(const std::string& line) {
    Drawing d;
    d.DrawClean("Per fess " + line + " argent and gules");
    return d;
}

TEST(StepsAndBreaks, RepeatingLinesKeepTheirProfile) {
    // Grady: each merlon rises in three steps, so the line stands at four levels only, each held
    // for several columns.
    {
        const Drawing d = PerFess("grady");
        const std::vector<int> rows = LineRows(d);
        ASSERT_EQ(std::count(rows.begin(), rows.end(), -1), 0);
        std::set<int> levels(rows.begin(), rows.end());
        EXPECT_EQ(levels.size(), 4u);
        int changes = 0;
        for (std::size_t i = 1; i < rows.size(); ++i) changes += rows[i] != rows[i - 1] ? 1 : 0;
        EXPECT_GE(changes, 6 * 2);  // at least two merlons, six risers each
    }
    for (const char* word : {"dentilly", "dentelly"}) {
        // Dentilly: every tooth has one upright side; all of them drop the same way.
        SCOPED_TRACE(word);
        const Drawing d = PerFess(word);
        const std::vector<int> rows = LineRows(d);
        const int range = *std::max_element(rows.begin(), rows.end()) - *std::min_element(rows.begin(), rows.end());
        ASSERT_GT(range, 3);
        int up = 0, down = 0;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const int jump = rows[i] - rows[i - 1];
            if (std::abs(jump) > range / 2) (jump > 0 ? down : up) += 1;
        }
        EXPECT_GE(up + down, 3);
        EXPECT_EQ(std::min(up, down), 0);
    }
    {
        // Champaine: pales ending in points, so the line climbs by slopes and the steps between are
        // shallow, with several crests across.
        const Drawing d = PerFess("champaine");
        const std::vector<int> rows = LineRows(d);
        const int top = *std::min_element(rows.begin(), rows.end());
        int crests = 0;
        for (std::size_t i = 1; i < rows.size(); ++i) crests += rows[i] == top && rows[i - 1] != top ? 1 : 0;
        EXPECT_GE(crests, 3);
        EXPECT_GT(std::set<int>(rows.begin(), rows.end()).size(), 6u);
    }
}

TEST(StepsAndBreaks, LinesBrokenOnceAcrossTheShield) {
    const Drawing angled = PerFess("angled"), bevilled = PerFess("bevilly"), notched = PerFess("escartelly");
    const ShieldGeometry& g = angled.state->geometry;
    const int left = g.W / 8, right = g.W - g.W / 8;
    {
        // Angled: level on each half, at two heights, and the whole difference taken in one step.
        const int drop = LineRowAt(angled, right) - LineRowAt(angled, left);
        ASSERT_NE(drop, 0);
        EXPECT_EQ(LineRowAt(angled, left), LineRowAt(angled, g.W / 3));
        EXPECT_EQ(LineRowAt(angled, right), LineRowAt(angled, g.W - g.W / 3));
        EXPECT_GE(std::abs(LineRowAt(angled, g.W2 + 2) - LineRowAt(angled, g.W2 - 2)), std::abs(drop) * 4 / 5);
    }
    {
        // Bevilled: the same two levels, joined by a slope with no step as deep as half of it.
        const int drop = LineRowAt(bevilled, right) - LineRowAt(bevilled, left);
        ASSERT_GT(std::abs(drop), 4);
        const std::vector<int> rows = LineRows(bevilled);
        for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LE(std::abs(rows[i] - rows[i - 1]), std::abs(drop) / 2);
    }
    {
        // Escartelly: one square notch in the middle, the line level and equal on both sides of it.
        EXPECT_EQ(LineRowAt(notched, left), LineRowAt(notched, right));
        EXPECT_EQ(LineRowAt(notched, left), LineRowAt(notched, g.W / 3));
        EXPECT_NE(LineRowAt(notched, g.W2), LineRowAt(notched, left));
    }
    {
        // Double arched: two arches, crowns at the quarters, their feet meeting in the middle.
        const Drawing d = PerFess("double arched");
        const int crownL = LineRowAt(d, g.W / 4), crownR = LineRowAt(d, g.W - g.W / 4);
        EXPECT_LE(std::abs(crownL - crownR), 1);
        EXPECT_GT(std::abs(LineRowAt(d, g.W2) - crownL), 3);
    }
}

TEST(StepsAndBreaks, NewLinesOnOrdinaries) {
    // Each line reaches the ordinaries that take one: the fess's edge leaves the plain fess's.
    Drawing plain;
    plain.DrawClean("Argent a fess gules");
    for (const char* line : {"grady", "dentilly", "angled", "bevilled", "escartelly", "champaine", "embattled grady"}) {
        SCOPED_TRACE(line);
        Drawing d;
        d.DrawClean(std::string("Argent a fess ") + line + " gules");
        EXPECT_FALSE(d.s().picture == plain.s().picture);
        Drawing chief;
        chief.DrawClean(std::string("Argent a chief ") + line + " gules");
    }
}

TEST(StepsAndBreaks, TheBatonIsABendletSinisterCouped) {
    // Where the bendlet sinister crosses the middle the baton lies too; near the flanks, where the
    // bendlet runs on to the edge, the baton is cut short and the field shows.
    Drawing bendlet;
    bendlet.DrawClean("Argent a bendlet sinister gules");
    const ShieldGeometry& g = bendlet.state->geometry;
    const Rgb band = Colour(kGules), field = Colour(kArgent);
    // The bendlet's own pixels on the row through the middle, and on rows near the chief's top.
    auto bandColumnOnRow = [&](int y) {
        for (int x = g.W - 1; x >= 0; --x)
            if (bendlet.At(x, y) == band) return x;
        return -1;
    };
    const int midX = bandColumnOnRow(g.H2), topX = bandColumnOnRow(g.H / 12);
    ASSERT_GE(midX, 0);
    ASSERT_GE(topX, 0);
    for (const char* blazon : {"Argent a baton gules", "Argent a baton sinister gules", "Argent a baston gules"}) {
        SCOPED_TRACE(blazon);
        Drawing d;
        d.DrawClean(blazon);
        EXPECT_EQ(d.At(midX, g.H2), band);
        EXPECT_EQ(d.At(topX, g.H / 12), field);
    }
}

}  // namespace
}  // namespace esc
