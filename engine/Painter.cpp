// The row painter: every painted pixel of the shield passes through PaintSpan or PlotRun.

#include <algorithm>

#include "engine/Messages.h"
#include "engine/Painter.h"
#include "engine/Palette.h"

namespace esc {
namespace {

// Paints one row of pixels whose palette code varies along the row, merging equal neighbours
// into single runs (the pixels are the ones a call per pixel would give). codeAt is called with
// increasing columns. Only columns that can reach the picture are visited.
template <typename CodeAt>
void PlotPixels(PaintState& state, int x1, int y, int x2, CodeAt codeAt) {
    int from = x1, to = x2;
    if (state.view == OutputView::Shield) {
        from = std::max(x1, 1);
        to = std::min(x2, state.geometry.W - 1);
        if (from >= to) return;
    }
    const int layerX = state.layerTarget.lx;
    auto plot = [&](int a, int b, int code) {
        state.layerTarget.lx = layerX + (a - x1);
        PlotRun(state, a, y, b, code);
    };
    int runStart = from, runCode = codeAt(from);
    for (int x = from + 1; x < to; ++x) {
        const int code = codeAt(x);
        if (code == runCode) continue;
        plot(runStart, x, runCode);
        runStart = x;
        runCode = code;
    }
    plot(runStart, to, runCode);
    state.layerTarget.lx = layerX;
}

void StoreCode(PaintState& state, int x1, int y, int x2, int code) {
    const ShieldGeometry& g = state.geometry;
    const long long rowStart = static_cast<long long>(y) * g.W;
    const int from = std::max(x1, 0), to = std::min(x2, g.W);
    if (from >= to) return;
    // Indices below 0 (rows above the picture, in the achievement view) and past the buffer's
    // end are skipped.
    const long long first = std::max(rowStart + from, 0LL);
    const long long last = std::min(rowStart + to, static_cast<long long>(kPictureBufferSize));
    if (first >= last) return;
    std::fill(state.pictureBuffer.begin() + first, state.pictureBuffer.begin() + last, static_cast<std::int8_t>(code));
}

void PaintChequy(PaintState& state, int x1, int y, int x2) {
    const ShieldGeometry& g = state.geometry;
    // The chequy area holds fieldColor3 in the picture buffer, up to the run's end even past the
    // row's last column.
    const long long rowStart = static_cast<long long>(y) * g.W;
    for (int x = x1; x < x2; ++x) {
        const long long i = rowStart + x;
        if (i < 0) continue;
        if (i >= kPictureBufferSize) {
            state.ShowOnce(state.shownOutOfBounds2, msg::kOutOfBounds2);
            break;
        }
        state.pictureBuffer[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(state.fieldColor3);
    }
    if (x1 >= x2) return;
    const int rowParity = (y / 50) % 2;
    PlotPixels(state, x1, y, x2, [&](int x) {
        return (rowParity ^ ((x / 50) % 2)) == 0 ? state.fieldColor1 : state.fieldColor2;
    });
}

void PaintCounterchanged(PaintState& state, int x1, int y, int x2) {
    const ShieldGeometry& g = state.geometry;
    int v = kOr;
    for (int x = x1; x <= x2; ++x) {
        // A column past the row's end would reach the start of the next row, marking it visited
        // (so never painted) and storing there.
        if (x < 0 || x >= g.W) continue;
        const long long i = static_cast<long long>(y) * g.W + x;
        if (i < 0) continue;
        if (i >= kPictureBufferSize) {
            state.ShowOnce(state.shownOutOfBounds3, msg::kOutOfBounds3);
            continue;
        }
        const int index = static_cast<int>(i);
        if (state.VisitedTestAndSet(index)) continue;
        const int b = state.pictureBuffer[static_cast<std::size_t>(index)];
        if (b == state.namedTinctures[0]) v = state.namedTinctures[1];
        if (b == state.namedTinctures[1]) v = state.namedTinctures[0];
        if (v == kSable) PlotRun(state, x, y, x + 1, kSable);
        else PaintPatternSpan(state, x, y, x, v);
        state.pictureBuffer[static_cast<std::size_t>(index)] = static_cast<std::int8_t>(v);
    }
}

void PlotLayerRun(PaintState& state, int lx, int n, int entry) {
    LayerTarget& t = state.layerTarget;
    if (t.index < 0 || t.index >= kMaxLayers || n <= 0) return;
    Bitmap& image = state.layers[static_cast<std::size_t>(t.index)].image;
    const Rgb colour = kPalette[static_cast<std::size_t>(entry)];
    if (t.mirror) {
        for (int i = 0; i < n; ++i) image.SetPixel(image.Width() - (lx + i), t.ly, colour);
    } else {
        image.HorizontalRun(lx, t.ly, lx + n, colour);
    }
}

}  // namespace

void PlotRun(PaintState& state, int x1, int y, int x2, int code) {
    const int entry = PaletteEntry(code);
    if (entry < 0) return;
    const Rgb colour = kPalette[static_cast<std::size_t>(entry)];
    if (state.view == OutputView::Achievement) {
        if (state.achievement != nullptr)
            state.achievement->HorizontalRun(x1 - state.achievementOffsetX, y - state.achievementOffsetY,
                                             x2 - state.achievementOffsetX, colour);
        return;
    }
    const ShieldGeometry& g = state.geometry;
    const int originalX1 = x1;
    x1 = std::max(x1, 2);
    x2 = std::min(x2, g.W - 2);
    if (x1 >= x2) return;
    const int layerX = state.layerTarget.lx + (x1 - originalX1);
    if (y <= g.baseTop) {
        state.picture.HorizontalRun(x1, y, x2, colour);
        PlotLayerRun(state, layerX, x2 - x1, entry);
        return;
    }
    const int k = y - g.baseTop;
    if (k >= kBaseBoundsCount) return;
    const BaseBound& bound = g.baseBounds[static_cast<std::size_t>(k)];
    const int from = std::max(x1, bound.left), to = std::min(x2, bound.right + 1);
    if (from >= to) return;
    state.picture.HorizontalRun(from, y, to, colour);
    PlotLayerRun(state, layerX + (from - x1), to - from, entry);
}

void PaintSpan(PaintState& state, int x1, int y, int x2) {
    const ShieldGeometry& g = state.geometry;
    if (state.view == OutputView::Shield && (y > g.shieldBottom || y < 0 || x1 < 0)) return;
    const int c = state.levelTincture[state.level];
    if (c != kCounterchanged) StoreCode(state, x1, y, x2, c);
    if (c < kCounterchanged || c == kProperBrown) {
        PlotRun(state, x1, y, x2 + 1, c == kProperBrown ? kErmine : c);
    } else if (c == kChequy) {
        PaintChequy(state, x1, y, x2);
    } else if (c == kCounterchanged) {
        PaintCounterchanged(state, x1, y, x2);
    } else {
        PaintPatternSpan(state, x1, y, x2, c);
    }
}

void PaintPatternSpan(PaintState& state, int x1, int y, int x2, int code) {
    if (code < kCounterchanged || code == kProperBrown || code == kPlainWhite) {
        const int entry = code == kProperBrown ? kErmine : code == kPlainWhite ? kErmines : code;
        PlotRun(state, x1, y, x2 + 1, entry);
        return;
    }
    int ground = kAzure, pattern = kArgent;
    switch (code) {
        case kErmine: ground = kErmines; pattern = kSable; break;  // entry 9 is white
        case kErmines: ground = kSable; pattern = kErmines; break;
        case kErminois: ground = kOr; pattern = kSable; break;
        case kPean: ground = kSable; pattern = kOr; break;
        case kVaire: ground = state.fieldColor1; pattern = state.fieldColor2; break;
        case kGuttee:
        case kBillettee:
        case kCrusilly: ground = state.fieldColor1; pattern = state.fieldColor2; break;
        case kBezantee: ground = state.fieldColor1; pattern = kOr; break;
        default: break;  // vair and any other code: argent bells on azure
    }
    if (x2 <= x1) x2 = x1 + 1;  // at least one pixel

    // The pattern family follows the tincture being painted, not `code`.
    const int current = state.levelTincture[state.level];
    if (current < kVair || (current >= kGuttee && current <= kCrusilly)) {
        Tile tile = Tile::ErmineSpot;
        if (current == kGuttee) tile = Tile::Guttee;
        else if (current == kBillettee) tile = Tile::Billettee;
        else if (current == kBezantee) tile = Tile::Bezantee;
        else if (current == kCrusilly) tile = Tile::Crusilly;
        const int r = ((y % 28) + 28) % 28;
        const int shift = ((y / 28) % 2 != 0) ? 0 : 24;
        int n = 0, expected = x1 - 1;
        PlotPixels(state, x1, y, x2, [&](int x) {
            n = x == expected ? (n + 1 == 48 ? 0 : n + 1) : (((x + shift) % 48) + 48) % 48;
            expected = x + 1;
            return TileBit(tile, r, n) ? pattern : ground;
        });
    } else {
        const int r = ((y % 16) + 16) % 16;
        const int shift = ((y / 16) % 2 == 0) ? 10 : 0;
        int n = 0, expected = x1 - 1;
        PlotPixels(state, x1, y, x2, [&](int x) {
            n = x == expected ? (n + 1 == 19 ? 0 : n + 1) : (((x + shift) % 19) + 19) % 19;
            expected = x + 1;
            return VairBit(r, n) ? pattern : ground;
        });
    }
}

}  // namespace esc
