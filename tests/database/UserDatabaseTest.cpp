#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/BlazonDatabase.h"
#include "database/SafeFiles.h"
#include "database/UserDatabase.h"
#include "tests/database/BlazonTestData.h"
#include "tests/database/TempDir.h"

namespace esc::db {
namespace {
namespace fs = std::filesystem;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::vector<test::BlazonRow> kVersion1 = {
    {"Percy", 1, "Or a lion rampant azure", "T"},
    {"Neville", 1, "Gules a saltire argent", "T"},
    {"Howard", 1, "Gules a bend between six crosslets fitchy argent", "T"},
};

std::vector<test::BlazonRow> Version2() {
    std::vector<test::BlazonRow> rows = kVersion1;
    rows.push_back({"Grey", 1, "Barry of six argent and azure", "T"});
    rows.push_back({"Grey", 2, "Gules a lion rampant within a bordure engrailed argent", "T"});
    return rows;
}

struct Folders {
    test::TempDir dir;
    std::string shipped = dir.Path("shipped.db");
    std::string userDir = dir.Path("user/escaval");
    std::string user = userDir + "/escaval1.db";
};

TEST(UserDatabase, FirstRunCopiesTheShippedEntriesAndLeavesTheShippedFileAlone) {
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    const std::string before = FileBytes(s.shipped);
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.path, s.user);
    EXPECT_FALSE(u.readOnly);
    EXPECT_TRUE(u.notes.empty());
    EXPECT_EQ(u.shippedAdded, 3);
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'T'"), "3");
    EXPECT_EQ(FileBytes(s.shipped), before);
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(s.userDir)) files.push_back(e.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"escaval1.db"});  // no temporary file is left
    // Opened again with the same shipped file, nothing changes.
    EXPECT_EQ(PrepareUserDatabase(s.shipped, s.userDir).shippedAdded, 0);
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1"), "3");
}

// A start killed while it made the database leaves a temporary file and its journal; the next
// start clears them, whether or not the database exists by then. Not while another copy holds
// the folder (it may be making its database now), and nothing of another name.
TEST(UserDatabase, AStartRemovesTheTemporaryFilesOfKilledStarts) {
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    PrepareUserDatabase(s.shipped, s.userDir);
    const std::string leftover = s.user + ".tmp-AbC123", journal = leftover + "-journal";
    const std::string others[] = {s.userDir + "/notes.db.tmp-AbC123", s.user + ".damaged-20260101-000000", s.user + ".tmp"};
    for (const std::string& path : {leftover, journal}) std::ofstream(path) << "half made";
    for (const std::string& path : others) std::ofstream(path) << "not the program's";
    {
        FolderLock anotherCopy(s.userDir, std::chrono::milliseconds(0));
        ASSERT_TRUE(anotherCopy.Held());
        EXPECT_EQ(PrepareUserDatabase(s.shipped, s.userDir).path, s.user);
        EXPECT_TRUE(fs::exists(leftover));
        EXPECT_TRUE(fs::exists(journal));
    }
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.path, s.user);
    EXPECT_TRUE(u.notes.empty());
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_FALSE(fs::exists(journal));
    for (const std::string& path : others) EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1"), "3");
}

TEST(UserDatabase, ANewVersionAddsOnlyNewShippedEntriesAndKeepsTheUsersOwn) {
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    PrepareUserDatabase(s.shipped, s.userDir);
    {
        auto db = BlazonDatabase::Open(s.user, OpenMode::ReadWrite, nullptr);
        ASSERT_TRUE(db);
        ASSERT_TRUE(db->Add("Smith", "Azure a fess or", nullptr));
        db->LookUp("Percy");
        ASSERT_TRUE(db->Main().DeleteCurrent());                                     // the user deletes a shipped entry
        db->LookUp("Neville");
        ASSERT_TRUE(db->Main().UpdateCurrent({{"Blazon", "Gules a saltire or"}}));  // and corrects another
    }
    test::WriteBlazonDatabase(s.shipped + ".2", Version2(), true);
    fs::rename(s.shipped + ".2", s.shipped);
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.shippedAdded, 2);
    EXPECT_EQ(test::Query(s.user, "SELECT group_concat(Surname || ':' || Origin, ',') FROM "
                                  "(SELECT * FROM escaval1 ORDER BY Surname, Id)"),
              "Grey:T,Grey:T,Howard:T,Neville:T,Smith:A");
    EXPECT_EQ(test::Query(s.user, "SELECT Blazon FROM escaval1 WHERE Surname = 'Neville'"), "Gules a saltire or");
}

