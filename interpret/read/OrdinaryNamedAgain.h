#pragma once
// "Gules a chevron between three mullets or, and on the chevron a rose gules": the charges on an
// ordinary printed after the charges about it, the ordinary named again with "the". The arms are
// those of "Gules on a chevron between three mullets or a rose gules", the form the reader takes.

#include <string>

#include "interpret/read/Vocabulary.h"

namespace esc {

// When the respelled `text` names an ordinary with "a" or "an" (not itself "on a ..."), and later
// "[and] on the X" or "[and] upon the X", X the same ordinary with nothing charged or named as an
// ordinary between, rewrites it as "on a X ..." with the later words dropped, the charges after
// them left in place. True when it did.
bool ChargesOnTheOrdinaryNamedAgain(std::string& text, const Vocabulary& vocabulary);

}  // namespace esc
