#pragma once
// The words of a marshalled text as armorials print it: its tokens and the punctuation between
// them, quarter numbers in figures, ordinals, words and roman numerals, and labels naming the
// quarters a part fills.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace esc::printed {

// A word of the text.
struct Token {
    std::size_t start = 0, end = 0;
    std::string_view text;
    bool atPartStart = false;  // first in the text, or right after a comma, semicolon, full stop or colon
    char after = 0;            // the punctuation that ended the part before
};

// The quarters a label names, and where it stands.
struct Label {
    std::size_t at = 0;         // the token the label begins at
    std::vector<int> quarters;  // the quarters named, as written
    std::size_t next = 0;       // the token after the label
    bool saysQuarters = false;  // "quarter(s)" was written after the numbers
};

// A space, tab or line end.
bool IsBlank(char c);

// The punctuation after which a part of a marshalled text may begin.
bool EndsAPart(char c);

// A word made of dashes only: hyphens, en and em dashes.
bool IsDash(std::string_view word);

// The words of `t` with where each begins and ends, whether it opens a part, and the punctuation
// that ended the part before; a dash standing alone parts as a colon does.
std::vector<Token> Tokens(std::string_view t);

// Whether token `i` is `word`, in any case.
bool Is(const std::vector<Token>& tokens, std::size_t i, std::string_view word);

// The quarter a number word names (1 to 16: "6", "6th", "sixth", "vi"), or 0. "last" names the
// last of `count` quarters when the count was written.
int Quarter(std::string_view word, int count = 0);

// The count written after "quarterly of" ("six", "6"), or 0.
int CountWord(std::string_view word);

// A label at token i: "1", "1st", "first", "the first", "1&4", "1 & 4", "1st and 4th", "1 and 6",
// "2, 3 and 5", "first and fourth quarters", "2nd and 3rd grand quarters", "I and IV".
std::optional<Label> LabelAt(const std::vector<Token>& tokens, std::size_t i, int count);

// The text between two offsets without the blanks and part punctuation at either end.
std::string_view Trimmed(std::string_view t, std::size_t from, std::size_t to);

// The reader's label for the quarters a part fills: "1&6".
std::string LabelText(const std::vector<int>& quarters);

// A part without the names of the families it is borne for, which armorials print after it:
// "... (for Smith)", "... [Standish]". They name the coat, not its heraldry.
std::string_view WithoutAttribution(std::string_view part);

}  // namespace esc::printed
