#include "shell/cli/StandardStreams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "shell/cli/CommandLine.h"

namespace esc {

int FinishStandardStreams(int status) {
    errno = 0;
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (!flushed || std::ferror(stdout) != 0) {
        // A failure earlier than this flush has no cause kept: the line then names the stream only.
        if (error != 0)
            std::fprintf(stderr, "escaval: write error on standard output: %s\n", std::strerror(error));
        else
            std::fputs("escaval: write error on standard output\n", stderr);
        std::fflush(stderr);
        return kExitFile;
    }
    if (std::fflush(stderr) != 0 || std::ferror(stderr) != 0) return kExitFile;
    return status;
}

}  // namespace esc
