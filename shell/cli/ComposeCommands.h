#pragma once
// The commands that compose pages and pictures with text (cairo, fontconfig). They run in a
// program of their own, escaval-compose, so that the drawing commands load none of those
// libraries: `escaval` hands these commands to it.

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace esc {

inline constexpr const char* kComposeProgram = "escaval-compose";
inline constexpr std::string_view kComposeCommands[] = {"achievement", "save", "print", "roll"};

inline bool IsComposeCommand(std::string_view command) {
    return std::find(std::begin(kComposeCommands), std::end(kComposeCommands), command) != std::end(kComposeCommands);
}

// Runs one of kComposeCommands. Returns the exit status.
int RunComposeCommand(const std::string& command, const std::vector<std::string>& args, const char* argv0);

}  // namespace esc
