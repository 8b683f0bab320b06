#include "interpret/phrase/MemberTurns.h"

#include <cstddef>
#include <iterator>
#include <vector>

#include "interpret/layout/SpotLayout.h"
#include "interpret/phrase/ChargeKinds.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/phrase/PointWords.h"
#include "interpret/read/Vocabulary.h"

namespace esc {

using phrase::Current;
using phrase::Is;
using phrase::T;
using phrase::Use;

namespace {

enum class TurnWord { kNone, kAddorsed, kFacing, kReversed, kToSinister, kAsTheyStand };

TurnWord TurnAt(const DrawingState& s, int k) {
    if (Is(s, k, "addorsed")) return TurnWord::kAddorsed;
    if (Is(s, k, "combatant") || Is(s, k, "respectant") || Is(s, k, "affronty")) return TurnWord::kFacing;
    if (Is(s, k, "reversed") || Is(s, k, "inverted")) return TurnWord::kReversed;
    if (Is(s, k, "contourny") || Is(s, k, "contourne")) return TurnWord::kToSinister;
    return TurnWord::kNone;
}

// The words from W+k: "those in chief", "that in base", "the two in chief", then a turn (or
// the way their points go: "with those in chief pointing downward"). How many they are (0:
// none); `inChief` says which row they name.
int ReadMemberWords(const DrawingState& s, int k, bool& inChief, TurnWord& turn) {
    int i = k;
    if (Is(s, i, "with") && Is(s, i + 1, "those")) ++i;
    if (Is(s, i, "those") || Is(s, i, "that")) {
        ++i;
    } else if (Is(s, i, "the") && T(s, i + 1) == kTypeNumber) {
        i += 2;
    } else {
        return 0;
    }
    if (!Is(s, i, "in") || !(Is(s, i + 1, "chief") || Is(s, i + 1, "base"))) return 0;
    inChief = Is(s, i + 1, "chief");
    i += 2;
    turn = TurnAt(s, i);
    if (turn != TurnWord::kNone) return i - k + 1;
    bool over = false;
    const int pointWords = PointOverWords(s, i, over);
    if (pointWords == 0) return 0;
    turn = over ? TurnWord::kReversed : TurnWord::kAsTheyStand;
    return i - k + pointWords;
}

// "the second contourny", "the middle one reversed": one member of the group by its place in
// the order the charges are set (rows top first, each from the dexter). Its index, and how
// many words name it and turn it (0: none).
int ReadOneMember(const DrawingState& s, int k, int count, int& member, TurnWord& turn) {
    if (!Is(s, k, "the")) return 0;
    static constexpr const char* kOrdinals[] = {"first", "second", "third", "fourth", "fifth", "sixth"};
    member = -1;
    for (int i = 0; i < static_cast<int>(std::size(kOrdinals)); ++i)
        if (Is(s, k + 1, kOrdinals[i])) member = i;
    if (Is(s, k + 1, "last")) member = count - 1;
    if (Is(s, k + 1, "middle") && count % 2 == 1) member = count / 2;
    if (member < 0 || member >= count) return 0;
    int i = k + 2;
    if (Is(s, i, "one")) ++i;
    turn = TurnAt(s, i);
    // A pair's turn needs a pair.
    if (turn == TurnWord::kNone || turn == TurnWord::kAddorsed || turn == TurnWord::kFacing) return 0;
    return i - k + 1;
}

bool ReadOneMemberTurn(DrawingState& s, int k) {
    const LevelRecord& level = Current(s);
    if (s.rowsDrawn || !kinds::NamesACharge(level.levelKind) || level.levelKind == kTypeRoundel || level.levelCount < 2 ||
        level.levelOn)
        return false;
    int member = -1;
    TurnWord turn = TurnWord::kNone;
    const int words = ReadOneMember(s, k, level.levelCount, member, turn);
    if (words == 0) return false;
    std::vector<MemberTurn>& turns = s.group.memberTurns;
    turns.resize(static_cast<std::size_t>(level.levelCount));
    MemberTurn& t = turns[static_cast<std::size_t>(member)];
    if (turn == TurnWord::kReversed) t.flip = !t.flip;
    if (turn == TurnWord::kToSinister) t.mirror = !t.mirror;
    for (int i = 0; i < words; ++i) Use(s, k + i);
    s.cursor += words;
    return true;
}

bool ReadMemberTurns(DrawingState& s, int k) {
    if (ReadOneMemberTurn(s, k)) return true;
    bool inChief = false;
    TurnWord turn = TurnWord::kNone;
    const int words = ReadMemberWords(s, k, inChief, turn);
    if (words == 0 || s.rowsDrawn) return false;
    const LevelRecord& level = Current(s);
    if (!kinds::NamesACharge(level.levelKind) || level.levelKind == kTypeRoundel || level.levelCount < 3 ||
        level.levelIn || level.levelOn)
        return false;
    const std::vector<int> rows = UsualRows(level.levelCount);
    if (rows.size() < 2) return false;
    const int count = level.levelCount;
    const int first = inChief ? 0 : count - rows.back();
    const int members = inChief ? rows.front() : rows.back();
    // A pair turned to or from each other needs a pair.
    if ((turn == TurnWord::kAddorsed || turn == TurnWord::kFacing) && members != 2) return false;
    std::vector<MemberTurn>& turns = s.group.memberTurns;
    turns.resize(static_cast<std::size_t>(count));
    for (int m = 0; m < members; ++m) {
        MemberTurn& t = turns[static_cast<std::size_t>(first + m)];
        switch (turn) {
            // The pictures face the dexter: back to back, the sinister one is mirrored; face to
            // face, the dexter one.
            case TurnWord::kAddorsed: t.mirror = t.mirror != (m == 1); break;
            case TurnWord::kFacing: t.mirror = t.mirror != (m == 0); break;
            case TurnWord::kReversed: t.flip = !t.flip; break;
            case TurnWord::kToSinister: t.mirror = !t.mirror; break;
            case TurnWord::kNone:
            case TurnWord::kAsTheyStand: break;
        }
    }
    for (int i = 0; i < words; ++i) Use(s, k + i);
    s.cursor += words;
    return true;
}

bool IsPartWord(const DrawingState& s, int k) {
    for (const char* part : {"blades", "heads", "wards", "bits", "edges", "backs", "faces"})
        if (Is(s, k, part)) return true;
    return false;
}

// "two axes, the blades outward": a pair whose parts turn out is back to back (addorsed), one
// whose parts turn in is face to face; said of a pair already so, the words say it again.
bool ReadPairParts(DrawingState& s, int k) {
    int i = k;
    if (Is(s, i, "the") || Is(s, i, "their")) ++i;
    if (!IsPartWord(s, i)) return false;
    ++i;
    const bool outward = Is(s, i, "outward") || Is(s, i, "outwards");
    const bool inward = Is(s, i, "inward") || Is(s, i, "inwards");
    if (!outward && !inward) return false;
    LevelRecord& level = Current(s);
    if (!kinds::NamesACharge(level.levelKind) || level.levelKind == kTypeRoundel || level.levelCount != 2 ||
        s.rowsDrawn)
        return false;
    const int line = outward ? kPairSecondTurned : kPairFirstTurned;
    const bool turnedAlready = level.levelLine == kPairFirstTurned || level.levelLine == kPairSecondTurned;
    if (turnedAlready && level.levelLine != line) return false;  // "addorsed, the blades inward"
    if (!turnedAlready && level.levelLine != -1) return false;
    level.levelLine = line;
    for (int w = k; w <= i; ++w) Use(s, w);
    s.cursor += i - k + 1;
    return true;
}

}  // namespace

bool MemberTurnsRule(DrawingState& s) { return ReadMemberTurns(s, 0) || ReadPairParts(s, 0); }

void MemberTurnsAfterTincture(DrawingState& s) {
    if (!ReadMemberTurns(s, 1)) ReadPairParts(s, 1);
}

}  // namespace esc
