#include "interpret/read/PartitionAfterTinctures.h"

#include <string_view>
#include <utility>
#include <vector>

#include "interpret/read/TextOps.h"

namespace esc {
namespace {

int WordClassOf(const Vocabulary& vocabulary, std::string_view word) {
    const VocabularyRow* row = vocabulary.Lookup(LookupKey(word));
    return row == nullptr ? kTypeNotFound : row->type;
}

// The partition a "cheveronwise" or "bendways" names: the word without its ending, as the
// spellings read it, when the vocabulary holds it as an ordinary; empty otherwise.
std::string PartitionOfTheWay(const Vocabulary& vocabulary, std::string_view word) {
    for (const std::string_view ending : {"wise", "ways"}) {
        if (word.size() <= ending.size() || !EqualsIgnoringCase(word.substr(word.size() - ending.size()), ending))
            continue;
        std::string stem = vocabulary.Spellings().Respell(word.substr(0, word.size() - ending.size()));
        if (WordClassOf(vocabulary, stem) == kTypeOrdinary) return ToLower(stem);
    }
    return {};
}

// The partition of "in saltire" when the spellings wrote it for "saltirewise": the way of an
// ordinary whose "-wise" word reads as "in X" (a charge "saltirewise" is one set in saltire), so
// that "party vert and or saltirewise" is still the field parted so. Empty otherwise.
std::string PartitionOfTheRespelledWay(const Vocabulary& vocabulary, std::string_view in, std::string_view word) {
    if (!EqualsIgnoringCase(in, "in") || WordClassOf(vocabulary, word) != kTypeOrdinary) return {};
    const std::string way = vocabulary.Spellings().Respell(std::string(word) + "wise");
    return EqualsIgnoringCase(way, "in " + std::string(word)) ? ToLower(word) : std::string();
}

}  // namespace

bool PartitionBeforeItsTinctures(std::string& text, const Vocabulary& vocabulary) {
    const std::vector<std::string_view> words = BlankPartedWords(text);
    if (words.size() < 4 || !EqualsIgnoringCase(words[0], "per") || !EqualsIgnoringCase(words[1], "pale")) return false;
    std::size_t k = 2;
    // "Party of six pieces": the field per fess with a pale counterchanged, three pieces above
    // and three below.
    const bool sixPieces = EqualsIgnoringCase(words[k], "of") && EqualsIgnoringCase(words[k + 1], "six");
    if (sixPieces) k += 2;
    if (sixPieces && k < words.size() && EqualsIgnoringCase(words[k], "pieces")) ++k;
    if (k + 1 >= words.size()) return false;
    const std::string_view first = words[k++];
    if (EqualsIgnoringCase(words[k], "and")) ++k;
    if (k >= words.size()) return false;
    const std::string_view second = words[k];
    if (WordClassOf(vocabulary, first) != kTypeTincture || WordClassOf(vocabulary, second) != kTypeTincture) return false;
    std::string out;
    if (sixPieces) {
        out = "Per fess " + std::string(first) + " and " + std::string(second) + " a pale counterchanged";
    } else {
        if (++k >= words.size()) return false;
        std::string partition = PartitionOfTheWay(vocabulary, words[k]);
        if (partition.empty() && k + 1 < words.size()) {
            partition = PartitionOfTheRespelledWay(vocabulary, words[k], words[k + 1]);
            if (!partition.empty()) ++k;
        }
        if (partition.empty()) return false;
        out = "Per " + partition + " " + std::string(first) + " and " + std::string(second);
    }
    out += std::string_view(text).substr(static_cast<std::size_t>(words[k].data() + words[k].size() - text.data()));
    text = std::move(out);
    return true;
}

}  // namespace esc
