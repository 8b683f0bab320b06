#include "database/TableStore.h"

#include "database/ErrorText.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace esc::db {
namespace {

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Quote(std::string_view identifier) {
    std::string out = "\"";
    for (char c : identifier) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

int CompareNoCase(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(Fold(a[i])), y = static_cast<unsigned char>(Fold(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

Table::~Table() {
    if (db_) sqlite3_close(db_);
}

Table::Table(Table&& other) noexcept { *this = std::move(other); }

Table& Table::operator=(Table&& other) noexcept {
    if (this != &other) {
        if (db_) sqlite3_close(db_);
        db_ = std::exchange(other.db_, nullptr);
        table_ = std::move(other.table_);
        fields_ = std::move(other.fields_);
        indexColumns_ = std::move(other.indexColumns_);
        view_ = std::move(other.view_);
        current_ = other.current_;
        bof_ = other.bof_;
        eof_ = other.eof_;
        filter_ = std::move(other.filter_);
        filtered_ = other.filtered_;
        recordFilter_ = std::move(other.recordFilter_);
        onChange_ = std::move(other.onChange_);
        disabled_ = other.disabled_;
    }
    return *this;
}

std::optional<Table> Table::Open(const std::string& path, const std::string& tableName,
                                 std::vector<std::string> indexFields, OpenMode mode, std::string* error) {
    Table t;
    const int flags = mode == OpenMode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    if (sqlite3_open_v2(path.c_str(), &t.db_, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        SetError(error, "Cannot open table '" + path + "': " + (t.db_ ? sqlite3_errmsg(t.db_) : "out of memory"));
        return std::nullopt;
    }
    sqlite3_busy_timeout(t.db_, kWriteBusyTimeoutMs);
    t.table_ = tableName;
    sqlite3_stmt* st = nullptr;
    const std::string sql = "PRAGMA table_info(" + Quote(tableName) + ")";
    if (sqlite3_prepare_v2(t.db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) {
        SetError(error, "Cannot read table '" + path + "': " + sqlite3_errmsg(t.db_));
        return std::nullopt;
    }
    while (sqlite3_step(st) == SQLITE_ROW) t.fields_.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
    sqlite3_finalize(st);
    if (t.fields_.empty()) {
        SetError(error, "Table '" + tableName + "' not found in '" + path + "'.");
        return std::nullopt;
    }
    for (const std::string& f : indexFields) {
        const int i = t.FieldIndex(f);
        if (i < 0) {
            SetError(error, "Index field '" + f + "' not found in table '" + tableName + "'.");
            return std::nullopt;
        }
        t.indexColumns_.push_back(i);
    }
    if (!t.LoadView(0)) {
        SetError(error, "Cannot read table '" + path + "': " + sqlite3_errmsg(t.db_));
        return std::nullopt;
    }
    t.SetCurrent(t.view_.empty() ? -1 : 0);
    return t;
}

int Table::FieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (CompareNoCase(fields_[i], name) == 0) return static_cast<int>(i);
    return -1;
}

int Table::CompareKeys(const Record& a, const Record& b) const {
    for (int c : indexColumns_) {
        const int r = CompareNoCase(a.values[static_cast<std::size_t>(c)], b.values[static_cast<std::size_t>(c)]);
        if (r != 0) return r;
    }
    return a.rowid < b.rowid ? -1 : (a.rowid > b.rowid ? 1 : 0);
}

bool Table::LoadView(long long keepRowid) {
    std::string sql = "SELECT rowid";
    for (const std::string& f : fields_) sql += ", " + Quote(f);
    sql += " FROM " + Quote(table_);
    if (filtered_ && !filter_.empty()) sql += " WHERE (" + filter_ + ")";
    sqlite3_stmt* st = nullptr;
    std::vector<Record> rows;
    bool ok = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) == SQLITE_OK;
    if (ok) {
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            Record r;
            r.rowid = sqlite3_column_int64(st, 0);
            r.values.reserve(fields_.size());
            for (std::size_t i = 0; i < fields_.size(); ++i) {
                const unsigned char* text = sqlite3_column_text(st, static_cast<int>(i + 1));
                r.values.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
            if (recordFilter_ && filtered_ && !recordFilter_(r)) continue;
            rows.push_back(std::move(r));
        }
        ok = rc == SQLITE_DONE;
    }
    sqlite3_finalize(st);
    if (!ok) rows.clear();
    std::stable_sort(rows.begin(), rows.end(), [this](const Record& a, const Record& b) { return CompareKeys(a, b) < 0; });
    view_ = std::move(rows);
    current_ = -1;
    if (keepRowid != 0) {
        for (std::size_t i = 0; i < view_.size(); ++i)
            if (view_[i].rowid == keepRowid) current_ = static_cast<int>(i);
    }
    return ok;
}

void Table::SetCurrent(int index) {
    const int before = current_;
    current_ = view_.empty() ? -1 : std::clamp(index, 0, static_cast<int>(view_.size()) - 1);
    if (current_ != before) Notify();
}

void Table::Notify() {
    if (disabled_ == 0 && onChange_) onChange_();
}

const Record* Table::Current() const {
    return current_ >= 0 && current_ < static_cast<int>(view_.size()) ? &view_[static_cast<std::size_t>(current_)] : nullptr;
}

bool Table::First() {
    bof_ = true;
    eof_ = view_.empty();
    SetCurrent(0);
    return !view_.empty();
}

bool Table::Last() {
    eof_ = true;
    bof_ = view_.empty();
    SetCurrent(static_cast<int>(view_.size()) - 1);
    return !view_.empty();
}

int Table::MoveBy(int n) {
    bof_ = eof_ = false;
    if (view_.empty()) {
        bof_ = eof_ = true;
        return 0;
    }
    const long long target = static_cast<long long>(current_) + n;
    const int last = static_cast<int>(view_.size()) - 1;
    int next = static_cast<int>(std::clamp<long long>(target, 0, last));
    if (target < 0) bof_ = true;
    if (target > last) eof_ = true;
    const int moved = next - current_;
    SetCurrent(next);
    return moved;
}

bool Table::GoToIndex(int index) {
    if (index < 0 || index >= static_cast<int>(view_.size())) return false;
    bof_ = eof_ = false;
    SetCurrent(index);
    return true;
}

bool Table::Locate(std::string_view field, std::string_view key) {
    const int column = FieldIndex(field);
    if (column < 0) return false;
    for (std::size_t i = 0; i < view_.size(); ++i) {
        if (StartsWithNoCase(view_[i].values[static_cast<std::size_t>(column)], key)) {
            bof_ = eof_ = false;
            SetCurrent(static_cast<int>(i));
            return true;
        }
    }
    return false;
}

void Table::FindNearest(std::string_view key) {
    if (view_.empty() || indexColumns_.empty()) return;
    const std::size_t column = static_cast<std::size_t>(indexColumns_.front());
    auto it = std::lower_bound(view_.begin(), view_.end(), key, [column](const Record& r, std::string_view k) {
        return CompareNoCase(r.values[column], k) < 0;
    });
    bof_ = eof_ = false;
    if (it == view_.end()) {
        eof_ = true;
        SetCurrent(static_cast<int>(view_.size()) - 1);
    } else {
        SetCurrent(static_cast<int>(it - view_.begin()));
    }
}

std::string Table::FieldText(std::string_view name) const {
    const Record* r = Current();
    const int column = FieldIndex(name);
    if (!r || column < 0) return {};
    return r->values[static_cast<std::size_t>(column)];
}

long long Table::FieldInt(std::string_view name) const { return std::strtoll(FieldText(name).c_str(), nullptr, 10); }

std::string Table::LastError() const {
    const int code = sqlite3_errcode(db_) & 0xFF;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) return kDatabaseInUseText;
    return sqlite3_errmsg(db_);
}

bool Table::Exec(const std::string& sql, std::string* error) {
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        SetError(error, LastError());
        return false;
    }
    return true;
}

bool Table::InsertMany(const std::vector<std::vector<std::string>>& rows, std::string* error, const WriteProgress& progress) {
    if (!Exec("BEGIN IMMEDIATE", error)) return false;
    std::string sql = "INSERT INTO " + Quote(table_) + " (";
    for (std::size_t i = 0; i < fields_.size(); ++i) sql += (i ? ", " : "") + Quote(fields_[i]);
    sql += ") VALUES (";
    for (std::size_t i = 0; i < fields_.size(); ++i) sql += i ? ", ?" : "?";
    sql += ")";
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) == SQLITE_OK;
    long long lastRowid = 0;
    for (std::size_t r = 0; ok && r < rows.size(); ++r) {
        sqlite3_reset(st);
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            if (i < rows[r].size()) sqlite3_bind_text(st, static_cast<int>(i + 1), rows[r][i].c_str(), -1, SQLITE_TRANSIENT);
            else sqlite3_bind_null(st, static_cast<int>(i + 1));
        }
        ok = sqlite3_step(st) == SQLITE_DONE;
        lastRowid = sqlite3_last_insert_rowid(db_);
        if (ok && progress && ((r + 1) % kWriteProgressStep == 0 || r + 1 == rows.size())) progress(r + 1);
    }
    if (!ok) SetError(error, LastError());
    sqlite3_finalize(st);
    if (!ok) {
        Exec("ROLLBACK", nullptr);
        return false;
    }
    if (!Exec("COMMIT", error)) {
        Exec("ROLLBACK", nullptr);
        return false;
    }
    LoadView(lastRowid);
    if (current_ < 0 && !view_.empty()) current_ = 0;
    Notify();
    return true;
}

bool Table::Insert(const std::vector<std::string>& values, std::string* error) { return InsertMany({values}, error); }

bool Table::Append(const std::vector<std::pair<std::string, std::string>>& fields, std::string* error) {
    std::vector<std::string> values(fields_.size());
    for (const auto& [name, value] : fields) {
        const int i = FieldIndex(name);
        if (i < 0) {
            SetError(error, "Field '" + name + "' not found.");
            return false;
        }
        values[static_cast<std::size_t>(i)] = value;
    }
    return Insert(values, error);
}

bool Table::UpdateCurrent(const std::vector<std::pair<std::string, std::string>>& fields, std::string* error) {
    const Record* r = Current();
    if (!r) {
        SetError(error, "No current record.");
        return false;
    }
    const long long rowid = r->rowid;
    std::string sql = "UPDATE " + Quote(table_) + " SET ";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (FieldIndex(fields[i].first) < 0) {
            SetError(error, "Field '" + fields[i].first + "' not found.");
            return false;
        }
        sql += (i ? ", " : "") + Quote(fields[i].first) + " = ?";
    }
    sql += " WHERE rowid = ?";
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) == SQLITE_OK;
    if (ok) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            sqlite3_bind_text(st, static_cast<int>(i + 1), fields[i].second.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int64(st, static_cast<int>(fields.size() + 1), rowid);
        ok = sqlite3_step(st) == SQLITE_DONE;
    }
    if (!ok) SetError(error, LastError());
    sqlite3_finalize(st);
    if (ok) {
        LoadView(rowid);
        Notify();
    }
    return ok;
}

