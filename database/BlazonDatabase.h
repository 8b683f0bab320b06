#pragma once
// The blazon database as the window uses it: the main view ordered by surname (index "esvnme"),
// the browser's view ordered by Surname;Id, the record filter with the search text, the origin
// filters, the word search that turns at either end, lookup by nearest surname, Add and Import.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/ImportFile.h"
#include "database/TableStore.h"

namespace esc::db {

enum class OriginFilter { Combined, Original, UserAdded };

// The filter expression of an origin filter ("Origin='T'"); empty for Combined.
std::string OriginExpression(OriginFilter filter);

// Whether `text` occurs in `blazon`, compared without regard to case. An empty text occurs in
// every non-empty blazon and in no empty one.
bool BlazonHolds(std::string_view blazon, std::string_view text);

class BlazonDatabase {
public:
    // Opens the blazon table of `path`. The main view starts on its first record, filtered by
    // the record filter with an empty search text (every entry with a blazon) and no origin.
    static std::optional<BlazonDatabase> Open(const std::string& path, OpenMode mode, std::string* error);

    BlazonDatabase(BlazonDatabase&&) noexcept;
    BlazonDatabase& operator=(BlazonDatabase&&) noexcept;
    ~BlazonDatabase();

    const std::string& Path() const { return path_; }
    bool ReadOnly() const { return mode_ == OpenMode::ReadOnly; }

    Table& Main() { return *main_; }
    const Table& Main() const { return *main_; }
    // The database form's view, opened on first use; nullptr with `error` when it cannot be.
    Table* Browser(std::string* error = nullptr);

    std::string Surname() const { return main_->FieldText("Surname"); }
    std::string Blazon() const { return main_->FieldText("Blazon"); }

    // The record filter's text; the views are refreshed when it changes.
    void SetSearchText(std::string_view text);
    const std::string& SearchText() const;
    // Sets the origin filter on both views and empties the search text.
    void SetOriginFilter(OriginFilter filter);
    OriginFilter Origin() const;

    // One word search from the current record of the main view: the record filter takes
    // `text`, then the view moves by `direction` until a record whose blazon holds it, or until a
    // move runs into either end, where the direction turns. Returns whether it turned.
    bool Search(std::string_view text, int& direction);

    // Moves the main view to the first entry whose surname is equal to or sorts after `surname`.
    void LookUp(std::string_view surname);

    // Adds a user entry (Id 0, Origin 'A'). False with `error` when it could not be written.
    bool Add(std::string_view surname, std::string_view blazon, std::string* error);
    // Adds every entry of an import file as user entries, in one transaction: either all of
    // them are written or none. The main view sends no notification meanwhile; `progress`, when
    // given, is told how many rows are written.
    bool Import(const std::vector<ImportEntry>& entries, std::string* error, const WriteProgress& progress = {});

    // Moves `view` to the row with `rowid`; false when the view does not show it.
    static bool GoToRowid(Table& view, long long rowid);

private:
    struct Filter;
    BlazonDatabase() = default;
    void ApplyFilter(Table& view);

    std::string path_;
    OpenMode mode_ = OpenMode::ReadWrite;
    std::unique_ptr<Table> main_, browser_;
    std::shared_ptr<Filter> filter_;
};

}  // namespace esc::db
