// A bordure whose inner edge carries a line: laid round the shield's own outline, so that its
// inner edge runs parallel to the outline down the flanks, round the curved lower corners and
// into the point, with the line's pattern repeating evenly all the way round.
//
// Each pixel of the ring knows how deep in from the edge it lies (BordureRing) and how far round
// the edge its nearest point of the edge is; the pattern is the profile the band along the chief would be drawn with, its
// rows read at right angles to the edge and its columns round it.

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/BordureRing.h"
#include "engine/OrdinaryShapes.h"
#include "engine/PartitionLineBand.h"
#include "engine/SpanEnd.h"

namespace esc::shapes {

bool DrawLinedBordure(PaintState& s, const ShapeOutline& o) {
    const BandLine line = LineOf(s);
    if (FindLineStyle(line.style) == nullptr || line.style == kGapLineStyle || line.pieces > 0) return false;
    if (o.treatment != OrdinaryTreatment::kNone || s.view != OutputView::Shield) return false;
    const ShieldGeometry& g = s.geometry;
    const int breadthAsked = g.Px(kBordureBreadth);
    // The profile as the band along the chief takes it, its line turned as a bordure's.
    const BandRequest chiefSide{0, breadthAsked / 2, g.W, breadthAsked / 2, breadthAsked, BandEdges::kFarEdgeReflected, line, 0, 0, o};
    band::BandPlan plan;
    if (!band::PlanBand(s, chiefSide, plan) || plan.style == nullptr) return false;
    const LineStyle& profile = *plan.style;
    const int rows = plan.t, period = std::max(profile.period, 1);
    // As broad as the plain bordure down its flanks (a little less than along the chief, where
    // the outline's pen takes fewer of its pixels).
    const int breadth = std::max(g.Px(kBordureBreadth - 3), rows + 1);
    const std::shared_ptr<const EdgeRing> laid = s.edgeRings.RingFor(g, breadth);
    const EdgeRing& ring = *laid;
    // The small point at the shield's foot is filled whole: the bordure's inner edge runs straight
    // across the base above it, measured from the base's straight line and round the edge as
    // if the point were not there.
    const bool pointed = g.baseTop < g.shieldBottom;
    const int baseRow = g.H - g.Px(2);  // the first row of the base's pen
    EdgeLine aboveThePoint;
    if (pointed) {
        std::vector<double> xs, ys;
        for (std::size_t i = 0; i < ring.edge.Points(); ++i) {
            if (ring.edge.Y(i) > baseRow + 0.5) continue;
            xs.push_back(ring.edge.X(i));
            ys.push_back(ring.edge.Y(i));
        }
        if (xs.size() >= 2) aboveThePoint = EdgeLine(std::move(xs), std::move(ys));
    }
    const EdgeLine& edge = aboveThePoint.Points() >= 2 ? aboveThePoint : ring.edge;
    const double edgeLength = aboveThePoint.Points() >= 2 ? std::max(edge.Length(), 1.0) : ring.length;
    // A whole number of repeats round the edge, one of them centred on the middle of the chief.
    const double repeats = std::max(1.0, std::round(edgeLength / period));
    const double columnsPerPixel = repeats * period / edgeLength;
    const int code = s.levelTincture[s.level];
    // The profile's rows solid or open all along need no place round the edge.
    enum class ProfileRow : signed char { kOpen, kSolid, kMixed };
    std::vector<ProfileRow> profileRows(static_cast<std::size_t>(rows), ProfileRow::kMixed);
    for (int r = 0; r < rows; ++r) {
        int solid = 0;
        for (int c = 0; c < period; ++c) solid += profile.Solid(r, c) ? 1 : 0;
        if (solid == 0) profileRows[static_cast<std::size_t>(r)] = ProfileRow::kOpen;
        if (solid == period) profileRows[static_cast<std::size_t>(r)] = ProfileRow::kSolid;
    }
    // Only the inside's pixels are looked at (the outline's own pen is outside), and of them only
    // those in the ring's stretches near the edge, save on the rows whose depth the base's
    // straight line can make less than the breadth.
    auto inBordure = [&](int x, int y) {
        if (pointed && y >= baseRow) return true;
        double depth = ring.mask.Contains(x, y) ? static_cast<double>(ring.depth[ring.Index(x, y)]) : 1e9;
        if (pointed) depth = std::min(depth, baseRow - y - 0.5);
        if (depth >= breadth) return false;
        const double intoEdge = depth - (breadth - rows);  // 0 where the edge's zone begins
        if (intoEdge < 0) return true;
        // Row 0 lies on the field's side of the edge, the last next to the body of the bordure.
        const int row = std::clamp(rows - 1 - static_cast<int>(intoEdge), 0, rows - 1);
        if (profileRows[static_cast<std::size_t>(row)] != ProfileRow::kMixed) return profileRows[static_cast<std::size_t>(row)] == ProfileRow::kSolid;
        const int column = static_cast<int>(std::floor(edge.AlongTo(x + 0.5, y + 0.5) * columnsPerPixel + period / 2.0)) % period;
        return profile.Solid(row, column);
    };
    // Each pixel is asked once: a run ends at the first pixel out of it, which is not asked again.
    const auto paintStretch = [&](int y, int from, int to) {
        int runFirst = -1;
        for (int x = from; x <= to; ++x) {
            if (inBordure(x, y)) {
                if (runFirst < 0) runFirst = x;
                continue;
            }
            if (runFirst >= 0) PaintSpan(s, runFirst, y, SpanEndFor(code, x - 1));
            runFirst = -1;
        }
        if (runFirst >= 0) PaintSpan(s, runFirst, y, SpanEndFor(code, to));
    };
    const int lastRow = std::min(g.shieldBottom, static_cast<int>(ring.rows.size()) - 1);
    for (int y = 0; y <= lastRow; ++y) {
        const EdgeRingRow& stretch = ring.rows[static_cast<std::size_t>(y)];
        if (stretch.first > stretch.last) continue;
        if ((pointed && baseRow - y - 0.5 < breadth) || stretch.leftEnd >= stretch.rightStart) {
            paintStretch(y, stretch.first, stretch.last);
        } else {
            paintStretch(y, stretch.first, stretch.leftEnd - 1);
            paintStretch(y, stretch.rightStart, stretch.last);
        }
    }
    return true;
}

}  // namespace esc::shapes
