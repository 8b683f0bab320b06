#pragma once
// "a pair of X": two of the charge, or, for wings, the one charge that is a pair of wings.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At "pair of" after "a" (or at the start of a phrase): the level's count becomes two and both
// words are read. False, reading nothing, anywhere else.
bool PairOfRule(DrawingState& state);
// "three pairs of wings": each pair is the one charge a pair of wings is, so the count stays the
// number of pairs. Only before "wings": pairs of other charges are read crossed, below.
bool PairsOfWingsRule(DrawingState& state);
// "three pairs of keys in saltire", "three pair of arrows inverted in saltire": after a count,
// "pairs of" before a charge that the same phrase crosses ("in saltire", "in cross") makes each
// of the counted members two crossed charges; the count stays the number of pairs, and the
// crossing words are read by ReadPairCrossing. "three pairs of keys addorsed" (or "..., each pair
// addorsed", "combatant"): each member two charges side by side, the turn read ahead. False,
// reading nothing, when neither follows (pairs conjoined have no layout of their own and stay
// unread).
bool PairsOfCrossedRule(DrawingState& state);
// At "addorsed" or "combatant" (or "each pair" before it) read ahead with "pairs of": passes over
// the words. False, reading nothing, anywhere else.
bool ReadPairTurn(DrawingState& state);
// At "in saltire" or "in cross" (the cursor on the shape's word) for a level whose pairs are
// named and not yet crossed: the words cross each pair instead of arranging the group.
bool ReadPairCrossing(DrawingState& state, ShapeCode toward);
// "Or, flaunches gules": flaunches named with no count are the pair they always are. At such a
// plural opening a phrase, the level's count becomes two; the word itself is read as usual.
void BarePairRule(DrawingState& state);

}  // namespace esc
