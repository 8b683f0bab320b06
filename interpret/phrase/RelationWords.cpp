#include "interpret/phrase/RelationWords.h"

#include <array>
#include <string_view>

#include "interpret/layout/EachWithinARing.h"
#include "interpret/layout/OnAMount.h"
#include "interpret/layout/Piercing.h"
#include "interpret/layout/WithinACharge.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

using model::RelationKind;

// One wording of a relation: a word, and the words after it that are not empty, each any one
// of the alternatives between the bars.
constexpr int kMostRelationWords = 4;
struct Wording {
    RelationKind kind;
    std::array<std::string_view, kMostRelationWords> words;
    bool passive = false;  // the later phrase is the relation's subject ("transfixed by")
};

constexpr std::array<Wording, 27> kWordings = {{
    // "a mullet within and conjoined to an annulet": the charge reaches the ring.
    {RelationKind::Within, {"within", "and", "conjoined", "to"}},
    {RelationKind::Within, {"within", ""}},
    // Ahead of "between": the charge between a crescent's horns stands in its room.
    {RelationKind::Within, {"between", "the", "horns", "of"}},
    {RelationKind::Within, {"environed", "of|by|with"}},
    {RelationKind::Within, {"enclosed", "by|within"}},
    {RelationKind::Within, {"encircled", "by|of"}},
    // "three annulets each enclosing a mullet": the charge after stands within each ring before.
    {RelationKind::Within, {"enclosing", ""}, true},
    // "a birdcage Or, therein a bird azure": the charge after stands in the room of the one before.
    {RelationKind::Within, {"therein", ""}, true},
    {RelationKind::Surmounts, {"surmounted", "by|of|with"}},
    {RelationKind::Surmounts, {"debruised", "by|of"}},
    {RelationKind::Surmounts, {"over", "all"}},
    {RelationKind::Surmounts, {"overall", ""}},
    {RelationKind::Maintains, {"maintaining", ""}},
    {RelationKind::Maintains, {"sustaining", ""}},
    {RelationKind::Maintains, {"holding", ""}},
    {RelationKind::Maintains, {"grasping", ""}},
    {RelationKind::Ensigned, {"ensigned", "with|by|of"}},
    {RelationKind::Enfiled, {"enfiled", "with|by|of"}},
    {RelationKind::Enfiled, {"enfiling", ""}},
    {RelationKind::IssuantFrom, {"issuant", "from|out"}},
    {RelationKind::IssuantFrom, {"issuing", "from|out"}},
    {RelationKind::ChargedWith, {"charged", "with"}},
    {RelationKind::Pierces, {"piercing", ""}},
    {RelationKind::Pierces, {"transfixing", ""}},
    {RelationKind::Pierces, {"transfixed", "by|with|through"}, true},
    {RelationKind::Pierces, {"pierced", "by|with|through"}, true},
    {RelationKind::Between, {"between", ""}},
}};

// Words between the article and what it names that do not change what is drawn within.
constexpr int kMostWordsBeforeTheObject = 2;
constexpr int kOrleWordsAfterTheCharge = 3;  // "eight martlets (gules) in orle"

}  // namespace

bool IsDrawnWithin(const DrawingState& s, int phraseStart) {
    // "within on a chief", "within in orle ...": the phrase is read by its own rules.
    if (EqualsIgnoringCase(s.Word(phraseStart), "on") || EqualsIgnoringCase(s.Word(phraseStart), "in")) return true;
    int object = phraseStart + 1;
    for (int k = 0; k < kMostWordsBeforeTheObject && s.Type(object) == kTypeIgnored && !s.Word(object).empty(); ++k) ++object;
    if (EqualsIgnoringCase(s.Word(object), "annulet") || s.Type(object) == kTypeOrdinary) return true;
    // A picture that may close round what stands within it (a wreath, a vol, a crescent): its
    // layout draws the two so, or says why not.
    if (SurroundingPictureAt(s, object)) return CanStandWithinAPicture(s);
    for (int k = object + 1; k <= object + kOrleWordsAfterTheCharge; ++k)
        if (EqualsIgnoringCase(s.Word(k), "orle")) return true;
    return false;
}

