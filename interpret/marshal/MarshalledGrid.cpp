#include "interpret/marshal/MarshalledGrid.h"

#include <algorithm>
#include <array>

#include "engine/Messages.h"
#include "interpret/marshal/PrintedWords.h"
#include "interpret/read/TextOps.h"

namespace esc {
namespace {

constexpr std::size_t kNotFound = std::string_view::npos;


std::string_view Stripped(std::string_view t) {
    while (!t.empty() && printed::IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && printed::IsBlank(t.back())) t.remove_suffix(1);
    return t;
}

bool StartsWithWord(std::string_view text, std::string_view word) {
    text = Stripped(text);
    return text.size() >= word.size() && EqualsIgnoringCase(text.substr(0, word.size()), word) &&
           (text.size() == word.size() || printed::IsBlank(text[word.size()]));
}

// A colon outside brackets and the word that carries it.
struct GridLabel {
    std::size_t wordStart = 0, colon = 0;
    std::string_view word;
};

std::vector<GridLabel> LabelsOf(std::string_view text, std::string_view outside) {
    std::vector<GridLabel> labels;
    for (std::size_t c = outside.find(':'); c != kNotFound; c = outside.find(':', c + 1)) {
        std::size_t start = c;
        while (start > 0 && !printed::IsBlank(outside[start - 1])) --start;
        labels.push_back({start, c, text.substr(start, c - start)});
    }
    return labels;
}

bool IsEscutcheonLabel(const GridLabel& l) { return EqualsIgnoringCase(l.word, "escutcheon"); }
bool IsOverAllLabel(const GridLabel& l) { return EqualsIgnoringCase(l.word, "overall"); }
bool IsQuarterLabel(const GridLabel& l) { return !IsEscutcheonLabel(l) && !IsOverAllLabel(l); }

// "1&6" as {1, 6}; empty when the word is not quarter numbers joined by '&'.
std::vector<int> QuarterNumbers(std::string_view word) {
    std::vector<int> numbers;
    while (true) {
        const std::size_t amp = word.find('&');
        const std::string_view piece = word.substr(0, amp);
        if (piece.empty() || piece.size() > 3 ||
            !std::all_of(piece.begin(), piece.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return {};
        numbers.push_back(std::stoi(std::string(piece)));
        if (amp == kNotFound) return numbers;
        word.remove_prefix(amp + 1);
    }
}

// The count of "Quarterly of N" at the start of the text, or 0.
int CountWritten(std::string_view outside) {
    std::string_view t = Stripped(outside);
    if (!StartsWithWord(t, "quarterly")) return 0;
    t = Stripped(t.substr(9));
    if (!StartsWithWord(t, "of")) return 0;
    t = Stripped(t.substr(2));
    std::size_t n = 0;
    while (n < t.size() && t[n] >= '0' && t[n] <= '9') ++n;
    if (n == 0 || n > 3 || (n < t.size() && !printed::IsBlank(t[n]))) return 0;
    return std::stoi(std::string(t.substr(0, n)));
}

}  // namespace

// The marshalled text a part holds in brackets ("(Quarterly 1&4: A 2&3: B)"), or empty.
std::string_view NestedMarshalledText(std::string_view part) {
    part = Stripped(part);
    if (part.size() < 2 || part.front() != '(' || part.back() != ')') return {};
    int depth = 0;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '(') ++depth;
        if (part[i] == ')' && --depth == 0 && i + 1 != part.size()) return {};  // "(a) b (c)"
    }
    const std::string_view inner = part.substr(1, part.size() - 2);
    return MarshalledRoadOf(inner) == MarshalledRoad::Single ? std::string_view{} : inner;
}

namespace {

GridText RefusedGrid(std::string_view error) {
    GridText g;
    g.error = error;
    return g;
}

// The text after the colon of label i up to the word of the next label, or the end.
std::string PartAfter(std::string_view text, const std::vector<GridLabel>& labels, std::size_t i) {
    const std::size_t end = i + 1 < labels.size() ? labels[i + 1].wordStart : text.size();
    return std::string(Stripped(text.substr(labels[i].colon + 1, end - labels[i].colon - 1)));
}

std::string_view CheckedParts(const GridText& g) {
    auto check = [](const std::string& part) -> std::string_view {
        if (Stripped(part).empty()) return msg::kEmptyPart;
        // A part longer than the blazon buffer is read in pieces as single arms are.
        return part.size() > static_cast<std::size_t>(kMaxMarshalledChars) ? msg::kPartTooLong : std::string_view{};
    };
    for (const std::string& part : g.texts)
        if (const std::string_view error = check(part); !error.empty()) return error;
    if (!g.overAll.empty() && !NestedMarshalledText(g.overAll).empty()) return msg::kQuartersTooDeep;
    if (!g.overAll.empty())
        if (const std::string_view error = check(g.overAll); !error.empty()) return error;
    return g.escutcheon.empty() ? std::string_view{} : check(g.escutcheon);
}

}  // namespace

std::string OutsideBrackets(std::string_view text) {
    std::string out(text);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '(') {
            open.push_back(i);
        } else if (text[i] == ')' && !open.empty()) {
            std::fill(out.begin() + static_cast<std::ptrdiff_t>(open.back()), out.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                      ' ');
            open.pop_back();
        }
    }
    return out;
}

