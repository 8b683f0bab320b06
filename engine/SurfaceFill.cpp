// Painting a treatment within a mask. Each pixel's leaf is found by walking the tree from its
// root: a division sends the pixel to the part it lies in, a pattern to the piece it lies in.
// Divisions and the patterns of the shield's axes (barry, paly, bendy, lozengy, gyronny) are laid
// in the box of the surface (or of the part the division handed down), so that "per fess azure
// and paly or and gules" lays its pales across the base half. Compony, counter-compony and chequy
// follow the surface itself: along a bend, round a bordure, along each limb of a cross.

#include "engine/SurfaceFill.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "engine/BordureRing.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "engine/PartitionLine.h"
#include "engine/SurfaceLay.h"

namespace esc {
namespace {

using surface::BandFrame;
using surface::Lay;
using surface::MakeLay;

// Usual counts when the blazon names none: barry and paly of six, gyronny of eight, a bordure
// compony of sixteen pieces.
constexpr int kDefaultStripes = 6, kDefaultGyrons = 8, kDefaultRingPieces = 16;
// Lozenges and fusils: the width the usual count aims at, and height over width.
constexpr double kLozengeAim = 52.0, kLozengeTallness = 1.5, kFusilAim = 36.0, kFusilTallness = 2.4;
// Chequy on a broad surface: squares of about this side, as on the field.
constexpr double kSquareAim = 50.0;
// A surface whose limbs are broader than this is broad (a canton, the field): its chequy is of
// squares, not of rows along a limb.
constexpr double kNarrowLimb = 100.0;
// Where the line of per chevron meets the middle (from the top of the box) and how steeply it
// falls, both in parts of the box.
constexpr double kChevronApex = 0.3, kChevronFall = 1.4;
// Tierced per chevron: where its two lines meet the middle.
constexpr double kTiercedChevronApex[2] = {0.2, 0.5};
// Tierced per bend: the lines part the diagonal's span (-1 to 1) in three of equal breadth.
constexpr double kTiercedBend = 1.0 / 3.0;
// Per pile: the pile's half breadth at the top of the box, its point at the middle of the bottom.
constexpr double kPileHalfBreadth = 0.3;
// Point in point: how high the point rises (from the top of the box), its foot the whole base.
constexpr double kPointApex = 0.5;
// The vair family: the width of a bell (or crutch) the usual count aims at, and a row's height
// over a bell's width. A bell rises to its shoulders in this part of the row, and stands half
// the breadth of its place; a crutch's stem is a third of its place, its head two thirds.
constexpr double kVairAim = 40.0, kVairTallness = 0.8, kVairShoulder = 0.3;
// Fretty: the distance between the bars the usual count aims at, and a bar's breadth in parts of it.
constexpr double kFretAim = 80.0, kFretBreadth = 0.16;

struct Box {
    double left, top, right, bottom;
    double Width() const { return std::max(right - left, 1.0); }
    double Height() const { return std::max(bottom - top, 1.0); }
};

int Floor(double v) { return static_cast<int>(std::floor(v)); }
int Round(double v) { return static_cast<int>(std::lround(v)); }

// The piece of compony (squaresAcross 1), counter-compony (2) or chequy (3) that a pixel lies
// in, laid as the surface lies; its parity picks the part.
double LineShift(int line, double position, double k);

int SquarePiece(const Lay& lay, int squaresAcross, int pieces, double px, double py, int line = -1) {
    switch (lay.kind) {
        case SurfaceLay::Band: {
            const BandFrame& f = lay.bands[lay.limbs == 2 && px >= lay.box.left + lay.box.Width() / 2 ? 1 : 0];
            const double dx = px - f.mx, dy = py - f.my;
            double s = dx * f.ux + dy * f.uy - f.smin, t = -dx * f.uy + dy * f.ux - f.tmin;
            // The squares of a band meet along the line both ways, as on a broad surface.
            s += LineShift(line, t, lay.k);
            t += LineShift(line, s, lay.k);
            const double across = f.breadth / squaresAcross;
            const double along = pieces > 0 ? f.length / pieces : across;
            return Floor(s / along) + Floor(t / across);
        }
        case SurfaceLay::Ring: {
            const int around = (pieces > 0 ? pieces : kDefaultRingPieces) * squaresAcross;
            if (lay.edge != nullptr) {
                // Panes at equal steps round the shield's edge, rows by the depth in from it.
                const EdgeRing& ring = *lay.edge;
                const int x = static_cast<int>(std::floor(px)), y = static_cast<int>(std::floor(py));
                if (!ring.mask.box.Contains(x, y)) return 0;
                const std::size_t i = ring.Index(x, y);
                const double across = ring.breadth / squaresAcross;
                return Floor(ring.along[i] / ring.length * around) + std::min(Floor(ring.depth[i] / across), squaresAcross - 1);
            }
            // Round the middle from the top, clockwise as seen; across by the depth from the
            // outer edge (the first or last pixel of the row or column, whichever is nearer).
            const double turn = std::atan2(px - lay.cx, -(py - lay.cy)) / (2 * std::numbers::pi) + 0.5;
            const int x = std::clamp(static_cast<int>(px) - lay.box.left, 0, lay.box.Width() - 1);
            const int y = std::clamp(static_cast<int>(py) - lay.box.top, 0, lay.box.Height() - 1);
            const double depth = std::min({static_cast<double>(x - lay.rowFirst[y]), static_cast<double>(lay.rowLast[y] - x),
                                           static_cast<double>(y - lay.columnFirst[x]), static_cast<double>(lay.columnLast[x] - y)});
            const double across = std::max(lay.limb, 2.0 * lay.k) / squaresAcross;
            return Floor(turn * around) + std::min(Floor(std::max(depth, 0.0) / across), squaresAcross - 1);
        }
        default: {
            if (lay.limb > kNarrowLimb * lay.k) {
                // Squares over the box, as chequy lies on the field.
                const double w = lay.box.Width();
                const double side = w / (pieces > 0 ? pieces : std::max(2, Round(w / (kSquareAim * lay.k))));
                return Floor((px - lay.box.left) / side) + Floor((py - lay.box.top) / side);
            }
            // Squares as broad as a limb (or a half, a third of it), from the first limb's edges.
            const double side = lay.limb / squaresAcross;
            return Floor((px - lay.x0) / side) + Floor((py - lay.y0) / side);
        }
    }
}

// How far a boundary in line style `line` lies from its straight course at `position` along it:
// the profile's solid rows at that column, less half its depth (0 for a plain line).
// At a paint scale k the profile is the design's, k times as long and as deep.
double LineShift(int line, double position, double k) {
    const LineStyle* style = FindLineStyle(line);
    if (style == nullptr || style->period <= 0 || style->depth <= 0) return 0;
    k *= style->designScale;
    const double design = k == 1.0 ? position : position / k;
    const int column = ((static_cast<int>(std::floor(design)) % style->period) + style->period) % style->period;
    int solid = 0;
    for (int row = 0; row < style->depth; ++row) solid += style->Solid(row, column) ? 1 : 0;
    return (solid - style->depth / 2.0) * k;
}

// A boundary that runs straight from one point to another, in shield pixels.
struct Course {
    double x0, y0, x1, y1;
};

// Moves the point across the nearest of the courses by how far that boundary, drawn in `line`,
// lies from its straight course there: the lines of divisions that meet at a point (per saltire,
// per pall, per pile, gyronny) each follow their line.
void ShiftAcrossNearest(int line, std::span<const Course> courses, double& px, double& py, double k) {
    if (FindLineStyle(line) == nullptr) return;
    double best = 1e18, along = 0, nx = 0, ny = 0;
    for (const Course& c : courses) {
        const double dx = c.x1 - c.x0, dy = c.y1 - c.y0, length = std::hypot(dx, dy);
        if (length < 1e-9) continue;
        const double ux = dx / length, uy = dy / length;
        const double s = std::clamp((px - c.x0) * ux + (py - c.y0) * uy, 0.0, length);
        const double qx = c.x0 + s * ux, qy = c.y0 + s * uy;
        const double d = std::hypot(px - qx, py - qy);
        if (d < best) {
            best = d;
            along = s;
            nx = -uy;
            ny = ux;
        }
    }
    if (best > 1e17) return;
    const double shift = LineShift(line, along, k);
    px += shift * nx;
    py += shift * ny;
}

// The rows of the vair family: which of the two parts a pixel at (dx, dy) from the box's corner
// lies in, bells `count` across the box's width.
int VairPart(PatternKind pattern, int count, double w, double dx, double dy) {
    const int n = count > 0 ? count : std::max(2, Round(w / kVairAim));
    const double cell = w / n, row = cell * kVairTallness;
    const int band = Floor(dy / row);
    const bool odd = ((band % 2) + 2) % 2 == 1;
    double v = dy / row - band;
    double u = dx / cell - 0.5;
    // Vairy and potent: each row shifted half a bell; counter-: each other row turned over.
    if (pattern == PatternKind::Vair || pattern == PatternKind::Potent) {
        if (odd) u += 0.5;
    } else if (odd) {
        v = 1 - v;
    }
    const double across = std::abs(u - std::floor(u) - 0.5);
    const bool vair = pattern == PatternKind::Vair || pattern == PatternKind::CounterVair;
    const double half = vair ? (v < kVairShoulder ? 0.25 * v / kVairShoulder : 0.25) : (v < 0.5 ? 1.0 / 6 : 1.0 / 3);
    return across < half ? 0 : 1;
}

// Fretty: the second part where the pixel lies on a bar of the trellis, bars `count` apart
// across the box's longer side, one pair crossing on the box's middle column.
int FretPart(int count, const Box& b, double px, double py) {
    const double longer = std::max(b.Width(), b.Height());
    const int n = count > 0 ? count : std::max(2, Round(longer / kFretAim));
    const double spacing = longer / n;
    const double half = spacing * kFretBreadth / 2 * std::numbers::sqrt2;
    const double x = px - (b.left + b.right) / 2, y = py - b.top;
    auto onBar = [&](double c) { return std::abs(c - spacing * std::round(c / spacing)) < half; };
    return onBar(x + y) || onBar(x - y) ? 1 : 0;
}

int PatternPart(const SurfaceFill& f, const Lay& lay, const Box& b, double px, double py) {
    // The pieces of barry, paly and bendy meet along the pattern's line.
    if (f.pattern == PatternKind::Barry) py += LineShift(f.line, px, lay.k);
    if (f.pattern == PatternKind::Paly) px += LineShift(f.line, py, lay.k);
    if (f.pattern == PatternKind::Bendy) py += LineShift(f.line, px + py, lay.k);
    if (f.pattern == PatternKind::BendySinister) py += LineShift(f.line, px - py, lay.k);
    if (f.pattern == PatternKind::Gyronny && FindLineStyle(f.line) != nullptr) {
        const int n = f.pieces > 0 ? f.pieces : kDefaultGyrons;
        const double cx = b.left + b.Width() / 2, cy = b.top + b.Height() / 2, reach = b.Width() + b.Height();
        std::vector<Course> rays;
        for (int k = 0; k < n; ++k) {
            // The boundaries of the gyrons, from the middle: at turn k/n, measured as the pieces are.
            const double a = 2 * std::numbers::pi * (static_cast<double>(k) / n - 0.5);
            rays.push_back({cx, cy, cx + reach * std::sin(a), cy - reach * std::cos(a)});
        }
        ShiftAcrossNearest(f.line, rays, px, py, lay.k);
    }
    const double w = b.Width(), h = b.Height(), dx = px - b.left, dy = py - b.top;
    const int stripes = f.pieces > 0 ? f.pieces : kDefaultStripes;
    int piece = 0;
    switch (f.pattern) {
        case PatternKind::Barry: piece = Floor(dy * stripes / h); break;
        case PatternKind::Paly: piece = Floor(dx * stripes / w); break;
        case PatternKind::Bendy: piece = Floor((dx - dy + h) * stripes / (w + h)); break;
        case PatternKind::BendySinister: piece = Floor((w - dx - dy + h) * stripes / (w + h)); break;
        case PatternKind::Gyronny: {
            const int n = f.pieces > 0 ? f.pieces : kDefaultGyrons;
            const double turn = std::atan2(px - (b.left + w / 2), -(py - (b.top + h / 2))) / (2 * std::numbers::pi) + 0.5;
            piece = Floor(turn * n);
            break;
        }
        case PatternKind::Lozengy:
        case PatternKind::Fusilly: {
            const bool fusils = f.pattern == PatternKind::Fusilly;
            const double aim = (fusils ? kFusilAim : kLozengeAim) * lay.k;
            const int n = f.pieces > 0 ? f.pieces : std::max(2, Round(w / aim));
            const double lw = w / n, lh = lw * (fusils ? kFusilTallness : kLozengeTallness);
            // Lozenge edges run along u = x/lw + y/lh and v = x/lw - y/lh; one lozenge is centred
            // on the box's middle column with its top point on the box's top.
            const double x = (dx - w / 2) / lw, y = dy / lh;
            piece = Floor(x + y + 0.5) + Floor(x - y + 0.5);
            break;
        }
        case PatternKind::Compony: piece = SquarePiece(lay, 1, f.pieces, px, py); break;
        case PatternKind::CounterCompony: piece = SquarePiece(lay, 2, f.pieces, px, py); break;
        case PatternKind::Chequy:
            if (lay.kind != SurfaceLay::Band && lay.limb > kNarrowLimb * lay.k) {
                // The squares of a broad surface meet along the line both ways.
                px += LineShift(f.line, py, lay.k);
                py += LineShift(f.line, px, lay.k);
            }
            piece = SquarePiece(lay, 3, f.pieces, px, py, f.line);
            break;
        case PatternKind::Vair:
        case PatternKind::CounterVair:
        case PatternKind::Potent:
        case PatternKind::CounterPotent: return VairPart(f.pattern, f.pieces, w, dx, dy);
        case PatternKind::Fretty: return FretPart(f.pieces, b, px, py);
    }
    return ((piece % 2) + 2) % 2;
}

// The part of a division a pixel lies in, and the box that part's own treatment is laid in.
int DivisionPart(DivisionKind d, int line, Box& b, double px, double py, double k) {
    // The parts meet along the division's line.
    switch (d) {
        case DivisionKind::Pale: px += LineShift(line, py, k); break;
        case DivisionKind::Fess:
        case DivisionKind::Chevron:
        case DivisionKind::ChevronInverted: py += LineShift(line, px, k); break;
        case DivisionKind::Bend: py += LineShift(line, px + py, k); break;
        case DivisionKind::BendSinister: py += LineShift(line, px - py, k); break;
        case DivisionKind::Cross:
            px += LineShift(line, py, k);
            py += LineShift(line, px, k);
            break;
        case DivisionKind::TiercedPale: px += LineShift(line, py, k); break;
        case DivisionKind::TiercedFess:
        case DivisionKind::TiercedChevron: py += LineShift(line, px, k); break;
        case DivisionKind::TiercedBend: py += LineShift(line, px + py, k); break;
        case DivisionKind::TiercedBendSinister: py += LineShift(line, px - py, k); break;
        default: {
            // The divisions whose lines meet at a point: each line from the meeting point out.
            const double l = b.left, t = b.top, r = b.right, bt = b.bottom, mx = (l + r) / 2, my = (t + bt) / 2;
            const double w = b.Width(), h = b.Height();
            if (d == DivisionKind::Saltire)
                ShiftAcrossNearest(line, std::array<Course, 4>{{{mx, my, l, t}, {mx, my, r, t}, {mx, my, l, bt}, {mx, my, r, bt}}}, px, py, k);
            if (d == DivisionKind::Pall) ShiftAcrossNearest(line, std::array<Course, 3>{{{mx, my, l, t}, {mx, my, r, t}, {mx, my, mx, bt}}}, px, py, k);
            if (d == DivisionKind::PallReversed)
                ShiftAcrossNearest(line, std::array<Course, 3>{{{mx, my, l, bt}, {mx, my, r, bt}, {mx, my, mx, t}}}, px, py, k);
            if (d == DivisionKind::Pile)
                ShiftAcrossNearest(line, std::array<Course, 2>{{{mx, bt, mx - kPileHalfBreadth * w, t}, {mx, bt, mx + kPileHalfBreadth * w, t}}}, px, py, k);
            if (d == DivisionKind::PointInPoint)
                ShiftAcrossNearest(line, std::array<Course, 2>{{{mx, t + kPointApex * h, l, bt}, {mx, t + kPointApex * h, r, bt}}}, px, py, k);
            break;
        }
    }
    const double nx = (px - b.left) / b.Width(), ny = (py - b.top) / b.Height();
    const double midX = (b.left + b.right) / 2, midY = (b.top + b.bottom) / 2;
    switch (d) {
        case DivisionKind::Pale:
            (nx < 0.5 ? b.right : b.left) = midX;
            return nx < 0.5 ? 0 : 1;
        case DivisionKind::Fess:
            (ny < 0.5 ? b.bottom : b.top) = midY;
            return ny < 0.5 ? 0 : 1;
        case DivisionKind::Bend: return ny < nx ? 0 : 1;
        case DivisionKind::BendSinister: return ny < 1 - nx ? 0 : 1;
        case DivisionKind::Saltire: return std::abs(ny - 0.5) > std::abs(nx - 0.5) ? 0 : 1;
        case DivisionKind::Cross:
            (nx < 0.5 ? b.right : b.left) = midX;
            (ny < 0.5 ? b.bottom : b.top) = midY;
            return (nx < 0.5) == (ny < 0.5) ? 0 : 1;
        case DivisionKind::Chevron: return ny < kChevronApex + std::abs(nx - 0.5) * kChevronFall ? 0 : 1;
        case DivisionKind::ChevronInverted: return ny < 1 - kChevronApex - std::abs(nx - 0.5) * kChevronFall ? 0 : 1;
        case DivisionKind::TiercedPale: {
            const int part = std::clamp(Floor(nx * 3), 0, 2);
            const double left = b.left, width = b.Width();
            b.left = left + width * part / 3;
            b.right = left + width * (part + 1) / 3;
            return part;
        }
        case DivisionKind::TiercedFess: {
            const int part = std::clamp(Floor(ny * 3), 0, 2);
            const double top = b.top, height = b.Height();
            b.top = top + height * part / 3;
            b.bottom = top + height * (part + 1) / 3;
            return part;
        }
        case DivisionKind::TiercedBend: return nx - ny > kTiercedBend ? 0 : nx - ny < -kTiercedBend ? 2 : 1;
        case DivisionKind::TiercedBendSinister: {
            const double d = (1 - nx) - ny;
            return d > kTiercedBend ? 0 : d < -kTiercedBend ? 2 : 1;
        }
        case DivisionKind::TiercedChevron: {
            const double fall = std::abs(nx - 0.5) * kChevronFall;
            return ny < kTiercedChevronApex[0] + fall ? 0 : ny < kTiercedChevronApex[1] + fall ? 1 : 2;
        }
        case DivisionKind::Pall:
            if (ny < std::min(nx, 1 - nx)) return 0;
            return nx < 0.5 ? 1 : 2;
        case DivisionKind::PallReversed:
            if (ny > std::max(nx, 1 - nx)) return 2;
            return nx < 0.5 ? 0 : 1;
        case DivisionKind::Pile:
            if (std::abs(nx - 0.5) < kPileHalfBreadth * (1 - ny)) return 1;
            return nx < 0.5 ? 0 : 2;
        case DivisionKind::PointInPoint:
            if (ny > kPointApex + (1 - kPointApex) * std::abs(nx - 0.5) * 2) return 1;
            return nx < 0.5 ? 0 : 2;
    }
    return 0;
}

// The leaf a pixel lies in; `mark`, when given, becomes the number of the last semé passed on the way.
int LeafAt(const SurfaceFill& f, const Lay& lay, Box b, double px, double py, int* mark = nullptr) {
    const SurfaceFill* node = &f;
    for (int depth = 0; depth < 64; ++depth) {
        if (node->kind == FillKind::Tincture || node->parts.empty()) return node->tincture;
        if (node->kind == FillKind::Seme) {
            if (mark != nullptr) *mark = node->mark;
            node = &node->parts[0];
            continue;
        }
        int part = node->kind == FillKind::Pattern ? PatternPart(*node, lay, b, px, py) : DivisionPart(node->division, node->line, b, px, py, lay.k);
        // Per pile and point in point of two: the flanks are one part.
        if (part == 2 && node->parts.size() == 2) part = 0;
        node = &node->parts[static_cast<std::size_t>(std::min<int>(part, static_cast<int>(node->parts.size()) - 1))];
    }
    return node->tincture;
}

bool PlainCode(int code) { return code < kCounterchanged || code == kProperBrown || code == kPlainWhite; }

// Paints x1..x2-1 of row y in one leaf's code and stores the code, as PaintSpan would.
void PaintLeafRun(PaintState& state, int x1, int y, int x2, int code) {
    if (x1 >= x2) return;
    int& current = state.levelTincture[state.level];
    const int own = current;
    current = code;
    if (code == kCounterchanged) {
        PaintSpan(state, x1, y, x2 - 1);
    } else {
        const ShieldGeometry& g = state.geometry;
        for (int x = std::max(x1, 0); x < std::min(x2, g.W); ++x) {
            const long long i = static_cast<long long>(y) * g.W + x;
            if (i >= 0 && i < static_cast<long long>(state.pictureBuffer.size()))
                state.pictureBuffer[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(code);
        }
        PaintPatternSpan(state, x1, y, PlainCode(code) ? x2 - 1 : x2, code);
    }
    current = own;
}

// The box the request's treatment is laid in: the mask's, grown on one side so that its middle
// is the asked one.
Box WholeBox(const SurfacePaintRequest& r) {
    const Rect& box = r.mask.box;
    Box whole{static_cast<double>(box.left), static_cast<double>(box.top), static_cast<double>(box.right), static_cast<double>(box.bottom)};
    auto centre = [](double& low, double& high, int middle) {
        if (middle < 0) return;
        const double half = std::max(middle - low, high - middle);
        low = middle - half;
        high = middle + half;
    };
    centre(whole.left, whole.right, r.middleX);
    centre(whole.top, whole.bottom, r.middleY);
    return whole;
}

}  // namespace

int DivisionParts(DivisionKind d) { return d >= DivisionKind::TiercedPale ? 3 : 2; }

bool FillDrawsItsLine(const SurfaceFill& f) {
    if (f.kind == FillKind::Pattern)
        return f.pattern == PatternKind::Barry || f.pattern == PatternKind::Paly || f.pattern == PatternKind::Bendy ||
               f.pattern == PatternKind::BendySinister || f.pattern == PatternKind::Gyronny || f.pattern == PatternKind::Chequy;
    return true;
}

SurfaceMask SurfaceMask::Whole(Rect box) {
    SurfaceMask m;
    m.box = box;
    m.in.assign(static_cast<std::size_t>(std::max(box.Width(), 0)) * static_cast<std::size_t>(std::max(box.Height(), 0)), true);
    return m;
}

std::vector<int> SurfaceLeaves(const SurfacePaintRequest& r) {
    const Rect& box = r.mask.box;
    const int w = std::max(box.Width(), 0), h = std::max(box.Height(), 0);
    std::vector<int> leaves(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), -1);
    if (r.mask.in.size() < leaves.size()) return leaves;
    Lay lay = MakeLay(r.mask, r.lay);
    lay.k = r.k;
    lay.edge = r.edge;
    const Box whole = WholeBox(r);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (r.mask.in[i]) leaves[i] = LeafAt(r.fill, lay, whole, box.left + x + 0.5, box.top + y + 0.5);
        }
    return leaves;
}

