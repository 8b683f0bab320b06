#include "interpret/OnTheBordure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "interpret/FitLayout.h"
#include "interpret/PhraseRules.h"
#include "interpret/Placement.h"

namespace esc {

namespace {

// The middle of the bordure lies this far inside the shield's outline (the bordure's bands are
// about 26 pixels wide inside it).
constexpr int kMiddleInset = 13;
// Chamfer distance steps: 3 across or down, 4 on the diagonal (close to 3 times the distance).
constexpr int kStraightStep = 3, kDiagonalStep = 4;
constexpr int kFar = 1 << 29;
// Directions from the shield's centre at which the middle of the bordure is found.
constexpr int kRays = 1440;
constexpr double kRayStep = 0.5;
// A charge's share of the distance to the next one, when charges are many.
constexpr float kShareOfPitch = 0.85f;

// Whether (x, y) lies inside the outline: the columns and rows the painter's runs are clipped to.
bool InsideShield(const ShieldGeometry& g, int x, int y) {
    if (x < 2 || x > g.W - 3 || y < 2 || y > g.shieldBottom) return false;
    if (y < g.baseTop) return true;
    const int k = y - g.baseTop;
    if (k >= kBaseBoundsCount) return false;
    const BaseBound& b = g.baseBounds[static_cast<std::size_t>(k)];
    return x >= b.left && x <= b.right;
}

// Chamfer distance (in thirds of a pixel) from each pixel inside the outline to the nearest
// pixel outside it, over rows 0 .. shieldBottom.
std::vector<int> DistanceInside(const ShieldGeometry& g, int w, int h) {
    std::vector<int> d(static_cast<std::size_t>(w) * h, 0);
    auto at = [&](int x, int y) -> int& { return d[static_cast<std::size_t>(y) * w + x]; };
    auto get = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? 0 : at(x, y); };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) at(x, y) = InsideShield(g, x, y) ? kFar : 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (at(x, y) == 0) continue;
            at(x, y) = std::min({at(x, y), get(x - 1, y) + kStraightStep, get(x, y - 1) + kStraightStep,
                                 get(x - 1, y - 1) + kDiagonalStep, get(x + 1, y - 1) + kDiagonalStep});
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            if (at(x, y) == 0) continue;
            at(x, y) = std::min({at(x, y), get(x + 1, y) + kStraightStep, get(x, y + 1) + kStraightStep,
                                 get(x + 1, y + 1) + kDiagonalStep, get(x - 1, y + 1) + kDiagonalStep});
        }
    return d;
}

}  // namespace

std::vector<BordureSpot> BordureSpots(const ShieldGeometry& g, int count) {
    if (count < 1 || count > kMaxChargesOnBordure) return {};
    if (count == 8) {
        return {{15, 15}, {g.W - 15, 15}, {g.W - 30, g.H - 20}, {30, g.H - 20},
                {15, g.H2}, {g.W2, 15}, {g.W - 15, g.H2}, {g.W2, g.H - 15}};
    }
    // The middle of the bordure, as seen from the shield's centre in every direction, starting
    // straight down at the point and going round by the dexter flank; then the charges at even
    // distances along it from the point.
    const int w = g.W, h = g.shieldBottom + 1;
    const std::vector<int> distance = DistanceInside(g, w, h);
    const double cx = (w - 1) / 2.0, cy = g.H2;
    std::vector<double> xs, ys;
    for (int r = 0; r < kRays; ++r) {
        const double angle = std::numbers::pi / 2 + 2 * std::numbers::pi * r / kRays;
        const double dx = std::cos(angle), dy = std::sin(angle);
        double lastX = cx, lastY = cy;
        for (double t = 0;; t += kRayStep) {
            const int x = static_cast<int>(std::lround(cx + t * dx)), y = static_cast<int>(std::lround(cy + t * dy));
            if (x < 0 || y < 0 || x >= w || y >= h) break;
            if (distance[static_cast<std::size_t>(y) * w + x] < kMiddleInset * kStraightStep) break;
            lastX = cx + t * dx;
            lastY = cy + t * dy;
        }
        xs.push_back(lastX);
        ys.push_back(lastY);
    }
    std::vector<double> along(kRays + 1, 0.0);
    for (int r = 0; r < kRays; ++r) {
        const int next = (r + 1) % kRays;
        along[static_cast<std::size_t>(r) + 1] = along[static_cast<std::size_t>(r)] +
            std::hypot(xs[static_cast<std::size_t>(next)] - xs[static_cast<std::size_t>(r)],
                       ys[static_cast<std::size_t>(next)] - ys[static_cast<std::size_t>(r)]);
    }
    const double length = along.back();
    std::vector<BordureSpot> spots;
    std::size_t r = 0;
    for (int k = 0; k < count; ++k) {
        const double wanted = length * k / count;
        while (r + 1 < static_cast<std::size_t>(kRays) && along[r + 1] <= wanted) ++r;
        // Between the middle's points seen along ray r and the next.
        const std::size_t next = (r + 1) % static_cast<std::size_t>(kRays);
        const double step = along[r + 1] - along[r];
        const double f = step > 0 ? (wanted - along[r]) / step : 0.0;
        spots.push_back({static_cast<int>(std::lround(xs[r] + f * (xs[next] - xs[r]))),
                         static_cast<int>(std::lround(ys[r] + f * (ys[next] - ys[r])))});
    }
    return spots;
}

void OnBordureLayout(DrawingState& s) {
    const int n = phrase::Current(s).levelCount;
    const std::vector<BordureSpot> spots = BordureSpots(s.geometry, n);
    if (spots.empty()) return;
    // Many charges stand closer than a bordure is wide: each keeps to its share of the distance.
    float scale = kChargeOnBordure;
    if (n > 8) {
        const float pitch = 2.0f * (s.geometry.W + s.geometry.H) / static_cast<float>(n);
        scale = std::min(scale, pitch * kShareOfPitch / kChargeExtentAtScaleOne);
    }
    for (const BordureSpot& spot : spots) Place(s, spot.x, spot.y, scale);
}

}  // namespace esc
