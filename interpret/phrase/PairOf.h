#pragma once
// "a pair of X": two of the charge, or, for wings, the one charge that is a pair of wings.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At "pair of" after "a" (or at the start of a phrase): the level's count becomes two and both
// words are read. False, reading nothing, anywhere else.
bool PairOfRule(DrawingState& state);
// "three pairs of wings": each pair is the one charge a pair of wings is, so the count stays the
// number of pairs. Only before "wings": pairs of other charges have no layout of their own.
bool PairsOfWingsRule(DrawingState& state);
// "Or, flaunches gules": flaunches named with no count are the pair they always are. At such a
// plural opening a phrase, the level's count becomes two; the word itself is read as usual.
void BarePairRule(DrawingState& state);

}  // namespace esc
