#pragma once
// The table store: SQLite tables seen through an ordered, filtered view with a current row, as
// the blazon database and the vocabulary use them.
//
// A Table keeps its view (the visible rows in index order) in memory and writes through to the
// database file; every write is one transaction.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace esc::db {

// One row of the view: field values as text, in the table's field order.
struct Record {
    long long rowid = 0;
    std::vector<std::string> values;
};

enum class OpenMode { ReadOnly, ReadWrite };

// Told during a long write how many rows are written so far: every kWriteProgressStep rows, and
// once more with every row just before the transaction is committed.
using WriteProgress = std::function<void(std::size_t rowsWritten)>;
inline constexpr std::size_t kWriteProgressStep = 1000;

// How long a write waits for another program that holds the file before it gives up.
inline constexpr int kWriteBusyTimeoutMs = 2000;

// What the user reads when another program holds the file past that wait.
inline constexpr const char* kDatabaseInUseText = "The database is in use by another program; try again later.";

class Table {
public:
    ~Table();
    Table(Table&&) noexcept;
    Table& operator=(Table&&) noexcept;

    // Opens table `tableName` of the SQLite file `path`, ordered by `indexFields` (compared
    // without regard to case, then by rowid). On failure returns nullopt with `error` set.
    static std::optional<Table> Open(const std::string& path, const std::string& tableName,
                                     std::vector<std::string> indexFields, OpenMode mode, std::string* error);

    const std::vector<std::string>& FieldNames() const { return fields_; }
    int FieldIndex(std::string_view name) const;  // -1 when there is no such field (any case)

    // Navigation over the view. Moves report how many rows they moved; Bof/Eof are set when a
    // move runs into either end.
    bool First();
    bool Last();
    int MoveBy(int n);
    bool Bof() const { return bof_; }
    bool Eof() const { return eof_; }
    int RecordCount() const { return static_cast<int>(view_.size()); }
    int CurrentIndex() const { return current_; }  // -1 when the view is empty
    bool GoToIndex(int index);
    const Record* Current() const;

    // Partial-key, case-insensitive locate: the first row in index order whose `field` begins
    // with `key`. The current row does not move when nothing is found.
    bool Locate(std::string_view field, std::string_view key);
    // The first row whose index key is equal to or sorts after `key` (first index field).
    void FindNearest(std::string_view key);

    std::string FieldText(std::string_view name) const;
    long long FieldInt(std::string_view name) const;

    // Writes. Insert takes values in field order; Append sets fields by name (others empty).
    // Both make the new row current when it is visible. False with `error` on failure.
    bool Insert(const std::vector<std::string>& values, std::string* error = nullptr);
    bool Append(const std::vector<std::pair<std::string, std::string>>& fields, std::string* error = nullptr);
    bool InsertMany(const std::vector<std::vector<std::string>>& rows, std::string* error = nullptr,
                    const WriteProgress& progress = {});
    bool UpdateCurrent(const std::vector<std::pair<std::string, std::string>>& fields, std::string* error = nullptr);
    bool DeleteCurrent(std::string* error = nullptr);

    // Filters: an SQL expression over the fields (such as "Origin='T'") and a per-record
    // callback; a row is visible when it satisfies both. The current row follows the change.
    void SetFilter(std::string expression);
    void SetFiltered(bool on);
    void SetRecordFilter(std::function<bool(const Record&)> accept);
    bool Filtered() const { return filtered_; }
    const std::string& FilterExpression() const { return filter_; }
    void Refresh();

    // Raised whenever the current row changes, unless controls are disabled.
    void OnDataChange(std::function<void()> callback) { onChange_ = std::move(callback); }
    void DisableControls() { ++disabled_; }
    void EnableControls() { if (disabled_ > 0) --disabled_; }

    // Every row of the table, in index order, ignoring filters.
    std::vector<Record> AllRows() const;

private:
    Table() = default;
    bool LoadView(long long keepRowid);
    void SetCurrent(int index);
    void Notify();
    bool Exec(const std::string& sql, std::string* error);
    std::string LastError() const;
    int CompareKeys(const Record& a, const Record& b) const;

    sqlite3* db_ = nullptr;
    std::string table_;
    std::vector<std::string> fields_;
    std::vector<int> indexColumns_;
    std::vector<Record> view_;
    int current_ = -1;
    bool bof_ = true, eof_ = true;
    std::string filter_;
    bool filtered_ = false;
    std::function<bool(const Record&)> recordFilter_;
    std::function<void()> onChange_;
    int disabled_ = 0;
};

// Compares two texts as the index does: byte by byte with a..z folded onto A..Z, so a word sorts
// before its own extensions.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

}  // namespace esc::db
