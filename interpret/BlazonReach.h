#pragma once
// How much of a typed blazon a drawing reads. Single arms longer than the blazon buffer are read
// in pieces cut at their clauses, up to kMaxBlazonPieces of them; a marshalled text is read whole
// up to kMaxMarshalledChars. The command line draws the start of a text past its bound and says
// so; the window refuses such a text before it is drawn, built or marshalled.

#include <cstddef>
#include <string>
#include <string_view>

namespace esc {

enum class BlazonReach { Whole, PastThePieces, PastTheMarshalledText };

struct BlazonBound {
    BlazonReach reach = BlazonReach::Whole;
    std::size_t maxChars = 0;  // the most characters a text of its kind can hold and be read whole
};

[[nodiscard]] BlazonBound BoundOf(std::string_view blazon);

// Whether DrawBlazon reads only the start of `blazon`.
[[nodiscard]] inline bool IsCutToBlazonBuffer(std::string_view blazon) { return BoundOf(blazon).reach != BlazonReach::Whole; }

// What the user is told of a text past its bound (empty for one read whole).
enum class PastTheBound { DrawnFromItsStart, Refused };
[[nodiscard]] std::string PastTheBoundMessage(std::string_view blazon, PastTheBound what);

}  // namespace esc
