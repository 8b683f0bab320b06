#include "engine/ReadFileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace esc {
namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

FileBytes Failed(ReadFailure failure, std::string error) { return {std::nullopt, failure, std::move(error)}; }

FileBytes FromErrno(int error) {
    if (error == ENOENT || error == ENOTDIR) return Failed(ReadFailure::Missing, "there is no such file");
    if (error == EISDIR) return Failed(ReadFailure::NotAFile, "it is a folder");
    return Failed(ReadFailure::Unreadable, std::generic_category().message(error));
}

FileBytes NotRegular(const struct stat& st) {
    return Failed(ReadFailure::NotAFile, S_ISDIR(st.st_mode) ? "it is a folder" : "it is not a regular file");
}

// Opens without blocking (a pipe with no writer would wait for one) and keeps only regular files.
FileBytes OpenRegular(const std::string& path, int& fd, struct stat& st) {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return FromErrno(errno);
    if (::fstat(fd, &st) != 0) return FromErrno(errno);
    if (!S_ISREG(st.st_mode)) return NotRegular(st);
    return {};
}

}  // namespace

FileBytes ReadFileBytes(const std::string& path, std::size_t limit) {
    int raw = -1;
    struct stat st {};
    FileBytes opened = OpenRegular(path, raw, st);
    const FileDescriptor fd(raw);
    if (opened.failure != ReadFailure::None) return opened;
    const std::string tooLarge = "it is larger than " + std::to_string(limit) + " bytes";
    if (static_cast<unsigned long long>(st.st_size) > limit) return Failed(ReadFailure::TooLarge, tooLarge);

    // The size may change while the file is read; reading stops one byte past the limit.
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t chunk[kReadChunk];
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd.Get(), chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FromErrno(errno);
        }
        if (n == 0) return {std::move(bytes), ReadFailure::None, {}};
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return Failed(ReadFailure::TooLarge, tooLarge);
}

std::string WhyNotReadable(const std::string& path) {
    int raw = -1;
    struct stat st {};
    const FileBytes opened = OpenRegular(path, raw, st);
    const FileDescriptor fd(raw);
    return opened.error;
}

}  // namespace esc
