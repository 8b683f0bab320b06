#pragma once
// `escaval achievement`: the achievement of a blazon, composed as the window shows it.

#include <string>
#include <vector>

namespace esc {

// Draws the blazon, composes its achievement and writes the capture to the output file. Returns
// the exit status: 0 written, 1 a file could not be read or written, 2 a usage error.
int AchievementCommand(const std::vector<std::string>& args, const char* argv0);

}  // namespace esc
