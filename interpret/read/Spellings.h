#pragma once
// The first reading of a blazon: the ways armorials print the program's words, read as those
// words before anything is looked up. Abbreviations with or without their full stop ("gu.",
// "betw."), colour names in English ("silver"), old spellings ("cheveron"), accent markups
// ("{e'}") and accented letters, curly quotes, and the phrases that say what a shorter one says
// ("party per pale"). The rows are data, kept with the vocabulary (data/vocabulary/*.spellings);
// this is only the way they are applied.
//
// Punctuation never changes what a blazon says: commas, semicolons, full stops, parentheses,
// brackets, quotes and dashes all part words as a blank does. A hyphen between two letters stays
// (the normaliser joins "demi-lion" into one word), an apostrophe inside a word stays ("lion's"),
// and a colon stays on the word before it, since the marshalled texts' labels are written so
// ("1&4:").

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace esc {

enum class SpellingKind {
    Mark = 1,   // characters anywhere in the text (accents, quotes, dashes)
    Words = 2,  // whole words, one or more, read whatever their case and the punctuation between them
};

struct SpellingRow {
    SpellingKind kind = SpellingKind::Words;
    // Marks: the characters as they are typed. Words: the words in lower case, one blank apart.
    std::string pattern;
    // What is written instead. For words: the words (none: the words are dropped). For marks:
    // characters; a blank parts the words on either side.
    std::string replacement;
};

class SpellingTable {
public:
    SpellingTable() = default;
    explicit SpellingTable(std::vector<SpellingRow> rows);

    // The text with every mark and every spelling of the table read as the program's words, the
    // punctuation that parts words turned into single blanks. A run of words takes the longest
    // row that begins with its first word. Applying it twice changes nothing more.
    [[nodiscard]] std::string Respell(std::string_view text) const;

    // The text respelled part by part, the punctuation that parts a marshalled or parted text
    // (comma, semicolon, colon, full stop) kept where it stands, so that the labels of a text
    // printed in another tongue ("Écartelé, aux 1 et 4 ...; aux 2 et 3 ...") can be read as
    // labels. A row never spans such a mark here.
    [[nodiscard]] std::string RespellKeepingParts(std::string_view text) const;

    const std::vector<SpellingRow>& Rows() const { return rows_; }
    bool Empty() const { return rows_.empty(); }

private:
    std::vector<SpellingRow> rows_;
    // Marks by their first byte, the longest first.
    std::array<std::vector<std::size_t>, 256> marks_{};
    // Word rows by their first word, the longest first; each row's words.
    std::unordered_map<std::string, std::vector<std::size_t>> byFirstWord_;
    std::vector<std::vector<std::string>> patternWords_;

    std::string ApplyMarks(std::string_view text) const;
};

}  // namespace esc
