#pragma once
// "three cinquefoils each within an annulet", "three annulets each enclosing a mullet": the
// relation "within" held by every charge of a group, one ring about each. The rings take the
// spots the group would take alone; each inner charge stands in its ring's hole, as large as the
// hole holds it. The words written either way round make the same drawing.

#include <optional>

#include "interpret/phrase/DrawingState.h"
#include "interpret/phrase/RelationWords.h"

namespace esc {

// The relation words after "each" at word `each` when they set a charge within a ring, one for
// every charge ("each within an annulet", "each environed of an annulet", "each enclosing a
// mullet"); nothing otherwise.
std::optional<RelationWords> EachRingRelationAt(const DrawingState& state, int each);

// Whether "each" at word `each` opens such relation words with a phrase after them that this
// layout draws: an annulet after "within", a charge after "enclosing" when the group before is
// of annulets.
bool IsEachInARing(const DrawingState& state, int each);

// Draws the current level when it is one part of such a pair: the group set each within a ring
// (level 0), the rings about them (level 1), or the charges each enclosed by a group of annulets
// before them (level 1). False, drawing nothing, for any other level.
bool EachWithinARingLayout(DrawingState& state, int nextWord);

}  // namespace esc
