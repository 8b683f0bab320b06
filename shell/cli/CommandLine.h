#pragma once

namespace esc {

// Runs a command of the command line ("draw", "coverage", ...). Returns the exit status.
int RunCommandLine(int argc, char** argv);
// Whether the arguments name a command of the command line rather than the window.
bool IsCommandLine(int argc, char** argv);

}  // namespace esc
