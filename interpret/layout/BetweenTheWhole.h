#pragma once
// "Two arrows in saltire surmounted of a fess between three buckles", "a sword surmounted by a
// crescent between two mullets", "an anchor ensigned with a crown between three mullets": the
// charges after "between" stand about the whole the two phrases before them make, the principal
// charge or group with what lies over it, about it or above it, not about the last phrase alone.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At a later level marked between after "all" or "the whole" ("two bendlets, the whole between
// two mascles"): places its charges about the last ordinary drawn, and says true. Else, at the
// third level, marked between, whose second level is joined to the first by a relation
// (surmounting it, about it, ensigning or enfiling it, held by it): places the level's charges
// round the ordinary of the two, or round the principal charge, and says true; false, placing
// nothing, otherwise.
bool BetweenTheWholeLayout(DrawingState& state);

// At the first level: whether the phrase after it is joined to it by such a relation and is
// followed at once by "between", so that the charge is drawn as a principal one, leaving room
// for the charges round it.
bool BetweenFollowsTheJoinedPhrase(const DrawingState& state);

// "Five pellets between two bendlets", "three mullets between two pallets": charges with two
// narrow pieces about them stand in the pieces' line (in bend, in pale, in fess, in chevron), the
// pieces their cotises. At a group of two or more charges whose phrase ends at such a "between"
// (`next` is where reading stopped): sets the group in that line, as "in bend" would.
void InTheLineOfTwoPiecesAbout(DrawingState& state, int next);

}  // namespace esc
