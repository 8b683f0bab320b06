#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "database/BlazonDatabase.h"
#include "database/UserDatabase.h"
#include "tests/database/BlazonTestData.h"
#include "tests/database/TempDir.h"

namespace esc::db {
namespace {
namespace fs = std::filesystem;

std::string Bytes(const std::string& path) {
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
    const std::string before = Bytes(s.shipped);
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.path, s.user);
    EXPECT_FALSE(u.readOnly);
    EXPECT_TRUE(u.notes.empty());
    EXPECT_EQ(u.shippedAdded, 3);
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'T'"), "3");
    EXPECT_EQ(Bytes(s.shipped), before);
    EXPECT_FALSE(fs::exists(s.user + ".new"));
    // Opened again with the same shipped file, nothing changes.
    EXPECT_EQ(PrepareUserDatabase(s.shipped, s.userDir).shippedAdded, 0);
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

TEST(UserDatabase, ADamagedDatabaseIsKeptAsideAndReplaced) {
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    fs::create_directories(s.userDir);
    const std::string garbage = "SQLite format 3, or so it says; the rest is lost";
    std::ofstream(s.user, std::ios::binary) << garbage;
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    ASSERT_EQ(u.notes.size(), 1u);
    EXPECT_NE(u.notes[0].find("was damaged"), std::string::npos);
    EXPECT_EQ(u.path, s.user);
    EXPECT_EQ(test::Query(s.user, "SELECT count(*) FROM escaval1"), "3");
    int aside = 0;
    for (const auto& e : fs::directory_iterator(s.userDir)) {
        if (e.path().filename().string().rfind("escaval1.db.damaged-", 0) == 0) {
            ++aside;
            EXPECT_EQ(Bytes(e.path().string()), garbage);  // nothing the user had is thrown away
        }
    }
    EXPECT_EQ(aside, 1);
}

TEST(UserDatabase, EntriesOfATableWithoutIdAndOriginAreRecoveredAsTheUsers) {
    Folders s;
    test::WriteBlazonDatabase(s.shipped, kVersion1, true);
    fs::create_directories(s.userDir);
    test::Query(s.user, "CREATE TABLE escaval1 (Surname TEXT, Blazon TEXT)");
    test::Query(s.user, "INSERT INTO escaval1 VALUES ('Smith', 'Azure a fess or'), ('Percy', 'Or a lion rampant azure')");
    const UserDatabase u = PrepareUserDatabase(s.shipped, s.userDir);
    EXPECT_EQ(u.recovered, 2);
    EXPECT_EQ(test::Query(s.user, "SELECT group_concat(Surname || ':' || Origin, ',') FROM "
                                  "(SELECT * FROM escaval1 ORDER BY Surname, Origin)"),
              "Howard:T,Neville:T,Percy:A,Percy:T,Smith:A");
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
    const std::string path = std::string(ESCAVAL_DATA_DIR) + "/escaval1.db";
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
