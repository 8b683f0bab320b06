#include "shell/cli/SalvageCommand.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "database/Salvage.h"
#include "shell/cli/CommandLine.h"
#include "shell/cli/CommandTable.h"

namespace esc {

int SalvageCommand(const std::vector<std::string>& args) {
    const CommandSpec& command = CommandNamed("salvage");
    const ParseResult parsed = ParseOptions(command, args);
    if (parsed.exitStatus) return *parsed.exitStatus;
    const std::string output = parsed.options.Value("--output", kSalvageDefaultOutput);
    if (parsed.options.operands.empty()) return CommandUsageError(command, "no database file given");
    const std::string& file = parsed.options.operands.front();

    // Only a regular file is read: a pipe or a device could hang the reading.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        std::fprintf(stderr, "escaval: cannot read '%s': %s\n", file.c_str(),
                     std::filesystem::exists(file, ec) ? "it is not a regular file" : "no such file");
        return kExitFile;
    }
    if (std::filesystem::exists(output, ec) || std::filesystem::is_symlink(output, ec)) {
        std::fprintf(stderr, "escaval: '%s' exists already; name a new file with -o\n", output.c_str());
        return kExitFile;
    }
    const std::vector<db::SalvagedRow> rows = db::SalvageBlazonRows(file);
    if (rows.empty()) {
        std::fprintf(stderr, "escaval: no entry could be read from '%s'; it is left as it is\n", file.c_str());
        return kExitFile;
    }
    std::string error;
    switch (db::WriteSalvagedDatabase(output, rows, &error)) {
        case db::InstallResult::Installed: break;
        case db::InstallResult::TargetExists:
            std::fprintf(stderr, "escaval: '%s' exists already; name a new file with -o\n", output.c_str());
            return kExitFile;
        case db::InstallResult::Failed:
            std::fprintf(stderr, "escaval: cannot write '%s': %s\n", output.c_str(), error.c_str());
            return kExitFile;
    }
    const int own = db::CountOwnRows(rows);
    std::printf("%zu %s read from '%s' (%d of your own) and written to '%s'; '%s' is left as it is\n", rows.size(),
                rows.size() == 1 ? "entry" : "entries", file.c_str(), own, output.c_str(), file.c_str());
    return kExitWritten;
}

}  // namespace esc
