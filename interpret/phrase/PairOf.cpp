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

void BarePairRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    if (level.levelCount != 0 || level.levelKind != 0 || T(s, 0) != kTypeOrdinary || ShapeOfCode(S1(s, 0)) != kFlaunches)
        return;
    const std::string_view word = W(s, 0);
    if (word.empty() || (word.back() != 's' && word.back() != 'S')) return;
    level.levelCount = 2;
}

}  // namespace esc
