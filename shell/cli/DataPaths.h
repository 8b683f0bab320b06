#pragma once
// Where the program finds the data it reads beside itself.

#include <string>

namespace esc {

// The data folder: `override` when given, else "data" beside the executable, else the installed
// share folder. Empty when none holds the vocabulary table.
std::string FindDataDir(const std::string& override, const char* argv0);
std::string ExecutableDir(const char* argv0);

}  // namespace esc
