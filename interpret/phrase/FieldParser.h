#pragma once
#include "interpret/phrase/DrawingState.h"

namespace esc {

// Reads the field at the head of the blazon (a tincture, a fur, a semé, chequy or vairé, a
// fretty field, or a partitioned field) and paints it. Leaves `cursor` on the first word after
// the field. Returns 0, or 1 after it has shown a message.
int ParseField(DrawingState& state);

// "(Fieldless) a mullet gules": the first word says the charges are drawn on no field.
bool IsFieldless(const DrawingState& state);

}  // namespace esc
