#include "interpret/marshal/PrintedMarshalling.h"

#include <algorithm>
#include <array>
#include <vector>

#include "interpret/read/TextOps.h"

namespace esc {
namespace {

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

struct Token {
    std::size_t start = 0, end = 0;
    std::string_view text;
    bool atPartStart = false;  // first in the text, or right after a comma, semicolon, full stop or colon
};

std::vector<Token> Tokens(std::string_view t) {
    std::vector<Token> out;
    bool partStart = true;
    for (std::size_t i = 0; i < t.size();) {
        if (IsBlank(t[i])) {
            ++i;
            continue;
        }
        // A closing parenthesis ends a part too: "... (for Smith) 2nd & 3rd: ...".
        if (EndsAPart(t[i]) || t[i] == ')') {
            partStart = true;
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
            continue;
        }
        out.push_back({start, i, word, partStart});
        partStart = false;
    }
    return out;
}

bool Is(const std::vector<Token>& tokens, std::size_t i, std::string_view word) {
    return i < tokens.size() && EqualsIgnoringCase(tokens[i].text, word);
}

// The quarter a number word names (1 to 4), or 0.
int Quarter(std::string_view word) {
    static constexpr std::array<std::array<std::string_view, 3>, 4> kNames = {{
        {"1", "1st", "first"}, {"2", "2nd", "second"}, {"3", "3rd", "third"}, {"4", "4th", "fourth"}}};
    for (std::size_t q = 0; q < kNames.size(); ++q)
        for (std::string_view name : kNames[q])
            if (EqualsIgnoringCase(word, name)) return static_cast<int>(q) + 1;
    return 0;
}

struct Label {
    int first = 0, second = 0;  // the quarters named; second 0 for one quarter
    std::size_t next = 0;       // the token after the label
    bool saysQuarters = false;  // "quarter(s)" was written after the numbers
};

// A label at token i: "1", "1st", "first", "1&4", "1 & 4", "1st and 4th", "first and fourth
// quarters", "2nd and 3rd grand quarters".
std::optional<Label> LabelAt(const std::vector<Token>& tokens, std::size_t i) {
    if (i >= tokens.size()) return std::nullopt;
    Label label;
    const std::string_view word = tokens[i].text;
    if (const std::size_t amp = word.find('&'); amp != std::string_view::npos && amp > 0) {
        label.first = Quarter(word.substr(0, amp));
        label.second = Quarter(word.substr(amp + 1));
        if (label.first == 0 || label.second == 0) return std::nullopt;
        label.next = i + 1;
    } else {
        label.first = Quarter(word);
        if (label.first == 0) return std::nullopt;
        label.next = i + 1;
        if ((Is(tokens, i + 1, "and") || Is(tokens, i + 1, "&")) && i + 2 < tokens.size() &&
            !tokens[i + 2].atPartStart && Quarter(tokens[i + 2].text) != 0) {
            label.second = Quarter(tokens[i + 2].text);
            label.next = i + 3;
        }
    }
    std::size_t j = label.next;
    if (Is(tokens, j, "grand") && (Is(tokens, j + 1, "quarters") || Is(tokens, j + 1, "quarter"))) ++j;
    if (Is(tokens, j, "quarters") || Is(tokens, j, "quarter")) {
        label.saysQuarters = true;
        label.next = j + 1;
    }
    return label;
}

// The label's text in the reader's form, or empty when the reader has none for it.
std::string_view ReaderLabel(const Label& l) {
    if (l.second == 0) {
        static constexpr std::array<std::string_view, 4> kSingle = {"1", "2", "3", "4"};
        return kSingle[static_cast<std::size_t>(l.first - 1)];
    }
    if ((l.first == 1 && l.second == 4) || (l.first == 4 && l.second == 1)) return "1&4";
    if ((l.first == 2 && l.second == 3) || (l.first == 3 && l.second == 2)) return "2&3";
    return {};
}

// The text between two offsets without the blanks and part punctuation at either end.
std::string_view Trimmed(std::string_view t, std::size_t from, std::size_t to) {
    while (from < to && (IsBlank(t[from]) || EndsAPart(t[from]))) ++from;
    while (to > from && (IsBlank(t[to - 1]) || EndsAPart(t[to - 1]))) --to;
    return t.substr(from, to - from);
}

std::optional<std::string> Quartered(std::string_view text, const std::vector<Token>& tokens) {
    std::size_t at = 0;
    if (Is(tokens, 0, "quarterly")) at = Is(tokens, 1, "of") && (Is(tokens, 2, "four") || Is(tokens, 2, "4")) ? 3 : 1;
    // The label after "Quarterly" begins the first part whatever stands between them.
    std::optional<Label> first = LabelAt(tokens, at);
    if (!first || (at == 0 && !first->saysQuarters)) return std::nullopt;

    struct Part {
        std::string_view label;
        std::size_t from = 0, to = 0;  // the part's text in the text
    };
    std::vector<Part> parts;
    unsigned covered = 0;
    // A label is read only where a part may begin and when it names the lowest quarter not yet
    // named ("Azure, 3 mullets" inside the second quarter's part is not a third label).
    auto accept = [&](const Label& l) {
        const std::string_view name = ReaderLabel(l);
        if (name.empty()) return false;
        int lowest = 1;
        while (lowest <= 4 && (covered & (1u << lowest)) != 0) ++lowest;
        const int low = l.second == 0 ? l.first : std::min(l.first, l.second);
        return low == lowest;
    };
    if (!accept(*first)) return std::nullopt;
    std::optional<Label> current = first;
    for (;;) {
        const Label l = *current;
        covered |= 1u << l.first;
        if (l.second != 0) covered |= 1u << l.second;
        const std::size_t from = l.next < tokens.size() ? tokens[l.next].start : text.size();
        // The part runs to the next label that may begin one.
        std::size_t k = l.next;
        std::optional<Label> next;
        for (; k < tokens.size(); ++k) {
            if (!tokens[k].atPartStart) continue;
            next = LabelAt(tokens, k);
            if (next && accept(*next)) break;
            next.reset();
        }
        const std::size_t to = k < tokens.size() ? tokens[k].start : text.size();
        parts.push_back({ReaderLabel(l), from, to});
        if (!next) break;
        current = next;
    }
    if (parts.size() < 2 || covered != 0x1Eu) return std::nullopt;
    std::string out = "Quarterly";
    for (const Part& p : parts) {
        out += ' ';
        out += p.label;
        out += ": ";
        out += Trimmed(text, p.from, p.to);
    }
    return out;
}

std::optional<std::string> Impaled(std::string_view text, const std::vector<Token>& tokens) {
    std::size_t dexterEnd = 0, sinisterStart = 0;
    bool found = false;
    if (Is(tokens, 0, "per") && Is(tokens, 1, "pale") && Is(tokens, 2, "baron") && Is(tokens, 3, "and") &&
        Is(tokens, 4, "femme")) {
        // "Per pale baron and femme, A; B": the halves part at the first semicolon.
        const std::size_t from = tokens.size() > 5 ? tokens[5].start : text.size();
        const std::size_t semicolon = text.find(';', from);
        if (semicolon == std::string_view::npos) return std::nullopt;
        const std::string_view dexter = Trimmed(text, from, semicolon);
        const std::string_view sinister = Trimmed(text, semicolon, text.size());
        if (dexter.empty() || sinister.empty()) return std::nullopt;
        return std::string(dexter) + " impaling: " + std::string(sinister);
    }
    for (std::size_t i = 1; i < tokens.size() && !found; ++i) {
        if (Is(tokens, i, "impaling")) {
            // "impaling:" is the reader's own form.
            if (tokens[i].end < text.size() && text[tokens[i].end] == ':') return std::nullopt;
            dexterEnd = tokens[i].start;
            sinisterStart = tokens[i].end;
            found = true;
        } else if (Is(tokens, i, "impaled") && Is(tokens, i + 1, "with")) {
            dexterEnd = tokens[i].start;
            sinisterStart = tokens[i + 1].end;
            found = true;
        }
    }
    if (!found) return std::nullopt;
    const std::string_view dexter = Trimmed(text, 0, dexterEnd);
    const std::string_view sinister = Trimmed(text, sinisterStart, text.size());
    if (dexter.empty() || sinister.empty()) return std::nullopt;
    return std::string(dexter) + " impaling: " + std::string(sinister);
}

// "A quartering B": A in the first and fourth quarters, B in the second and third.
std::optional<std::string> Quartering(std::string_view text, const std::vector<Token>& tokens) {
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        if (!Is(tokens, i, "quartering")) continue;
        const std::string_view first = Trimmed(text, 0, tokens[i].start);
        const std::string_view second = Trimmed(text, tokens[i].end, text.size());
        if (first.empty() || second.empty()) return std::nullopt;
        return "Quarterly 1&4: " + std::string(first) + " 2&3: " + std::string(second);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadPrintedMarshalling(std::string_view text) {
    const std::vector<Token> tokens = Tokens(text);
    if (tokens.empty()) return std::nullopt;
    if (std::optional<std::string> q = Quartered(text, tokens)) return q;
    // Quartered arms with an impaled quarter are not drawn: such a text is left to the reader.
    if (ContainsIgnoringCase(text, "quarterly")) return std::nullopt;
    // Quartered arms impaled, or impaled arms quartered, are left to the reader too.
    const bool impaled = ContainsIgnoringCase(text, "impal") || ContainsIgnoringCase(text, "baron and femme");
    if (ContainsIgnoringCase(text, "quartering")) return impaled ? std::nullopt : Quartering(text, tokens);
    return Impaled(text, tokens);
}

}  // namespace esc