SurfaceMask SurfaceMarkMask(const SurfacePaintRequest& r, int mark) {
    SurfaceMask out;
    out.box = r.mask.box;
    const int w = std::max(out.box.Width(), 0), h = std::max(out.box.Height(), 0);
    out.in.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), false);
    if (r.mask.in.size() < out.in.size()) return out;
    Lay lay = MakeLay(r.mask, r.lay);
    lay.k = r.k;
    lay.edge = r.edge;
    const Box whole = WholeBox(r);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (!r.mask.in[i]) continue;
            int passed = -1;
            LeafAt(r.fill, lay, whole, out.box.left + x + 0.5, out.box.top + y + 0.5, &passed);
            out.in[i] = passed == mark;
        }
    return out;
}

void PaintSurface(PaintState& state, const SurfacePaintRequest& request) {
    SurfacePaintRequest r = request;
    r.k = state.geometry.k;
    const std::vector<int> leaves = SurfaceLeaves(r);
    const Rect& box = r.mask.box;
    const int w = std::max(box.Width(), 0), h = std::max(box.Height(), 0);
    for (int y = 0; y < h; ++y) {
        int start = 0;
        for (int x = 1; x <= w; ++x) {
            const int previous = leaves[static_cast<std::size_t>(y) * w + x - 1];
            if (x < w && leaves[static_cast<std::size_t>(y) * w + x] == previous) continue;
            if (previous >= 0) PaintLeafRun(state, box.left + start, box.top + y, box.left + x, previous);
            start = x;
        }
    }
}

}  // namespace esc