bool Table::DeleteCurrent(std::string* error) {
    const Record* r = Current();
    if (!r) {
        SetError(error, "No current record.");
        return false;
    }
    const int at = current_;
    if (!Exec("DELETE FROM " + Quote(table_) + " WHERE rowid = " + std::to_string(r->rowid), error)) return false;
    LoadView(0);
    current_ = -1;
    SetCurrent(std::min(at, static_cast<int>(view_.size()) - 1));
    Notify();
    return true;
}

void Table::SetFilter(std::string expression) {
    filter_ = std::move(expression);
    if (filtered_) Refresh();
}

void Table::SetFiltered(bool on) {
    if (filtered_ == on) return;
    filtered_ = on;
    Refresh();
}

void Table::SetRecordFilter(std::function<bool(const Record&)> accept) {
    recordFilter_ = std::move(accept);
    if (filtered_) Refresh();
}

void Table::Refresh() {
    const Record* r = Current();
    const long long keep = r ? r->rowid : 0;
    const int before = current_;
    LoadView(keep);
    if (current_ < 0) current_ = view_.empty() ? -1 : std::clamp(before, 0, static_cast<int>(view_.size()) - 1);
    Notify();
}

std::vector<Record> Table::AllRows() const {
    std::vector<Record> rows;
    std::string sql = "SELECT rowid";
    for (const std::string& f : fields_) sql += ", " + Quote(f);
    sql += " FROM " + Quote(table_);
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW) {
            Record r;
            r.rowid = sqlite3_column_int64(st, 0);
            for (std::size_t i = 0; i < fields_.size(); ++i) {
                const unsigned char* text = sqlite3_column_text(st, static_cast<int>(i + 1));
                r.values.emplace_back(text ? reinterpret_cast<const char*>(text) : "");
            }
            rows.push_back(std::move(r));
        }
    }
    sqlite3_finalize(st);
    std::stable_sort(rows.begin(), rows.end(), [this](const Record& a, const Record& b) { return CompareKeys(a, b) < 0; });
    return rows;
}

}  // namespace esc::db
