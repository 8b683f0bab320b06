// The phrase interpreter's loop: each pass looks at the word at the cursor (and a few words
// around it) and applies the first rule that matches. The longer rules are in PhraseRules.cpp
// and PhraseRulesTincture.cpp.

#include "interpret/phrase/PhraseInterpreter.h"

#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/layout/ArrangeLevel.h"
#include "interpret/phrase/ArrangementWords.h"
#include "interpret/phrase/CounterchangeGround.h"
#include "interpret/phrase/ChargeKinds.h"
#include "interpret/phrase/ChiefPieces.h"
#include "interpret/layout/Issuant.h"
#include "interpret/layout/Layouts.h"
#include "interpret/phrase/OverAll.h"
#include "interpret/phrase/PartedLevel.h"
#include "interpret/phrase/TreatedSurface.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PartBeforeTincture.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/phrase/MemberTurns.h"
#include "interpret/phrase/PointWords.h"
#include "interpret/phrase/ModelRecorder.h"
#include "interpret/layout/EachWithinARing.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/phrase/PairOf.h"
#include "interpret/phrase/Fimbriated.h"
#include "interpret/layout/Placement.h"
#include "interpret/phrase/VoidedCharge.h"
#include "interpret/phrase/OrdinaryPositionWords.h"
#include "interpret/phrase/Reversed.h"
#include "interpret/phrase/AttachedWords.h"
#include "interpret/phrase/PlacementWords.h"
#include "interpret/phrase/ChargeWordRules.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using namespace phrase;

