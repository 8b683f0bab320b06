// The shapes called directly by the interpreters: bars, pallets, cotises, the fret, fretty, and
// the curve of the flaunches.

#include <algorithm>
#include <cmath>

#include "engine/Diminutives.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Messages.h"
#include "engine/PartitionLineBand.h"

namespace esc {

using namespace shapes;

namespace {

Spread OnTheField(const ShieldGeometry& g, int n) {
    const int H = g.H;
    return SpreadPieces(n, H / 2 - kRepeatedSpanPercent * H / 100, H / 2 + kRepeatedSpanPercent * H / 100, g.chiefDepth / 2);
}

}  // namespace

ShapeOutline OutlineOfState(const PaintState& state) {
    return {state.shapeCode, state.partitionCode, state.ordinaryTreatment};
}

BarRows BarsOnTheField(const ShieldGeometry& geometry, int n) {
    const Spread spread = OnTheField(geometry, n);
    return {spread.centres, spread.width};
}

// Bars on the field, within a chief or on a fess. Each bar takes the level's line
// anew (a gemel line is spent by one band). They are spread evenly down the space they lie in,
// narrower as they are more, with the field showing between them.
void DrawBars(PaintState& s, PiecesPlacement placement) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const bool inChief = placement == PiecesPlacement::kInChief;
    if (!inChief) s.partitionCode = kFess;
    const ShapeOutline o = OutlineOfState(s);
    const int n = RepeatCount(s);
    const Spread spread = NarrowedToBreadth(s, inChief ? SpreadPieces(n, Px(s, 2), D - Px(s, 2), D / 4)
                                               : placement == PiecesPlacement::kOnFess ? SpreadPieces(n, H / 2 - D / 2, H / 2 + D / 2, D / 4)
                                                                : OnTheField(g, n));
    for (int y : spread.centres) {
        s.lineCode = s.CurrentLevel().levelLine;
        s.lineRepeats = s.CurrentLevel().levelLineRepeats;
        Band(s, o, 0, y, W + 1, y, spread.width);
    }
}

// Pallets on the field, within a chief, on a fess or on a pale (spread across the pale's width,
// the whole height); spread evenly across.
void DrawPallets(PaintState& s, PiecesPlacement placement) { PalletsFor(s, OutlineOfState(s), placement); }

void shapes::PalletsFor(PaintState& s, const ShapeOutline& o, PiecesPlacement placement) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    int top = 0, bottom = placement == PiecesPlacement::kInChief ? H * 15 / 100 : g.shieldBottom - 1;
    if (placement == PiecesPlacement::kOnFess) {
        top = H / 2 - D / 2;
        bottom = H / 2 + D / 2;
    }
    const int reach = placement == PiecesPlacement::kOnPale ? PaleHalfWidth(g) : kRepeatedSpanPercent * W / 100;
    const Spread spread = NarrowedToBreadth(s, SpreadPieces(RepeatCount(s), W / 2 - reach, W / 2 + reach, D / 2));
    for (int x : spread.centres) Band(s, o, x, top, x, bottom, spread.width);
}

// The cross's cotises: their width and their middle line's distance from the limb's edge.
constexpr int kCrossCotiseWidth = 8, kCrossCotiseGap = 14;

