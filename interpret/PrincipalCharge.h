#pragma once
// One charge with others round it ("Argent a greyhound courant sable between three escallops
// gules"): the charge in the middle is the principal one and is drawn larger than those round it,
// as large as their places leave room for.

#include "interpret/DrawingState.h"

namespace esc {

// The usual scale of a charge with others round it, kept when no larger one fits.
inline constexpr float kBetweenOthersScale = 1.0f;
// Pixels kept between the charge's box and the boxes of those round it.
inline constexpr int kClearOfOthers = 6;

// The scale of the current level's one charge, at the fess point, with the next level's charges
// to stand round it: the largest, up to a charge alone's, whose box keeps clear of the boxes those
// charges will take (each as large as the largest picture at its table's scale), and never below
// kBetweenOthersScale. Three (two and one) or four (in the corners) on a plain field have such a
// table; other counts and parted fields keep kBetweenOthersScale.
float PrincipalChargeScale(DrawingState& state);
// How many charges the phrase after the current level's "between" names: its number, 1 for "a"
// or "an", 0 when no "between" follows in the level's words or no count is written.
int CountBetweenAfter(const DrawingState& state);

}  // namespace esc
