#include "interpret/layout/BetweenTheWhole.h"

#include <optional>
#include <vector>

#include "engine/OrdinaryShapes.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/layout/Placement.h"
#include "interpret/layout/PrincipalCharge.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"
#include "interpret/trace/PhraseInterpreterTrace.h"

namespace esc {
namespace {

using model::RelationKind;

// The relations by which a phrase keeps to the one before it, so that what follows them lies
// about both: a relation that sets the second elsewhere (on it, between, issuant) is none.
bool Joins(RelationKind kind) {
    return kind == RelationKind::Surmounts || kind == RelationKind::Within || kind == RelationKind::Ensigned ||
           kind == RelationKind::Enfiled || kind == RelationKind::Maintains;
}

// The group of the model that the level's charges began.
int GroupOfLevel(const model::Arms& arms, int level) {
    for (std::size_t i = 0; i < arms.groups.size(); ++i)
        if (arms.groups[i].firstLevel == level) return static_cast<int>(i);
    return -1;
}

bool JoinedInTheModel(const model::Arms& arms, int first, int second) {
    if (first < 0 || second < 0) return false;
    for (const model::Relation& r : arms.relations) {
        const bool theTwo = (r.subject == first && r.object == second) || (r.subject == second && r.object == first);
        if (theTwo && Joins(r.kind)) return true;
    }
    return false;
}

bool PlainLevel(const LevelRecord& level) {
    return level.levelCount > 0 && !level.levelOn && !level.levelIn && !level.levelBetween && !level.levelChargedOn;
}

bool StartsAPhrase(const DrawingState& s, int i) {
    return EqualsOneOfIgnoringCase(s.Word(i), "a|an") || s.Type(i) == kTypeNumber;
}

// Words after which the phrase is no longer the joined one's: another place, another phrase.
bool EndsThePhrase(const DrawingState& s, int i) {
    return StartsAPhrase(s, i) || EqualsOneOfIgnoringCase(s.Word(i), "on|in|and|within|charged|each|all|between");
}

// The most words a joined phrase takes before "between": "a ducal coronet of the last".
constexpr int kMostJoinedWords = 8;

}  // namespace

bool BetweenFollowsTheJoinedPhrase(const DrawingState& s) {
    if (s.level != 0) return false;
    for (int i = s.levelFirstWord + 1; i < s.wordCount; ++i) {
        if (EqualsIgnoringCase(s.Word(i), "between")) return false;
        const std::optional<RelationWords> words = RelationWordsAt(s, i);
        if (!words) {
            if (EndsThePhrase(s, i)) return false;
            continue;
        }
        if (!Joins(words->kind)) return false;
        const int object = i + words->count;
        if (!StartsAPhrase(s, object)) return false;
        for (int k = object + 1; k < s.wordCount && k <= object + kMostJoinedWords; ++k) {
            if (EqualsIgnoringCase(s.Word(k), "between")) return StartsAPhrase(s, k + 1);
            if (EndsThePhrase(s, k)) return false;
        }
        return false;
    }
    return false;
}

bool BetweenTheWholeLayout(DrawingState& s) {
    if (s.level != 2 || !s.levels[2].levelBetween) return false;
    const LevelRecord& principal = s.levels[0];
    const LevelRecord& joined = s.levels[1];
    // A principal group set out in its own arrangement ("two roundels in pale") may lie under an
    // ordinary that the charges then stand about.
    const bool arranged = principal.levelIn && principal.levelCount > 0 && !principal.levelOn && !principal.levelBetween &&
                          joined.levelKind == kTypeOrdinary;
    if (!(PlainLevel(principal) || arranged) || !PlainLevel(joined)) return false;
    const model::Arms& arms = s.model.arms;
    if (!JoinedInTheModel(arms, GroupOfLevel(arms, 0), GroupOfLevel(arms, 1))) return false;
    const LevelRecord& level = s.levels[2];
    // Round the ordinary of the two (the one over the other first), else round the principal charge.
    const LevelRecord* ordinary = joined.levelKind == kTypeOrdinary      ? &joined
                                  : principal.levelKind == kTypeOrdinary ? &principal
                                                                         : nullptr;
    if (ordinary != nullptr) {
        const VocabularyRow* row = s.vocabulary ? s.vocabulary->Lookup(LookupKey(ordinary->levelName.view())) : nullptr;
        if (row == nullptr || row->type != kTypeOrdinary) return false;
        s.shapeCode = row->sub1;
        ChargesBetween(s);
        return true;
    }
    if (s.principalRoundCount > 0 && s.principalRoundCount == level.levelCount) {
        NoteLayout(s, "AroundThePrincipal");
        const std::vector<LayoutSpot> spots = AroundPrincipalSpots(s.geometry, level.levelCount);
        PlaceSpots(s, spots);
        return true;
    }
    s.shapeCode = ShapeCode::kNoShape;
    ChargesBetween(s);
    return true;
}

}  // namespace esc
