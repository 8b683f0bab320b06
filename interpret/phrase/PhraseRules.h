#pragma once
// What the rules of the phrase interpreter share: the words around the cursor, the level
// records by index, and the rules that more than one file calls.
//
// W0 is the word at the cursor, W+1 the next, W-1 the previous. Keyword tests compare the
// whole word ignoring case ("Azure A Lion Rampant Or"); the words keep their typed case for
// display, and the names of levels are built from them in lower case.

#include <string>
#include <string_view>

#include "interpret/phrase/DrawingState.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/VariantCode.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {

inline std::string_view W(const DrawingState& s, int k) { return s.Word(s.cursor + k); }
inline int T(const DrawingState& s, int k) { return s.Type(s.cursor + k); }
inline int S1(const DrawingState& s, int k) { return s.Sub1(s.cursor + k); }
inline int S2(const DrawingState& s, int k) { return s.Sub2(s.cursor + k); }
inline bool Is(const DrawingState& s, int k, std::string_view keyword) { return EqualsIgnoringCase(W(s, k), keyword); }
// W+k had an effect: it counts once the current level is drawn.
inline void Use(DrawingState& s, int k) { s.UseWord(s.cursor + k); }
// A word as part of a level's name: picture files and the names the layouts test are lower case.
inline std::string NameWord(const DrawingState& s, int k) { return ToLower(W(s, k)); }

// The level record at `index`; an index outside 0..9 reaches a scratch record that reads as
// freshly reset and forgets what is written to it.
inline LevelRecord& Level(DrawingState& s, int index) {
    if (index >= 0 && index < kMaxLevels) return s.levels[static_cast<std::size_t>(index)];
    s.outsideLevel = LevelRecord{};
    return s.outsideLevel;
}
inline LevelRecord& Current(DrawingState& s) { return Level(s, s.level); }
inline LevelRecord& Previous(DrawingState& s) { return Level(s, s.level - 1); }
inline int& Tincture(DrawingState& s) { return s.levelTincture[s.level]; }
inline bool HasTincture(const DrawingState& s) { return s.levelTincture[s.level] != -1; }

// Appends what the Sub2 `value` of an attitude or variant word adds (its decimal digits, or the
// letters of a letter code: interpret/read/VariantCode.h) to a variant string that is shorter than
// three characters.
template <typename Variant>
void AppendDigits(Variant& variant, int value) {
    if (variant.size() < 3) variant.Append(VariantText(value));
}

// The first Type 1 word after W0 gives the level's tincture; nothing changes without one.
// Attitude words after a charge word (or its tincture): the digits of each Type 9 word that
// belongs to the attitude owner go to the variant string; "rampant and guardant" reads both.
// The cursor ends on the last one read. Whether any was read.
bool ReadAttitudes(DrawingState& s);
void FindTincture(DrawingState& s);
// Closes a level that has a count but maybe no tincture before a new phrase starts at W0:
// with a tincture it is completed, without one it is closed by tincture. The cursor stays on
// W0, which is then read again for the new level.
void CloseBeforeNewPhrase(DrawingState& s);
// Rows of charges from the numbers at W0 ("three two and one"), drawn at once; the cursor ends
// after the last number and the level stays current.
void ReadRows(DrawingState& s);
// Whether W+k begins a charge's name: a beast, a bird, another charge, a roundel, a prefix ("the
// demi lion"), the first word of a name of several ("the fleur de lis").
bool BeginsAChargeName(const DrawingState& s, int k);
// CompleteLevel, then the cursor back on the word it stood on.
void CompleteAndReread(DrawingState& s);

// The rules with more than a line or two, in the order the loop tries them. Each returns true
// when the pass is finished, false when the loop goes on with the following rules for the word
// at the cursor.
void OfTheLastRule(DrawingState& s);          // "of" "the" "last"
void NumberRule(DrawingState& s);             // numbers, "as many", rows
// Whether the group is already set in a part of the field (in chief, in base, in dexter or
// sinister chief) and `code` is an arrangement: "in base two croziers in saltire" has no layout
// that keeps both, so the arrangement is left unread rather than moving the group out of its part.
bool KeepsItsPart(const LevelRecord& level, Direction code);
bool OrdinaryWordRule(DrawingState& s);       // Type 2
bool ChargeWordRule(DrawingState& s);         // Types 4, 11, 12, 13, 14
bool HandednessRule(DrawingState& s);         // "dexter"/"sinister" before a hand, arm or gauntlet
bool IsCotiseWord(const DrawingState& s);
void CotiseRule(DrawingState& s);             // "cotised", "double cotised"
void TinctureRule(DrawingState& s);           // "between", roundels, the first tincture
void TinctureFollowUp(DrawingState& s);       // steps b to h after a tincture

}  // namespace esc::phrase

namespace esc {

// The word at index i (counted from the first word, not from the cursor) is `word`, ignoring
// case; past the last word there is no word.
inline bool WordIs(const DrawingState& s, int i, std::string_view word) { return EqualsIgnoringCase(s.Word(i), word); }
// An article or a count at index i: where a phrase naming charges begins.
inline bool PhraseStartsAt(const DrawingState& s, int i) {
    return WordIs(s, i, "a") || WordIs(s, i, "an") || s.Type(i) == kTypeNumber;
}
// Whether the word at index i begins a charge's name (BeginsAChargeName at an absolute index).
inline bool BeginsAChargeNameAt(const DrawingState& s, int i) {
    constexpr int kBird = 11, kNamePart = 13, kOtherCharge = 14, kStartsAName = 8, kLastPrefix = 98;
    const int type = s.Type(i);
    return type == kTypeCharge || type == kBird || type == kOtherCharge || type == kTypeRoundel ||
           (type == kTypePrefix && s.Sub1(i) <= kLastPrefix) || (type == kNamePart && s.Sub1(i) == kStartsAName);
}
// "the" at index i as the article of a charge named once ("in canton the royal crown").
inline bool TheArticleAt(const DrawingState& s, int i) { return WordIs(s, i, "the") && BeginsAChargeNameAt(s, i + 1); }

}  // namespace esc
