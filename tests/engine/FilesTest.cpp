// Files written whole or not at all, and data files read without throwing, hanging or filling
// the memory, whatever stands where the file should be.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/AtomicFile.h"
#include "engine/Bitmap.h"
#include "engine/ChargePicture.h"
#include "engine/MessageSink.h"
#include "engine/ReadFileBytes.h"

namespace esc {
namespace {

namespace fs = std::filesystem;

// A folder of its own for each test, removed afterwards whatever the test did to it.
struct Folder {
    fs::path path = fs::temp_directory_path() /
                    ("escaval-files-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Every name in the folder, hidden ones included, sorted.
std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(AtomicWrite, CreatesThenReplacesLeavingOnlyTheTarget) {
    Folder dir;
    const std::string target = dir / "out.bin";
    ASSERT_TRUE(WriteFileAtomically(target, Bytes("a longer first version")));
    EXPECT_EQ(Slurp(target), "a longer first version");
    ::chmod(target.c_str(), 0640);
    const WriteResult second = WriteFileAtomically(target, Bytes("short"));
    EXPECT_TRUE(second) << second.error;
    EXPECT_EQ(Slurp(target), "short") << "the old bytes must not survive past the new end";
    EXPECT_EQ(Names(dir.path), std::vector<std::string>{"out.bin"});
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";
}

// A writer killed part way through a write, again and again, leaves no temporary file by name:
// the file has none until its bytes are all written.
TEST(AtomicWrite, AWriterKilledPartWayLeavesNothingBehind) {
    Folder dir;
    const std::string target = dir / "big.bin";
    for (int round = 0; round < 10; ++round) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            const std::vector<std::uint8_t> bytes(64u << 20, static_cast<std::uint8_t>('a' + round));
            for (;;) (void)WriteFileAtomically(target, bytes, Flush::kLeaveToSystem);
        }
        ASSERT_GT(writer, 0);
        ::usleep(static_cast<useconds_t>(20000 + 15000 * round));
        ::kill(writer, SIGKILL);
        int status = 0;
        ::waitpid(writer, &status, 0);
        const std::vector<std::string> names = Names(dir.path);
        EXPECT_TRUE(names.empty() || names == std::vector<std::string>{"big.bin"}) << names.back();
        if (fs::exists(target)) {
            EXPECT_EQ(fs::file_size(target), 64u << 20);
        }
    }
}

// What killed writers left under the temporary name is removed; a file whose writer is still at
// work (it holds its lock) and files of other names stay.
TEST(AtomicWrite, LeftoversOfKilledWritersAreRemovedAndNothingElse) {
    Folder dir;
    for (const char* name : {".a.png.tmp-0123abcd", ".index.json.tmp-deadbeef"}) Put(dir / name, "half written");
    const std::vector<std::string> kept = {".a.png.tmp-XYZ", ".b.png.tmp-00000000", ".d.tmp-0123abcde", "a.png",
                                           "c.tmp-01234567"};
    for (const std::string& name : kept) Put(dir / name, "kept");
    const int held = ::open((dir / ".b.png.tmp-00000000").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_EQ(RemoveLeftoverTemporaries(dir.path.string()), 2);
    ::close(held);
    EXPECT_EQ(Names(dir.path), kept);
    EXPECT_EQ(RemoveLeftoverTemporariesBeside(dir / "a.png"), 1);  // its writer has gone now
}

TEST(AtomicWrite, WritingThroughALinkReplacesTheFileItNames) {
    Folder dir;
    Put(dir / "real.bin", "old");
    fs::create_symlink(dir.path / "real.bin", dir.path / "link.bin");
    ASSERT_TRUE(WriteFileAtomically(dir / "link.bin", Bytes("new")));
    EXPECT_TRUE(fs::is_symlink(dir.path / "link.bin"));
    EXPECT_EQ(Slurp(dir / "real.bin"), "new");
}

TEST(AtomicWrite, FailuresLeaveTheEarlierFileAndNoTemporaryFile) {
    Folder dir;
    fs::create_directories(dir.path / "folder" / "inside");
    Put(dir / "plain", "a file where a folder should be");
    Put(dir / "earlier.bin", "the earlier file");
    struct Case {
        const char* name;
        std::string target;
        const char* error;  // part of the reason given
    };
    const Case cases[] = {
        {"the target is a folder", dir / "folder", "folder"},
        {"the folder is a file", dir / "plain/out.bin", "Not a directory"},
        {"the folder is missing", dir / "missing/out.bin", "No such file"},
        {"the target is a device", "/dev/null", "not a regular file"},
        {"a folder no one may write in", "/proc/escaval-test.bin", ""},
    };
    const std::vector<std::string> before = Names(dir.path);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WriteResult r = WriteFileAtomically(c.target, Bytes("new bytes"));
        ASSERT_FALSE(r);
        EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
        EXPECT_EQ(Names(dir.path), before);
    }
    EXPECT_TRUE(fs::is_directory(dir.path / "folder" / "inside"));
    EXPECT_EQ(Slurp(dir / "plain"), "a file where a folder should be");
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_FALSE(fs::exists("/proc/escaval-test.bin"));
}

// Permissions bind every user but root, so these cases are only meaningful for another user.
TEST(AtomicWrite, ReadOnlyFolderOrFileKeepsTheEarlierFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write whatever the permissions say";
    struct Case {
        const char* name;
        fs::perms folder, file;
    };
    const Case cases[] = {
        {"a read-only folder", fs::perms::owner_read | fs::perms::owner_exec, fs::perms::owner_read | fs::perms::owner_write},
        {"a read-only file", fs::perms::owner_all, fs::perms::owner_read},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder dir;
        Put(dir / "earlier.bin", "the earlier file");
        fs::permissions(dir.path / "earlier.bin", c.file);
        fs::permissions(dir.path, c.folder);
        const WriteResult r = WriteFileAtomically(dir / "earlier.bin", Bytes("new bytes"));
        ASSERT_FALSE(r);
        EXPECT_NE(r.error.find("Permission denied"), std::string::npos) << r.error;
        EXPECT_EQ(Slurp(dir / "earlier.bin"), "the earlier file");
        EXPECT_EQ(Names(dir.path), std::vector<std::string>{"earlier.bin"});
    }
}

// The disk fills up halfway: a child process with a file size limit writes far more than the
// limit. The write must fail (the child says so through its exit status), and the earlier file
// must be as it was with nothing else beside it.
TEST(AtomicWrite, FullDiskLeavesTheEarlierFileByteForByte) {
    Folder dir;
    const std::string target = dir / "earlier.bin";
    const std::string earlier = "the earlier file, which must survive";
    Put(target, earlier);
    constexpr rlim_t kLimit = 4096;
    const std::vector<std::uint8_t> big(16 * kLimit, 0xAB);
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(fds[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{kLimit, kLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
        const WriteResult r = WriteFileAtomically(target, big);
        if (!r.error.empty()) (void)!::write(fds[1], r.error.data(), r.error.size());
        ::_exit(r ? 0 : 1);
    }
    ::close(fds[1]);
    std::string error;
    char buf[256];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;) error.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 1) << "the write past the limit must fail";
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_EQ(Slurp(target), earlier);
    EXPECT_EQ(Names(dir.path), std::vector<std::string>{"earlier.bin"});
}

// A version of the file that says how long it is, so a reader can tell a whole one.
std::string Version(int writer, int round) {
    const std::string body = std::to_string(writer) + ":" + std::to_string(round) + ":" +
                             std::string(static_cast<std::size_t>(1000 + 3000 * ((writer + round) % 4)), 'x');
    return std::to_string(body.size()) + ";" + body;
}

bool Whole(const std::string& text) {
    const std::size_t semicolon = text.find(';');
    return semicolon != std::string::npos && text.size() - semicolon - 1 == std::stoul(text.substr(0, semicolon));
}

// Two processes replace the file over and over while this one reads it: every read finds one
// whole version, never an empty or half-written file, and nothing is left beside it.
TEST(AtomicWrite, ReadersSeeOneWholeVersionWhileOthersWrite) {
    Folder dir;
    const std::string target = dir / "shared.bin";
    Put(target, Version(9, 0));
    constexpr int kWriters = 2, kRounds = 40;
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int failures = 0;
            for (int round = 1; round <= kRounds; ++round) failures += WriteFileAtomically(target, Bytes(Version(w, round))) ? 0 : 1;
            ::_exit(failures == 0 ? 0 : 1);
        }
        writers.push_back(child);
    }
    int reads = 0, broken = 0, running = kWriters;
    std::set<std::string> seen;
    while (running > 0) {
        const std::string text = Slurp(target);
        ++reads;
        if (!Whole(text)) ++broken;
        seen.insert(text.substr(0, text.find(':', text.find(':') + 1)));
        for (pid_t& child : writers) {
            int status = 0;
            if (child > 0 && ::waitpid(child, &status, WNOHANG) == child) {
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                child = 0;
                --running;
            }
        }
    }
    EXPECT_EQ(broken, 0) << "of " << reads << " reads";
    EXPECT_GE(seen.size(), 3u) << "the reads must have found the file being replaced";
    EXPECT_TRUE(Whole(Slurp(target)));
    EXPECT_EQ(Names(dir.path), std::vector<std::string>{"shared.bin"});
}

