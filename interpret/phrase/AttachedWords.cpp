#include "interpret/phrase/AttachedWords.h"

#include <array>
#include <string>
#include <string_view>

#include "engine/Messages.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

namespace {

using phrase::Current;
using phrase::Previous;

// A word that attaches the next phrase ("bearing" is not one: after a shield or a roundel it
// says "charged with"), and the word that must follow it (empty: none), any one
// of the alternatives between the bars.
struct Verb {
    Attachment how;
    std::string_view word;
    std::string_view then;
};

constexpr std::array<Verb, 10> kVerbs = {{
    {Attachment::Held, "holding", ""},
    {Attachment::Held, "grasping", ""},
    {Attachment::Held, "maintaining", ""},
    {Attachment::Held, "sustaining", ""},
    {Attachment::Held, "supporting", ""},
    {Attachment::Ensigned, "ensigned", "with|by|of"},
    {Attachment::Enfiled, "enfiled", "with|by|of"},
    {Attachment::Enfiled, "enfiling", ""},
    {Attachment::Enfiled, "encircling", ""},
    // After "each", or between one charge and one charge ("a tower surmounted by a mullet"):
    // elsewhere "surmounted by" paints the next phrase over all before it, at its own size.
    {Attachment::Surmounted, "surmounted", "by|of|with"},
}};

// The parts that hold, as they are written after "in" ("in its dexter claw").
struct LimbWord {
    Limb limb;
    std::string_view word;
};

constexpr std::array<LimbWord, 22> kLimbs = {{
    {Limb::Paw, "paw"},      {Limb::Paw, "paws"},     {Limb::Paw, "forepaw"}, {Limb::Paw, "forepaws"},
    {Limb::Paw, "claw"},     {Limb::Paw, "claws"},    {Limb::Paw, "talon"},   {Limb::Paw, "talons"},
    {Limb::Paw, "foot"},     {Limb::Paw, "feet"},     {Limb::Paw, "gamb"},    {Limb::Paw, "leg"},
    {Limb::Mouth, "mouth"},  {Limb::Mouth, "beak"},   {Limb::Mouth, "bill"},  {Limb::Mouth, "jaws"},
    {Limb::Mouth, "teeth"},  {Limb::Hand, "hand"},    {Limb::Hand, "hands"},  {Limb::Hand, "fist"},
    {Limb::Mouth, "beaks"},  {Limb::Mouth, "mouths"},
}};

// Words between "in" and the limb that do not change which limb it is.
constexpr std::array<std::string_view, 8> kOwnerWords = {"his", "its", "her", "their", "the", "each", "both", "it's"};
// Words of the held charge's posture written before "in" ("holding erect in his dexter paw").
constexpr std::array<std::string_view, 3> kHeldUpright = {"erect", "aloft", "upright"};

template <std::size_t N>
bool InList(std::string_view word, const std::array<std::string_view, N>& list) {
    for (std::string_view w : list)
        if (EqualsIgnoringCase(word, w)) return true;
    return false;
}

// "in his dexter paw", "in the mouth", "in its claws": the limb and its side, and the words read.
int ReadLimb(const DrawingState& s, int at, AttachedPhrase& phrase) {
    if (!EqualsIgnoringCase(s.Word(at), "in")) return 0;
    int k = at + 1;
    if (InList(s.Word(k), kOwnerWords)) ++k;
    bool sinister = false;
    if (EqualsIgnoringCase(s.Word(k), "dexter") || EqualsIgnoringCase(s.Word(k), "right") ||
        EqualsIgnoringCase(s.Word(k), "front") || EqualsIgnoringCase(s.Word(k), "fore")) {
        ++k;
    } else if (EqualsIgnoringCase(s.Word(k), "sinister") || EqualsIgnoringCase(s.Word(k), "left")) {
        sinister = true;
        ++k;
    }
    for (const LimbWord& l : kLimbs) {
        if (!EqualsIgnoringCase(s.Word(k), l.word)) continue;
        phrase.limb = l.limb;
        phrase.sinister = sinister;
        return k + 1 - at;
    }
    return 0;
}

// The phrase before is one of charges painted as pictures, which a later phrase can be set on.
bool BearsAttachedCharges(const LevelRecord& level) {
    return level.levelCount > 0 && level.levelKind != 0 && level.levelKind != kTypeOrdinary && level.levelKind != kTypeRoundel;
}

// "the shield ensigned with ...", "the arms surmounted by ...": the words, if they begin at `at`.
int OrnamentWordsAt(const DrawingState& s, int at) {
    if (!EqualsIgnoringCase(s.Word(at), "the")) return 0;
    int k = at + 1;
    if (!EqualsOneOfIgnoringCase(s.Word(k), "shield|arms|escutcheon|whole")) return 0;
    ++k;
    if (EqualsIgnoringCase(s.Word(k), "of") && EqualsIgnoringCase(s.Word(k + 1), "arms")) k += 2;
    if (!EqualsOneOfIgnoringCase(s.Word(k), "ensigned|surmounted|crowned|timbred")) return 0;
    ++k;
    if (EqualsOneOfIgnoringCase(s.Word(k), "with|by|of")) ++k;
    return k - at;
}

// "and in the sinister paw seven arrows", "in his sinister hand a bible", "and in the sinister
// seven arrows" after a phrase held by one bearer: another phrase held by the same bearer, in
// the limb named (or the same limb, of the side named). The words read, or 0.
int SecondHoldAt(const DrawingState& s, int at, AttachedPhrase& phrase) {
    int k = at;
    if (EqualsIgnoringCase(s.Word(k), "and")) ++k;
    if (const int limb = ReadLimb(s, k, phrase); limb > 0) {
        k += limb;
    } else {
        if (!EqualsIgnoringCase(s.Word(k), "in")) return 0;
        ++k;
        if (InList(s.Word(k), kOwnerWords)) ++k;
        // "in the sinister" is respelled as the half of the field it names elsewhere.
        if (EqualsOneOfIgnoringCase(s.Word(k), "sinister|left|sinisterhalf")) {
            phrase.sinister = true;
        } else if (!EqualsOneOfIgnoringCase(s.Word(k), "dexter|right|dexterhalf")) {
            return 0;
        }
        ++k;
    }
    return PhraseStartsAt(s, k) ? k - at : 0;
}

// The second phrase held by the bearer of the held phrase just read; false, reading nothing,
// otherwise.
bool SecondHoldRule(DrawingState& s) {
    const AttachedPhrase first = s.attached;
    if (first.how != Attachment::Held || first.level < 0 || first.each) return false;
    AttachedPhrase second = first;
    second.limb = Limb::Unnamed;
    second.sinister = false;
    const int count = SecondHoldAt(s, s.cursor, second);
    if (count == 0) return false;
    if (second.limb == Limb::Unnamed) second.limb = first.limb;
    if (s.level == first.level && Current(s).levelCount != 0) {
        phrase::CloseBeforeNewPhrase(s);  // the first held phrase ends here; read again
        return true;
    }
    if (s.level != first.level + 1 || Current(s).levelCount != 0) return false;
    second.bearer = first.bearer >= 0 ? first.bearer : first.level - 1;
    second.level = s.level;
    s.attached = second;
    for (int k = 0; k < count; ++k) phrase::Use(s, k);
    s.cursor += count;
    return true;
}

// "a tower surmounted by a mullet": one charge over one charge, drawn on its middle and smaller.
// An ordinary after the words ("a lion surmounted by a bend") lies over all at its own width.
bool OneChargeOverOne(const DrawingState& s, int at) {
    if (s.level < 0 || s.level >= kMaxLevels) return false;
    // The bearer is the phrase being read, or the one just closed before the words are read again.
    const LevelRecord* current = &s.levels[static_cast<std::size_t>(s.level)];
    if (current->levelCount == 0 && s.level > 0) current = &s.levels[static_cast<std::size_t>(s.level - 1)];
    const LevelRecord& bearer = *current;
    if (bearer.levelCount != 1 || bearer.levelKind == 0 || bearer.levelKind == kTypeOrdinary) return false;
    if (!EqualsOneOfIgnoringCase(s.Word(at), "a|an|one")) return false;
    for (int i = at + 1; i < s.wordCount; ++i) {
        const int type = s.Type(i);
        if (type == kTypeCharge || type == kTypeRoundel || IsOtherChargeWord(type)) return true;
        if (type != kTypeIgnored && type != kTypePrefix) return false;
    }
    return false;
}

// The part of a held charge its holder grips, as written after it ("at the hilt", "by the
// blade"), and the end of the drawing where that part lies.
struct GripWord {
    Grip grip;
    std::string_view word;
};
constexpr std::array<GripWord, 8> kGripWords = {{
    {Grip::LowerEnd, "hilt"},  {Grip::LowerEnd, "handle"}, {Grip::LowerEnd, "haft"},  {Grip::LowerEnd, "pommel"},
    {Grip::LowerEnd, "grip"},  {Grip::UpperEnd, "blade"},  {Grip::UpperEnd, "point"}, {Grip::UpperEnd, "head"},
}};

// "at the hilt", "by the blade" at index `at`: the grip, and the words read (0: none).
int ReadGrip(const DrawingState& s, int at, Grip& grip) {
    if (!EqualsOneOfIgnoringCase(s.Word(at), "at|by") || !EqualsOneOfIgnoringCase(s.Word(at + 1), "the|its")) return 0;
    for (const GripWord& g : kGripWords) {
        if (!EqualsIgnoringCase(s.Word(at + 2), g.word)) continue;
        grip = g.grip;
        return 3;
    }
    return 0;
}

// "a hand grasping a sword at the hilt argent": the held phrase being read names where it is
// gripped. False, reading nothing, otherwise.
bool GripRule(DrawingState& s) {
    if (s.attached.how != Attachment::Held || s.attached.level != s.level || Current(s).levelCount == 0) return false;
    const int count = ReadGrip(s, s.cursor, s.attached.grip);
    for (int k = 0; k < count; ++k) phrase::Use(s, k);
    s.cursor += count;
    return count > 0;
}

}  // namespace

