#include "interpret/read/CrossedPartitions.h"

#include <string_view>
#include <vector>

#include "interpret/read/TextOps.h"

namespace esc {
namespace {

using CrossedWords = std::vector<std::string_view>;

int CrossedWordClass(const Vocabulary& vocabulary, std::string_view word) {
    const VocabularyRow* row = vocabulary.Lookup(LookupKey(word));
    return row == nullptr ? kTypeNotFound : row->type;
}

bool StartsWithWord(const std::string& words, std::string_view word) {
    return words.compare(0, word.size(), word) == 0 && (words.size() == word.size() || words[word.size()] == ' ');
}

bool IsCounterchangedWord(std::string_view word) { return EqualsIgnoringCase(word, "counterchanged"); }

// The partitions that part a field in two by one line; the others (quarterly, per saltire, per
// pall) already part it in more.
bool PartsInTwo(std::string_view word) {
    for (const std::string_view two : {"pale", "fess", "bend", "chevron"})
        if (EqualsIgnoringCase(word, two)) return true;
    return false;
}

// "per P [sinister] [lines]" from words[k]: the words of P and its lines, or empty when the
// words there do not name such a partition. Moves k past them.
std::string OnePartition(const Vocabulary& vocabulary, const CrossedWords& words, std::size_t& k) {
    if (k + 1 >= words.size() || !EqualsIgnoringCase(words[k], "per") || !PartsInTwo(words[k + 1])) return {};
    std::string out(ToLower(words[k + 1]));
    k += 2;
    for (; k < words.size(); ++k) {
        const bool sinister = out.find(' ') == std::string::npos && EqualsIgnoringCase(words[k], "sinister");
        if (!sinister && CrossedWordClass(vocabulary, words[k]) != kTypeLine) break;
        out.push_back(' ');
        out.append(ToLower(words[k]));
    }
    return out;
}

// "barry [of N] [lines]" (paly, bendy [sinister], chevronny) from words[k]: a field of pieces,
// with its words; empty otherwise. Moves k past them.
std::string FieldOfPieces(const Vocabulary& vocabulary, const CrossedWords& words, std::size_t& k) {
    bool pieces = false;
    for (const std::string_view word : {"barry", "paly", "bendy", "chevronny", "burelly"})
        pieces = pieces || (k < words.size() && EqualsIgnoringCase(words[k], word));
    if (!pieces) return {};
    std::string out(ToLower(words[k++]));
    for (; k < words.size(); ++k) {
        const bool count = k + 1 < words.size() && EqualsIgnoringCase(words[k], "of") &&
                           CrossedWordClass(vocabulary, words[k + 1]) == kTypeNumber;
        const bool sinister = EqualsIgnoringCase(words[k], "sinister");
        if (!count && !sinister && CrossedWordClass(vocabulary, words[k]) != kTypeLine) break;
        out.push_back(' ');
        out.append(ToLower(words[k]));
        if (count) {
            out.push_back(' ');
            out.append(ToLower(words[++k]));
        }
    }
    return out;
}

std::string RestFrom(const std::string& text, const CrossedWords& words, std::size_t k) {
    if (k >= words.size()) return {};
    return text.substr(static_cast<std::size_t>(words[k].data() - text.data()) - 1);
}

// "quarterly T and T counterchanged": the word dropped.
bool QuarteredCounterchanged(std::string& text, const Vocabulary& vocabulary, const CrossedWords& words) {
    if (words.size() < 5 || !EqualsIgnoringCase(words[0], "quarterly") || !EqualsIgnoringCase(words[2], "and") ||
        !IsCounterchangedWord(words[4]) || CrossedWordClass(vocabulary, words[1]) != kTypeTincture ||
        CrossedWordClass(vocabulary, words[3]) != kTypeTincture)
        return false;
    text = std::string(words[0]) + " " + std::string(words[1]) + " and " + std::string(words[3]) + RestFrom(text, words, 5);
    return true;
}

}  // namespace

bool CrossedPartitionsCounterchanged(std::string& text, const Vocabulary& vocabulary) {
    const CrossedWords words = BlankPartedWords(text);
    if (QuarteredCounterchanged(text, vocabulary, words)) return true;
    std::size_t k = 0;
    const std::string first = OnePartition(vocabulary, words, k);
    if (first.empty() || k >= words.size()) return false;
    // "Per pale barry wavy argent and azure counterchanged": the field of pieces in each part of
    // the partition, its tinctures turned about in the second.
    const std::string pieces = FieldOfPieces(vocabulary, words, k);
    if (pieces.empty() && !EqualsIgnoringCase(words[k++], "and")) return false;
    const std::string second = pieces.empty() ? OnePartition(vocabulary, words, k) : std::string();
    if (pieces.empty() && (second.empty() || first == second)) return false;
    bool counterchanged = false;
    if (k < words.size() && IsCounterchangedWord(words[k])) {
        counterchanged = true;
        ++k;
    }
    if (k + 2 >= words.size() || !EqualsIgnoringCase(words[k + 1], "and")) return false;
    const std::string_view t1 = words[k], t2 = words[k + 2];
    if (CrossedWordClass(vocabulary, t1) != kTypeTincture || CrossedWordClass(vocabulary, t2) != kTypeTincture) return false;
    k += 3;
    if (k + 1 < words.size() && EqualsIgnoringCase(words[k], "all") && IsCounterchangedWord(words[k + 1])) ++k;
    if (k < words.size() && IsCounterchangedWord(words[k])) {
        counterchanged = true;
        ++k;
    }
    if (!counterchanged) return false;
    const std::string a(t1), b(t2);
    if (!pieces.empty()) {
        text = "per " + first + " " + pieces + " " + a + " and " + b + " and " + pieces + " " + b + " and " + a +
               RestFrom(text, words, k);
        return true;
    }
    // The parts of the outer partition are each parted by the inner one as the whole field would
    // be: only a pale or a fess runs on unbroken through both parts (a bend within each part of
    // a per pale field would be two bends), so the other line is the outer one.
    const bool firstRunsThrough = StartsWithWord(first, "pale") || StartsWithWord(first, "fess");
    const bool secondRunsThrough = StartsWithWord(second, "pale") || StartsWithWord(second, "fess");
    if (!firstRunsThrough && !secondRunsThrough) return false;
    const std::string& inner = firstRunsThrough ? first : second;
    const std::string& outer = firstRunsThrough ? second : first;
    text = "per " + outer + " per " + inner + " " + a + " and " + b + " and per " + inner + " " + b + " and " + a +
           RestFrom(text, words, k);
    return true;
}

}  // namespace esc
