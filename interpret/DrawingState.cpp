#include "interpret/DrawingState.h"

namespace esc {
namespace {
bool InSlots(int i) { return i >= 0 && i < kMaxWords + kLookAheadSlots; }
}  // namespace

std::string_view DrawingState::Word(int i) const { return InSlots(i) ? words[static_cast<std::size_t>(i)].view() : std::string_view{}; }
int DrawingState::Type(int i) const { return InSlots(i) ? wordType[static_cast<std::size_t>(i)] : -1; }
int DrawingState::Sub1(int i) const { return InSlots(i) ? wordSub1[static_cast<std::size_t>(i)] : 0; }
int DrawingState::Sub2(int i) const { return InSlots(i) ? wordSub2[static_cast<std::size_t>(i)] : 0; }

}  // namespace esc
