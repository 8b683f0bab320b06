#include "interpret/phrase/VoidedCharge.h"

#include <algorithm>
#include <cstddef>
#include <string>
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
    if (!pictured || s.level != 0 || level.levelOn || level.levelIn) return;
    const ShieldGeometry& g = s.geometry;
    const Rgb found = s.picture.Pixel(g.W2, g.H2);
    if (s.partitionCode != ShapeCode::kNoShape || !(s.picture.Pixel(g.W4, g.H4) == found) ||
        !(s.picture.Pixel(g.W - g.W4, g.H - g.H4) == found)) {
        // A parted or patterned field: each pixel of the inside shows what lay under it.
        s.voidedField = kVoidedOverWhatLiesUnder;
        phrase::Use(s, 0);
        return;
    }
    for (int t = 0; t < kTinctureCount; ++t) {
        if (PlainTincture(t) && kPalette[static_cast<std::size_t>(t)] == found) {
            s.voidedField = t;
            phrase::Use(s, 0);
            return;
        }
    }
}

bool InterlacedAfterVoidedRule(DrawingState& s) {
    const int at = phrase::Is(s, 0, "and") ? 1 : 0;
    if (!phrase::Is(s, at, "interlaced") || !phrase::Is(s, -1, "voided") || s.voidedField == -1) return false;
    const LevelRecord& level = phrase::Current(s);
    s.messages.Show("No picture of the " + std::string(level.levelName.view()) +
                    " voided and interlaced: it is drawn voided, its strokes not interlaced.");
    for (int k = 0; k <= at; ++k) phrase::Use(s, k);
    s.cursor += at + 1;
    return true;
}

namespace {

// The widest line of the field (pixels) that a body crossing it may leave unpainted.
constexpr int kFieldLineGap = 2;

// The plain tincture whose colour a pixel has, or -1.
int TinctureOfColour(Rgb colour) {
    for (int t = 0; t < kTinctureCount; ++t)
        if (PlainTincture(t) && kPalette[static_cast<std::size_t>(t)] == colour) return t;
    return -1;
}

}  // namespace

void VoidPaintedCharge(DrawingState& s, const Bitmap* under) {
    const int tincture = s.levelTincture[s.level], field = s.voidedField;
    const Rect box = s.paintedBox;
    const bool overWhatLiesUnder = field == kVoidedOverWhatLiesUnder && under != nullptr;
    if (box.Width() <= 0 || box.Height() <= 0) return;
    if (!overWhatLiesUnder && (!PlainTincture(tincture) || !PlainTincture(field))) return;
    const Rgb body = kPalette[static_cast<std::size_t>(PlainTincture(tincture) ? tincture : kSable)];
    const Rgb outline = kPalette[static_cast<std::size_t>(kSable)];
    // A pixel of the drawing: in the charge's tincture or its outline, or, over a field of
    // several tinctures, any pixel the painting changed.
    auto ofTheCharge = [&](int x, int y) {
        const Rgb c = s.picture.Pixel(x, y);
        if (overWhatLiesUnder) return c == outline || !(c == under->Pixel(x, y));
        return c == body || c == outline;
    };
    const int w = box.Width(), h = box.Height();
    // The drawing's pixels in its box, and how far each lies from the outside (chessboard
    // distance, two passes).
    std::vector<int> depth(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    auto at = [&](int x, int y) -> int& { return depth[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)]; };
    const int far = w + h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            at(x, y) = ofTheCharge(box.left + x, box.top + y) ? far : 0;
        }
    if (overWhatLiesUnder) {
        // Where the body crosses a line of the field, a pixel or two may be painted as it lay:
        // a gap that narrow, with the drawing on both sides, is the body's own.
        std::vector<int> gaps;
        const auto isBody = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && at(x, y) != 0; };
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (at(x, y) != 0) continue;
                bool left = false, right = false, above = false, below = false;
                for (int k = 1; k <= kFieldLineGap; ++k) {
                    left = left || isBody(x - k, y);
                    right = right || isBody(x + k, y);
                    above = above || isBody(x, y - k);
                    below = below || isBody(x, y + k);
                }
                if ((left && right) || (above && below)) gaps.push_back(y * w + x);
            }
        for (const int g : gaps) depth[static_cast<std::size_t>(g)] = far;
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
            int inside = field;
            if (overWhatLiesUnder) {
                // A run of one tincture of what lay under: the field's pieces keep their own.
                inside = TinctureOfColour(under->Pixel(box.left + x, box.top + y));
                const Rgb first = under->Pixel(box.left + x, box.top + y);
                while (end + 1 < w && at(end + 1, y) > edge && under->Pixel(box.left + end + 1, box.top + y) == first) ++end;
                if (inside < 0) {
                    x = end + 1;  // not a tincture of the palette: left as painted
                    continue;
                }
            } else {
                while (end + 1 < w && at(end + 1, y) > edge) ++end;
            }
            PaintSpan(s, SpanRequest{box.left + x, box.top + y, box.left + end, inside});
            // The run's ends and any pixel of it at the rim's depth are the inner outline.
            for (int k = x; k <= end; ++k)
                if (at(k, y) == edge + 1) PaintSpan(s, SpanRequest{box.left + k, box.top + y, box.left + k, kSable});
            x = end + 1;
        }
    }
}

}  // namespace esc
