#pragma once
// Single charges set in a line with the ones before them, or across the ordinary from them.

namespace esc {

struct DrawingState;

// "a bend between an oak tree and a wolf", "a fess between a crescent and a mullet": the one
// charge of the second phrase stands across the ordinary from the one charge of the first,
// which was placed round it, at the point opposite through the middle of the field and the same
// size. For the ordinaries that divide the field into two like spaces (fess, bend, bend
// sinister, pale). Returns whether it placed the phrase.
bool OppositeTheChargeBefore(DrawingState& state);

// "in pale a dagger and a stag's head", "in fess an increscent, a roundel and a decrescent": the
// first phrase sets one charge in a pale or fess, and the phrases of one charge each that follow
// it, joined by "and" or a comma, stand in the same line. Each is put where the line's charges
// would stand if all were of one kind, in the order read, the first at the top or to dexter.
// `nextWord` is the first word after the current phrase. Returns whether it placed the phrase.
bool InLineWithTheChargesBefore(DrawingState& state, int nextWord);

}  // namespace esc
