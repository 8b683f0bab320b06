// The ordinary word rule and the charge word rule of the phrase interpreter.

#include <array>
#include <string>

#include "engine/Messages.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Nowy.h"
#include "interpret/layout/Conjoined.h"
#include "interpret/layout/Layouts.h"
#include "interpret/phrase/ChargeWordRules.h"
#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/phrase/PhraseRules.h"

#include "interpret/phrase/PairOf.h"

#include "interpret/phrase/ArrangementWords.h"
#include "interpret/phrase/Qualifiers.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {
namespace {

// The word "sinister" after "bend" and the shape of the bend sinister share a code; a pile is
// the shape of the piles.
constexpr ShapeCode kSinister = kBendSinister, kPile = kPiles;

constexpr int kDefaultLabelPoints = 3;

bool StartsWithPoint(std::string_view word) { return EqualsIgnoringCase(word.substr(0, 5), "point"); }
constexpr int kDefaultOrleCount = 8;

// "cross crosslet fitchee": the digits of the cross's variant words, "and" allowed between them.
void ReadCrossVariants(DrawingState& s) {
    LevelRecord& level = Current(s);
    int i = s.cursor + 1;
    AppendDigits(level.levelVariant, s.Sub2(i));
    s.UseWord(i);
    for (++i;;) {
        if (EqualsIgnoringCase(s.Word(i), "and") && s.Type(i + 1) == kTypeAttitude && ShapeOfCode(s.Sub1(i + 1)) == kCross) {
            s.UseWord(i);
            ++i;
        }
        if (s.Type(i) != kTypeAttitude || ShapeOfCode(s.Sub1(i)) != kCross) break;
        AppendDigits(level.levelVariant, s.Sub2(i));
        s.UseWord(i);
        ++i;
    }
    // "a cross nowy couped": the cut ends are what the cross's pictures show.
    if (EqualsIgnoringCase(s.Word(i), "couped")) s.UseWord(i);
}

// "label of three points": the number of points is the level's line code.
void LabelRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    level.levelKind = kTypeOrdinary;
    level.levelName.Append(NameWord(s, 0));
    s.shapeCode = kLabel;
    Use(s, 0);
    if (Is(s, 1, "of") && T(s, 2) == kTypeNumber) {
        level.levelLine = S1(s, 2);
        Use(s, 1);
        Use(s, 2);
        if (StartsWithPoint(W(s, 3))) Use(s, 3);
        // The points are part of the label: read as a number they would start a new phrase.
        s.cursor += StartsWithPoint(W(s, 3)) ? 4 : 3;
    } else {
        level.levelLine = kDefaultLabelPoints;
        ++s.cursor;
    }
}

// "a tressure", "a double tressure flory counterflory": the level's count is the number of
// bands, and the fleurs give the tressure its own shape code.
void TressureRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    level.levelKind = kTypeOrdinary;
    level.levelName.Append(NameWord(s, 0));
    Use(s, 0);
    if (Is(s, -1, "double")) {
        level.levelCount = 2;
        Use(s, -1);
    }
    s.shapeCode = kTressure;
    if (Is(s, 1, "flory") && Is(s, 2, "counterflory")) {
        s.shapeCode = kTressureFlory;
        Use(s, 1);
        Use(s, 2);
        s.cursor += 2;
    }
    s.attitudeOwner = CodeOf(kTressure);
    if (level.levelOn) s.onOrdinaryCode = s.shapeCode;
    ++s.cursor;
}

}  // namespace

bool KeepsItsPart(const LevelRecord& level, Direction code) {
    const auto isPart = [](Direction c) {
        return c == ShapeCode::kChief || c == kBase || c == kInDexterChief || c == kInSinisterChief ||
               c == kInDexterHalf || c == kInSinisterHalf;
    };
    return level.levelIn && level.levelCount > 0 && isPart(level.levelInCode) && !isPart(code);
}

