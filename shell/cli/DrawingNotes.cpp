#include "shell/cli/DrawingNotes.h"

#include "interpret/Trace.h"
#include "shell/cli/Coverage.h"

namespace esc {

std::vector<std::string> DrawingNotes(const DrawingTrace& trace) {
    const CoverageLine reading = MeasureTrace(trace, BlazonLine{});
    std::vector<std::string> notes;
    for (const std::string& word : reading.missingWords) notes.push_back("not read: \"" + word + "\"");
    for (const std::string& picture : reading.unreadablePictures) notes.push_back("cannot read picture " + picture);
    for (const std::string& charge : reading.standInCharges)
        notes.push_back("no picture of \"" + charge + "\": a question mark stands in");
    for (const std::string& word : reading.ignoredWords) notes.push_back("\"" + word + "\" read past");
    if (reading.fieldOnly) notes.emplace_back("only the field was painted");
    return notes;
}

std::string NoteLines(const std::vector<std::string>& notes) {
    std::string out;
    // The last line would say "and 1 more": the note itself takes no more room.
    const std::size_t shown = notes.size() <= kMaxNoteLines + 1 ? notes.size() : kMaxNoteLines;
    for (std::size_t i = 0; i < shown; ++i) out += "note: " + notes[i] + "\n";
    if (shown < notes.size()) out += "note: and " + std::to_string(notes.size() - shown) + " more\n";
    return out;
}

}  // namespace esc
