#include "database/Salvage.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <system_error>

#include "database/BlazonSchema.h"
#include "database/SqliteConnection.h"

namespace esc::db {
namespace {

// A damaged file is nobody else's any more: no reason to wait for locks.
constexpr int kSalvageBusyTimeoutMs = 200;

// The four fields in the order the program makes them.
constexpr const char* kFieldNames[] = {"surname", "id", "blazon", "origin"};
constexpr int kFieldCount = 4;

// Where each of the four fields stands among the table's columns (-1: the table lacks it), and
// how many columns the table has. Read with the schema's checks off, so that a file whose pages
// do not add up can still say what its tables are.
struct TableLayout {
    int position[kFieldCount] = {0, 1, 2, 3};
    int columns = kFieldCount;
};

std::optional<TableLayout> LayoutOf(Connection& c) {
    const auto names = c.Column("SELECT lower(name) FROM pragma_table_info('escaval1')");
    if (!names || names->empty()) return std::nullopt;
    TableLayout layout;
    layout.columns = static_cast<int>(names->size());
    for (int f = 0; f < kFieldCount; ++f) {
        layout.position[f] = -1;
        for (std::size_t i = 0; i < names->size(); ++i)
            if ((*names)[i] == kFieldNames[f]) layout.position[f] = static_cast<int>(i);
    }
    return layout;
}

// The select list for the four fields, with a default for each one the table lacks.
std::string FieldList(const TableLayout& layout) {
    const char* names[] = {"Surname", "Id", "Blazon", "Origin"};
    const char* defaults[] = {"''", "0", "''", "'A'"};
    std::string list;
    for (int f = 0; f < kFieldCount; ++f) {
        if (f > 0) list += ", ";
        list += layout.position[f] >= 0 ? names[f] : defaults[f];
    }
    return list;
}

using RowsById = std::map<long long, SalvagedRow>;

// A page the file holds only in part reads as zeros past its end: a row there is cut short (a
// zero byte in its text) or holds nothing (every field missing, so taking its default). Such a
// row is no entry of the user's.
bool Sound(const SalvagedRow& row) {
    const auto whole = [](const std::string& s) { return s.find('\0') == std::string::npos; };
    return whole(row.surname) && whole(row.blazon) && whole(row.origin) && !(row.surname.empty() && row.blazon.empty());
}

// Reads the rows through the table's tree, in rowid order, stepping over the damaged stretches.
class TreeReader {
public:
    TreeReader(Connection& c, const std::string& fields) : c_(c) {
        sql_ = "SELECT rowid, " + fields + " FROM escaval1 WHERE rowid >= ?1 ORDER BY rowid";
    }

    void ReadAll(RowsById& rows) {
        long long from = LLONG_MIN, next = LLONG_MIN;
        for (int holes = 0; holes <= kMaxSalvageHoles; ++holes) {
            if (ReadFrom(from, rows, next)) return;
            const auto resume = FirstReadableAfter(next);
            if (!resume) return;
            from = *resume;
        }
    }

private:
    // Reads rows from rowid `from` on until the end (true) or a damaged page (false); `next` is
    // the first rowid not yet read.
    bool ReadFrom(long long from, RowsById& rows, long long& next) {
        next = from;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(c_.Get(), sql_.c_str(), -1, &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            return false;
        }
        sqlite3_bind_int64(st, 1, from);
        const auto text = [&](int i) {
            const unsigned char* t = sqlite3_column_text(st, i);
            if (!t) return std::string();
            return std::string(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(st, i)));
        };
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            const long long rowid = sqlite3_column_int64(st, 0);
            SalvagedRow row{text(1), sqlite3_column_int64(st, 2), text(3), text(4)};
            if (Sound(row)) rows[rowid] = std::move(row);
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
            if (bad > LLONG_MAX - step) return std::nullopt;
            const long long at = bad + step;
            if (Readable(at)) good = at; else bad = at;
            if (step > LLONG_MAX / 2) return good;
            step *= 2;
        }
        // The gap is measured unsigned: from the smallest rowid it is wider than a signed number holds.
        const auto gap = [&] { return static_cast<unsigned long long>(*good) - static_cast<unsigned long long>(bad); };
        while (gap() > 1) {
            const long long mid = static_cast<long long>(static_cast<unsigned long long>(bad) + gap() / 2);
            if (Readable(mid)) good = mid; else bad = mid;
        }
        return good;
    }

