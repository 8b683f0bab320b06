#include "engine/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

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

constexpr const char* kTemporaryInfix = ".tmp-";
constexpr std::size_t kTemporarySuffixDigits = 8;

// Draws the random part of temporary names. Seeded from the clock and the process, which cannot
// fail as a system entropy source can.
class NameDraw {
public:
    NameDraw() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
        draw_.seed(static_cast<std::uint32_t>(now) ^ (static_cast<std::uint32_t>(::getpid()) << 16));
    }
    // A hidden name beside the target: ".NAME.tmp-XXXXXXXX".
    std::string Next(const std::string& folder, const std::string& name) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%08x", static_cast<unsigned>(draw_()));
        return folder + "/." + name + kTemporaryInfix + suffix;
    }

private:
    std::mt19937 draw_;
};

// A named temporary file that no other writer is given: the open refuses a name that exists,
// and a clash draws another.
int CreateTemporary(const std::string& folder, const std::string& name, NameDraw& names, std::string& temporary, int& error) {
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        temporary = names.Next(folder, name);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        error = errno;
        if (error != EEXIST) break;
    }
    temporary.clear();
    return -1;
}

// Gives the unnamed file `fd` the name `name`; false with `error` when it cannot be given one.
bool LinkUnnamed(int fd, const std::string& name, int& error) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return true;
    error = errno;
    return false;
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


// What is known of the target before the write.
struct Target {
    std::string path, folder, name;
    bool exists = false;
    mode_t mode = 0;
};

// Fills the file `fd` with `bytes`: the permissions of the file it replaces, the bytes, the flush.
bool Fill(int fd, const Target& target, std::span<const std::uint8_t> bytes, Flush flush, int& error) {
    // A new file gets the usual permissions under the user's umask, which the open applied.
    if (target.exists && ::fchmod(fd, target.mode & 07777) != 0) return error = errno, false;
    if (!WriteAll(fd, bytes, error)) return false;
    if (flush == Flush::kToDisk && ::fsync(fd) != 0) return error = errno, false;
    return true;
}

