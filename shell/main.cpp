#include "shell/cli/CommandLine.h"

int main(int argc, char** argv) { return esc::RunCommandLine(argc, argv); }
