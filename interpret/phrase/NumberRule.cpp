// The number rule of the phrase interpreter: a count, "as many", rows of charges ("three, two and
// one") and the attitude words after a charge's name.

#include <array>

#include "interpret/layout/Layouts.h"
#include "interpret/phrase/ChargeWordRules.h"
#include "interpret/phrase/PhraseInterpreter.h"
#include "interpret/phrase/PhraseRules.h"

#include "interpret/phrase/Qualifiers.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc::phrase {
namespace {

// "as many": the count of the nearest earlier level with more than one charge, else the pieces
// of the field. With neither, one charge: the phrase names at least one.
int AsManyCount(DrawingState& s) {
    for (int i = s.level - 1; i >= 0; --i) {
        const int count = Level(s, i).levelCount;
        if (count > 1) return count;
    }
    return s.fieldPieces > 1 ? s.fieldPieces : 1;
}

}  // namespace

bool ReadAttitudes(DrawingState& s) {
    LevelRecord& level = Current(s);
    bool any = false;
    auto belongs = [&](int i) {
        return IsQualifier(s, i) || (s.Type(i) == kTypeAttitude && s.Sub1(i) == s.attitudeOwner) ||
               GuardantWithoutForm(s, i);
    };
    for (;;) {
        int next = s.cursor + 1;
        if (any && Is(s, 1, "and") && belongs(s.cursor + 2)) next = s.cursor + 2;
        if (!belongs(next)) break;
        if (GuardantWithoutForm(s, next)) {
            // A beast's word after a bird: its digit would pick another of the bird's attitudes.
            ReadNearestAttitude(s, next, true);
        } else if (IsQualifier(s, next)) {
            if (ApplyQualifier(s, next)) next += WordsOfTheCut(s, next);
            else if (!ReadNearestAttitude(s, next, any)) break;  // no picture for it: left unread
        } else if (AttitudeDrawn(s, next)) {
            AppendDigits(level.levelVariant, s.Sub2(next));
        } else if (!ReadNearestAttitude(s, next, any)) {
            break;  // no picture in that attitude nor a near one: left unread
        }
        for (int k = s.cursor + 1; k <= next; ++k) s.UseWord(k);
        s.cursor = next;
        any = true;
    }
    return any;
}

// "six mullets three two and one": the row counts run from W0 over the numbers up to "and" and
// the number after it. A word that is not a number ends the run, so a later phrase's number is
// never taken for a row.
void ReadRows(DrawingState& s) {
    std::array<int, kMaxWords> rows{};
    std::size_t n = 0;
    int i = s.cursor, last = s.cursor;
    for (; i < s.wordCount && s.Type(i) == kTypeNumber && n < rows.size(); ++i) {
        rows[n++] = s.Sub1(i);
        last = i;
    }
    if (EqualsIgnoringCase(s.Word(i), "and") && s.Type(i + 1) == kTypeNumber && n < rows.size()) {
        rows[n++] = s.Sub1(i + 1);
        last = i + 1;
    }
    for (int k = s.cursor; k <= last; ++k) s.UseWord(k);
    // Drawn now, before the level completes: the turn its words gave ("three swords bendwise sable
    // two and one") is given now, and taken back once the rows are drawn.
    const bool turned = TurnLevel(s);
    RowLayout(s, std::span<const int>(rows.data(), n));
    if (turned) s.bendwiseFlag = s.bendwiseSinisterFlag = s.fesswiseFlag = false;
    s.CommitUsedWords();  // drawn now, whether or not the level is ever completed
    s.rowsDrawn = true;
    s.cursor = last + 1;
}


bool BeginsAChargeName(const DrawingState& s, int k) { return BeginsAChargeNameAt(s, s.cursor + k); }

void NumberRule(DrawingState& s) {
    LevelRecord& level = Current(s);
    if (level.levelCount == 0) {
        if (Is(s, 0, "as") && Is(s, 1, "many")) {
            level.levelCount = AsManyCount(s);
            Use(s, 0);
            Use(s, 1);
            s.cursor += 2;
        } else {
            level.levelCount = S1(s, 0);
            Use(s, 0);
            ++s.cursor;
        }
        return;
    }
    if (T(s, 1) != kTypeNumber) {
        CloseBeforeNewPhrase(s);
        return;
    }
    FindTincture(s);
    ReadRows(s);
    if (T(s, 0) == kTypeTincture) s.UseWordNow(s.cursor);
    ++s.cursor;  // the tincture after the rows, already taken
}

}  // namespace esc::phrase
