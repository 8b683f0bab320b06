#pragma once
// One charge with others round it ("Argent a greyhound courant sable between three escallops
// gules"): the charge in the middle is the principal one and is drawn larger than those round it,
// as large as their places leave room for.

#include <vector>

#include "interpret/phrase/DrawingState.h"
#include "interpret/layout/Layouts.h"

namespace esc {

// The usual scale of a charge with others round it, kept when no larger one fits.
inline constexpr float kBetweenOthersScale = 1.0f;
// Pixels kept between the charge's box and the boxes of those round it.
inline constexpr int kClearOfOthers = 6;

// The scale of the current level's one charge, at the fess point, with the next level's charges
// to stand round it: the largest, up to a charge alone's, whose drawing keeps clear of the boxes
// those charges will take (each as large as the largest picture at its scale), and never below
// kBetweenOthersScale. Three (two in the chief's corners, one in base), four (in the corners) or five on
// a plain field have such places (AroundPrincipalSpots), and two at the flanks of an upright
// drawing; other counts, long drawings between two and parted fields keep kBetweenOthersScale.
// The drawing is measured row by row, so a lion's raised paws may reach between the two in chief
// where its box would not. `roundCount` is the count of charges that are to take
// AroundPrincipalSpots (0 when none).
float PrincipalChargeScale(DrawingState& state, int& roundCount);
// Where two to five charges stand round a principal charge: at its flanks, or tucked into the
// corners, flanks and base, small beside it, so that it keeps most of the field. Empty for other
// counts.
std::vector<LayoutSpot> AroundPrincipalSpots(const ShieldGeometry& geometry, int count);
// Whether the current level's charges stand round the one charge level 0 placed at the fess
// point (with its size from PrincipalChargeScale): then they take AroundPrincipalSpots.
bool StandsRoundThePrincipal(const DrawingState& state);
// How many charges the phrase after the current level's "between" names: its number, 1 for "a"
// or "an", 2 for two single charges joined by "and" ("between a mullet and a crescent"), 0 when
// no "between" follows in the level's words, no count is written, or the phrase names more
// groups or places of their own ("in chief", "and") before its tincture.
int CountBetweenAfter(const DrawingState& state);

}  // namespace esc
