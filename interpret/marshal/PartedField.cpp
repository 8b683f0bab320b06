// Reading a field parted into parts that are fields of their own: the partition, how its parts
// are named, and where each part's words begin and end.
#include "interpret/marshal/PartedField.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/Messages.h"
#include "engine/Palette.h"
#include "interpret/marshal/PrintedWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {

using printed::Is;
using printed::Token;
using printed::Tokens;
using printed::Trimmed;

struct PartedWords {
    const std::vector<Token>& tokens;
    const Vocabulary& vocabulary;

    // The word's row, as armorials' spellings of it read ("purpre" is purpure).
    const VocabularyRow* Row(std::size_t i) const {
        if (i >= tokens.size()) return nullptr;
        if (const VocabularyRow* row = vocabulary.Lookup(LookupKey(tokens[i].text))) return row;
        if (vocabulary.Spellings().Empty()) return nullptr;
        const std::string respelled = vocabulary.Spellings().Respell(tokens[i].text);
        const std::size_t blank = respelled.find(' ');
        return vocabulary.Lookup(LookupKey(std::string_view(respelled).substr(0, blank)));
    }
    bool Tincture(std::size_t i) const {
        const VocabularyRow* row = Row(i);
        return row != nullptr && row->type == kTypeTincture && IsNamedTincture(row->sub1);
    }
    bool Line(std::size_t i) const {
        const VocabularyRow* row = Row(i);
        return row != nullptr && row->type == kTypeLine;
    }
    // An article, a count, or "on" ("on a mount"): where a part's charges begin.
    bool ChargesBegin(std::size_t i) const {
        if (i >= tokens.size()) return false;
        if (Is(tokens, i, "a") || Is(tokens, i, "an") || Is(tokens, i, "on")) return true;
        if (std::isdigit(static_cast<unsigned char>(tokens[i].text.front()))) return true;
        const VocabularyRow* row = Row(i);
        return row != nullptr && row->type == kTypeNumber;
    }
};

// "of the first" ... "of the sixth", "of the last": the place among the tinctures named (from
// 1), kLastTinctureNamed, or 0.
constexpr int kLastTinctureNamed = 100;
int TinctureOrdinalPlace(std::string_view word) {
    static constexpr std::array<std::string_view, 6> kOrdinalWords = {"first", "second", "third",
                                                                      "fourth", "fifth", "sixth"};
    for (std::size_t k = 0; k < kOrdinalWords.size(); ++k)
        if (EqualsIgnoringCase(word, kOrdinalWords[k])) return static_cast<int>(k) + 1;
    return EqualsIgnoringCase(word, "last") ? kLastTinctureNamed : 0;
}

// The text with each "of the first" (second, ..., last) replaced by the tincture it names,
// counting the tinctures of the whole text in the order written, each once.
std::string WithTincturesNamed(std::string_view text, const Vocabulary& vocabulary) {
    const std::vector<Token> tokens = Tokens(text);
    const PartedWords words{tokens, vocabulary};
    std::vector<std::string> named;
    std::string last, out;
    std::size_t copied = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (Is(tokens, i, "of") && Is(tokens, i + 1, "the") && i + 2 < tokens.size()) {
            const int place = TinctureOrdinalPlace(tokens[i + 2].text);
            const std::string* tincture = place == kLastTinctureNamed ? (last.empty() ? nullptr : &last)
                                          : place > 0 && static_cast<std::size_t>(place) <= named.size()
                                              ? &named[static_cast<std::size_t>(place - 1)]
                                              : nullptr;
            if (tincture != nullptr) {
                out += text.substr(copied, tokens[i].start - copied);
                out += *tincture;
                copied = tokens[i + 2].end;
                last = *tincture;
                i += 2;
                continue;
            }
        }
        if (!words.Tincture(i)) continue;
        const std::string word = ToLower(tokens[i].text);
        last = word;
        if (std::find(named.begin(), named.end(), word) == named.end()) named.push_back(word);
    }
    out += text.substr(copied);
    return out;
}

