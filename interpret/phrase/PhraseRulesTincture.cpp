// The rules that end a phrase: the tincture rule with its follow-up steps, "of the last",
// "between" and the cotises.

#include <algorithm>
#include <string>

#include "engine/Ordinaries.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/phrase/ArrangementWords.h"
#include "interpret/phrase/DetailWords.h"
#include "interpret/phrase/Fimbriated.h"
#include "interpret/phrase/ModelRecorder.h"
#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/phrase/PartBeforeTincture.h"
#include "interpret/phrase/PartedLevel.h"
#include "interpret/trace/PhraseInterpreterTrace.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/MemberTurns.h"
#include "interpret/phrase/PlacementWords.h"
#include "interpret/phrase/PointWords.h"
#include "interpret/phrase/OrdinaryPositionWords.h"
#include "interpret/phrase/Reversed.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/phrase/RelationWords.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {
namespace {

constexpr ShapeCode kInChief = kChief;
// A line's pattern repeated more often along a cotise than this would be finer than a pixel or two.
constexpr int kMaxCotisePieces = 60;

bool IsTincture(const DrawingState& s, int k) { return T(s, k) == kTypeTincture; }

constexpr ShapeCode kOrleCode = kOrle;

// "in pale", "in saltire", "in orle" after the tincture of a level of charges that has no
// direction yet. "in chief" or "in base" before an article, a number or "the" and a charge starts
// a phrase of its own ("a fess or in chief a bear's head", "in canton the royal crown"), and a
// direction never turns an ordinary into charges.
bool IsArrangementAfterTincture(DrawingState& s) {
    const LevelRecord& level = Current(s);
    if (!Is(s, 0, "in") || T(s, 1) != kTypeOrdinary || level.levelIn || level.levelCount < 1) return false;
    if (level.levelKind == kTypeOrdinary || level.levelKind == 0) return false;
    // "in chief the sun": "the" before a charge's name is its article.
    const bool phraseFollows = Is(s, 2, "a") || Is(s, 2, "an") || T(s, 2) == kTypeNumber || Is(s, 2, "on") ||
                               (Is(s, 2, "as") && Is(s, 3, "many")) || TheArticleAt(s, s.cursor + 2);
    return !phraseFollows;
}

// "for difference" after a charge puts it in chief, unless it lies on a piece before it.
void ForDifferenceTest(DrawingState& s) {
    if (!Is(s, 0, "for") || !Is(s, 1, "difference")) return;
    LevelRecord& level = Current(s);
    if (level.levelName == "label") return;
    Use(s, 0);
    Use(s, 1);
    // "a canton thereon a mullet for difference": the piece it lies on is its place already.
    if (Previous(s).levelOn) return;
    level.levelIn = true;
    level.levelInCode = kInChief;
    if (!HasTincture(s)) Tincture(s) = kOr;
}

// Step c: attitude words after the tincture; a tincture right after them is the second tincture.
void AttitudesAfterTincture(DrawingState& s) {
    ReadAttitudes(s);
    if (IsTincture(s, 1)) {
        ++s.cursor;
        Current(s).levelSecondTincture = S1(s, 0);
        Use(s, 0);
    }
}

// Step f: a patterned tincture takes its colours from the words after it ("chequy or and azure",
// "lozengy argent and gules", "azure guttee or"). The words read for it are consumed.
void PatternedTincture(DrawingState& s) {
    int& tincture = Tincture(s);
    // "a chief vair or and gules": vair of two tinctures named is vairé of those.
    if (tincture == kVair && IsTincture(s, 0) && Is(s, 1, "and") && IsTincture(s, 2)) tincture = kVaire;
    if ((tincture == kChequy || tincture == kVaire || tincture == kLozengy) && IsTincture(s, 0)) {
        s.fieldColor1 = S1(s, 0);
        Use(s, 0);
        if (IsTincture(s, 2)) {
            s.fieldColor2 = S1(s, 2);
            Use(s, 1);
            Use(s, 2);
            s.cursor += 3;
        } else {
            // "Sable a bend lozengy argent": lozenges of the one tincture named on the field's.
            if (tincture == kLozengy && s.namedTinctureCount > 0) s.fieldColor2 = s.namedTinctures[0];
            ++s.cursor;
        }
        return;
    }
    const int code = S1(s, 0);
    if (!IsTincture(s, 0) || code < kGuttee || code > kCrusilly) return;
    s.fieldColor1 = tincture;
    tincture = code;
    Use(s, 0);
    if (code == kBezantee) {
        s.fieldColor2 = kOr;
        ++s.cursor;
    } else if (IsTincture(s, 1)) {
        s.fieldColor2 = S1(s, 1);
        Use(s, 1);
        s.cursor += 2;
    } else {
        s.fieldColor2 = s.fieldColor1 == kOr ? kArgent : kOr;  // as on a semé field
        ++s.cursor;
    }
}

}  // namespace

