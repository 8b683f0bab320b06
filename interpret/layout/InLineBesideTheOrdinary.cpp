// A line of charges parallel to the ordinary, in the space beside it: lines at every offset from
// the ordinary's centre line are tried, the charges spread evenly along the part of each line
// that lies in the space, and the line whose charges may be largest is kept.

#include "interpret/layout/InLineBesideTheOrdinary.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/FitLayout.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"

namespace esc {

namespace {

constexpr int kOffsetStep = 4, kAlongStep = 2, kLargestBesideCell = 300;
constexpr float kLargestBesideInLine = 1.0f;

struct BesidePoint {
    int x = 0, y = 0;
};

// The n centres spread along the line through (cx, cy) in direction (dx, dy), over the part of it
// whose pixels lie free in `region`, and the largest cell all of them hold without two boxes
// meeting; cell 0 when the line misses the region.
int LargestOnLine(const FreeSpace& space, int region, double cx, double cy, double dx, double dy, int n,
                  std::vector<BesidePoint>& points) {
    const int reach = 2 * space.Width() + 1000;
    int first = 1 << 20, last = -(1 << 20);
    for (int u = -reach; u <= reach; u += kAlongStep) {
        const int x = static_cast<int>(std::lround(cx + u * dx)), y = static_cast<int>(std::lround(cy + u * dy));
        if (x < 0 || y < 0 || x >= space.Width() || !space.BoxFree(x, y, 1, region)) continue;
        first = std::min(first, u);
        last = std::max(last, u);
    }
    if (first > last) return 0;
    const double spacing = static_cast<double>(last - first) / n;
    points.clear();
    for (int i = 0; i < n; ++i) {
        const double u = first + (i + 0.5) * spacing;
        points.push_back({static_cast<int>(std::lround(cx + u * dx)), static_cast<int>(std::lround(cy + u * dy))});
    }
    // Squares whose centres lie dx and dy apart meet only if both are less than the side.
    int cell = n > 1 ? static_cast<int>(spacing * std::max(std::abs(dx), std::abs(dy))) : kLargestBesideCell;
    cell = std::min(cell, kLargestBesideCell);
    const auto fits = [&](int side) {
        for (const BesidePoint& p : points)
            if (!space.BoxFree(p.x, p.y, side, region)) return false;
        return true;
    };
    if (!fits(1)) return 0;
    int low = 1, high = cell;
    while (low < high) {
        const int mid = (low + high + 1) / 2;
        if (fits(mid)) low = mid;
        else high = mid - 1;
    }
    return low;
}

}  // namespace

bool InLineBesideTheOrdinary(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const int n = level.levelCount;
    const ShieldGeometry& g = s.geometry;
    // The ordinary's direction, a unit vector along it.
    double dx = 0, dy = 0;
    switch (s.firstOrdinaryShape) {
        case ShapeCode::kFess: dx = 1; break;
        case ShapeCode::kPale: dy = 1; break;
        case ShapeCode::kBend:
        case ShapeCode::kBendSinister: {
            const double length = std::hypot(static_cast<double>(g.W), static_cast<double>(g.H));
            dx = (s.firstOrdinaryShape == ShapeCode::kBend ? g.W : -g.W) / length;
            dy = g.H / length;
            break;
        }
        default: return false;
    }
    if (n < 2) return false;
    // The room about the ordinary of level 0 (the free space's mask is drawn from its shape).
    const std::shared_ptr<const FreeSpace> around = FreeSpace::AroundOrdinary(s);
    const FreeSpace& space = *around;
    if (space.Regions() != 2) return false;
    const int region = 1;  // the later of the two: the side the first group leaves
    // Lines across the whole field: those on the other side of the ordinary miss the region.
    const double nx = -dy, ny = dx;
    int best = 0;
    std::vector<BesidePoint> bestPoints, points;
    for (int t = -g.W; t <= g.W; t += kOffsetStep) {
        const double cx = g.W2 + t * nx, cy = g.H2 + t * ny;
        const int cell = LargestOnLine(space, region, cx, cy, dx, dy, n, points);
        if (cell > best) {
            best = cell;
            bestPoints = points;
        }
    }
    if (best == 0) return false;
    const float scale = std::max(kMinChargeScale, std::min(kLargestBesideInLine, static_cast<float>(best) * kChargeShareOfCell /
                                                                              static_cast<float>(kChargeExtentAtScaleOne)));
    NoteLayout(s, "InLineBesideTheOrdinary(" + std::to_string(CodeOf(s.firstOrdinaryShape)) + ")");
    for (const BesidePoint& p : bestPoints) Place(s, p.x, p.y, scale);
    return true;
}

}  // namespace esc