namespace {
// The width to give a band along a chevron's limb (falling 40 degrees) so that it is `breadth`
// across: a row crosses it 1/cos(40) as far, and a band given more than kSlantedTrimFrom is
// drawn kSlantedTrim narrower.
int ChevronBandWidth(const PaintState& s, int breadth) {
    const int along = breadth * 1305 / 1000;
    return along > Px(s, band::kSlantedTrimFrom) ? along + Px(s, band::kSlantedTrim) : along;
}
// The bend's cotises, moved with it: beside its band when couped, or pieces of a breadth of
// their own; else each cotise a band falling from the chief or the dexter flank.
void BendCotises(CotisePen& pen, const CotiseRequest& request, const PositionPlace& at) {
    PaintState& s = pen.state;
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const int count = std::clamp(request.count, 1, kMaxCotises);
    if (at.inset > 0) {
        // Couped: beside the band from (inset, rise) to (W - inset, H - rise), as long.
        const double length = std::hypot(W, H), across = (D + Px(s, 10)) / 2.0 * H / length;
        const double rise = static_cast<double>(at.inset) * H / W;
        CotisesBesideCouped(pen, {W / 2.0, H / 2.0, static_cast<double>(W), static_cast<double>(H), across}, count,
                            std::hypot(W / 2.0 - at.inset, H / 2.0 - rise));
        return;
    }
    if (request.breadth > 0) {
        // Pieces of a breadth of their own beside the bend, whose edges lie half
        // (D + 10) either side of its middle line along a row.
        const double length = std::hypot(W, H), across = (D + Px(s, 10)) / 2.0 * H / length;
        CotisesBeside(pen, {W / 2.0, H / 2.0 + at.shift, static_cast<double>(W), static_cast<double>(H), across},
                      count);
        return;
    }
    // Moved up or down, each cotise starts as far back up its own line as it takes to
    // begin above the shield, and runs as much further.
    const int back = at.shift == 0 ? 0 : std::abs(at.shift) * 4 / 3 + Px(s, 10);
    auto cotise = [&](int x, int y) {
        const int bx = back * 656 / 1000, by = back * 755 / 1000;  // cos and sin of 49 degrees
        pen.BandFrom(x - bx, y + at.shift - by, 311, Px(s, 500) + 2 * back, Px(s, 8));
    };
    cotise(W / 5 + Px(s, 5), 0);
    cotise(0, H / 5);
    if (request.count >= 2) {
        cotise(W / 3 - Px(s, 10), 0);
        cotise(0, H / 3 - Px(s, 15));
    }
    if (request.count >= 3) {
        // As far again beyond the second as the second lies beyond the first.
        cotise(2 * (W / 3 - Px(s, 10)) - (W / 5 + Px(s, 5)), 0);
        cotise(0, 2 * (H / 3 - Px(s, 15)) - H / 5);
    }
}

}  // namespace

CotiseRequest CotisesOf(const PaintState& s) {
    return {s.shapeCode,     s.position,      s.cotiseCount,  s.cotiseTincture, {s.cotiseLine, 0, s.cotisePieces},
            s.cotiseBreadth, s.partitionCode, s.ordinaryTreatment};
}