// The partition the text opens with: its shape, how many parts, and the token after it.
struct PartitionOpening {
    PartedShape shape = PartedShape::Pale;
    int count = 2;
    std::size_t next = 0;
    std::string line;
};

std::optional<PartitionOpening> PartitionOpeningOf(const PartedWords& w) {
    const std::vector<Token>& t = w.tokens;
    PartitionOpening o;
    std::size_t i = 0;
    if (Is(t, 0, "tierced")) {
        o.count = 3;
        ++i;
        if (!Is(t, i, "per") && !Is(t, i, "in")) return std::nullopt;
    } else if (!Is(t, 0, "per")) {
        return std::nullopt;
    }
    ++i;
    if (Is(t, i, "pale")) {
        o.shape = PartedShape::Pale;
    } else if (Is(t, i, "fess") || Is(t, i, "fesse")) {
        o.shape = PartedShape::Fess;
    } else if (Is(t, i, "bend")) {
        o.shape = Is(t, i + 1, "sinister") ? PartedShape::BendSinister : PartedShape::Bend;
        if (o.shape == PartedShape::BendSinister) ++i;
    } else {
        return std::nullopt;
    }
    ++i;
    if (w.Line(i) && !t[i].atPartStart) o.line = ToLower(t[i++].text);
    o.next = i;
    return o;
}

// The place a part's name gives (0 the first part, count - 1 the last, 1 the middle of three),
// and the tokens it takes; -1 when the words at `i` name no part of `shape`.
struct PartPlaceName {
    int part = -1;
    std::size_t words = 0;
};

PartPlaceName PartPlaceNameAt(const std::vector<Token>& t, std::size_t i, const PartitionOpening& o) {
    std::size_t j = i;
    if (Is(t, j, "in") || Is(t, j, "on") || Is(t, j, "to")) ++j;
    if (Is(t, j, "the")) ++j;
    const int last = o.count - 1;
    const std::string_view band = o.shape == PartedShape::Pale ? "pale" : o.shape == PartedShape::Fess ? "fess" : "bend";
    const bool middle = o.count == 3 && (Is(t, j, "centre") || Is(t, j, "center") || Is(t, j, "middle") || Is(t, j, band));
    if (middle) return {1, j + 1 - i};
    switch (o.shape) {
        case PartedShape::Pale:
            if (Is(t, j, "dexter")) return {0, j + 1 - i};
            if (Is(t, j, "sinister")) return {last, j + 1 - i};
            return {};
        case PartedShape::Fess:
        case PartedShape::Bend:
        case PartedShape::BendSinister: {
            // Per bend the first part is the upper: "in chief", "sinister chief" (per bend),
            // "dexter chief" (per bend sinister).
            std::size_t k = j;
            if (o.shape != PartedShape::Fess && (Is(t, k, "dexter") || Is(t, k, "sinister"))) ++k;
            if (Is(t, k, "chief")) return {0, k + 1 - i};
            if (Is(t, k, "base")) return {last, k + 1 - i};
            return {};
        }
    }
    return {};
}

// Where the parts' words begin: the token of each part's name, and of its first word.
struct PartWordStarts {
    std::vector<std::size_t> name, words;
};

// "I ...; II ...; III ...", "1 ..., 2 ...": the numbers, in roman numerals or in figures, open
// parts after punctuation.
std::optional<PartWordStarts> PartsByNumber(const std::vector<Token>& t, const PartitionOpening& o) {
    static constexpr std::array<std::string_view, kMaxFieldParts> kRomanPartNumbers = {"i", "ii", "iii"};
    static constexpr std::array<std::string_view, kMaxFieldParts> kFigurePartNumbers = {"1", "2", "3"};
    const auto& numbers = Is(t, o.next, "1") ? kFigurePartNumbers : kRomanPartNumbers;
    if (!Is(t, o.next, numbers[0])) return std::nullopt;
    PartWordStarts starts{{o.next}, {o.next + 1}};
    for (std::size_t i = o.next + 1; i < t.size() && starts.name.size() < static_cast<std::size_t>(o.count); ++i)
        if (Is(t, i, numbers[starts.name.size()]) && t[i].atPartStart) {
            starts.name.push_back(i);
            starts.words.push_back(i + 1);
        }
    if (starts.name.size() != static_cast<std::size_t>(o.count)) return std::nullopt;
    return starts;
}

