#include "interpret/read/OrdinaryNamedAgain.h"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "interpret/read/TextOps.h"

namespace esc {
namespace {

const VocabularyRow* RowOfTheWordNamedAgain(const Vocabulary& vocabulary, std::string_view word) {
    return vocabulary.Lookup(LookupKey(word));
}

bool NamesAnOrdinary(const Vocabulary& vocabulary, std::string_view word) {
    const VocabularyRow* row = RowOfTheWordNamedAgain(vocabulary, word);
    return row != nullptr && row->type == kTypeOrdinary;
}

// "sinister" is an ordinary's row of its own, but after "bend" it only turns the bend.
bool TurnsTheOrdinary(std::string_view word) { return EqualsIgnoringCase(word, "sinister"); }

// Words after which the charges that follow are no longer those about the first ordinary: a
// surface charged, or a charge laid over or around the rest.
bool EndsTheOrdinarysCompany(std::string_view word) {
    return EqualsOneOfIgnoringCase(word, "on|upon|charged|over|overall|surmounted|debruised|within");
}

}  // namespace

bool ChargesOnTheOrdinaryNamedAgain(std::string& text, const Vocabulary& vocabulary) {
    const std::vector<std::string_view> words = BlankPartedWords(text);
    // The first ordinary named with its article.
    std::size_t first = 0;
    while (first + 1 < words.size() &&
           !(EqualsOneOfIgnoringCase(words[first], "a|an") && NamesAnOrdinary(vocabulary, words[first + 1])))
        ++first;
    if (first + 1 >= words.size()) return false;
    if (first > 0 && EqualsOneOfIgnoringCase(words[first - 1], "on|upon")) return false;
    const std::string_view ordinary = words[first + 1];
    // "on the X" with a charge after it, nothing between that charges or names another ordinary.
    std::size_t again = first + 2;
    for (; again + 3 < words.size(); ++again) {
        if (EqualsOneOfIgnoringCase(words[again], "on|upon") && EqualsIgnoringCase(words[again + 1], "the") &&
            EqualsIgnoringCase(words[again + 2], ordinary))
            break;
        if (EndsTheOrdinarysCompany(words[again])) return false;
        if (NamesAnOrdinary(vocabulary, words[again]) && !TurnsTheOrdinary(words[again])) return false;
    }
    if (again + 3 >= words.size()) return false;
    const std::size_t dropFrom = EqualsIgnoringCase(words[again - 1], "and") ? again - 1 : again;
    std::string out;
    const auto append = [&out](std::string_view word) {
        if (!out.empty()) out += ' ';
        out += word;
    };
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i == first) append("on");
        if (i >= dropFrom && i < again + 3) continue;
        append(words[i]);
    }
    text = std::move(out);
    return true;
}

}  // namespace esc
