// The user's database after a writer was killed, ran out of file space, or held its lock, and
// when two copies of the program make it at once. Each test makes its condition certain: the
// writer is a real second process that stops at a known point and says so through a pipe before
// it is killed there.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "database/BlazonDatabase.h"
#include "database/UserDatabase.h"
#include "tests/database/BlazonTestData.h"
#include "tests/database/ChildProcess.h"
#include "tests/database/PausingVfs.h"
#include "tests/database/TempDir.h"

namespace esc::db {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kImportRows = 100000;
constexpr int kHalfWay = 50000;
constexpr char kStopped = 's';

const std::vector<test::BlazonRow> kShipped = {
    {"Percy", 1, "Or a lion rampant azure", "T"},
    {"Neville", 1, "Gules a saltire argent", "T"},
    {"Howard", 1, "Gules a bend between six crosslets fitchy argent", "T"},
};

// A user database made by the program, holding the shipped entries and five of the user's own.
struct UserFolder {
    test::TempDir dir;
    std::string shipped = dir.Path("shipped.db");
    std::string userDir = dir.Path("user");
    std::string user = userDir + "/escaval1.db";
    std::string ownBefore;
    std::string countBefore;

    UserFolder() {
        test::WriteBlazonDatabase(shipped, kShipped, true);
        const UserDatabase u = PrepareUserDatabase(shipped, userDir);
        EXPECT_EQ(u.path, user);
        auto db = BlazonDatabase::Open(user, OpenMode::ReadWrite, nullptr);
        EXPECT_TRUE(db);
        for (const char* name : {"Smith", "Jones", "Brown", "Taylor", "Wilson"})
            EXPECT_TRUE(db->Add(name, std::string("Azure a fess or between three ") + name + " heads", nullptr));
        ownBefore = OwnEntries();
        countBefore = Count();
    }
    std::string OwnEntries() const {
        return test::Query(user, "SELECT group_concat(Surname || ':' || Blazon, '|') FROM"
                                 " (SELECT * FROM escaval1 WHERE Origin = 'A' AND Surname NOT LIKE 'Import%' ORDER BY Surname)");
    }
    std::string Count() const { return test::Query(user, "SELECT count(*) FROM escaval1"); }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(userDir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The next start, as the window makes it: nothing set aside, nothing to tell, every entry
    // from before kept, and `expectedCount` entries in all.
    void ExpectNextStartKeepsEverything(const std::string& expectedCount) const {
        const UserDatabase u = PrepareUserDatabase(shipped, userDir);
        EXPECT_EQ(u.path, user);
        EXPECT_FALSE(u.readOnly);
        EXPECT_TRUE(u.setAside.empty()) << u.setAside;
        EXPECT_TRUE(u.notes.empty()) << (u.notes.empty() ? "" : u.notes[0]);
        // Nothing set aside; a journal may stay when the killed writer had not yet made it one
        // that must be played back (SQLite then ignores it).
        for (const std::string& name : Files()) EXPECT_TRUE(name == "escaval1.db" || name == "escaval1.db-journal") << name;
        EXPECT_EQ(test::Query(user, "PRAGMA integrity_check"), "ok");
        EXPECT_EQ(OwnEntries(), ownBefore);
        EXPECT_EQ(test::Query(user, "SELECT count(*) FROM escaval1 WHERE Origin = 'T'"), "3");
        EXPECT_EQ(Count(), expectedCount);
        auto db = BlazonDatabase::Open(u.path, OpenMode::ReadWrite, nullptr);
        ASSERT_TRUE(db);
        EXPECT_TRUE(db->Add("After", "Or", nullptr));  // and the database takes new entries
    }
};

std::vector<ImportEntry> ManyEntries() {
    std::vector<ImportEntry> entries;
    entries.reserve(kImportRows);
    for (int i = 0; i < kImportRows; ++i) entries.push_back({"Import" + std::to_string(i), "Argent a bend sable", i + 1});
    return entries;
}

long long SizeOf(const std::string& path) {
    std::error_code ec;
    const auto n = fs::file_size(path, ec);
    return ec ? -1 : static_cast<long long>(n);
}

TEST(UserDatabaseRecovery, AnImportKilledAtAKnownPointIsUndoneAtTheNextStart) {
    struct Case {
        const char* name;
        std::size_t stopAfterRows;  // 0: stop in the commit instead
        test::CommitMoment moment;
        bool databaseWrittenBeforeKill;
    };
    const Case cases[] = {
        {"after the first rows", kWriteProgressStep, test::CommitMoment::None, false},
        {"half way", kHalfWay, test::CommitMoment::None, true},
        {"commit, writing the database", 0, test::CommitMoment::FirstDatabaseWrite, false},
        {"commit, before the journal is removed", 0, test::CommitMoment::JournalDelete, true},
    };
    const std::vector<ImportEntry> entries = ManyEntries();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UserFolder f;
        const long long sizeBefore = SizeOf(f.user);
        test::ChildProcess child([&](const test::ParentLine& parent) {
            test::PausingVfs vfs(c.moment, [&] { parent.StopHere(kStopped); });
            auto db = BlazonDatabase::Open(f.user, OpenMode::ReadWrite, nullptr);
            if (!db) return 2;
            db->Import(entries, nullptr, [&](std::size_t rows) {
                if (rows == c.stopAfterRows) parent.StopHere(kStopped);
                if (rows == entries.size()) vfs.Arm();
            });
            return 3;  // the import ran to its end: the kill would have come too late
        });
        ASSERT_TRUE(child.Started());
        ASSERT_EQ(child.Hear(), std::optional<char>(kStopped)) << "the writer never reached its stopping point";
        child.Kill();
        ASSERT_TRUE(child.KilledBySigkill());
        // The kill left the half-done transaction behind: its journal, and written pages.
        EXPECT_GT(SizeOf(f.user + "-journal"), 0);
        if (c.databaseWrittenBeforeKill) {
            EXPECT_GT(SizeOf(f.user), sizeBefore);
        }
        // None of the import was committed, so none of it may appear.
        f.ExpectNextStartKeepsEverything(f.countBefore);
    }
}

TEST(UserDatabaseRecovery, AnImportThatRunsOutOfFileSpaceLeavesTheDatabaseAsItWas) {
    constexpr rlim_t kFileSizeLimit = 400 * 1024;
    UserFolder f;
    const std::vector<ImportEntry> entries = ManyEntries();
    test::ChildProcess child([&](const test::ParentLine&) {
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead of ending the process
        const rlimit limit{kFileSizeLimit, kFileSizeLimit};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        auto db = BlazonDatabase::Open(f.user, OpenMode::ReadWrite, nullptr);
        if (!db) return 3;
        std::string error;
        if (db->Import(entries, &error)) return 4;  // the limit was never reached
        return 0;                                   // ended without closing, as a crash would
    });
    ASSERT_TRUE(child.Started());
    ASSERT_EQ(child.ExitCode(), 0) << "the import did not fail on the file size limit";
    f.ExpectNextStartKeepsEverything(f.countBefore);
}

// Another program writes to the user's database while the program starts: a lock held for a
// while is waited for; one held past the wait is reported as such, and nothing is set aside.
TEST(UserDatabaseRecovery, ALockHeldForAWhileIsWaitedFor) {
    constexpr auto kHold = 2500ms;  // longer than a short busy wait, shorter than start-up's
    UserFolder f;
    // A new version of the shipped entries, so the start-up must write as well as read.
    std::vector<test::BlazonRow> version2 = kShipped;
    version2.push_back({"Grey", 1, "Barry of six argent and azure", "T"});
    test::WriteBlazonDatabase(f.shipped + ".2", version2, true);
    fs::rename(f.shipped + ".2", f.shipped);
    test::ChildProcess child([&](const test::ParentLine& parent) {
        sqlite3* db = nullptr;
        if (sqlite3_open(f.user.c_str(), &db) != SQLITE_OK) return 2;
        if (sqlite3_exec(db, "BEGIN EXCLUSIVE; INSERT INTO escaval1 VALUES ('Locker', 0, 'Or', 'A')", nullptr, nullptr,
                         nullptr) != SQLITE_OK)
            return 3;
        parent.Tell(kStopped);
        std::this_thread::sleep_for(kHold);
        return sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 4;
    });
    ASSERT_TRUE(child.Started());
    ASSERT_EQ(child.Hear(), std::optional<char>(kStopped));
    const auto start = std::chrono::steady_clock::now();
    const UserDatabase u = PrepareUserDatabase(f.shipped, f.userDir);
    EXPECT_GE(std::chrono::steady_clock::now() - start, kHold / 2) << "the lock was not held during start-up";
    EXPECT_EQ(child.ExitCode(), 0);
    EXPECT_TRUE(u.notes.empty()) << (u.notes.empty() ? "" : u.notes[0]);
    EXPECT_EQ(u.path, f.user);
    EXPECT_FALSE(u.readOnly);
    EXPECT_EQ(u.shippedAdded, 1);
    EXPECT_EQ(f.Files(), std::vector<std::string>{"escaval1.db"});
    EXPECT_EQ(f.OwnEntries(), "Brown:Azure a fess or between three Brown heads|Jones:Azure a fess or between three Jones heads|"
                              "Locker:Or|Smith:Azure a fess or between three Smith heads|"
                              "Taylor:Azure a fess or between three Taylor heads|Wilson:Azure a fess or between three Wilson heads");
    EXPECT_EQ(test::Query(f.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'T'"), "4");
}

TEST(UserDatabaseRecovery, ALockHeldPastTheWaitIsReportedAndNothingIsSetAside) {
    struct Case {
        const char* name;
        const char* begin;
        bool readable;  // whether the user's entries can still be read meanwhile
    };
    const Case cases[] = {
        {"a writer that is committing", "BEGIN EXCLUSIVE", false},
        {"a writer with a transaction open", "BEGIN IMMEDIATE", true},
    };
    PrepareOptions shortWait;
    shortWait.busyTimeoutMs = 200;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UserFolder f;
        test::ChildProcess child([&](const test::ParentLine& parent) {
            sqlite3* db = nullptr;
            if (sqlite3_open(f.user.c_str(), &db) != SQLITE_OK) return 2;
            const std::string sql = std::string(c.begin) + "; INSERT INTO escaval1 VALUES ('Locker', 0, 'Or', 'A')";
            if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) return 3;
            parent.StopHere(kStopped);
            return sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 4;
        });
        ASSERT_TRUE(child.Started());
        ASSERT_EQ(child.Hear(), std::optional<char>(kStopped));
        const UserDatabase u = PrepareUserDatabase(f.shipped, f.userDir, shortWait);
        EXPECT_TRUE(u.inUse);
        EXPECT_TRUE(u.readOnly);
        EXPECT_TRUE(u.setAside.empty());
        ASSERT_EQ(u.notes.size(), 1u);
        EXPECT_NE(u.notes[0].find("in use by another program"), std::string::npos) << u.notes[0];
        EXPECT_NE(u.notes[0].find(c.readable ? "shown read-only" : "shipped entries are shown"), std::string::npos) << u.notes[0];
        EXPECT_EQ(u.notes[0].find("damaged"), std::string::npos) << u.notes[0];
        // What the window gets meanwhile: the user's entries read-only when they can be read,
        // else the shipped ones.
        EXPECT_EQ(u.path, c.readable ? f.user : f.shipped);
        auto db = BlazonDatabase::Open(u.path, OpenMode::ReadOnly, nullptr);
        ASSERT_TRUE(db);
        EXPECT_EQ(db->Main().RecordCount(), c.readable ? 8 : 3);
        db.reset();
        EXPECT_EQ(f.Files(), std::vector<std::string>({"escaval1.db", "escaval1.db-journal"}));
        child.GoOn();
        EXPECT_EQ(child.ExitCode(), 0);
        f.ownBefore = test::Query(f.user, "SELECT group_concat(Surname || ':' || Blazon, '|') FROM"
                                          " (SELECT * FROM escaval1 WHERE Origin = 'A' AND Surname NOT LIKE 'Import%' ORDER BY Surname)");
        EXPECT_NE(f.ownBefore.find("Locker:Or"), std::string::npos);
        f.ExpectNextStartKeepsEverything("9");
    }
}

// A writer that ends part way through a transaction, its changed pages already in the file and
// its journal left beside it ("hot"), as after a kill or a power cut.
void LeaveHalfDoneWrite(const std::string& path) {
    test::ChildProcess writer([&](const test::ParentLine&) {
        sqlite3* db = nullptr;
        if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return 2;
        // A small cache makes SQLite write changed pages to the file before the commit.
        const char* sql = "PRAGMA cache_size = 5; BEGIN; DELETE FROM escaval1;"
                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)"
                          " INSERT INTO escaval1 SELECT 'Half' || i, 0, 'Argent a bend sable', 'A' FROM n";
        return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? 0 : 3;  // ends without commit or close
    });
    ASSERT_EQ(writer.ExitCode(), 0);
    ASSERT_GT(SizeOf(path + "-journal"), 0);
}

