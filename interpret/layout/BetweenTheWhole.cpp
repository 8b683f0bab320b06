#include "interpret/layout/BetweenTheWhole.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "engine/Diminutives.h"
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
// How far from the level's first word its "between" may stand: before it ("between as many
// mascles") or after the tincture of the phrase before ("sable, the whole between").
constexpr int kWordsToBetween = 4;

// "all between", "the whole between": the "between" that began the current level follows words
// that gather everything before it. The first of those words, or -1.
int AllBetween(const DrawingState& s) {
    const int from = std::max(1, s.levelFirstWord - kWordsToBetween);
    for (int i = from; i < s.wordCount && i <= s.levelFirstWord + kWordsToBetween; ++i) {
        if (!EqualsIgnoringCase(s.Word(i), "between")) continue;
        if (EqualsIgnoringCase(s.Word(i - 1), "all")) return i - 1;
        if (i >= 2 && EqualsIgnoringCase(s.Word(i - 1), "whole") && EqualsIgnoringCase(s.Word(i - 2), "the")) return i - 2;
    }
    return -1;
}

// The shape code of the last ordinary drawn on the field before the current level; -1 for none.
int LastOrdinaryShape(const DrawingState& s) {
    for (int l = s.level - 1; l >= 0; --l) {
        const LevelRecord& level = s.levels[static_cast<std::size_t>(l)];
        if (level.levelKind != kTypeOrdinary || level.levelIn || level.levelChargedOn) continue;
        if (l > 0 && s.levels[static_cast<std::size_t>(l - 1)].levelOn) continue;  // on another piece
        const VocabularyRow* row = s.vocabulary ? s.vocabulary->Lookup(LookupKey(level.levelName.view())) : nullptr;
        return row != nullptr && row->type == kTypeOrdinary ? row->sub1 : -1;
    }
    return -1;
}

// The line of two pieces named at word `at`: bendlets and bends in bend, pallets in pale, bars
// and barrulets in fess, chevronels in chevron; no shape for anything else.
ShapeCode LineOfThePieces(const DrawingState& s, int at) {
    const std::string_view word = s.Word(at);
    if (NamesBars(word)) return ShapeCode::kFess;
    if (NamesPallets(word)) return ShapeCode::kPale;
    if (s.Type(at) != kTypeOrdinary) return ShapeCode::kNoShape;
    switch (ShapeOfCode(s.Sub1(at))) {
        case ShapeCode::kBend:
        case ShapeCode::kBendlets: return ShapeCode::kBend;
        case ShapeCode::kBendSinister:
        case ShapeCode::kBendletsSinister: return ShapeCode::kBendSinister;
        case ShapeCode::kPale: return ShapeCode::kPale;
        case ShapeCode::kChevron:
        case ShapeCode::kChevronels: return ShapeCode::kChevron;
        default: return ShapeCode::kNoShape;
    }
}

}  // namespace

void InTheLineOfTwoPiecesAbout(DrawingState& s, int next) {
    if (s.level < 0 || s.level >= kMaxLevels) return;
    LevelRecord& level = s.levels[static_cast<std::size_t>(s.level)];
    const bool charges = level.levelKind == kTypeCharge || level.levelKind == kTypeRoundel || IsOtherChargeWord(level.levelKind);
    if (!charges || level.levelCount < 2 || level.levelIn || level.levelOn || level.levelBetween || level.levelChargedOn) return;
    if (s.level > 0 && s.levels[static_cast<std::size_t>(s.level - 1)].levelOn) return;
    for (int at = next - 1; at <= next + 1; ++at) {
        if (at < 0 || !EqualsIgnoringCase(s.Word(at), "between")) continue;
        if (s.Type(at + 1) != kTypeNumber || s.Sub1(at + 1) != 2) return;
        const ShapeCode line = LineOfThePieces(s, at + 2);
        if (line == ShapeCode::kNoShape) return;
        level.levelIn = true;
        level.levelInCode = line;
        return;
    }
}

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
    // (The level may not be marked between: "sable, the whole between" ends the phrase before at
    // its tincture, and "between" then opens this one.)
    const int gathering = s.level >= 2 && s.level < kMaxLevels ? AllBetween(s) : -1;
    if (gathering >= 0) {
        // "five pellets between two bendlets, the whole between two mascles": about the ordinary.
        const int shape = LastOrdinaryShape(s);
        if (shape < 0) return false;
        for (int i = gathering; i < s.wordCount && !EqualsIgnoringCase(s.Word(i), "between"); ++i) s.UseWord(i);
        ChargesBetween(s, ShapeOfCode(shape));
        return true;
    }
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
        ChargesBetween(s, ShapeOfCode(row->sub1));
        return true;
    }
    if (s.principalRoundCount > 0 && s.principalRoundCount == level.levelCount) {
        NoteLayout(s, "AroundThePrincipal");
        const std::vector<LayoutSpot> spots = AroundPrincipalSpots(s.geometry, level.levelCount);
        PlaceSpots(s, spots);
        return true;
    }
    ChargesBetween(s, ShapeCode::kNoShape);
    return true;
}

}  // namespace esc