std::optional<AttachedWords> AttachedWordsAt(const DrawingState& s, int at) {
    AttachedWords out;
    int k = at;
    if (EqualsIgnoringCase(s.Word(k), "each")) {
        out.phrase.each = true;
        ++k;
    } else if (EqualsIgnoringCase(s.Word(k), "and") || EqualsIgnoringCase(s.Word(k), "both")) {
        ++k;  // "langued and holding", "both holding"
    }
    const Verb* verb = nullptr;
    for (const Verb& v : kVerbs) {
        if (!EqualsIgnoringCase(s.Word(k), v.word)) continue;
        if (!v.then.empty() && !EqualsOneOfIgnoringCase(s.Word(k + 1), v.then)) continue;
        verb = &v;
        break;
    }
    if (verb == nullptr) return std::nullopt;
    if (verb->how == Attachment::Surmounted && !out.phrase.each && !OneChargeOverOne(s, k + 2)) return std::nullopt;
    out.phrase.how = verb->how;
    k += verb->then.empty() ? 1 : 2;
    if (verb->how == Attachment::Held) {
        if (InList(s.Word(k), kHeldUpright)) ++k;
        k += ReadLimb(s, k, out.phrase);
        k += ReadGrip(s, k, out.phrase.grip);  // "grasping at the hilt a sword"
    }
    if (!PhraseStartsAt(s, k)) return std::nullopt;
    out.count = k - at;
    return out;
}

