// The ordinaries drawn by DrawOrdinary, in the tincture at levelTincture[level]: fess, bend, bend
// sinister, pale, chevron, cross, saltire, flaunches, chief, label, bordure, canton, orle and
// pall. Those that come several (chevronels, bendlets, piles) are in OrdinaryShapesRepeated.

#include <algorithm>
#include <cmath>

#include "engine/Diminutives.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "engine/QuarterCircle.h"
#include "engine/CrossPateeThroughout.h"
#include "engine/Nowy.h"

namespace esc::shapes {

namespace {
// The boss of an ordinary nowy: its radius this share of the chief's depth at a crossing (a
// saltire's limbs are about 0.7 of it across, a cross's 0.8), and for a fess, a pale and a chief
// this share of the band's breadth, so that it stands out past both edges.
constexpr double kNowyBossShare = 0.62;
// A cross's limbs meet square, their inner angles further from the crossing than a saltire's: its
// boss is as wide as two limbs, so that it fills those angles visibly.
constexpr double kNowyCrossBossShare = 0.8;
constexpr double kNowyBandBossShare = 0.75;

bool IsNowy(const PaintState& s) { return s.CurrentLevel().levelVariant.view() == kNowyVariant; }

void Boss(PaintState& s, int cx, int cy, int r) {
    for (int dy = -r; dy <= r; ++dy) {
        const int half = static_cast<int>(std::sqrt(static_cast<double>(r * r - dy * dy)));
        PaintSpan(s, cx - half, cy + dy, cx + half);
    }
}
}  // namespace

// The fess and the bend (and so the bend sinister) moved by their position: the middle line
// shifted up or down, or the ends stopping short of the flanks when couped.
void Fess(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const PositionPlace at = PlaceOf(g, s.position);
    const int y = H / 2 + at.shift, left = at.inset, right = W + 1 - at.inset;
    if (Styled(s, o)) {
        Band(s, o, left, y, right, y, D);
    } else {
        const int c = D / 2;
        Area(s, {{left, y - c, left, y + c}, {right, y - c, right, y + c}});
    }
    if (IsNowy(s)) Boss(s, W / 2, y, static_cast<int>(D * kNowyBandBossShare));
    if (s.cotiseCount != 0) DrawAndSpendCotises(s, o);
}

namespace {
void PaintBendBand(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const PositionPlace at = PlaceOf(g, s.position);
    const int dy = at.shift;
    if (at.inset > 0) {
        // Couped: a band along the diagonal, its ends an inset in from either flank.
        const int rise = at.inset * H / W;
        // A plain band is drawn about 1.5 times as broad along a row as it is given: given 67%
        // of the usual bend's breadth along a row, it is as broad as the bend.
        Band(s, o, at.inset, rise, W - at.inset, H - rise, Styled(s, o) ? D - Px(s, 10) : (D + Px(s, 10)) * 67 / 100);
        return;
    }
    if (Styled(s, o)) {
        // Moved, the bend leaves the field through a flank: it is laid from a quarter of the
        // shield beyond either end so that it runs off the field whole.
        const int m = dy == 0 ? 0 : W / 4, mh = m * H / W;
        Band(s, o, 1 - m, 1 + dy - mh, W + m, H + dy + mh, D - Px(s, 10));
        return;
    }
    const int c = (D + Px(s, 10)) / 2;
    if (dy == 0) {
        Area(s, {{1, 1, 1, c}, {1, c, W - c, H}, {c, 0, W, H - c}, {W, H - c, W, H}});
        return;
    }
    // Moved: its two edges drawn on past the picture at both ends, closed off the picture.
    const int ux = W - c, uy = H - c;
    Area(s, {{c - ux, dy - uy, W + ux, H - c + dy + uy},
             {1 - ux, c + dy - uy, W - c + ux, H + dy + uy},
             {c - ux, dy - uy, 1 - ux, c + dy - uy},
             {W + ux, H - c + dy + uy, W - c + ux, H + dy + uy}});
}
}  // namespace

// Nowy, the boss sits on the bend's middle, wherever its position moved it.
void Bend(PaintState& s, const ShapeOutline& o) {
    PaintBendBand(s, o);
    if (IsNowy(s)) {
        const ShieldGeometry& g = s.geometry;
        Boss(s, g.W / 2, g.H / 2 + PlaceOf(g, s.position).shift,
             static_cast<int>((g.chiefDepth + Px(s, 10)) * kNowyBandBossShare));
    }
}

// The bend sinister is the bend's mirror image: the bend, in whatever line, position and
// treatment, painted with dexter and sinister exchanged. It runs from the sinister chief to the
// dexter base, so the point of the shield keeps the field's tincture.
void BendSinister(PaintState& s, const ShapeOutline& o) {
    {
        const MirroredPainting mirrored(s);
        Bend(s, o.DrawnAs(kBend));
    }
    if (s.cotiseCount != 0) DrawAndSpendCotises(s, o);
}

// The pale runs down into the point of the shield: a styled pale, a band that stops at row H-1,
// has the point filled after it.
void Pale(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom, D = g.chiefDepth;
    // Couped: clear of the chief's edge and of the point by the inset. In dexter or sinister: its
    // middle line moved toward that flank (the point's fill is the middle's, so it is left).
    // Enhanced, it is raised off the point: its foot stops the shift short of the shield's
    // bottom; abased, it is lowered off the chief: its head starts the shift down from the top.
    const PositionPlace at = PlaceOf(g, s.position);
    const int inset = at.inset, x = W / 2 + at.across;
    const int raisedBy = std::max(0, -at.shift), loweredBy = std::max(0, at.shift);
    const int top = inset + loweredBy, bottom = inset > 0 ? H - inset : B - raisedBy;
    if (Styled(s, o)) {
        const bool toThePoint = inset == 0 && raisedBy == 0;
        Band(s, o, x, top, x, toThePoint ? H - 1 : bottom, D + Px(s, 10));
        if (o.treatment != OrdinaryTreatment::kVoided && toThePoint && at.across == 0) FillBasePoint(s);
        if (IsNowy(s)) Boss(s, x, H / 2, static_cast<int>(D * kNowyBandBossShare));
        return;
    }
    const int c = PaleHalfWidth(g);
    Area(s, {{x - c, top, x - c, bottom}, {x + c, top, x + c, bottom}});
    if (IsNowy(s)) Boss(s, x, H / 2, static_cast<int>(2 * c * kNowyBandBossShare));
}

// The limbs fall at 40 degrees from the apex; couped, each is cut where it comes an inset short
// of its flank.
namespace {
constexpr double kChevronLimbCos = 0.766;  // cos 40
int ChevronLimb(const PaintState& s) {
    const PositionPlace at = PlaceOf(s.geometry, s.position);
    if (at.inset == 0) return Px(s, 300);
    return static_cast<int>((s.geometry.W / 2 - at.inset) / kChevronLimbCos);
}
}  // namespace

void Chevron(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const int apex = D / 2 + H / 3 + PlaceOf(g, s.position).shift, limb = ChevronLimb(s);
    BandFrom(s, o, W / 2, apex, 220, limb, D + Px(s, 50));
    BandFrom(s, o, W / 2, apex, 320, limb, D + Px(s, 50));
    FillLimbMeeting(s, o, {W / 2, apex, 0, 0, D + Px(s, 50), BandEdges::kBoth, {}, limb, 220},
                    {W / 2, apex, 0, 0, D + Px(s, 50), BandEdges::kBoth, {}, limb, 320}, MeetingSides::kNearSidesOpen);
    if (s.cotiseCount != 0) {
        Colour(s, s.cotiseTincture);
        s.lineCode = s.cotiseLine;
        s.lineRepeats = 0;
        BandFrom(s, o, W / 2, H / 3 - Px(s, 14), 217, Px(s, 300), Px(s, 6));
        BandFrom(s, o, W / 2, H / 3 - Px(s, 14), 323, Px(s, 300), Px(s, 6));
        s.cotiseCount = 0;
        s.cotiseLine = kPlainLine;
    }
}

// The cross: plain, two filled rectangles; voided or fimbriated, and
// with the arms stopping short of an open square at the centre (the cross treatment), four arms
// as bands; with a line, two bands. The open centre of the cross treatment stays open with a
// line too.
// The chevron turned over, its point toward the base and its limbs toward the chief's corners.
void ChevronInverted(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const int pointY = H - (D / 2 + H / 3) + PlaceOf(g, s.position).shift;
    BandFrom(s, o, W / 2, pointY, 140, Px(s, 300), D + Px(s, 50));
    BandFrom(s, o, W / 2, pointY, 40, Px(s, 300), D + Px(s, 50));
    FillLimbMeeting(s, o, {W / 2, pointY, 0, 0, D + Px(s, 50), BandEdges::kBoth, {}, Px(s, 300), 140},
                    {W / 2, pointY, 0, 0, D + Px(s, 50), BandEdges::kBoth, {}, Px(s, 300), 40}, MeetingSides::kFarSidesOpen);
}

namespace {
// The cross patée throughout: each arm a quarter of the chief's depth across at the crossing,
// widening to this share of the shield's width at the edge it reaches.
//
//   \      /
//    \    /
//  ___\  /___
//      ><
//  ___/  \___
constexpr double kPateeNarrowShare = 0.25, kPateeEndShare = 0.44;

void CrossPateeArms(PaintState& s) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom, cx = W / 2, cy = H / 2;
    const int n = std::max(1, static_cast<int>(g.chiefDepth * kPateeNarrowShare) / 2);
    const int e = static_cast<int>(W * kPateeEndShare) / 2;
    Area(s, {{cx - n, cy, cx - e, 0}, {cx + n, cy, cx + e, 0}});
    Area(s, {{cx - n, cy, cx - e, B}, {cx + n, cy, cx + e, B}});
    Area(s, {{0, cy - e, cx, cy - n}, {0, cy + e, cx, cy + n}, {0, cy - e, 0, cy + e}, {cx, cy - n, cx, cy + n}});
    Area(s, {{W + 1, cy - e, cx, cy - n}, {W + 1, cy + e, cx, cy + n}, {W + 1, cy - e, W + 1, cy + e}, {cx, cy - n, cx, cy + n}});
}
}  // namespace

