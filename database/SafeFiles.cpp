#include "database/SafeFiles.h"

#include "database/ErrorText.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

namespace esc::db {
namespace {

constexpr auto kLockPollInterval = std::chrono::milliseconds(10);
constexpr const char* kTemporaryInfix = ".tmp-";

// Makes a rename or link durable: the folder's entry is written, not only the file.
void SyncFolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

std::optional<std::string> MakeTemporaryBeside(const std::string& target, std::string* error) {
    std::string name = target + kTemporaryInfix + "XXXXXX";
    std::vector<char> buffer(name.begin(), name.end());
    buffer.push_back('\0');
    const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
    if (fd < 0) {
        SetError(error, "Cannot make a file beside '" + target + "': " + std::strerror(errno));
        return std::nullopt;
    }
    ::close(fd);
    return std::string(buffer.data());
}

int RemoveLeftoverTemporaries(const std::string& target, std::chrono::system_clock::time_point startedAt) {
    namespace fs = std::filesystem;
    const fs::path path(target);
    const std::string prefix = path.filename().string() + kTemporaryInfix;
    const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    std::error_code ec;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().filename().string().rfind(prefix, 0) != 0) continue;
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        using Clock = std::chrono::system_clock;
        const auto changed = std::chrono::seconds(st.st_ctim.tv_sec) + std::chrono::nanoseconds(st.st_ctim.tv_nsec);
        if (Clock::time_point(std::chrono::duration_cast<Clock::duration>(changed)) < startedAt) leftovers.push_back(it->path());
    }
    int removed = 0;
    for (const fs::path& leftover : leftovers) removed += fs::remove(leftover, ec) ? 1 : 0;
    return removed;
}

InstallResult InstallWithoutReplacing(const std::string& temporary, const std::string& target, std::string* error) {
    // A hard link fails when the name is taken, so of two processes exactly one wins.
    if (::link(temporary.c_str(), target.c_str()) == 0) {
        ::unlink(temporary.c_str());
        SyncFolderOf(target);
        return InstallResult::Installed;
    }
    int err = errno;
    if (err != EEXIST) {
        // A file system without hard links: a rename that refuses to replace does the same.
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            SyncFolderOf(target);
            return InstallResult::Installed;
        }
        err = errno;
    }
    ::unlink(temporary.c_str());
    if (err == EEXIST) return InstallResult::TargetExists;
    SetError(error, "Cannot put '" + target + "' in place: " + std::strerror(err));
    return InstallResult::Failed;
}

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds wait) {
    fd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) return;
        if (std::chrono::steady_clock::now() >= deadline) return;
        std::this_thread::sleep_for(kLockPollInterval);
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino)};
}

}  // namespace esc::db
