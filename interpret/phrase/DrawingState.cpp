#include "interpret/phrase/DrawingState.h"

namespace esc {
namespace {
bool InSlots(int i) { return i >= 0 && i < kMaxWords + kLookAheadSlots; }
}  // namespace

std::string_view WordsRead::Word(int i) const { return InSlots(i) ? words[static_cast<std::size_t>(i)].view() : std::string_view{}; }
int WordsRead::Type(int i) const { return InSlots(i) ? wordType[static_cast<std::size_t>(i)] : -1; }
int WordsRead::Sub1(int i) const { return InSlots(i) ? wordSub1[static_cast<std::size_t>(i)] : 0; }
int WordsRead::Sub2(int i) const { return InSlots(i) ? wordSub2[static_cast<std::size_t>(i)] : 0; }


void WordsRead::UseWord(int i) {
    if (i >= 0 && i < wordCount) wordPending[static_cast<std::size_t>(i)] = true;
}

void WordsRead::UseWordNow(int i) {
    if (i >= 0 && i < wordCount) wordUsed[static_cast<std::size_t>(i)] = true;
}

void WordsRead::CommitUsedWords() {
    for (std::size_t i = 0; i < wordUsed.size(); ++i) wordUsed[i] = wordUsed[i] || wordPending[i];
    wordPending.fill(false);
}

void WordsRead::ForgetUsedWords() {
    wordUsed.fill(false);
    wordPending.fill(false);
}

}  // namespace esc
