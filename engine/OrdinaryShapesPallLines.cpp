// Tierced per pall (or per pall reversed) with a line: each of its three lines runs from the
// fess point, along the lines of per bend, per bend sinister and per pale. Those three partitions, drawn with the line
// in two marker tinctures on a blank picture, say on which side of each line every pixel lies;
// the three parts are then painted row by row from that.

#include <vector>

#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "engine/SpanEnd.h"

namespace esc::shapes {
namespace {

// The tinctures the partitions are drawn in to tell their parts apart.
constexpr int kFirstMark = kOr, kSecondMark = kAzure;

// The partition of shapeCode with the current line: true where a pixel lies in its first part.
struct Sides {
    Bitmap picture;
    bool First(int x, int y) const { return picture.Pixel(x, y) == kPalette[kFirstMark]; }
    bool Painted(int x, int y) const { return picture.Pixel(x, y) != kUnpainted; }
};

Sides PartitionSides(PaintState& s, ShapeCode shapeCode) {
    const int c1 = s.fieldColor1, c2 = s.fieldColor2;
    const int named = s.namedTinctures[1], exchanged = s.counterchangePair[1], tincture = s.levelTincture[s.level], line = s.lineCode;
    // Drawn on the shield's own picture whatever the output, and into no layer.
    const OutputView view = s.view;
    Bitmap* const layer = s.layerTarget.image;
    s.view = OutputView::Shield;
    s.layerTarget.image = nullptr;
    s.picture.Fill(kUnpainted);
    s.fieldColor1 = kFirstMark;
    s.fieldColor2 = s.namedTinctures[1] = s.counterchangePair[1] = kSecondMark;
    DrawOrdinary(s, {shapeCode, true, shapeCode});
    Sides sides{s.picture};
    s.fieldColor1 = c1;
    s.fieldColor2 = c2;
    s.namedTinctures[1] = named;
    s.counterchangePair[1] = exchanged;
    s.levelTincture[s.level] = tincture;
    s.lineCode = line;  // per pale turns embattled into bretessed
    s.view = view;
    s.layerTarget.image = layer;
    return sides;
}

}  // namespace

bool TiercedPerPallLined(PaintState& s, bool reversed) {
    if (s.lineCode == kPlainLine || FindLineStyle(s.lineCode) == nullptr) return false;
    const Bitmap before = s.picture;
    const std::vector<std::int8_t> codesBefore = s.pictureBuffer;
    const std::vector<std::uint64_t> visitedBefore = s.visited;
    const Sides bend = PartitionSides(s, kBend), sinister = PartitionSides(s, kBendSinister),
                pale = PartitionSides(s, kPale);
    s.picture = before;
    s.pictureBuffer = codesBefore;
    s.visited = visitedBefore;
    const ShieldGeometry& g = s.geometry;
    // The pall: 1 the chief, above both diagonals; 3 the dexter part; 2 the sinister part. The
    // pall reversed: 2 the base, below both; 1 the dexter part; 3 the sinister part.
    auto part = [&](int x, int y) {
        const bool aboveBend = bend.First(x, y), aboveSinister = sinister.First(x, y);
        if (reversed) {
            if (!aboveBend && !aboveSinister) return s.fieldColor2;
            if (aboveSinister && !aboveBend) return s.fieldColor1;
            if (aboveBend && !aboveSinister) return s.fieldColor3;
            return pale.First(x, y) ? s.fieldColor1 : s.fieldColor3;
        }
        if (aboveBend && aboveSinister) return s.fieldColor1;
        if (aboveSinister) return s.fieldColor3;
        if (aboveBend) return s.fieldColor2;
        return pale.First(x, y) ? s.fieldColor3 : s.fieldColor2;
    };
    const int rows = std::min(s.picture.Height(), g.shieldBottom + 1);
    for (int y = 0; y < rows; ++y) {
        int x = 0;
        while (x < g.W) {
            if (!bend.Painted(x, y) && !pale.Painted(x, y)) {
                ++x;
                continue;
            }
            const int tincture = part(x, y);
            int end = x;
            while (end + 1 < g.W && (bend.Painted(end + 1, y) || pale.Painted(end + 1, y)) && part(end + 1, y) == tincture)
                ++end;
            Colour(s, tincture);
            PaintSpan(s, x, y, SpanEndFor(tincture, end));
            x = end + 1;
        }
    }
    return true;
}

}  // namespace esc::shapes
