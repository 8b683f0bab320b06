#include "interpret/read/Spellings.h"

#include <algorithm>

#include "interpret/read/TextOps.h"

namespace esc {
namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// Characters that part words as a blank does (the hyphen, the apostrophe and the colon are
// looked at more closely by the callers).
bool PartsWords(char c) {
    switch (c) {
        case ' ': case '\t': case '\r': case '\n': case '\v': case '\f': case ',': case ';': case '.': case '(':
        case ')': case '[': case ']': case '{': case '}': case '"': case '!': case '?': case '/': case '-':
        case ':': case '\'':
            return true;
        default:
            return false;
    }
}

// Whether the byte at `i` belongs to a word: an apostrophe only between two letters ("lion's",
// "d'or"); a quote before or after a word parts it.

bool InWord(std::string_view t, std::size_t i) {
    if (t[i] == '\'') return i > 0 && i + 1 < t.size() && IsAsciiLetter(t[i - 1]) && IsAsciiLetter(t[i + 1]);
    // A sign or a decimal mark before a digit stays with the number ("-3", "1.5", "2,5"), so that
    // a count the program cannot draw is a word not read, never another count.
    const bool beforeDigit = i + 1 < t.size() && IsAsciiDigit(t[i + 1]);
    const bool afterWord = i > 0 && (IsAsciiLetter(t[i - 1]) || IsAsciiDigit(t[i - 1]));
    if ((t[i] == '-' || t[i] == '+') && beforeDigit && !afterWord) return true;
    if (t[i] == ',' && beforeDigit && i > 0 && IsAsciiDigit(t[i - 1])) {
        // "3,2,1" is a row of counts, parted at its commas; a single comma makes one number.
        std::size_t from = i, to = i + 1;
        while (from > 0 && (IsAsciiDigit(t[from - 1]) || t[from - 1] == ',')) --from;
        while (to < t.size() && (IsAsciiDigit(t[to]) || t[to] == ',')) ++to;
        return std::count(t.begin() + from, t.begin() + to, ',') == 1;
    }
    if ((t[i] == '.' || t[i] == ',') && beforeDigit && (i == 0 || !IsAsciiLetter(t[i - 1]))) return true;
    return !PartsWords(t[i]);
}

// Compares `pattern` with the text at `at`, ASCII letters in either case.
bool MatchesAt(std::string_view text, std::size_t at, std::string_view pattern) {
    if (text.size() - at < pattern.size()) return false;
    for (std::size_t k = 0; k < pattern.size(); ++k)
        if (AsciiLower(text[at + k]) != AsciiLower(pattern[k])) return false;
    return true;
}

bool EqualsFolded(std::string_view typed, std::string_view lower) {
    if (typed.size() != lower.size()) return false;
    for (std::size_t k = 0; k < typed.size(); ++k)
        if (AsciiLower(typed[k]) != lower[k]) return false;
    return true;
}

// The article a word begins with when it is elided before a vowel ("d'azur", "l'un"): "de" or
// "le", with the capital it was typed with; empty for any other word. The apostrophe is one
// within the word, after its first letter.
std::string_view ElidedArticle(std::string_view word) {
    if (word.size() < 3 || word[1] != '\'' || !IsAsciiLetter(word[2])) return {};
    switch (word[0]) {
        case 'd': return "de";
        case 'D': return "De";
        case 'l': return "le";
        case 'L': return "Le";
        default: return {};
    }
}

// How a word of the text is joined to the word before it.
enum class Join { Blank, Hyphen, Colon };

struct Unit {
    std::string_view text;  // as typed; for Join::Colon the colon itself
    Join join = Join::Blank;
};

std::vector<Unit> Units(std::string_view t) {
    std::vector<Unit> units;
    units.reserve(t.size() / 4 + 1);
    Join join = Join::Blank;
    bool rightAfterWord = false;  // nothing yet between the last word and here
    std::size_t i = 0;
    while (i < t.size()) {
        if (InWord(t, i)) {
            std::size_t start = i;
            while (i < t.size() && InWord(t, i)) ++i;
            // The French article elided before a vowel is a word of its own: "d'or" is "de or",
            // "l'aigle" is "le aigle", so that one row serves the article written either way.
            if (const std::string_view elided = ElidedArticle(t.substr(start, i - start)); !elided.empty()) {
                units.push_back({elided, join});
                join = Join::Blank;
                start += 2;
            }
            units.push_back({t.substr(start, i - start), join});
            join = Join::Blank;
            rightAfterWord = true;
            continue;
        }
        if (t[i] == ':') {
            units.push_back({t.substr(i, 1), Join::Colon});
            join = Join::Blank;
        } else if (t[i] == '-' && rightAfterWord && i + 1 < t.size() && InWord(t, i + 1)) {
            join = Join::Hyphen;
        } else {
            join = Join::Blank;
        }
        rightAfterWord = false;
        ++i;
    }
    return units;
}

// Appends `word`, with what joins it to the text before.
void Append(std::string& out, std::string_view word, Join join) {
    if (!out.empty() && join != Join::Colon) out += join == Join::Hyphen ? '-' : ' ';
    out += word;
}

}  // namespace

