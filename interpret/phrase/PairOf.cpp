#include "interpret/phrase/PairOf.h"

#include "engine/ShapeCode.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using namespace phrase;

bool PairOfRule(DrawingState& s) {
    if (!Is(s, 0, "pair") || !Is(s, 1, "of")) return false;
    LevelRecord& level = Current(s);
    if (level.levelCount > 1 || level.levelKind != 0) return false;
    level.levelCount = 2;
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

bool PairsOfWingsRule(DrawingState& s) {
    if (!Is(s, 0, "pairs") || !Is(s, 1, "of") || !Is(s, 2, "wings")) return false;
    const LevelRecord& level = Current(s);
    if (level.levelCount < 1 || level.levelKind != 0) return false;
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

namespace {

// How far after "pairs of" the crossing of the pairs is looked for: the charge's name and a word
// or two of how it lies ("arrows inverted", "barley garbs").
constexpr int kPairCrossingLookahead = 6;

// Whether the words after "pairs of" cross the pairs before the phrase ends.
bool CrossingFollowsThePairs(const DrawingState& s) {
    for (int k = 2; k < kPairCrossingLookahead && s.cursor + k + 1 < s.wordCount; ++k) {
        if (Is(s, k, "in")) return Is(s, k + 1, "saltire") || Is(s, k + 1, "cross");
        if (T(s, k) == kTypeTincture || Is(s, k, "between") || Is(s, k, "and") || Is(s, k, "on")) return false;
    }
    return false;
}

// How far after "pairs of" the turn of each pair is looked for: past the charge, its arrangement
// and tincture ("three pairs of keys, two in chief and one in base, or, each pair addorsed").
constexpr int kPairTurnLookahead = 14;

bool IsPairTurn(const DrawingState& s, int k) {
    return T(s, k) == kTypeLine && (S1(s, k) == kPairFirstTurned || S1(s, k) == kPairSecondTurned);
}

// Where a word turning each pair (addorsed, combatant) follows before another phrase begins, as
// an offset from the cursor; 0 when none does.
int PairTurnAhead(const DrawingState& s) {
    for (int k = 2; k < kPairTurnLookahead && s.cursor + k < s.wordCount; ++k) {
        if (IsPairTurn(s, k)) return k;
        if (Is(s, k, "between") || Is(s, k, "on") || Is(s, k, "within") || Is(s, k, "charged")) return 0;
    }
    return 0;
}

bool WordReadAhead(const DrawingState& s, int k) {
    const int at = s.cursor + k;
    return at >= 0 && at < s.wordCount && s.wordUsed[static_cast<std::size_t>(at)];
}

}  // namespace

bool ReadPairTurn(DrawingState& s) {
    // The turn is read with "pairs of", since the pairs are placed at their tincture, which may
    // come first ("three pairs of keys ... or, each pair addorsed"): here it is passed over.
    if (!WordReadAhead(s, 0)) return false;
    if (IsPairTurn(s, 0)) {
        ++s.cursor;
        return true;
    }
    if (Is(s, 0, "each") && Is(s, 1, "pair") && IsPairTurn(s, 2)) {
        s.cursor += 3;
        return true;
    }
    return false;
}

bool PairsOfCrossedRule(DrawingState& s) {
    if ((!Is(s, 0, "pairs") && !Is(s, 0, "pair")) || !Is(s, 1, "of") || Is(s, 2, "wings")) return false;
    const LevelRecord& level = Current(s);
    if (level.levelKind != 0 || s.group.pairs != PairForm::kSingle) return false;
    const int turnAt = CrossingFollowsThePairs(s) ? 0 : PairTurnAhead(s);
    if (!CrossingFollowsThePairs(s) && turnAt == 0) return false;
    // "a pair of swords in saltire" is two charges crossed, as "two swords in saltire" is.
    if (level.levelCount < 2) return false;
    s.group.pairs = PairForm::kPairsNamed;
    if (turnAt > 0) {
        s.group.pairs = S1(s, turnAt) == kPairSecondTurned ? PairForm::kAddorsed : PairForm::kCombatant;
        Use(s, turnAt);
        // "each pair addorsed": the words naming the pair again say no more.
        if (Is(s, turnAt - 1, "pair") && Is(s, turnAt - 2, "each")) {
            Use(s, turnAt - 1);
            Use(s, turnAt - 2);
        }
    }
    Use(s, 0);
    Use(s, 1);
    s.cursor += 2;
    return true;
}

bool ReadPairCrossing(DrawingState& s, ShapeCode toward) {
    if (s.group.pairs != PairForm::kPairsNamed || !Is(s, -1, "in")) return false;
    if (toward != ShapeCode::kSaltire && toward != ShapeCode::kCross) return false;
    s.group.pairs = toward == ShapeCode::kSaltire ? PairForm::kCrossedInSaltire : PairForm::kCrossedInCross;
    Use(s, -1);
    Use(s, 0);
    return true;
}

void BarePairRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    if (level.levelCount != 0 || level.levelKind != 0 || T(s, 0) != kTypeOrdinary || ShapeOfCode(S1(s, 0)) != kFlaunches)
        return;
    const std::string_view word = W(s, 0);
    if (word.empty() || (word.back() != 's' && word.back() != 'S')) return;
    level.levelCount = 2;
}

}  // namespace esc
