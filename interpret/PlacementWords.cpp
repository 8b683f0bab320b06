// Placement constructions read by the phrase interpreter beyond a single direction.

#include "interpret/PlacementWords.h"

#include "interpret/PhraseRules.h"
#include "interpret/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Is;
using phrase::S1;
using phrase::T;
using phrase::Use;

namespace {

constexpr int kFessCode = 0, kChevronCode = 4;
constexpr int kSplitWords = 7;  // "six in chief and four in base"

}  // namespace

bool SplitRowsRule(DrawingState& s) {
    if (T(s, 0) != kTypeNumber || s.level != 1 || s.splitChief > 0) return false;
    const LevelRecord& level = Current(s);
    if (!level.levelBetween || level.levelCount < 2 || level.levelKind == 0 || level.levelKind == kTypeOrdinary) return false;
    // Above and below: only the ordinaries that part the field into a chief and a base side.
    const LevelRecord& first = s.levels[0];
    const int shape = s.firstOrdinaryShape;
    if (first.levelKind != kTypeOrdinary || (shape != kFessCode && shape != kChevronCode)) return false;
    if (!(Is(s, 1, "in") && Is(s, 2, "chief") && Is(s, 3, "and") && T(s, 4) == kTypeNumber && Is(s, 5, "in") &&
          Is(s, 6, "base")))
        return false;
    const int chief = S1(s, 0), base = S1(s, 4);
    if (chief < 1 || base < 1 || chief + base != level.levelCount) return false;
    s.splitChief = chief;
    s.splitBase = base;
    for (int k = 0; k < kSplitWords; ++k) Use(s, k);
    s.cursor += kSplitWords;
    return true;
}

bool TheLatterRule(DrawingState& s) {
    if (!Is(s, 0, "the") || !(Is(s, 1, "latter") || Is(s, 1, "last")) || !Is(s, 2, "charged") || !Is(s, 3, "with"))
        return false;
    const LevelRecord& level = Current(s);
    auto isOrdinary = [](const LevelRecord& l) { return l.levelKind == kTypeOrdinary && l.levelCount > 0 && !l.levelIn; };
    if (isOrdinary(level) && s.level >= 1 && isOrdinary(phrase::Previous(s))) {
        // The second ordinary is still open: the charged-with rule draws it and lays the charges on it.
    } else if (level.levelCount == 0 && s.level >= 2 && isOrdinary(phrase::Previous(s)) &&
               isOrdinary(phrase::Level(s, s.level - 2))) {
        // Already drawn (its tincture ended it): the charges go on the ordinary that name shows.
        const VocabularyRow* row =
            s.vocabulary == nullptr ? nullptr : s.vocabulary->Lookup(LookupKey(phrase::Previous(s).levelName.view()));
        if (row == nullptr || row->type != kTypeOrdinary) return false;
        s.onOrdinaryCode = row->sub1;
    } else {
        return false;
    }
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

}  // namespace esc
