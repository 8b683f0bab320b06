// The shield's outline: straight sides, rounded lower corners and a small ogee point at the foot.
//
//   (1,1) ----------------------------- (W-1,1)
//     |                                     |
//     |                                     |      baseTop = H-40
//      \_____________       _______________/       H-1
//                    \     /
//                     \   /
//                       V                          H+39

#include "engine/Painter.h"
#include "engine/QuarterCircle.h"

namespace esc {

void PlotOutlinePoint(PaintState& state, int x, int y) {
    ShieldGeometry& g = state.geometry;
    state.picture.SetPixel(x, y, kBlack);
    const int k = y - g.baseTop;
    if (k < 1 || k >= g.BaseBoundsCount()) return;
    BaseBound& bound = g.baseBounds[static_cast<std::size_t>(k)];
    // A point on the middle column is the foot of the ogee point: nothing lies inside beside it,
    // so it bounds the row from both sides (with the left bound alone, a band reaching the
    // lowest rows painted on out to the sinister edge, outside the shield).
    if (x >= g.W / 2 && x < bound.right) bound.right = x - 1;
    if (x <= g.W / 2 && bound.left < x) bound.left = x + 1;
}

void DrawShieldOutline(PaintState& state) {
    ShieldGeometry& g = state.geometry;
    g.Compute(g.ImageWidth(), g.ImageHeight(), state.marshallingMode);
    const int W = g.W, H = g.H;
    // The design measures: the pen, the radius of the corners and of the point, the corners'
    // centre row and the margin at which the outline sits inside the picture.
    const int pen = g.Px(2), r = g.Px(40), one = g.Px(1);
    Bitmap& p = state.picture;
    if (state.marshallingMode) {
        if (p.Height() != state.PictureHeight()) (void)p.Resize(g.ImageWidth(), state.PictureHeight());
        p.Line(one, one, W - one, one, kBlack, pen);
        p.Line(W - one, one, W - one, H, kBlack, pen);
        p.Line(W - one, H, one, H, kBlack, pen);
        p.Line(one, H, one, one, kBlack, pen);
        return;
    }
    const int bounds = g.BaseBoundsCount();
    for (int k = 0; k < bounds; ++k) {
        g.baseBounds[static_cast<std::size_t>(k)].left = 0;
        if (k < bounds - 1) g.baseBounds[static_cast<std::size_t>(k)].right = W + 5;
    }
    p.Line(one, H - r, one, one, kBlack, pen);
    p.Line(one, one, W, one, kBlack, pen);
    p.Line(W - one, one, W - one, H - r, kBlack, pen);
    p.Line(r, H - one, W / 2 - r, H - one, kBlack, pen);
    p.Line(W - r, H - one, W / 2 + r, H - one, kBlack, pen);

    // Each traced point of the curves is a pen's width of pixels, down or across.
    auto twoDown = [&](int x, int y) {
        for (int i = 0; i < pen; ++i) PlotOutlinePoint(state, x, y + i);
    };
    auto twoAcross = [&](int x, int y) {
        for (int i = 0; i < pen; ++i) PlotOutlinePoint(state, x + i, y);
    };

    const int cx1 = W / 2 + r, cx2 = W / 2 - r, cy = H + g.Px(39);
    QuarterCircle(r, [&](int s, int t) {
        twoDown(cx1 - t / 2, cy - s / 2);
        twoDown(cx2 + t / 2, cy - s / 2);
        twoDown(cx2 + s / 2, cy - t / 2);
        twoDown(cx1 - s / 2, cy - t / 2);
    });
    const int cxl = r, cxr = W - r, cyc = H - g.Px(42);
    QuarterCircle(r, [&](int s, int t) {
        twoDown(cxl - t / 2, cyc + s / 2);
        twoDown(cxr + t / 2, cyc + s / 2);
        twoAcross(cxl - s / 2, cyc + t / 2);
        twoAcross(cxr + s / 2 - pen, cyc + t / 2);
    });
    g.shieldBottom = H + g.Px(34);
}

}  // namespace esc
