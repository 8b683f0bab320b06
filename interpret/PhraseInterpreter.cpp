#include "interpret/PhraseInterpreter.h"

namespace esc {

void InterpretCharges(DrawingState& state) { state.level = 0; }

}  // namespace esc