void OfTheLastRule(DrawingState& s) {
    int i = s.cursor - 1;
    while (i > 0 && s.Type(i) != kTypeTincture) --i;
    Tincture(s) = s.Sub1(std::max(i, 0));
    for (int k = 0; k < 3; ++k) Use(s, k);
    if (s.wordCount - s.cursor > 3) {
        s.cursor += 2;
        TinctureFollowUp(s);
    } else {
        s.cursor += 3;
        CompleteLevel(s);
    }
}

namespace {
// "double cotised" two cotises each side, "triple cotised" three; 0: no such word at k.
int CotiseCountWord(const DrawingState& s, int k) {
    if (Is(s, k, "double")) return 2;
    if (Is(s, k, "triple")) return 3;
    return 0;
}
}  // namespace

bool IsCotiseWord(const DrawingState& s) {
    return ContainsIgnoringCase(W(s, 0), "cotise") || (CotiseCountWord(s, 0) > 0 && ContainsIgnoringCase(W(s, 1), "cotise"));
}

void CotiseRule(DrawingState& s) {
    // "between two cotises": the number counts the cotises, one either side ("between four
    // cotises" two each side), which are drawn here; it opens no phrase of charges.
    int between = 0;
    if (Current(s).levelCount > 0 && Current(s).levelKind == 0 && T(s, -1) == kTypeNumber && Is(s, -2, "between")) {
        between = std::clamp(Current(s).levelCount / 2, 1, shapes::kMaxCotises);
        s.UseWordNow(s.cursor - 1);
        Current(s).levelCount = 0;
    }
    // The current level holds the ordinary to be cotised: draw it first.
    if (HasTincture(s)) {
        CompleteAndReread(s);
    } else if (Current(s).levelKind != 0) {
        FindTincture(s);
        CompleteAndReread(s);
    }
    if (s.level >= kMaxLevels) return;
    // The cotises are drawn here and now, so their words count as used at once.
    s.cotiseCount = between > 0 ? between : 1;
    if (CotiseCountWord(s, 0) > 0) {
        s.cotiseCount = CotiseCountWord(s, 0);
        s.UseWordNow(s.cursor);
        ++s.cursor;
    }
    s.UseWordNow(s.cursor);
    ++s.cursor;
    s.cotiseLine = -1;
    s.cotisePieces = 0;
    if (T(s, 0) == kTypeLine) {
        s.cotiseLine = S1(s, 0);
        s.UseWordNow(s.cursor);
        ++s.cursor;
        if (Is(s, 0, "of") && T(s, 1) == kTypeNumber && S1(s, 1) > 0) {
            // "cotised potenty of thirteen": the line's pattern that many times along each cotise.
            s.cotisePieces = std::min(S1(s, 1), kMaxCotisePieces);
            s.UseWordNow(s.cursor);
            s.UseWordNow(s.cursor + 1);
            s.cursor += 2;
        }
    }
    if (IsTincture(s, 0)) {
        s.cotiseTincture = S1(s, 0);
        s.UseWordNow(s.cursor);
        ++s.cursor;
    } else if (Is(s, 0, "of") && Is(s, 1, "the") && Is(s, 2, "last")) {
        // "cotised of the last" ("of the same"): the tincture named last before the cotises.
        int i = s.cursor - 1;
        while (i > 0 && s.Type(i) != kTypeTincture) --i;
        s.cotiseTincture = s.Type(i) == kTypeTincture ? s.Sub1(i) : s.levelTincture[s.level - 1];
        for (int k = 0; k < 3; ++k) s.UseWordNow(s.cursor + k);
        s.cursor += 3;
    } else {
        s.cotiseTincture = s.levelTincture[s.level - 1];
    }
    const LevelRecord& cotised = Previous(s);
    if (cotised.levelIn) {
        s.shapeCode = cotised.levelInCode.Shape();
    } else {
        s.words[0].Assign(cotised.levelName);
        // The cotised ordinary's own shape code, from its word.
        const VocabularyRow* row = s.vocabulary ? s.vocabulary->Lookup(LookupKey(cotised.levelName)) : nullptr;
        if (row != nullptr && row->type == kTypeOrdinary) s.shapeCode = ShapeOfCode(row->sub1);
        // A bar alone has no ordinary's code: its cotises are the bar's own.
        if (cotised.levelCount == 1 && (cotised.levelName == "bar" || cotised.levelName == "bars")) s.shapeCode = kBar;
    }
    if (Is(s, 0, "between")) {
        Current(s).levelBetween = true;
        Use(s, 0);  // counts with the charges that stand between
        ++s.cursor;
    }
    NoteLayoutOf(s, s.level - 1,
                 s.cotiseCount == 3 ? "DrawCotises (triple)" : s.cotiseCount == 2 ? "DrawCotises (double)" : "DrawCotises");
    RecordCotises(s);
    s.betweenCotises = s.cotiseCount;
    s.betweenCotiseLine = s.cotiseLine;
    CotiseRequest cotises = CotisesOf(s);
    // Moved with a moved ordinary (only a shape whose cotises follow it took the position).
    if (!cotised.levelIn) cotises.position = s.completedPosition;
    DrawCotises(s, cotises);
    SpendCotises(s);
}

void TinctureRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    const int type = T(s, 0);
    if (type != kTypeTincture || !HasTincture(s)) Tincture(s) = kOr;
    if (type != kTypeTincture && type != kTypeRoundel) {
        // "between": the phrase before it ends here, in the tincture named after it.
        Level(s, s.level + 1).levelBetween = true;
        FindTincture(s);
        Use(s, 0);
        ++s.cursor;
        ForDifferenceTest(s);
        CompleteAndReread(s);
        return;
    }
    if (type == kTypeRoundel) {
        level.levelKind = kTypeRoundel;
        level.levelName.Append(NameWord(s, 0));
        Use(s, 0);
        int tincture = S1(s, 0);
        if (tincture < 0) {
            // "roundel" names no tincture of its own: the tincture word after it does.
            if (IsTincture(s, 1)) {
                ++s.cursor;
                Use(s, 0);
                tincture = S1(s, 0);
            } else if (const int words = ArrangementWordsAt(s, s.cursor + 1); words > 0 && IsTincture(s, 1 + words)) {
                // "three roundels in bend sable", "three roundels two and one azure": the tincture
                // after the group's arrangement is the group's.
                tincture = S1(s, 1 + words);
                s.UseWord(s.cursor + 1 + words);
            } else if (Is(s, 1, "and") || Is(s, 1, "between")) {
                // "a roundel and four mullets counterchanged", "a roundel between three mullets
                // gules": the tincture named after the charges that follow is the roundel's too.
                tincture = kOr;
                for (int i = s.cursor + 2; i < s.wordCount; ++i)
                    if (s.Type(i) == kTypeTincture) {
                        tincture = s.Sub1(i);
                        break;
                    }
            } else {
                tincture = kOr;
            }
        }
        // The roundel's tincture stands as the second named only when the blazon named no
        // second: Or is code 0 too, so the count tells, not the slot. "Counterchanged" is never
        // a named tincture (it is what a charge takes from the surface beneath).
        if (s.namedTinctureCount < 2 && tincture != kCounterchanged) s.namedTinctures[1] = tincture;
        Tincture(s) = tincture;
    } else {
        Tincture(s) = S1(s, 0);
        Use(s, 0);
    }
    TinctureFollowUp(s);
}

namespace {

// The detail words after the tincture at the cursor, each with its own tincture, and the phrases
// that add a part drawn in a picture of its own ("vulning themselves proper").
void ReadDetailWords(DrawingState& s) {
    const auto detailAt = [&s](int k) {
        return T(s, k) == kTypeDetail || (Is(s, k, "ducally") && T(s, k + 1) == kTypeDetail) ||
               (Is(s, k, "winged") && T(s, k) == kTypePrefix);
    };
    for (int read = 0; read < kMaxWords; ++read) {
        const int at = s.cursor;
        // "armed or and langued gules": an "and" joins two details, each with its tincture, as
        // the words without it do.
        const int andAt = Is(s, 1, "and") && detailAt(2) ? s.cursor + 1 : -1;
        if (andAt >= 0) ++s.cursor;
        // A phrase with a picture of its own first: "ducally gorged and chained or" draws the
        // coronet and chain (liongc), where the words alone would only colour the claws.
        if (!ReadDetailPhrase(s) && detailAt(1)) ReadDetailRunAfterTincture(s);
        if (andAt >= 0 && s.cursor == andAt) s.cursor = at;  // the details after it were not read
        if (andAt >= 0 && s.cursor > andAt) s.UseWord(andAt);
        if (s.cursor == at) break;
    }
}

// At the end of the words the level is complete and reading stops; true then.
bool CompleteAtTheEnd(DrawingState& s, int lastCursor) {
    if (s.cursor < lastCursor) return false;
    CompleteLevel(s);
    s.stopReading = true;
    return true;
}

}  // namespace