// The superuser runs the body of a test as this user, whom file permissions bind.
constexpr uid_t kNobody = 65534;

// Runs `body` in a process whose file permissions are those of an ordinary user: the
// superuser's child becomes "nobody". Returns the body's exit status.
int AsOrdinaryUser(const std::function<int()>& body) {
    test::ChildProcess child([&](const test::ParentLine&) {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) return 90;
        return body();
    });
    return child.ExitCode();
}

// The folder of the user's database refuses new files to the ordinary user; the database file
// itself is that user's and writable when `fileWritable`.
void ProtectFolder(const UserFolder& f, bool fileWritable) {
    for (const std::string& path : {f.user, f.user + "-journal"}) {
        if (!fs::exists(path)) continue;
        fs::permissions(path, fileWritable ? fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read
                                           : fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        if (::geteuid() == 0 && fileWritable) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        }
    }
    fs::permissions(f.userDir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec | fs::perms::others_read |
                                   fs::perms::others_exec);
    if (::geteuid() != 0) fs::permissions(f.userDir, fs::perms::owner_write, fs::perm_options::remove);
}

void Unprotect(const UserFolder& f) {
    fs::permissions(f.userDir, fs::perms::owner_all, fs::perm_options::add);
    for (const std::string& path : {f.user, f.user + "-journal"})
        if (fs::exists(path)) fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
}

