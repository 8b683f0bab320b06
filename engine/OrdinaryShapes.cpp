// DrawOrdinary: one ordinary, or one partition of the field, as its request asks.
//
// Every shape is built from two means: bands (DrawPartitionLine), which carry the line style,
// and convex areas traced into the crossing table and filled row by row. A plain ordinary is an
// area with straight, exact edges; a styled one is a band with patterned edges.

#include <algorithm>
#include <utility>

#include "engine/ConjoinedLozenges.h"
#include "engine/Diminutives.h"
#include "engine/Enarched.h"
#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"

namespace esc {
namespace shapes {

int FieldPieces(const PaintState& state) { return std::clamp(state.fieldPieces, 1, kMaxFieldPieces); }

int RepeatCount(PaintState& state) {
    const int n = state.CurrentLevel().levelCount;
    if (n > kMaxRepeatedOrdinaries) {
        state.messages.Show(msg::kTooManyRepeatedOrdinaries);
        return 0;
    }
    return std::max(n, 1);
}

Spread SpreadPieces(int n, int from, int to, int maxWidth) {
    Spread out;
    if (n < 1 || to <= from) return out;
    const int span = to - from;
    // Pieces no wider than the 2n+1 stripes of the span leave gaps at least as wide as a piece.
    // A band of width w paints 2 * (w / 2) + 1 pixels across, one more than w when w is even.
    out.width = std::max(1, std::min(maxWidth, span / (2 * n + 1) - 1));
    const double gap = static_cast<double>(span - n * out.width) / (n + 1);
    for (int i = 0; i < n; ++i)
        out.centres.push_back(from + static_cast<int>(gap * (i + 1) + out.width * i + out.width / 2.0));
    return out;
}

void Colour(PaintState& state, int code) { state.levelTincture[state.level] = code; }

BandLine LineOf(const PaintState& state) { return {state.lineCode, state.lineRepeats, 0}; }

namespace {
// A band in the gap style spends it: the next band of the shape is plain.
void SpendGap(PaintState& state, const BandRequest& request) {
    if (request.line.style == kGapLineStyle) state.lineCode = kPlainLine;
}
}  // namespace

void CotisePen::Band(int x1, int y1, int x2, int y2, int width) {
    BandRequest request{x1, y1, x2, y2, width, BandEdges::kBoth, line};
    request.outline = outline;
    if (line.style == kGapLineStyle) line.style = kPlainLine;
    DrawPartitionLine(state, request);
}

void CotisePen::BandFrom(int x, int y, int angle, int length, int width) {
    BandRequest request{x, y, 0, 0, width, BandEdges::kBoth, line, length, angle};
    request.outline = outline;
    if (line.style == kGapLineStyle) line.style = kPlainLine;
    DrawPartitionLine(state, request);
}

void Band(PaintState& state, const ShapeOutline& outline, int x1, int y1, int x2, int y2, int width, BandEdges edges) {
    const BandRequest request{x1, y1, x2, y2, width, edges, LineOf(state), 0, 0, outline};
    SpendGap(state, request);
    DrawPartitionLine(state, request);
}

void BandThrough(PaintState& state, const ShapeOutline& outline, int x1, int y1, int x2, int y2, int width, int ax, int ay) {
    BandRequest request{x1, y1, x2, y2, width, BandEdges::kBoth, LineOf(state), 0, 0, outline};
    request.anchor = {true, ax, ay};
    SpendGap(state, request);
    DrawPartitionLine(state, request);
}

void BandFrom(PaintState& state, const ShapeOutline& outline, int x, int y, int angle, int length, int width, BandEdges edges) {
    const BandRequest request{x, y, 0, 0, width, edges, LineOf(state), length, angle, outline};
    SpendGap(state, request);
    DrawPartitionLine(state, request);
}

void Area(PaintState& state, std::initializer_list<Edge> edges) {
    ResetCrossings(state);
    for (const Edge& e : edges) TraceEdge(state, e.x1, e.y1, e.x2, e.y2);
    FillCrossings(state);
}

void FillRows(PaintState& state, int r1, int r2, int x1, int x2) {
    for (int y = r1; y <= r2; ++y) PaintSpan(state, x1, y, x2);
}

bool Styled(const PaintState& state, const ShapeOutline& outline) {
    return state.lineCode != kPlainLine || outline.treatment != OrdinaryTreatment::kNone;
}

}  // namespace shapes

Rect CantonArea(const ShieldGeometry& g) {
    // As Canton() paints it: a band centred 35 pixels in, its left half off the shield.
    const int right = g.Px(35) + static_cast<int>(g.W * 28.5 * 0.01) / 2;
    const int bottom = static_cast<int>(g.H * 20.5 * 0.01);
    return {g.Px(2), g.Px(2), right, bottom};
}

void DrawOrdinaryWithin(PaintState& state, ShapeCode shape, Rect area) {
    if (area.Width() <= 0 || area.Height() <= 0) return;
    // A colour no tincture paints: what is still this colour after drawing was not painted.
    constexpr Rgb kUnpainted{1, 2, 3};
    const Bitmap before = state.picture;
    const std::vector<std::int8_t> codesBefore = state.pictureBuffer;
    state.picture.Fill(kUnpainted);
    DrawOrdinary(state, {shape, false});
    const Bitmap whole = state.picture;
    const std::vector<std::int8_t> codesWhole = state.pictureBuffer;
    state.picture = before;
    state.pictureBuffer = codesBefore;
    const ShieldGeometry& g = state.geometry;
    for (int y = std::max(area.top, 0); y < area.bottom && y < state.picture.Height(); ++y)
        for (int x = std::max(area.left, 0); x < area.right && x < g.W; ++x) {
            const int fx = (x - area.left) * g.W / area.Width(), fy = (y - area.top) * g.H / area.Height();
            if (!whole.Contains(fx, fy) || whole.Pixel(fx, fy) == kUnpainted) continue;
            state.picture.SetPixel(x, y, whole.Pixel(fx, fy));
            const std::size_t to = static_cast<std::size_t>(y) * g.W + x, from = static_cast<std::size_t>(fy) * g.W + fx;
            if (to < state.pictureBuffer.size() && from < codesWhole.size()) state.pictureBuffer[to] = codesWhole[from];
        }
}

namespace {

// DrawOrdinary for the state's current level: its line, position, variant and tincture.
void DrawOrdinaryOfCurrentLevel(PaintState& state, const OrdinaryRequest& request) {
    using namespace shapes;
    // A negative line code is no line at all: the shapes' choice between a plain area and a
    // styled band reads lineCode -1 only.
    if (state.lineCode < kPlainLine) state.lineCode = kPlainLine;
    const ShapeCode shape = request.shape;
    const bool partition = request.partition;
    // What the bands and cotises are drawn for. A partition of the field is never voided or
    // fimbriated, whatever an earlier phrase left.
    ShapeOutline o{shape, request.field != kNoShape ? request.field : state.partitionCode, OrdinaryTreatment::kNone};
    if (!partition) {
        o.treatment = request.treatment.value_or(state.ordinaryTreatment);
        o.role = BandRole::kLimb;
    }
    if (!partition && DrawnWithTwoLines(state, shape)) {
        DrawWithTwoLines(state, request, o);
        return;
    }
    if (!partition && DrawnEnarched(state, shape)) {
        DrawEnarched(state, o);
        return;
    }
    if (!partition && DrawnAsLozenges(state, shape)) {
        DrawConjoinedLozenges(state, o);
        return;
    }
    if (!partition && DrawnVoidedByOutline(state, o)) {
        DrawVoidedByOutline(state, request, o);
        return;
    }

    switch (shape) {
        case kFess: partition ? PerFess(state, o) : Fess(state, o); break;
        case kBend: partition ? PerBend(state, o) : Bend(state, o); break;
        case kBendSinister: partition ? PerBendSinister(state, o) : BendSinister(state, o); break;
        case kPale: partition ? PerPale(state, o) : Pale(state, o); break;
        case kChevron: partition ? PerChevron(state, o) : Chevron(state, o); break;
        case kCross: partition ? Quarterly(state, o) : Cross(state, o); break;
        case kSaltire: partition ? PerSaltire(state, o) : Saltire(state, o); break;
        case kGyronny: Gyronny(state); break;
        case kBarry: Barry(state, o); break;
        case kPaly: Paly(state, o); break;
        case kBendy: Bendy(state, o); break;
        case kFlaunches: Flaunches(state, o); break;
        case kChevronels: Chevronels(state, o); break;
        case kChief: Chief(state, o); break;
        case kLabel: Label(state); break;
        case kBordure: Bordure(state, o); break;
        case kCanton: Canton(state, o); break;
        case kPallets: PalletsFor(state, o, partition ? PiecesPlacement::kInChief : PiecesPlacement::kOnTheField); break;
        case kBendlets: Bendlets(state, o); break;
        case kBendletsSinister: BendletsSinister(state, o); break;
        case kChequyNext: Colour(state, kChequy); break;
        case kPiles: Piles(state, o); break;
        case kOrle: Orle(state, o); break;
        case kPall: partition ? TiercedPerPall(state) : Pall(state, o); break;
        case kPallReversed: partition ? TiercedPerPallReversed(state) : PallReversed(state, o); break;
        case kTressure: Tressure(state, o, false); break;
        case kTressureFlory: Tressure(state, o, true); break;
        case kChevronInverted: partition ? PerChevronInverted(state, o) : ChevronInverted(state, o); break;
        case kQuarterlyPerFessLined: QuarterlyPerFessLined(state, o); break;
        case kQuarterlyPerPaleLined: QuarterlyPerPaleLined(state, o); break;
        case kBendletsEnhanced: BendletsEnhanced(state, o); break;
        case kChevronny: Chevronny(state); break;
        case kChevronelsInterlaced: ChevronelsInterlaced(state, o); break;
        case kBaseEsquires: BaseEsquires(state, false); break;
        case kBaseEsquireSinister: BaseEsquires(state, true); break;
        case kChevronelsInverted: ChevronelsInverted(state, o); break;
        case kPilesInverted: PilesInverted(state, o); break;
        case kBase: Base(state, o); break;
        case kGyron: Gyron(state); break;
        case kPointPointed: PointPointed(state, o); break;
        case kFilletShape: Fillet(state, o); break;
        default: break;  // 11, 13, 15, 26, 28, 29, 40 to 42, 49 to 57 and past 58 have no shape
    }
}

}  // namespace

void DrawOrdinary(PaintState& state, const OrdinaryRequest& request) {
    if (!request.level || *request.level == state.level) {
        DrawOrdinaryOfCurrentLevel(state, request);
        return;
    }
    // Drawn for another level (the fess painted again over the pieces laid about it): the shapes
    // read that level's record while they draw, and the reader's level is its own again after.
    const int readersLevel = std::exchange(state.level, *request.level);
    DrawOrdinaryOfCurrentLevel(state, request);
    state.level = readersLevel;
}

}  // namespace esc