void Cross(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, B = g.shieldBottom, D = g.chiefDepth;
    const int a = static_cast<int>(D * 0.8), b = a / 2;
    const OrdinaryTreatment treatment = o.treatment;
    if (s.CurrentLevel().levelVariant.view() == kPateeVariant) {
        CrossPateeArms(s);
        return;
    }
    if (s.lineCode == kPlainLine && treatment == OrdinaryTreatment::kNone && !s.crossTreatment) {
        Area(s, {{W / 2 - b, 0, W / 2 - b, B}, {W / 2 + b, 0, W / 2 + b, B}});
        Area(s, {{Px(s, 2), H / 2 - b, Px(s, 2), H / 2 + b}, {W + 1, H / 2 - b, W + 1, H / 2 + b}});
    }
    if (treatment == OrdinaryTreatment::kFimbriated) {
        Band(s, o, W / 2, 0, W / 2, B - 1, D);
        Band(s, o, Px(s, 2), H / 2, W / 2 - D / 2 + Px(s, 3), H / 2, D);
        Band(s, o, D / 2 + W / 2 - Px(s, 4), H / 2, W, H / 2, D);
    }
    if (treatment == OrdinaryTreatment::kVoided) {
        Band(s, o, W / 2, 0, W / 2, H / 2 - D / 2 + Px(s, 4), D);
        Band(s, o, W / 2, D / 2 + H / 2 - Px(s, 4), W / 2, B - 1, D);
        Band(s, o, Px(s, 2), H / 2, W / 2 - D / 2 + Px(s, 4), H / 2, D);
        Band(s, o, D / 2 + W / 2 - Px(s, 4), H / 2, W, H / 2, D);
    }
    if (s.crossTreatment) {
        Band(s, o, W / 2, 0, W / 2, H / 2 - b, a);
        Band(s, o, W / 2, b + H / 2, W / 2, B - 1, a);
        Band(s, o, Px(s, 2), H / 2, W / 2 - b - Px(s, 2), H / 2, a);
        Band(s, o, b + W / 2 + Px(s, 2), H / 2, W, H / 2, a);
    } else if (treatment == OrdinaryTreatment::kNone && s.lineCode > kPlainLine) {
        // The line's repeats begin at the crossing: the four angles are alike.
        BandThrough(s, o, W / 2, 0, W / 2, B - 1, a, W / 2, H / 2);
        BandThrough(s, o, Px(s, 2), H / 2, W, H / 2, a, W / 2, H / 2);
        FillLimbMeeting(s, o, {W / 2, 0, W / 2, B - 1, a}, {Px(s, 2), H / 2, W, H / 2, a}, MeetingSides::kNoneOpen);
    }
    if (IsNowy(s)) Boss(s, W / 2, H / 2, static_cast<int>(D * kNowyCrossBossShare));
}