// A folder that refuses new files refuses every change (SQLite writes its journal there): it is
// said at start, as a read-only file is, and the entries are shown read-only.
TEST(UserDatabaseRecovery, AReadOnlyFolderIsSaidAtStart) {
    UserFolder f;
    ProtectFolder(f, true);
    const int status = AsOrdinaryUser([&] {
        const UserDatabase u = PrepareUserDatabase(f.shipped, f.userDir);
        if (u.path != f.user) return 2;
        if (!u.readOnly) return 3;
        if (u.notes.size() != 1 || u.notes[0].find("folder") == std::string::npos ||
            u.notes[0].find("read-only") == std::string::npos)
            return 4;
        auto db = BlazonDatabase::Open(u.path, OpenMode::ReadOnly, nullptr);
        return db && db->Main().RecordCount() == 8 ? 0 : 5;
    });
    Unprotect(f);
    EXPECT_EQ(status, 0) << "2: another database, 3: not read-only, 4: not said, 5: not readable";
}

// A killed writer's half-done change in the file: a read-only open (the command line's batch and
// roll of the database) undoes it when it may write, and says plainly what is wrong when not.
TEST(UserDatabaseRecovery, AReadOnlyOpenAfterAKilledWriterUndoesItsHalfDoneWrite) {
    {
        UserFolder f;
        LeaveHalfDoneWrite(f.user);
        std::string error;
        auto db = BlazonDatabase::Open(f.user, OpenMode::ReadOnly, &error);
        ASSERT_TRUE(db) << error;
        EXPECT_EQ(db->Main().RecordCount(), 8);
        db.reset();
        EXPECT_EQ(f.OwnEntries(), f.ownBefore);
        EXPECT_EQ(test::Query(f.user, "PRAGMA integrity_check"), "ok");
    }
    {
        UserFolder f;
        LeaveHalfDoneWrite(f.user);
        ProtectFolder(f, false);
        const int status = AsOrdinaryUser([&] {
            std::string error;
            if (BlazonDatabase::Open(f.user, OpenMode::ReadOnly, &error)) return 2;
            if (error.find("stopped part way through writing") == std::string::npos) return 3;
            if (error.find(f.user + "-journal") == std::string::npos) return 4;
            // The window's start says the same, and shows the shipped entries meanwhile.
            const UserDatabase u = PrepareUserDatabase(f.shipped, f.userDir);
            if (u.path != f.shipped || !u.readOnly || !u.setAside.empty()) return 5;
            return u.notes.size() == 2 && u.notes[0].find("stopped part way through writing") != std::string::npos ? 0 : 6;
        });
        Unprotect(f);
        EXPECT_EQ(status, 0) << "2: opened, 3 and 4: not said plainly, 5: not the shipped entries, 6: start not plain";
        EXPECT_GT(SizeOf(f.user + "-journal"), 0);  // left for one who may write
        f.ExpectNextStartKeepsEverything(f.countBefore);
    }
}

