#include "database/Salvage.h"

#include <climits>
#include <optional>

#include "database/SqliteConnection.h"

namespace esc::db {
namespace {

// A damaged file is nobody else's any more: no reason to wait for locks.
constexpr int kSalvageBusyTimeoutMs = 200;

// The select list for the four fields, with a default for each one the table lacks.
std::optional<std::string> FieldList(Connection& c) {
    const auto names = c.Column("SELECT lower(name) FROM pragma_table_info('escaval1')");
    if (!names || names->empty()) return std::nullopt;
    const auto has = [&](const char* field) {
        for (const std::string& n : *names)
            if (n == field) return true;
        return false;
    };
    std::string list;
    list += has("surname") ? "Surname" : "''";
    list += has("id") ? ", Id" : ", 0";
    list += has("blazon") ? ", Blazon" : ", ''";
    list += has("origin") ? ", Origin" : ", 'A'";
    return list;
}

class Reader {
public:
    Reader(Connection& c, const std::string& fields) : c_(c) {
        sql_ = "SELECT rowid, " + fields + " FROM escaval1 WHERE rowid >= ?1 ORDER BY rowid";
    }

    // Reads rows from rowid `from` on until the end (true) or a damaged page (false); `next` is
    // the first rowid not yet read.
    bool ReadFrom(long long from, std::vector<SalvagedRow>& rows, long long& next) {
        next = from;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(c_.Get(), sql_.c_str(), -1, &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            return false;
        }
        sqlite3_bind_int64(st, 1, from);
        const auto text = [&](int i) {
            const unsigned char* t = sqlite3_column_text(st, i);
            return std::string(t ? reinterpret_cast<const char*>(t) : "");
        };
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            const long long rowid = sqlite3_column_int64(st, 0);
            rows.push_back({text(1), sqlite3_column_int64(st, 2), text(3), text(4)});
            if (rowid == LLONG_MAX) {
                rc = SQLITE_DONE;
                break;
            }
            next = rowid + 1;
        }
        sqlite3_finalize(st);
        return rc == SQLITE_DONE;
    }

    // Whether reading can start at `from`: the seek and the first row succeed.
    bool Readable(long long from) {
        sqlite3_stmt* st = nullptr;
        bool ok = sqlite3_prepare_v2(c_.Get(), (sql_ + " LIMIT 1").c_str(), -1, &st, nullptr) == SQLITE_OK;
        if (ok) {
            sqlite3_bind_int64(st, 1, from);
            const int rc = sqlite3_step(st);
            ok = rc == SQLITE_ROW || rc == SQLITE_DONE;
        }
        sqlite3_finalize(st);
        return ok;
    }

    // The first rowid past the damage at `bad` from which reading works again, or nullopt. The
    // steps double until a readable place is found, then a bisection comes back to the first
    // readable rowid, so the rows just past the damage are not skipped.
    std::optional<long long> FirstReadableAfter(long long bad) {
        long long step = 1;
        std::optional<long long> good;
        while (!good) {
            if (step > LLONG_MAX - bad) return std::nullopt;
            const long long at = bad + step;
            if (Readable(at)) good = at; else bad = at;
            if (step > LLONG_MAX / 2) return good;
            step *= 2;
        }
        while (*good - bad > 1) {
            const long long mid = bad + (*good - bad) / 2;
            if (Readable(mid)) good = mid; else bad = mid;
        }
        return good;
    }

private:
    Connection& c_;
    std::string sql_;
};

}  // namespace

std::vector<SalvagedRow> SalvageBlazonRows(const std::string& path) {
    std::vector<SalvagedRow> rows;
    Connection c;
    if (!c.Open(ReadOnlyUri(path), SQLITE_OPEN_READONLY, kSalvageBusyTimeoutMs)) return rows;
    const auto fields = FieldList(c);
    if (!fields) return rows;
    Reader reader(c, *fields);
    long long from = LLONG_MIN, next = LLONG_MIN;
    for (int holes = 0; holes <= kMaxSalvageHoles; ++holes) {
        if (reader.ReadFrom(from, rows, next)) break;
        const auto resume = reader.FirstReadableAfter(next);
        if (!resume) break;
        from = *resume;
    }
    return rows;
}

}  // namespace esc::db
