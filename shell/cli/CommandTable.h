#pragma once
// Every command of the command line with its options: the one table that parses the arguments,
// writes the usage and each command's --help, and the bash completion.

#include <span>
#include <string>
#include <string_view>

#include "shell/cli/OptionParser.h"

namespace esc {

std::span<const CommandSpec> Commands();
// The command named `name`; every caller names one of the table's.
const CommandSpec& CommandNamed(std::string_view name);
// The program's usage: each command's synopsis and description.
std::string ProgramUsage();
// The bash completion script of `escaval`.
std::string ProgramCompletion();

}  // namespace esc
