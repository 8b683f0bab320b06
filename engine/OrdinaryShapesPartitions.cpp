// The partitions of the field: per fess, per bend, per bend sinister, per pale, per chevron,
// quarterly, per saltire, gyronny, barry, paly, bendy and tierced per pall. Colour 1, 2 and 3 are
// the field's tinctures; a line style shapes the dividing line through a band whose one edge
// carries it while the rest of the band merges with the area it belongs to.

#include <algorithm>
#include <cmath>

#include "engine/OrdinaryShapes.h"

namespace esc::shapes {

// Enhanced or abased, the line is shifted up or down and the second tincture reaches from it
// to the foot of the shield.
void PerFess(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    const int dy = PlaceOf(g, s.position).shift;
    Colour(s, s.fieldColor1);
    // A line of few repeats has deep teeth: the first tincture then reaches the band's middle.
    const int firstEnd = (LineRepeats(s.lineCode, s.lineRepeats) > 0 ? H - H / 4 : H / 2 + Px(s, 30)) + dy;
    Area(s, {{0, 0, 0, firstEnd}, {W + Px(s, 2), 0, W + Px(s, 2), firstEnd}});
    Colour(s, s.fieldColor2);
    if (Styled(s, o)) {
        // The lower half is one band whose upper edge carries the line. The band ends at row
        // H+20, short of the foot of the point, which is laid first.
        FillBasePoint(s);
        const int middle = H - H / 4 + Px(s, 10) + dy;
        if (dy < 0) Area(s, {{0, middle, 0, B}, {W + Px(s, 2), middle, W + Px(s, 2), B}});
        Band(s, o, 0, middle, W, middle, H / 2 + Px(s, 20), BandEdges::kNearEdge);
    } else {
        Area(s, {{0, H / 2 + 1 + dy, 0, B}, {W + Px(s, 2), H / 2 + 1 + dy, W + Px(s, 2), B}});
    }
}

void PerBend(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    Colour(s, s.fieldColor1);
    Area(s, {{0, 0, Px(s, 2), B}, {W + 1, 0, W + 1, B}});
    Colour(s, s.fieldColor2);
    // The band records the centre of its line in the crossing table; the lower-left triangle is
    // then filled up to it (a styled line narrows the band to twice the style's depth).
    // Enhanced or abased, all of it is moved up or down; raised, the second tincture fills whole
    // rows below where the line leaves the sinister flank.
    const int dy = PlaceOf(g, s.position).shift;
    const bool plain = s.lineCode == kPlainLine;
    ResetCrossings(s);
    TraceEdge(s, 0, dy, 0, H + dy);
    Band(s, o, 0, Px(s, 10) + dy, W - Px(s, 12), H + dy, plain ? Px(s, 40) : 1);
    const int h = plain ? 0 : Px(s, 10), gx = plain ? W : W - Px(s, 10);
    TraceEdge(s, 0, h + dy, gx, H + dy);
    TraceEdge(s, 0, h + dy, 0, H + dy);
    FillCrossings(s);
    if (dy < 0) FillRows(s, H + dy, B - 1, 0, W + 1);
    FillBasePoint(s);
}

// The mirror image of per bend, pixel for pixel: the first tincture in the dexter chief. The
// lower half takes the second tincture named in the blazon, whatever the field's second colour.
void PerBendSinister(PaintState& s, const ShapeOutline& o) {
    const int second = s.fieldColor2;
    s.fieldColor2 = s.namedTinctures[1];
    {
        const MirroredPainting mirrored(s);
        PerBend(s, o.DrawnAs(kBend));
    }
    s.fieldColor2 = second;
}

void PerPale(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    Colour(s, s.fieldColor1);
    // A line of few repeats has deep teeth: the first tincture then reaches the band's middle.
    const int firstEnd = LineRepeats(s.lineCode, s.lineRepeats) > 0 ? W - W / 4 : W / 2 + Px(s, 20);
    Area(s, {{0, 0, 0, B}, {firstEnd, 0, firstEnd, B}});
    Colour(s, s.fieldColor2);
    if (s.lineCode > kPlainLine) Area(s, {{firstEnd, 0, firstEnd, B}, {W + 1, 0, W + 1, B}});
    // Battlements on one edge only would face away from the line: per pale embattled is drawn
    // with merlons on both edges of its band, the left one being the line.
    if (s.lineCode == kEmbattledLine) s.lineCode = kBretessedLine;
    if (Styled(s, o)) {
        Band(s, o, W - W / 4, 0, W - W / 4, H - 1, W / 2 + Px(s, 6));
    } else {
        Area(s, {{W / 2 + 1, 0, W / 2 + 1, B}, {W + 1, 0, W + 1, B}});
    }
}

// Both chevron partitions: the field in colour 1, then, with a line, the two limbs as bands of
// colour 2 from the fess point at the given angles. Returns the bands' width (1 when plain).
namespace {
int FieldAndLimbBands(PaintState& s, const ShapeOutline& o, int dexterAngle, int sinisterAngle) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    Colour(s, s.fieldColor1);
    FillRows(s, Px(s, 2), B - 1, Px(s, 2), W + 1);
    Colour(s, s.fieldColor2);
    if (s.lineCode == kPlainLine) return 1;
    const int a = H * 18 / 100, apex = H / 2 + PlaceOf(g, s.position).shift;
    BandFrom(s, o, W / 2, apex, dexterAngle, Px(s, 300), a);
    BandFrom(s, o, W / 2, apex, sinisterAngle, Px(s, 300), a);
    return a;
}
}  // namespace