TEST(AtomicWrite, PicturesAreWrittenThroughIt) {
    Folder dir;
    Put(dir / "shield.png", "earlier");
    const Bitmap b(4, 3, kTeal);
    for (const char* name : {"shield.png", "shield.bmp"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WritePicture(b, dir / name));
    }
    EXPECT_EQ(Slurp(dir / "shield.png").substr(1, 3), "PNG");
    EXPECT_EQ(ReadBmp(dir / "shield.bmp"), b);
    EXPECT_EQ(Names(dir.path), (std::vector<std::string>{"shield.bmp", "shield.png"}));
    const WriteResult failed = WriteBmp(b, dir / "missing/shield.bmp");
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.error.empty());
}

TEST(ReadFile, RefusesWhatIsNotARegularFileWithinTheLimit) {
    Folder dir;
    Put(dir / "eight", "12345678");
    Put(dir / "empty", "");
    fs::create_directory(dir.path / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    struct Case {
        const char* name;
        std::string path;
        std::size_t limit;
        ReadFailure failure;
        const char* error;
    };
    const Case cases[] = {
        {"a file", dir / "eight", 100, ReadFailure::None, ""},
        {"a file of exactly the limit", dir / "eight", 8, ReadFailure::None, ""},
        {"an empty file", dir / "empty", 8, ReadFailure::None, ""},
        {"one byte over the limit", dir / "eight", 7, ReadFailure::TooLarge, "larger than 7 bytes"},
        {"a missing file", dir / "missing", 100, ReadFailure::Missing, "no such file"},
        {"under a file", dir / "eight/x", 100, ReadFailure::Missing, "no such file"},
        {"a folder", dir / "folder", 100, ReadFailure::NotAFile, "it is a folder"},
        {"an endless device", "/dev/zero", 100, ReadFailure::NotAFile, "not a regular file"},
        {"a pipe with no writer", dir / "pipe", 100, ReadFailure::NotAFile, "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileBytes r = ReadFileBytes(c.path, c.limit);
        EXPECT_EQ(r.failure, c.failure);
        EXPECT_EQ(r.bytes.has_value(), c.failure == ReadFailure::None);
        EXPECT_NE(r.error.find(c.error), std::string::npos) << r.error;
        if (r) {
            EXPECT_EQ(std::string(r.bytes->begin(), r.bytes->end()), Slurp(c.path));
        }
        EXPECT_EQ(WhyNotReadable(c.path).empty(), c.failure == ReadFailure::None || c.failure == ReadFailure::TooLarge);
    }
}

// Every reader of bitmaps and charge pictures goes through the same checks: a folder where the
// file should be is a file that cannot be read, not an exception.
TEST(ReadFile, BitmapsAndChargePicturesInPlaceOfAFolder) {
    Folder dir;
    fs::create_directories(dir.path / "lionl1.bmp");
    fs::create_directories(dir.path / "lpics" / "lion.esv");
    Put(dir / "junk.bmp", "BM but nothing more");
    std::string error;
    EXPECT_FALSE(ReadBmp(dir / "lionl1.bmp", &error).has_value());
    EXPECT_EQ(error, "it is a folder");
    EXPECT_FALSE(ReadBmp(dir / "junk.bmp", &error).has_value());
    EXPECT_EQ(error, "it is cut short inside its header (19 bytes)");
    EXPECT_FALSE(ReadBmp("/dev/zero").has_value());

    CollectingSink sink;
    auto state = std::make_unique<PaintState>(sink);
    state->dataDir = dir.path.string();
    EXPECT_EQ(ReadGifPicture(*state, "lpics/lion.esv"), 1);
    EXPECT_EQ(PlaceChargePicture(*state, "lpics/lion.esv", ChargePaintRequest{}), 1);
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace esc
