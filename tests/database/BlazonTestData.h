#pragma once
// Small blazon databases for the database tests.

#include <sqlite3.h>

#include <string>
#include <vector>

#include "database/BlazonSchema.h"
#include "database/UserDatabase.h"

namespace esc::test {

struct BlazonRow {
    std::string surname;
    int id = 0;
    std::string blazon;
    std::string origin;
};

// Writes a blazon database at `path` with `rows`; `shipped` also records the digest that the
// generator records in the shipped database.
inline void WriteBlazonDatabase(const std::string& path, const std::vector<BlazonRow>& rows, bool shipped = false) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, (std::string(db::kCreateBlazonTableSql) + db::kCreateInfoTableSql + "BEGIN").c_str(), nullptr, nullptr, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO escaval1 VALUES (?, ?, ?, ?)", -1, &st, nullptr);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const BlazonRow& r : rows) {
        sqlite3_reset(st);
        sqlite3_bind_text(st, 1, r.surname.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(st, 2, r.id);
        sqlite3_bind_text(st, 3, r.blazon.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, r.origin.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(st);
        pairs.emplace_back(r.surname, r.blazon);
    }
    sqlite3_finalize(st);
    if (shipped) {
        const std::string sql = "INSERT INTO escaval_info VALUES ('armorial_digest', '" + db::EntriesDigest(pairs) + "')";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// Runs one statement on the database at `path`; returns the first column of the first row.
inline std::string Query(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* st = nullptr;
    std::string out;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW) {
        const unsigned char* t = sqlite3_column_text(st, 0);
        out = t ? reinterpret_cast<const char*>(t) : "";
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

// Eight entries, in surname order: two of them without a blazon, one added by the user.
inline const std::vector<BlazonRow>& SampleRows() {
    static const std::vector<BlazonRow> rows = {
        {"Percy", 1, "Or a lion rampant azure", "T"},
        {"abbot", 1, "Gules a chevron between three pears or", "T"},
        {"Neville", 1, "Gules a saltire argent", "T"},
        {"Blank", 1, "", "T"},
        {"Smith", 0, "Azure a fess or", "A"},
        {"Nevill", 2, "Gules a saltire argent a label of three points", "T"},
        {"Empty", 0, "", "A"},
        {"Howard", 1, "Gules a bend between six crosslets fitchy argent", "T"},
    };
    return rows;
}

}  // namespace esc::test
