#pragma once
// The width of a line of partition: "a fess wavy of three", "nebuly with four", "indented 10".

namespace esc {

struct DrawingState;

// Reads the count that follows each line word ("of N", "with N", or N alone, optionally
// followed by "points", "pieces" or "teeth"), keeps it as the line word's second value and takes
// the count's words out of the list, so every reader of a line finds the width beside its style.
// A count after the line of a field of pieces ("barry wavy of six") or of cotises is the pieces'
// and stays.
void ReadLineWidths(DrawingState& s);

}  // namespace esc
