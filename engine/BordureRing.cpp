// The bordure cut into panes along the shield's edge. Each pixel's depth is its distance to the
// nearest pixel outside the outline (an exact-enough two-pass sweep that carries the nearest
// outside pixel from neighbour to neighbour); its place round the edge is that outside pixel's
// projection on the edge traced as a closed line from the top middle, clockwise.

#include "engine/BordureRing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace esc {
namespace {

struct RingPoint {
    double x, y;
};

// The outer edge as a closed line: the top from its middle to the sinister corner, the sinister
// flank, the base by the rows the outline bounds (sinister half down to the point, dexter half up
// again), the dexter flank, and the top back to its middle.
std::vector<RingPoint> OuterEdgePoints(const ShieldGeometry& g) {
    const double edge = g.Px(2), right = g.W - edge;
    const bool rectangle = g.baseTop >= g.shieldBottom;
    const double foot = rectangle ? g.shieldBottom - edge + 1 : g.baseTop + 0.5;
    std::vector<RingPoint> sinister, dexter;
    sinister.push_back({right, foot});
    dexter.push_back({edge, foot});
    if (!rectangle) {
        for (int k = 1; k < g.BaseBoundsCount() && g.baseTop + k <= g.shieldBottom; ++k) {
            const BaseBound& b = g.baseBounds[static_cast<std::size_t>(k)];
            const int from = std::max(b.left, static_cast<int>(edge)), to = std::min(b.right + 1, g.W - static_cast<int>(edge));
            if (from >= to) break;
            sinister.push_back({static_cast<double>(to), g.baseTop + k + 0.5});
            dexter.push_back({static_cast<double>(from), g.baseTop + k + 0.5});
        }
    } else {
        sinister.push_back({right, foot});
        dexter.push_back({edge, foot});
    }
    std::vector<RingPoint> line{{g.W / 2.0, edge}, {right, edge}};
    line.insert(line.end(), sinister.begin(), sinister.end());
    line.insert(line.end(), dexter.rbegin(), dexter.rend());
    line.push_back({edge, edge});
    line.push_back({g.W / 2.0, edge});
    return line;
}

}  // namespace

bool InsideShield(const ShieldGeometry& g, int x, int y) {
    const int edge = g.Px(2);
    if (x < edge || x >= g.W - edge || y < edge || y > g.shieldBottom) return false;
    if (g.baseTop >= g.shieldBottom) return y <= g.shieldBottom - edge;
    if (y <= g.baseTop) return true;
    const int k = y - g.baseTop;
    if (k >= g.BaseBoundsCount()) return false;
    const BaseBound& b = g.baseBounds[static_cast<std::size_t>(k)];
    return x >= b.left && x <= b.right;
}

EdgeRing BordureRing(const ShieldGeometry& g, int breadth) {
    EdgeRing ring;
    ring.breadth = std::max(breadth, 1);
    const int w = g.W, h = g.shieldBottom + 1;
    ring.mask.box = {0, 0, w, h};
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    ring.mask.in.assign(n, false);
    ring.along.assign(n, 0.0f);
    ring.depth.assign(n, 0.0f);

    // Each pixel's nearest outside pixel, as an offset; outside pixels are their own.
    constexpr int kFar = 1 << 14;
    struct Offset {
        int dx = kFar, dy = kFar;
        long long Length2() const { return static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy; }
    };
    std::vector<Offset> nearest(n);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!InsideShield(g, x, y)) nearest[static_cast<std::size_t>(y) * w + x] = {0, 0};
    auto take = [&](int x, int y, int ox, int oy) {
        const int nx = x + ox, ny = y + oy;
        // Past the picture's edge lies outside the shield.
        Offset candidate;
        if (nx < 0 || nx >= w || ny < 0 || ny >= h) {
            candidate = {ox, oy};
        } else {
            const Offset& o = nearest[static_cast<std::size_t>(ny) * w + nx];
            if (o.dx == kFar) return;
            candidate = {o.dx + ox, o.dy + oy};
        }
        Offset& mine = nearest[static_cast<std::size_t>(y) * w + x];
        if (candidate.Length2() < mine.Length2()) mine = candidate;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            take(x, y, -1, 0);
            take(x, y, 0, -1);
            take(x, y, -1, -1);
            take(x, y, 1, -1);
        }
        for (int x = w - 1; x >= 0; --x) take(x, y, 1, 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x) {
            take(x, y, 1, 0);
            take(x, y, 0, 1);
            take(x, y, 1, 1);
            take(x, y, -1, 1);
        }
        for (int x = 0; x < w; ++x) take(x, y, -1, 0);
    }

    {
        const std::vector<RingPoint> line = OuterEdgePoints(g);
        std::vector<double> xs, ys;
        for (const RingPoint& point : line) {
            xs.push_back(point.x);
            ys.push_back(point.y);
        }
        ring.edge = EdgeLine(std::move(xs), std::move(ys));
    }
    ring.length = std::max(ring.edge.Length(), 1.0);
    // The place round the edge of each outside pixel that is some pixel's nearest, found once.
    std::vector<float> alongOf(n, -1.0f);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            const Offset o = nearest[i];
            if (o.dx == 0 && o.dy == 0) continue;  // outside
            const double depth = std::sqrt(static_cast<double>(o.Length2())) - 0.5;
            if (depth >= ring.breadth) continue;
            const int fx = x + o.dx, fy = y + o.dy;
            float along = 0;
            const bool onPicture = fx >= 0 && fx < w && fy >= 0 && fy < h;
            if (onPicture && alongOf[static_cast<std::size_t>(fy) * w + fx] >= 0) {
                along = alongOf[static_cast<std::size_t>(fy) * w + fx];
            } else {
                along = static_cast<float>(ring.edge.AlongTo(fx + 0.5, fy + 0.5));
                if (onPicture) alongOf[static_cast<std::size_t>(fy) * w + fx] = along;
            }
            ring.mask.in[i] = true;
            ring.along[i] = along;
            ring.depth[i] = static_cast<float>(std::max(depth, 0.0));
        }
    return ring;
}

}  // namespace esc
