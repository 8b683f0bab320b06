#include "interpret/layout/OnTheBordure.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "interpret/layout/FitLayout.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/layout/Placement.h"

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
    if (x < 2 || x > g.W - g.Px(3) || y < 2 || y > g.shieldBottom) return false;
    if (y < g.baseTop) return true;
    const int k = y - g.baseTop;
    if (k >= g.BaseBoundsCount()) return false;
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

BordureMiddle FindBordureMiddle(const ShieldGeometry& g) {
    BordureMiddle middle;
    middle.geometry = g;
    const int w = g.W, h = g.shieldBottom + 1;
    const std::vector<int> distance = DistanceInside(g, w, h);
    const double cx = (w - 1) / 2.0, cy = g.H2;
    std::vector<double>& xs = middle.xs;
    std::vector<double>& ys = middle.ys;
    xs.reserve(kRays);
    ys.reserve(kRays);
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
    middle.along.assign(kRays + 1, 0.0);
    for (int r = 0; r < kRays; ++r) {
        const int next = (r + 1) % kRays;
        middle.along[static_cast<std::size_t>(r) + 1] = middle.along[static_cast<std::size_t>(r)] +
            std::hypot(xs[static_cast<std::size_t>(next)] - xs[static_cast<std::size_t>(r)],
                       ys[static_cast<std::size_t>(next)] - ys[static_cast<std::size_t>(r)]);
    }
    return middle;
}

std::vector<BordureSpot> BordureSpots(const ShieldGeometry& g, int count) {
    if (count < 1 || count > kMaxChargesOnBordure) return {};
    if (count == 8) return BordureSpots(BordureMiddle{g, {}, {}, {}}, count);
    return BordureSpots(FindBordureMiddle(g), count);
}

std::vector<BordureSpot> BordureSpots(const BordureMiddle& middle, int count) {
    if (count < 1 || count > kMaxChargesOnBordure) return {};
    const ShieldGeometry& g = middle.geometry;
    if (count == 8) {
        return {{15, 15}, {g.W - g.Px(15), 15}, {g.W - g.Px(30), g.H - g.Px(20)}, {30, g.H - g.Px(20)},
                {15, g.H2}, {g.W2, 15}, {g.W - g.Px(15), g.H2}, {g.W2, g.H - g.Px(15)}};
    }
    // The charges at even distances along the middle from the point.
    const std::vector<double>& xs = middle.xs;
    const std::vector<double>& ys = middle.ys;
    const std::vector<double>& along = middle.along;
    if (xs.size() != static_cast<std::size_t>(kRays) || along.size() != xs.size() + 1) return {};
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
    if (n < 1 || n > kMaxChargesOnBordure) return;
    if (n != 8 && (!s.bordureMiddle || s.bordureMiddle->geometry != s.geometry))
        s.bordureMiddle = std::make_shared<const BordureMiddle>(FindBordureMiddle(s.geometry));
    const std::vector<BordureSpot> spots =
        n == 8 ? BordureSpots(s.geometry, n) : BordureSpots(*s.bordureMiddle, n);
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
