#include "interpret/read/TextOps.h"

namespace esc {
namespace {


template <typename Same>
std::optional<std::size_t> Find(std::string_view text, std::string_view pattern, std::size_t from, Same same) {
    if (pattern.empty() || pattern.size() > text.size()) return std::nullopt;
    for (std::size_t i = from; i + pattern.size() <= text.size(); ++i) {
        std::size_t k = 0;
        while (k < pattern.size() && same(text[i + k], pattern[k])) ++k;
        if (k == pattern.size()) return i;
    }
    return std::nullopt;
}

// A byte of a word: a letter, a digit, or a byte of a letter written in several bytes.
bool WordByte(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u >= 0x80;
}

bool StartsAWord(std::string_view text, std::size_t at) {
    if (at == 0 || !WordByte(text[at - 1])) return true;
    // "demi" joined to the word: "demistag" holds the word "stag".
    static constexpr std::string_view kPrefix = "demi";
    if (at < kPrefix.size()) return false;
    const std::size_t from = at - kPrefix.size();
    return EqualsIgnoringCase(text.substr(from, kPrefix.size()), kPrefix) && (from == 0 || !WordByte(text[from - 1]));
}

bool EndsAWord(std::string_view text, std::size_t end) {
    for (std::string_view plural : {std::string_view(), std::string_view("s"), std::string_view("es")}) {
        if (end + plural.size() > text.size()) continue;
        if (!EqualsIgnoringCase(text.substr(end, plural.size()), plural)) continue;
        const std::size_t after = end + plural.size();
        if (after == text.size() || !WordByte(text[after])) return true;
    }
    return false;
}

}  // namespace

std::optional<std::size_t> FindIgnoringCase(std::string_view text, std::string_view pattern, std::size_t from) {
    return Find(text, pattern, from, [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
}

std::optional<std::size_t> FindExact(std::string_view text, std::string_view pattern, std::size_t from) {
    return Find(text, pattern, from, [](char a, char b) { return a == b; });
}

bool ContainsIgnoringCase(std::string_view text, std::string_view pattern) {
    return FindIgnoringCase(text, pattern).has_value();
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

bool EqualsOneOfIgnoringCase(std::string_view word, std::string_view alternatives) {
    while (!alternatives.empty()) {
        const std::size_t bar = alternatives.find('|');
        if (EqualsIgnoringCase(word, alternatives.substr(0, bar))) return true;
        if (bar == std::string_view::npos) break;
        alternatives.remove_prefix(bar + 1);
    }
    return false;
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = AsciiLower(c);
    return out;
}

bool DeleteFirstIgnoringCase(std::string& text, std::string_view pattern) {
    const auto at = FindIgnoringCase(text, pattern);
    if (!at) return false;
    text.erase(*at, pattern.size());
    return true;
}

bool DeleteFirstExact(std::string& text, std::string_view pattern) {
    const auto at = FindExact(text, pattern);
    if (!at) return false;
    text.erase(*at, pattern.size());
    return true;
}

bool DeleteAllExact(std::string& text, std::string_view pattern) {
    bool any = false;
    std::size_t from = 0;
    while (auto at = FindExact(text, pattern, from)) {
        text.erase(*at, pattern.size());
        from = *at;
        any = true;
    }
    return any;
}

bool InsertText(std::string& text, std::string_view insert, std::size_t offset, std::size_t capacity) {
    if (offset > text.size() || text.size() + insert.size() > capacity) return false;
    text.insert(offset, insert);
    return true;
}

bool ReplaceFirstIgnoringCase(std::string& text, std::size_t from, std::string_view pattern,
                              std::string_view replacement, std::size_t capacity) {
    const auto at = FindIgnoringCase(text, pattern, from);
    if (!at) return false;
    if (text.size() - pattern.size() + replacement.size() > capacity) return false;
    text.replace(*at, pattern.size(), replacement);
    return true;
}

bool ReplaceAllIgnoringCase(std::string& text, std::string_view pattern, std::string_view replacement,
                            std::size_t capacity) {
    bool any = false;
    std::size_t from = 0;
    // No replacement contains its own pattern, so each search starts past the last one; the
    // bound on passes only guards against a table entry that breaks that rule.
    for (int pass = 0; pass < 4096; ++pass) {
        const auto at = FindIgnoringCase(text, pattern, from);
        if (!at) break;
        if (text.size() - pattern.size() + replacement.size() > capacity) {
            from = *at + 1;  // too long to fit: this occurrence stays
            continue;
        }
        text.replace(*at, pattern.size(), replacement);
        from = *at;
        if (replacement.empty() && pattern.empty()) break;
        any = true;
    }
    return any;
}

bool ReplaceWholeWordsIgnoringCase(std::string& text, std::string_view pattern, std::string_view replacement,
                                   std::size_t capacity) {
    if (pattern.empty()) return false;
    const bool checkStart = WordByte(pattern.front());
    const bool checkEnd = WordByte(pattern.back());
    bool any = false;
    std::size_t from = 0;
    for (int pass = 0; pass < 4096; ++pass) {
        const auto at = FindIgnoringCase(text, pattern, from);
        if (!at) break;
        const bool whole = (!checkStart || StartsAWord(text, *at)) && (!checkEnd || EndsAWord(text, *at + pattern.size()));
        if (!whole || text.size() - pattern.size() + replacement.size() > capacity) {
            from = *at + 1;  // inside a word, or too long to fit: this occurrence stays
            continue;
        }
        text.replace(*at, pattern.size(), replacement);
        from = *at;  // no replacement holds its own pattern
        any = true;
    }
    return any;
}

std::vector<std::string_view> BlankPartedWords(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && blank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !blank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

}  // namespace esc