// Enhanced or abased, the apex moves up or down and the limbs with it; below where the limbs
// leave the flanks the second tincture fills whole rows.
void PerChevron(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    const int dy = PlaceOf(g, s.position).shift;
    const int a = FieldAndLimbBands(s, o, 220, 320);
    ResetCrossings(s);
    const int d = a / 2;
    TracePoints(s, W / 2, H / 2 + dy, d - Px(s, 10), H + 1 + dy, Px(s, 400), 220);
    TracePoints(s, W / 2, H / 2 + dy, W - d + Px(s, 10), H + 1 + dy, Px(s, 300), 320);
    FillCrossings(s);
    // The limbs fall 0.84 of a step across for each step down (tan 40).
    const int flanks = H / 2 + dy + W / 2 * 84 / 100;
    FillRows(s, dy == 0 ? H - Px(s, 50) : flanks, B - 1, 0, W + 1);
}

// The line of per chevron turned over: from the fess point up to either flank. The part above
// it, with the whole chief, is the first tincture; the flanks and the base the second.
void PerChevronInverted(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    FieldAndLimbBands(s, o, 140, 40);
    // The limbs rise at 40 degrees, as those of per chevron fall.
    // Under a styled line the area meets the middle of the band, well past its patterns.
    const int rise = W / 2 * 84 / 100;
    const int pointY = H / 2 + PlaceOf(g, s.position).shift, flankY = pointY - rise;
    Area(s, {{0, flankY, W / 2, pointY}, {0, flankY, 0, pointY}});
    Area(s, {{W / 2, pointY, W + 1, flankY}, {W + 1, flankY, W + 1, pointY}});
    FillRows(s, pointY, B - 1, 0, W + 1);
}

// Quarterly: colour 1 in the first and fourth quarters, colour 2 in the second and third.
//
// With a line, four bands of half the shield's width would meet edge to edge, and two edges that
// both point outward leave the field unpainted between their teeth (and along the shield's sides).
// So, as per pale does, the quarters are first laid plainly, those of colour 1 reaching 20 pixels
// past the centre line, and the bands of colour 2 are drawn over them: their teeth stand on
// colour 1 and their outer edges on their own colour.
void Quarterly(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    if (s.lineCode == kPlainLine) {
        Colour(s, s.fieldColor1);
        Area(s, {{0, 0, 0, H / 2}, {W / 2, 0, W / 2, H / 2}});
        Area(s, {{W / 2, H / 2, W / 2, B}, {W, H / 2, W, B}});
        // The second and third quarters start their edges on row 0 so that the top row of the
        // field (row 2) is filled too; an edge that starts on row 2 leaves that row out.
        Colour(s, s.fieldColor2);
        Area(s, {{W / 2, 0, W / 2, H / 2}, {W, 0, W, H / 2}});
        Area(s, {{Px(s, 2), H / 2, Px(s, 2), B}, {W / 2, H / 2, W / 2, B}});
        return;
    }
    Colour(s, s.fieldColor1);
    Area(s, {{0, 0, 0, H / 2}, {W / 2 + Px(s, 20), 0, W / 2 + Px(s, 20), H / 2}});
    Area(s, {{W / 2 - Px(s, 20), H / 2, W / 2 - Px(s, 20), B}, {W + 1, H / 2, W + 1, B}});
    Colour(s, s.fieldColor2);
    Area(s, {{W / 2 + Px(s, 20), 0, W / 2 + Px(s, 20), H / 2}, {W + 1, 0, W + 1, H / 2}});
    Area(s, {{0, H / 2, 0, B}, {W / 2 - Px(s, 20), H / 2, W / 2 - Px(s, 20), B}});
    // As for per pale, embattled draws merlons on both edges, one of which is the line.
    if (s.lineCode == kEmbattledLine) s.lineCode = kBretessedLine;
    Band(s, o, W - W / 4, Px(s, 2), W - W / 4, H / 2, W / 2);
    Band(s, o, W / 4, H / 2, W / 4, B, W / 2);
}

