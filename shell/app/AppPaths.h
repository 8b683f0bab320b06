#pragma once
// Where the window finds what it reads and where it writes. The program never writes into the
// folder it was installed in: the user's blazon database lives in the user's data folder and
// working bitmaps such as "screen.bmp" in the user's cache folder.

#include <string>
#include <string_view>

namespace esc::app {

struct AppPaths {
    std::string dataDir;      // shipped files: words1.db, escaval1.db, lpics/, bitmaps, readme.rtf
    std::string userDataDir;  // the user's own blazon database
    std::string cacheDir;     // working bitmaps

    std::string DataFile(std::string_view name) const { return Join(dataDir, name); }
    std::string UserFile(std::string_view name) const { return Join(userDataDir, name); }
    std::string CacheFile(std::string_view name) const { return Join(cacheDir, name); }

    // The folders of the XDG base directory rules: $XDG_DATA_HOME/escaval (default
    // ~/.local/share/escaval) and $XDG_CACHE_HOME/escaval (default ~/.cache/escaval).
    static AppPaths ForUser(std::string dataDir);

private:
    static std::string Join(const std::string& dir, std::string_view name);
};

// $variable when it is set to an absolute path, else $HOME/fallback; "/tmp/<fallback>" when
// neither is usable.
std::string XdgBaseFolder(const char* variable, const char* fallbackUnderHome);

}  // namespace esc::app
