#include <csignal>
#include <string>
#include <vector>

#include "engine/Allocator.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/ComposeCommands.h"
#include "shell/cli/StandardStreams.h"

// The commands that compose with text and pages. `escaval` hands them here; any other command is
// run as `escaval` runs it.
int main(int argc, char** argv) {
    esc::KeepFreedMemoryForReuse();
    if (argc < 2 || !esc::IsComposeCommand(argv[1])) return esc::FinishStandardStreams(esc::RunCommandLine(argc, argv));
    // Past a file size limit a write fails with an error the writer reports, as in `escaval`.
    std::signal(SIGXFSZ, SIG_IGN);
    return esc::FinishStandardStreams(
        esc::RunComposeCommand(argv[1], std::vector<std::string>(argv + 2, argv + argc), argv[0]));
}
