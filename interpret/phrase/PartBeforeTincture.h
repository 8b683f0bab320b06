#pragma once
// "Three bugle-horns stringed sable", "three lilies slipped argent", "an oak tree fructed
// proper": a part of the charge named before its tincture is of that tincture, as the picture
// paints its second part when no tincture of its own is named. A picture without such a part
// draws the charge whole, and the reader is told so.

#include <string>

#include "interpret/phrase/DrawingState.h"

namespace esc::phrase {

// At a detail word (or a run of them joined by "and") after a charge that has no tincture yet,
// with a tincture right after the run: reads the run and leaves the cursor on the tincture.
// False, reading nothing, otherwise.
bool PartBeforeTheTinctureRule(DrawingState& state);

// After the detail words `said` gave the current level's part `tincture` ("a castle gules hilted
// or"): when its picture has no such part, the reader is told the words are read, not drawn
// (not for sable, which the picture's lines show).
void TellWhenThePartIsNotDrawn(DrawingState& state, const std::string& said, int tincture);

// Tells that the detail words `said` (a castle "windowed", a dart "feathered") are read, not
// drawn: the current level's picture has no such part.
void TellThePartIsNotDrawn(DrawingState& state, const std::string& said);

}  // namespace esc::phrase