MarshalledRoad MarshalledRoadOf(std::string_view text) {
    const std::string outside = OutsideBrackets(text);
    const bool impaling = ContainsIgnoringCase(outside, "impaling:");
    // A colon other than the escutcheon's makes a text with "quarterly" quartered arms.
    const std::vector<GridLabel> labels = LabelsOf(text, outside);
    const bool labelled = std::any_of(labels.begin(), labels.end(), IsQuarterLabel);
    const bool quartered = ContainsIgnoringCase(outside, "quarterly 1") ||
                           (!impaling && ContainsIgnoringCase(outside, "quarterly") && labelled);
    if (quartered) return MarshalledRoad::Quartered;
    if (impaling) return MarshalledRoad::Impaled;
    return std::any_of(labels.begin(), labels.end(), IsEscutcheonLabel) ? MarshalledRoad::Escutcheon
                                                                         : MarshalledRoad::Single;
}

bool HasEscutcheonLabel(std::string_view text) {
    const std::string outside = OutsideBrackets(text);
    const std::vector<GridLabel> labels = LabelsOf(text, outside);
    return std::any_of(labels.begin(), labels.end(), IsEscutcheonLabel);
}

bool NeedsGrid(std::string_view text, MarshallingKind kind) {
    const std::string outside = OutsideBrackets(text);
    const std::vector<GridLabel> labels = LabelsOf(text, outside);
    if (!std::all_of(labels.begin(), labels.end(), IsQuarterLabel)) return true;
    if (kind == MarshallingKind::Quartered) {
        if (CountWritten(outside) != 0) return true;
        for (const GridLabel& l : labels) {
            const std::vector<int> numbers = QuarterNumbers(l.word);
            if (numbers.size() > 2 || std::any_of(numbers.begin(), numbers.end(), [](int n) { return n > 4; }))
                return true;
        }
    }
    // A part in brackets that is marshalled arms itself.
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (!NestedMarshalledText(PartAfter(text, labels, i)).empty()) return true;
    if (kind == MarshallingKind::Impaled && !labels.empty())
        return !NestedMarshalledText(text.substr(0, labels.front().wordStart)).empty();
    return false;
}

