// A voided ordinary: only a narrow edge of the plain ordinary is painted, along its sides within
// the field, and the field shows through the middle. The edge is found from the plain shape
// itself, so it never strays outside the ordinary's outline, and nothing is drawn along the
// shield's own edge where the ordinary runs off the field.

#include <algorithm>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "engine/SpanEnd.h"

namespace esc::shapes {

namespace {

// Chamfer distance steps: 3 across or down, 4 on the diagonal (close to 3 times the distance).
constexpr int kStraightStep = 3, kDiagonalStep = 4;
constexpr int kFar = 1 << 29;

// Whether (x, y) lies within the shield's outline: the columns and rows the painter's runs are
// clipped to, below the outline's top line.
constexpr int kOutlineRows = 2;
bool InsideField(const ShieldGeometry& g, int x, int y) {
    if (x < 2 || x >= g.W - 2 || y < kOutlineRows || y > g.shieldBottom) return false;
    if (y <= g.baseTop) return true;
    const int k = y - g.baseTop;
    if (k >= g.BaseBoundsCount()) return false;
    const BaseBound& bound = g.baseBounds[static_cast<std::size_t>(k)];
    return x >= bound.left && x <= bound.right;
}


}  // namespace

bool DrawnVoidedByOutline(const PaintState& s, const ShapeOutline& outline) {
    if (outline.treatment != OrdinaryTreatment::kVoided || s.lineCode != kPlainLine || s.cotiseCount != 0 || s.crossTreatment) return false;
    if (s.view != OutputView::Shield || s.layerTarget.image != nullptr) return false;
    switch (outline.shape) {
        case kFess: case kBend: case kBendSinister: case kPale: case kChevron: case kChevronInverted:
        case kCross: case kSaltire: case kPall: case kPallReversed: return true;
        default: return false;
    }
}

void DrawVoidedByOutline(PaintState& s, const OrdinaryRequest& request, const ShapeOutline& outline) {
    const ShieldGeometry& g = s.geometry;
    // The plain ordinary, drawn on a blank picture and taken back off it; counterchanged, which
    // depends on what lies under it, as a plain colour (its runs cover the same columns).
    const Bitmap before = s.picture;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    const int tincture = s.levelTincture[s.level];
    s.picture.Fill(kUnpainted);
    if (tincture == kCounterchanged) s.levelTincture[s.level] = kSable;
    OrdinaryRequest plainRequest = request;
    plainRequest.field = outline.field;
    plainRequest.treatment = OrdinaryTreatment::kNone;
    DrawOrdinary(s, plainRequest);
    s.levelTincture[s.level] = tincture;
    const Bitmap plain = s.picture;
    s.picture = before;
    s.pictureBuffer = codesBefore;

    const int W = g.W, rows = std::min(plain.Height(), g.shieldBottom + 1);
    if (rows <= 0) return;
    auto at = [W](int x, int y) { return static_cast<std::size_t>(y) * static_cast<std::size_t>(W) + static_cast<std::size_t>(x); };
    std::vector<bool> inOrdinary(static_cast<std::size_t>(W) * static_cast<std::size_t>(rows), false);
    std::vector<int> distance(inOrdinary.size(), kFar);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < W; ++x) {
            if (!InsideField(g, x, y)) continue;
            if (plain.Pixel(x, y) != kUnpainted) inOrdinary[at(x, y)] = true;
            else distance[at(x, y)] = 0;  // the field beside the ordinary
        }
    // Distance from the field, forward and back over the picture.
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < W; ++x) {
            int& d = distance[at(x, y)];
            if (x > 0) d = std::min(d, distance[at(x - 1, y)] + kStraightStep);
            if (y > 0) {
                d = std::min(d, distance[at(x, y - 1)] + kStraightStep);
                if (x > 0) d = std::min(d, distance[at(x - 1, y - 1)] + kDiagonalStep);
                if (x + 1 < W) d = std::min(d, distance[at(x + 1, y - 1)] + kDiagonalStep);
            }
        }
    for (int y = rows - 1; y >= 0; --y)
        for (int x = W - 1; x >= 0; --x) {
            int& d = distance[at(x, y)];
            if (x + 1 < W) d = std::min(d, distance[at(x + 1, y)] + kStraightStep);
            if (y + 1 < rows) {
                d = std::min(d, distance[at(x, y + 1)] + kStraightStep);
                if (x + 1 < W) d = std::min(d, distance[at(x + 1, y + 1)] + kDiagonalStep);
                if (x > 0) d = std::min(d, distance[at(x - 1, y + 1)] + kDiagonalStep);
            }
        }
    // The edge: the ordinary's pixels within its width of the field, painted as runs.
    const int reach = std::max(g.Px(kMinVoidedEdge), g.chiefDepth / kVoidedEdgeDivisor) * kStraightStep;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < W;) {
            auto edge = [&](int c) { return inOrdinary[at(c, y)] && distance[at(c, y)] <= reach; };
            if (!edge(x)) {
                ++x;
                continue;
            }
            int last = x;
            while (last + 1 < W && edge(last + 1)) ++last;
            PaintSpan(s, x, y, SpanEndFor(tincture, last));
            x = last + 1;
        }
    }
}

}  // namespace esc::shapes