void TinctureFollowUp(DrawingState& s) {
    LevelRecord& level = Current(s);
    MemberTincturesRule(s);  // "three mullets azure, gules and vert"
    // "armed argent crowned gules": each detail word with its own tincture.
    ReadDetailWords(s);
    if (T(s, 1) == kTypeAttitude && S1(s, 1) == s.attitudeOwner) AttitudesAfterTincture(s);
    ContournyAfterTincture(s);  // "a lion rampant gules contourny"
    ReversedAfterTincture(s);   // "a sword argent reversed"
    PointAfterTincture(s);      // "an arrow argent point upward"
    MemberTurnsAfterTincture(s);  // "three doloires gules, those in chief addorsed"
    if (ReadOrdinaryPosition(s, 1)) ++s.cursor;  // "a fess gules enhanced"
    VoidedAfterTincture(s);     // "a bend gules voided"
    if (CompleteAtTheEnd(s, s.wordCount - 1)) return;
    ++s.cursor;
    if (T(s, 0) == kTypeAttitude && S2(s, 0) == 19) {
        if (ReadFimbriated(s)) {
            // A charge's edge, its tincture read with the word.
        } else if (IsTincture(s, 0)) {
            level.levelSecondTincture = S1(s, 0);
            Use(s, 0);
            ++s.cursor;
            ReadOuterFimbriation(s);
        } else {
            FimbriationFromLaterTincture(s);
        }
    }
    const int patternAt = s.cursor;
    PatternedTincture(s);
    if (s.cursor != patternAt && T(s, 0) == kTypeDetail) {
        // "an eagle chequy argent and gules crowned or": the detail words after the pattern's
        // tinctures, read from the last of them.
        --s.cursor;
        ReadDetailWords(s);
        ++s.cursor;
    }
    BordureOfTwoRule(s);  // "a bordure nebuly argent and azure"
    if (Is(s, 0, "fretty") && IsTincture(s, 1) && level.levelKind == kTypeOrdinary && !level.levelIn) {
        // "a cross argent fretty azure": fretty over the ordinary alone.
        s.frettyTincture = S1(s, 1);
        Use(s, 0);
        Use(s, 1);
        s.cursor += 2;
    }
    if (CompleteAtTheEnd(s, s.wordCount)) return;
    // "a chevron between three roses gules, two and one": the rows the charges between stand in
    // anyway, not rows over the whole field.
    if (T(s, 0) == kTypeNumber && BetweenRowsRule(s) && CompleteAtTheEnd(s, s.wordCount)) return;
    // "a mullet argent and two crescents or two and one": the rows the group of several kinds
    // was laid out in from its first member.
    if (T(s, 0) == kTypeNumber && MixedGroupRowsRule(s) && CompleteAtTheEnd(s, s.wordCount)) return;
    if (T(s, 0) == kTypeNumber && (T(s, 1) == kTypeNumber || Is(s, 1, "and"))) {
        ReadRows(s);
        PassTheGroupsTincture(s);
        return;
    }
    if (InBendSinisterRule(s) || InAnnuloRule(s)) {
        PassTheGroupsTincture(s);
        if (CompleteAtTheEnd(s, s.wordCount)) return;
    } else if (IsArrangementAfterTincture(s) && !KeepsItsPart(level, DirectionOfWord(W(s, 1), S1(s, 1)))) {
        // "three roaches naiant in pale argent" reads the direction before the tincture; "two
        // torteaux in pale" and "five plates in saltire" after it.
        level.levelIn = true;
        level.levelInCode = DirectionOfWord(W(s, 1), S1(s, 1));
        if (level.levelInCode == kOrleCode) s.orleFlag = true;
        Use(s, 0);
        Use(s, 1);
        ++s.cursor;
        InvertedArrangement(s, level.levelInCode);  // "in chevron inverted"
        ++s.cursor;
        PassTheGroupsTincture(s);
        if (CompleteAtTheEnd(s, s.wordCount)) return;
    }
    if (BetweenTheArmsRule(s)) {
        // "a chevron inverted between the arms a mullet": the next phrase stands between its limbs.
    } else if (Is(s, 0, "between") && RelationWordsAt(s, s.cursor)->kind == model::RelationKind::Between) {
        // ("between the horns of a crescent" is read by the relation words' rule)
        Level(s, s.level + 1).levelBetween = true;
        Use(s, 0);
        ++s.cursor;
    } else if (IsCotiseWord(s)) {
        CotiseRule(s);
        return;
    } else {
        ForDifferenceTest(s);
    }
    CompleteAndReread(s);
}

}  // namespace esc::phrase
