// The base and the gyron: two ordinaries whose words were read but drew nothing ("upon a base
// embattled gules" left the field bare; "a gyron argent" was taken for gyronny and painted the
// whole field in the first of its unset tinctures).

#include <string>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "engine/Messages.h"
#include "engine/Painter.h"

namespace esc {
namespace shapes {

// The base: the lowest part of the field across the shield and down into its point. A line
// styles its upper edge only, as the last bar of barry is styled.
void Base(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, B = g.shieldBottom;
    const int top = BaseUpperEdge(g);
    FillBasePoint(s);
    if (Styled(s, o)) {
        const int depth = g.H - top;
        Band(s, o, 0, top + depth / 2, W, top + depth / 2, depth, BandEdges::kNearEdge);
    } else {
        Area(s, {{0, top, 0, B}, {W + 1, top, W + 1, B}});
    }
}

// The point pointed: a triangle from the foot of the shield's flanks, below the picture, to the
// fess point; the shield's outline cuts it to the base.
void PointPointed(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    if (Styled(s, o)) s.messages.Show(msg::kOrdinaryDrawnPlain);
    const int foot = g.shieldBottom + g.Px(2);
    Area(s, {{g.W / 2, g.H / 2, 0, foot}, {g.W / 2, g.H / 2, g.W, foot}});
}

// The gyron: the triangle between the line from the dexter chief corner to the fess point and
// the line across from the fess point to the dexter flank (the first piece of gyronny of eight
// counted from the dexter chief).
// Several gyrons have no one arrangement to draw; they are reported, not drawn as one.
void Gyron(PaintState& s) {
    const ShieldGeometry& g = s.geometry;
    const int n = s.CurrentLevel().levelCount;
    if (n > 1) {
        s.messages.Show(msg::WithCountedCharges(msg::kNoLayoutForCount, n));
        return;
    }
    Area(s, {{1, 1, 1, g.H / 2}, {1, 1, g.W / 2, g.H / 2}});
}

}  // namespace shapes
}  // namespace esc