    Connection& c_;
    std::string sql_;
};

// The file read page by page, without SQLite: every page laid out as a page of table rows is
// decoded on its own, so a row is found whatever became of the pages above it.
class PageReader {
public:
    explicit PageReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~PageReader() {
        if (file_) std::fclose(file_);
    }
    PageReader(const PageReader&) = delete;
    PageReader& operator=(const PageReader&) = delete;

    // Adds the rows of every such page whose rowid `rows` lacks.
    void ReadAll(const TableLayout& layout, RowsById& rows) {
        if (!file_ || !ReadHeader()) return;
        const std::set<std::uint32_t> free = FreePages();
        std::vector<std::uint8_t> page;
        for (std::uint32_t n = 1; n <= pages_; ++n) {
            if (free.count(n) || !ReadPage(n, page)) continue;
            ReadLeaf(page, n == 1 ? kFileHeaderBytes : 0, layout, rows);
        }
    }

private:
    static constexpr std::size_t kFileHeaderBytes = 100;
    static constexpr char kFileMagic[16] = "SQLite format 3";
    static constexpr std::uint8_t kTableLeaf = 0x0D;
    static constexpr std::size_t kLeafHeaderBytes = 8;

    static std::uint32_t Big(const std::uint8_t* p, int bytes) {
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v = (v << 8) | p[i];
        return v;
    }

