#pragma once
// The vocabulary: every word form of the blazon language with its Type, Sub1 and Sub2.
// Loaded once from the vocabulary table and then only read, so any number of drawings may share
// one Vocabulary.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interpret/read/HoldingPoint.h"
#include "interpret/read/PointWay.h"
#include "interpret/read/Spellings.h"

namespace esc {

struct VocabularyRow {
    std::string word;
    int type = 0, sub1 = 0, sub2 = 0;
};

// A charge whose picture has a point, and the way the picture holds it.
struct PointedPicture {
    std::string word;  // the charge word, singular, lower case
    PointWay drawn = PointWay::kNone;
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
    explicit Vocabulary(std::vector<VocabularyRow> rows, SpellingTable spellings = {},
                        std::vector<PointedPicture> pointed = {}, std::vector<HoldingPoint> holds = {});

    // Reads table "words1" of the vocabulary file, its spellings (table "spellings1") and its
    // pointed pictures (table "points1") and its holding points (table "holds1").
    static std::optional<Vocabulary> Load(const std::string& path, std::string* error);

    // The first row, in the order of the Word index, whose word begins with `key` (ignoring
    // case); nullptr when none does, the key is empty, or the row's word is longer than the key
    // in a way FindsLongerWord refuses.
    const VocabularyRow* Lookup(std::string_view key) const;

    const std::vector<VocabularyRow>& Rows() const { return rows_; }
    // How armorials print the words of the table, read before the lookup.
    const SpellingTable& Spellings() const { return spellings_; }
    // Which way the picture of the charge word (singular, or its plural with a final "s") holds
    // its point; kNone for a charge with no point.
    PointWay DrawnPoint(std::string_view chargeWord) const;
    // Where the bearers' pictures hold what they hold, in the order they are tried.
    const std::vector<HoldingPoint>& HoldingPoints() const { return holds_; }

private:
    std::vector<VocabularyRow> rows_;  // in index order
    SpellingTable spellings_;
    std::vector<PointedPicture> pointed_;
    std::vector<HoldingPoint> holds_;
};

// Whether a key that begins the longer row `word` is taken for it. A short key is most often
// another word that happens to begin a charge's name ("port" is not a portcullis, "bird" not a
// birdbolt, "tres" not a tree), so only these are: the row with a final "s" the key lacks, and a
// key of at least kShortestCutWord letters that covers all but a fifth of the word (a word whose
// accent or last letter was lost). Shorter abbreviations ("arg", "chev", "betw") are spelling
// rows, read before the lookup; a key refused is a word not found, which the reader tells.
inline constexpr std::size_t kShortestCutWord = 5;
inline constexpr std::size_t kCutWordShare = 5;  // the key covers (kCutWordShare - 1) / kCutWordShare
bool FindsLongerWord(std::string_view key, std::string_view word);

// The lookup key of a word: lower case, a final "s" dropped unless it follows another "s";
// "ermines" and "erminois" keep theirs.
std::string LookupKey(std::string_view word);

}  // namespace esc