// Quarterly with a styled line across: each half of the base is laid as per fess lays its base,
// a band whose upper edge carries the line, the dexter half in the second tincture and the
// sinister half in the first. The line down the pale stays plain.
void QuarterlyPerFessLined(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    const int below = H / 2 + Px(s, 30);
    Colour(s, s.fieldColor1);
    Area(s, {{0, 0, 0, below}, {W / 2, 0, W / 2, below}});
    Area(s, {{W / 2, below, W / 2, B}, {W + Px(s, 2), below, W + Px(s, 2), B}});
    Colour(s, s.fieldColor2);
    Area(s, {{W / 2, 0, W / 2, below}, {W + Px(s, 2), 0, W + Px(s, 2), below}});
    Area(s, {{0, below, 0, B}, {W / 2, below, W / 2, B}});
    Band(s, o, 0, H - H / 4 + Px(s, 10), W / 2, H - H / 4 + Px(s, 10), H / 2 + Px(s, 20), BandEdges::kNearEdge);
    Colour(s, s.fieldColor1);
    Band(s, o, W / 2 + 1, H - H / 4 + Px(s, 10), W + Px(s, 2), H - H / 4 + Px(s, 10), H / 2 + Px(s, 20), BandEdges::kNearEdge);
}

// Quarterly with a styled line down the pale: the halves above and below the plain line across
// are laid as per pale lays its sinister half, a band whose dexter edge carries the line, in the
// second tincture above the fess point and in the first below it, so the line runs on unbroken
// while the tinctures change across it.
void QuarterlyPerPaleLined(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    const int middle = H / 2, bandX = W - W / 4, bandWidth = W / 2 + Px(s, 6);
    // As in per pale: a line of few repeats has deep teeth, so each half's dexter tincture
    // reaches the band's middle, and the band's far edge lies on the sinister tincture.
    const int dexterEnd = LineRepeats(s.lineCode, s.lineRepeats) > 0 ? bandX : W / 2 + Px(s, 20);
    // Battlements on one edge only would face away from the line, as in per pale.
    if (s.lineCode == kEmbattledLine) s.lineCode = kBretessedLine;
    const auto half = [&](int top, int bottom, int dexter, int sinister) {
        Colour(s, dexter);
        Area(s, {{0, top, 0, bottom}, {dexterEnd, top, dexterEnd, bottom}});
        Colour(s, sinister);
        Area(s, {{dexterEnd, top, dexterEnd, bottom}, {W + Px(s, 2), top, W + Px(s, 2), bottom}});
        Band(s, o, bandX, top, bandX, std::min(bottom, H - 1), bandWidth);
    };
    half(0, middle, s.fieldColor1, s.fieldColor2);
    half(middle + 1, B, s.fieldColor2, s.fieldColor1);
    // Below the band's foot the line runs on straight into the point.
    Area(s, {{W / 2 + 1, H, W / 2 + 1, B}, {W + Px(s, 2), H, W + Px(s, 2), B}});
}

void PerSaltire(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    Colour(s, s.fieldColor1);
    FillRows(s, 0, B - 1, 0, W + 1);
    Colour(s, s.fieldColor2);
    // With a line, the flanks are filled up to c/2 from the diagonals and bands c wide carry the
    // line over the join. A slanted band is drawn 20 pixels narrower than it is asked for, so
    // the bands are asked for c + 20: a band drawn only c - 20 wide would leave a strip of the
    // first tincture between itself and the fill.
    const bool styled = s.lineCode != kPlainLine;
    int c = 1;
    if (styled) {
        c = H * 6 / 100;
        Band(s, o, W, 0, W / 2, H / 2, c + Px(s, 20), BandEdges::kNearEdge);
        Band(s, o, W / 2, H / 2, W, H, c + Px(s, 20), BandEdges::kFarEdge);
    }
    const int b = c / 2;
    Area(s, {{W, b, b + W / 2, H / 2}, {b + W / 2, H / 2, W, H - b}, {W + 1, b, W + 1, H - b}});
    if (styled) {
        Band(s, o, 0, 0, W / 2, H / 2, c + Px(s, 20), BandEdges::kNearEdge);
        Band(s, o, W / 2, H / 2, 0, H, c + Px(s, 20), BandEdges::kFarEdge);
    }
    Area(s, {{0, b, W / 2 - b, H / 2}, {W / 2 - b, H / 2, 0, H - b}, {0, b, 0, H - b}});
}