bool AttachedRule(DrawingState& s) {
    if (GripRule(s)) return true;
    if (s.level < 1 && Current(s).levelCount == 0) return false;
    if (const int ornament = OrnamentWordsAt(s, s.cursor); ornament > 0 && PhraseStartsAt(s, s.cursor + ornament)) {
        if (Current(s).levelCount != 0) {
            phrase::CloseBeforeNewPhrase(s);
            return true;
        }
        std::string said;
        for (int i = s.cursor; i < s.wordCount; ++i) {
            if (!said.empty()) said += ' ';
            said += s.Word(i);
            s.UseWordNow(i);
        }
        s.messages.Show(std::string(msg::kOrnamentNotDrawn) + said);
        s.cursor = s.wordCount;
        return true;
    }
    const std::optional<AttachedWords> words = AttachedWordsAt(s, s.cursor);
    if (!words) return SecondHoldRule(s);
    LevelRecord& current = Current(s);
    if (current.levelCount != 0) {
        // "a dragon rampant gules holding ...": the bearer ends here and the words are read again.
        if (!BearsAttachedCharges(current)) return false;
        phrase::CloseBeforeNewPhrase(s);
        return true;
    }
    if (!BearsAttachedCharges(Previous(s)) || s.ringWritten < 1) return false;
    // "two lions supporting a sword": held by neither one; where the pair holds it is known only
    // when they face each other (the pair's own rule). Left unread.
    const int heldCount = s.Type(s.cursor + words->count) == kTypeNumber ? s.Sub1(s.cursor + words->count) : 1;
    if (words->phrase.how == Attachment::Held && !words->phrase.each && Previous(s).levelCount > 1 &&
        heldCount != Previous(s).levelCount)
        return false;
    // "supporting" after a pair facing each other is the pair's own rule; here it is one bearer's.
    s.attached = words->phrase;
    s.attached.level = s.level;
    for (int k = 0; k < words->count; ++k) phrase::Use(s, k);
    s.cursor += words->count;
    return true;
}

