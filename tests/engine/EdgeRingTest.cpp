#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "tests/SweepStride.h"
#include "engine/BordureRing.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Painter.h"
#include "engine/PaintState.h"

namespace esc {
namespace {

// The distance round the line to its point nearest (x, y), every segment read in turn.
double AlongByEverySegment(const EdgeLine& line, double x, double y) {
    double best = std::numeric_limits<double>::max(), along = 0, at = 0;
    for (std::size_t i = 0; i + 1 < line.Points(); ++i) {
        const double ax = line.X(i), ay = line.Y(i), dx = line.X(i + 1) - ax, dy = line.Y(i + 1) - ay;
        const double length2 = dx * dx + dy * dy;
        const double t = length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.0, 1.0) : 0.0;
        const double qx = ax + t * dx - x, qy = ay + t * dy - y, d = qx * qx + qy * qy;
        const double step = std::hypot(dx, dy);
        if (d < best) {
            best = d;
            along = at + t * step;
        }
        at += step;
    }
    return along;
}

struct OutlinedState {
    NullSink sink;
    std::unique_ptr<PaintState> state = std::make_unique<PaintState>(sink);
    explicit OutlinedState(double scale, bool marshalling = false) {
        state->marshallingMode = marshalling;
        state->SetPaintScale(scale);
        state->BeginDrawing();
        DrawShieldOutline(*state);
    }
};

// Each pixel's nearest outside pixel, as an offset, as the sweep over the whole picture finds it
// (the ring sweeps only a band along the edge), carried from neighbour to neighbour.
std::vector<std::pair<int, int>> NearestSweptWhole(const ShieldGeometry& g) {
    const int w = g.W, h = g.shieldBottom + 1;
    constexpr int kFarOff = 1 << 14;
    std::vector<std::pair<int, int>> nearest(static_cast<std::size_t>(w) * h, {kFarOff, kFarOff});
    const auto length2 = [](std::pair<int, int> o) { return static_cast<long long>(o.first) * o.first + static_cast<long long>(o.second) * o.second; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!InsideShield(g, x, y)) nearest[static_cast<std::size_t>(y) * w + x] = {0, 0};
    const auto take = [&](int x, int y, int ox, int oy) {
        const int nx = x + ox, ny = y + oy;
        std::pair<int, int> candidate{ox, oy};
        if (nx >= 0 && nx < w && ny >= 0 && ny < h) {
            const auto o = nearest[static_cast<std::size_t>(ny) * w + nx];
            if (o.first == kFarOff) return;
            candidate = {o.first + ox, o.second + oy};
        }
        auto& mine = nearest[static_cast<std::size_t>(y) * w + x];
        if (length2(candidate) < length2(mine)) mine = candidate;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            for (const auto& [ox, oy] : {std::pair{-1, 0}, {0, -1}, {-1, -1}, {1, -1}}) take(x, y, ox, oy);
        for (int x = w - 1; x >= 0; --x) take(x, y, 1, 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x)
            for (const auto& [ox, oy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, 1}}) take(x, y, ox, oy);
        for (int x = 0; x < w; ++x) take(x, y, -1, 0);
    }
    return nearest;
}

// The ring swept only along the edge holds the pixels, and their depths, that a sweep over the
// whole picture finds within its breadth, with their places round the edge, for the shield and
// the marshalling rectangle, at several scales and breadths; its rows' stretches hold them all.
TEST(EdgeRing, BandSweepMatchesTheWholePicture) {
    for (const bool marshalling : {false, true})
        for (const double scale : {1.0, 1.5, 2.0}) {
            // Under the sanitizers the design size alone (the sweep over the whole picture is slow).
            if (test::kSanitized && scale != 1.0) continue;
            OutlinedState outlined(scale, marshalling);
            const ShieldGeometry& g = outlined.state->geometry;
            const std::vector<std::pair<int, int>> whole = NearestSweptWhole(g);
            for (const int breadth : {g.Px(kBordureBreadth), g.Px(kBordureBreadth - 3), g.Px(6)}) {
                SCOPED_TRACE(testing::Message() << "scale " << scale << " marshalling " << marshalling << " breadth " << breadth);
                const EdgeRing ring = BordureRing(g, breadth);
                ASSERT_EQ(ring.rows.size(), static_cast<std::size_t>(g.shieldBottom + 1));
                int inRing = 0;
                for (int y = 0; y <= g.shieldBottom; ++y)
                    for (int x = 0; x < g.W; ++x) {
                        const std::size_t i = static_cast<std::size_t>(y) * g.W + x;
                        const auto [dx, dy] = whole[i];
                        const double depth = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy) - 0.5;
                        const bool expected = (dx != 0 || dy != 0) && depth < breadth;
                        ASSERT_EQ(ring.mask.Contains(x, y), expected) << x << "," << y;
                        if (!expected) continue;
                        ++inRing;
                        ASSERT_EQ(ring.depth[ring.Index(x, y)], static_cast<float>(std::max(depth, 0.0))) << x << "," << y;
                        ASSERT_EQ(ring.along[ring.Index(x, y)], static_cast<float>(ring.AlongEdge(x + dx + 0.5, y + dy + 0.5))) << x << "," << y;
                        const EdgeRingRow& row = ring.rows[static_cast<std::size_t>(y)];
                        ASSERT_TRUE(x >= row.first && x <= row.last && (x < row.leftEnd || x >= row.rightStart)) << x << "," << y;
                    }
                EXPECT_GT(inRing, breadth * g.W);
            }
        }
}

