#pragma once
// The cross patée throughout: its arms widen from the crossing to the edges of the field. Alone
// the cross patée is a picture that stops short of the edges; throughout, the reader makes it the
// cross ordinary with the patée variant, and the cross's shape draws the widening arms.

#include <string_view>

namespace esc {

// The variant the reader keeps for the cross patée (the digit of "patée" among the cross words).
inline constexpr std::string_view kPateeVariant = "2";

}  // namespace esc