    // A variable-length integer at `at` of `data` up to `end`; false when it runs past the end.
    static bool Varint(const std::vector<std::uint8_t>& data, std::size_t& at, std::size_t end, std::uint64_t& value) {
        value = 0;
        for (int i = 0; i < 9; ++i) {
            if (at >= end) return false;
            const std::uint8_t b = data[at++];
            if (i == 8) {
                value = (value << 8) | b;
                return true;
            }
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return true;
    }

    bool ReadHeader() {
        std::uint8_t h[kFileHeaderBytes];
        if (std::fread(h, 1, sizeof h, file_) != sizeof h) return false;
        // A header that is not one says nothing: the pages are read as the program makes them.
        if (std::memcmp(h, kFileMagic, sizeof kFileMagic) != 0) std::memset(h, 0, sizeof h);
        pageSize_ = Big(h + 16, 2);
        if (pageSize_ == 1) pageSize_ = 65536;
        // A damaged header: the size the program's databases are made with.
        if (pageSize_ < 512 || pageSize_ > 65536 || (pageSize_ & (pageSize_ - 1)) != 0) pageSize_ = 4096;
        usable_ = pageSize_ - h[20];
        if (usable_ < 480) usable_ = pageSize_;
        // Rows in another text encoding than UTF-8 are not read this way.
        const std::uint32_t encoding = Big(h + 56, 4);
        if (encoding > 1) return false;
        std::fseek(file_, 0, SEEK_END);
        const long size = std::ftell(file_);
        if (size <= 0) return false;
        pages_ = static_cast<std::uint32_t>(static_cast<unsigned long>(size) / pageSize_);
        // Pages past the size the header gives, when it can be trusted, are not the database's.
        const std::uint32_t claimed = Big(h + 28, 4);
        if (claimed > 0 && Big(h + 24, 4) == Big(h + 92, 4) && claimed < pages_) pages_ = claimed;
        firstTrunk_ = Big(h + 32, 4);
        return true;
    }

    bool ReadPage(std::uint32_t n, std::vector<std::uint8_t>& page) {
        page.resize(pageSize_);
        if (std::fseek(file_, static_cast<long>(n - 1) * static_cast<long>(pageSize_), SEEK_SET) != 0) return false;
        return std::fread(page.data(), 1, pageSize_, file_) == pageSize_;
    }

    // The pages on the list of free pages, as far as the list can be followed.
    std::set<std::uint32_t> FreePages() {
        std::set<std::uint32_t> free;
        std::vector<std::uint8_t> page;
        for (std::uint32_t trunk = firstTrunk_; trunk >= 1 && trunk <= pages_ && !free.count(trunk);) {
            free.insert(trunk);
            if (!ReadPage(trunk, page)) break;
            const std::uint32_t leaves = Big(page.data() + 4, 4);
            for (std::uint32_t i = 0; i < leaves && 8 + 4 * (i + 1) <= usable_; ++i) free.insert(Big(page.data() + 8 + 4 * i, 4));
            trunk = Big(page.data(), 4);
        }
        return free;
    }

    // One value of a record: text (or NULL) or an integer (or NULL).
    struct Value {
        enum class Kind { Null, Integer, Text, Other } kind = Kind::Null;
        long long integer = 0;
        std::string text;
    };

    // Decodes the record of `size` bytes at `at`; false when it does not hold together.
    static bool Record(const std::vector<std::uint8_t>& page, std::size_t at, std::size_t size, std::vector<Value>& values) {
        values.clear();
        const std::size_t end = at + size;
        std::size_t p = at;
        std::uint64_t headerSize = 0;
        if (!Varint(page, p, end, headerSize) || headerSize < 1 || headerSize > size) return false;
        const std::size_t headerEnd = at + headerSize;
        std::size_t body = headerEnd;
        while (p < headerEnd) {
            std::uint64_t type = 0;
            if (!Varint(page, p, headerEnd, type)) return false;
            Value v;
            std::size_t bytes = 0;
            if (type == 0) {
                v.kind = Value::Kind::Null;
            } else if (type <= 6) {
                constexpr std::size_t kIntBytes[] = {0, 1, 2, 3, 4, 6, 8};
                bytes = kIntBytes[type];
                if (body + bytes > end) return false;
                std::uint64_t u = 0;
                for (std::size_t i = 0; i < bytes; ++i) u = (u << 8) | page[body + i];
                if (bytes < 8 && (u >> (8 * bytes - 1)) & 1) u |= ~std::uint64_t{0} << (8 * bytes);  // negative
                v.kind = Value::Kind::Integer;
                v.integer = static_cast<long long>(u);
            } else if (type == 8 || type == 9) {
                v.kind = Value::Kind::Integer;
                v.integer = type == 9 ? 1 : 0;
            } else if (type >= 13 && type % 2 == 1) {
                bytes = static_cast<std::size_t>((type - 13) / 2);
                if (body + bytes > end) return false;
                v.kind = Value::Kind::Text;
                v.text.assign(reinterpret_cast<const char*>(page.data() + body), bytes);
            } else if (type == 7 || (type >= 12 && type % 2 == 0)) {
                bytes = type == 7 ? 8 : static_cast<std::size_t>((type - 12) / 2);
                if (body + bytes > end) return false;
                v.kind = Value::Kind::Other;
            } else {
                return false;  // the kinds 10 and 11 are never written
            }
            body += bytes;
            values.push_back(std::move(v));
        }
        return body == end;
    }

    // The row of the blazon table that `values` holds, when it has that table's shape.
    static std::optional<SalvagedRow> RowOf(const std::vector<Value>& values, const TableLayout& layout) {
        if (static_cast<int>(values.size()) != layout.columns) return std::nullopt;
        SalvagedRow row{"", 0, "", "A"};
        std::string* texts[] = {&row.surname, nullptr, &row.blazon, &row.origin};
        for (int f = 0; f < kFieldCount; ++f) {
            const int at = layout.position[f];
            if (at < 0) continue;
            const Value& v = values[static_cast<std::size_t>(at)];
            if (v.kind == Value::Kind::Null) continue;
            if (f == 1) {
                if (v.kind != Value::Kind::Integer) return std::nullopt;
                row.id = v.integer;
            } else {
                if (v.kind != Value::Kind::Text) return std::nullopt;
                *texts[f] = v.text;
            }
        }
        if (!Sound(row)) return std::nullopt;
        return row;
    }

    void ReadLeaf(const std::vector<std::uint8_t>& page, std::size_t start, const TableLayout& layout, RowsById& rows) const {
        if (page[start] != kTableLeaf) return;
        const std::uint32_t cells = Big(page.data() + start + 3, 2);
        if (start + kLeafHeaderBytes + 2 * cells > usable_) return;
        // The largest payload kept whole on a leaf; a larger one goes on in overflow pages, which
        // are not followed (a blazon never needs them).
        const std::size_t maxLocal = usable_ - 35;
        std::vector<Value> values;
        for (std::uint32_t i = 0; i < cells; ++i) {
            std::size_t p = Big(page.data() + start + kLeafHeaderBytes + 2 * i, 2);
            if (p < start + kLeafHeaderBytes || p >= usable_) continue;
            std::uint64_t size = 0, rowid = 0;
            if (!Varint(page, p, usable_, size) || !Varint(page, p, usable_, rowid)) continue;
            if (size > maxLocal || p + size > usable_) continue;
            if (!Record(page, p, static_cast<std::size_t>(size), values)) continue;
            const auto row = RowOf(values, layout);
            if (row) rows.emplace(static_cast<long long>(rowid), *row);  // a row read through the tree stays
        }
    }

    std::FILE* file_;
    std::uint32_t pageSize_ = 0, usable_ = 0, pages_ = 0, firstTrunk_ = 0;
};

}  // namespace

