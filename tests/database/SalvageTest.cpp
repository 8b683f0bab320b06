// Salvage of a real user database, damaged as a failing disk damages one: cut short at several
// places, and single pages overwritten (a page of rows, the table's top page, the file's first
// page with the schema). What comes back is compared with what a reader that asks for the rows
// one rowid at a time still gets.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <tuple>

#include "database/BlazonDatabase.h"
#include "database/Salvage.h"
#include "database/UserDatabase.h"
#include "tests/database/BlazonTestData.h"
#include "tests/database/TempDir.h"

namespace esc::db {
namespace {
namespace fs = std::filesystem;

constexpr int kRealShipped = 2000, kRealOwn = 500, kRealPageSize = 4096;

std::string ContentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A user database as the program makes it: the shipped entries taken in at the first start,
// then the user's own entries imported.
struct RealDatabase {
    test::TempDir dir;
    std::string shipped = dir.Path("shipped.db");
    std::string userDir = dir.Path("user");
    std::string user = userDir + "/escaval1.db";
    std::set<std::tuple<std::string, std::string, std::string>> entries;  // surname, blazon, origin

    RealDatabase() {
        std::vector<test::BlazonRow> rows;
        for (int i = 0; i < kRealShipped; ++i) {
            const std::string n = std::to_string(i);
            rows.push_back({"Shipped" + n, 1, "Argent a chevron between three roundels gules " + n, "T"});
            entries.insert({rows.back().surname, rows.back().blazon, "T"});
        }
        test::WriteBlazonDatabase(shipped, rows, true);
        EXPECT_EQ(PrepareUserDatabase(shipped, userDir).path, user);
        std::vector<ImportEntry> own;
        for (int i = 0; i < kRealOwn; ++i) {
            own.push_back({"Own" + std::to_string(i), "Azure a bend or between two mullets argent " + std::to_string(i), i + 1});
            entries.insert({own.back().surname, own.back().blazon, "A"});
        }
        auto db = BlazonDatabase::Open(user, OpenMode::ReadWrite, nullptr);
        EXPECT_TRUE(db && db->Import(own, nullptr));
    }
    long PageOf(const std::string& sql) const { return std::stol(test::Query(user, sql)); }
};

// The user's own entries, and all entries, that a reader asking for one rowid at a time gets,
// the schema read with its checks off.
std::pair<int, int> RowByRow(const std::string& path, long long lastRowid) {
    sqlite3* db = nullptr;
    int own = 0, all = 0;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_exec(db, "PRAGMA writable_schema = ON", nullptr, nullptr, nullptr);
        sqlite3_stmt* st = nullptr;
        const char* sql = "SELECT Origin FROM escaval1 WHERE rowid = ? AND (Surname <> '' OR Blazon <> '')";
        if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK) {
            for (long long rowid = 1; rowid <= lastRowid; ++rowid) {
                sqlite3_reset(st);
                sqlite3_bind_int64(st, 1, rowid);
                if (sqlite3_step(st) != SQLITE_ROW) continue;
                const unsigned char* origin = sqlite3_column_text(st, 0);
                ++all;
                own += origin && std::string(reinterpret_cast<const char*>(origin)) == "A";
            }
        }
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return {own, all};
}

void Overwrite(const std::string& path, long page) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((page - 1) * kRealPageSize);
    const std::string junk(kRealPageSize, '\xA5');
    file.write(junk.data(), kRealPageSize);
}

TEST(Salvage, RowsComeBackFromCutAndOverwrittenFiles) {
    RealDatabase r;
    ASSERT_EQ(test::Query(r.user, "PRAGMA page_size"), std::to_string(kRealPageSize));
    const long long size = static_cast<long long>(fs::file_size(r.user));
    const long pages = static_cast<long>(size / kRealPageSize);
    const long leaf =
        r.PageOf("SELECT pageno FROM dbstat WHERE name = 'escaval1' AND pagetype = 'leaf' ORDER BY pageno DESC LIMIT 1 OFFSET 3");
    const int onLeaf = std::stoi(test::Query(r.user, "SELECT ncell FROM dbstat WHERE pageno = " + std::to_string(leaf)));
    const long root = r.PageOf("SELECT rootpage FROM sqlite_master WHERE name = 'escaval1'");
    ASSERT_EQ(test::Query(r.user, "SELECT pagetype FROM dbstat WHERE pageno = " + std::to_string(root)), "internal");
    const long long lastRowid = std::stoll(test::Query(r.user, "SELECT max(rowid) FROM escaval1"));
    const std::string intact = ContentsOf(r.user);

    struct Case {
        std::string name;
        long long keepBytes;  // the file is cut to this many bytes; 0: not cut
        long page;            // the page overwritten; 0: none
        int atLeast;          // of the user's own entries
    };
    const Case cases[] = {
        {"the last page cut", size - kRealPageSize, 0, 0},
        {"cut to 90%", size * 9 / 10 / kRealPageSize * kRealPageSize, 0, 0},
        {"cut to 70%", size * 7 / 10 / kRealPageSize * kRealPageSize, 0, 0},
        {"cut to 40%", size * 4 / 10 / kRealPageSize * kRealPageSize, 0, 0},
        {"cut inside a page", size - kRealPageSize * 3 / 2, 0, 0},
        {"a page of rows overwritten", 0, leaf, kRealOwn - onLeaf},
        {"the table's top page overwritten", 0, root, kRealOwn},
        {"the first page, with the schema, overwritten", 0, 1, kRealOwn},
    };
    std::printf("%d own entries, %d shipped, %ld pages\n", kRealOwn, kRealShipped, pages);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string damaged = r.dir.Path("damaged.db");
        std::ofstream(damaged, std::ios::binary) << intact;
        if (c.keepBytes) fs::resize_file(damaged, static_cast<std::uintmax_t>(c.keepBytes));
        if (c.page) Overwrite(damaged, c.page);
        const std::string before = ContentsOf(damaged);
        const auto [rowByRow, allRowByRow] = RowByRow(damaged, lastRowid);
        const std::vector<SalvagedRow> rows = SalvageBlazonRows(damaged);
        const int own = CountOwnRows(rows);
        std::printf("  %-46s row by row %3d own (%4d in all), salvaged %3d own (%4zu in all)\n", c.name.c_str(), rowByRow,
                    allRowByRow, own, rows.size());
        // At least nine in ten of what the row by row reader gets (it also takes a row cut short
        // by the end of the file, which the salvage leaves out).
        EXPECT_GE(own * 10, rowByRow * 9);
        EXPECT_GE(static_cast<int>(rows.size()) * 10, allRowByRow * 9);
        EXPECT_GE(own, c.atLeast);
        EXPECT_GT(rows.size(), 0u);
        // Only entries the user had come back, each once.
        std::set<std::tuple<std::string, std::string, std::string>> seen;
        for (const SalvagedRow& row : rows) {
            const std::tuple<std::string, std::string, std::string> entry{row.surname, row.blazon, row.origin};
            EXPECT_TRUE(r.entries.count(entry)) << "[" << row.surname << "] [" << row.blazon << "] [" << row.origin << "]";
            EXPECT_TRUE(seen.insert(entry).second) << row.surname;
        }
        EXPECT_EQ(ContentsOf(damaged), before);  // the damaged file is read, never written
    }
}