// The cotises of the request's ordinary, in its tincture and line; a count of two or three draws
// double or triple cotises. An ordinary that takes no cotises is told. The level's tincture is
// the cotises' while they are drawn and its own again after.
void DrawCotises(PaintState& s, const CotiseRequest& request) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const int levelsOwnTincture = s.levelTincture[s.level];
    Colour(s, request.tincture);
    const ShapeOutline outline{request.shape, request.field, request.treatment};
    CotisePen pen{s, request.line, outline, request.breadth > 0 ? request.breadth : Px(s, kCotiseWidth)};
    const int count = std::clamp(request.count, 1, kMaxCotises);
    // The cotises of a moved ordinary are moved with it (a couped fess's are couped as it is).
    const PositionPlace at = PlaceOf(g, request.position);
    switch (request.shape) {
        case kFess: {
            const int c = (D - Px(s, 10)) / 2, middle = H / 2 + at.shift;
            // Pieces of a breadth of their own ("between two bars") keep the cotises' gap to the
            // fess's edge and between each other.
            const int width = request.breadth > 0 ? request.breadth : Px(s, 10);
            const int first = request.breadth > 0 ? D / 2 + Px(s, 10) + width / 2 - c : Px(s, 20);
            const int step = request.breadth > 0 ? width + Px(s, 5) : Px(s, 15);
            // Each cotise takes the line anew: a gemel line is spent by one band, and each bar
            // gemel is a pair.
            auto bar = [&](int y) {
                pen.line = request.line;
                pen.Band(at.inset, y, W - at.inset, y, width);
            };
            for (int i = 0; i < count; ++i) {
                if (request.sides != CotiseSides::BaseSide) bar(middle - c - first - i * step);
                if (request.sides != CotiseSides::ChiefSide) bar(middle + c + first + i * step);
            }
            break;
        }
        case kBend:
            BendCotises(pen, request, at);
            break;
        case kBendSinister: {
            // The mirror image of the bend's.
            const MirroredPainting mirrored(s);
            CotisePen bendPen{s, pen.line, outline.DrawnAs(kBend), pen.breadth};
            BendCotises(bendPen, request, at);
            break;
        }
        case kPale:
            if (at.inset > 0) {
                // Couped: from the inset below the top to the inset above the foot, as the pale.
                CotisesBesideCouped(pen, {W / 2.0, H / 2.0, 0, 1, static_cast<double>(PaleHalfWidth(g))}, count,
                                    H / 2.0 - at.inset);
            } else {
                // In dexter or sinister, beside the pale where it stands.
                CotisesBeside(pen, {W / 2.0 + at.across, H / 2.0, 0, 1, static_cast<double>(PaleHalfWidth(g))}, count);
            }
            break;
        case kBar: {
            const BarRows bar = BarsOnTheField(g, 1);
            if (!bar.centres.empty())
                CotisesBeside(pen, {W / 2.0, static_cast<double>(bar.centres[0]), 1, 0, bar.width / 2.0}, count);
            break;
        }
        case kSaltire: {
            // Each limb half the chief's depth wide along a row.
            const double across = D / 2.0 * H / std::hypot(W, H);
            const double w = W, h = H;
            CotisesBetweenLimbs(pen, W / 2.0, H / 2.0,
                                {{W / 2.0, H / 2.0, -w, -h, across}, {W / 2.0, H / 2.0, w, -h, across},
                                 {W / 2.0, H / 2.0, w, h, across}, {W / 2.0, H / 2.0, -w, h, across}},
                                count);
            break;
        }
        case kPall: {
            // The pall's limbs are kPallWidth wide along a row (the stem across).
            const double half = Px(s, kPallWidth) / 2.0, across = half * H / std::hypot(W, H);
            const double w = W, h = H;
            CotisesBetweenLimbs(pen, W / 2.0, H / 2.0,
                                {{W / 2.0, H / 2.0, -w, -h, across}, {W / 2.0, H / 2.0, w, -h, across},
                                 {W / 2.0, H / 2.0, 0, 1, half}},
                                count);
            break;
        }
        case kChevron: {
            // One cotise above the chevron and one below it, as far from it: the chevron's middle
            // line runs from (W / 2, D / 2 + H / 3), so the lower one mirrors the upper about it.
            const int n = count, breadth = pen.breadth;
            // Broader pieces ("between two chevronels") stand further out by their extra half
            // breadth, measured down the pale; their band is given the breadth along a row.
            const int extra = (breadth - Px(s, kCotiseWidth)) * 2 / 3;
            const int width = request.breadth > 0 ? ChevronBandWidth(s, breadth) : Px(s, 8);
            // Couped, each limb reaches as far across as the chevron's own (limbs falling 40
            // degrees, cos 0.766).
            const int limb = at.inset > 0 ? static_cast<int>((W / 2 - at.inset) / 0.766) : Px(s, 300);
            for (int i = 0; i < n; ++i) {
                // Each further pair as far out again as the cotises' width and spacing, measured
                // down the pale across limbs that fall at 40 degrees.
                const int out = i * (breadth + Px(s, kCotiseSpacing)) * 4 / 3;
                const int above = H / 3 - Px(s, 30) - extra - out + at.shift,
                          below = D + H / 3 + Px(s, 30) + extra + out + at.shift;
                for (const int apex : {above, below}) {
                    pen.BandFrom(W / 2, apex, 220, limb, width);
                    pen.BandFrom(W / 2, apex, 320, limb, width);
                }
            }
            break;
        }
        case kCross: {
            // A cotise along each side of every limb, as far off as the chevron's: in each quarter
            // an angle of two bands meeting opposite the cross's inner corner. The limbs are the
            // cross's own width, 0.8 of the chief's depth.
            const int B = g.shieldBottom - kCrossCotiseWidth;  // the band's end cap stays within
            const int o = static_cast<int>(D * 0.8) / 2 + Px(s, kCrossCotiseGap);
            const int n = count;
            for (int i = 0; i < n; ++i)
            for (const int side : {-1, 1}) {
                const int out = o + i * Px(s, kCotiseWidth + kCotiseSpacing);
                const int x = W / 2 + side * out, y = H / 2 + side * out;
                pen.Band(x, 0, x, H / 2 - out, Px(s, kCrossCotiseWidth));  // beside the upper limb
                pen.Band(x, H / 2 + out, x, B, Px(s, kCrossCotiseWidth));  // beside the lower limb
                pen.Band(0, y, W / 2 - out, y, Px(s, kCrossCotiseWidth));  // above or below the dexter limb
                pen.Band(W / 2 + out, y, W, y, Px(s, kCrossCotiseWidth));  // and the sinister
            }
            break;
        }
        default:
            s.messages.Show(msg::kCotisesNotDrawn);
            break;
    }
    Colour(s, levelsOwnTincture);
}

void SpendCotises(PaintState& s) {
    s.cotiseCount = 0;
    s.cotiseLine = kPlainLine;
    s.lineCode = kPlainLine;
    s.cotisePieces = 0;
}

void DrawAndSpendCotises(PaintState& s) { DrawAndSpendCotises(s, OutlineOfState(s)); }

void shapes::DrawAndSpendCotises(PaintState& s, const ShapeOutline& o) {
    CotiseRequest cotises = CotisesOf(s);
    cotises.shape = o.shape;
    cotises.field = o.field;
    cotises.treatment = o.treatment;
    DrawCotises(s, cotises);
    SpendCotises(s);
}