GridText SplitGrid(std::string_view text, MarshallingKind kind) {
    const std::string outside = OutsideBrackets(text);
    const std::vector<GridLabel> labels = LabelsOf(text, outside);
    if (labels.empty()) return RefusedGrid(msg::kExpectingColon);
    GridText g;
    std::size_t escutcheonLabel = kNotFound;
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (IsEscutcheonLabel(labels[i])) escutcheonLabel = i;
    std::size_t overAllLabel = kNotFound;
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (IsOverAllLabel(labels[i])) overAllLabel = i;
    if (overAllLabel != kNotFound) {
        g.overAll = PartAfter(text, labels, overAllLabel);
        if (g.overAll.empty()) return RefusedGrid(msg::kEmptyPart);
    }
    if (escutcheonLabel != kNotFound) {
        g.escutcheon = PartAfter(text, labels, escutcheonLabel);
        if (g.escutcheon.empty()) return RefusedGrid(msg::kEmptyPart);
    }
    // What stands before a label's word, trimmed.
    auto before = [&](std::size_t i) { return std::string(Stripped(text.substr(0, labels[i].wordStart))); };

    if (kind == MarshallingKind::Impaled) {
        if (!IsQuarterLabel(labels[0])) return RefusedGrid(msg::kExpectingColon);
        g.count = 2;
        g.impaled = true;
        // The sinister half runs to the escutcheon, or to the end (its own colons are its own).
        const std::size_t end = labels.size() > 1 ? labels[1].wordStart : text.size();
        g.texts = {before(0), std::string(Stripped(text.substr(labels[0].colon + 1, end - labels[0].colon - 1)))};
        g.quartersOf = {{1}, {2}};
    } else if (StartsWithWord(outside, "quarterly") && std::any_of(labels.begin(), labels.end(), IsQuarterLabel)) {
        const int written = CountWritten(outside);
        std::array<int, kMaxQuarters + 1> named{};
        int highest = 0;
        for (std::size_t i = 0; i < labels.size(); ++i) {
            if (!IsQuarterLabel(labels[i])) continue;
            const std::vector<int> numbers = QuarterNumbers(labels[i].word);
            if (numbers.empty()) return RefusedGrid(msg::kExpectingQuarterLabel);
            for (const int n : numbers) {
                if (n > kMaxQuarters) return RefusedGrid(msg::kTooManyQuarters);
                if (n < 1 || named[static_cast<std::size_t>(n)]++ > 0) return RefusedGrid(msg::kQuarterNotNamedOnce);
                highest = std::max(highest, n);
            }
            g.texts.push_back(PartAfter(text, labels, i));
            g.quartersOf.push_back(numbers);
        }
        if (written > kMaxQuarters) return RefusedGrid(msg::kTooManyQuarters);
        g.count = written != 0 ? written : highest;
        if (g.count < 2 || highest != g.count) return RefusedGrid(msg::kQuarterNotNamedOnce);
        for (int n = 1; n <= g.count; ++n)
            if (named[static_cast<std::size_t>(n)] != 1) return RefusedGrid(msg::kQuarterNotNamedOnce);
    } else {
        // Single arms with an escutcheon over all: the arms are what stands before its label.
        if (escutcheonLabel == kNotFound) return RefusedGrid(msg::kExpectingColon);
        g.count = 1;
        g.texts = {before(escutcheonLabel)};
        g.quartersOf = {{1}};
    }
    if (const std::string_view error = CheckedParts(g); !error.empty()) return RefusedGrid(error);
    return g;
}

std::string ComposeGrid(const GridText& g) {
    std::string text;
    if (g.impaled) {
        text = g.texts[0] + " impaling: " + g.texts[1];
    } else if (g.count == 1) {
        text = g.texts[0];
    } else {
        text = "Quarterly of " + std::to_string(g.count);
        for (std::size_t i = 0; i < g.texts.size(); ++i) {
            text += ' ';
            for (std::size_t k = 0; k < g.quartersOf[i].size(); ++k) {
                if (k > 0) text += '&';
                text += std::to_string(g.quartersOf[i][k]);
            }
            text += ": " + g.texts[i];
        }
    }
    if (!g.overAll.empty()) text += " overall: " + g.overAll;
    if (!g.escutcheon.empty()) text += " escutcheon: " + g.escutcheon;
    return text;
}

}  // namespace esc
