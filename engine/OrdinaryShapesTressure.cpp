// The tressure: a narrow band set inside the shield's edge, like a thin orle, single or double
// (two concentric bands); flory counterflory, it is set with fleurs-de-lis whose heads point
// alternately out toward the edge and in toward the centre, each crossing the bands with its
// foot on the other side.
//
//      edge ----------------------------------------
//            ^ head (out)        foot
//      ======|===================|===========  outer band
//      ======|===================|===========  inner band
//            foot                v head (in)

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/OrdinaryShapes.h"

namespace esc::shapes {
namespace {

// Distances from the shield's edge, in pixels: the middle of the outer band, the gap between
// the bands' middles, and the width of each band.
constexpr int kTressureInset = 36, kTressureGap = 13, kTressureBand = 5;
// The spacing of the fleurs along each side, and their size (the head's length beyond the line
// between the bands).
constexpr int kFleurSpacing = 64, kFleurHead = 28;

struct TressureVec {
    double x, y;
};

// A convex polygon in the fleur's own frame: `a` along its axis (toward the head), `b` across it.
void FleurPart(PaintState& s, TressureVec origin, TressureVec axis, std::initializer_list<TressureVec> frame) {
    std::vector<TressureVec> points;
    for (const TressureVec& p : frame)
        points.push_back({origin.x + p.x * axis.x - p.y * axis.y, origin.y + p.x * axis.y + p.y * axis.x});
    ResetCrossings(s);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const TressureVec& p = points[i];
        const TressureVec& q = points[(i + 1) % points.size()];
        TraceEdge(s, static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)),
                  static_cast<int>(std::lround(q.x)), static_cast<int>(std::lround(q.y)));
    }
    FillCrossings(s);
}

// One fleur-de-lis centred on the line between the bands, its head toward `axis`.
void Fleur(PaintState& s, TressureVec at, TressureVec axis, double footReach) {
    const double h = s.geometry.Scaled(kFleurHead);
    // The middle petal: a pointed leaf.
    FleurPart(s, at, axis, {{-0.1 * h, -0.18 * h}, {0.45 * h, -0.27 * h}, {h, 0.0}, {0.45 * h, 0.27 * h}, {-0.1 * h, 0.18 * h}});
    // The two side petals, curling outward and back.
    for (const double side : {-1.0, 1.0}) {
        FleurPart(s, at, axis, {{0.05 * h, side * 0.12 * h}, {0.55 * h, side * 0.55 * h}, {0.72 * h, side * 0.62 * h},
                                {0.6 * h, side * 0.42 * h}, {0.2 * h, side * 0.1 * h}});
        FleurPart(s, at, axis, {{0.72 * h, side * 0.62 * h}, {0.62 * h, side * 0.72 * h}, {0.42 * h, side * 0.62 * h},
                                {0.55 * h, side * 0.5 * h}});
    }
    // The foot, across the bands on the other side: a short stalk ending in a small trefoil.
    FleurPart(s, at, axis, {{0.0, -0.1 * h}, {-footReach, -0.1 * h}, {-footReach, 0.1 * h}, {0.0, 0.1 * h}});
    FleurPart(s, at, axis, {{-footReach + 0.05 * h, -0.28 * h}, {-footReach - 0.2 * h, 0.0}, {-footReach + 0.05 * h, 0.28 * h},
                            {-footReach + 0.15 * h, 0.0}});
}

}  // namespace

void Tressure(PaintState& s, const ShapeOutline& o, bool flory) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W;
    const bool twoBands = s.CurrentLevel().levelCount >= 2;
    s.lineCode = kPlainLine;
    // The bands run as a rectangle inside the edge, its lower side clear of the base's curve.
    const int bottom = g.straightBottom - Px(s, 4);
    for (int band = 0; band < (twoBands ? 2 : 1); ++band) {
        const int d = Px(s, kTressureInset + band * kTressureGap);
        const int b = bottom - Px(s, band * kTressureGap);
        Band(s, o, d, d, W - d, d, Px(s, kTressureBand));
        Band(s, o, W - d, d, W - d, b, Px(s, kTressureBand));
        Band(s, o, W - d, b, d, b, Px(s, kTressureBand));
        Band(s, o, d, b, d, d, Px(s, kTressureBand));
    }
    if (!flory) return;
    // The line the fleurs stand on: between the two bands, or on the one.
    const double m = s.geometry.Scaled(kTressureInset + (twoBands ? kTressureGap / 2.0 : 0.0));
    const double mb = bottom - s.geometry.Scaled(twoBands ? kTressureGap / 2.0 : 0.0);
    const double foot = s.geometry.Scaled((twoBands ? kTressureGap / 2.0 : 0.0) + kTressureBand + 4);
    // Round the rectangle clockwise from the dexter chief, one side at a time; the heads turn
    // out and in by turns all the way round.
    struct Side {
        TressureVec from, to, out;
    };
    const Side sides[4] = {{{m, m}, {W - m, m}, {0, -1}},
                           {{W - m, m}, {W - m, mb}, {1, 0}},
                           {{W - m, mb}, {m, mb}, {0, 1}},
                           {{m, mb}, {m, m}, {-1, 0}}};
    bool out = true;
    for (const Side& side : sides) {
        const double length = std::hypot(side.to.x - side.from.x, side.to.y - side.from.y);
        // The corners are left bare: a fleur there would stand on two sides at once.
        const int count = std::max(1, static_cast<int>(std::lround((length - s.geometry.Scaled(kFleurSpacing)) / s.geometry.Scaled(kFleurSpacing))));
        for (int i = 0; i < count; ++i) {
            const double t = (i + 1.0) / (count + 1.0);
            const TressureVec at{side.from.x + t * (side.to.x - side.from.x), side.from.y + t * (side.to.y - side.from.y)};
            const TressureVec axis = out ? side.out : TressureVec{-side.out.x, -side.out.y};
            Fleur(s, at, axis, foot);
            out = !out;
        }
    }
}

}  // namespace esc::shapes