// Gyronny of N: N triangles about the centre, the first from 0 degrees (pointing right) on,
// counter-clockwise, alternately in colour 1 and colour 2. Each gyron is an area of its own.
// The angles are 360*i/N exactly, so that a count that does not divide 360 leaves no sliver
// unpainted; the triangles reach 360 pixels from the centre, enough for six gyrons and more,
// and 1200 for three and five, whose wide gyrons would otherwise stop short of the corners.
// Gyronny of two is per fess (two gyrons of 180 degrees); of one, the field in colour 1.
void Gyronny(PaintState& s) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    const int n = FieldPieces(s);
    if (n == 1) {
        Colour(s, s.fieldColor1);
        FillRows(s, 0, B - 1, 0, W + 1);
        return;
    }
    if (n == 2) {
        Colour(s, s.fieldColor1);
        Area(s, {{0, 0, 0, H / 2}, {W + 1, 0, W + 1, H / 2}});
        Colour(s, s.fieldColor2);
        Area(s, {{0, H / 2, 0, B}, {W + 1, H / 2, W + 1, B}});
        return;
    }
    if (n == 4) {
        Colour(s, s.fieldColor1);
        Area(s, {{W / 2, 1, W / 2, H / 2}, {1, 1, 1, H / 2}});
        Colour(s, s.fieldColor2);
        Area(s, {{W, 1, W, H / 2}, {W / 2, 1, W / 2, H / 2}});
        Colour(s, s.fieldColor2);
        Area(s, {{1, H / 2, 1, B}, {W / 2, H / 2, W / 2, B}});
        Colour(s, s.fieldColor1);
        Area(s, {{W, H / 2, W, B}, {W / 2, H / 2, W / 2, B}});
        return;
    }
    const double radius = g.Scaled(n >= 6 ? 360.0 : 1200.0);
    const int cx = W / 2 + s.imageLeft, cy = H / 2 + s.imageTop;
    auto corner = [&](int i, int& x, int& y) {
        const double radians = 360.0 * i / n * 0.017453292;
        x = static_cast<int>(std::trunc(cx + radius * std::cos(radians)));
        y = static_cast<int>(std::trunc(cy - radius * std::sin(radians)));
    };
    for (int i = 0; i < n; ++i) {
        int px = 0, py = 0, qx = 0, qy = 0;
        corner(i, px, py);
        corner(i + 1, qx, qy);
        ResetCrossings(s);
        TraceEdgeWindow(s, cx, cy, px, py);
        TraceEdgeWindow(s, cx, cy, qx, qy);
        TraceEdgeWindow(s, px, py, qx, qy);
        // On the centre row the traced edges leave two holes. No gyron records the centre
        // itself, so the first gyron takes it. The gyron that reaches 180 degrees from above
        // (or lies astride it) records the centre column from both its edges when they are
        // shallow, and the column of its far edge, beyond the dexter side, is then lost: its
        // centre row is set to run from the dexter edge to the centre, as the edges of gyronny
        // of eight record it.
        if (i == 0) AddCrossing(s, W / 2, H / 2);
        if (i == (n + 1) / 2 - 1) s.crossings[static_cast<std::size_t>(H / 2)] = {0, W / 2 - 1};
        Colour(s, i % 2 == 0 ? s.fieldColor1 : s.fieldColor2);
        FillCrossings(s);
    }
}

// Barry of N: colour 1, then N/2 bars of H/N in colour 2; the lowest has a plain lower edge
// (kind 3) and, when it is the last piece (N even), the point of the shield takes its tincture.
void Barry(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    const int n = FieldPieces(s);
    Colour(s, s.fieldColor1);
    FillRows(s, Px(s, 2), B - Px(s, 2), Px(s, 2), W + 1);
    const int a = H / n;
    Colour(s, s.fieldColor2);
    for (int i = 1; i <= n / 2; ++i) {
        const int y = 2 * a * i - a / 2;
        const bool last = i == n / 2;
        if (last && n % 2 == 0) FillBasePoint(s);
        Band(s, o, 0, y, W, y, a, last ? BandEdges::kNearEdge : BandEdges::kBoth);
    }
}

