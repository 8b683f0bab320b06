#pragma once
// The building blocks the shapes of the ordinaries and partitions share, and the bounds they put
// on the counts a blazon hands them.
//
// Notation of the shape files: W, H, B (shieldBottom) and D (chiefDepth) are the shield
// geometry; a band is DrawPartitionLine; an area is a convex region traced into the crossing
// table (ResetCrossings, TraceEdge per edge, FillCrossings).

#include <initializer_list>
#include <vector>

#include "engine/Ordinaries.h"
#include "engine/Painter.h"
#include "engine/PartitionLine.h"
#include "engine/ShapeCode.h"

namespace esc {

// Gyronny, barry and paly of more pieces than this are drawn with this many (blazons go up to
// twenty or so); a count below one draws the field in its first tincture alone. At 32 a bar is
// still 15 pixels high and a pale 13 wide.
// A colour no tincture paints: what is still this colour after drawing was not painted.
inline constexpr Rgb kUnpainted{1, 2, 3};
inline constexpr int kMaxFieldPieces = 32;
// A label of more points is drawn with this many; a count below one gives the usual three.
// How far the bordure reaches in from the shield's top edge as it is painted (the band along
// the chief is this deep; the flanks' bands reach about as far in).
inline constexpr int kBordureBreadth = 30;
inline constexpr int kMaxLabelPoints = 9;
inline constexpr int kDefaultLabelPoints = 3;
// Where a label lies: a bar across the chief, couped clear of the flanks and hanging below the
// top edge, with its points pendant from it, each widening a little toward its foot. The points
// share the bar's length in equal slots, one point centred in each.
struct LabelShape {
    int left = 0, right = 0;              // the bar's ends
    int barTop = 0, barBottom = 0;        // the bar's rows
    int pointBottom = 0;                  // the last row of the points
    int pointTopWidth = 0, pointFootWidth = 0;
    int points = kDefaultLabelPoints;

    int PointCentre(int i) const { return left + (2 * i + 1) * (right - left) / (2 * points); }
};
// In percent: the bar's inset from each flank (of W); its top, its depth and the points' foot
// (of H); a point's width at the top (of its slot) and at the foot (of its top width).
inline constexpr int kLabelInsetPercent = 11, kLabelTopPercent = 3, kLabelBarPercent = 4, kLabelFootPercent = 17;
inline constexpr int kLabelPointPercent = 34, kLabelFlarePercent = 130;
// Bars, pallets, bendlets, chevronels and piles come as one to six: a count below one draws one,
// and a count above six draws nothing and says so (drawing another count would misstate the arms).
inline constexpr int kMaxRepeatedOrdinaries = 6;
// Bars and pallets on the field are spread over this share of the shield either side of its
// centre line.
inline constexpr int kRepeatedSpanPercent = 40;
// Chevronels reach this share of the shield's height above and below its centre; bendlets this
// share of the shield's half-breadth across the bend either side of the diagonal.
inline constexpr int kChevronelSpanPercent = 22;
inline constexpr int kBendletSpanPercent = 45;
// levelLine of a pile that meets the others in the point.
inline constexpr int kPilesInPoint = 96;

namespace shapes {

struct Edge {
    int x1, y1, x2, y2;
};

int FieldPieces(const PaintState& state);
// The count of a repeated ordinary, at least one; 0 after a message when it is past
// kMaxRepeatedOrdinaries.
int RepeatCount(PaintState& state);

// n pieces spread evenly over [from, to]: each at most maxWidth wide and never wider than the
// field-coloured gaps around it, so that every piece stands apart. The band width to draw and
// the centre of each piece.
struct Spread {
    int width = 0;
    std::vector<int> centres;
};
Spread SpreadPieces(int n, int from, int to, int maxWidth);

// The label of `points` points (clamped as Label() clamps them) on geometry g.
LabelShape LabelShapeOf(const ShieldGeometry& g, int points);
// Half the breadth of a pale: the distance from the centre line to each of its edges.
inline int PaleHalfWidth(const ShieldGeometry& g) { return (g.chiefDepth + g.Px(10)) / 2; }
// The lower edge of a plain chief: the row its area reaches.
inline int ChiefLowerEdge(const ShieldGeometry& g) { return g.H * 15 / 100; }
// A chief with a line is a band whose lower edge carries the line: its middle row and width.
inline int StyledChiefMiddle(const ShieldGeometry& g) { return (g.H / 5) / 2 - g.Px(19); }
inline int StyledChiefWidth(const ShieldGeometry& g) { return ChiefLowerEdge(g) + g.Px(30); }
// The lowest row any chief reaches, plain or with the deepest line, on a shield of height H.
inline int ChiefFurthestRow(int H) {
    const int plain = H * 15 / 100, styled = (H / 5) / 2 - 19 + (plain + 30) / 2;
    return plain > styled ? plain : styled;
}
// The upper edge of a base: as deep as a plain chief and a little more, for the point below it.
inline int BaseUpperEdge(const ShieldGeometry& g) { return g.H - g.H * 20 / 100; }
// The last row of the chief that is solid whatever its line: a plain chief's lower edge, or the
// inner side of the line's teeth.
int ChiefInnerEdge(const ShieldGeometry& g, int lineCode);
// The edge of a voided ordinary: the chief's depth divided by this, and never narrower than the
// minimum, in pixels.
inline constexpr int kVoidedEdgeDivisor = 14;
inline constexpr int kMinVoidedEdge = 4;
// A plain voided fess, bend, bend sinister, pale, chevron (or chevron inverted), cross, saltire
// or pall in the shield view, which is drawn as the edge of its plain outline.
bool DrawnVoidedByOutline(const PaintState& state, const ShapeOutline& outline);
void DrawVoidedByOutline(PaintState& state, const OrdinaryRequest& request, const ShapeOutline& outline);

// An ordinary whose sides carry two different lines (lineCode toward the chief or the dexter,
// secondLineCode the other side), drawn from one drawing with each line.
bool DrawnWithTwoLines(const PaintState& state, ShapeCode shape);
void DrawWithTwoLines(PaintState& state, const OrdinaryRequest& request, const ShapeOutline& outline);
// The breadth of each limb of the pall, along a row (the stem's across).
inline constexpr int kPallWidth = 40;
// Cotises: each this wide, the nearest this far from the ordinary's edge, and the next ones this
// far apart. At most this many on each side ("triple cotised").
inline constexpr int kCotiseWidth = 8, kCotiseGap = 10, kCotiseSpacing = 6;
inline constexpr int kMaxCotises = 3;
// What the cotises' bands are drawn with: the state painted on, the cotises' line (a gap line is
// spent by the band that draws it), the outline of the ordinary they stand beside (the turn of
// the line, the treatment) and the breadth across of each.
struct CotisePen {
    PaintState& state;
    BandLine line;
    ShapeOutline outline{};
    int breadth = 0;

