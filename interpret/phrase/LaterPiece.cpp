// A later piece of a long blazon, read on from the levels the pieces before it left.

#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/phrase/PhraseRules.h"

namespace esc {

void InterpretLaterPiece(DrawingState& s) {
    s.cursor = 0;
    s.levelFirstWord = 0;
    s.stopReading = false;
    // Word marks of the piece before point at nothing in this one.
    s.supportedByWord = -1;
    s.treatmentBreakTold = -1;
    // "..., between three mullets": the phrase before ended with the piece before, so the group
    // after the word is the one that stands between, as "between" read after that phrase makes it.
    // "all between" puts all the phrases before between the group.
    const int between = phrase::Is(s, 0, "all") && phrase::Is(s, 1, "between") ? 1 : 0;
    if (phrase::Is(s, between, "between") && s.level > 0 && s.level < kMaxLevels && phrase::Current(s).levelCount == 0) {
        phrase::Current(s).levelBetween = true;
        for (int k = 0; k <= between; ++k) phrase::Use(s, k);
        s.cursor = between + 1;
    }
    ReadPhrasesFromTheCursor(s);
}

}  // namespace esc
