#include "interpret/phrase/ChiefPieces.h"

#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using namespace phrase;

namespace {

bool IsEsquire(const DrawingState& s, int k) { return T(s, k) == kTypeOrdinary && ShapeOfCode(S1(s, k)) == kBaseEsquires; }
bool IsSide(const DrawingState& s, int k) { return Is(s, k, "dexter") || Is(s, k, "sinister"); }

}  // namespace

bool BaseEsquireRule(DrawingState& s) {
    // The words of the piece from the cursor: an optional side, "base", "esquire(s)", an
    // optional side after it.
    int k = 0;
    bool sinister = false;
    if (IsSide(s, k) && (IsEsquire(s, k + 1) || (Is(s, k + 1, "base") && IsEsquire(s, k + 2)))) {
        sinister = Is(s, k, "sinister");
        ++k;
    }
    if (Is(s, k, "base") && IsEsquire(s, k + 1)) ++k;
    if (!IsEsquire(s, k)) return false;
    if (IsSide(s, k + 1)) {
        sinister = Is(s, k + 1, "sinister");
        ++k;
    }
    // "between base esquires": the pair.
    LevelRecord& level = Current(s);
    if (level.levelCount == 0) level.levelCount = 2;
    level.levelKind = kTypeOrdinary;
    level.levelName.Assign("baseesquire");
    // Only a single esquire has a side; a pair has both corners.
    s.shapeCode = sinister && level.levelCount == 1 ? kBaseEsquireSinister : kBaseEsquires;
    for (int i = 0; i <= k; ++i) Use(s, i);
    s.cursor += k + 1;
    return true;
}

}  // namespace esc
