#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/Allocator.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/ComposeCommands.h"
#include "shell/cli/DataPaths.h"
#include "shell/cli/StandardStreams.h"

namespace {

// The window and the commands that compose with text are programs of their own, installed beside
// this one, so that the drawing commands load no window or text library: their start-up stays a
// few milliseconds.
constexpr const char* kWindowProgram = "escaval-window";

// Replaces this process with `program` from this program's folder, passing the arguments on.
// Returns only when it could not be started.
int RunBeside(const char* program, const char* what, int argc, char** argv) {
    const std::string path = esc::ExecutableDir(argc > 0 ? argv[0] : nullptr) + "/" + program;
    std::vector<char*> args(argv, argv + argc);
    if (args.empty()) args.push_back(nullptr);
    args[0] = const_cast<char*>(path.c_str());
    args.push_back(nullptr);
    ::execv(path.c_str(), args.data());
    const int error = errno;
    if (error == ENOENT)
        std::fprintf(stderr, "escaval: the program '%s' that runs %s is missing (this build does not have it); the "
                     "drawing commands work:\n", path.c_str(), what);
    else
        std::fprintf(stderr, "escaval: cannot start '%s' (%s): %s\n", path.c_str(), what, std::strerror(error));
    esc::PrintUsage(stderr);
    return 1;
}

}  // namespace

// With a command the program runs it; without, it opens its window.
int main(int argc, char** argv) {
    esc::KeepFreedMemoryForReuse();
    if (!esc::IsCommandLine(argc, argv)) return RunBeside(kWindowProgram, "the window (it needs Qt 6)", argc, argv);
    if (esc::IsComposeCommand(argv[1])) {
        const std::string what = std::string("'") + argv[1] + "'";
        return RunBeside(esc::kComposeProgram, what.c_str(), argc, argv);
    }
    // Into a file or a pipe, the usage and help texts are held whole until the last flush, so
    // that a failed write is found there with its cause (the system's own buffer, 4096 bytes,
    // is shorter than the usage, and a write failed before that flush leaves no cause). The
    // buffer is the C library's for the life of the process, not the program's state.
    static char standardOutputBuffer[1 << 16];
    if (!isatty(STDOUT_FILENO)) std::setvbuf(stdout, standardOutputBuffer, _IOFBF, sizeof standardOutputBuffer);
    return esc::FinishStandardStreams(esc::RunCommandLine(argc, argv));
}
