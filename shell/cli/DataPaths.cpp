#include "shell/cli/DataPaths.h"

#include <filesystem>
#include <system_error>

namespace esc {
namespace fs = std::filesystem;

std::string ExecutableDir(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty()) self = fs::absolute(argv0 ? argv0 : ".", ec);
    return self.parent_path().string();
}

std::string FindDataDir(const std::string& override, const char* argv0) {
    if (!override.empty()) return override;
    const fs::path exe = ExecutableDir(argv0);
    for (const fs::path& candidate : {exe / "data", exe / ".." / "share" / "escaval"}) {
        std::error_code ec;
        if (fs::exists(candidate / "words1.db", ec)) return candidate.lexically_normal().string();
    }
    return {};
}

}  // namespace esc
