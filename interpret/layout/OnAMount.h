#pragma once
// "Or a hen sable on a mount vert", "Or on a mount vert a hen sable": the mount lies in base
// across the shield and the charge stands on it, above it (both were drawn at the centre, the
// mount over the hen; named first, the mount floated in the middle with the hen inside it).

#include <string_view>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// The share of the field's height the mount takes in base, and the rows the charge above it has.
inline constexpr int kMountHeightPercent = 30;

// "mount", "mounts" or "molehill": the charge words a charge can stand on.
bool IsMountName(std::string_view word);

// Whether the current level is one charge standing on the mount named before it ("on a mount
// vert a castle gules", "a mount vert thereon a castle"): the mount first, read with "on" or
// charged with the charge, laid in base by OnAMountLayout.
bool StandsOnTheMountBefore(const DrawingState& state);

// "on a base ... a mount vert thereon a tree", "a lion on a mount ... charged with": one charge
// charged on a single mount already placed stands on the mount's summit (it was drawn within
// the mount, half its size), kept below a chief. False, drawing nothing, for any other level.
bool StandOnTheMountBeneath(DrawingState& state);

// Draws the current level when it is the single charge of level 0 standing on a mount (the
// blazon goes on "on a mount" at `nextWord`), or the mount it stands on; false, drawing nothing,
// for any other level.
bool OnAMountLayout(DrawingState& state, int nextWord);

}  // namespace esc
