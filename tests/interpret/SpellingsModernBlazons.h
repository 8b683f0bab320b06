#pragma once
// The blazons in the program's words that the spellings test turns into printed spellings by a
// swap (tests/interpret/SpellingsModernBlazons.cpp).

#include <string>
#include <vector>

namespace esc::test {

const std::vector<std::string>& SpellingsModernBlazons();

}  // namespace esc::test