bool OrdinaryWordRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    const ShapeCode code = ShapeOfCode(S1(s, 0));
    // After "in" the word names a direction: a shape's or one of the places.
    const Direction toward = DirectionOfWord(W(s, 0), S1(s, 0));
    // "three pairs of keys in saltire": the words cross each pair, not arrange the group.
    if (ReadPairCrossing(s, code)) return false;
    if (Is(s, -1, "and") && level.levelKind == kTypeOrdinary && !level.levelIn && level.levelCount > 0) {
        // "a saltire and chief gules": two ordinaries of one tincture. The first is drawn in the
        // tincture that follows; the second is a phrase of its own, counted as one.
        CloseBeforeNewPhrase(s);
        Current(s).levelCount = 1;
        s.UseWord(s.cursor - 1);
        return true;
    }
    if (code == kOrle && Is(s, 1, "of")) {
        s.orleFlag = true;
        Use(s, 0);
        Use(s, 1);
        if (T(s, 2) == kTypeNumber) {
            level.levelCount = S1(s, 2);
            Use(s, 2);
            s.cursor += 3;
        } else {
            level.levelCount = kDefaultOrleCount;
            s.cursor += 2;
        }
        return true;
    }
    if (code == kLabel) {
        LabelRule(s);
        return true;
    }
    if (code == kTressure && !Is(s, -1, "in")) {
        TressureRule(s);
        return true;
    }
    if (code == kPile && Is(s, 1, "in") && Is(s, 2, "point")) {
        level.levelKind = kTypeOrdinary;
        level.levelName.Append(NameWord(s, 0));
        s.shapeCode = kPile;
        level.levelLine = 96;
        for (int k = 0; k < 3; ++k) Use(s, k);
        s.cursor += 3;
        return true;
    }
    if (Is(s, -1, "in") && KeepsItsPart(level, toward) && !Is(s, -2, "and")) {
        // "in chief three mullets in fess": the row the chief and the base set their charges in.
        const bool acrossItsPart = toward == ShapeCode::kFess &&
                                   (level.levelInCode == ShapeCode::kChief || level.levelInCode == kBase);
        // "in base two swords in saltire": the group set in that arrangement within its part.
        const bool arrangedInItsPart = toward == ShapeCode::kSaltire || toward == ShapeCode::kCross ||
                                       toward == ShapeCode::kPale || toward == ShapeCode::kBend ||
                                       (toward == ShapeCode::kFess && !acrossItsPart);
        if (acrossItsPart || arrangedInItsPart) {
            Use(s, -1);
            Use(s, 0);
        }
        if (arrangedInItsPart) {
            level.levelArrangedIn = code;
            if (code == ShapeCode::kBend && Is(s, 1, "sinister")) {
                level.levelArrangedIn = ShapeCode::kBendSinister;
                Use(s, 1);
                ++s.cursor;
            }
        }
        return false;
    }
    if (Is(s, -1, "in")) {
        // A direction for the level's charges: "three mullets in bend", "and in chief".
        // "a lion rampant, in chief two mullets Or": the comma is gone, but a direction followed by
        // its own article or number opens a phrase as "and" would; the lion stays the main charge.
        const bool towardAPart = toward == ShapeCode::kChief || toward == kBase || toward == kInDexterChief ||
                                 toward == kInSinisterChief || toward == kInDexterBase || toward == kInSinisterBase ||
                                 toward == kInDexterHalf || toward == kInSinisterHalf || toward == kInHonourPoint ||
                                 toward == kInNombrilPoint;
        // "a lion, in chief the sun": "the" before a charge's name is its article.
        const bool article = Is(s, 1, "a") || Is(s, 1, "an") || (Is(s, 1, "the") && BeginsAChargeName(s, 2));
        const bool phraseFollows = towardAPart && (article || T(s, 1) == kTypeNumber);
        if ((Is(s, -2, "and") || (phraseFollows && !level.levelIn && level.levelCount > 0)) && level.levelKind != 0)
            CloseBeforeNewPhrase(s);
        LevelRecord& current = Current(s);
        current.levelIn = true;
        current.levelInCode = toward;
        Use(s, -1);
        Use(s, 0);
        if (toward == ShapeCode::kBend && Is(s, 1, "sinister")) {
            // "in bend sinister a lozenge": the sinister bend's direction, not a word of the charge.
            current.levelInCode = ShapeCode::kBendSinister;
            Use(s, 1);
            ++s.cursor;
        }
        InvertedArrangement(s, current.levelInCode);  // "in chevron inverted"
        if (toward == kOrle) s.orleFlag = true;  // "in orle" is the orle arrangement
        return false;
    }

    // "a saltire anchored": a saltire whose ends are drawn is a picture, when its variant is drawn.
    const bool variedSaltire = code == kSaltire && T(s, 1) == kTypeAttitude && ShapeOfCode(S1(s, 1)) == kSaltire &&
                               PictureExists(s, W(s, 0), VariantText(S2(s, 1)));
    // "a saltire nowy couped": the couped saltire with its boss is a picture; "a saltire nowy"
    // alone is the ordinary with its boss (the nowy rule).
    const bool nowyCoupedSaltire = code == kSaltire && level.levelCount <= 1 && Is(s, 1, "nowy") &&
                                   Is(s, 2, "couped") && PictureExists(s, W(s, 0), kNowyVariant);
    // A chevron couped is the ordinary cut short of the flanks (its position); a cross or saltire
    // couped is the picture.
    const bool picture = variedSaltire || nowyCoupedSaltire || ((code == kChevron || code == kCross || code == kSaltire) &&
                                           code != kChevron && (Is(s, 1, "couped") || level.levelCount >= 2));
    level.levelKind = picture ? 13 : kTypeOrdinary;
    level.levelName.Append(NameWord(s, 0));
    // "a quarter" is drawn with the canton's shape, smaller than a quarter of the field: said.
    if (code == kCanton && !level.levelIn && (EqualsIgnoringCase(W(s, 0), "quarter") || EqualsIgnoringCase(W(s, 0), "quarters")))
        s.messages.Show(std::string(msg::kQuarterDrawnAsCanton) + std::string(W(s, 0)));
    Use(s, 0);
    if (variedSaltire) {
        AppendDigits(level.levelVariant, S2(s, 1));
        Use(s, 1);
        ++s.cursor;
    }
    if (nowyCoupedSaltire) {
        level.levelVariant.Assign(kNowyVariant);
        Use(s, 1);
        Use(s, 2);
        s.cursor += 2;
    }
    // "a saltire couped": the cut ends are what the cross and saltire pictures show.
    if (picture && code != kChevron && Is(s, 1, "couped")) Use(s, 1);
    if (code != kCross && code != kPallets && !picture) {
        s.partitionCode = code;
        s.lastShapeCode = kNoShape;
        s.shapeCode = code;
    }
    s.attitudeOwner = CodeOf(code);
    if (level.levelOn) s.onOrdinaryCode = code;
    if (code == kBend && T(s, 1) == kTypeOrdinary && ShapeOfCode(S1(s, 1)) == kSinister) {
        level.levelKind = kTypeOrdinary;
        level.levelName.Assign(NameWord(s, 1));
        // The shapes know the bend sinister by its own code.
        s.partitionCode = s.shapeCode = kSinister;
        if (level.levelOn) s.onOrdinaryCode = kSinister;
        Use(s, 1);
        ++s.cursor;
    }
    if (code == kFlaunches && level.levelCount <= 1 && (Is(s, 1, "sinister") || Is(s, 1, "dexter"))) {
        // "a flaunch sinister": one flaunch, on that side.
        if (Is(s, 1, "sinister")) level.levelVariant.Assign(kSinisterSideVariant);
        Use(s, 1);
        ++s.cursor;
    }
    if (code == kChevron && !picture && level.levelCount > 1) {
        // "two chevrons": stacked as the chevronels are, but each as broad as their room allows
        // (the level keeps the name "chevrons", which the shape reads).
        s.partitionCode = s.shapeCode = kChevronels;
        if (level.levelOn) s.onOrdinaryCode = kChevronels;
    }
    if (code == kChevron && !picture && level.levelCount <= 1 && Is(s, 1, "inverted")) {
        // The chevron turned point down has a shape of its own.
        s.partitionCode = s.shapeCode = kChevronInverted;
        if (level.levelOn) s.onOrdinaryCode = kChevronInverted;
        Use(s, 1);
        ++s.cursor;
    }
    if (code == kBendlets && (Is(s, 1, "enhanced") || (T(s, 1) == kTypeLine && Is(s, 2, "enhanced")))) {
        // "three bendlets enhanced", "bendlets engrailed enhanced": set toward the sinister chief.
        const int at = Is(s, 1, "enhanced") ? 1 : 2;
        if (at == 2) {
            level.levelLine = S1(s, 1);
            level.levelLineRepeats = S2(s, 1);
            Use(s, 1);
        }
        s.partitionCode = s.shapeCode = kBendletsEnhanced;
        if (level.levelOn) s.onOrdinaryCode = kBendletsEnhanced;
        Use(s, at);
        s.cursor += at;
    }
    if ((code == kChevronels || (code == kChevron && s.shapeCode == kChevronels)) && (Is(s, 1, "interlaced") || Is(s, 1, "braced"))) {
        // "three chevronels interlaced": side by side, each crossing the next.
        s.partitionCode = s.shapeCode = kChevronelsInterlaced;
        if (level.levelOn) s.onOrdinaryCode = kChevronelsInterlaced;
        Use(s, 1);
        ++s.cursor;
    }
    if (code == kBendlets && T(s, 1) == kTypeOrdinary && ShapeOfCode(S1(s, 1)) == kSinister) {
        // "two bendlets sinister": the bendlets' own shape, turned the other way.
        level.levelKind = kTypeOrdinary;
        s.partitionCode = s.shapeCode = kBendletsSinister;
        if (level.levelOn) s.onOrdinaryCode = kBendletsSinister;
        Use(s, 1);
        ++s.cursor;
    }
    if (code == kCross) {
        if (S2(s, 0) == 0 || T(s, -1) == kTypePrefix) level.levelKind = 13;
        // "a cross nowy" alone is the ordinary with its boss (read by the nowy rule next); "a
        // cross nowy couped", or nowy with another form of the cross, is the picture.
        const bool crossFormFollows = T(s, 2) == kTypeAttitude && ShapeOfCode(S1(s, 2)) == kCross;
        const bool ordinaryNowy = level.levelKind == kTypeOrdinary && level.levelCount <= 1 && Is(s, 1, "nowy") &&
                                  !Is(s, 2, "couped") && !Is(s, 2, "and") && !crossFormFollows;
        if (!ordinaryNowy && T(s, 1) == kTypeAttitude &&
            (ShapeOfCode(S1(s, 1)) == kCross || S1(s, 1) == 99 || S2(s, 1) == 9)) {
            if (S2(s, 1) != 9) {
                level.levelKind = 13;
                ReadCrossVariants(s);
            } else {
                s.crossTreatment = true;
                s.shapeCode = kCross;
                Use(s, 1);
                s.cursor += 2;
                return true;
            }
        }
        if (level.levelKind == kTypeOrdinary) s.shapeCode = kCross;
        if (level.levelKind == kTypeOrdinary && T(s, 1) == kTypeTincture && T(s, 2) == kTypeAttitude && S2(s, 2) == 9) {
            // "a cross argent (quarter) pierced": pierced after the tincture, the same cross. The
            // level is drawn as the word after its tincture is reached, so it is read ahead.
            s.crossTreatment = true;
            Use(s, 2);
        }
    }
    ++s.cursor;
    return true;
}

