#pragma once
// The outline of the current level's drawing as the painter will paint it, for fitting it on an
// ordinary.

#include <utility>
#include <vector>

#include "interpret/layout/Placement.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The outline of a drawing as the painter will paint it, per unit of charge scale: the first and
// last drawn pixel of every other row and column, turned as `turn` says, mirrored as asked (and
// for sinister hands) and reversed as the words say;
// and its half extents along its own two axes, which lie along the painted directions u and v.
struct ChargeSilhouette {
    std::vector<std::pair<float, float>> points;
    float halfAlongU = 0, halfAlongV = 0;
    float ux = 1, uy = 0, vx = 0, vy = 1;
};

// The current level's outline turned as `turn` says and mirrored as asked; false when the picture
// is not known.
bool CurrentSilhouette(DrawingState& s, ChargeTurn turn, bool mirrored, ChargeSilhouette& out);

}  // namespace esc
