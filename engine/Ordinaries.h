#pragma once
// Lines of partition and the shapes of the ordinaries and partitions.

#include <optional>
#include <string_view>
#include <vector>

#include "engine/PaintState.h"
#include "engine/PartitionLine.h"

namespace esc {

// The line a band's edges carry: its style (kPlainLine: none), the repeats of its pattern across
// the shield ("nebuly of four"; 0: the style's own) and, when > 0, the times the pattern is laid
// along the whole band ("cotised potenty of thirteen").
struct BandLine {
    int style = kPlainLine;
    int repeats = 0;
    int pieces = 0;
};
// Whether a band is a line dividing the field (its line may run as deep as the partition's
// width allows) or a limb of an ordinary, whose two lined edges share one narrow breadth: the
// arcs of an engrailed or invected limb are kept shallow against that breadth.
enum class BandRole { kPartitionLine, kLimb };
// What the bands of a shape are drawn for: the shape (a chief's wavy line turns the other way),
// the field's partition (the last bar's line; a band on a field per bend is narrowed for its
// teeth), the ordinary's treatment (voided or fimbriated bands are drawn as their edges) and
// whether its bands are limbs of an ordinary or lines of partition.
struct ShapeOutline {
    ShapeCode shape = ShapeCode::kNoShape;
    ShapeCode field = ShapeCode::kNoShape;
    OrdinaryTreatment treatment = OrdinaryTreatment::kNone;
    BandRole role = BandRole::kPartitionLine;

    // The same outline for a shape drawn as another (the bend sinister as a mirrored bend): the
    // field's partition goes with it where it named the shape.
    ShapeOutline DrawnAs(ShapeCode other) const { return {other, field == shape ? other : field, treatment, role}; }
};
// The outline the reader's state holds between phrases: its shapeCode, partitionCode and
// ordinaryTreatment. For the pieces the reader draws itself (bars, pallets, a fret).
ShapeOutline OutlineOfState(const PaintState& state);

// A straight band from (x1, y1) to (x2, y2), `width` across, or from (x1, y1) `length` long at
// `angle` degrees when length is not 0; its long edges carry `line` as `edges` says.
struct BandRequest {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, width = 0;
    BandEdges edges = BandEdges::kBoth;
    BandLine line{};
    int length = 0, angle = 0;
    // What the band is drawn for: the turn of its line and its treatment.
    ShapeOutline outline{};
    // Where along the band a repeat of its line begins, as a point it passes (a cross's arms at
    // their crossing, so that the four angles are alike); not given: at the start of a band
    // given by angle, at the middle of a slanting band given by its ends, else at its start.
    struct Anchor {
        bool given = false;
        int x = 0, y = 0;
    } anchor{};
};
// Draws the band in the current level's tincture and the outline's treatment (voided,
// fimbriated). The shape it is drawn for and the field's partition give the turn of its line (a
// chief's wavy line, the last bar's).
void DrawPartitionLine(PaintState& state, const BandRequest& request);

// What DrawOrdinary is asked to draw: a shape, as an ordinary or as a partition of the field. The
// line, position and tincture are those of `level` (none given: the current level's). The bands take the turn of their line from
// the field's partition; a drawing that stands for another field's partition (the parts of a
// lined tierced per pall) names it in `field`. The treatment (voided, fimbriated) is the
// ordinary's; a partition of the field is never treated.
struct OrdinaryRequest {
    ShapeCode shape = ShapeCode::kNoShape;
    bool partition = false;
    ShapeCode field = ShapeCode::kNoShape;             // kNoShape: the state's partitionCode
    std::optional<OrdinaryTreatment> treatment{};      // none given: the state's ordinaryTreatment
    std::optional<int> level{};                        // none given: the state's current level
};
// Draws the request's shape. The bands and cotises it draws are handed its outline (the shape,
// the field's partition and the treatment); the state's own shape fields are left as they were.
void DrawOrdinary(PaintState& state, const OrdinaryRequest& request);
// The rectangle the canton covers on the field.
Rect CantonArea(const ShieldGeometry& geometry);
// Draws `shape` as an ordinary reduced into `area` ("on a canton argent a cross gules"): the
// ordinary as it would cover the whole field, scaled into the area over what is there.
void DrawOrdinaryWithin(PaintState& state, ShapeCode shape, Rect area);
// Where bars or pallets lie: on the field, within a chief, on a fess, on a pale (pallets only,
// spread across the pale's width).
enum class PiecesPlacement { kOnTheField, kInChief, kOnFess, kOnPale };
void DrawBars(PaintState& state, PiecesPlacement placement);
// Where n bars lie on the field (DrawBars on the field): the row of each one's middle, top first,
// and their width; charges set on the bars are placed by it.
struct BarRows {
    std::vector<int> centres;
    int width = 0;
};
BarRows BarsOnTheField(const ShieldGeometry& geometry, int n);
void DrawPallets(PaintState& state, PiecesPlacement placement);
// What DrawCotises is asked to draw: the cotises of `shape` standing at `position`, `count` on
// each side (clamped to one to three), in `tincture` and `line`, each `breadth` across (0: the
// cotise's own).
// Which sides of a fess its cotises lie on: both, or only one ("a fess between in chief a bar").
enum class CotiseSides { Both, ChiefSide, BaseSide };
struct CotiseRequest {
    ShapeCode shape = ShapeCode::kNoShape;
    OrdinaryPosition position = OrdinaryPosition::Usual;
    int count = 1;
    int tincture = -1;
    BandLine line{};
    int breadth = 0;
    // The field's partition and the treatment the cotises' bands are drawn with.
    ShapeCode field = ShapeCode::kNoShape;
    OrdinaryTreatment treatment = OrdinaryTreatment::kNone;
    CotiseSides sides = CotiseSides::Both;
};
// The cotises the state holds for the ordinary it draws: shapeCode, position, the cotise fields
// (count, tincture, line and its pieces, breadth), partitionCode and ordinaryTreatment.
CotiseRequest CotisesOf(const PaintState& state);
// Draws the request's cotises in its tincture; the level's own tincture is as it was after.
void DrawCotises(PaintState& state, const CotiseRequest& request);
// Spends the cotises the state holds once they are drawn: no count, a plain cotise line of no
// pieces, and a plain line for the shape.
void SpendCotises(PaintState& state);
// DrawCotises(state, CotisesOf(state)), then SpendCotises.
void DrawAndSpendCotises(PaintState& state);
// The narrow band of `tincture` along the plain line of the field's partition (partitionCode),
// itself untreated:
// "per pale fimbriated or". A line it cannot follow is told, not drawn.
void DrawLineFimbriation(PaintState& state, int tincture);
void DrawFret(PaintState& state);
// A fret filling the box from (x, y), w wide and h high ("in the second and third quarters a
// fret"), its bands as much narrower as the box is than the shield.
void DrawFretIn(PaintState& state, int x, int y, int w, int h);
void DrawFretty(PaintState& state);
// Fretty in a lattice fitted to a narrow ordinary: bars at 45 degrees both ways, `pitch` pixels
// apart along a row, each as broad for its pitch as the field's fretty bars are for theirs.
void DrawFrettyWithPitch(PaintState& state, int pitch);
// The dexter flaunch's edge, a cubic from (x0, y0) to (x3, y3), filled to the dexter flank; with
// `pair` its fellow on the sinister side as well.
void DrawFlaunchCurve(PaintState& state, int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3, bool pair = true);
// The variant of a single flaunch or flasque on the sinister side ("a flaunch sinister"); one
// with no side given is the dexter one.
inline constexpr std::string_view kSinisterSideVariant = "si";

}  // namespace esc