namespace {

constexpr ShapeCode kInChiefCode = kChief;

// Every pass consumes a word, completes a level or clears a tincture that the next pass then
// consumes, so the loop ends by itself; the limit only guards that argument.
constexpr int kMaxPasses = 64 * (kMaxWords + kLookAheadSlots);

void OnRule(DrawingState& s) {
    if (Current(s).levelCount != 0) {
        CloseBeforeNewPhrase(s);
        return;
    }
    Current(s).levelOn = true;
    Use(s, 0);
    ++s.cursor;
}

void ArticleRule(DrawingState& s) {
    if (Current(s).levelCount == 0) {
        Current(s).levelCount = 1;
        Use(s, 0);
        ++s.cursor;
    } else if (!HasTincture(s)) {
        FindTincture(s);
        CompleteAndReread(s);
    } else {
        const int at = s.cursor;
        CompleteLevel(s);
        s.cursor = at + 1;
        Current(s).levelCount = 1;
        s.UseWord(at);
    }
}

// "On a cross gules the royal crown or", "in chief the sun": "the" before a charge's name, where
// no charge of the level is named yet, is its article; "the" before other words ("the second",
// "the dexter", "the whole") is left to the rules that read them.
bool TheNamesOneCharge(DrawingState& s) {
    if (!Is(s, 0, "the")) return false;
    const bool charge = BeginsAChargeName(s, 1);
    // Only where the words before placed the phrase ("on a cross gules", "in chief") or the
    // field was all: "a lion gules, the lion crowned" names the charge again, "an anchor argent
    // the ring or" a part of it.
    const LevelRecord& level = Current(s);
    const bool onThePrevious = s.level > 0 && Previous(s).levelOn;
    return charge && level.levelCount == 0 && (level.levelOn || level.levelIn || onThePrevious || s.level == 0);
}

// W+k begins a phrase: an article, a number, "on", "in" or "as many".
bool StartsPhrase(const DrawingState& s, int k) {
    return Is(s, k, "a") || Is(s, k, "an") || Is(s, k, "on") || Is(s, k, "in") || T(s, k) == kTypeNumber ||
           (Is(s, k, "as") && Is(s, k + 1, "many"));
}

// "semee of", "semy of", "seme of", "powdered with" right after the field: the charge that
// follows is strewn over the whole field. After an ordinary ("a bordure gules semy of bezants")
// the charges would belong to the ordinary, which the semé layout cannot do, so there the words
// are passed over and reported.
bool IsSemeOfTheField(const DrawingState& s, int k = 0) {
    const bool seme = Is(s, k, "semee") || Is(s, k, "semy") || Is(s, k, "seme");
    const bool powdered = Is(s, k, "powdered") && Is(s, k + 1, "with");
    return (seme || powdered) && s.level == 0 && s.levels[0].levelCount == 0;
}

// "debruised by", "surmounted by", "surmounted of" or "surmounted with" before a phrase: that
// phrase is painted over the one before, which the painting order gives it.
bool IsOverWordBeforePhrase(const DrawingState& s) {
    const bool debruised = Is(s, 0, "debruised"), surmounted = Is(s, 0, "surmounted");
    const bool joined = Is(s, 1, "by") || Is(s, 1, "of") || (surmounted && Is(s, 1, "with"));
    return (debruised || surmounted) && joined && StartsPhrase(s, 2);
}

// "a cross or surmounted by a roundel", "a chevron debruised by a lion": the charge after the
// words, written after one ordinary alone, lies over all at the fess point (the ordinary is no
// group of charges to lie on each of, nor a room to stand beside).
bool SurmountsTheOneOrdinary(const DrawingState& s) {
    if (!IsOverWordBeforePhrase(s) || s.level < 0 || s.level >= kMaxLevels) return false;
    const LevelRecord& current = s.levels[static_cast<std::size_t>(s.level)];
    if (current.levelCount == 0 && s.level == 0) return false;
    // An ordinary over the ordinary ("a fess surmounted by a bend") lies where its own shape puts it.
    for (int k = 2; k <= 4; ++k)
        if (T(s, k) == kTypeOrdinary) return false;
    const LevelRecord& last = current.levelCount == 0 ? s.levels[static_cast<std::size_t>(s.level - 1)] : current;
    return last.levelKind == kTypeOrdinary && last.levelCount == 1 && !last.levelIn && !last.levelBetween;
}

// "all counterchanged", "all or": the tincture after "all" is every phrase's, which holds when
// each level drawn before the current one took that same tincture (the tincture search ahead
// gives it to phrases that name none), and for the first phrase when it names none before it.
// After "on a chief azure" the phrases are those on the chief: "on a chief azure a harp and a
// portcullis, all or".
bool AllInOneTincture(const DrawingState& s) {
    if (T(s, 1) != kTypeTincture) return false;
    // "three oak leaves in pale all proper": the first phrase, its tincture still to come.
    if (s.level == 0) return s.levels[0].levelCount > 0 && s.levels[0].levelKind != 0 && !HasTincture(s);
    int first = 0;
    for (int i = s.level - 1; i >= 0; --i)
        if (s.levels[static_cast<std::size_t>(i)].levelOn) {
            first = i + 1;
            break;
        }
    for (int i = first; i < s.level; ++i)
        if (s.levelTincture[i] != S1(s, 1)) return false;
    return true;
}

// "all within a bordure": the bordure is drawn round every phrase before it.
bool AllWithin(const DrawingState& s) { return Is(s, 1, "within") && StartsPhrase(s, 2) && IsDrawnWithin(s, s.cursor + 2); }

constexpr int kVoidedWord = 8;  // Sub2 of "voided" among the ordinary treatments

bool IsTurnWord(const DrawingState& s, int k) {
    return Is(s, k, "inverted") || Is(s, k, "reversed") || Is(s, k, "contourny") || Is(s, k, "contourne");
}

// A word the loop steps over that the grammar expects there: "and" or "within" before the next
// phrase ("a bend and in chief three mullets", "a cinquefoil within a bordure": the bordure
// drawn round what came before), "over all", "debruised by" and "surmounted of" before one (a
// later phrase is painted over the earlier ones), "each" before "charged with" or before the
// words that set a ring about every charge ("each within an annulet"). The marks count only if that phrase is drawn.
// Any other word stepped over had no effect.
bool IsFillerReadAsSuch(const DrawingState& s) {
    if (Is(s, 0, "each")) return Is(s, 1, "charged") || IsEachInARing(s, s.cursor);
    if (IsOverWordBeforePhrase(s)) return true;
    // "erased and inverted", "statant guardant and crowned or": an "and" between a charge's
    // attitude and a turn or detail word of the same charge; "a cross voided and
    // counterchanged": between "voided" and the tincture.
    if (Is(s, 0, "and"))
        return StartsPhrase(s, 1) || (T(s, -1) == kTypeAttitude && (IsTurnWord(s, 1) || T(s, 1) == kTypeDetail)) ||
               (T(s, -1) == kTypeAttitude && S2(s, -1) == kVoidedWord && T(s, 1) == kTypeTincture);
    // "a lion within a mascle": the two are not drawn one within the other, so "within" is left unread.
    if (Is(s, 0, "within")) return StartsPhrase(s, 1) && IsDrawnWithin(s, s.cursor + 1);
    if (Is(s, 0, "over")) return Is(s, 1, "all") && StartsPhrase(s, 2);
    if (Is(s, 0, "overall")) return StartsPhrase(s, 1);  // "over all" written as one word
    if (Is(s, 0, "by") || Is(s, 0, "of"))
        return (Is(s, -1, "debruised") || Is(s, -1, "surmounted")) && StartsPhrase(s, 1);
    // "Gules bezanty with a quarter ermine": "with" joins the first phrase to the field.
    if (Is(s, 0, "with"))
        return (Is(s, -1, "surmounted") || (s.level == 0 && s.levels[0].levelCount == 0 &&
                                            s.levels[0].levelKind == 0 && T(s, -1) == kTypeTincture)) &&
               StartsPhrase(s, 1);
    // "three ram's heads cabossed all within a bordure": everything before lies within it.
    // "per bend argent and azure all mullety counterchanged": the semé lies over the whole field,
    // both halves, as it is drawn.
    if (Is(s, 0, "all"))
        return (Is(s, -1, "over") && StartsPhrase(s, 1)) || AllInOneTincture(s) || AllWithin(s) ||
               IsSemeOfTheField(s, 1);
    return false;
}

// "in the second and third quarters a fret": the quarters named, by their ordinals joined by
// "and", up to a word for the quarters. The next phrase is drawn in each of them. Whether the
// words made such a place.
bool NamedQuartersRule(DrawingState& s) {
    if (!Is(s, 1, "the")) return false;
    int mask = 0, k = 2;
    const char* const ordinals[] = {"first", "second", "third", "fourth"};
    for (;; ++k) {
        bool ordinal = false;
        for (int q = 0; q < 4; ++q) {
            if (Is(s, k, ordinals[q])) {
                mask |= 1 << q;
                ordinal = true;
            }
        }
        if (!ordinal && !(mask != 0 && Is(s, k, "and"))) break;
    }
    const std::string_view place = W(s, k);
    const bool quarterWord = EqualsIgnoringCase(place, "quarters") || EqualsIgnoringCase(place, "quarter");
    // On a field quarterly the ordinals alone name its quarters: "in the second and third a bull".
    const bool fieldInQuarters = s.partitionCode == ShapeCode::kCross || s.partitionCode == ShapeCode::kQuarterlyPerFessLined ||
                                 s.partitionCode == ShapeCode::kQuarterlyPerPaleLined;
    if (mask == 0 || !(quarterWord || (fieldInQuarters && StartsPhrase(s, k) && !Is(s, k, "in")))) return false;
    const int used = quarterWord ? k : k - 1;  // the last word of the place
    if (Current(s).levelCount != 0) {
        CloseBeforeNewPhrase(s);  // the phrase before ends here; the place is read again
        return true;
    }
    LevelRecord& level = Current(s);
    level.levelIn = true;
    level.levelInCode = kInNamedQuarters;
    s.quarterMask = mask;
    for (int i = 0; i <= used; ++i) Use(s, i);
    s.cursor += used + 1;
    return true;
}

// "per pale gules and sable" as the tincture of a phrase that has a count and a name but no
// tincture yet.
bool IsPartedTincture(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (!Is(s, 0, "per") || level.levelCount == 0 || level.levelKind == 0 || HasTincture(s)) return false;
    return T(s, 1) == kTypeOrdinary && PartedTinctureShape(ShapeOfCode(S1(s, 1))) && T(s, 2) == kTypeTincture && Is(s, 3, "and") &&
           T(s, 4) == kTypeTincture;
}

// One pass of the rule loop over the word at the cursor.
void RulePass(DrawingState& s) {
    LevelRecord& level = Current(s);
    if (T(s, 0) == kTypeNotFound) level.levelKind = 13;
    if (ReadPairTurn(s)) return;  // "addorsed" read ahead with "three pairs of keys"

    if (TheLatterRule(s) || AnotherRule(s) || OrientationRule(s) || UprightOnABendRule(s) || ThroughoutRule(s) ||
        BothOrCrossedRule(s))
        return;
    if (SupportRule(s) || AttachedRule(s) || RelationWordsRule(s)) return;
    if (Is(s, 0, "charged") && Is(s, 1, "with")) return ChargedWithRule(s);
    if (SemeOnBordureRule(s)) return;
    if (IsSemeOfTheField(s)) {
        level.levelLine = kSemeLevelLine;
        level.levelCount = 1;
        Use(s, 0);
        if (Is(s, 1, "of") || Is(s, 1, "with")) Use(s, 1);
        s.cursor += 2;
        return;
    }
    if (Is(s, 0, "double") && Is(s, 1, "nowed")) {
        level.levelName.Append("dn");
        Use(s, 0);
        Use(s, 1);
        s.cursor += 2;
        return;
    }
    if (Is(s, 0, "with") && (Is(s, 1, "four") || Is(s, 1, "two")) && Is(s, 2, "towers")) {
        level.levelName.Append(Is(s, 1, "four") ? "4" : "2");
        for (int k = 0; k < 3; ++k) Use(s, k);
        s.cursor += 3;
        return;
    }
    if (Is(s, 0, "like") && T(s, 1) == kTypeOrdinary) {
        // "a like bendlet": a bendlet of the line of the one before; the word after is read as
        // it stands, so its own shape and width are drawn.
        const LevelRecord& previous = Previous(s);
        level.levelLine = previous.levelLine;
        level.levelLineRepeats = previous.levelLineRepeats;
        Use(s, 0);
        ++s.cursor;
        return;
    }
    if (Is(s, 0, "like")) {
        const LevelRecord& previous = Previous(s);
        level.levelName = previous.levelName;
        level.levelKind = previous.levelKind;
        Use(s, 0);
        Use(s, 1);
        s.cursor += 2;
        return;
    }
    if (Is(s, 0, "of") && Is(s, 1, "the") && Is(s, 2, "last")) return OfTheLastRule(s);
    if (Is(s, 0, "in") && NamedQuartersRule(s)) return;
    if (InTheChiefPointRule(s) || InPaleInItsQuarterRule(s) || PointRule(s) || MemberTurnsRule(s)) return;
    if (InBendSinisterRule(s) || InterlacedAfterVoidedRule(s) || ConjoinedAfterTheLineRule(s) || InAnnuloRule(s) ||
        OneWithinTheOtherRule(s) || ContournyRule(s) || FacingWordRule(s) || ReversedRule(s) ||
        OrdinaryPositionRule(s) || ChiefEdgeRule(s) || NowyRule(s) || ConjoinedLozengesRule(s) ||
        TincturesBySideRule(s))
        return;
    if (CantonedRule(s)) return TinctureRule(s);  // "with" read as "between"
    if (TreatedLevelRule(s) || PartBeforeTheTinctureRule(s)) return;
    if (IsPartedTincture(s)) {
        // "a cross engrailed per pale gules and sable": both tinctures, the line between them.
        phrase::Tincture(s) = S1(s, 2);
        s.partedTincture = S1(s, 4);
        s.partedShape = ShapeOfCode(S1(s, 1));
        for (int k = 0; k < 5; ++k) Use(s, k);
        s.cursor += 4;  // on the second tincture, where the tincture's follow-up starts
        return TinctureFollowUp(s);
    }
    if (PatternedChargeRule(s)) return;
    BarePairRule(s);
    if (PairOfRule(s) || PairsOfWingsRule(s) || PairsOfCrossedRule(s)) return;
    if (Is(s, 0, "on")) return OnRule(s);
    if (Is(s, 0, "a") || Is(s, 0, "an") || TheNamesOneCharge(s)) return ArticleRule(s);
    if (SplitRowsRule(s) || BetweenRowsRule(s) || UsualRowsRule(s) || MixedGroupRowsRule(s) || TwoRowsRule(s)) return;
    if (T(s, 0) == kTypeNumber || (Is(s, 0, "as") && Is(s, 1, "many"))) return NumberRule(s);

    // Ordinary treatments: voided (Sub2 8), fimbriated (Sub2 19) with its tincture.
    if (T(s, 0) == kTypeAttitude && S2(s, 0) == 8) {
        if (level.levelKind == kTypeOrdinary || level.levelKind == 0) {
            s.ordinaryTreatment = OrdinaryTreatment::kVoided;
            Use(s, 0);
        } else {
            ReadVoidedCharge(s);  // "a cross patonce voided": a picture, voided as it is painted
        }
    }
    if (T(s, 0) == kTypeAttitude && S2(s, 0) == 19) {
        if (ReadFimbriated(s)) return;
        if (T(s, 0) == kTypeTincture) {
            level.levelSecondTincture = S1(s, 0);
            Use(s, 0);
            ++s.cursor;
            ReadOuterFimbriation(s);
            return;
        }
        FimbriationFromLaterTincture(s);
    }
    if (TwoSidesRule(s) || TwoLinesRule(s)) return;
    // A word for the turns of a pair ("combatant", "addorsed", "counter-passant") said of one
    // charge turns nothing: it is left unread and so told, not drawn as a charge facing dexter.
    const bool pairTurn = T(s, 0) == kTypeLine && (S1(s, 0) == kPairFirstTurned || S1(s, 0) == kPairSecondTurned);
    if (T(s, 0) == kTypeLine && !(pairTurn && level.levelCount == 1 && kinds::NamesACharge(level.levelKind))) {
        level.levelLine = S1(s, 0);
        level.levelLineRepeats = S2(s, 0);
        Use(s, 0);
    }
    if (NaturalChargeRule(s)) return;
    if (T(s, 0) == kTypePrefix && S1(s, 0) <= 98) {
        const std::string_view word = W(s, 0);
        // Prefixes add up: "a demi winged horse" (a demi-Pegasus) is dwhorse, "a demi
        // double-headed eagle" dteagle.
        if (T(s, -1) == kTypePrefix && S1(s, -1) <= 98) {
            level.levelName.Append(ToLower(word.substr(0, 1)));
        } else {
            level.levelName.Assign(ToLower(word.substr(0, 1)));
        }
        Use(s, 0);
        ++s.cursor;
        return;
    }
    if (T(s, 0) == 13 && S1(s, 0) == 8 && T(s, 1) == 12) {
        level.levelName.Assign(NameWord(s, 0));
        level.levelKind = 13;
        Use(s, 0);
    }
    if (Is(s, 0, "for") && Is(s, 1, "difference") && level.levelCount > 0 && level.levelKind != 0 && !HasTincture(s) &&
        !Previous(s).levelOn) {
        // "a crescent for difference" with no tincture of its own: in chief, in Or.
        level.levelIn = true;
        level.levelInCode = kInChiefCode;
        phrase::Tincture(s) = kOr;
        Use(s, 0);
        Use(s, 1);
        s.cursor += 2;
        CompleteAndReread(s);
        return;
    }
    if (BaseEsquireRule(s) || HandednessRule(s)) return;
    if (IssuantRule(s)) return;
    if (T(s, 0) == kTypeOrdinary && OrdinaryWordRule(s)) return;
    const int type = T(s, 0);
    if ((type == kTypeCharge || IsOtherChargeWord(type)) && ChargeWordRule(s)) return;
    if (IsCotiseWord(s)) return CotiseRule(s);
    const bool between = Is(s, 0, "between");
    if (T(s, 0) != kTypeTincture && T(s, 0) != kTypeRoundel && !between) {
        if (IsFillerReadAsSuch(s)) {
            Use(s, 0);
            if (Is(s, 0, "overall") || (Is(s, 0, "over") && Is(s, 1, "all")) || SurmountsTheOneOrdinary(s)) MarkOverAll(s);
        }
        ++s.cursor;
        return;
    }
    if (between || T(s, 0) == kTypeRoundel || !HasTincture(s)) return TinctureRule(s);
    CompleteAndReread(s);  // a second tincture starts the next level
}

}  // namespace