bool HandednessRule(DrawingState& s) {
    const bool sinister = Is(s, 0, "sinister");
    if (!sinister && !Is(s, 0, "dexter")) return false;
    const int next = T(s, 1);
    if (next != kTypeCharge && (next < 11 || next > 14)) return false;
    const std::string word = ToLower(W(s, 1));
    bool limb = false;
    for (std::string_view name : {"hand", "arm", "gauntlet", "glove"}) limb = limb || word.rfind(name, 0) == 0;
    if (!limb) return false;
    // The pictures show the right hand (dexter, as the bearer holds it); a left hand is that
    // picture mirrored.
    s.sinisterCharges = sinister;
    Use(s, 0);
    ++s.cursor;
    return true;
}

bool ChargeWordRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    const int type = T(s, 0);
    const auto posture = [&](int k) { return T(s, k) == kTypeAttitude || T(s, k) == kTypeNotFound; };
    if (type == 13 && S1(s, 0) == 9 && T(s, -1) == kTypeAttitude && posture(1) && level.levelCount > 0) {
        // "a wolf sejant, head erect": the way the head of the beast just named is held. Read
        // where the picture of the attitude holds its head so and names it ("wolf.5hr").
        constexpr std::size_t kLongestPictureVariant = 3;
        const std::string heldErect = std::string(level.levelVariant.view()) + "hr";
        if (Is(s, 1, "erect") && heldErect.size() <= kLongestPictureVariant &&
            PictureExists(s, level.levelName.view(), heldErect)) {
            level.levelVariant.Assign(heldErect);
            Use(s, 0);
            Use(s, 1);
            s.cursor += 2;
            return true;
        }
        // Otherwise no picture shows it: left unread with the words of its posture, rather than
        // drawn as the beast's head alone.
        int k = 1;
        while (k < s.wordCount - s.cursor && posture(k)) ++k;
        s.cursor += k;
        return true;
    }
    if (ReadWingsOfTheCharge(s)) return true;
    if (EqualsIgnoringCase(W(s, 0), "wings")) {
        // Wings conjoined are one charge: "two wings conjoined", "a pair of wings conjoined".
        // Two wings otherwise are two charges ("between two wings"), as a pair of them is.
        if (Is(s, 1, "conjoined") && (Is(s, -1, "two") || (Is(s, -1, "of") && Is(s, -2, "pair")))) level.levelCount = 1;
        level.levelKind = type;
        level.levelName.Append("wing");
        Use(s, 0);
        if (Is(s, 1, "conjoined")) {
            level.levelName.Append("c");
            Use(s, 1);
            s.cursor += 2;
            if (Is(s, 0, "in") && Is(s, 1, "lure")) {
                level.levelName.Append("l");
                Use(s, 0);
                Use(s, 1);
                s.cursor += 2;
            }
            return true;
        }
        // The next word is read in a pass of its own: a tincture after "wings" is the level's
        // tincture, not part of the picture's name.
        ++s.cursor;
        return true;
    }
    // "a mullet of six points", and likewise "an estoile of eight points": the number of
    // points is part of the picture's name.
    const bool mullet = ContainsIgnoringCase(W(s, 0), "mullet");
    if ((mullet || ContainsIgnoringCase(W(s, 0), "estoile")) && Is(s, 1, "of") && T(s, 2) == kTypeNumber) {
        level.levelKind = type;
        level.levelName.Assign((mullet ? "mullet" : "estoile") + std::to_string(S1(s, 2)));
        for (int k = 0; k < 3; ++k) Use(s, k);
        s.cursor += 3;
        // "points" is part of the phrase, not a word of its own.
        if (StartsWithPoint(W(s, 0))) Use(s, 0);
        s.attitudeOwner = type;  // "pierced" after the points
        return ReadAttitudes(s);
    }
    Use(s, 0);  // it names the charge, or qualifies the one named
    if (S1(s, 0) != 9) {
        level.levelKind = type;
        if (S1(s, 0) == 8) {
            level.levelName.Assign(NameWord(s, 0));
        } else {
            level.levelName.Append(NameWord(s, 0));
        }
    }
    if (Is(s, 0, "stump")) {
        // "a stump eradicated sprouting or": the sprouting words up to the tincture.
        int i = s.cursor + 1;
        for (; i < s.wordCount; ++i) {
            if (s.Type(i) == kTypeTincture) {
                Tincture(s) = s.Sub1(i);
                s.UseWord(i);
                break;
            }
            if (s.Type(i) == kTypeAttitude && s.Sub1(i) == 12) {
                AppendDigits(level.levelVariant, s.Sub2(i));
                s.UseWord(i);
            }
        }
        s.cursor = i;
        CompleteLevel(s);
        s.cursor = i + 1;  // past the tincture, which belongs to the stump
        return true;
    }
    s.attitudeOwner = type;
    // "conjoined in ..." along a line the run cannot be laid on is left unread.
    const bool lineLaid = !(Is(s, 2, "in") && T(s, 3) == kTypeOrdinary) || ConjoinedLineDrawn(ShapeOfCode(S1(s, 3)), level.levelCount);
    const bool joined = Is(s, 1, "conjoined") || Is(s, 1, "interlaced");
    if (joined && lineLaid && level.levelCount >= 2 &&
        (IsLozengeCharge(level.levelName.view()) || IsRingCharge(level.levelName.view()))) {
        // "seven mascles conjoined": the layouts set them touching point to point; "two
        // annulets interlaced": each ring over the edge of the next.
        s.conjoined = true;
        s.interlaced = Is(s, 1, "interlaced");
        Use(s, 1);
        ++s.cursor;
    }
    if (type == 13 && S1(s, 0) == 9) {
        if (ContainsIgnoringCase(W(s, 1), "jessant")) {
            level.levelName.Assign("leoplis");
            Use(s, 1);
            ++s.cursor;
            return true;
        }
        level.levelVariant.Assign("hd");
    }
    const bool read = ReadAttitudes(s);
    if (ReadWithTwoHeads(s)) return true;
    return read;
}

}  // namespace esc::phrase