// Paly of N: colour 1, then N/2 pales of W/N (one pixel more from five pieces up) in colour 2;
// the last one has a plain outer edge (kind 2).
void Paly(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, B = g.shieldBottom;
    const int n = FieldPieces(s);
    Colour(s, s.fieldColor1);
    FillRows(s, 0, B - 1, 0, W + 1);
    const int a = W / n + (n > 4 ? 1 : 0);
    Colour(s, s.fieldColor2);
    for (int i = 1; i <= n / 2; ++i) {
        const int x = 2 * a * i - a / 2;
        Band(s, o, x, 0, x, B - 1, a, i == n / 2 ? BandEdges::kFarEdge : BandEdges::kBoth);
    }
}

// Bendy of 6 or 10; any other number of pieces shows the field in colour 1 alone.
void Bendy(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom, D = g.chiefDepth;
    Colour(s, s.fieldColor1);
    FillRows(s, 0, B - 1, 0, W);
    Colour(s, s.fieldColor2);
    if (s.fieldPieces == 6) {
        const int w = static_cast<int>(D * 0.75);
        Band(s, o, W / 2, 0, W, H / 2, w);
        Band(s, o, 0, 0, W, H, w);
        Band(s, o, 0, H / 2, W / 2, H, w);
    } else if (s.fieldPieces == 10) {
        const int w = D / 2 + Px(s, 5);
        Band(s, o, W - W / 3, 0, W, H / 3, w);
        Band(s, o, W / 3, 0, W, H - H / 3, w);
        Band(s, o, 0, 0, W, H, w);
        Band(s, o, 0, H / 3, W - W / 3, H, w);
        Band(s, o, 0, H - H / 3, W / 3, H, w);
        Area(s, {{0, H - H / 3, 0, H}, {0, H - H / 3, W / 3, H}});
    }
}

// Chevronny of n: n - 1 chevron lines, their limbs falling at 40 degrees as per chevron's, spaced
// evenly down the shield so that they also meet the flanks evenly. From the chief down, each
// piece is the area under its line, in the two tinctures by turns.
void Chevronny(PaintState& s) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, B = g.shieldBottom;
    const int n = FieldPieces(s);
    Colour(s, s.fieldColor1);
    FillRows(s, Px(s, 2), B - 1, Px(s, 2), W + 1);
    const int fall = W / 2 * 84 / 100;  // from the point to the flanks
    for (int k = 1; k < n; ++k) {
        Colour(s, k % 2 == 1 ? s.fieldColor2 : s.fieldColor1);
        const int point = -fall + k * (B + fall) / n;
        const int flank = point + fall;
        if (flank > 0) {
            // Rows 0 to the flank: between the limbs, which start at row 0 or at the point.
            const int top = std::max(point, 0);
            const int half = (top - point) * 100 / 84;  // the limbs' distance from the middle at `top`
            Area(s, {{W / 2 - half, top, 0, flank}, {W / 2 + half, top, W + 1, flank}});
        }
        FillRows(s, std::max(flank, Px(s, 2)), B - 1, 0, W + 1);
    }
}

// Tierced per pall: colour 1 in chief, colour 3 (the middle tincture named) on the dexter side,
// colour 2 on the sinister side.
void TiercedPerPall(PaintState& s) {
    if (TiercedPerPallLined(s, false)) return;
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    Colour(s, s.fieldColor1);
    Area(s, {{0, 0, W / 2, H / 2}, {W, 0, W / 2, H / 2}});
    Colour(s, s.fieldColor3);
    Area(s, {{0, 0, 0, B}, {0, 0, W / 2, H / 2}, {W / 2, H / 2, W / 2, B}});
    Colour(s, s.fieldColor2);
    Area(s, {{W, 0, W / 2, H / 2}, {W / 2, H / 2, W / 2, B}, {W, 0, W, B}});
}

// Tierced per pall reversed ("per pairle reversed"): the arms of the pall point down. Colour 1
// on the dexter side, colour 3 on the sinister side, colour 2 in base.
void TiercedPerPallReversed(PaintState& s) {
    if (TiercedPerPallLined(s, true)) return;
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom;
    Colour(s, s.fieldColor1);
    Area(s, {{0, 0, 0, H}, {W / 2, 0, W / 2, H / 2}, {W / 2, H / 2, 0, H}});
    Colour(s, s.fieldColor3);
    Area(s, {{W + 1, 0, W + 1, H}, {W / 2, 0, W / 2, H / 2}, {W / 2, H / 2, W + 1, H}});
    Colour(s, s.fieldColor2);
    Area(s, {{W / 2, H / 2, 0, H}, {W / 2, H / 2, W + 1, H}, {0, H, 0, B}, {W + 1, H, W + 1, B}});
}

}  // namespace esc::shapes