// Deleted entries stay deleted: the pages they were on are on the file's list of free pages,
// which the page by page reading leaves out. (SQLite as shipped here clears what it deletes;
// the database may have been written by one that does not.)
TEST(Salvage, DeletedEntriesDoNotComeBack) {
    RealDatabase r;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(r.user.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA secure_delete = OFF; DELETE FROM escaval1 WHERE Surname >= 'Own1' AND Surname < 'Own4'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    ASSERT_NE(test::Query(r.user, "PRAGMA freelist_count"), "0");
    const int kept = std::stoi(test::Query(r.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'A'"));
    Overwrite(r.user, r.PageOf("SELECT rootpage FROM sqlite_master WHERE name = 'escaval1'"));
    const std::vector<SalvagedRow> rows = SalvageBlazonRows(r.user);
    for (const SalvagedRow& row : rows) EXPECT_FALSE(row.surname >= "Own1" && row.surname < "Own4") << row.surname;
    EXPECT_EQ(CountOwnRows(rows), kept);
}

// The start of the window on a database with its last page cut: set aside untouched, and the
// user told how many of the own entries came back.
TEST(Salvage, TheWindowsStartTellsHowManyOwnEntriesCameBack) {
    RealDatabase r;
    const long long lastRowid = std::stoll(test::Query(r.user, "SELECT max(rowid) FROM escaval1"));
    fs::resize_file(r.user, fs::file_size(r.user) - kRealPageSize);
    const std::string damaged = ContentsOf(r.user);
    const int rowByRow = RowByRow(r.user, lastRowid).first;
    ASSERT_GT(rowByRow, 0);
    const UserDatabase u = PrepareUserDatabase(r.shipped, r.userDir);
    EXPECT_EQ(u.path, r.user);
    EXPECT_FALSE(u.setAside.empty());
    EXPECT_EQ(ContentsOf(u.setAside), damaged);
    EXPECT_GE(u.recoveredOwn * 10, rowByRow * 9);
    EXPECT_EQ(test::Query(r.user, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(test::Query(r.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'A'"), std::to_string(u.recoveredOwn));
    EXPECT_EQ(test::Query(r.user, "SELECT count(*) FROM escaval1 WHERE Origin = 'T'"), std::to_string(kRealShipped));
    ASSERT_FALSE(u.notes.empty());
    EXPECT_NE(u.notes[0].find(std::to_string(u.recoveredOwn) + " of your own"), std::string::npos) << u.notes[0];
    EXPECT_NE(u.notes[0].find("kept as '" + u.setAside + "'"), std::string::npos) << u.notes[0];
    std::printf("last page cut at start: row by row %d, salvaged %d own\n", rowByRow, u.recoveredOwn);
}

// A sound database written from the salvaged rows, never over a file that exists.
TEST(Salvage, WritesANewDatabaseAndReplacesNothing) {
    RealDatabase r;
    fs::resize_file(r.user, fs::file_size(r.user) - kRealPageSize);
    const std::vector<SalvagedRow> rows = SalvageBlazonRows(r.user);
    const std::string out = r.dir.Path("salvaged.db");
    std::string error;
    ASSERT_EQ(WriteSalvagedDatabase(out, rows, &error), InstallResult::Installed) << error;
    EXPECT_EQ(test::Query(out, "PRAGMA integrity_check"), "ok");
    EXPECT_EQ(test::Query(out, "SELECT count(*) FROM escaval1"), std::to_string(rows.size()));
    EXPECT_EQ(test::Query(out, "SELECT count(*) FROM escaval1 WHERE Origin = 'A'"), std::to_string(CountOwnRows(rows)));
    const std::string first = ContentsOf(out);
    EXPECT_EQ(WriteSalvagedDatabase(out, {}, &error), InstallResult::TargetExists);
    EXPECT_EQ(ContentsOf(out), first);
    for (const auto& e : fs::directory_iterator(r.dir.Path()))
        EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
}

}  // namespace
}  // namespace esc::db