SpellingTable::SpellingTable(std::vector<SpellingRow> rows) : rows_(std::move(rows)) {
    patternWords_.resize(rows_.size());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const SpellingRow& row = rows_[r];
        if (row.pattern.empty()) continue;
        if (row.kind == SpellingKind::Mark) {
            marks_[static_cast<unsigned char>(AsciiLower(row.pattern[0]))].push_back(r);
            if (IsAsciiLetter(row.pattern[0])) marks_[static_cast<unsigned char>(AsciiUpper(row.pattern[0]))].push_back(r);
            continue;
        }
        std::vector<std::string>& words = patternWords_[r];
        for (std::size_t i = 0; i < row.pattern.size();) {
            while (i < row.pattern.size() && row.pattern[i] == ' ') ++i;
            const std::size_t start = i;
            while (i < row.pattern.size() && row.pattern[i] != ' ') ++i;
            if (i > start) {
                std::string w = row.pattern.substr(start, i - start);
                for (char& c : w) c = AsciiLower(c);
                words.push_back(std::move(w));
            }
        }
        if (!words.empty()) byFirstWord_[words.front()].push_back(r);
    }
    for (auto& candidates : marks_)
        std::stable_sort(candidates.begin(), candidates.end(),
                         [this](std::size_t a, std::size_t b) { return rows_[a].pattern.size() > rows_[b].pattern.size(); });
    for (auto& [first, candidates] : byFirstWord_)
        std::stable_sort(candidates.begin(), candidates.end(),
                         [this](std::size_t a, std::size_t b) { return patternWords_[a].size() > patternWords_[b].size(); });
}

std::string SpellingTable::ApplyMarks(std::string_view text) const {
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size();) {
        const std::vector<std::size_t>& candidates = marks_[static_cast<unsigned char>(text[i])];
        bool replaced = false;
        for (std::size_t r : candidates) {
            const SpellingRow& row = rows_[r];
            if (!MatchesAt(text, i, row.pattern)) continue;
            // A capital typed in the markup ("{E'}") stays a capital.
            std::size_t letter = 0;
            while (letter < row.pattern.size() && !IsAsciiLetter(row.pattern[letter])) ++letter;
            const bool capital = letter < row.pattern.size() && IsUpper(text[i + letter]) && !IsUpper(row.pattern[letter]);
            const std::size_t from = out.size();
            out += row.replacement;
            if (capital && from < out.size()) out[from] = AsciiUpper(out[from]);
            i += row.pattern.size();
            replaced = true;
            break;
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

std::string SpellingTable::Respell(std::string_view text) const {
    // Marks first, so that the words are met without their accents and quotes.
    std::string marked;
    const bool anyMark = std::any_of(text.begin(), text.end(),
                                     [this](char c) { return !marks_[static_cast<unsigned char>(c)].empty(); });
    if (anyMark) marked = ApplyMarks(text);
    const std::string_view t = anyMark ? std::string_view(marked) : text;

    const std::vector<Unit> units = Units(t);
    std::string out;
    out.reserve(t.size() + 16);
    std::string key;
    bool afterDropped = false;  // the words before were dropped: what follows starts afresh
    for (std::size_t u = 0; u < units.size();) {
        const Unit& unit = units[u];
        if (unit.join == Join::Colon) {
            Append(out, unit.text, Join::Colon);
            afterDropped = false;
            ++u;
            continue;
        }
        key.assign(unit.text);
        for (char& c : key) c = AsciiLower(c);
        std::size_t matched = 0, row = 0;
        if (const auto found = byFirstWord_.find(key); found != byFirstWord_.end()) {
            for (std::size_t r : found->second) {
                const std::vector<std::string>& words = patternWords_[r];
                if (u + words.size() > units.size()) continue;
                bool all = true;
                for (std::size_t k = 1; k < words.size() && all; ++k)
                    all = units[u + k].join != Join::Colon && EqualsFolded(units[u + k].text, words[k]);
                if (all) {
                    matched = words.size();
                    row = r;
                    break;
                }
            }
        }
        if (matched == 0) {
            Append(out, unit.text, afterDropped ? Join::Blank : unit.join);
            afterDropped = false;
            ++u;
            continue;
        }
        const std::string& replacement = rows_[row].replacement;
        if (replacement.empty()) {
            afterDropped = true;
        } else {
            const std::size_t from = out.size() + (out.empty() ? 0 : 1);
            Append(out, replacement, Join::Blank);
            // "Gu." at the head of a blazon is "Gules".
            if (IsUpper(unit.text[0])) out[from] = AsciiUpper(out[from]);
            afterDropped = false;
        }
        u += matched;
    }
    return out;
}

std::string SpellingTable::RespellKeepingParts(std::string_view text) const {
    std::string out;
    std::size_t from = 0;
    int inMarkup = 0;  // inside "{e:}": a markup's colon parts nothing
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool atEnd = i == text.size();
        if (!atEnd) {
            const char c = text[i];
            if (c == '{') ++inMarkup;
            if (c == '}' && inMarkup > 0) --inMarkup;
            const bool partMark = c == ',' || c == ';' || c == ':' || c == '.';
            if (!partMark || inMarkup > 0 || InWord(text, i)) continue;
        }
        const std::string piece = Respell(text.substr(from, i - from));
        if (!piece.empty()) {
            if (!out.empty()) out += ' ';
            out += piece;
        }
        if (!atEnd) out += text[i];
        from = i + 1;
    }
    return out;
}

}  // namespace esc
