#pragma once
// The layout tables: positions and scales of a level's charges by count, by the ordinary they
// lie on or between, and by the partition of the field. Each sets the placement point and
// scale and calls PlaceCharge once per charge. Counts a table does not name are fitted to the
// free space (FitLayout.h) or, where nothing fits, reported by ArrangeLevel.

#include <array>
#include <span>

#include "engine/ChargeSpot.h"
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
// Charges on, or in the direction of, the ordinary named by shapeCode.
void ChargesOnOrdinary(DrawingState& state);

// The direction code of "in the second and third quarters": no shape has it.
inline constexpr int kInNamedQuarters = 40;
// "an escallop in the chief point between two bendlets": the chief end of the space between the
// bendlets, on the bend's line toward the dexter chief; no shape has the code either.
inline constexpr int kInChiefPointBetweenBendlets = 41;
// The directions "in base", "in dexter chief" and "in sinister chief" (also "in the first / second
// quarter"): charges set there, no shape drawn (27 is the bendlets sinister's shape code too).
inline constexpr int kInBase = 17;
inline constexpr int kInDexterChief = 26;
inline constexpr int kInSinisterChief = 27;
// "in dexter base", "in sinister base" (the third and fourth quarters): no shape has these codes.
inline constexpr int kInDexterBase = 52;
inline constexpr int kInSinisterBase = 53;
// "in dexter", "in sinister" (the halves of the field, as a field per pale has them): no shape
// has these codes either.
inline constexpr int kInDexterHalf = 54;
inline constexpr int kInSinisterHalf = 55;
// "at the honour point", "in the nombril point": the points of the pale line above and below the
// fess point, where one charge stands; no shape has these codes.
inline constexpr int kInHonourPoint = 56;
inline constexpr int kInNombrilPoint = 57;
// "three annulets one within the other": one centre, each inside the one before; no shape has
// this code.
inline constexpr int kOneWithinTheOther = 60;
// "a chevron inverted between the arms a mullet": the direction of the space between a chevron's
// limbs, under its point or above the point of one inverted; no shape has these codes.
inline constexpr int kBetweenTheArms = 50;
inline constexpr int kBetweenTheArmsInverted = 51;

}  // namespace esc