void DrawFret(PaintState& s) {
    const ShieldGeometry& g = s.geometry;
    const ShapeOutline o = OutlineOfState(s);
    const int W = g.W, H = g.H;
    Band(s, o, 0, 0, W, H, Px(s, 10));
    Band(s, o, W, 0, 0, H, Px(s, 10));
    Band(s, o, W / 2, H / 5, W / 5, H / 2, Px(s, 10));
    Band(s, o, W / 2, H / 5, W - W / 5, H / 2, Px(s, 10));
    Band(s, o, W / 5, H / 2, W / 2, H - H / 5, Px(s, 10));
    Band(s, o, W - W / 5, H / 2, W / 2, H - H / 5, Px(s, 10));
}

void DrawFretty(PaintState& s) {
    const ShieldGeometry& g = s.geometry;
    const ShapeOutline o = OutlineOfState(s);
    const int W = g.W, H = g.H;
    Band(s, o, 0, 0, W, H, Px(s, 10));
    Band(s, o, W / 3, 0, W, H - H / 3, Px(s, 10));
    Band(s, o, W - W / 3, 0, W, H / 3, Px(s, 10));
    Band(s, o, W, 0, 0, H, Px(s, 10));
    Band(s, o, W / 3, 0, 0, H / 3, Px(s, 10));
    Band(s, o, W - W / 3, 0, 0, H - H / 3, Px(s, 10));
    Band(s, o, 0, H / 3, W - W / 3, H, Px(s, 10));
    Band(s, o, 0, H - H / 3, W / 3, H, Px(s, 10));
    Band(s, o, W, H / 3, W / 3, H, Px(s, 10));
    Band(s, o, W, H - H / 3, W - W / 3, H, Px(s, 10));
}

void DrawFrettyWithPitch(PaintState& s, int pitch) {
    const ShieldGeometry& g = s.geometry;
    const ShapeOutline o = OutlineOfState(s);
    const int W = g.W, H = g.H;
    // Each bar a sixth of the pitch broad, as a fret's bars are to its lattice.
    constexpr int kFrettyPitchPerBar = 6;
    const int step = std::max(Px(s, 8), pitch);
    const int width = std::max(Px(s, 3), step / kFrettyPitchPerBar);
    const int length = 2 * (W + H);
    for (int x = -H - step; x <= W + H + step; x += step) {
        BandFrom(s, o, x, 0, 315, length, width);
        BandFrom(s, o, x, 0, 225, length, width);
    }
}

// A cubic Bezier curve as a chain of one-pixel bands reflected in the centre line, evaluated in
// single precision at t = 0, 0.01, 0.02, ... while t <= 1 (t is summed, so the sum's rounding
// decides whether t = 1 is reached). The first band starts at (0, 0).
void DrawFlaunchCurve(PaintState& s, int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3, bool pair) {
    FlaunchCurveFor(s, OutlineOfState(s), x0, y0, x1, y1, x2, y2, x3, y3, pair);
}

void shapes::FlaunchCurveFor(PaintState& s, const ShapeOutline& o, int x0, int y0, int x1, int y1, int x2, int y2, int x3,
                             int y3, bool pair) {
    int px = 0, py = 0;
    for (float t = 0.0f; t <= 1.0f; t += 0.01f) {
        const float u = 1.0f - t;
        const float a = u * u * u, b = 3.0f * t * u * u, c = 3.0f * t * t * u, d = t * t * t;
        const int x = static_cast<int>(x0 * a + x1 * b + x2 * c + x3 * d);
        const int y = static_cast<int>(y0 * a + y1 * b + y2 * c + y3 * d);
        Band(s, o, px, py, x, y, 1, pair ? BandEdges::kBothAndCentreCopy : BandEdges::kBoth);
        px = x;
        py = y;
    }
}

void DrawFretIn(PaintState& s, int x, int y, int w, int h) {
    const ShieldGeometry& g = s.geometry;
    const ShapeOutline o = OutlineOfState(s);
    const int width = std::max(Px(s, 3), Px(s, 10) * w / g.W);
    const int m = width;  // the saltire's ends stay inside the box
    Band(s, o, x + m, y + m, x + w - m, y + h - m, width);
    Band(s, o, x + w - m, y + m, x + m, y + h - m, width);
    const int cx = x + w / 2, cy = y + h / 2;
    Band(s, o, cx, y + h / 5, x + w / 5, cy, width);
    Band(s, o, cx, y + h / 5, x + w - w / 5, cy, width);
    Band(s, o, x + w / 5, cy, cx, y + h - h / 5, width);
    Band(s, o, x + w - w / 5, cy, cx, y + h - h / 5, width);
}

}  // namespace esc