TEST(UserDatabaseRecovery, TwoCopiesStartingTogetherOnAFirstRunMakeOneCompleteDatabase) {
    constexpr int kRounds = 8, kCopies = 3, kShippedRows = 3000;
    std::vector<test::BlazonRow> rows;
    for (int i = 0; i < kShippedRows; ++i) rows.push_back({"Name" + std::to_string(i), 1, "Argent a chief gules", "T"});
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        test::TempDir dir;
        const std::string shipped = dir.Path("shipped.db"), userDir = dir.Path("user");
        test::WriteBlazonDatabase(shipped, rows, true);
        // Every copy waits at the same gate, which opens for all of them at once.
        int gate[2];
        ASSERT_EQ(::pipe(gate), 0);
        std::vector<std::unique_ptr<test::ChildProcess>> copies;
        for (int i = 0; i < kCopies; ++i) {
            copies.push_back(std::make_unique<test::ChildProcess>([&](const test::ParentLine&) {
                ::close(gate[1]);
                char c;
                (void)::read(gate[0], &c, 1);
                const UserDatabase u = PrepareUserDatabase(shipped, userDir);
                if (u.path != userDir + "/escaval1.db" || u.readOnly || !u.notes.empty()) return 2;
                auto db = BlazonDatabase::Open(u.path, OpenMode::ReadWrite, nullptr);
                if (!db || db->Main().RecordCount() != kShippedRows) return 3;
                return 0;
            }));
        }
        ::close(gate[0]);
        ::close(gate[1]);  // the gate opens
        for (int i = 0; i < kCopies; ++i) EXPECT_EQ(copies[static_cast<std::size_t>(i)]->ExitCode(), 0) << "copy " << i;
        const std::string user = userDir + "/escaval1.db";
        EXPECT_EQ(test::Query(user, "SELECT count(*) FROM escaval1"), std::to_string(kShippedRows));
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(userDir)) names.push_back(e.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"escaval1.db"});  // no temporary file is left behind
    }
}

}  // namespace
}  // namespace esc::db
