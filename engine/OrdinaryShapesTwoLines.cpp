// An ordinary whose two sides carry different lines ("a fess embattled and wavy"): the ordinary
// is drawn once with each line on a blank picture, and each side of its middle line is taken
// from the drawing with that side's line. The first line is the side toward the chief (for a
// pale, the dexter side).

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "engine/SpanEnd.h"

namespace esc {

bool ShapeTakesTwoLines(ShapeCode shapeCode) {
    switch (shapeCode) {
        case kFess: case kPale: case kBend: case kBendSinister: case kChevron: case kChevronInverted: return true;
        default: return false;
    }
}

namespace shapes {
namespace {


// Whether (x, y) lies on the first side of the middle line of the ordinary being drawn.
bool OnFirstSide(const PaintState& s, ShapeCode shape, int x, int y) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth, shift = PlaceOf(g, s.position).shift;
    constexpr double kLimbSlope = 0.839;  // tan 40: the chevron's limbs fall so far per step across
    switch (shape) {
        case kFess: return y < H / 2 + shift;
        case kPale: return x < W / 2;
        case kBend: return static_cast<long long>(y - shift) * W < static_cast<long long>(x) * H;
        case kBendSinister: return static_cast<long long>(y - shift) * W < static_cast<long long>(W - x) * H;
        case kChevron: return y < D / 2 + H / 3 + shift + kLimbSlope * std::abs(x - W / 2);
        case kChevronInverted: return y < H - (D / 2 + H / 3) + shift - kLimbSlope * std::abs(x - W / 2);
        default: return true;
    }
}

struct Drawing {
    Bitmap picture;
    std::vector<std::int8_t> codes;
};

// Drawn on the shield's own picture whatever the output, and into no layer.
Drawing DrawnWithLine(PaintState& s, const OrdinaryRequest& request, int lineCode) {
    const OutputView view = s.view;
    Bitmap* const layer = s.layerTarget.image;
    s.view = OutputView::Shield;
    s.layerTarget.image = nullptr;
    s.picture.Fill(kUnpainted);
    // Embattled alone has its merlons on one edge, which need not be the side it is named for:
    // drawn with them on both edges, each side has its own.
    s.lineCode = lineCode == kEmbattledLine ? kBretessedLine : lineCode;
    s.secondLineCode = kPlainLine;
    s.cotiseCount = 0;
    DrawOrdinary(s, request);
    s.view = view;
    s.layerTarget.image = layer;
    return {s.picture, s.pictureBuffer};
}

}  // namespace

bool DrawnWithTwoLines(const PaintState& s, ShapeCode shape) {
    if (s.secondLineCode == kPlainLine || s.secondLineCode == s.lineCode) return false;
    return ShapeTakesTwoLines(shape);
}

void DrawWithTwoLines(PaintState& s, const OrdinaryRequest& request, const ShapeOutline& outline) {
    const Bitmap before = s.picture;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    const int first = s.lineCode, second = s.secondLineCode, cotises = s.cotiseCount;
    // Each drawing is of the outline this one was asked for.
    OrdinaryRequest oneLine = request;
    oneLine.field = outline.field;
    oneLine.treatment = outline.treatment;
    const Drawing a = DrawnWithLine(s, oneLine, first);
    s.picture = before;
    s.pictureBuffer = codesBefore;
    const Drawing b = DrawnWithLine(s, oneLine, second);
    s.picture = before;
    s.pictureBuffer = codesBefore;
    s.lineCode = first;
    s.secondLineCode = second;
    const ShieldGeometry& g = s.geometry;
    const int tincture = s.levelTincture[s.level];
    const int width = std::min(g.W, s.picture.Width());
    if (s.view == OutputView::Shield && s.layerTarget.image == nullptr) {
        // On the shield's picture each side's pixels are taken as they were drawn.
        for (int y = 0; y < s.picture.Height(); ++y)
            for (int x = 0; x < width; ++x) {
                const Drawing& from = OnFirstSide(s, request.shape, x, y) ? a : b;
                if (from.picture.Pixel(x, y) == kUnpainted) continue;
                s.picture.SetPixel(x, y, from.picture.Pixel(x, y));
                const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
                if (at < s.pictureBuffer.size() && at < from.codes.size()) s.pictureBuffer[at] = from.codes[at];
            }
        s.cotiseCount = cotises;
        if (s.cotiseCount != 0) DrawAndSpendCotises(s, outline);
        return;
    }
    // Elsewhere (the achievement, a layer) they are painted again as runs of the tincture each
    // drawing gave them, as any shape paints there.
    auto codeAt = [&](int x, int y) {
        const Drawing& from = OnFirstSide(s, request.shape, x, y) ? a : b;
        if (from.picture.Pixel(x, y) == kUnpainted) return -1;
        const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
        return at < from.codes.size() ? static_cast<int>(from.codes[at]) : tincture;
    };
    for (int y = 0; y < s.picture.Height(); ++y)
        for (int x = 0; x < width;) {
            const int code = codeAt(x, y);
            if (code < 0) {
                ++x;
                continue;
            }
            int last = x;
            while (last + 1 < width && codeAt(last + 1, y) == code) ++last;
            Colour(s, code);
            PaintSpan(s, x, y, SpanEndFor(code, last));
            x = last + 1;
        }
    Colour(s, tincture);
    s.cotiseCount = cotises;
    if (s.cotiseCount != 0) DrawAndSpendCotises(s, outline);
}

}  // namespace shapes
}  // namespace esc
