#pragma once
// A charge picture at a paint scale other than 1: the picture k times its size, so that every
// measure taken of it (its extent, its silhouette, the room it is fitted to) and every scale
// computed from them mean at k what they mean at 1.

#include "engine/PaintState.h"

namespace esc {

// `picture` made k times its size (k > 1; the header, verdict and damage are kept). Each pixel
// takes the colour index that covers most of it when the four picture pixels around its centre
// are blended, so that the edges between the parts run smoothly rather than in blocks of k.
void ScaleChargePicture(ChargePicture& picture, double k);

}  // namespace esc