// "in chief ..., in base ...", "dexter ..., sinister ...": each part named by its place, once,
// after punctuation (or a closing bracket). The starts are put in the parts' order.
std::optional<PartWordStarts> PartsByPlace(std::string_view text, const std::vector<Token>& t, const PartitionOpening& o) {
    std::vector<PartPlaceName> names(static_cast<std::size_t>(o.count));
    std::vector<std::size_t> at(static_cast<std::size_t>(o.count), 0);
    const PartPlaceName first = PartPlaceNameAt(t, o.next, o);
    if (first.part < 0) return std::nullopt;
    names[static_cast<std::size_t>(first.part)] = first;
    at[static_cast<std::size_t>(first.part)] = o.next;
    for (std::size_t i = o.next + first.words; i < t.size(); ++i) {
        const std::size_t before = text.find_last_not_of(' ', t[i].start == 0 ? 0 : t[i].start - 1);
        if (!t[i].atPartStart && !(before != std::string_view::npos && text[before] == ')')) continue;
        const PartPlaceName p = PartPlaceNameAt(t, i, o);
        if (p.part < 0) continue;
        if (names[static_cast<std::size_t>(p.part)].part >= 0) return std::nullopt;  // a place named twice
        names[static_cast<std::size_t>(p.part)] = p;
        at[static_cast<std::size_t>(p.part)] = i;
        i += p.words - 1;
    }
    PartWordStarts starts;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (names[k].part < 0) return std::nullopt;
        starts.name.push_back(at[k]);
        starts.words.push_back(at[k] + names[k].words);
    }
    // Written in the parts' order only: "in base ..., in chief ..." is not a form of armorials.
    if (!std::is_sorted(starts.name.begin(), starts.name.end())) return std::nullopt;
    return starts;
}

// "gules a lion or and azure a tower argent": each part's tincture then its charges, the next
// part opened by "and" and a tincture with charges after it. More such openings than parts
// leave a doubt, which is told; the first are taken.
std::optional<PartWordStarts> PartsByTincture(const PartedWords& w, const PartitionOpening& o, std::vector<std::string_view>& doubts) {
    const std::vector<Token>& t = w.tokens;
    if (!w.Tincture(o.next) || !w.ChargesBegin(o.next + 1)) return std::nullopt;
    PartWordStarts starts{{o.next}, {o.next}};
    int openings = 0;
    for (std::size_t i = o.next + 2; i + 2 < t.size(); ++i) {
        if (!Is(t, i, "and") || !w.Tincture(i + 1) || !w.ChargesBegin(i + 2)) continue;
        ++openings;
        if (starts.name.size() < static_cast<std::size_t>(o.count)) {
            starts.name.push_back(i);
            starts.words.push_back(i + 1);
        }
    }
    if (starts.name.size() != static_cast<std::size_t>(o.count)) return std::nullopt;
    if (openings > o.count - 1) doubts.push_back(msg::kPartsNotToldApart);
    return starts;
}

std::string PlaceOfFieldPart(PartedShape shape, int count, int part) {
    static constexpr std::array<std::string_view, 3> kPales = {"dexter", "pale", "sinister"};
    static constexpr std::array<std::string_view, 3> kFesses = {"chief", "fess", "base"};
    const std::size_t k = static_cast<std::size_t>(count == 2 && part == 1 ? 2 : part);
    switch (shape) {
        case PartedShape::Pale: return std::string(kPales[k]);
        case PartedShape::Fess: return std::string(kFesses[k]);
        // Tierced per bend the middle part is the band across the shield.
        case PartedShape::Bend: return k == 0 ? "sinister chief" : k == 1 ? "bend" : "dexter base";
        case PartedShape::BendSinister: return k == 0 ? "dexter chief" : k == 1 ? "bend sinister" : "sinister base";
    }
    return {};
}

