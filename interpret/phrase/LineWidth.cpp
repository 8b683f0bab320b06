#include "interpret/phrase/LineWidth.h"

#include <algorithm>
#include <string_view>

#include "interpret/phrase/DrawingState.h"
#include "interpret/phrase/PhraseRules.h"
#include "interpret/read/TextOps.h"
#include "interpret/read/Vocabulary.h"

namespace esc {
namespace {


bool StartsWith(std::string_view word, std::string_view prefix) {
    return word.size() >= prefix.size() && EqualsIgnoringCase(word.substr(0, prefix.size()), prefix);
}

// Whether the line word at i belongs to something that reads its own count after the line.
bool CountBelongsElsewhere(const DrawingState& s, int i) {
    if (i == 0) return false;
    // "barry wavy of six", "paly nebuly of eight": a partition into pieces.
    if (s.Type(i - 1) == kTypeOrdinary && (WordIs(s, i - 1, "barry") || WordIs(s, i - 1, "paly") ||
                                           WordIs(s, i - 1, "bendy") || WordIs(s, i - 1, "burelly") ||
                                           WordIs(s, i - 1, "chevronny")))
        return true;
    // "cotised potenty of thirteen".
    return StartsWith(s.Word(i - 1), "cotis") || StartsWith(s.Word(i - 1), "cottis");
}

void RemoveWords(DrawingState& s, int first, int count) {
    for (int k = first; k + count < s.wordCount; ++k) {
        const auto to = static_cast<std::size_t>(k), from = static_cast<std::size_t>(k + count);
        s.words[to] = s.words[from];
        s.wordType[to] = s.wordType[from];
        s.wordSub1[to] = s.wordSub1[from];
        s.wordSub2[to] = s.wordSub2[from];
    }
    for (int k = s.wordCount - count; k < s.wordCount; ++k) {
        const auto at = static_cast<std::size_t>(k);
        s.words[at].Clear();
        s.wordType[at] = kTypeNotFound;
        s.wordSub1[at] = 0;
        s.wordSub2[at] = 0;
    }
    s.wordCount -= count;
}

}  // namespace

void ReadLineWidths(DrawingState& s) {
    for (int i = 0; i < s.wordCount; ++i) {
        if (s.Type(i) != kTypeLine || CountBelongsElsewhere(s, i)) continue;
        int at = i + 1;
        const bool linked = WordIs(s, at, "of") || WordIs(s, at, "with");
        if (linked) ++at;
        if (s.Type(at) != kTypeNumber || s.Sub1(at) < 1) continue;
        // A bare number after a line starts the next phrase unless a tincture, a line or a word
        // for the teeth follows it ("a chief indented three mullets": three mullets).
        const bool teeth = WordIs(s, at + 1, "points") || WordIs(s, at + 1, "pieces") || WordIs(s, at + 1, "teeth");
        if (!linked && !teeth && s.Type(at + 1) != kTypeTincture && s.Type(at + 1) != kTypeLine) continue;
        // "of three points downward" and the like say more than a width: left to be read past.
        s.wordSub2[static_cast<std::size_t>(i)] = s.Sub1(at);
        RemoveWords(s, i + 1, at - i + (teeth ? 1 : 0));
    }
}

}  // namespace esc
