#include "interpret/phrase/Reversed.h"

#include "engine/OrdinaryShapes.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using namespace phrase;

namespace {

bool IsReversedWord(const DrawingState& s, int k) { return Is(s, k, "reversed") || Is(s, k, "inverted"); }

// Reads W+k for the current level; false when it turns nothing there.
bool ReadReversed(DrawingState& s, int k) {
    const LevelRecord& level = Current(s);
    if (!IsReversedWord(s, k) || level.levelCount < 1 || s.rowsDrawn) return false;
    // An ordinary named after "in" is a place or an arrangement ("in pale"), not one to turn.
    if (level.levelKind == kTypeOrdinary && level.levelIn) return false;
    if (level.levelKind == kTypeOrdinary) {
        // Only the ordinaries whose turned shape exists; a chevron already inverted stays so.
        ShapeCode turned = kNoShape;
        if (s.shapeCode == kChevron || s.shapeCode == kChevronInverted) turned = kChevronInverted;
        if (s.shapeCode == kPall || s.shapeCode == kPallReversed) turned = kPallReversed;
        if (s.shapeCode == kChevronels || s.shapeCode == kChevronelsInverted) turned = kChevronelsInverted;
        if (s.shapeCode == kPiles || s.shapeCode == kPilesInverted) turned = kPilesInverted;
        // A bend turned either way over (left for right, or top for bottom) runs the other
        // diagonal: a bend reversed is the bend sinister, and a bend sinister reversed the bend.
        if (s.shapeCode == kBend) turned = kBendSinister;
        if (s.shapeCode == kBendSinister) turned = kBend;
        if (s.shapeCode == kBendlets) turned = kBendletsSinister;
        if (s.shapeCode == kBendletsSinister) turned = kBendlets;
        if (turned == kNoShape) return false;
        s.partitionCode = s.shapeCode = turned;
        if (level.levelOn) s.onOrdinaryCode = turned;
    } else if (level.levelKind != 0 && level.levelKind != kTypeRoundel) {
        // A roundel looks the same either way up: the word would change nothing.
        s.reversedCharges = true;
    } else {
        return false;
    }
    Use(s, k);
    return true;
}

}  // namespace

bool ReversedRule(DrawingState& s) {
    if (!ReadReversed(s, 0)) return false;
    ++s.cursor;
    return true;
}

void ReversedAfterTincture(DrawingState& s) {
    if (ReadReversed(s, 1)) ++s.cursor;
}

}  // namespace esc
