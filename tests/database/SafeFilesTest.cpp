#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/SafeFiles.h"
#include "tests/database/TempDir.h"

namespace esc::db {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(SafeFiles, TemporaryNamesAreUniqueAndBesideTheTarget) {
    test::TempDir dir;
    const std::string target = dir.Path("escaval1.db");
    const auto a = MakeTemporaryBeside(target, nullptr), b = MakeTemporaryBeside(target, nullptr);
    ASSERT_TRUE(a && b);
    EXPECT_NE(*a, *b);
    for (const std::string& t : {*a, *b}) {
        EXPECT_EQ(fs::path(t).parent_path(), fs::path(target).parent_path());
        EXPECT_EQ(t.rfind(target + ".tmp-", 0), 0u) << t;
        EXPECT_TRUE(fs::exists(t));
    }
    std::string error;
    EXPECT_FALSE(MakeTemporaryBeside(dir.Path("no/such/folder/escaval1.db"), &error));
    EXPECT_NE(error.find("Cannot make a file beside"), std::string::npos);
}

// The second of two processes putting their file in place finds the first one's there and
// leaves it alone.
TEST(SafeFiles, InstallingNeverReplacesAFileThatIsThere) {
    test::TempDir dir;
    const std::string target = dir.Path("escaval1.db");
    const std::string first = dir.Write("first.tmp", "the first copy's database");
    const std::string second = dir.Write("second.tmp", "the second copy's database");
    EXPECT_EQ(InstallWithoutReplacing(first, target, nullptr), InstallResult::Installed);
    EXPECT_EQ(InstallWithoutReplacing(second, target, nullptr), InstallResult::TargetExists);
    EXPECT_EQ(Bytes(target), "the first copy's database");
    EXPECT_FALSE(fs::exists(first));
    EXPECT_FALSE(fs::exists(second));
    std::string error;
    const std::string third = dir.Write("third.tmp", "x");
    EXPECT_EQ(InstallWithoutReplacing(third, dir.Path("no/such/folder/escaval1.db"), &error), InstallResult::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(third));
}

TEST(SafeFiles, AFolderLockIsHeldByOneAtATime) {
    test::TempDir dir;
    {
        FolderLock first(dir.Path(), 0ms);
        ASSERT_TRUE(first.Held());
        const FolderLock second(dir.Path(), 50ms);  // a lock of its own, as another process would take
        EXPECT_FALSE(second.Held());
    }
    EXPECT_TRUE(FolderLock(dir.Path(), 0ms).Held());
    EXPECT_FALSE(FolderLock(dir.Path("missing"), 0ms).Held());
}

TEST(SafeFiles, IdentityTellsAReplacedFileFromTheSameOne) {
    test::TempDir dir;
    const std::string path = dir.Write("a", "one");
    const auto before = IdentityOf(path);
    ASSERT_TRUE(before);
    EXPECT_EQ(IdentityOf(path), before);
    const std::string other = dir.Write("b", "two");
    fs::rename(other, path);
    EXPECT_NE(IdentityOf(path), before);
    EXPECT_FALSE(IdentityOf(dir.Path("missing")));
}

}  // namespace
}  // namespace esc::db
