// The bordure cut into panes along the shield's edge. Each pixel's depth is its distance to the
// nearest pixel outside the outline (an exact-enough two-pass sweep that carries the nearest
// outside pixel from neighbour to neighbour, over the band along the edge the ring can reach);
// its place round the edge is that outside pixel's projection on the edge traced as a closed line
// from the top middle, clockwise.

#include "engine/BordureRing.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>

namespace esc {
namespace {

struct RingPoint {
    double x, y;
};

// How many pixels past the ring's breadth the sweep reaches in from the edge.
constexpr int kRingSweepMargin = 3;
constexpr int kRingFar = 1 << 14;

// A pixel's nearest outside pixel, as an offset from it ({kRingFar, kRingFar} while none is
// known). Left unset when made, as the sweep's grid is: only the cells it reads are written.
struct RingOffset {
    int dx, dy;
    long long Length2() const { return static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy; }
};

struct RingAlongSlot {
    long long key = -1;
    float along = 0;
};

// Row y's inside as InsideShield has it: [first, last], or first > last when it has none.
void InsideOfRow(const ShieldGeometry& g, int y, int& first, int& last) {
    const int edge = g.Px(2);
    first = edge;
    last = g.W - edge - 1;
    const bool none = y < edge || y > g.shieldBottom || (g.baseTop >= g.shieldBottom && y > g.shieldBottom - edge) ||
                      (g.baseTop < g.shieldBottom && y > g.baseTop && y - g.baseTop >= g.BaseBoundsCount());
    if (none) {
        first = 0;
        last = -1;
        return;
    }
    if (g.baseTop >= g.shieldBottom || y <= g.baseTop) return;
    const BaseBound& b = g.baseBounds[static_cast<std::size_t>(y - g.baseTop)];
    first = std::max(first, b.left);
    last = std::min(last, b.right);
    if (first > last) {
        first = 0;
        last = -1;
    }
}

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

    // Only pixels with a pixel outside the shield within `reach` (the ring's breadth and a margin
    // for the sweep's roundabout paths) are swept; those deeper in never take part.
    const int reach = static_cast<int>(std::ceil(ring.breadth)) + kRingSweepMargin;
    ring.rows.resize(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y) {
        EdgeRingRow& row = ring.rows[static_cast<std::size_t>(y)];
        InsideOfRow(g, y, row.first, row.last);
    }
    for (int y = 0; y < h; ++y) {
        EdgeRingRow& row = ring.rows[static_cast<std::size_t>(y)];
        row.leftEnd = row.rightStart = row.last + 1;
        if (row.first > row.last) continue;
        // The inside's bounds over the rows within reach: a pixel is near an outside pixel only
        // if it is near the inside's end on one of them (or one of them has none).
        int mostFirst = row.first, leastLast = row.last;
        bool anyEmpty = false;
        for (int v = y - reach; v <= y + reach && !anyEmpty; ++v) {
            if (v < 0 || v >= h) break;
            const EdgeRingRow& other = ring.rows[static_cast<std::size_t>(v)];
            anyEmpty = other.first > other.last;
            mostFirst = std::max(mostFirst, other.first);
            leastLast = std::min(leastLast, other.last);
        }
        anyEmpty = anyEmpty || y - reach < 0 || y + reach >= h;
        const int leftEnd = mostFirst + reach, rightStart = leastLast - reach + 1;
        if (!anyEmpty && leftEnd < rightStart) {
            row.leftEnd = std::max(leftEnd, row.first);
            row.rightStart = std::min(rightStart, row.last + 1);
        }
    }

