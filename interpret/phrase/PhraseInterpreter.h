#pragma once
// The phrase interpreter: the words after the field, read left to right into levels. A level is
// one phrase of the blazon (an ordinary, or a group of like charges); it is drawn the moment it
// is complete, so later phrases paint over earlier ones.

#include "interpret/phrase/DrawingState.h"

namespace esc {

// Reads the phrases after the field into levels and draws each level as it completes. At most
// kMaxLevels levels are held: reading stops when the tenth level has been drawn, and the words
// after it are not read.
void InterpretCharges(DrawingState& state);
// Reads the words now in the slots, a later piece of a long blazon, on from the levels the pieces
// before left: the levels, the named tinctures and the picture are kept.
void InterpretLaterPiece(DrawingState& state);
// The rule loop from the cursor to the end of the words in the slots, then the level the words
// left open.
void ReadPhrasesFromTheCursor(DrawingState& state);
// All ten level records back to their reset values; the placement ring, the picture count, the
// bendwise flag and the orle flag cleared.
void ResetLevels(DrawingState& state);
// Draws and closes the current level and steps the cursor back one word. A level without a
// count is not drawn: its tincture is cleared and it stays current.
void CompleteLevel(DrawingState& state);

}  // namespace esc
