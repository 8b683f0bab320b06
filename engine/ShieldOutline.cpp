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
    if (k < 1 || k >= kBaseBoundsCount) return;
    BaseBound& bound = g.baseBounds[static_cast<std::size_t>(k)];
    // A point on the middle column is the foot of the ogee point: nothing lies inside beside it,
    // so it bounds the row from both sides (with the left bound alone, a band reaching the
    // lowest rows painted on out to the sinister edge, outside the shield).
    if (x >= g.W / 2 && x < bound.right) bound.right = x - 1;
    if (x <= g.W / 2 && bound.left < x) bound.left = x + 1;
}

void DrawShieldOutline(PaintState& state) {
    ShieldGeometry& g = state.geometry;
    g.Compute(kImageWidth, kImageHeight, state.marshallingMode);
    const int W = g.W, H = g.H;
    Bitmap& p = state.picture;
    if (state.marshallingMode) {
        if (p.Height() != kMarshallingPictureHeight) (void)p.Resize(kImageWidth, kMarshallingPictureHeight);
        p.Line(1, 1, W - 1, 1, kBlack, 2);
        p.Line(W - 1, 1, W - 1, H, kBlack, 2);
        p.Line(W - 1, H, 1, H, kBlack, 2);
        p.Line(1, H, 1, 1, kBlack, 2);
        return;
    }
    for (int k = 0; k < kBaseBoundsCount; ++k) {
        g.baseBounds[static_cast<std::size_t>(k)].left = 0;
        if (k < kBaseBoundsCount - 1) g.baseBounds[static_cast<std::size_t>(k)].right = W + 5;
    }
    p.Line(1, H - 40, 1, 1, kBlack, 2);
    p.Line(1, 1, W, 1, kBlack, 2);
    p.Line(W - 1, 1, W - 1, H - 40, kBlack, 2);
    p.Line(40, H - 1, W / 2 - 40, H - 1, kBlack, 2);
    p.Line(W - 40, H - 1, W / 2 + 40, H - 1, kBlack, 2);

    auto twoDown = [&](int x, int y) { PlotOutlinePoint(state, x, y); PlotOutlinePoint(state, x, y + 1); };
    auto twoAcross = [&](int x, int y) { PlotOutlinePoint(state, x, y); PlotOutlinePoint(state, x + 1, y); };

    const int cx1 = W / 2 + 40, cx2 = W / 2 - 40, cy = H + 39;
    QuarterCircle(40, [&](int s, int t) {
        twoDown(cx1 - t / 2, cy - s / 2);
        twoDown(cx2 + t / 2, cy - s / 2);
        twoDown(cx2 + s / 2, cy - t / 2);
        twoDown(cx1 - s / 2, cy - t / 2);
    });
    const int cxl = 40, cxr = W - 40, cyc = H - 42;
    QuarterCircle(40, [&](int s, int t) {
        twoDown(cxl - t / 2, cyc + s / 2);
        twoDown(cxr + t / 2, cyc + s / 2);
        twoAcross(cxl - s / 2, cyc + t / 2);
        twoAcross(cxr + s / 2 - 2, cyc + t / 2);
    });
    g.shieldBottom = H + 34;
}

}  // namespace esc
