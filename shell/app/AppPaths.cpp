#include "shell/app/AppPaths.h"

#include <cstdlib>

namespace esc::app {

std::string AppPaths::Join(const std::string& dir, std::string_view name) {
    if (dir.empty()) return std::string(name);
    return dir + (dir.back() == '/' ? "" : "/") + std::string(name);
}

std::string XdgBaseFolder(const char* variable, const char* fallbackUnderHome) {
    // The rules ignore a relative path in the variable.
    if (const char* value = std::getenv(variable); value && value[0] == '/') return value;
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') return std::string(home) + "/" + fallbackUnderHome;
    return std::string("/tmp/") + fallbackUnderHome;
}

AppPaths AppPaths::ForUser(std::string dataDir) {
    AppPaths paths;
    paths.dataDir = std::move(dataDir);
    paths.userDataDir = XdgBaseFolder("XDG_DATA_HOME", ".local/share") + "/escaval";
    paths.cacheDir = XdgBaseFolder("XDG_CACHE_HOME", ".cache") + "/escaval";
    return paths;
}

}  // namespace esc::app
