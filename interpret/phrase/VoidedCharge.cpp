#include "interpret/phrase/VoidedCharge.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "engine/Painter.h"
#include "engine/Palette.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

// Only plain tinctures: a fur or a pattern is not one colour to find the charge's pixels by.
bool PlainTincture(int tincture) { return IsPlainTincture(tincture); }

}  // namespace

void ReadVoidedCharge(DrawingState& s) {
    const LevelRecord& level = phrase::Current(s);
    const bool pictured = level.levelKind != kTypeOrdinary && level.levelKind != kTypeRoundel && level.levelKind != 0;
    // The first phrase, on a field of one tincture with nothing painted on it yet: the field's
    // tincture is the colour found all over it.
    if (!pictured || s.level != 0 || level.levelOn || level.levelIn || s.partitionCode != ShapeCode::kNoShape) return;
    const ShieldGeometry& g = s.geometry;
    const Rgb found = s.picture.Pixel(g.W2, g.H2);
    if (!(s.picture.Pixel(g.W4, g.H4) == found) || !(s.picture.Pixel(g.W - g.W4, g.H - g.H4) == found)) return;
    for (int t = 0; t < kTinctureCount; ++t) {
        if (PlainTincture(t) && kPalette[static_cast<std::size_t>(t)] == found) {
            s.voidedField = t;
            phrase::Use(s, 0);
            return;
        }
    }
}

void VoidPaintedCharge(DrawingState& s) {
    const int tincture = s.levelTincture[s.level], field = s.voidedField;
    const Rect box = s.paintedBox;
    if (!PlainTincture(tincture) || !PlainTincture(field) || box.Width() <= 0 || box.Height() <= 0) return;
    const Rgb body = kPalette[static_cast<std::size_t>(tincture)], outline = kPalette[static_cast<std::size_t>(kSable)];
    const int w = box.Width(), h = box.Height();
    // The drawing's pixels in its box, and how far each lies from the outside (chessboard
    // distance, two passes).
    std::vector<int> depth(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    auto at = [&](int x, int y) -> int& { return depth[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)]; };
    const int far = w + h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgb c = s.picture.Pixel(box.left + x, box.top + y);
            at(x, y) = (c == body || c == outline) ? far : 0;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (at(x, y) == 0) continue;
            int d = std::min(x, y) + 1;
            if (x > 0) d = std::min(d, at(x - 1, y) + 1);
            if (y > 0) d = std::min(d, at(x, y - 1) + 1);
            if (x > 0 && y > 0) d = std::min(d, at(x - 1, y - 1) + 1);
            if (x + 1 < w && y > 0) d = std::min(d, at(x + 1, y - 1) + 1);
            at(x, y) = d;
        }
    for (int y = h - 1; y >= 0; --y)
        for (int x = w - 1; x >= 0; --x) {
            if (at(x, y) == 0) continue;
            int d = std::min({at(x, y), w - x, h - y});
            if (x + 1 < w) d = std::min(d, at(x + 1, y) + 1);
            if (y + 1 < h) d = std::min(d, at(x, y + 1) + 1);
            if (x + 1 < w && y + 1 < h) d = std::min(d, at(x + 1, y + 1) + 1);
            if (x > 0 && y + 1 < h) d = std::min(d, at(x - 1, y + 1) + 1);
            at(x, y) = d;
        }
    const int edge = std::max(kMinVoidedChargeEdge, std::min(w, h) / kVoidedChargeEdgeDivisor);
    // The inside beyond the edge in the field's tincture, a one-pixel outline round it.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w;) {
            if (at(x, y) <= edge) {
                ++x;
                continue;
            }
            int end = x;
            while (end + 1 < w && at(end + 1, y) > edge) ++end;
            PaintSpan(s, SpanRequest{box.left + x, box.top + y, box.left + end, field});
            // The run's ends and any pixel of it at the rim's depth are the inner outline.
            for (int k = x; k <= end; ++k)
                if (at(k, y) == edge + 1) PaintSpan(s, SpanRequest{box.left + k, box.top + y, box.left + k, kSable});
            x = end + 1;
        }
    }
}

}  // namespace esc