// The nearest point found through the grid's cells is the one every segment read in turn finds,
// for points in the ring, inside it, on the field and off the shield, at two scales.
TEST(EdgeLine, AlongMatchesReadingEverySegment) {
    for (double scale : {1.0, 2.0}) {
        OutlinedState outlined(scale);
        const ShieldGeometry& g = outlined.state->geometry;
        const EdgeRing ring = BordureRing(g, g.Px(kBordureBreadth));
        ASSERT_GT(ring.edge.Points(), 8u);
        EXPECT_NEAR(ring.edge.Length(), ring.length, 1e-9);
        const int step = 5 * static_cast<int>(test::kSweepStride);
        int checked = 0;
        for (int y = -20; y < g.shieldBottom + 20; y += step)
            for (int x = -20; x < g.W + 20; x += step) {
                const double px = x + 0.5, py = y + 0.25;
                ASSERT_NEAR(ring.AlongEdge(px, py), AlongByEverySegment(ring.edge, px, py), 1e-6) << x << "," << y << " at " << scale;
                ++checked;
            }
        // The sweep is thinned by the stride in both directions under the sanitizers.
        EXPECT_GT(checked, 1000 / static_cast<int>(test::kSweepStride * test::kSweepStride));
    }
}

// Points equally near two segments (the line's corners, the middle of the chief where it starts
// and ends) take the first segment round the line, as reading them in turn does.
TEST(EdgeLine, TiesTakeTheFirstSegment) {
    const EdgeLine square({50, 90, 90, 10, 10, 50}, {10, 10, 90, 90, 10, 10});
    EXPECT_DOUBLE_EQ(square.Length(), 320.0);
    for (const auto& [x, y] : std::vector<std::pair<double, double>>{{50, 50}, {50, 30}, {70, 30}, {30, 30}, {50, 10}, {90, 10}, {10, 90}})
        EXPECT_DOUBLE_EQ(square.AlongTo(x, y), AlongByEverySegment(square, x, y)) << x << "," << y;
}

// A state lays a ring once per outline, scale and breadth; a copied state keeps none of its rings.
TEST(EdgeRingCache, KeepsARingPerOutlineScaleAndBreadth) {
    OutlinedState outlined(1.0);
    PaintState& s = *outlined.state;
    const int breadth = s.geometry.Px(kBordureBreadth);
    const auto first = s.edgeRings.RingFor(s.geometry, breadth);
    EXPECT_EQ(s.edgeRings.RingFor(s.geometry, breadth), first);
    const auto narrower = s.edgeRings.RingFor(s.geometry, breadth - 3);
    EXPECT_NE(narrower, first);
    EXPECT_EQ(s.edgeRings.Hits(), 1u);
    EXPECT_EQ(s.edgeRings.Misses(), 2u);
    // The kept ring is the one laid afresh.
    const EdgeRing fresh = BordureRing(s.geometry, breadth);
    EXPECT_EQ(first->mask.in, fresh.mask.in);
    EXPECT_EQ(first->along, fresh.along);
    EXPECT_EQ(first->depth, fresh.depth);

    EdgeRingCache copied = s.edgeRings;
    EXPECT_NE(copied.RingFor(s.geometry, breadth), first);

    // Another scale is another outline.
    s.SetPaintScale(2.0);
    s.BeginDrawing();
    DrawShieldOutline(s);
    const auto larger = s.edgeRings.RingFor(s.geometry, s.geometry.Px(kBordureBreadth));
    EXPECT_NE(larger, first);
    EXPECT_GT(larger->mask.box.Width(), first->mask.box.Width());
}

}  // namespace
}  // namespace esc
