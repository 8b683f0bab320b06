#pragma once

namespace esc::qt {

// Opens the main window and runs until it closes. Returns the exit status.
int RunWindow(int argc, char** argv);

}  // namespace esc::qt
