#include "shell/cli/DrawingNotes.h"

#include <algorithm>

#include "interpret/read/TextOps.h"
#include "interpret/trace/Trace.h"
#include "shell/cli/Coverage.h"

namespace esc {
namespace {

// Whether `text` holds `word` as one of its words after the first, in any case.
bool HoldsAsLaterWord(const std::string& text, const std::string& word) {
    const std::string lower = ToLower(text);
    for (std::size_t at = lower.find(word); at != std::string::npos; at = lower.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if (at > 0 && lower[at - 1] == ' ' && (end == lower.size() || lower[end] == ' ')) return true;
    }
    return false;
}

}  // namespace

std::vector<std::string> DrawingNotes(const DrawingTrace& trace) {
    const CoverageLine reading = MeasureTrace(trace, BlazonLine{});
    std::vector<std::string> notes;
    for (const std::string& word : reading.missingWords) notes.push_back("not read: \"" + word + "\"");
    for (const std::string& picture : reading.unreadablePictures) notes.push_back("cannot read picture " + picture);
    for (const std::string& charge : reading.standInCharges) {
        // A level of words the vocabulary does not hold is named by its words, already quoted.
        const std::string named = !charge.empty() && charge[0] == '"' ? charge : "\"" + charge + "\"";
        notes.push_back("no picture of " + named + ": a question mark stands in");
    }
    for (const std::string& word : reading.ignoredWords) {
        // The attitude of a charge with no picture is read past with it: its note says so.
        const bool inStandIn = std::any_of(reading.standInCharges.begin(), reading.standInCharges.end(),
                                           [&](const std::string& charge) { return HoldsAsLaterWord(charge, word); });
        if (!inStandIn) notes.push_back("\"" + word + "\" read past");
    }
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
