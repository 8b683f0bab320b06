#pragma once
// Ordinaries bowed into one arch across the shield, rising to the middle: "a base enarched" (its
// upper edge the arch) and "a fess enarched" (both edges the arch, its breadth kept); "a chevron
// enarched" has each limb bowed up between its apex and the flank. The reader
// marks them by the level's variant. (A chief enarched is the chief whose lower edge carries the
// one-arch line.)

#include <string_view>

#include "engine/Ordinaries.h"
#include "engine/PaintState.h"

namespace esc {

inline constexpr std::string_view kEnarchedVariant = "en";

// How high the arch rises at the middle above its feet at the flanks: this share of the shield's height.
inline constexpr int kEnarchedRisePercent = 11;
// Voided or fimbriated, the edge along each arch is this deep (with a second edge, the deeper).
inline constexpr int kEnarchedEdge = 5, kEnarchedDoubleEdge = 8;

// The row of the arch at column x: its feet at row `foot` on the flanks (x = 0 and x = W), its
// crown `rise` rows higher at the middle, a circle's arc between.
double ArchRow(const ShieldGeometry& g, double foot, double rise, double x);

bool DrawnEnarched(const PaintState& state, ShapeCode shape);
void DrawEnarched(PaintState& state, const ShapeOutline& outline);

}  // namespace esc