void Saltire(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H, D = g.chiefDepth;
    const bool nowy = IsNowy(s);
    if (Styled(s, o)) {
        const int w = static_cast<int>(D * 0.8);
        Band(s, o, 0, 0, W, H, w);
        Band(s, o, W, 0, 0, H, w);
        FillLimbMeeting(s, o, {0, 0, W, H, w}, {W, 0, 0, H, w}, MeetingSides::kNoneOpen);
    } else {
        const int c = D / 2;
        Area(s, {{0, 0, 0, c}, {0, c, W - c, H}, {c, 0, W, H - c}, {W + 1, H - c, W + 1, H}});
        Area(s, {{W - c, 0, 0, H - c}, {W, c, c, H}, {W + 1, 0, W + 1, c}, {0, H - c, 0, H}});
    }
    if (nowy) Boss(s, W / 2, H / 2, static_cast<int>(D * kNowyBossShare));
}

// Flaunches: a curve from the top to the foot of the dexter side, filled to the left, and its
// reflection filled to the right.
namespace {

// One flaunch on the sinister side: its edge, the dexter one's mirrored, traced with the
// sinister flank and the area between filled.
constexpr int kSinisterFlaunchSteps = 48;

void SinisterFlaunch(PaintState& s, int reach) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, top = Px(s, 2), bottom = g.H + 1, flank = W - Px(s, 2);
    ResetCrossings(s);
    int px = flank, py = top;
    for (int i = 1; i <= kSinisterFlaunchSteps; ++i) {
        // The cubic from the top of the flank to its foot through (reach, top) and (reach, bottom).
        const double t = static_cast<double>(i) / kSinisterFlaunchSteps, u = 1.0 - t;
        const double b = 3.0 * t * u * u, c = 3.0 * t * t * u;
        const int x = static_cast<int>(std::lround(flank * (u * u * u + t * t * t) + (W - reach) * (b + c)));
        const int y = static_cast<int>(std::lround(top * (u * u * u + b) + bottom * (c + t * t * t)));
        TraceEdge(s, px, py, x, y);
        px = x;
        py = y;
    }
    TraceEdge(s, W + 1, top, W + 1, bottom);
    FillCrossings(s);
}

}  // namespace

