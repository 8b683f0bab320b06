#pragma once
// "Argent ten torteaux a label of three points azure", "Or six annulets sable a chief gules":
// charges on the field with a label or a chief named after them are laid out in the room below
// the label's points or the chief, as heralds set them (the label or the chief, painted last, hid
// the top row of torteaux).

#include <string_view>

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Clear of the label's points, or of the chief's lowest row, by this many rows.
inline constexpr int kClearOfTheLabel = 6;
inline constexpr int kClearOfTheChief = 6;
inline constexpr int kClearOfTheBordure = 4;

// The first row below a chief or a canton named after the current level's charges ("a chief
// azure", "on a chief ..."; not "in chief"), or below a label named after two or more of them; 0
// when none follows, when the label lies on a chief, and for charges strewn over the field.
int RoomTopBelowALaterChiefOrLabel(const DrawingState& state);

// How far inside the shield's edge a bordure named after the current level's charges on the field
// keeps them ("ten torteaux within a bordure azure"; not a bordure each charge is charged with);
// 0 when none follows, and for charges strewn over the field.
int RoomInsetWithinALaterBordure(const DrawingState& state);

// What the text of a long blazon's later pieces names that takes room from the charges laid out
// on the field before it: a chief, a canton, a label, a bordure, found as the scans above find them.
LaterClauses LaterClausesIn(std::string_view text, const Vocabulary* vocabulary);

}  // namespace esc
