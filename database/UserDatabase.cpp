#include "database/UserDatabase.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "database/BlazonSchema.h"

namespace esc::db {
namespace fs = std::filesystem;
namespace {

// An open SQLite connection, closed on every way out.
class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { Close(); }

    bool Open(const std::string& path, int flags) {
        Close();
        const bool ok = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_URI, nullptr) == SQLITE_OK;
        if (db_) sqlite3_busy_timeout(db_, 2000);
        return ok;
    }
    void Close() {
        if (db_) sqlite3_close(db_);
        db_ = nullptr;
    }
    bool Exec(const std::string& sql) {
        return db_ && sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    std::string Error() const { return db_ ? sqlite3_errmsg(db_) : "out of memory"; }
    // The first column of the first row, or nullopt.
    std::optional<std::string> Text(const std::string& sql, const std::string& bind = {}) {
        sqlite3_stmt* st = nullptr;
        std::optional<std::string> out;
        if (db_ && sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
            if (!bind.empty()) sqlite3_bind_text(st, 1, bind.c_str(), -1, SQLITE_TRANSIENT);
            if (sqlite3_step(st) == SQLITE_ROW) {
                const unsigned char* t = sqlite3_column_text(st, 0);
                out = t ? reinterpret_cast<const char*>(t) : "";
            }
        }
        sqlite3_finalize(st);
        return out;
    }
    sqlite3* Get() { return db_; }

private:
    sqlite3* db_ = nullptr;
};

std::string SqlString(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

// The URI of a file opened read-only, for ATTACH.
std::string ReadOnlyUri(const std::string& path) {
    std::string uri = "file:";
    for (char c : fs::absolute(path).string()) {
        if (c == '%' || c == '?' || c == '#') {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            uri += hex;
        } else {
            uri += c;
        }
    }
    return uri + "?mode=ro";
}

bool IsUsableBlazonFile(const std::string& path) {
    Connection c;
    if (!c.Open(path, SQLITE_OPEN_READONLY)) return false;
    if (c.Text("PRAGMA quick_check") != std::optional<std::string>("ok")) return false;
    return c.Text("SELECT count(*) FROM pragma_table_info('escaval1') WHERE name IN ('Surname', 'Id', 'Blazon', 'Origin') COLLATE NOCASE") ==
           std::optional<std::string>("4");
}

struct Row {
    std::string surname, id, blazon, origin;
};

// Every row that can still be read from a damaged file, in file order.
std::vector<Row> Salvage(const std::string& path) {
    std::vector<Row> rows;
    Connection c;
    if (!c.Open(path, SQLITE_OPEN_READONLY)) return rows;
    for (const char* sql : {"SELECT Surname, Id, Blazon, Origin FROM escaval1", "SELECT Surname, 0, Blazon, 'A' FROM escaval1"}) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(c.Get(), sql, -1, &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            continue;
        }
        const auto text = [&](int i) {
            const unsigned char* t = sqlite3_column_text(st, i);
            return std::string(t ? reinterpret_cast<const char*>(t) : "");
        };
        while (sqlite3_step(st) == SQLITE_ROW) rows.push_back({text(0), text(1), text(2), text(3)});
        sqlite3_finalize(st);
        break;
    }
    return rows;
}

// Adds to the open database every shipped entry it was not offered before, and records the
// shipped digest. One transaction: all of it or none of it.
bool TakeInShipped(Connection& c, const std::string& shippedPath, int& added) {
    added = 0;
    if (!c.Exec(std::string(kCreateInfoTableSql) + kCreateShippedTableSql)) return false;
    if (shippedPath.empty() || !IsUsableBlazonFile(shippedPath)) return true;
    if (!c.Exec("ATTACH DATABASE " + SqlString(ReadOnlyUri(shippedPath)) + " AS shipped")) return false;
    bool ok = true;
    const auto digest = c.Text("SELECT Value FROM shipped.escaval_info WHERE Key = ?", std::string(kArmorialDigestKey));
    const auto merged = c.Text("SELECT Value FROM escaval_info WHERE Key = ?", std::string(kMergedDigestKey));
    if (!digest || digest != merged) {
        ok = c.Exec("BEGIN IMMEDIATE");
        // A database made before the program remembered its shipped entries: what it holds
        // with Origin 'T' counts as offered.
        ok = ok && c.Exec("INSERT OR IGNORE INTO shipped_entries SELECT Surname, Blazon FROM escaval1 WHERE Origin = 'T'"
                          " AND NOT EXISTS (SELECT 1 FROM escaval_info WHERE Key = 'merged_digest')");
        ok = ok && c.Exec("INSERT INTO escaval1 (Surname, Id, Blazon, Origin)"
                          " SELECT s.Surname, s.Id, s.Blazon, 'T' FROM shipped.escaval1 AS s WHERE NOT EXISTS"
                          " (SELECT 1 FROM shipped_entries AS o WHERE o.Surname = s.Surname AND o.Blazon = s.Blazon)"
                          " ORDER BY s.rowid");
        if (ok) added = sqlite3_changes(c.Get());
        ok = ok && c.Exec("INSERT OR IGNORE INTO shipped_entries SELECT Surname, Blazon FROM shipped.escaval1");
        ok = ok && c.Exec("INSERT OR REPLACE INTO escaval_info VALUES ('merged_digest', " + SqlString(digest.value_or("")) + ")");
        ok = ok && c.Exec("COMMIT");
        if (!ok) {
            c.Exec("ROLLBACK");
            added = 0;
        }
    }
    c.Exec("DETACH DATABASE shipped");
    return ok;
}

// Builds a new user database at `target` from `salvaged` rows and the shipped entries: written
// to a file beside it and renamed into place, so `target` is either absent or complete.
bool CreateUserDatabase(const std::string& target, const std::string& shippedPath, const std::vector<Row>& salvaged,
                        int& added, std::string& error) {
    const std::string temporary = target + ".new";
    std::error_code ec;
    fs::remove(temporary, ec);
    {
        Connection c;
        bool ok = c.Open(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
        ok = ok && c.Exec(std::string(kCreateBlazonTableSql) + kCreateInfoTableSql + kCreateShippedTableSql);
        if (ok && !salvaged.empty()) {
            ok = c.Exec("BEGIN");
            sqlite3_stmt* st = nullptr;
            ok = ok && sqlite3_prepare_v2(c.Get(), "INSERT INTO escaval1 VALUES (?, ?, ?, ?)", -1, &st, nullptr) == SQLITE_OK;
            for (std::size_t i = 0; ok && i < salvaged.size(); ++i) {
                const Row& r = salvaged[i];
                sqlite3_reset(st);
                sqlite3_bind_text(st, 1, r.surname.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int64(st, 2, std::strtoll(r.id.c_str(), nullptr, 10));
                sqlite3_bind_text(st, 3, r.blazon.c_str(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(st, 4, r.origin.c_str(), -1, SQLITE_TRANSIENT);
                ok = sqlite3_step(st) == SQLITE_DONE;
            }
            sqlite3_finalize(st);
            // The salvaged shipped entries are offered already; the missing ones come back.
            ok = ok && c.Exec("INSERT OR IGNORE INTO shipped_entries SELECT Surname, Blazon FROM escaval1 WHERE Origin = 'T'");
            ok = ok && c.Exec("INSERT INTO escaval_info VALUES ('merged_digest', '')");
            ok = ok && c.Exec("COMMIT");
        }
        ok = ok && TakeInShipped(c, shippedPath, added);
        if (!ok) {
            error = c.Error();
            c.Close();
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        error = ec.message();
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

std::string AsideName(const std::string& path) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
    std::string name = path + ".damaged-" + stamp;
    std::error_code ec;
    for (int n = 2; fs::exists(name, ec); ++n) name = path + ".damaged-" + stamp + "-" + std::to_string(n);
    return name;
}

}  // namespace

std::string EntriesDigest(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::uint64_t h = 14695981039346656037ull;
    const auto mix = [&h](std::string_view s) {
        for (unsigned char c : s) {
            h ^= c;
            h *= 1099511628211ull;
        }
    };
    for (const auto& [surname, blazon] : entries) {
        mix(surname);
        mix("\t");
        mix(blazon);
        mix("\n");
    }
    char out[17];
    std::snprintf(out, sizeof out, "%016llx", static_cast<unsigned long long>(h));
    return out;
}

UserDatabase PrepareUserDatabase(const std::string& shippedPath, const std::string& userDir) {
    UserDatabase result;
    std::error_code ec;
    const bool haveShipped = fs::exists(shippedPath, ec);
    fs::create_directories(userDir, ec);
    const std::string userPath = (fs::path(userDir) / kBlazonFileName).string();
    if (ec || !fs::is_directory(userDir, ec)) {
        result.notes.push_back("Cannot make the folder '" + userDir + "' for your blazon database" +
                               (ec ? ": " + ec.message() : std::string()) + ".");
        if (haveShipped) {
            result.path = shippedPath;
            result.readOnly = true;
            result.notes.push_back("The shipped entries are shown; entries cannot be added.");
        }
        return result;
    }
    if (!haveShipped) result.notes.push_back("The shipped blazon database '" + shippedPath + "' was not found.");

    std::string error;
    if (!fs::exists(userPath, ec)) {
        if (CreateUserDatabase(userPath, shippedPath, {}, result.shippedAdded, error)) {
            result.path = userPath;
        } else {
            result.notes.push_back("Cannot make your blazon database '" + userPath + "': " + error);
            if (haveShipped) result.path = shippedPath, result.readOnly = true;
        }
        return result;
    }

    if (!IsUsableBlazonFile(userPath)) {
        // Keep the damaged file, whatever it holds, and start again from what can be read.
        const std::string aside = AsideName(userPath);
        fs::rename(userPath, aside, ec);
        if (ec) {
            result.notes.push_back("Your blazon database '" + userPath + "' is damaged and cannot be set aside: " + ec.message());
            if (haveShipped) result.path = shippedPath, result.readOnly = true;
            return result;
        }
        for (const char* suffix : {"-journal", "-wal", "-shm"}) fs::rename(userPath + suffix, aside + suffix, ec);
        const std::vector<Row> rows = Salvage(aside);
        result.recovered = static_cast<int>(rows.size());
        if (!CreateUserDatabase(userPath, shippedPath, rows, result.shippedAdded, error)) {
            result.notes.push_back("Cannot make your blazon database '" + userPath + "': " + error);
            if (haveShipped) result.path = shippedPath, result.readOnly = true;
            return result;
        }
        result.path = userPath;
        result.notes.push_back("Your blazon database was damaged. It has been kept as '" + aside + "', and a new one made with the " +
                               std::to_string(result.recovered) + " entries that could be read from it.");
        return result;
    }

    result.path = userPath;
    Connection c;
    if (!c.Open(userPath, SQLITE_OPEN_READWRITE) || sqlite3_db_readonly(c.Get(), "main") == 1) {
        result.readOnly = true;
        result.notes.push_back("Your blazon database '" + userPath + "' is read-only: entries cannot be added or changed.");
        return result;
    }
    if (!TakeInShipped(c, shippedPath, result.shippedAdded))
        result.notes.push_back("The new shipped entries could not be added to your blazon database: " + c.Error());
    return result;
}

}  // namespace esc::db