void Flaunches(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    // A flasque is a narrower flaunch: its curve reaches as much less far in.
    const int reach = PieceBreadth(s, g.W / 3);
    // "a flaunch", "a flasque sinister": one, on the side named (the dexter when none is).
    const bool one = s.CurrentLevel().levelCount == 1;
    if (one && s.CurrentLevel().levelVariant.view() == kSinisterSideVariant) {
        SinisterFlaunch(s, reach);
        return;
    }
    const bool fill = s.fillToLeft;
    s.fillToLeft = true;
    FlaunchCurveFor(s, o, Px(s, 2), Px(s, 2), reach, Px(s, 2), reach, g.H + 1, Px(s, 2), g.H + 1, !one);
    s.fillToLeft = fill;
}

void Chief(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W;
    // Charges already placed make room under the chief (for whoever moves them later).
    if (s.pictureCount > 0 && s.layerSink != nullptr) s.layerSink->ChiefMakesRoom(s.geometry.H);
    const int b = ChiefLowerEdge(g);
    if (Styled(s, o)) {
        const int y = StyledChiefMiddle(g);
        Band(s, o, 0, y, W, y, StyledChiefWidth(g), BandEdges::kFarEdge);
    } else {
        Area(s, {{0, 0, 0, b}, {W + 1, 0, W + 1, b}});
    }
    // Nowy, a half boss hangs from the middle of the lower edge, as deep as three quarters of
    // the chief's.
    if (IsNowy(s)) Boss(s, W / 2, b, static_cast<int>(b * kNowyBandBossShare));
}

