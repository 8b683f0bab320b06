#include "engine/Allocator.h"
#include "shell/qt/RunWindow.h"

// The program's window. `escaval` started with no command replaces itself with this program.
int main(int argc, char** argv) {
    esc::KeepFreedMemoryForReuse();
    return esc::qt::RunWindow(argc, argv);
}
