// `escaval salvage` as a user runs it on a set-aside database: a new database with what could be
// read, the counts said, the damaged file only read, and no file ever replaced.

#include <sqlite3.h>

#include "database/BlazonSchema.h"
#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace {

namespace fs = std::filesystem;

std::string Count(const fs::path& path, const std::string& where) {
    sqlite3* db = nullptr;
    std::string out;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, ("SELECT count(*) FROM escaval1 " + where).c_str(), -1, &st, nullptr) == SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW)
        out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

TEST_F(CommandLine, SalvageReadsADamagedDatabaseIntoANewOne) {
    const fs::path damaged = dir / "escaval1.db.damaged-20261210-050000", salvaged = dir / "salvaged.db";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(damaged.c_str(), &db), SQLITE_OK);
    const std::string make = std::string(db::kCreateBlazonTableSql) +
                             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                             " INSERT INTO escaval1 SELECT 'Name' || i, 1, 'Argent a chief gules', 'T' FROM n;"
                             "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300)"
                             " INSERT INTO escaval1 SELECT 'Own' || i, 0, 'Azure a bend or', 'A' FROM n;";
    ASSERT_EQ(sqlite3_exec(db, make.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    // The disk lost the file's last page: SQLite itself refuses every query.
    fs::resize_file(damaged, fs::file_size(damaged) - 4096);
    EXPECT_EQ(Count(damaged, ""), "");
    const std::string before = Slurp(damaged);

    const Outcome r = Escaval("salvage -o '" + salvaged.string() + "' '" + damaged.string() + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string all = Count(salvaged, ""), own = Count(salvaged, "WHERE Origin = 'A'");
    EXPECT_GE(std::stoi(all), 2000);
    EXPECT_GE(std::stoi(own), 250);
    EXPECT_EQ(r.out, all + " entries read from '" + damaged.string() + "' (" + own + " of your own) and written to '" +
                         salvaged.string() + "'; '" + damaged.string() + "' is left as it is\n");
    EXPECT_EQ(Slurp(damaged), before);

    // Never over a file that exists, and nothing from a file that is not there or holds nothing.
    const std::string first = Slurp(salvaged);
    const Outcome again = Escaval("salvage -o '" + salvaged.string() + "' '" + damaged.string() + "'");
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "escaval: '" + salvaged.string() + "' exists already; name a new file with -o\n");
    EXPECT_EQ(Slurp(salvaged), first);
    const Outcome missing = Escaval("salvage -o '" + (dir / "x.db").string() + "' '" + (dir / "none.db").string() + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no such file"), std::string::npos) << missing.err;
    std::ofstream(dir / "text.db") << "not a database at all";
    const Outcome nothing = Escaval("salvage -o '" + (dir / "x.db").string() + "' '" + (dir / "text.db").string() + "'");
    EXPECT_EQ(nothing.status, 1);
    EXPECT_NE(nothing.err.find("no entry could be read"), std::string::npos) << nothing.err;
    EXPECT_FALSE(fs::exists(dir / "x.db"));
    EXPECT_EQ(Escaval("salvage").status, 2);  // no file named
}

}  // namespace
}  // namespace esc::test
