#pragma once
// Folders for the tests that write files: a fresh one per test, and a folder that refuses writes
// even to the superuser (the tests run as root in the build container), made immutable through
// the file-system flag when permissions alone do not bind.

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace esc::testing {

struct TempDir {
    TempDir() {
        char pattern[] = "/tmp/escaval-compose-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        path = made ? made : "";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path;
};

// A sub-folder no file can be created in while this lives. Writable() tells whether that holds:
// a test must fail, not pass, when the folder could not be made read-only.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& path) : path_(path) {
        std::filesystem::create_directory(path_);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        if (Writable()) SetImmutable(true);
    }
    ~ReadOnlyFolder() {
        if (immutable_) SetImmutable(false);
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    const std::string& Path() const { return path_; }
    bool Writable() const {
        const std::string probe = path_ + "/.probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (fd < 0) return false;
        ::close(fd);
        ::unlink(probe.c_str());
        return true;
    }

private:
    void SetImmutable(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return;
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0) immutable_ = on;
        }
        ::close(fd);
    }
    std::string path_;
    bool immutable_ = false;
};

}  // namespace esc::testing