    void Band(int x1, int y1, int x2, int y2, int width);
    void BandFrom(int x, int y, int angle, int length, int width);
};
// One straight limb of an ordinary for its cotises: a point on its middle line, the way it runs
// (away from the centre for a limb of a saltire or pall) and half its breadth across.
struct CotiseLimb {
    double x = 0, y = 0, dx = 0, dy = 0, halfWidth = 0;
};

// A base esquire's leg along the chief's lower edge, in percent of the shield's width.
inline constexpr int kBaseEsquireWidthPercent = 20;

// While it lives, every span is painted mirrored dexter for sinister (PaintState::mirrored), so
// that a shape drawn for one side paints its twin on the other; mirrored within a mirror paints
// the shape as drawn. The shape drawn meanwhile is handed its own outline
// (ShapeOutline::DrawnAs), so that its lines are laid (and its bands narrowed for them) as on the
// shape being mirrored.
class MirroredPainting {
public:
    explicit MirroredPainting(PaintState& state) : state_(state), was_(state.mirrored) { state.mirrored = !was_; }
    ~MirroredPainting() { state_.mirrored = was_; }
    MirroredPainting(const MirroredPainting&) = delete;
    MirroredPainting& operator=(const MirroredPainting&) = delete;

private:
    PaintState& state_;
    bool was_;
};

// levelTincture[level] := code.
void Colour(PaintState& state, int code);
// The line the state holds for the shape being drawn (lineCode, lineRepeats).
BandLine LineOf(const PaintState& state);
// A band between two points in the state's line (LineOf), drawn for `outline`; a band in the gap
// style leaves the state's line plain for the bands after it.
void Band(PaintState& state, const ShapeOutline& outline, int x1, int y1, int x2, int y2, int width, BandEdges edges = BandEdges::kBoth);
// Band, its line's repeats beginning where it passes (ax, ay): the arms of a cross through their
// crossing.
void BandThrough(PaintState& state, const ShapeOutline& outline, int x1, int y1, int x2, int y2, int width, int ax, int ay);
// A band from (x, y) at `angle` degrees, `length` long, as Band.
void BandFrom(PaintState& state, const ShapeOutline& outline, int x, int y, int angle, int length, int width, BandEdges edges = BandEdges::kBoth);
// Which sides of two meeting limbs keep their line inside the meeting: none (every angle of a
// saltire's or a cross's crossing is an angle of the field), or the near or far sides (a
// chevron's outer edges meeting in its point).
enum class MeetingSides { kNoneOpen, kNearSidesOpen, kFarSidesOpen };
// After two lined limbs a and b (bands as DrawPartitionLine takes them, in the state's line) are
// drawn, paints whole the part their straight outlines share but the open sides' edges: each
// limb's line then stops where it reaches the other limb, and no field shows in the meeting.
void FillLimbMeeting(PaintState& state, const ShapeOutline& outline, BandRequest a, BandRequest b, MeetingSides open);
void Area(PaintState& state, std::initializer_list<Edge> edges);
// One PaintSpan per row, rows r1..r2.
void FillRows(PaintState& state, int r1, int r2, int x1, int x2);
// A line style is set, or the outline is treated (the shape is then drawn with bands).
bool Styled(const PaintState& state, const ShapeOutline& outline);
// The cotises the state holds (CotisesOf), drawn beside the shape of `outline` with its field's
// partition and treatment, then spent (SpendCotises).
void DrawAndSpendCotises(PaintState& state, const ShapeOutline& outline);
// Pallets (DrawPallets) and the flaunches' curve (DrawFlaunchCurve) drawn for `outline`.
void PalletsFor(PaintState& state, const ShapeOutline& outline, PiecesPlacement placement);
void FlaunchCurveFor(PaintState& state, const ShapeOutline& outline, int x0, int y0, int x1, int y1, int x2, int y2, int x3,
                     int y3, bool pair = true);

// count cotises on each side of a straight ordinary along `middle`, in the current tincture and line.
void CotisesBeside(CotisePen& pen, const CotiseLimb& middle, int count);
// The same for an ordinary couped: each cotise reaches `halfLength` either way along the limb
// from the point beside the limb's middle, and stops there as the ordinary does.
void CotisesBesideCouped(CotisePen& pen, const CotiseLimb& middle, int count, double halfLength);
// count cotises in each space between neighbouring limbs meeting at (cx, cy): an angle of two
// cotises following the two limbs' edges.
void CotisesBetweenLimbs(CotisePen& pen, double cx, double cy, const std::vector<CotiseLimb>& limbs, int count);

// The partitions of the field (mode 1 of codes 0 to 6 and 30, 31, and codes 7 to 10).
void PerFess(PaintState& state, const ShapeOutline& outline);
void PerBend(PaintState& state, const ShapeOutline& outline);
void PerBendSinister(PaintState& state, const ShapeOutline& outline);
void PerPale(PaintState& state, const ShapeOutline& outline);
void PerChevron(PaintState& state, const ShapeOutline& outline);
void PerChevronInverted(PaintState& state, const ShapeOutline& outline);
void Quarterly(PaintState& state, const ShapeOutline& outline);
void QuarterlyPerFessLined(PaintState& state, const ShapeOutline& outline);
void QuarterlyPerPaleLined(PaintState& state, const ShapeOutline& outline);
void PerSaltire(PaintState& state, const ShapeOutline& outline);
void Gyronny(PaintState& state);
void Barry(PaintState& state, const ShapeOutline& outline);
void Paly(PaintState& state, const ShapeOutline& outline);
void Bendy(PaintState& state, const ShapeOutline& outline);
void Chevronny(PaintState& state);
void TiercedPerPall(PaintState& state);
void TiercedPerPallReversed(PaintState& state);
// Tierced per pall (reversed: its arms down) with a line style, its three lines those of per
// bend, per bend sinister and per pale; false, painting nothing, when the line is plain.
bool TiercedPerPallLined(PaintState& state, bool reversed);

// The ordinaries.
void Fess(PaintState& state, const ShapeOutline& outline);
void Bend(PaintState& state, const ShapeOutline& outline);
void BendSinister(PaintState& state, const ShapeOutline& outline);
void Pale(PaintState& state, const ShapeOutline& outline);
void Chevron(PaintState& state, const ShapeOutline& outline);
void ChevronInverted(PaintState& state, const ShapeOutline& outline);
void Cross(PaintState& state, const ShapeOutline& outline);
void Saltire(PaintState& state, const ShapeOutline& outline);
void Flaunches(PaintState& state, const ShapeOutline& outline);
void Chevronels(PaintState& state, const ShapeOutline& outline);
void ChevronelsInterlaced(PaintState& state, const ShapeOutline& outline);
void ChevronelsInverted(PaintState& state, const ShapeOutline& outline);
void Chief(PaintState& state, const ShapeOutline& outline);
void Label(PaintState& state);
void Bordure(PaintState& state, const ShapeOutline& outline);
// A bordure whose inner edge carries the state's line, laid round the shield's outline (its
// inner edge parallel to it at the curved corners and the point); false when its line is none
// that such a ring can carry (no line, the gap, pieces) or it is treated, and nothing is drawn.
bool DrawLinedBordure(PaintState& state, const ShapeOutline& outline);
void Canton(PaintState& state, const ShapeOutline& outline);
void Bendlets(PaintState& state, const ShapeOutline& outline);
void BendletsSinister(PaintState& state, const ShapeOutline& outline);
void BendletsEnhanced(PaintState& state, const ShapeOutline& outline);
void Piles(PaintState& state, const ShapeOutline& outline);
void PilesInverted(PaintState& state, const ShapeOutline& outline);
void Orle(PaintState& state, const ShapeOutline& outline);
void Pall(PaintState& state, const ShapeOutline& outline);
void PallReversed(PaintState& state, const ShapeOutline& outline);
void Tressure(PaintState& state, const ShapeOutline& outline, bool flory);  // kTressure, and kTressureFlory
void BaseEsquires(PaintState& state, bool sinisterOnly);  // kBaseEsquires, and kBaseEsquireSinister
void Base(PaintState& state, const ShapeOutline& outline);
void PointPointed(PaintState& state, const ShapeOutline& outline);
void Gyron(PaintState& state);

}  // namespace shapes
}  // namespace esc
