#pragma once
#include "interpret/DrawingState.h"

namespace esc {

// Reads the phrases after the field into levels and draws each level as it completes.
void InterpretCharges(DrawingState& state);

}  // namespace esc
