#pragma once
// The words that attach a phrase to the charges of the phrase before it: "holding in its dexter
// claw", "each holding in the mouth", "grasping", "ensigned with", "enfiled by", "enfiling". Read
// from tables, so that a new wording is a row and not a rule.

#include <optional>

#include "interpret/phrase/AttachedPhrase.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

struct AttachedWords {
    AttachedPhrase phrase;  // how, limb, side and "each" (the level is set when it is read)
    int count = 0;          // how many words say it, up to the phrase it attaches
};

// The attaching words that begin at word `at` and end where a phrase begins (an article or a
// number), if any.
std::optional<AttachedWords> AttachedWordsAt(const DrawingState& state, int at);

// At attaching words after a phrase of charges: the phrase before is closed (it is read again),
// or, when it is closed, the words are read and the next phrase is marked as attached to it.
// "the shield ensigned with a crown": what stands above the shield is no part of the arms; the
// user is told and the words are read past. False, reading nothing, otherwise.
bool AttachedRule(DrawingState& state);

// At "charged" "with": an ordinary being read is drawn and its charges lie on it; otherwise the
// next phrase lies on each charge of the phrase before.
void ChargedWithRule(DrawingState& state);

}  // namespace esc