LabelShape LabelShapeOf(const ShieldGeometry& g, int points) {
    LabelShape l;
    l.points = points < 1 ? kDefaultLabelPoints : std::min(points, kMaxLabelPoints);
    l.left = g.W * kLabelInsetPercent / 100;
    l.right = g.W - l.left;
    l.barTop = g.H * kLabelTopPercent / 100;
    l.barBottom = l.barTop + g.H * kLabelBarPercent / 100;
    l.pointBottom = g.H * kLabelFootPercent / 100;
    l.pointTopWidth = (l.right - l.left) / l.points * kLabelPointPercent / 100;
    l.pointFootWidth = l.pointTopWidth * kLabelFlarePercent / 100;
    return l;
}

// A label of N points (the level's line code): the bar, then each point from the bar's lower
// edge down, a row at a time as it widens; always plain.
void Label(PaintState& s) {
    const LabelShape l = LabelShapeOf(s.geometry, s.CurrentLevel().levelLine);
    s.lineCode = kPlainLine;
    FillRows(s, l.barTop, l.barBottom, l.left, l.right);
    const int rows = std::max(1, l.pointBottom - l.barBottom);
    for (int i = 0; i < l.points; ++i) {
        const int x = l.PointCentre(i);
        for (int y = l.barBottom; y <= l.pointBottom; ++y) {
            const int width = l.pointTopWidth + (l.pointFootWidth - l.pointTopWidth) * (y - l.barBottom) / rows;
            PaintSpan(s, x - width / 2, y, x + width / 2);
        }
    }
}

namespace {

// Paints from the shield's edge to (x, y): leftward for a point left of the centre line, else
// rightward; in the curved base within the row's base bounds.
void CornerFill(PaintState& s, int x, int y) {
    const ShieldGeometry& g = s.geometry;
    const bool left = x < g.W / 2;
    if (y < g.baseTop) {
        if (left) PaintSpan(s, 1, y, x - 1);
        else PaintSpan(s, x, y, g.W);
        return;
    }
    const int k = y - g.baseTop;
    if (k >= kBaseBoundsCount) return;
    const BaseBound& bound = g.baseBounds[static_cast<std::size_t>(k)];
    if (left) PaintSpan(s, bound.left, y, x - 1);
    else PaintSpan(s, x, y, bound.right);
}

}  // namespace

