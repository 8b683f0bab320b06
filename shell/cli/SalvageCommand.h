#pragma once
// `escaval salvage`: what can still be read from a damaged blazon database, into a new one.

#include <string>
#include <vector>

namespace esc {

inline constexpr const char* kSalvageDefaultOutput = "salvaged.db";

int SalvageCommand(const std::vector<std::string>& args);

}  // namespace esc
