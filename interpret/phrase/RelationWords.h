#pragma once
// The words that join one phrase to the next by a relation: "within", "environed of",
// "surmounted by", "over all", "maintaining", "issuant from", "charged with", "between". Read
// from one table, so that a layout asks for the relation and not for one wording of it.

#include <optional>

#include "interpret/model/Arms.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

struct RelationWords {
    model::RelationKind kind = model::RelationKind::Within;
    int first = 0;   // the first word
    int count = 0;   // how many words say it
    bool passive = false;  // the phrase after is the relation's subject ("transfixed by an arrow")
};

// The relation words that begin at word `at`, if any.
std::optional<RelationWords> RelationWordsAt(const DrawingState& state, int at);
// The relation words just before the phrase that begins at `phraseStart`, looked for at it
// and at the word before it (the loop may step over one word before a phrase begins).
std::optional<RelationWords> RelationWordsBefore(const DrawingState& state, int phraseStart);
// The relation words that end the phrase being read, at `next` or at the word before it.
std::optional<RelationWords> RelationWordsAfter(const DrawingState& state, int next);

// Whether the phrase that begins at `phraseStart` (its article or count) names what a charge
// before it is drawn within: an annulet, an ordinary (a bordure, an orle, a tressure, "double"
// before it or not), charges set in orle, or a charge picture (which may close round what is
// within it). Within anything else the two are not drawn so, and the relation words are left
// unread.
bool IsDrawnWithin(const DrawingState& state, int phraseStart);

// Reads relation words that no other rule of the loop takes ("environed of", "issuant from")
// when a phrase follows them: their words are used and the loop steps past them; the relation
// joins the phrase before to the next one in the model. Whether it read any.
bool RelationWordsRule(DrawingState& state);

}  // namespace esc