// The bordure: a band along the top reflected to the bottom and one along the dexter side
// reflected to the sinister, their patterned edges inward; then the point and the two curved
// lower corners, whose inner edge is a quarter circle drawn point by point, each point filled
// out to the shield's edge and given a short stroke downward.
void Bordure(PaintState& s, const ShapeOutline& o) {
    if (DrawLinedBordure(s, o)) {
        s.lineCode = kPlainLine;
        return;
    }
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    Band(s, o, 0, Px(s, kBordureBreadth) / 2, W, Px(s, kBordureBreadth) / 2, Px(s, kBordureBreadth), BandEdges::kFarEdgeReflected);
    Band(s, o, Px(s, 10), 0, Px(s, 10), H, Px(s, 34), BandEdges::kFarEdgeReflected);
    if (s.levelTincture[s.level] == kCounterchanged) {
        s.lineCode = kPlainLine;
        Band(s, o, 0, Px(s, 10), Px(s, 20), Px(s, 10), Px(s, 20));
        Band(s, o, W - Px(s, 20), Px(s, 10), W, Px(s, 10), Px(s, 20));
        Band(s, o, 0, H - Px(s, 10), Px(s, 20), H - Px(s, 10), Px(s, 20));
        Band(s, o, W - Px(s, 20), H - Px(s, 10), W, H - Px(s, 10), Px(s, 20));
    }
    FillBasePoint(s);
    s.lineCode = kPlainLine;
    const int clx = Px(s, 64), crx = W - Px(s, 60), cy = H - Px(s, 70);
    auto stroke = [&](int x, int y) { Band(s, o, x, y + Px(s, 2), x, y + Px(s, 20), 1); };
    QuarterCircle(Px(s, 40), [&](int sv, int t) {
        int x = clx - t / 2, y = cy + sv / 2;
        CornerFill(s, x, y);
        CornerFill(s, x, y + 1);
        stroke(x, y);
        x = crx + t / 2;
        CornerFill(s, x, y);
        CornerFill(s, x, y + 1);
        stroke(x, y);
        x = clx - sv / 2;
        y = cy + t / 2;
        CornerFill(s, x, y);
        CornerFill(s, x + 1, y);
        stroke(x, y);
        x = crx + sv / 2;
        CornerFill(s, x - Px(s, 2), y);
        CornerFill(s, x - 1, y);
        stroke(x, y);
    });
}

// The canton: a vertical band centred 35 pixels from the dexter edge, its left half outside the
// shield.
void Canton(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    Band(s, o, Px(s, 35), Px(s, 2), Px(s, 35), static_cast<int>(g.H * 20.5 * 0.01), static_cast<int>(g.W * 28.5 * 0.01));
}

void Orle(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    Band(s, o, Px(s, 20), Px(s, 20), W - Px(s, 20), Px(s, 20), Px(s, 10));
    Band(s, o, W - Px(s, 25), Px(s, 20), W - Px(s, 25), H - Px(s, 30), Px(s, 10));
    Band(s, o, W - Px(s, 20), H - Px(s, 30), Px(s, 20), H - Px(s, 30), Px(s, 10));
    Band(s, o, Px(s, 25), H - Px(s, 30), Px(s, 25), Px(s, 15), Px(s, 10));
}

// The pall: two arms from the chief corners to the centre and a stem down into the point (a stem
// that stopped at row H would leave the point in the field's tincture, as if couped).
void Pall(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    Band(s, o, 0, 0, W / 2, H / 2, Px(s, kPallWidth), BandEdges::kNearEdge);
    Band(s, o, W, 0, W / 2, H / 2, Px(s, kPallWidth), BandEdges::kNearEdge);
    Band(s, o, W / 2, H / 2, W / 2, g.shieldBottom - 1, Px(s, kPallWidth), BandEdges::kNearEdge);
}

// The pall reversed: a stem from the middle chief to the centre and two arms to the base corners.
void PallReversed(PaintState& s, const ShapeOutline& o) {
    const ShieldGeometry& g = s.geometry;
    const int W = g.W, H = g.H;
    Band(s, o, W / 2, 0, W / 2, H / 2, Px(s, 40));
    Band(s, o, W / 2, H / 2, 0, H, Px(s, 40));
    Band(s, o, W / 2, H / 2, W, H, Px(s, 40));
}

}  // namespace esc::shapes
