// The chief's inner edge, and the pieces drawn within the chief: the base esquires and the
// fillet.

#include <algorithm>
#include <cmath>

#include "engine/Diminutives.h"
#include "engine/OrdinaryShapes.h"

namespace esc::shapes {

int ChiefInnerEdge(const ShieldGeometry& g, int lineCode) {
    const LineStyle* style = FindLineStyle(lineCode);
    if (style == nullptr) return ChiefLowerEdge(g);
    return StyledChiefMiddle(g) + StyledChiefWidth(g) / 2 - g.Px(static_cast<int>(std::lround(style->depth * style->designScale)));
}

// A base esquire fills a lower outer corner of the chief: its upright leg is the chief's outer
// edge, its other leg runs along the chief's lower edge a fifth of the shield inwards, and the
// long side climbs from there back to the chief's upper outer corner.
//
//   +--------------------- chief ---------------------+
//   |\                                              /|
//   |   \                                        /   |
//   +------+                                +------+
void BaseEsquires(PaintState& s, bool sinisterOnly) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, b = ChiefLowerEdge(g), e = W * kBaseEsquireWidthPercent / 100;
    const bool both = !sinisterOnly && s.CurrentLevel().levelCount >= 2;
    if (!sinisterOnly) Area(s, {{0, 0, 0, b}, {0, 0, e, b}});
    if (sinisterOnly || both) Area(s, {{W + 1, 0, W + 1 - e, b}, {W + 1, 0, W + 1, b}});
}

// The fillet: a quarter of the chief's depth, along its lowest part, so that it lies on a chief
// of another tincture ("a chief gules, in the lower part a fillet azure") or alone across the
// field where a chief's lower edge would be. With a line, both its edges carry it.
void Fillet(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int b = ChiefLowerEdge(g), depth = std::max(1, PieceBreadth(s, b / 4));
    const int y = b - depth / 2;
    if (Styled(s, o)) {
        Band(s, o, 0, y, g.W, y, depth);
    } else {
        Area(s, {{0, b - depth, 0, b}, {g.W + 1, b - depth, g.W + 1, b}});
    }
}

}  // namespace esc::shapes
