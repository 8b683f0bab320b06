// A bordure compony or counter-compony: of even breadth all round the shield's edge (round the
// base too), cut square across into equal panes. Colours are read at points computed from the
// shield's geometry, at paint scales 1 and 2.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/BordureRing.h"
#include "engine/OrdinaryShapes.h"
#include "tests/interpret/TestDrawing.h"

namespace esc::test {
namespace {

// The last row inside the shield in column x.
int FootOf(const ShieldGeometry& g, int x) {
    int y = g.shieldBottom;
    while (y > 0 && !InsideShield(g, x, y)) --y;
    return y;
}

// The rows of column x, from `from` to `to`, where its colour changes.
std::vector<int> ChangesDown(const Drawing& d, int x, int from, int to) {
    std::vector<int> rows;
    for (int y = from + 1; y < to; ++y)
        if (!(d.At(x, y) == d.At(x, y - 1))) rows.push_back(y);
    return rows;
}

TEST(BordureCompony, EvenBreadthRoundTheBase) {
    for (const double k : {1.0, 2.0}) {
        for (const char* blazon : {"Argent a bordure compony or and azure", "Argent a bordure counter-compony or and azure"}) {
            SCOPED_TRACE(std::string(blazon) + " at " + std::to_string(k));
            Drawing d;
            d.s().SetPaintScale(k);
            d.DrawClean(blazon);
            const ShieldGeometry& g = d.s().geometry;
            const int breadth = g.Px(kBordureBreadth);
            auto isBordure = [&](int x, int y) { return d.At(x, y) == Colour(kOr) || d.At(x, y) == Colour(kAzure); };
            // Along the flat foot beside the point: the bordure its breadth deep, the field just past.
            for (const int x : {g.W / 4, g.W / 3, g.W - g.W / 4, g.W - g.W / 3}) {
                const int foot = FootOf(g, x);
                SCOPED_TRACE(x);
                EXPECT_TRUE(isBordure(x, foot - breadth / 2));
                EXPECT_EQ(d.At(x, foot - breadth - g.Px(4)), Colour(kArgent));
            }
            // Above the point the bordure follows it down: the field reaches to within twice the
            // breadth of the foot (a bordure with a flat inner edge stopped it higher).
            EXPECT_TRUE(isBordure(g.W2, FootOf(g, g.W2) - breadth / 2));
            EXPECT_EQ(d.At(g.W2, FootOf(g, g.W2) - 2 * breadth), Colour(kArgent));
            // Round the rounded corners of the base (radius 40 about a centre 42 above the foot
            // of the flanks): on the diagonal, the bordure half its breadth in, the field beyond.
            const double r = g.Px(40), cy = g.H - g.Px(42), diagonal = 0.7071;
            for (const double side : {-1.0, 1.0}) {
                const double cx = side < 0 ? r : g.W - r;
                auto at = [&](double radius) {
                    return std::pair{static_cast<int>(cx + side * radius * diagonal), static_cast<int>(cy + radius * diagonal)};
                };
                const auto [bx, by] = at(r - breadth / 2.0);
                const auto [fx, fy] = at(r - breadth - g.Px(4));
                EXPECT_TRUE(isBordure(bx, by)) << side;
                EXPECT_EQ(d.At(fx, fy), Colour(kArgent)) << side;
            }
            for (const int y : {g.H / 4, g.H2}) {
                EXPECT_TRUE(isBordure(g.Px(2) + breadth / 2, y));
                EXPECT_EQ(d.At(g.Px(2) + breadth + g.Px(4), y), Colour(kArgent));
                EXPECT_TRUE(isBordure(g.W - g.Px(2) - breadth / 2, y));
            }
        }
    }
}

TEST(BordureCompony, PanesSquareAcrossAndEqual) {
    for (const double k : {1.0, 2.0}) {
        SCOPED_TRACE(k);
        Drawing d;
        d.s().SetPaintScale(k);
        d.DrawClean("Argent a bordure compony or and azure");
        const ShieldGeometry& g = d.s().geometry;
        const int breadth = g.Px(kBordureBreadth), edge = g.Px(2);
        // Down the dexter flank, the outer and the inner column of the bordure change colour on
        // the same rows (the panes are cut square across, not as wedges from the middle).
        const int from = breadth + g.Px(4), to = g.baseTop - breadth;
        const std::vector<int> outer = ChangesDown(d, edge + g.Px(3), from, to);
        const std::vector<int> inner = ChangesDown(d, edge + breadth - g.Px(4), from, to);
        ASSERT_EQ(outer.size(), inner.size());
        ASSERT_GE(outer.size(), 2u);
        for (std::size_t i = 0; i < outer.size(); ++i) EXPECT_NEAR(outer[i], inner[i], 1) << i;
        // Whole panes on the flank are equally long.
        for (std::size_t i = 1; i + 1 < outer.size(); ++i) EXPECT_NEAR(outer[i + 1] - outer[i], outer[1] - outer[0], 2) << i;
        // Sixteen panes round the whole edge, in turn, the first Or clockwise of the top middle:
        // the colours at mid-breadth, in order round the edge.
        const EdgeRing ring = BordureRing(g, breadth);
        std::vector<std::pair<float, Rgb>> round;
        for (int y = ring.mask.box.top; y < ring.mask.box.bottom; ++y)
            for (int x = ring.mask.box.left; x < ring.mask.box.right; ++x) {
                if (!ring.mask.Contains(x, y)) continue;
                const float depth = ring.depth[ring.Index(x, y)];
                if (depth > breadth * 0.4 && depth < breadth * 0.6 && x > edge + 1 && x < g.W - edge - 1)
                    round.emplace_back(ring.along[ring.Index(x, y)], d.At(x, y));
            }
        std::sort(round.begin(), round.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        ASSERT_FALSE(round.empty());
        std::vector<Rgb> panes{round.front().second};
        for (const auto& [along, colour] : round)
            if (!(colour == panes.back())) panes.push_back(colour);
        ASSERT_EQ(panes.size(), 16u);
        for (std::size_t i = 0; i < panes.size(); ++i) EXPECT_EQ(panes[i], Colour(i % 2 == 0 ? kOr : kAzure)) << i;
    }
}

TEST(BordureCompony, CounterComponyInTwoRows) {
    Drawing d;
    d.DrawClean("Argent a bordure counter-compony or and azure");
    const ShieldGeometry& g = d.s().geometry;
    const int breadth = g.Px(kBordureBreadth), edge = g.Px(2);
    // Across the flank and across the foot of the point, the outer and inner rows differ.
    int differ = 0, rows = 0;
    for (int y = breadth + 5; y < g.baseTop - breadth; y += 3) {
        const Rgb outer = d.At(edge + breadth / 4, y), inner = d.At(edge + 3 * breadth / 4, y);
        differ += !(outer == inner);
        ++rows;
    }
    EXPECT_GT(differ, rows * 3 / 4);
    const int foot = FootOf(g, g.W / 4);
    EXPECT_FALSE(d.At(g.W / 4, foot - breadth / 4) == d.At(g.W / 4, foot - 3 * breadth / 4));
}

}  // namespace
}  // namespace esc::test