// "charged with" after a phrase: on an ordinary, its charges lie on it; after charges, the
// next phrase lies on each of them ("each charged with" the whole group on each).
void ChargedWithRule(DrawingState& s) {
    using phrase::CompleteAndReread;
    using phrase::FindTincture;
    using phrase::HasTincture;
    using phrase::Use;
    // "six escutcheons three two and one each charged with a lion": the rows are drawn; their
    // level ends here and the next lies on each of its charges.
    if (s.rowsDrawn && Current(s).levelCount > 0) CompleteAndReread(s);
    LevelRecord& level = Current(s);
    if (level.levelKind == kTypeOrdinary && level.levelCount > 0 && !level.levelIn) {
        // "a bordure charged with eight escallops all counterchanged": the ordinary, whose
        // tincture comes after its charges, is drawn first and its charges lie on it.
        if (!HasTincture(s)) FindTincture(s);
        CompleteAndReread(s);
        Previous(s).levelOn = true;
        s.onOrdinaryCode = s.shapeCode;
        Use(s, 0);
        Use(s, 1);
        s.pictureLoaded = false;
        s.cursor += 2;
        return;
    }
    if (s.level != 0) {
        Current(s).levelChargedOn = true;
        // "each charged with three mullets": the whole group on each charge before.
        if (phrase::Is(s, -1, "each")) s.chargedOnEachLevel = s.level;
        if (Previous(s).levelKind == kTypeOrdinary) {
            // "within a bordure argent charged with eight roses": the charges lie on that
            // ordinary (they were set in a row across the fess line, under the lion).
            Previous(s).levelOn = true;
            s.onOrdinaryCode = s.shapeCode;
        }
        Use(s, 0);
        Use(s, 1);
    }
    s.pictureLoaded = false;
    s.cursor += 2;
}

}  // namespace esc