std::optional<RelationWords> RelationWordsAt(const DrawingState& s, int at) {
    for (const Wording& w : kWordings) {
        if (!EqualsIgnoringCase(s.Word(at), w.words[0])) continue;
        if (w.words[1].empty()) return RelationWords{w.kind, at, 1, w.passive};
        int said = 1;
        while (said < kMostRelationWords && !w.words[static_cast<std::size_t>(said)].empty() &&
               EqualsOneOfIgnoringCase(s.Word(at + said), w.words[static_cast<std::size_t>(said)]))
            ++said;
        if (said < kMostRelationWords && !w.words[static_cast<std::size_t>(said)].empty()) continue;
        if (said > 2) return RelationWords{w.kind, at, said, w.passive};
        // "issuant out of a mount": "of" belongs to the wording too.
        const bool outOf = EqualsIgnoringCase(s.Word(at + 1), "out") && EqualsIgnoringCase(s.Word(at + 2), "of");
        return RelationWords{w.kind, at, outOf ? 3 : 2, w.passive};
    }
    return std::nullopt;
}

std::optional<RelationWords> RelationWordsBefore(const DrawingState& s, int phraseStart) {
    for (int back = 1; back <= kMostRelationWords; ++back) {
        const std::optional<RelationWords> r = RelationWordsAt(s, phraseStart - back);
        if (r && r->first + r->count >= phraseStart) return r;
    }
    return RelationWordsAt(s, phraseStart);
}

std::optional<RelationWords> RelationWordsAfter(const DrawingState& s, int next) {
    if (std::optional<RelationWords> r = RelationWordsAt(s, next)) return r;
    return RelationWordsAt(s, next - 1);
}

bool RelationWordsRule(DrawingState& s) {
    std::optional<RelationWords> r = RelationWordsAt(s, s.cursor);
    if (!r || !PhraseStartsAt(s, s.cursor + r->count)) return false;
    // "a birdcage charged with a bird": a charge on a picture with a room stands in the room.
    if (r->kind == RelationKind::ChargedWith && HoldsWhatFollowsInItsRoom(s)) r = RelationWords{RelationKind::Within, r->first, r->count, true};
    // One charge piercing another is drawn so right after the first phrase; the words are left
    // unread anywhere else.
    if (r->kind == RelationKind::Pierces) {
        const bool afterTheFirst = s.level == 0 || (s.level == 1 && phrase::Current(s).levelCount == 0);
        if (!afterTheFirst || !PiercingPairAt(s, s.cursor + r->count)) return false;
    } else if ((r->kind != RelationKind::Within && r->kind != RelationKind::IssuantFrom) || (r->count < 2 && !r->passive)) {
        return false;
    }
    // "each enclosing a mullet": read when the charges before are rings that hold one each.
    // "a birdcage, therein a bird": read when the charge before has a room to hold it.
    if (r->kind == RelationKind::Within && r->passive && !IsEachInARing(s, s.cursor - 1) && !HoldsWhatFollowsInItsRoom(s))
        return false;
    // Issuant from a mount is drawn standing on it, within an annulet inside its ring, within an
    // ordinary (a bordure, an orle) inside it; other objects are not drawn so, and the words are
    // left for the reader to see unread.
    const int object = s.cursor + r->count + 1;
    if (r->kind == RelationKind::IssuantFrom && !IsMountName(s.Word(object))) return false;
    if (r->kind == RelationKind::Within && !r->passive && !IsDrawnWithin(s, s.cursor + r->count)) return false;
    // The phrase before ends here; its tincture, if still to come, is the next one named.
    if (phrase::Current(s).levelCount != 0) {
        phrase::CloseBeforeNewPhrase(s);
        return true;
    }
    for (int k = 0; k < r->count; ++k) phrase::Use(s, k);
    s.cursor += r->count;
    return true;
}

}  // namespace esc
