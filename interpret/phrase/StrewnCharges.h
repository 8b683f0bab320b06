#pragma once
// The charges of a semé strewn over the room its ground was painted in: a grid of small charges
// over the room's box, each cut by the room's edge, as a semé lies on a chief, a bend or one part
// of a divided field.

#include "engine/SurfaceFill.h"
#include "interpret/model/Treatment.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// Strews the charges of every semé in `treatment`, painted by `request` a moment ago, over the
// pixels each semé's ground took. The current level is lent to the charges and given back.
void StrewSemes(DrawingState& state, const model::Treatment& treatment, const SurfacePaintRequest& request);

}  // namespace esc
