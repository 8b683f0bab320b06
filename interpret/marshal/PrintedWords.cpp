#include "interpret/marshal/PrintedWords.h"

#include <array>

#include "interpret/marshal/Marshalling.h"
#include "interpret/read/TextOps.h"

namespace esc::printed {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
// The punctuation after which a part of a marshalled text may begin.
bool EndsAPart(char c) { return c == ',' || c == ';' || c == '.' || c == ':'; }

// A word made of dashes only: hyphens, en and em dashes.
bool IsDash(std::string_view word) {
    if (word.empty()) return false;
    while (!word.empty()) {
        if (word.front() == '-') {
            word.remove_prefix(1);
        } else if (word.size() >= 3 && word.substr(0, 2) == "\xE2\x80" &&
                   (word[2] == '\x93' || word[2] == '\x94')) {
            word.remove_prefix(3);
        } else {
            return false;
        }
    }
    return true;
}

std::vector<Token> Tokens(std::string_view t) {
    std::vector<Token> out;
    bool partStart = true;
    char after = 0;
    for (std::size_t i = 0; i < t.size();) {
        if (IsBlank(t[i])) {
            ++i;
            continue;
        }
        // A closing parenthesis ends a part too: "... (for Smith) 2nd & 3rd: ...".
        if (EndsAPart(t[i]) || t[i] == ')') {
            partStart = true;
            after = t[i];
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < t.size() && !IsBlank(t[i]) && !EndsAPart(t[i]) && t[i] != ')') ++i;
        const std::string_view word = t.substr(start, i - start);
        // A dash standing alone ("Quarterly - 1 & 4 ...", "Quarterly — 1st ...") ends a part as
        // a colon does.
        if (IsDash(word)) {
            partStart = true;
            after = '-';
            continue;
        }
        out.push_back({start, i, word, partStart, partStart ? after : '\0'});
        partStart = false;
        after = 0;
    }
    return out;
}

bool Is(const std::vector<Token>& tokens, std::size_t i, std::string_view word) {
    return i < tokens.size() && EqualsIgnoringCase(tokens[i].text, word);
}

// The quarter a number word names (1 to 16: "6", "6th", "sixth", "vi"), or 0. "last" names the
// last of `count` quarters when the count was written.
int Quarter(std::string_view word, int count) {
    static constexpr std::array<std::string_view, kMaxQuarters> kWords = {
        "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth",
        "ninth", "tenth", "eleventh", "twelfth", "thirteenth", "fourteenth", "fifteenth", "sixteenth"};
    static constexpr std::array<std::string_view, kMaxQuarters> kRoman = {
        "i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix", "x", "xi", "xii", "xiii", "xiv", "xv", "xvi"};
    if (count > 0 && EqualsIgnoringCase(word, "last")) return count;
    for (std::size_t q = 0; q < kWords.size(); ++q)
        if (EqualsIgnoringCase(word, kWords[q]) || EqualsIgnoringCase(word, kRoman[q])) return static_cast<int>(q) + 1;
    std::size_t digits = 0;
    while (digits < word.size() && digits < 3 && word[digits] >= '0' && word[digits] <= '9') ++digits;
    if (digits == 0) return 0;
    const int n = std::stoi(std::string(word.substr(0, digits)));
    const std::string_view suffix = word.substr(digits);
    if (n < 1 || n > kMaxQuarters) return 0;
    if (suffix.empty()) return n;
    const int last = n % 10, tens = n / 10 % 10;
    const std::string_view wanted = tens == 1 ? "th" : last == 1 ? "st" : last == 2 ? "nd" : last == 3 ? "rd" : "th";
    return EqualsIgnoringCase(suffix, wanted) ? n : 0;
}

// The count written after "quarterly of" ("six", "6"), or 0.
int CountWord(std::string_view word) {
    static constexpr std::array<std::string_view, kMaxQuarters> kCounts = {
        "one", "two", "three", "four", "five", "six", "seven", "eight",
        "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen"};
    for (std::size_t q = 0; q < kCounts.size(); ++q)
        if (EqualsIgnoringCase(word, kCounts[q])) return static_cast<int>(q) + 1;
    const int n = Quarter(word);
    return n > 0 && word.find_first_not_of("0123456789") == std::string_view::npos ? n : 0;
}

// A label at token i: "1", "1st", "first", "the first", "1&4", "1 & 4", "1st and 4th", "1 and 6",
// "2, 3 and 5", "first and fourth quarters", "2nd and 3rd grand quarters", "I and IV".
std::optional<Label> LabelAt(const std::vector<Token>& tokens, std::size_t i, int count) {
    if (Is(tokens, i, "the")) ++i;
    if (i >= tokens.size()) return std::nullopt;
    Label label;
    label.at = i;
    const std::string_view word = tokens[i].text;
    if (const std::size_t amp = word.find('&'); amp != std::string_view::npos && amp > 0) {
        const int a = Quarter(word.substr(0, amp), count), b = Quarter(word.substr(amp + 1), count);
        if (a == 0 || b == 0) return std::nullopt;
        label.quarters = {a, b};
        label.next = i + 1;
    } else {
        const int first = Quarter(word, count);
        if (first == 0) return std::nullopt;
        label.quarters = {first};
        label.next = i + 1;
        for (;;) {
            const std::size_t j = label.next;
            if ((Is(tokens, j, "and") || Is(tokens, j, "&")) && j + 1 < tokens.size() && !tokens[j + 1].atPartStart &&
                Quarter(tokens[j + 1].text, count) != 0) {
                label.quarters.push_back(Quarter(tokens[j + 1].text, count));
                label.next = j + 2;
                continue;
            }
            // "2, 3 and 5, ...": a number after a comma continues the label when it is followed
            // by "and" and a number, or ends a part itself ("2, 3. Azure"), or when the count
            // of quarters was written ("Quarterly of six, ... 2, 3 Gules").
            if (j < tokens.size() && tokens[j].after == ',' && Quarter(tokens[j].text, count) > label.quarters.back() &&
                (j + 1 >= tokens.size() || tokens[j + 1].atPartStart || count > 0 ||
                 ((Is(tokens, j + 1, "and") || Is(tokens, j + 1, "&")) && j + 2 < tokens.size() &&
                  Quarter(tokens[j + 2].text, count) != 0))) {
                label.quarters.push_back(Quarter(tokens[j].text, count));
                label.next = j + 1;
                continue;
            }
            break;
        }
    }
    std::size_t j = label.next;
    if (Is(tokens, j, "grand") && (Is(tokens, j + 1, "quarters") || Is(tokens, j + 1, "quarter"))) ++j;
    if (Is(tokens, j, "quarters") || Is(tokens, j, "quarter") || Is(tokens, j, "coat") || Is(tokens, j, "coats")) {
        label.saysQuarters = true;
        label.next = j + 1;
    }
    return label;
}

// The text between two offsets without the blanks and part punctuation at either end.
std::string_view Trimmed(std::string_view t, std::size_t from, std::size_t to) {
    while (from < to && (IsBlank(t[from]) || EndsAPart(t[from]))) ++from;
    while (to > from && (IsBlank(t[to - 1]) || EndsAPart(t[to - 1]))) --to;
    return t.substr(from, to - from);
}

// The reader's label for the quarters a part fills: "1&6".
std::string LabelText(const std::vector<int>& quarters) {
    std::string label;
    for (const int q : quarters) {
        if (!label.empty()) label += '&';
        label += std::to_string(q);
    }
    return label;
}

// A part without the names of the families it is borne for, which armorials print after it:
// "... (for Smith)", "... [Standish]". They name the coat, not its heraldry.
std::string_view WithoutAttribution(std::string_view part) {
    for (;;) {
        while (!part.empty() && (IsBlank(part.back()) || EndsAPart(part.back()))) part.remove_suffix(1);
        if (part.empty()) return part;
        const char close = part.back();
        if (close != ']' && close != ')') return part;
        const std::size_t open = part.rfind(close == ']' ? '[' : '(');
        if (open == std::string_view::npos || open == 0) return part;
        std::string_view inside = part.substr(open + 1, part.size() - open - 2);
        while (!inside.empty() && IsBlank(inside.front())) inside.remove_prefix(1);
        const bool forWhom = inside.size() > 4 && EqualsIgnoringCase(inside.substr(0, 3), "for") && IsBlank(inside[3]);
        if (close == ')' && !forWhom) return part;
        part = part.substr(0, open);
    }
}

}  // namespace esc::printed
