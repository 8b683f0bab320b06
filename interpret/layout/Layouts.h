#pragma once
// The layout tables: positions and scales of a level's charges by count, by the ordinary they
// lie on or between, and by the partition of the field. Each sets the placement point and
// scale and calls PlaceCharge once per charge. Counts a table does not name are fitted to the
// free space (FitLayout.h) or, where nothing fits, reported by ArrangeLevel.

#include <array>
#include <span>

#include "engine/ChargeSpot.h"
#include "interpret/layout/Place.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// One charge alone on the field.
inline constexpr float kAloneScale = 2.4f;

// A charge's place and scale in a fixed table: a spot as every layout gives them, as drawn
// (no turn, mirror or flip) unless the table says.
using LayoutSpot = ChargeSpot;
// Three charges two and one on a plain field: alone on it, or round a charge between them.
std::array<LayoutSpot, 3> TwoAndOneSpots(const ShieldGeometry& geometry, bool alone);
// Where three charges stand on the field as the partition sets them (two and one on a plain
// field), `alone` when no charges were laid before them; `fixed` is false for the plain two and
// one, whose long drawings may grow.
std::array<LayoutSpot, 3> ThreeChargeSpots(const DrawingState& state, bool alone, bool& fixed);
// Four charges in the corners of the field.
std::array<LayoutSpot, 4> FourCornerSpots(const ShieldGeometry& geometry, float scale);

// Charges on the plain field: counts 1 to 4 by the table, more in rows (FieldRowsLayout).
void FieldLayout(DrawingState& state);
// Counts 2, 3, 4, 6, 8 and 10; three charges follow the partition.
void ThreeLayout(DrawingState& state);
// 54 charges over the whole shield.
void SemeeLayout(DrawingState& state);
// 4, 8 or 12 charges round the edge.
void OrleLayout(DrawingState& state);
// Rows of charges, top row first ("three, two and one").
void RowLayout(DrawingState& state, std::span<const int> rows);
// Charges on, or in the direction of, the ordinary `toward` names, or in the place it names.
void ChargesOnOrdinary(DrawingState& state, Direction toward);
// Charges on the ordinary the state's shape names.
void ChargesOnOrdinary(DrawingState& state);

}  // namespace esc
