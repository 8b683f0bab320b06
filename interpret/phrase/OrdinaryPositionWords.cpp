#include "interpret/phrase/OrdinaryPositionWords.h"

#include <array>
#include <string_view>

#include "engine/OrdinaryShapes.h"
#include "engine/SaltireNowy.h"
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
constexpr std::array<PositionWord, 3> kPositionWords{{
    {"enhanced", OrdinaryPosition::Enhanced},
    {"abased", OrdinaryPosition::Abased},
    {"couped", OrdinaryPosition::Couped},
}};

OrdinaryPosition PositionOf(std::string_view word) {
    for (const PositionWord& p : kPositionWords)
        if (EqualsIgnoringCase(word, p.word)) return p.position;
    return OrdinaryPosition::Usual;
}

// Charges set about or on an ordinary, in the parts of the field beside it, and its cotises are
// laid out along its usual place.
bool OthersFollowTheOrdinary(const DrawingState& s, int from) {
    for (int i = from; i < s.wordCount; ++i) {
        const std::string_view w = s.Word(i);
        if (EqualsIgnoringCase(w, "between") || EqualsIgnoringCase(w, "charged") || EqualsIgnoringCase(w, "within") ||
            EqualsIgnoringCase(w.substr(0, 4), "coti") || EqualsIgnoringCase(w.substr(0, 4), "cott"))
            return true;
        if (EqualsIgnoringCase(w, "in") && i + 1 < s.wordCount &&
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
        const int code = s.Sub1(i);
        if (code == kBendSinister) return s.shapeCode == kBendSinister;
        if (code == kChevron) return s.shapeCode == kChevron || s.shapeCode == kChevronInverted;
        return code == s.shapeCode;
    }
    return false;
}

}  // namespace

bool ReadOrdinaryPosition(DrawingState& s, int k) {
    const OrdinaryPosition position = PositionOf(W(s, k));
    if (position == OrdinaryPosition::Usual || s.position != OrdinaryPosition::Usual) return false;
    const LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || level.levelOn ||
        level.levelChargedOn || s.rowsDrawn)
        return false;
    if (!ShapeTakesPosition(s.shapeCode, false, position) || !ShapeIsTheLevels(s, k) ||
        OthersFollowTheOrdinary(s, s.cursor + k + 1))
        return false;
    s.position = position;
    Use(s, k);
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

bool ChiefEdgeRule(DrawingState& s) {
    const bool enarched = Is(s, 0, "enarched"), triangular = Is(s, 0, "triangular");
    if (!enarched && !triangular) return false;
    LevelRecord& level = Current(s);
    // A line word on either side would draw the edge as that line instead ("a chief enarched
    // embattled"): the word is then left unread.
    if (level.levelKind != kTypeOrdinary || level.levelIn || s.shapeCode != kChief || !ShapeIsTheLevels(s, 0) ||
        level.levelLine != kPlainLine || T(s, 1) == kTypeLine)
        return false;
    level.levelLine = enarched ? kEnarchedLine : kIndentedLine;
    level.levelLineRepeats = 1;
    Use(s, 0);
    ++s.cursor;
    return true;
}

bool SaltireNowyRule(DrawingState& s) {
    if (!Is(s, 0, "nowy")) return false;
    LevelRecord& level = Current(s);
    if (level.levelKind != kTypeOrdinary || level.levelCount != 1 || level.levelIn || s.shapeCode != kSaltire ||
        !ShapeIsTheLevels(s, 0) || !level.levelVariant.empty())
        return false;
    level.levelVariant.Assign(kNowyVariant);
    Use(s, 0);
    ++s.cursor;
    return true;
}

OrdinaryPosition PartitionPositionAt(const DrawingState& s, int at) {
    const OrdinaryPosition position = PositionOf(s.Word(at));
    return ShapeTakesPosition(s.shapeCode, true, position) ? position : OrdinaryPosition::Usual;
}

}  // namespace esc
