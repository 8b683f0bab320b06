#include <cstdio>

#include "engine/Allocator.h"
#include "shell/cli/CommandLine.h"
#ifdef ESCAVAL_HAVE_WINDOW
#include "shell/qt/RunWindow.h"
#endif

// With arguments the program runs a command of the command line; without, it opens its window.
int main(int argc, char** argv) {
    esc::KeepFreedMemoryForReuse();
    if (esc::IsCommandLine(argc, argv)) return esc::RunCommandLine(argc, argv);
#ifdef ESCAVAL_HAVE_WINDOW
    return esc::qt::RunWindow(argc, argv);
#else
    return esc::RunCommandLine(argc, argv);
#endif
}
