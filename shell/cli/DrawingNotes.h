#pragma once
// Short notes on what a drawing did not draw as written: the words it could not read or read
// past, the charges a question mark stood in for, the pictures that could not be read. The
// command line prints them on stderr after the drawing's own messages.

#include <cstddef>
#include <string>
#include <vector>

namespace esc {

struct DrawingTrace;

// Notes beyond this many are summed up in one line "and N more".
inline constexpr std::size_t kMaxNoteLines = 4;

// The notes of a traced drawing, in order: words not read, pictures not read, stand-ins, words
// read past, only the field painted. Each is one line without the "note: " before it.
std::vector<std::string> DrawingNotes(const DrawingTrace& trace);
// The notes as "note: ..." lines: at most kMaxNoteLines, then "note: and N more"; empty when
// there is none.
std::string NoteLines(const std::vector<std::string>& notes);

}  // namespace esc
