#pragma once
// A group of several kinds of charge on the field, read as one phrase per kind: "a mullet, a
// crescent and an escallop", "a lion's face and two swords". The group is set out as a group of
// its whole count would be, and each phrase takes the next of those places.

#include <vector>

#include "interpret/layout/Layouts.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// The places of a group of `count` charges alone on the field, in the order the members take
// them: two in fess, three as three of one kind (two and one, or following the partition), more
// in the rows heralds use.
std::vector<LayoutSpot> MixedGroupSpots(DrawingState& state, int count);

// The places of `count` charges set in a line along a pale, fess, bend or bend sinister (the
// ordinary's shape), from the chief or the dexter; empty for another shape.
std::vector<LayoutSpot> SpotsInLine(const ShieldGeometry& geometry, ShapeCode code, int count);

// The counts of the phrases of charges that follow from word `i` joined by "and" or a comma,
// to the end of the words; empty when something else follows them (an ordinary, a relation,
// another arrangement), which the group would have to make room for.
std::vector<int> MembersFollowing(const DrawingState& state, int i);
// The line ("in pale", "in bend sinister") written after the last of those members, when nothing
// but a tincture follows it: the shape code of the ordinary it follows; -1 for none.
int LineAfterTheMembers(const DrawingState& state, int i);

// The rows ("two and one") written at word i after the last member of such a group, when
// nothing but a tincture follows them; empty for none.
std::vector<int> RowsEndingTheGroup(const DrawingState& state, int i);

// Places the current level when it is a member of such a group on the field, or in a line
// ("in pale two mullets and a crescent"): the first member when members follow it, or a later
// one of a group still open. False, drawing nothing,
// otherwise.
bool MixedGroupLayout(DrawingState& state, int nextWord);

}  // namespace esc
