#pragma once

#include <cstdio>

namespace esc {

// Runs a command of the command line ("draw", "coverage", ...). Returns the exit status.
int RunCommandLine(int argc, char** argv);
// Whether the arguments name a command of the command line rather than the window.
bool IsCommandLine(int argc, char** argv);
// Prints the usage of every command.
void PrintUsage(std::FILE* to);

}  // namespace esc