// Words at the end of the last part that may lie over the whole field rather than in the part.
bool EndsWithWhatMayLieOverAll(const std::vector<Token>& t, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i)
        if (Is(t, i, "within") || Is(t, i, "bordure") || Is(t, i, "overall") || (Is(t, i, "over") && Is(t, i + 1, "all")) ||
            ((Is(t, i - 1, "a") || Is(t, i - 1, "the")) && Is(t, i, "chief")))
            return true;
    return false;
}

std::optional<PartedField> ReadPartedText(std::string_view text, const Vocabulary& vocabulary, int depth) {
    const std::vector<Token> tokens = Tokens(text);
    const PartedWords w{tokens, vocabulary};
    const std::optional<PartitionOpening> opening = PartitionOpeningOf(w);
    if (!opening || opening->next >= tokens.size()) return std::nullopt;
    PartedField field;
    field.shape = opening->shape;
    field.line = opening->line;
    std::optional<PartWordStarts> starts = PartsByNumber(tokens, *opening);
    field.named = PartsNamed::ByNumber;
    if (!starts) {
        starts = PartsByPlace(text, tokens, *opening);
        field.named = PartsNamed::ByPlace;
    }
    if (!starts) {
        starts = PartsByTincture(w, *opening, field.doubts);
        field.named = PartsNamed::ByTincture;
    }
    if (!starts) return std::nullopt;
    const std::size_t n = starts->name.size();
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t from = tokens[starts->words[k]].start;
        const std::size_t to = k + 1 < n ? tokens[starts->name[k + 1]].start : text.size();
        if (starts->words[k] >= tokens.size() || from >= to) return std::nullopt;
        FieldPart part;
        part.text = std::string(printed::WithoutAttribution(Trimmed(text, from, to)));
        if (part.text.empty()) return std::nullopt;
        part.placed = PlaceOfFieldPart(field.shape, opening->count, static_cast<int>(k));
        if (depth == 0) {
            if (std::optional<PartedField> inner = ReadPartedText(part.text, vocabulary, depth + 1)) {
                field.doubts.insert(field.doubts.end(), inner->doubts.begin(), inner->doubts.end());
                inner->doubts.clear();
                part.parted.push_back(std::move(*inner));
                part.text.clear();
            }
        }
        field.parts.push_back(std::move(part));
    }
    if (EndsWithWhatMayLieOverAll(tokens, starts->words.back(), tokens.size()))
        field.doubts.push_back(msg::kLastPartMayLieOverAll);
    return field;
}

}  // namespace

std::optional<PartedField> ReadPartedField(std::string_view text, const Vocabulary* vocabulary) {
    if (vocabulary == nullptr) return std::nullopt;
    {
        // Only a text that opens with a partition is read further.
        const std::vector<Token> tokens = Tokens(text);
        if (!PartitionOpeningOf(PartedWords{tokens, *vocabulary})) return std::nullopt;
    }
    return ReadPartedText(WithTincturesNamed(text, *vocabulary), *vocabulary, 0);
}

std::string PartitionMapText(const PartedField& field) {
    static constexpr std::array<std::string_view, kMaxFieldParts> kMapTinctures = {"argent", "gules", "azure"};
    std::string text = field.parts.size() == 3 ? "Tierced per " : "Per ";
    switch (field.shape) {
        case PartedShape::Pale: text += "pale"; break;
        case PartedShape::Fess: text += "fess"; break;
        case PartedShape::Bend: text += "bend"; break;
        case PartedShape::BendSinister: text += "bend sinister"; break;
    }
    if (!field.line.empty()) text += " " + field.line;
    for (std::size_t k = 0; k < field.parts.size(); ++k) {
        text += k == 0 ? " " : k + 1 == field.parts.size() ? " and " : " ";
        text += kMapTinctures[k];
    }
    return text;
}

}  // namespace esc
