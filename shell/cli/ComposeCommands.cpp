#include "shell/cli/ComposeCommands.h"

#include "shell/cli/AchievementCommand.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/RollCommand.h"
#include "shell/cli/SaveCommands.h"

namespace esc {

int RunComposeCommand(const std::string& command, const std::vector<std::string>& args, const char* argv0) {
    if (command == "achievement") return AchievementCommand(args, argv0);
    if (command == "save") return SaveCommand(args, argv0);
    if (command == "print") return PrintCommand(args, argv0);
    if (command == "roll") return RollCommand(args, argv0);
    return kExitUsage;
}

}  // namespace esc
