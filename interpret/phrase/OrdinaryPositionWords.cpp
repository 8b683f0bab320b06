#include "interpret/phrase/OrdinaryPositionWords.h"

#include <array>
#include <string_view>

#include "engine/ConjoinedLozenges.h"
#include "engine/Enarched.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Nowy.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using namespace phrase;

namespace {

struct PositionWord {
    std::string_view word;
    OrdinaryPosition position;
};
constexpr std::array<PositionWord, 4> kPositionWords{{
    {"enhanced", OrdinaryPosition::Enhanced},
    {"raised", OrdinaryPosition::Enhanced},  // "a chevron raised", as the older books write it
    {"abased", OrdinaryPosition::Abased},
    {"couped", OrdinaryPosition::Couped},
}};

OrdinaryPosition PositionOf(std::string_view word) {
    for (const PositionWord& p : kPositionWords)
        if (EqualsIgnoringCase(word, p.word)) return p.position;
    return OrdinaryPosition::Usual;
}

// Whether the cotises of the shape follow it in `position`: a fess's moved or couped, a bend's,
// a bend sinister's and a chevron's moved up or down or couped, a pale's couped or set toward a
// flank (a raised or lowered pale's cotises would still run the whole height).
bool CotisesFollow(ShapeCode shapeCode, OrdinaryPosition position) {
    const bool moved = position == OrdinaryPosition::Enhanced || position == OrdinaryPosition::Abased;
    if (shapeCode == kFess || (shapeCode == kPale && position != OrdinaryPosition::Usual && !moved)) return true;
    if (position == OrdinaryPosition::Couped) return shapeCode == kBend || shapeCode == kBendSinister || shapeCode == kChevron;
    return moved && (shapeCode == kBend || shapeCode == kBendSinister || shapeCode == kChevron);
}

// Charges set about or on an ordinary and in the parts of the field beside it are laid out along
// its usual place; so are the cotises of shapes whose cotises do not follow the position.
// Charges between a raised or lowered fess, bend or chevron take the free space it leaves.
bool BetweenFollows(ShapeCode shapeCode, OrdinaryPosition position) {
    const bool moved = position == OrdinaryPosition::Enhanced || position == OrdinaryPosition::Abased;
    return moved && (shapeCode == kFess || shapeCode == kBend || shapeCode == kBendSinister || shapeCode == kChevron);
}

bool OthersFollowTheOrdinary(const DrawingState& s, int from, OrdinaryPosition position) {
    // Couped, the ordinary keeps its usual place but for its ends: charges between it or in chief
    // and in base beside it stand where they stand about the usual one.
    const bool couped = position == OrdinaryPosition::Couped;
    for (int i = from; i < s.wordCount; ++i) {
        const std::string_view w = s.Word(i);
        // "between two cottises" names the ordinary's cotises, not charges about it.
        const bool cotisesNext = i + 2 < s.wordCount && (EqualsIgnoringCase(s.Word(i + 2).substr(0, 4), "coti") ||
                                                         EqualsIgnoringCase(s.Word(i + 2).substr(0, 4), "cott"));
        if (EqualsIgnoringCase(w, "between") && !cotisesNext && !couped &&
            (s.level != 0 || !BetweenFollows(s.shapeCode, position)))
            return true;
        if (EqualsIgnoringCase(w, "charged") || EqualsIgnoringCase(w, "within")) return true;
        if ((EqualsIgnoringCase(w.substr(0, 4), "coti") || EqualsIgnoringCase(w.substr(0, 4), "cott")) &&
            !CotisesFollow(s.shapeCode, position))
            return true;
        if (EqualsIgnoringCase(w, "in") && !couped && i + 1 < s.wordCount &&
            (EqualsIgnoringCase(s.Word(i + 1), "chief") || EqualsIgnoringCase(s.Word(i + 1), "base")))
            return true;
    }
    return false;
}

// Whether s.shapeCode is the shape of the ordinary the current level names: the last ordinary
// word before W+k ("a cross" leaves the shape code of whatever came before it).
bool ShapeIsTheLevels(const DrawingState& s, int k) {
    for (int i = s.cursor + k - 1; i >= 0 && i >= s.levelFirstWord - 1; --i) {
        if (s.Type(i) != kTypeOrdinary) continue;
        const ShapeCode code = ShapeOfCode(s.Sub1(i));
        if (code == kBendSinister) return s.shapeCode == kBendSinister;
        if (code == kChevron) return s.shapeCode == kChevron || s.shapeCode == kChevronInverted;
        return code == s.shapeCode;
    }
    return false;
}

// Whether a cotise word follows from word `from` on.
bool CotisesFollowIn(const DrawingState& s, int from) {
    for (int i = from; i < s.wordCount; ++i) {
        const std::string_view w = s.Word(i);
        if (EqualsIgnoringCase(w.substr(0, 4), "coti") || EqualsIgnoringCase(w.substr(0, 4), "cott")) return true;
    }
    return false;
}

}  // namespace