// The write through a file that has no name until its bytes are all on it; nullopt where the
// file system cannot make such a file or give it a name, and the named way must be taken.
std::optional<WriteResult> WriteUnnamed(const Target& target, std::span<const std::uint8_t> bytes, Flush flush) {
    const int fd = ::open(target.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return std::nullopt;
    int error = 0;
    if (!Fill(fd, target, bytes, flush, error)) {
        ::close(fd);
        return WriteResult{ErrnoText(error)};
    }
    // A new target is simply given the file; a link never replaces a file another writer put
    // there meanwhile, which the rename below then replaces, as it would have.
    if (!target.exists && LinkUnnamed(fd, target.path, error)) {
        if (::close(fd) != 0) {
            error = errno;
            ::unlink(target.path.c_str());
            return WriteResult{ErrnoText(error)};
        }
        if (flush == Flush::kToDisk) FlushFolder(target.folder);
        return WriteResult{};
    }
    // Replacing a file takes a name of its own for the moment of the rename. The writer's lock
    // on it tells anyone clearing leftovers that it is not one.
    (void)::flock(fd, LOCK_EX);
    NameDraw names;
    std::string temporary;
    for (int attempt = 0; attempt < kTemporaryNameTries && temporary.empty(); ++attempt) {
        temporary = names.Next(target.folder, target.name);
        if (!LinkUnnamed(fd, temporary, error)) temporary.clear();
        if (error != EEXIST) break;
    }
    if (temporary.empty()) {
        ::close(fd);
        return std::nullopt;  // no /proc to link through, or links refused
    }
    const int lock = ::dup(fd);  // holds the lock until the rename is done
    const auto fail = [&](int why) {
        ::unlink(temporary.c_str());
        if (lock >= 0) ::close(lock);
        return WriteResult{ErrnoText(why)};
    };
    if (::close(fd) != 0) return fail(errno);
    if (::rename(temporary.c_str(), target.path.c_str()) != 0) return fail(errno);
    if (lock >= 0) ::close(lock);
    if (flush == Flush::kToDisk) FlushFolder(target.folder);
    return WriteResult{};
}

// The write through a named temporary file, locked while its writer lives.
WriteResult WriteNamed(const Target& target, std::span<const std::uint8_t> bytes, Flush flush) {
    NameDraw names;
    std::string temporary;
    int error = 0;
    const int fd = CreateTemporary(target.folder, target.name, names, temporary, error);
    if (fd < 0) return {ErrnoText(error)};
    (void)::flock(fd, LOCK_EX);
    const int lock = ::dup(fd);
    const auto fail = [&](int why, bool open) -> WriteResult {
        if (open) ::close(fd);
        ::unlink(temporary.c_str());
        if (lock >= 0) ::close(lock);
        return {ErrnoText(why)};
    };
    if (!Fill(fd, target, bytes, flush, error)) return fail(error, true);
    if (::close(fd) != 0) return fail(errno, false);
    if (::rename(temporary.c_str(), target.path.c_str()) != 0) return fail(errno, false);
    if (lock >= 0) ::close(lock);
    if (flush == Flush::kToDisk) FlushFolder(target.folder);
    return {};
}

// Whether `name` is one this writer gives its temporary files: ".NAME.tmp-" and eight hex digits.
bool IsTemporaryName(const std::string& name) {
    const std::size_t infix = name.rfind(kTemporaryInfix);
    if (name.size() < 2 || name[0] != '.' || infix == std::string::npos || infix < 2) return false;
    const std::size_t digits = infix + std::char_traits<char>::length(kTemporaryInfix);
    if (name.size() - digits != kTemporarySuffixDigits) return false;
    for (std::size_t i = digits; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

// When the file's inode last changed: its making, its last write, its naming.
std::chrono::system_clock::time_point ChangeTime(const struct stat& st) {
    const auto since = std::chrono::seconds(st.st_ctim.tv_sec) + std::chrono::nanoseconds(st.st_ctim.tv_nsec);
    return std::chrono::system_clock::time_point(std::chrono::duration_cast<std::chrono::system_clock::duration>(since));
}

}  // namespace

WriteResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, Flush flush) {
    if (path.empty()) return {"no file name"};
    Target target;
    target.path = ResolvedTarget(path);
    struct stat existing {};
    target.exists = ::stat(target.path.c_str(), &existing) == 0;
    // A folder or a device cannot be replaced by a file: renaming over /dev/null would remove it.
    if (target.exists && S_ISDIR(existing.st_mode)) return {"it is a folder"};
    if (target.exists && !S_ISREG(existing.st_mode)) return {"it is not a regular file"};
    // Renaming would replace a file its owner made read-only; a plain write would be refused.
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0) return {ErrnoText(errno)};
    target.mode = existing.st_mode;
    target.folder = FolderOf(target.path);
    target.name = NameOf(target.path);
    if (auto written = WriteUnnamed(target, bytes, flush)) return *written;
    return WriteNamed(target, bytes, flush);
}

int RemoveLeftoverTemporaries(const std::string& folder) {
    const auto now = std::chrono::system_clock::now();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;
    std::vector<std::string> candidates;
    while (const dirent* entry = ::readdir(dir))
        if (IsTemporaryName(entry->d_name)) candidates.emplace_back(entry->d_name);
    ::closedir(dir);
    int removed = 0;
    for (const std::string& name : candidates) {
        const std::string path = folder + "/" + name;
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        // Made or changed before this run looked, and held by no writer: a killed one's.
        const bool leftover = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ChangeTime(st) < now &&
                              ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (leftover && ::unlink(path.c_str()) == 0) ++removed;
        ::close(fd);
    }
    return removed;
}

int RemoveLeftoverTemporariesBeside(const std::string& path) { return RemoveLeftoverTemporaries(FolderOf(ResolvedTarget(path))); }

}  // namespace esc
