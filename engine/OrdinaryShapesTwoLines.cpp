// An ordinary whose two sides carry different lines ("a fess embattled and wavy"): the ordinary
// is drawn once with each line on a blank picture, and each side of its middle line is taken
// from the drawing with that side's line. The first line is the side toward the chief (for a
// pale, the dexter side).

#include <cmath>
#include <vector>

#include "engine/OrdinaryShapes.h"

namespace esc {

bool ShapeTakesTwoLines(int shapeCode) {
    switch (shapeCode) {
        case kFess: case kPale: case kBend: case kBendSinister: case kChevron: case kChevronInverted: return true;
        default: return false;
    }
}

namespace shapes {
namespace {

// A colour no tincture paints: what is still this colour after drawing was not painted.
constexpr Rgb kUnpainted{1, 2, 3};

// Whether (x, y) lies on the first side of the middle line of the ordinary being drawn.
bool OnFirstSide(const PaintState& s, int x, int y) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth, shift = PlaceOf(g, s.position).shift;
    constexpr double kLimbSlope = 0.839;  // tan 40: the chevron's limbs fall so far per step across
    switch (s.shapeCode) {
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

Drawing DrawnWithLine(PaintState& s, int lineCode) {
    s.picture.Fill(kUnpainted);
    // Embattled alone has its merlons on one edge, which need not be the side it is named for:
    // drawn with them on both edges, each side has its own.
    s.lineCode = lineCode == kEmbattledLine ? kBretessedLine : lineCode;
    s.secondLineCode = kPlainLine;
    s.cotiseCount = 0;
    DrawOrdinary(s, 0);
    return {s.picture, s.pictureBuffer};
}

}  // namespace

bool DrawnWithTwoLines(const PaintState& s) {
    if (s.secondLineCode == kPlainLine || s.secondLineCode == s.lineCode) return false;
    return ShapeTakesTwoLines(s.shapeCode);
}

void DrawWithTwoLines(PaintState& s) {
    const Bitmap before = s.picture;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    const int first = s.lineCode, second = s.secondLineCode, cotises = s.cotiseCount;
    const Drawing a = DrawnWithLine(s, first);
    s.picture = before;
    s.pictureBuffer = codesBefore;
    const Drawing b = DrawnWithLine(s, second);
    s.picture = before;
    s.pictureBuffer = codesBefore;
    s.lineCode = first;
    s.secondLineCode = second;
    const ShieldGeometry& g = s.geometry;
    for (int y = 0; y < s.picture.Height(); ++y)
        for (int x = 0; x < g.W && x < s.picture.Width(); ++x) {
            const Drawing& from = OnFirstSide(s, x, y) ? a : b;
            if (from.picture.Pixel(x, y) == kUnpainted) continue;
            s.picture.SetPixel(x, y, from.picture.Pixel(x, y));
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(g.W) + static_cast<std::size_t>(x);
            if (at < s.pictureBuffer.size() && at < from.codes.size()) s.pictureBuffer[at] = from.codes[at];
        }
    s.cotiseCount = cotises;
    if (s.cotiseCount != 0) DrawCotises(s);
}

}  // namespace shapes
}  // namespace esc
