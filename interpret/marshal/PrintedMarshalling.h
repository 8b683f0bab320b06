#pragma once
// Marshalled arms as armorials print them, read into the two forms the marshalling reader takes
// ("Quarterly 1&4: A 2&3: B", "A impaling: B"):
//
//   Quarterly: 1st and 4th, A; 2nd and 3rd, B          Quarterly 1&4: A 2&3: B
//   Quarterly, 1 & 4 A, 2 & 3 B                        Quarterly 1&4: A 2&3: B
//   Quarterly 1 and 4 A, 2 B, 3 C                      Quarterly 1&4: A 2: B 3: C
//   Quarterly of four: 1st, A; 2nd, B; 3rd, C; 4th, D  Quarterly 1: A 2: B 3: C 4: D
//   First and fourth quarters A; second and third B    Quarterly 1&4: A 2&3: B
//   A, impaling, B      A impaled with B               A impaling: B
//   Per pale baron and femme, A; B                     A impaling: B
//   A, quartering B                                    Quarterly 1&4: A 2&3: B
//
// A label is read only where a part begins: after "Quarterly" or after a comma, semicolon, full
// stop, colon or closing parenthesis, so that "of the first" inside a part stays what it is.

#include <optional>
#include <string>
#include <string_view>

namespace esc {

// The text in the reader's form, or nothing when it is not a printed marshalled text (a text
// already in the reader's form is left to the reader as it is).
std::optional<std::string> ReadPrintedMarshalling(std::string_view text);

}  // namespace esc
