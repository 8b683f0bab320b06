#pragma once
// Ordinaries made of lozenges conjoined along their axes: "a pale fusilly" (fusils, narrow
// lozenges), "a fess masculy" (mascles, lozenges voided). The reader marks the ordinary by the
// level's variant; the lozenges are computed from the ordinary's own axes and breadth.

#include <string_view>
#include <vector>

#include "engine/Ordinaries.h"
#include "engine/PaintState.h"

namespace esc {

inline constexpr std::string_view kFusillyVariant = "fu", kMasculyVariant = "ma";
// "a chevron of five lozenges": lozenges (not fusils) conjoined; the count, when the blazon gives
// one, is the level's line repeats (an ordinary of lozenges has no line of its own).
inline constexpr std::string_view kOfLozengesVariant = "lz";

// One lozenge: its centre, the unit direction of its long axis, and its half-extents along that
// axis and across it.
struct Lozenge {
    double cx = 0, cy = 0, ux = 1, uy = 0, halfLength = 0, halfBreadth = 0;
    // Whether (x, y) lies within it (`scale` 1: the whole lozenge; below 1: a smaller one about
    // the same centre, as the void of a mascle).
    bool Contains(double x, double y, double scale = 1.0) const;
};

// The lozenges of the ordinary of shapeCode (fess, bend, bend sinister, pale, chevron, cross,
// saltire) on geometry g, fusils (long and narrow) or lozenges; empty for any other shape.
// With `count` above 0 the ordinary is of that many, stretched along its limbs to reach its
// ends (a chevron: one at the apex, the rest shared by the limbs; a cross or saltire: one at the
// crossing, the rest shared by the four limbs).
std::vector<Lozenge> ConjoinedLozenges(const ShieldGeometry& g, ShapeCode shapeCode, bool fusils, int count = 0);
// The share of a mascle's size that is voided.
inline constexpr double kMascleVoid = 0.5;
// Where two lozenges of `all` meet point to point (within a pixel's rounding), a small lozenge
// over the meeting, as far into each as `kMascleJoin` of its reach toward the other: mascles
// conjoined are drawn overlapping there, so that their thin points join as one piece.
inline constexpr double kMascleJoin = 0.3;
std::vector<Lozenge> JointsOfConjoined(const std::vector<Lozenge>& all);

// Whether the shape of shapeCode is drawn of lozenges conjoined; and the reader's test of the
// same before it takes the word.
bool ShapeTakesLozenges(ShapeCode shapeCode);
bool DrawnAsLozenges(const PaintState& state, ShapeCode shape);
// The current level's ordinary as lozenges (mascles when its variant is masculy), in the level's
// tincture, with its cotises.
void DrawConjoinedLozenges(PaintState& state, const ShapeOutline& outline);

}  // namespace esc
