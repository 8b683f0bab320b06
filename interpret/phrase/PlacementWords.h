#pragma once
// Placement constructions that say where a level's charges go beyond a single direction: a
// count split between chief and base, a place named in the chief, the charges of a named piece.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// "a chevron between ten crosses six in chief and four in base": at the first number after a
// level of charges between a fess or chevron whose count the two numbers make up. The split is
// kept for the layout and every word read. False, reading nothing, otherwise.
bool SplitRowsRule(DrawingState& state);

// "a fess between three mascles two and one or": after three charges between a fess or a
// chevron, the rows "two and one" are the ones the layout between them sets (two above, one
// below); read. False, reading nothing, otherwise.
bool BetweenRowsRule(DrawingState& state);

// "three tilting spears two and one or headed argent": rows written before a tincture and its
// detail words that are the very rows the plain field's layout gives that count. They are read,
// and the phrase goes on to its tincture and details (rows written otherwise are drawn at once by
// the number rule, before any detail is read).
bool UsualRowsRule(DrawingState& state);

// "a mullet, a crescent and an escallop two and one gules": at the rows after the last member of
// a group of several kinds whose first member was laid out in those rows (the usual rows of the
// group's whole count). They are read; the member takes its place in them. False, reading
// nothing, otherwise.
bool MixedGroupRowsRule(DrawingState& state);

// "a saltire engrailed cantoned with four roses gules": four charges, one in each angle of a cross
// or saltire, which is what "between" lays out round those two. At "cantoned" after the
// ordinary; the cursor is left on "with", read as "between" is. False, reading nothing, otherwise.
bool CantonedRule(DrawingState& state);
// "in the first quarter a sword in pale": one charge already placed in a named quarter stays
// there, upright as its picture stands ("in pale" of one charge is its posture, not a place).
bool InPaleInItsQuarterRule(DrawingState& state);

// "a saltire and chief gules the latter charged with three mullets": "the latter" (or "the
// last") before "charged with" when the current level is the second of two ordinaries: the
// charges lie on it, which the charged-with rule then does. False, reading nothing, otherwise.
bool TheLatterRule(DrawingState& state);

// "two lions combatant or supporting a sword", "a tower argent supported by two lions or": the
// pair stands either side of the one charge, facing it, the charge between them. At
// "supporting" after a pair, or "supported by" after one charge, with the other phrase to come.
bool SupportRule(DrawingState& state);
// Before a level is drawn: when it is the supporting pair, its two charges face each other (the
// dexter one turned), and "supported by" counts as read.
void PrepareSupporters(DrawingState& state);
// Draws the charge that the pair supports between their two placements; false for any other level.
bool HeldBetweenLayout(DrawingState& state);

// "an escallop in the chief point sable": the charge at the chief point, the middle of the chief.
// At "in" after a phrase's charge. False, reading nothing, otherwise.
bool InTheChiefPointRule(DrawingState& state);
// At the end of the words, a last phrase with a count and a name but no tincture whose charge has
// one of its own ("in the dexter chief an ermine spot": an ermine spot is sable) is drawn in it,
// as is one proper from the word before its charge ("a natural tortoise").
void CompleteInItsOwnTincture(DrawingState& state);

}  // namespace esc