// "a pale in dexter gules", "a pale argent in sinister": the side at W+k and W+k+1, where the words
// after it are the ordinary's own (a tincture, a line, or none); "in dexter a mullet" is a place
// for what follows.
namespace {
OrdinaryPosition FlankAt(const DrawingState& s, int k) {
    if (!Is(s, k, "in")) return OrdinaryPosition::Usual;
    const OrdinaryPosition side = Is(s, k + 1, "dexter")     ? OrdinaryPosition::InDexter
                                  : Is(s, k + 1, "sinister") ? OrdinaryPosition::InSinister
                                                             : OrdinaryPosition::Usual;
    const int next = s.cursor + k + 2;
    if (side == OrdinaryPosition::Usual || (next < s.wordCount && T(s, k + 2) != kTypeTincture && T(s, k + 2) != kTypeLine &&
                                            !EqualsIgnoringCase(W(s, k + 2).substr(0, 4), "coti") &&
                                            !EqualsIgnoringCase(W(s, k + 2).substr(0, 4), "cott")))
        return OrdinaryPosition::Usual;
    return side;
}
}  // namespace

bool ReadOrdinaryPosition(DrawingState& s, int k) {
    const OrdinaryPosition side = FlankAt(s, k);
    const bool twoWords = side != OrdinaryPosition::Usual;
    const OrdinaryPosition position = twoWords ? side : PositionOf(W(s, k));
    if (position == OrdinaryPosition::Usual || s.position != OrdinaryPosition::Usual) return false;
    const LevelRecord& level = Current(s);
    // Lozenges conjoined and the arch are laid in the ordinary's usual place.
    const std::string_view variant = level.levelVariant.view();
    if (variant == kFusillyVariant || variant == kMasculyVariant || variant == kEnarchedVariant) return false;
    // Charges on a raised or lowered fess, bend or chevron lie along it where it stands.
    const bool onMoved = level.levelOn && s.level == 0 && BetweenFollows(s.shapeCode, position);
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || (level.levelOn && !onMoved) ||
        level.levelChargedOn || s.rowsDrawn)
        return false;
    const int words = twoWords ? 2 : 1;
    if (!ShapeTakesPosition(s.shapeCode, false, position) || !ShapeIsTheLevels(s, k) ||
        OthersFollowTheOrdinary(s, s.cursor + k + words, position))
        return false;
    s.position = position;
    Use(s, k);
    if (twoWords) {
        // The caller steps past one word; the second is stepped past here.
        Use(s, k + 1);
        ++s.cursor;
    }
    return true;
}

bool OrdinaryPositionRule(DrawingState& s) {
    if (!ReadOrdinaryPosition(s, 0)) return false;
    ++s.cursor;
    return true;
}

bool TwoLinesRule(DrawingState& s) {
    if (T(s, 0) != kTypeLine || !Is(s, 1, "and") || T(s, 2) != kTypeLine || s.secondLineCode != kPlainLine) return false;
    LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || !ShapeTakesTwoLines(s.shapeCode) ||
        !ShapeIsTheLevels(s, 0))
        return false;
    if (S1(s, 0) >= kFirstLevelMark || S1(s, 2) >= kFirstLevelMark) return false;  // "combatant", "addorsed"
    level.levelLine = S1(s, 0);
    level.levelLineRepeats = S2(s, 0);
    s.secondLineCode = S1(s, 2);
    for (int k = 0; k < 3; ++k) Use(s, k);
    s.cursor += 3;
    return true;
}

namespace {

// A side named after "on the": 0 the side toward the chief or the dexter, 1 the other; -1 none.
int SideWord(const DrawingState& s, int k) {
    for (const std::string_view w : {"upper", "dexter", "chief"})
        if (Is(s, k, w)) return 0;
    for (const std::string_view w : {"lower", "sinister", "base"})
        if (Is(s, k, w)) return 1;
    return -1;
}

// "on the upper side" at W+k: the side, and the words it takes in `length`; -1 when none is there.
int SideAt(const DrawingState& s, int k, int& length) {
    if (!Is(s, k, "on") || !Is(s, k + 1, "the")) return -1;
    const int side = SideWord(s, k + 2);
    if (side < 0) return -1;
    length = Is(s, k + 3, "side") || Is(s, k + 3, "edge") ? 4 : 3;
    return side;
}

}  // namespace

bool TwoSidesRule(DrawingState& s) {
    if (T(s, 0) != kTypeLine || s.secondLineCode != kPlainLine) return false;
    int first = 0, second = 0;
    const int side = SideAt(s, 1, first);
    if (side < 0 || !Is(s, 1 + first, "and") || T(s, 2 + first) != kTypeLine) return false;
    const int other = SideAt(s, 3 + first, second);
    if (other == side) return false;
    LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || !ShapeTakesTwoLines(s.shapeCode) ||
        !ShapeIsTheLevels(s, 0))
        return false;
    const int a = 0, b = 2 + first;
    if (S1(s, a) >= kFirstLevelMark || S1(s, b) >= kFirstLevelMark) return false;
    // The first line is the one toward the chief (or the dexter), whichever the blazon names first.
    const int upper = side == 0 ? a : b, lower = side == 0 ? b : a;
    level.levelLine = S1(s, upper);
    level.levelLineRepeats = S2(s, upper);
    s.secondLineCode = S1(s, lower);
    const int words = 3 + first + (other < 0 ? 0 : second);
    for (int k = 0; k < words; ++k) Use(s, k);
    s.cursor += words;
    return true;
}

