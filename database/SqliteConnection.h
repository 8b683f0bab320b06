#pragma once
// One SQLite connection for the start-up work on the user's database: closed on every way out,
// with the result code of the last call kept so that "busy" is never mistaken for "damaged".

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace esc::db {

class Connection {
public:
    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection() { Close(); }

    // Opens `path` with `flags` (SQLITE_OPEN_URI is added); `busyTimeoutMs` is how long each
    // statement waits for another process's lock.
    bool Open(const std::string& path, int flags, int busyTimeoutMs) {
        Close();
        code_ = sqlite3_open_v2(path.c_str(), &db_, flags | SQLITE_OPEN_URI, nullptr);
        if (db_) {
            sqlite3_extended_result_codes(db_, 1);
            sqlite3_busy_timeout(db_, busyTimeoutMs);
        }
        return code_ == SQLITE_OK;
    }
    void Close() {
        if (db_) sqlite3_close(db_);
        db_ = nullptr;
    }
    bool Exec(const std::string& sql) {
        if (!db_) return false;
        code_ = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
        return code_ == SQLITE_OK;
    }
    // Every row's first column, or nullopt when the statement failed (Code() says how).
    std::optional<std::vector<std::string>> Column(const std::string& sql, const std::string& bind = {}) {
        if (!db_) return std::nullopt;
        sqlite3_stmt* st = nullptr;
        code_ = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr);
        if (code_ != SQLITE_OK) {
            sqlite3_finalize(st);
            return std::nullopt;
        }
        if (!bind.empty()) sqlite3_bind_text(st, 1, bind.c_str(), -1, SQLITE_TRANSIENT);
        std::vector<std::string> rows;
        while ((code_ = sqlite3_step(st)) == SQLITE_ROW) {
            const unsigned char* t = sqlite3_column_text(st, 0);
            rows.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
        }
        sqlite3_finalize(st);
        if (code_ != SQLITE_DONE) return std::nullopt;
        code_ = SQLITE_OK;
        return rows;
    }
    // The first column of the first row, or nullopt.
    std::optional<std::string> Text(const std::string& sql, const std::string& bind = {}) {
        const auto rows = Column(sql, bind);
        if (!rows || rows->empty()) return std::nullopt;
        return rows->front();
    }
    // The primary result code of the last call (SQLITE_BUSY, SQLITE_CORRUPT, ...).
    int Code() const { return code_ & 0xFF; }
    bool Busy() const { return Code() == SQLITE_BUSY || Code() == SQLITE_LOCKED; }
    std::string Error() const { return db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code_); }
    bool ReadOnly() const { return db_ && sqlite3_db_readonly(db_, "main") == 1; }
    sqlite3* Get() { return db_; }

private:
    sqlite3* db_ = nullptr;
    int code_ = SQLITE_OK;
};

// `text` as an SQL string literal.
inline std::string SqlString(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

// The URI that opens the file at `path` read-only, for sqlite3_open_v2 and ATTACH.
inline std::string ReadOnlyUri(const std::string& path) {
    std::string uri = "file:";
    for (char c : std::filesystem::absolute(path).string()) {
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

}  // namespace esc::db
