#pragma once
// The saltire nowy: the saltire ordinary with a round boss at its crossing. The reader marks it
// by the level's variant; the saltire's shape draws the boss.

#include <string_view>

namespace esc {

inline constexpr std::string_view kNowyVariant = "no";

}  // namespace esc
