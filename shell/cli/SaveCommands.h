#pragma once
// `escaval save` and `escaval print`: the file the save dialog writes and the page the print
// handler prints, composed off-screen by the same code as the window.

#include <string>
#include <vector>

namespace esc {

// Draws the blazon and saves it in a layout under the name the save dialog would choose, in the
// folder given (default the current one); prints the path written. Exit status: 0 written, 1 a
// file could not be read or written (or all hundred names are taken), 2 a usage error.
int SaveCommand(const std::vector<std::string>& args, const char* argv0);

// Draws the blazon and writes the printed page, A4 at 300 dpi, as a one-page PDF file.
int PrintCommand(const std::vector<std::string>& args, const char* argv0);

}  // namespace esc