std::vector<SalvagedRow> SalvageBlazonRows(const std::string& path) {
    RowsById rows;
    std::optional<TableLayout> layout;
    {
        Connection c;
        if (c.Open(ReadOnlyUri(path), SQLITE_OPEN_READONLY, kSalvageBusyTimeoutMs)) {
            // Without this, a file whose size does not match its header fails every query.
            c.Exec("PRAGMA writable_schema = ON");
            layout = LayoutOf(c);
            if (layout) TreeReader(c, FieldList(*layout)).ReadAll(rows);
        }
    }
    // A schema that cannot be read at all: the rows are looked for as the program lays them out.
    PageReader(path).ReadAll(layout.value_or(TableLayout{}), rows);
    std::vector<SalvagedRow> out;
    out.reserve(rows.size());
    for (auto& [rowid, row] : rows) out.push_back(std::move(row));
    return out;
}

int CountOwnRows(const std::vector<SalvagedRow>& rows) {
    int own = 0;
    for (const SalvagedRow& r : rows) own += (r.origin == "T" || r.origin == "t") ? 0 : 1;
    return own;
}

bool InsertSalvagedRows(Connection& c, const std::vector<SalvagedRow>& rows) {
    if (rows.empty()) return true;
    bool ok = c.Exec("BEGIN");
    sqlite3_stmt* st = nullptr;
    ok = ok && sqlite3_prepare_v2(c.Get(), "INSERT INTO escaval1 VALUES (?, ?, ?, ?)", -1, &st, nullptr) == SQLITE_OK;
    for (std::size_t i = 0; ok && i < rows.size(); ++i) {
        const SalvagedRow& r = rows[i];
        sqlite3_reset(st);
        sqlite3_bind_text(st, 1, r.surname.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(st, 2, r.id);
        sqlite3_bind_text(st, 3, r.blazon.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(st, 4, r.origin.c_str(), -1, SQLITE_TRANSIENT);
        ok = sqlite3_step(st) == SQLITE_DONE;
    }
    sqlite3_finalize(st);
    // The salvaged shipped entries are offered already; the missing ones come back.
    ok = ok && c.Exec("INSERT OR IGNORE INTO shipped_entries SELECT Surname, Blazon FROM escaval1 WHERE Origin = 'T'");
    ok = ok && c.Exec("INSERT INTO escaval_info VALUES ('merged_digest', '')");
    ok = ok && c.Exec("COMMIT");
    if (!ok) c.Exec("ROLLBACK");
    return ok;
}

InstallResult WriteSalvagedDatabase(const std::string& target, const std::vector<SalvagedRow>& rows, std::string* error) {
    std::error_code ec;
    if (std::filesystem::exists(target, ec)) {
        if (error) *error = "it exists already";
        return InstallResult::TargetExists;
    }
    const auto temporary = MakeTemporaryBeside(target, error);
    if (!temporary) return InstallResult::Failed;
    bool ok;
    {
        Connection c;
        ok = c.Open(*temporary, SQLITE_OPEN_READWRITE, kSalvageBusyTimeoutMs);
        ok = ok && c.Exec(std::string(kCreateBlazonTableSql) + kCreateInfoTableSql + kCreateShippedTableSql);
        ok = ok && InsertSalvagedRows(c, rows);
        if (!ok && error) *error = c.Error();
    }
    if (!ok) {
        std::filesystem::remove(*temporary, ec);
        return InstallResult::Failed;
    }
    return InstallWithoutReplacing(*temporary, target, error);
}

}  // namespace esc::db
