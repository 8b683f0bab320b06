#pragma once
// The vocabulary: every word form of the blazon language with its Type, Sub1 and Sub2.
// Loaded once from the vocabulary table and then only read, so any number of drawings may share
// one Vocabulary.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interpret/read/Spellings.h"

namespace esc {

struct VocabularyRow {
    std::string word;
    int type = 0, sub1 = 0, sub2 = 0;
};

// Word classes.
enum WordClass : int {
    kTypeNotFound = -1,
    kTypeIgnored = 0,
    kTypeTincture = 1,
    kTypeOrdinary = 2,
    kTypeLine = 3,
    kTypeCharge = 4,
    kTypeNumber = 5,
    kTypePrefix = 8,
    kTypeAttitude = 9,
    kTypeRoundel = 10,
    kTypeDetail = 16,
    // Types 11 to 14 name charges of other families (beasts, birds ...) as Type 4 does.
    kTypeFirstOtherCharge = 11,
    kTypeLastOtherCharge = 14,
};

// Whether a word of class `type` names a charge of the other families.
inline bool IsOtherChargeWord(int type) { return type >= kTypeFirstOtherCharge && type <= kTypeLastOtherCharge; }

class Vocabulary {
public:
    Vocabulary() = default;
    explicit Vocabulary(std::vector<VocabularyRow> rows, SpellingTable spellings = {});

    // Reads table "words1" of the vocabulary file, and its spellings (table "spellings1").
    static std::optional<Vocabulary> Load(const std::string& path, std::string* error);

    // The first row, in the order of the Word index, whose word begins with `key` (ignoring
    // case); nullptr when none does or the key is empty.
    const VocabularyRow* Lookup(std::string_view key) const;

    const std::vector<VocabularyRow>& Rows() const { return rows_; }
    // How armorials print the words of the table, read before the lookup.
    const SpellingTable& Spellings() const { return spellings_; }

private:
    std::vector<VocabularyRow> rows_;  // in index order
    SpellingTable spellings_;
};

// The lookup key of a word: lower case, a final "s" dropped unless it follows another "s";
// "ermines" and "erminois" keep theirs.
std::string LookupKey(std::string_view word);

}  // namespace esc
