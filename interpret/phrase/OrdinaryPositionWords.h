#pragma once
// The position words after an ordinary: "a fess enhanced", "a chevron abased", "a pale couped"
// (humetty and dehanced are respelled couped and abased before the lookup). The position is
// handed to the shape with the ordinary; a position the shape cannot take, or one that a layout
// of charges about or on the ordinary would not follow, is left unread.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// At a position word W+k after the ordinary of the current level: reads it. False, reading
// nothing, anywhere else.
bool ReadOrdinaryPosition(DrawingState& state, int k);
// The rule loop's form: W+0, the cursor stepped past it.
bool OrdinaryPositionRule(DrawingState& state);
// "a fess embattled and wavy": a line, "and", a line after the ordinary of the current level,
// one for each side. False, reading nothing, anywhere else.
bool TwoLinesRule(DrawingState& state);
// "a fess indented on the upper side and wavy on the lower": the same, each line given its side
// (upper or lower, dexter or sinister), in either order.
bool TwoSidesRule(DrawingState& state);
// "a chief enarched" (its lower edge one arch, rising to the middle), "a chief triangular" (one
// point in the middle): the chief's lower edge as a line of one repeat across the shield.
bool ChiefEdgeRule(DrawingState& state);
// "a saltire nowy", "a fess nowy", "a chief nowy": the ordinary with a round boss at its middle
// (the level's variant); a shape that takes none leaves the word unread.
bool NowyRule(DrawingState& state);
// "a pale fusilly gules", "a fess masculy": the ordinary as lozenges conjoined along it, fusils or
// mascles (the level's variant). Not before two tinctures ("a pale fusilly or and gules" is the
// pattern on the pale).
bool ConjoinedLozengesRule(DrawingState& state);
// The position word after a partition's name ("per fess enhanced"), at word `at`; the position
// the field's partition is drawn in, Usual when the word is none or the partition cannot take it.
OrdinaryPosition PartitionPositionAt(const DrawingState& state, int at);

}  // namespace esc