    // Each swept pixel's nearest outside pixel, as an offset, in a grid one pixel wider than the
    // picture all round; only the swept pixels and their neighbours are ever written or read
    // (outside pixels, and the picture's margin, are their own nearest; deeper ones are far).
    const int stride = w + 2;
    const auto nearest = std::make_unique_for_overwrite<RingOffset[]>(static_cast<std::size_t>(stride) * static_cast<std::size_t>(h + 2));
    const auto cell = [&](int x, int y) { return static_cast<std::size_t>(y + 1) * static_cast<std::size_t>(stride) + static_cast<std::size_t>(x + 1); };
    for (int y = -1; y <= h; ++y) {
        // The columns of row y a swept pixel of this row or the next ones reads.
        int leftFrom = w, leftTo = -1, rightFrom = w, rightTo = -1;
        for (int v = std::max(y - 1, 0); v <= std::min(y + 1, h - 1); ++v) {
            const EdgeRingRow& near = ring.rows[static_cast<std::size_t>(v)];
            if (near.first > near.last) continue;
            leftFrom = std::min(leftFrom, near.first - 1);
            leftTo = std::max(leftTo, near.leftEnd);
            rightFrom = std::min(rightFrom, near.rightStart - 1);
            rightTo = std::max(rightTo, near.last + 1);
        }
        if (leftTo < leftFrom) continue;
        int first = 0, last = -1;
        if (y >= 0 && y < h) {
            first = ring.rows[static_cast<std::size_t>(y)].first;
            last = ring.rows[static_cast<std::size_t>(y)].last;
        }
        const auto fill = [&](int from, int to) {
            for (int x = std::max(from, -1); x <= std::min(to, w); ++x)
                nearest[cell(x, y)] = x < first || x > last ? RingOffset{0, 0} : RingOffset{kRingFar, kRingFar};
        };
        if (leftTo + 1 >= rightFrom) {
            fill(leftFrom, std::max(leftTo, rightTo));
        } else {
            fill(leftFrom, leftTo);
            fill(rightFrom, rightTo);
        }
    }
    const auto take = [](RingOffset& mine, const RingOffset& other, int ox, int oy) {
        if (other.dx == kRingFar) return;
        const RingOffset candidate{other.dx + ox, other.dy + oy};
        if (candidate.Length2() < mine.Length2()) mine = candidate;
    };
    // Each row's swept pixels from left to right (or back), through both stretches.
    const auto eachSwept = [&](int y, bool rightwards, const auto& visit) {
        const EdgeRingRow& row = ring.rows[static_cast<std::size_t>(y)];
        if (row.first > row.last) return;
        RingOffset* const base = &nearest[cell(0, y)];
        if (rightwards) {
            for (int x = row.first; x < row.leftEnd; ++x) visit(x, base + x);
            for (int x = row.rightStart; x <= row.last; ++x) visit(x, base + x);
        } else {
            for (int x = row.last; x >= row.rightStart; --x) visit(x, base + x);
            for (int x = row.leftEnd - 1; x >= row.first; --x) visit(x, base + x);
        }
    };
    const std::ptrdiff_t down = stride;
    for (int y = 0; y < h; ++y) {
        eachSwept(y, true, [&](int, RingOffset* p) {
            take(*p, p[-1], -1, 0);
            take(*p, p[-down], 0, -1);
            take(*p, p[-down - 1], -1, -1);
            take(*p, p[-down + 1], 1, -1);
        });
        eachSwept(y, false, [&](int, RingOffset* p) { take(*p, p[1], 1, 0); });
    }
    for (int y = h - 1; y >= 0; --y) {
        eachSwept(y, false, [&](int, RingOffset* p) {
            take(*p, p[1], 1, 0);
            take(*p, p[down], 0, 1);
            take(*p, p[down + 1], 1, 1);
            take(*p, p[down - 1], -1, 1);
        });
        eachSwept(y, true, [&](int, RingOffset* p) { take(*p, p[-1], -1, 0); });
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
    // The place round the edge of each outside pixel that is some pixel's nearest, found once:
    // kept in a small table by the pixel's index (a pixel that finds its slot taken by another
    // works its place out again, to the same value).
    const std::size_t slots = std::bit_ceil(static_cast<std::size_t>(8 * (w + h)));
    std::vector<RingAlongSlot> alongOf(slots);
    for (int y = 0; y < h; ++y)
        eachSwept(y, true, [&](int x, const RingOffset* p) {
            const RingOffset o = *p;
            if (o.dx == kRingFar) return;
            const double depth = std::sqrt(static_cast<double>(o.Length2())) - 0.5;
            if (depth >= ring.breadth) return;
            const int fx = x + o.dx, fy = y + o.dy;
            float along = 0;
            if (fx >= 0 && fx < w && fy >= 0 && fy < h) {
                const long long key = static_cast<long long>(fy) * w + fx;
                RingAlongSlot& slot = alongOf[static_cast<std::size_t>(key) * 2654435761u % slots];
                if (slot.key != key) slot = {key, static_cast<float>(ring.edge.AlongTo(fx + 0.5, fy + 0.5))};
                along = slot.along;
            } else {
                along = static_cast<float>(ring.edge.AlongTo(fx + 0.5, fy + 0.5));
            }
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            ring.mask.in[i] = true;
            ring.along[i] = along;
            ring.depth[i] = static_cast<float>(std::max(depth, 0.0));
        });
    return ring;
}

}  // namespace esc
