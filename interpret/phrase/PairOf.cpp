#include "interpret/phrase/PairOf.h"

#include "interpret/phrase/PhraseRules.h"

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

}  // namespace esc
