#pragma once
#include "interpret/DrawingState.h"

namespace esc {

// Reads the field at the head of the blazon (a tincture, a fur, a semé, chequy or vairé, a
// fretty field, or a partitioned field) and paints it. Leaves `cursor` on the first word after
// the field. Returns 0, or 1 after it has shown a message.
int ParseField(DrawingState& state);

}  // namespace esc
