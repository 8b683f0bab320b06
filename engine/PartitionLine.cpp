// DrawPartitionLine: a straight band whose long edges carry the line style.
//
// The band is walked along its major axis, one cross-section of 2h+1 pixels per step:
//
//   mostly horizontal            steep, vertical             steep, diagonal
//   (column x, rows y-h..y+h)    (row y, columns x-h..x+h)   (pixel k at (x+k*lx, y-k))
//        near edge  k=-h                                          near
//        ...middle...            near | middle | far                 \  middle
//        far edge   k=+h                                               \   far
//
// Within a cross-section the first t pixels form the near edge zone and the last t the far edge
// zone; their pixels are solid where the style's profile says so, read across the band, with
// the profile's column advancing one step per cross-section.
//
// Every pixel is, in effect, one call PaintSpan(x, y, x+1) (plain colours paint x and x+1 from
// such a call, patterns only x, and only x is stored in the picture buffer). Where the order of
// those calls cannot change the picture, the band is painted as runs (PartitionLineRuns.cpp);
// otherwise call by call (PartitionLinePixels.cpp).

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "engine/PartitionLineBand.h"

namespace esc {
namespace {
constexpr int kDoubleEdge = 8;
}  // namespace
namespace band {

void RecordCrossing(PaintState& state, int x, int y) {
    if (y < 0 || y > state.geometry.shieldBottom || y >= state.CrossingRows()) return;
    Crossing& c = state.crossings[static_cast<std::size_t>(y)];
    if (c.first == -1) c.first = x;
    else c.second = x;
}

}  // namespace band

namespace {

bool InReach(long long v, long long reach) { return v >= -reach && v <= reach; }

int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// The profile of `style` drawn kAlong times as long and kAcross times as deep (at paint scale k
// both are k; a line of a given width stretches it to its repeats), each pixel
// judged at its centre against the design profile blended across the four design pixels around
// it, so that the teeth keep their shape, drawn finer, instead of growing into blocks.
void ScaleStyle(const LineStyle& style, double kAlong, double kAcross, band::BandPlan& p) {
    const int depth = std::max(1, static_cast<int>(std::lround(style.depth * kAcross)));
    const int period = std::max(1, static_cast<int>(std::lround(style.period * kAlong)));
    const int words = (period + 15) / 16;
    p.scaledRows.assign(static_cast<std::size_t>(depth) * words, 0);
    auto solid = [&](int row, int column) {
        if (row < 0) return 0.0;
        if (row >= style.depth) return 1.0;  // the body of the band lies beyond the last row
        column = ((column % style.period) + style.period) % style.period;
        return style.Solid(row, column) ? 1.0 : 0.0;
    };
    for (int r = 0; r < depth; ++r) {
        const double Y = (r + 0.5) * style.depth / depth - 0.5;
        for (int c = 0; c < period; ++c) {
            const double X = (c + 0.5) * style.period / period - 0.5;
            const double fx = std::floor(X), fy = std::floor(Y);
            const int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
            const double ax = X - fx, ay = Y - fy;
            const double v = (1 - ax) * (1 - ay) * solid(y0, x0) + ax * (1 - ay) * solid(y0, x0 + 1) +
                             (1 - ax) * ay * solid(y0 + 1, x0) + ax * ay * solid(y0 + 1, x0 + 1);
            // The last row stays full: it joins the profile to the band.
            if (v > 0.5 || r == depth - 1)
                p.scaledRows[static_cast<std::size_t>(r * words + c / 16)] |= static_cast<std::uint16_t>(0x8000u >> (c % 16));
        }
    }
    p.scaledStyle = LineStyle{depth, words, period, style.alwaysMirrored, p.scaledRows.data()};
    p.scaledStyle.farHalfShifted = style.farHalfShifted;
    p.style = &p.scaledStyle;
}

// How a band's walk lies against its own edge: each step advances `along` pixels along the
// edge, each offset k of a cross-section `across` pixels at right angles to it and `shear` steps
// along it. A level band steps along x with upright cross-sections, an upright one along y with
// level ones (both 1, 1, 0); a steep slanting band's cross-sections run diagonally.
struct SlantFrame {
    double along = 1.0, across = 1.0, shear = 0.0;
};

SlantFrame SlantFrameOf(const band::BandPlan& p, int dx, int dy) {
    if (dx == 0 || dy == 0) return {};
    const double length = std::hypot(static_cast<double>(dx), static_cast<double>(dy));
    const double ux = dx / length, uy = dy / length;  // the edge's direction
    const bool steep = std::abs(dx) < std::abs(dy);
    // One step of the walk, and one offset of the cross-section.
    const double wx = steep ? static_cast<double>(dx) / std::abs(dy) : Sign(dx);
    const double wy = steep ? Sign(dy) : static_cast<double>(dy) / std::abs(dx);
    const double ex = steep ? p.lx : 0.0, ey = steep ? -1.0 : 1.0;
    SlantFrame f;
    const double stepLength = std::hypot(wx, wy);
    f.along = stepLength;
    f.across = std::abs(-uy * ex + ux * ey);
    // A step runs with the edge's direction, so the offset's share along the edge counts in
    // steps once divided by the step's length.
    f.shear = (ex * ux + ey * uy) / stepLength;
    return f;
}

}  // namespace

namespace band {

bool PlanBand(const PaintState& state, const BandRequest& request, BandPlan& p) {
    int x1 = request.x1, y1 = request.y1, x2 = request.x2, y2 = request.y2, width = request.width;
    const int length = request.length, angle = request.angle;
    BandEdges edges = request.edges;
    const ShapeCode shape = request.outline.shape;
    const ShieldGeometry& g = state.geometry;
    const long long reach = g.Px(kBandReach);
    auto WithinReach = [reach](long long v) { return InReach(v, reach); };
    p.W = g.W;
    p.H = g.H;
    p.M = 2 * (g.W / 2);
    p.pieces = request.line.pieces;

    // The line style first: the gap style draws a plain band with a gap along its middle.
    int lineCode = request.line.style;
    if (lineCode == kGapLineStyle) {
        p.gap = true;
        p.gapHalf = g.Px(3);
    }

    // A band given by length and angle, and every band that strays far from the picture: bands
    // beyond kBandReach are not drawn (no shape comes near; it bounds a band's work to about
    // (2 * kBandReach)^2 pixels and keeps every sum below in range).
    if (length != 0) {
        const double radians = angle * 0.017453292;
        const double ex = std::trunc(x1 + length * std::cos(radians));
        const double ey = std::trunc(y1 - length * std::sin(radians));
        if (!WithinReach(static_cast<long long>(std::clamp(ex, -1e9, 1e9))) ||
            !WithinReach(static_cast<long long>(std::clamp(ey, -1e9, 1e9))))
            return false;
        x2 = static_cast<int>(ex);
        y2 = static_cast<int>(ey);
    }
    if (!WithinReach(x1) || !WithinReach(y1) || !WithinReach(x2) || !WithinReach(y2) || !WithinReach(width)) return false;

    p.saved = state.levelTincture[state.level];
    p.second = state.CurrentLevel().levelSecondTincture;
    p.treatment = request.outline.treatment;
    p.outer = p.treatment == OrdinaryTreatment::kFimbriated ? state.fimbriationOuter : -1;
    p.fillToLeft = state.fillToLeft;

    const int dx = x2 - x1, dy = y2 - y1;
    // Embattled has its merlons on the upper edge; a band that runs straight down has no upper
    // edge, so both its edges are embattled, merlon against merlon (a pale embattled).
    if (lineCode == kEmbattledLine && dx == 0 && edges == BandEdges::kBoth) lineCode = kBretessedLine;
    p.sx = Sign(dx);
    p.sy = Sign(dy);
    p.lx = x1 > x2 ? -1 : 1;
    p.vertical = dx == 0;
    if (dx != 0 && dy != 0) {
        // Slanted cross-sections are longer than they are wide; a line that starts on the top or
        // the left edge (not at the corner) is lengthened so that its ends leave the shield.
        if (width > g.Px(kSlantedTrimFrom)) width -= g.Px(kSlantedTrim);
        if ((x1 == 0) != (y1 == 0)) {
            const int h = width / 2;
            x1 -= h * p.lx;
            y1 -= h;
            x2 += h * p.lx;
            y2 += h;
        }
    }
    p.adx = std::abs(x2 - x1);
    p.ady = std::abs(y2 - y1);
    p.x = x1;
    p.y = y1;

    // The centre copy is kept whatever the style makes of the edges, so that an embattled
    // flaunch still has its fellow on the other side.
    if (edges == BandEdges::kFarEdgeReflected) {
        edges = BandEdges::kFarEdge;
        p.reflect = true;
    } else if (edges == BandEdges::kBothAndCentreCopy) {
        edges = BandEdges::kBoth;
        p.centreCopy = true;
    }
    p.style = FindLineStyle(lineCode);
    if (p.style != nullptr) {
        // Sizes below are measured along the edge and at right angles to it, the same on a band
        // of any slant; the slant's frame converts them to steps of the walk and offsets k.
        const SlantFrame frame = SlantFrameOf(p, dx, dy);
        p.shear = frame.shear;
        // A line of a width: its pattern repeats so many times across the shield (down it, for
        // a steep band), its teeth growing in proportion but never so deep that the band falls apart.
        const int repeats = LineRepeats(lineCode, request.line.repeats);
        if (repeats > 0 && p.pieces == 0) {
            // Counted down an upright band; across the shield on a level or slanting one, so
            // that a bend's or saltire's teeth are the size of a fess's.
            const int span = dx == 0 ? g.H : g.W;
            double along = std::max(4.0, static_cast<double>(span) / repeats) / p.style->period;
            // Both edges pointing outward keep half the band whole between them.
            const double share = p.style->alwaysMirrored ? 4.0 : 2.0;
            double deepest = std::max(p.style->depth * p.style->designScale * g.k, width * frame.across / share);
            // A limb of an ordinary lined on both edges: the breadth the shape asked for (a
            // slanting band's cross-section is trimmed above, not its breadth) bounds the depth,
            // and the pattern keeps its shape, repeating more often, unless a count was given.
            const bool limbBound = request.outline.role == BandRole::kLimb && edges == BandEdges::kBoth && p.style->limbShare > 0;
            if (limbBound) deepest = std::min(deepest, request.width * p.style->limbShare);
            const double across = std::min(along, deepest / p.style->depth);
            if (limbBound && request.line.repeats <= 0) along = std::max(across, 4.0 / p.style->period);
            // At its default width a pattern that cannot be flattened (nebuly's knobs) repeats
            // more often on a narrow band rather than lose its shape; a count given is kept.
            const double leastAspect = p.style->leastAspect;
            if (request.line.repeats <= 0 && leastAspect > 0 && across < along * leastAspect) along = across / leastAspect;
            ScaleStyle(*p.style, along / frame.along, across / frame.across, p);
        } else if (g.k * p.style->designScale != 1.0 || frame.shear != 0.0) {
            const double k = g.k * p.style->designScale;
            ScaleStyle(*p.style, k / frame.along, k / frame.across, p);
        }
    }
    if (p.style != nullptr && length == 0 && p.pieces == 0 && (request.anchor.given || (dx != 0 && dy != 0))) {
        // Steps from the start to the anchor, or to the middle.
        const int middle = request.anchor.given ? (p.adx < p.ady ? std::abs(request.anchor.y - p.y) : std::abs(request.anchor.x - p.x))
                                                : (p.adx < p.ady ? p.ady : p.adx) / 2;
        p.startStep = (p.style->period - middle % p.style->period) % p.style->period;
    }
    p.mirrored = LineStyleMirrored(lineCode, shape, request.outline.field, edges);
    if (lineCode == kEmbattledLine && edges != BandEdges::kFarEdge) edges = BandEdges::kNearEdge;

    if (p.style != nullptr) {
        // A band narrower than its two edge zones would start the far zone inside the near one
        // and cut the near edge's profile short (its teeth float free of the band, or holes
        // open in it): such a band, and any narrower than the style's depth, is drawn twice the
        // depth wide.
        p.t = p.style->depth;
        if (request.outline.field == ShapeCode::kBend || request.outline.field == ShapeCode::kChevron) width -= p.t;
        if (width < 2 * p.t) width = 2 * p.t;
    } else if (p.treatment != OrdinaryTreatment::kNone) {
        // A double edge is two edges' breadth, each a little narrower than a single one.
        p.t = g.Px(p.outer >= 0 ? kDoubleEdge : 5);
    }
    p.h = width / 2;
    p.nearEnd = -p.h + p.t - 1;
    p.farStart = p.h - p.t + 1;

    p.steep = p.adx < p.ady;
    if (p.steep && shape == ShapeCode::kBordure) edges = BandEdges::kNearEdge;
    p.edges = edges;
    return true;
}

}  // namespace band

void DrawPartitionLine(PaintState& state, const BandRequest& request) {
    band::BandPlan p;
    if (!band::PlanBand(state, request, p)) return;
    const bool oneTincture = p.treatment != OrdinaryTreatment::kFimbriated && p.saved != kCounterchanged && p.saved != kChequy;
    // The runs read each profile from masks of at most 64 rows; a deeper profile (a line at a
    // paint scale past 4) is painted pixel by pixel.
    const bool masksFit = p.style == nullptr || p.style->depth <= 64;
    if (oneTincture && masksFit && state.view == OutputView::Shield && state.layerTarget.image == nullptr) band::PaintAsRuns(state, p);
    else band::PaintPixelByPixel(state, p);
    state.levelTincture[state.level] = p.saved;
}

}  // namespace esc
