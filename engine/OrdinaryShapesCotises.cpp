// Cotises set about the ordinaries that have no fixed cotise drawing of their own: a straight
// ordinary's cotises run beside it on both sides; an ordinary of limbs meeting at a point (the
// saltire, the pall) has in each space between two limbs an angle of two cotises that follow the
// limbs' edges. A count of two or three sets that many cotises on each side, one outside the other.

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/OrdinaryShapes.h"

namespace esc::shapes {
namespace {

struct CotiseVec {
    double x = 0, y = 0;
};

CotiseVec Unit(double x, double y) {
    const double n = std::hypot(x, y);
    return n > 0 ? CotiseVec{x / n, y / n} : CotiseVec{0, 0};
}

// How far out the middle line of cotise i (0 the nearest) lies from an edge of the ordinary.
int CotiseOffset(const CotisePen& pen, int i) {
    const PaintState& s = pen.state;
    return Px(s, kCotiseGap) + pen.breadth / 2 + i * (pen.breadth + Px(s, kCotiseSpacing));
}

// Bands are walked from their upper end down, as the shapes draw them. A slanted band's
// cross-section runs at 45 degrees, which spreads it about twice as far as its width across a
// limb near the shield's diagonal: it is given half the width.
void Segment(CotisePen& pen, CotiseVec a, CotiseVec b) {
    if (a.y > b.y) std::swap(a, b);
    const int x1 = static_cast<int>(std::lround(a.x)), y1 = static_cast<int>(std::lround(a.y));
    const int x2 = static_cast<int>(std::lround(b.x)), y2 = static_cast<int>(std::lround(b.y));
    const int width = x1 != x2 && y1 != y2 ? std::max(1, pen.breadth / 2) : pen.breadth;
    pen.Band(x1, y1, x2, y2, width);
}

}  // namespace

void CotisesBeside(CotisePen& pen, const CotiseLimb& middle, int count) {
    CotisesBesideCouped(pen, middle, count, 2.0 * std::max(pen.state.geometry.W, pen.state.geometry.H));
}

void CotisesBesideCouped(CotisePen& pen, const CotiseLimb& middle, int count, double reach) {
    const CotiseVec u = Unit(middle.dx, middle.dy), n{-u.y, u.x};
    for (int i = 0; i < count; ++i) {
        const double d = middle.halfWidth + CotiseOffset(pen, i);
        for (const int side : {-1, 1}) {
            const CotiseVec c{middle.x + side * d * n.x, middle.y + side * d * n.y};
            Segment(pen, {c.x - reach * u.x, c.y - reach * u.y}, {c.x + reach * u.x, c.y + reach * u.y});
        }
    }
}

void CotisesBetweenLimbs(CotisePen& pen, double cx, double cy, const std::vector<CotiseLimb>& limbs, int count) {
    const double reach = 2.0 * std::max(pen.state.geometry.W, pen.state.geometry.H);
    const std::size_t n = limbs.size();
    // The limbs in turn round the centre, so that each space lies between two neighbours.
    std::vector<std::pair<double, CotiseLimb>> order;
    for (const CotiseLimb& limb : limbs) order.push_back({std::atan2(limb.dy, limb.dx), limb});
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 0; k < n; ++k) {
        const CotiseLimb& a = order[k].second;
        const CotiseLimb& b = order[(k + 1) % n].second;
        const CotiseVec ua = Unit(a.dx, a.dy), ub = Unit(b.dx, b.dy);
        // Each limb's normal toward the space; a space of half a turn or more has no angle.
        CotiseVec na{-ua.y, ua.x}, nb{-ub.y, ub.x};
        if (na.x * ub.x + na.y * ub.y < 0) na = {-na.x, -na.y};
        if (nb.x * ua.x + nb.y * ua.y < 0) nb = {-nb.x, -nb.y};
        const double det = na.x * nb.y - na.y * nb.x;
        if (std::abs(det) < 1e-9 || ua.x * ub.y - ua.y * ub.x == 0) continue;
        for (int i = 0; i < count; ++i) {
            const double da = a.halfWidth + CotiseOffset(pen, i), db = b.halfWidth + CotiseOffset(pen, i);
            // The corner: na . v = da and nb . v = db, from the centre.
            const CotiseVec v{(da * nb.y - na.y * db) / det, (na.x * db - da * nb.x) / det};
            const CotiseVec p{cx + v.x, cy + v.y};
            Segment(pen, p, {p.x + reach * ua.x, p.y + reach * ua.y});
            Segment(pen, p, {p.x + reach * ub.x, p.y + reach * ub.y});
        }
    }
}

}  // namespace esc::shapes
