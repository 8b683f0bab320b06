#include "engine/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <system_error>

namespace esc {
namespace {

// How many unique names are tried before giving up; each clash means another writer picked the
// same random name at the same moment.
constexpr int kTemporaryNameTries = 16;

std::string ErrnoText(int error) { return std::generic_category().message(error); }

// A link is followed, so that writing through it replaces the file it points to rather than the
// link itself.
std::string ResolvedTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string resolved(real);
            std::free(real);
            return resolved;
        }
    }
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A hidden name beside the target that no other writer is given: the open refuses a name that
// exists, and a clash draws another.
int CreateTemporary(const std::string& folder, const std::string& name, std::string& temporary, int& error) {
    // Seeded from the clock and the process, which cannot fail as a system entropy source can.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::mt19937 draw(static_cast<std::uint32_t>(now) ^ (static_cast<std::uint32_t>(::getpid()) << 16));
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(draw()));
        temporary = folder + "/." + name + ".tmp-" + suffix;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        error = errno;
        if (error != EEXIST) break;
    }
    temporary.clear();
    return -1;
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes, int& error) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The rename is only durable once the folder's entry is on the disk too. A folder that cannot be
// flushed (some file systems refuse) leaves the new file in place all the same.
void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

}  // namespace

WriteResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, Flush flush) {
    if (path.empty()) return {"no file name"};
    const std::string target = ResolvedTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // A folder or a device cannot be replaced by a file: renaming over /dev/null would remove it.
    if (exists && S_ISDIR(existing.st_mode)) return {"it is a folder"};
    if (exists && !S_ISREG(existing.st_mode)) return {"it is not a regular file"};
    // Renaming would replace a file its owner made read-only; a plain write would be refused.
    if (exists && ::access(target.c_str(), W_OK) != 0) return {ErrnoText(errno)};

    const std::string folder = FolderOf(target);
    std::string temporary;
    int error = 0;
    const int fd = CreateTemporary(folder, NameOf(target), temporary, error);
    if (fd < 0) return {ErrnoText(error)};

    auto fail = [&](int why, bool open) -> WriteResult {
        if (open) ::close(fd);
        ::unlink(temporary.c_str());
        return {ErrnoText(why)};
    };
    // The new file keeps the permissions of the one it replaces; a new one gets the usual ones
    // under the user's umask, which the open applied.
    if (exists && ::fchmod(fd, existing.st_mode & 07777) != 0) return fail(errno, true);
    if (!WriteAll(fd, bytes, error)) return fail(error, true);
    if (flush == Flush::kToDisk && ::fsync(fd) != 0) return fail(errno, true);
    if (::close(fd) != 0) return fail(errno, false);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno, false);
    if (flush == Flush::kToDisk) FlushFolder(folder);
    return {};
}

}  // namespace esc
