#pragma once
// The row painter and the region fill: every area of the shield is painted as horizontal runs.

#include <algorithm>
#include <cstdint>

#include "engine/PaintState.h"
#include "engine/Palette.h"

namespace esc {

// The shield outline and the geometry it defines.
void DrawShieldOutline(PaintState& state);
void PlotOutlinePoint(PaintState& state, int x, int y);

// A run of row y from x1 to x2 (which ends are painted as for PaintSpan) in a tincture the
// request names, whatever the level's tincture is.
struct SpanRequest {
    int x1 = 0, y = 0, x2 = 0;
    int tincture = 0;
};
// PaintSpan for every tincture and view (out of line).
void PaintSpanAnyTincture(PaintState& state, const SpanRequest& span);
// Paints the request's run. A plain tincture on the shield, neither mirrored nor copied to a
// layer, is painted here, where the painters of many short runs (a charge's rows, a field's) have
// it inline: the codes under x1..x2-1 and the pixels x1..x2, clipped as PlotRun clips.
inline void PaintSpan(PaintState& state, const SpanRequest& span) {
    const int c = span.tincture;
    if (state.view != OutputView::Shield || state.mirrored || state.layerTarget.image != nullptr ||
        !(IsPlainTincture(c) || c == kProperBrown)) {
        PaintSpanAnyTincture(state, span);
        return;
    }
    const ShieldGeometry& g = state.geometry;
    const int x1 = span.x1, y = span.y, x2 = span.x2;
    if (y > g.shieldBottom || y < 0 || x1 < 0) return;
    const long long rowStart = static_cast<long long>(y) * g.W;
    const long long codesEnd = std::min(rowStart + std::min(x2, g.W), static_cast<long long>(state.pictureBuffer.size()));
    if (rowStart + x1 < codesEnd)
        std::fill(state.pictureBuffer.begin() + (rowStart + x1), state.pictureBuffer.begin() + codesEnd, static_cast<std::int8_t>(c));
    const int entry = PaletteEntry(c == kProperBrown ? kErmine : c);
    if (entry < 0 || y >= state.picture.Height()) return;
    const int edge = g.Px(2);  // the outline's pen
    int from = std::max(x1, edge), to = std::min(x2 + 1, g.W - edge);
    if (y > g.baseTop) {
        const int k = y - g.baseTop;
        if (k >= g.BaseBoundsCount()) return;
        const BaseBound& bound = g.baseBounds[static_cast<std::size_t>(k)];
        from = std::max(from, bound.left);
        to = std::min(to, bound.right + 1);
    }
    to = std::min(to, state.picture.Width());
    if (from >= to) return;
    FillPixelRun(state.picture.Row(y) + from, static_cast<std::size_t>(to - from), Bitmap::Pack(kPalette[static_cast<std::size_t>(entry)]));
}
// Paints row y from x1 in the tincture at levelTincture[level]. Plain colours cover x1..x2,
// patterned and chequy runs x1..x2-1, counterchanged runs x1..x2.
inline void PaintSpan(PaintState& state, int x1, int y, int x2) {
    PaintSpan(state, SpanRequest{x1, y, x2, state.levelTincture[state.level]});
}
// Paints row y in a patterned or plain code; x2 == x1 paints one pixel.
void PaintPatternSpan(PaintState& state, int x1, int y, int x2, int code);
// Puts pixels x1..x2-1 of row y in palette colour `code`, clipped to the shield.
void PlotRun(PaintState& state, int x1, int y, int x2, int code);

// The crossing table: two columns per row, filled between them.
void ResetCrossings(PaintState& state);
void AddCrossing(PaintState& state, int x, int y);
void TraceEdge(PaintState& state, int x1, int y1, int x2, int y2);
void TraceEdgeWindow(PaintState& state, int x1, int y1, int x2, int y2);
void TracePoints(PaintState& state, int x1, int y1, int x2, int y2, int length, int angle);
void FillCrossings(PaintState& state);
void FillBasePoint(PaintState& state);

// The 28-row tiles of the furs and semés and the vair rows.
enum class Tile { ErmineSpot, Guttee, Billettee, Bezantee, Crusilly, CrusillyFitchy };
// Whether tile column `column` (0..47) of row `row` (0..27) shows the pattern colour.
bool TileBit(Tile tile, int row, int column);
// Whether vair column `column` (0..18) of row `row` (0..15) shows the pattern colour.
bool VairBit(int row, int column);

// Lozengy: upright lozenges kLozengeWidth by kLozengeHeight on a grid fixed to the shield. The
// lozenges of fieldColor1 stand in rows, one of them centred on column W/2 with its top point on
// row kLozengyTop; the rows of fieldColor2 lie between, shifted half a lozenge.
inline constexpr int kLozengeWidth = 52, kLozengeHeight = 78, kLozengyTop = 2;
// Lozengy bendwise: the same lozenges turned so that their long axis runs in bend (from dexter
// chief, the viewer's top left, to sinister base). Their sides run in the directions (5, 1) and
// (1, 5): a pixel centre at (X, Y) half-pixels from the top point of a fieldColor1 lozenge at
// (W/2, kLozengyTop) lies in lozenge (floor(U / P), floor(V / P)), U = 5X - Y, V = 5Y - X,
// P = kBendwisePeriod, and shows fieldColor1 when the two indices have the same parity.
inline constexpr int kBendwisePeriod = 442;

}  // namespace esc
