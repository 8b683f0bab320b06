#pragma once
// "Three bugle-horns stringed sable", "three lilies slipped argent", "an oak tree fructed
// proper": a part of the charge named before its tincture is of that tincture, as the picture
// paints its second part when no tincture of its own is named. A picture without such a part
// draws the charge whole, and the reader is told so.

#include "interpret/phrase/DrawingState.h"

namespace esc::phrase {

// At a detail word (or a run of them joined by "and") after a charge that has no tincture yet,
// with a tincture right after the run: reads the run and leaves the cursor on the tincture.
// False, reading nothing, otherwise.
bool PartBeforeTheTinctureRule(DrawingState& state);

}  // namespace esc::phrase