std::vector<std::string> AsideFiles(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().filename().string().rfind("escaval1.db.damaged-", 0) == 0) out.push_back(e.path().string());
    return out;
}

TEST(UserDatabase, AFileThatIsNotADatabaseIsKeptAsideAndReplaced) {
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    fs::create_directories(s.userDir);
    const std::string garbage = "SQLite format 3, or so it says; the rest is lost";
    std::ofstream(s.user, std::ios::binary) << garbage;
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.path, s.user);
    EXPECT_FALSE(u.readOnly);
    EXPECT_EQ(u.recovered, 0);
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1"), "3");
    const auto aside = AsideFiles(s.userDir);
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(u.setAside, aside[0]);
    EXPECT_EQ(FileBytes(aside[0]), garbage);  // nothing the user had is thrown away
    ASSERT_EQ(u.notes.size(), 1u);
    EXPECT_NE(u.notes[0].find("was damaged"), std::string::npos);
    EXPECT_NE(u.notes[0].find(aside[0]), std::string::npos) << "the user is told where the old file is";
    EXPECT_NE(u.notes[0].find("escaval salvage"), std::string::npos);
}

// A page of the table overwritten: the check fails, the file is set aside untouched, and every
// entry on the other pages comes back.
TEST(UserDatabase, EveryEntryOffTheDamagedPageIsSalvaged) {
    constexpr int kOwnRows = 3000, kPageSize = 4096;
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    PrepareUserDatabase(s.shipped, s.userDir);
    test::Query(s.user, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(kOwnRows) +
                            ") INSERT INTO escaval1 SELECT 'Own' || i, 0, 'Azure a bend or', 'A' FROM n");
    ASSERT_EQ(test::Query(s.user, "PRAGMA page_size"), std::to_string(kPageSize));
    // A leaf page in the middle of the table, and how many entries it holds.
    const std::string leaf = "FROM dbstat WHERE name = 'escaval1' AND pagetype = 'leaf' ORDER BY pageno LIMIT 1 OFFSET 10";
    const long page = std::stol(test::Query(s.user, "SELECT pageno " + leaf));
    const int onPage = std::stoi(test::Query(s.user, "SELECT ncell " + leaf));
    ASSERT_GT(onPage, 10);
    {
        std::fstream file(s.user, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp((page - 1) * kPageSize);
        const std::string junk(kPageSize, '\xFF');
        file.write(junk.data(), kPageSize);
    }
    const std::string damaged = FileBytes(s.user);
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.path, s.user);
    EXPECT_EQ(u.recoveredOwn, kOwnRows - onPage);
    EXPECT_EQ(u.recovered, kOwnRows - onPage + 3);
    EXPECT_EQ(u.shippedAdded, 0);  // the shipped entries were all read back
    EXPECT_EQ(test::Query(s.user, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'A'"), std::to_string(kOwnRows - onPage));
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'T'"), "3");
    ASSERT_EQ(AsideFiles(s.userDir).size(), 1u);
    EXPECT_EQ(FileBytes(u.setAside), damaged);
    ASSERT_FALSE(u.notes.empty());
    EXPECT_NE(u.notes[0].find(std::to_string(kOwnRows - onPage) + " of your own"), std::string::npos) << u.notes[0];
}

// A sound database that lacks what the program needs is mended where it is: nothing set aside.
TEST(UserDatabase, ASoundDatabaseMissingATableOrFieldIsRepairedInPlace) {
    struct Case {
        const char* name;
        const char* setup;
        const char* expected;  // Surname:Origin of every entry afterwards
        bool told;             // a missing index is made without a word
    };
    const Case cases[] = {
        {"an empty file", "", "Howard:T,Neville:T,Percy:T", true},
        {"another table only", "CREATE TABLE notes (Text TEXT); INSERT INTO notes VALUES ('keep me')", "Howard:T,Neville:T,Percy:T",
         true},
        {"no Id and no Origin",
         "CREATE TABLE escaval1 (Surname TEXT, Blazon TEXT);"
         "INSERT INTO escaval1 VALUES ('Smith', 'Azure a fess or'), ('Percy', 'Or a lion rampant azure')",
         "Howard:T,Neville:T,Percy:A,Percy:T,Smith:A", true},
        {"no index and no info tables",
         "CREATE TABLE escaval1 (Surname TEXT, Id INTEGER, Blazon TEXT, Origin TEXT);"
         "INSERT INTO escaval1 VALUES ('Smith', 0, 'Azure a fess or', 'A'), ('Percy', 1, 'Or a lion rampant azure', 'T')",
         "Howard:T,Neville:T,Percy:T,Smith:A", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folders s;
        test::WriteBlazonDatabase(s.shipped, kVersion1, true);
        fs::create_directories(s.userDir);
        std::ofstream(s.user, std::ios::binary).flush();
        if (*c.setup) {
            sqlite3* db = nullptr;
            sqlite3_open(s.user.c_str(), &db);
            ASSERT_EQ(sqlite3_exec(db, c.setup, nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(db);
        }
        const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
        EXPECT_EQ(u.path, s.user);
        EXPECT_FALSE(u.readOnly);
        EXPECT_EQ(u.repaired, c.told);
        EXPECT_TRUE(u.setAside.empty());
        EXPECT_TRUE(AsideFiles(s.userDir).empty());
        ASSERT_EQ(u.notes.size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_NE(u.notes[0].find("every entry kept"), std::string::npos);
        }
        EXPECT_EQ(test::Query(s.user, "SELECT group_concat(Surname || ':' || Origin, ',') FROM "
                                      "(SELECT * FROM escaval1 ORDER BY Surname, Origin)"),
                  c.expected);
        EXPECT_EQ(test::Query(s.user, "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'escaval1'"), "esvnme");
        if (std::string(c.name) == "another table only") {
            EXPECT_EQ(test::Query(s.user, "SELECT Text FROM notes"), "keep me");
        }
        auto db = BlazonDatabase::Open(u.path, OpenMode::ReadWrite, nullptr);
        ASSERT_TRUE(db);
        EXPECT_TRUE(db->Add("Smith", "Or", nullptr));
        // Once mended, the next start has nothing to say.
        EXPECT_TRUE(PrepareUserDatabase(s.shipped, s.userDir).notes.empty());
    }
}

TEST(UserDatabase, MissingShippedDatabaseGivesAnEmptyUserDatabase) {
    Folders s;
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.path, s.user);
    ASSERT_EQ(u.notes.size(), 1u);
    EXPECT_NE(u.notes[0].find("was not found"), std::string::npos);
    auto db = BlazonDatabase::Open(u.path, OpenMode::ReadWrite, nullptr);
    ASSERT_TRUE(db);
    EXPECT_TRUE(db->Add("Smith", "Or", nullptr));
}

TEST(UserDatabase, AFolderThatCannotBeMadeFallsBackToTheShippedEntriesReadOnly) {
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    const std::string blocked = s.dir.Write("file", "a file where the folder should be");
    const UserDatabase u = PrepareUserDatabase(s.shipped, blocked + "/escaval");
    EXPECT_EQ(u.path, s.shipped);
    EXPECT_TRUE(u.readOnly);
    EXPECT_EQ(u.notes.size(), 2u);
}

TEST(UserDatabase, AReadOnlyFileIsOpenedReadOnly) {
    if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    PrepareUserDatabase(s.shipped, s.userDir);
    fs::permissions(s.user, fs::perms::owner_read);
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_TRUE(u.readOnly);
    ASSERT_EQ(u.notes.size(), 1u);
    EXPECT_NE(u.notes[0].find("read-only"), std::string::npos);
    fs::permissions(s.user, fs::perms::owner_all);
}

TEST(ShippedArmorial, HoldsTheGeneratedEntries) {
    const std::string path = std::string(ESCAVAL_DATA_DIR "/escaval1.db");
    if (!fs::exists(path)) GTEST_SKIP() << "the armorial was not generated in this build";
    EXPECT_GE(std::stoi(test::Query(path, "SELECT count(*) FROM escaval1 WHERE Origin = 'T' AND Blazon <> ''")), 1000);
    EXPECT_EQ(test::Query(path, "SELECT count(*) FROM escaval1 WHERE length(Blazon) > 199 OR length(Surname) > 30"), "0");
    EXPECT_EQ(test::Query(path, "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'escaval1'"), "esvnme");
    EXPECT_EQ(test::Query(path, "SELECT count(*) FROM escaval1 WHERE Surname = 'GREY'"),
              test::Query(path, "SELECT count(*) FROM escaval1 WHERE Surname = 'Grey'"));
    auto db = BlazonDatabase::Open(path, OpenMode::ReadOnly, nullptr);
    ASSERT_TRUE(db);
    db->LookUp("Grey");
    EXPECT_EQ(db->Surname(), "Grey");
}

}  // namespace
}  // namespace esc::db
