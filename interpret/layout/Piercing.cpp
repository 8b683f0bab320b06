#include "interpret/layout/Piercing.h"

#include <optional>

#include "interpret/layout/Layouts.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {

namespace {

// One picture charge on the field, neither on nor in nor between anything.
bool IsOnePiercingCharge(const LevelRecord& level) {
    return level.levelCount == 1 && level.levelKind != 0 && level.levelKind != kTypeOrdinary &&
           level.levelKind != kTypeRoundel && !level.levelIn && !level.levelOn && !level.levelBetween;
}

bool IsPiercingChargeWord(int type) { return type == kTypeCharge || IsOtherChargeWord(type); }

// Level 0 or 1 of a piercing pair: the one that pierces at the size of one charge alone, the one
// pierced smaller, both on the middle of the field.
void PlacePiercingMember(DrawingState& s, bool pierces) {
    const ShieldGeometry& g = s.geometry;
    NoteLayout(s, pierces ? "Piercing(through)" : "Piercing(pierced)");
    Place(s, g.W2, g.H2, pierces ? kAloneScale : kAloneScale * kPiercedShare);
}

}  // namespace

bool PiercingPairAt(const DrawingState& s, int phraseStart) {
    if (!IsOnePiercingCharge(s.levels[0])) return false;
    if (!EqualsIgnoringCase(s.Word(phraseStart), "a") && !EqualsIgnoringCase(s.Word(phraseStart), "an")) return false;
    return IsPiercingChargeWord(s.Type(phraseStart + 1)) || IsPiercingChargeWord(s.Type(phraseStart + 2));
}

bool PiercingLayout(DrawingState& s, int nextWord) {
    if (s.level == 0) {
        const std::optional<RelationWords> after = RelationWordsAfter(s, nextWord);
        if (!after || after->kind != model::RelationKind::Pierces || !PiercingPairAt(s, after->first + after->count))
            return false;
        PlacePiercingMember(s, !after->passive);
        return true;
    }
    if (s.level != 1) return false;
    const std::optional<RelationWords> before = RelationWordsBefore(s, s.levelFirstWord);
    if (!before || before->kind != model::RelationKind::Pierces || !PiercingPairAt(s, before->first + before->count) ||
        !IsOnePiercingCharge(phrase::Current(s)))
        return false;
    PlacePiercingMember(s, before->passive);
    return true;
}

}  // namespace esc
