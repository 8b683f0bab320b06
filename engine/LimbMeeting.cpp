// Where two lined limbs of one ordinary meet (a saltire's or a cross's crossing, a chevron's
// point), each limb's line runs on across the other limb, and where the holes of both patterns
// fall together the field shows as a spike or a sliver inside the meeting. The part the two
// limbs' straight outlines share is painted whole after them, so that each limb's line stops
// where it reaches the other limb. An outer side named open (a chevron's upper edges, which meet
// in its point and make no angle of the field) keeps its line.

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "engine/Painter.h"
#include "engine/PartitionLineBand.h"
#include "engine/SpanEnd.h"

namespace esc::shapes {
namespace {

// A band's straight outline: the points c + s * a + k * o, k within [kLow, kHigh]; a is the
// band's centre line, o one offset of its cross-section.
struct LimbStrip {
    double cx = 0, cy = 0, ax = 0, ay = 0, ox = 0, oy = 0;
    double kLow = 0, kHigh = 0;

    double OffsetOf(double x, double y) const {
        const double det = ax * oy - ay * ox;
        return (ax * (y - cy) - ay * (x - cx)) / det;
    }
    bool Holds(double x, double y) const {
        const double k = OffsetOf(x, y);
        return k >= kLow && k <= kHigh;
    }
};

std::optional<LimbStrip> StripOfLimb(const PaintState& s, const BandRequest& request, MeetingSides open) {
    band::BandPlan p;
    if (!band::PlanBand(s, request, p) || p.style == nullptr || (p.adx == 0 && p.ady == 0)) return std::nullopt;
    LimbStrip strip;
    strip.cx = p.x;
    strip.cy = p.y;
    strip.ax = p.sx * p.adx;
    strip.ay = p.sy * p.ady;
    // A cross-section's offsets: down a column, along a row, or up a diagonal (see the walk).
    if (!p.steep) strip.oy = 1;
    else if (p.vertical) strip.ox = p.lx;
    else {
        strip.ox = p.lx;
        strip.oy = -1;
    }
    // The outline runs half a pixel beyond the last offset painted; an open side stops short of
    // its edge's zone.
    strip.kLow = open == MeetingSides::kNearSidesOpen ? p.nearEnd + 1 : -p.h - 0.5;
    strip.kHigh = open == MeetingSides::kFarSidesOpen ? p.farStart - 1 : p.h + 0.5;
    if (strip.kLow > strip.kHigh) return std::nullopt;
    return strip;
}

// The point on offset kA of strip A and offset kB of strip B (none: the strips run together).
std::optional<std::array<double, 2>> MeetingCorner(const LimbStrip& A, double kA, const LimbStrip& B, double kB) {
    // A's point c + s a + kA o equals B's c + t a + kB o: s aA - t aB = (cB + kB oB) - (cA + kA oA).
    const double rx = B.cx + kB * B.ox - A.cx - kA * A.ox, ry = B.cy + kB * B.oy - A.cy - kA * A.oy;
    const double det = A.ax * -B.ay + B.ax * A.ay;
    if (std::abs(det) < 1e-9) return std::nullopt;
    const double sA = (rx * -B.ay + B.ax * ry) / det;
    return std::array<double, 2>{A.cx + sA * A.ax + kA * A.ox, A.cy + sA * A.ay + kA * A.oy};
}

}  // namespace

void FillLimbMeeting(PaintState& s, const ShapeOutline& outline, BandRequest a, BandRequest b, MeetingSides open) {
    const int code = s.levelTincture[s.level];
    // Counterchanged limbs are closed alike: the painter turns each pixel of the meeting the
    // limbs left unpainted against the field beneath it, and passes over those they painted.
    if (outline.treatment != OrdinaryTreatment::kNone) return;
    const BandLine line = LineOf(s);
    if (FindLineStyle(line.style) == nullptr || line.style == kGapLineStyle || line.pieces > 0) return;
    a.line = b.line = line;
    a.outline = b.outline = outline;
    const std::optional<LimbStrip> A = StripOfLimb(s, a, open), B = StripOfLimb(s, b, open);
    if (!A || !B) return;
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const double kA : {A->kLow, A->kHigh})
        for (const double kB : {B->kLow, B->kHigh}) {
            const auto corner = MeetingCorner(*A, kA, *B, kB);
            if (!corner) return;
            minX = std::min(minX, (*corner)[0]);
            maxX = std::max(maxX, (*corner)[0]);
            minY = std::min(minY, (*corner)[1]);
            maxY = std::max(maxY, (*corner)[1]);
        }
    const ShieldGeometry& g = s.geometry;
    const int x0 = std::max(0, static_cast<int>(std::floor(minX))), x1 = std::min(g.W, static_cast<int>(std::ceil(maxX)));
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min({g.shieldBottom, s.picture.Height() - 1, static_cast<int>(std::ceil(maxY))});
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1;) {
            if (!A->Holds(x, y) || !B->Holds(x, y)) {
                ++x;
                continue;
            }
            int last = x;
            while (last + 1 <= x1 && A->Holds(last + 1, y) && B->Holds(last + 1, y)) ++last;
            PaintSpan(s, x, y, SpanEndFor(code, last));
            x = last + 1;
        }
}

}  // namespace esc::shapes
