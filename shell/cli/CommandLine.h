#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "engine/MessageSink.h"
#include "shell/cli/TerminalText.h"

namespace esc {

// Exit statuses of every command: written, a file could not be read or written, a usage error,
// and (with --strict) written but not drawn clean.
inline constexpr int kExitWritten = 0, kExitFile = 1, kExitUsage = 2, kExitNotClean = 3;

// The drawing's messages, one a line on stderr.
class StderrSink final : public MessageSink {
public:
    // A message may quote the user's text: its control bytes are shown escaped.
    void Show(std::string_view text) override {
        const std::string shown = ForTerminal(text, LineBreaks::Escaped);
        std::fprintf(stderr, "%s\n", shown.c_str());
    }
};

// Runs a command of the command line ("draw", "coverage", ...). Returns the exit status.
int RunCommandLine(int argc, char** argv);
// Whether the arguments name a command of the command line rather than the window.
bool IsCommandLine(int argc, char** argv);
// Prints the usage of every command.
void PrintUsage(std::FILE* to);
// A usage error: the problem, then the usage, on stderr. Returns kExitUsage.
int UsageError(const std::string& problem);

}  // namespace esc
