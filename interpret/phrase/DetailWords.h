#pragma once
// The detail words after a charge's tincture, each part with its own tincture: "armed and langued
// azure", "crowned or", "a castle gules windowed azure".

#include "interpret/phrase/DrawingState.h"

namespace esc::phrase {

// At the tincture at the cursor: reads the run of detail words after it with the tincture that
// ends the run, and leaves the cursor on that tincture. Reads nothing when no such run follows.
void ReadDetailRunAfterTincture(DrawingState& state);

}  // namespace esc::phrase