namespace phrase {

void FindTincture(DrawingState& s) {
    for (int i = s.cursor + 1; i < s.wordCount; ++i) {
        if (s.Type(i) == kTypeTincture) {
            Tincture(s) = s.Sub1(i);
            SecondTinctureAfterBoth(s, i);
            return;
        }
    }
}

void CompleteAndReread(DrawingState& s) {
    const int at = s.cursor;
    CompleteLevel(s);
    s.cursor = at;
}

void CloseBeforeNewPhrase(DrawingState& s) {
    if (!HasTincture(s)) FindTincture(s);
    CompleteAndReread(s);
}

}  // namespace phrase

void ReadPhrasesFromTheCursor(DrawingState& s) {
    for (int pass = 0; pass < kMaxPasses && s.cursor < s.wordCount && !s.stopReading && s.level < kMaxLevels; ++pass) {
        if (s.cursor < 0) s.cursor = 0;
        RulePass(s);
    }
    CompleteInItsOwnTincture(s);
    s.bendwiseFlag = false;
    FinishLevelTraces(s);
}

void InterpretCharges(DrawingState& s) {
    s.level = 0;
    s.ordinaryTreatment = OrdinaryTreatment::kNone;
    s.fimbriationOuter = -1;
    s.chargeFimbriation = -1;
    s.chargeOuterFimbriation = -1;
    s.voidedField = -1;
    // The rest of the interpreter's scalars start afresh too, so that no drawing depends on the
    // one before it.
    s.crossTreatment = false;
    s.detailTincture = -1;
    s.cotiseCount = 0;
    s.cotiseTincture = -1;
    s.cotiseLine = -1;
    s.pictureLoaded = false;
    s.onOrdinaryCode = kFess;
    s.attitudeOwner = 0;
    s.rowsDrawn = false;
    s.conjoined = false;
    s.interlaced = false;
    s.issuant = false;
    s.splitChief = s.splitBase = s.splitGroup = 0;
    s.supportersLevel = s.supportedByWord = s.heldLevel = s.chargedOnEachLevel = -1;
    s.attached = AttachedPhrase{};
    s.attachedBearers.clear();
    s.group = GroupForm{};
    s.uprightCharges = false;
    s.overAllLevel = -1;
    s.sinisterCharges = false;
    s.reversedCharges = false;
    s.stopReading = false;
    s.betweenCotises = 0;
    s.betweenCotiseLine = -1;
    s.firstOrdinaryShape = ShapeCode::kNoShape;
    s.principalRoundCount = 0;
    s.quarterMask = 0;
    s.partedTincture = -1;
    s.partedShape = kNoShape;
    s.partedPieces = 0;
    s.partedDetail = false;
    s.frettyTincture = -1;
    s.levelTreatments.fill(model::Treatment{});
    ResetLevels(s);
    RecordField(s);
    s.counterchangePair = CounterchangeGroundOfField(s);
    s.position = OrdinaryPosition::Usual;  // the field's partition has been drawn in it
    s.secondLineCode = kPlainLine;
    s.levelFirstWord = s.cursor;
    ReadPhrasesFromTheCursor(s);
}

}  // namespace esc
