#pragma once
// Making a file appear whole and only once, when two copies of the program may start together:
// each writes its own temporary file beside the target and puts it in place without replacing
// what the other one may have put there first.

#include <chrono>
#include <optional>
#include <string>

namespace esc::db {

// A temporary file made beside `target` under a name no other process can be given
// ("escaval1.db.tmp-XXXXXX"); empty file, closed. nullopt with `error` when it cannot be made.
std::optional<std::string> MakeTemporaryBeside(const std::string& target, std::string* error);

// Removes the temporary files of `target` (and their journals) last changed before `startedAt`:
// what a process killed while making `target` left behind. The caller holds the folder's lock,
// under which every copy of the program makes its temporary files, so none of them is in use.
// Returns how many files were removed.
int RemoveLeftoverTemporaries(const std::string& target, std::chrono::system_clock::time_point startedAt);

enum class InstallResult {
    Installed,      // `temporary` is now `target`
    TargetExists,   // another process made `target` first; `temporary` is removed
    Failed,         // `error` says why; `temporary` is removed
};

// Puts `temporary` in place as `target` unless `target` exists already. Never replaces a file.
[[nodiscard]] InstallResult InstallWithoutReplacing(const std::string& temporary, const std::string& target,
                                                    std::string* error);

// An advisory lock on a folder, so that the start-ups of two copies of the program do not both
// set a file aside or both make one. Held until destroyed. Waiting gives up at the deadline; the
// callers are safe without the lock, only less tidy.
class FolderLock {
public:
    FolderLock(const std::string& folder, std::chrono::milliseconds wait);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool Held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// The identity of a file (device and inode), to tell whether a path still names the file that
// was examined; nullopt when there is no file.
struct FileIdentity {
    unsigned long long device = 0, inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOf(const std::string& path);

}  // namespace esc::db