bool ChiefEdgeRule(DrawingState& s) {
    const bool enarched = Is(s, 0, "enarched"), triangular = Is(s, 0, "triangular");
    if (!enarched && !triangular) return false;
    LevelRecord& level = Current(s);
    // A line word on either side would draw the edge as that line instead ("a chief enarched
    // embattled"): the word is then left unread.
    // The chief takes either; the base (its upper edge), the fess (both edges) and the chevron
    // (its limbs bowed) are enarched.
    const bool shape =
        s.shapeCode == kChief || (enarched && (s.shapeCode == kBase || s.shapeCode == kFess || s.shapeCode == kChevron));
    if (level.levelKind != kTypeOrdinary || level.levelIn || !shape || !ShapeIsTheLevels(s, 0) ||
        level.levelLine != kPlainLine || T(s, 1) == kTypeLine || s.position != OrdinaryPosition::Usual)
        return false;
    if (s.shapeCode != kChief) {
        // Bowed whole into the arch: the cotises of a fess are then not drawn, so none may follow.
        if (!level.levelVariant.empty() || CotisesFollowIn(s, s.cursor + 1)) return false;
        level.levelVariant.Assign(kEnarchedVariant);
        Use(s, 0);
        ++s.cursor;
        return true;
    }
    level.levelLine = enarched ? kEnarchedLine : kIndentedLine;
    level.levelLineRepeats = 1;
    Use(s, 0);
    ++s.cursor;
    return true;
}

bool NowyRule(DrawingState& s) {
    if (!Is(s, 0, "nowy")) return false;
    LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || !ShapeTakesNowy(s.shapeCode) ||
        !ShapeIsTheLevels(s, 0) || !level.levelVariant.empty())
        return false;
    level.levelVariant.Assign(kNowyVariant);
    Use(s, 0);
    ++s.cursor;
    return true;
}

namespace {

// "a chevron of five lozenges", "a pale of four fusils", "a fess of mascles": the variant the
// pieces after "of" make of the ordinary, or nothing when they are no such pieces.
std::string_view PiecesVariant(std::string_view word) {
    for (const std::string_view w : {"lozenge", "lozenges"})
        if (EqualsIgnoringCase(word, w)) return kOfLozengesVariant;
    for (const std::string_view w : {"fusil", "fusils"})
        if (EqualsIgnoringCase(word, w)) return kFusillyVariant;
    for (const std::string_view w : {"mascle", "mascles"})
        if (EqualsIgnoringCase(word, w)) return kMasculyVariant;
    return {};
}

}  // namespace

bool ConjoinedLozengesRule(DrawingState& s) {
    const bool counted = Is(s, 0, "of") && T(s, 1) == kTypeNumber && S1(s, 1) > 0;
    const std::string_view ofPieces = Is(s, 0, "of") ? PiecesVariant(W(s, counted ? 2 : 1)) : std::string_view{};
    const bool fusils = Is(s, 0, "fusilly") || Is(s, 0, "fusily");
    if (!fusils && !Is(s, 0, "masculy") && ofPieces.empty()) return false;
    LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || !ShapeTakesLozenges(s.shapeCode) ||
        !ShapeIsTheLevels(s, 0) || !level.levelVariant.empty() || level.levelLine != kPlainLine ||
        s.position != OrdinaryPosition::Usual || T(s, 1) == kTypeLine)
        return false;
    // Two tinctures are the pattern on the ordinary; cotises would be set by the whole ordinary.
    if ((T(s, 1) == kTypeTincture && Is(s, 2, "and")) || CotisesFollowIn(s, s.cursor + 1)) return false;
    if (!ofPieces.empty()) {
        // "of five lozenges": so many, kept as the line's repeats (the ordinary has no line);
        // "of five lozenges conjoined" says the same again.
        const int words = (counted ? 3 : 2) + (Is(s, counted ? 3 : 2, "conjoined") ? 1 : 0);
        level.levelVariant.Assign(ofPieces);
        if (counted) level.levelLineRepeats = S1(s, 1);
        for (int k = 0; k < words; ++k) Use(s, k);
        s.cursor += words;
        return true;
    }
    level.levelVariant.Assign(fusils ? kFusillyVariant : kMasculyVariant);
    Use(s, 0);
    ++s.cursor;
    return true;
}

OrdinaryPosition PartitionPositionAt(const DrawingState& s, int at) {
    const OrdinaryPosition position = PositionOf(s.Word(at));
    return ShapeTakesPosition(s.shapeCode, true, position) ? position : OrdinaryPosition::Usual;
}

}  // namespace esc
