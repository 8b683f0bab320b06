#include "database/BlazonDatabase.h"

#include "database/BlazonSchema.h"
#include "database/UserDatabase.h"

namespace esc::db {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Lowered(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Lower(c);
    return out;
}

// The index of the first row of `view` that sorts after `record` (by surname, then rowid).
int FirstIndexAfter(Table& view, const Record& record) {
    const std::size_t surname = static_cast<std::size_t>(view.FieldIndex("Surname"));
    const int at = view.CurrentIndex();
    int found = view.RecordCount();
    view.DisableControls();
    for (int i = 0; i < view.RecordCount(); ++i) {
        view.GoToIndex(i);
        const Record& r = *view.Current();
        const int order = CompareNoCase(r.values[surname], record.values[surname]);
        if (order > 0 || (order == 0 && r.rowid > record.rowid)) {
            found = i;
            break;
        }
    }
    view.GoToIndex(at);
    view.EnableControls();
    return found;
}

}  // namespace

struct BlazonDatabase::Filter {
    std::string searchText;
    std::string searchLower;  // searchText folded once, for the record filter
    OriginFilter origin = OriginFilter::Combined;
};

std::string OriginExpression(OriginFilter filter) {
    switch (filter) {
        case OriginFilter::Original: return "Origin='T'";
        case OriginFilter::UserAdded: return "Origin='A'";
        case OriginFilter::Combined: break;
    }
    return {};
}

bool BlazonHolds(std::string_view blazon, std::string_view text) {
    if (blazon.empty()) return false;
    if (text.size() > blazon.size()) return false;
    for (std::size_t i = 0; i + text.size() <= blazon.size(); ++i) {
        std::size_t k = 0;
        while (k < text.size() && Lower(blazon[i + k]) == Lower(text[k])) ++k;
        if (k == text.size()) return true;
    }
    return false;
}

BlazonDatabase::BlazonDatabase(BlazonDatabase&&) noexcept = default;
BlazonDatabase& BlazonDatabase::operator=(BlazonDatabase&&) noexcept = default;
BlazonDatabase::~BlazonDatabase() = default;

std::optional<BlazonDatabase> BlazonDatabase::Open(const std::string& path, OpenMode mode, std::string* error) {
    // A read-only connection cannot undo a killed writer's half-done change, and refuses to read.
    if (mode == OpenMode::ReadOnly && !UndoInterruptedWrite(path, error)) return std::nullopt;
    auto table = Table::Open(path, std::string(kBlazonTableName), {"Surname"}, mode, error);
    if (!table) return std::nullopt;
    for (const char* field : {"Surname", "Id", "Blazon", "Origin"}) {
        if (table->FieldIndex(field) < 0) {
            if (error) *error = "The blazon table in '" + path + "' has no field " + field + ".";
            return std::nullopt;
        }
    }
    BlazonDatabase db;
    db.path_ = path;
    db.mode_ = mode;
    db.filter_ = std::make_shared<Filter>();
    db.main_ = std::make_unique<Table>(std::move(*table));
    db.ApplyFilter(*db.main_);
    db.main_->First();
    return db;
}

void BlazonDatabase::ApplyFilter(Table& view) {
    const int blazonColumn = view.FieldIndex("Blazon");
    std::weak_ptr<Filter> weak = filter_;
    view.DisableControls();
    view.SetFilter(OriginExpression(filter_->origin));
    view.SetRecordFilter([weak, blazonColumn](const Record& r) {
        const auto f = weak.lock();
        const std::string& blazon = r.values[static_cast<std::size_t>(blazonColumn)];
        if (!f || f->searchLower.empty()) return !blazon.empty();
        return BlazonHolds(blazon, f->searchLower);
    });
    view.SetFiltered(true);
    view.EnableControls();
}

Table* BlazonDatabase::Browser(std::string* error) {
    if (!browser_) {
        auto table = Table::Open(path_, std::string(kBlazonTableName), {"Surname", "Id"}, mode_, error);
        if (!table) return nullptr;
        browser_ = std::make_unique<Table>(std::move(*table));
        ApplyFilter(*browser_);
        browser_->First();
    }
    return browser_.get();
}

const std::string& BlazonDatabase::SearchText() const { return filter_->searchText; }

OriginFilter BlazonDatabase::Origin() const { return filter_->origin; }

void BlazonDatabase::SetSearchText(std::string_view text) {
    if (text == filter_->searchText) return;
    filter_->searchText = std::string(text);
    filter_->searchLower = Lowered(text);
    main_->Refresh();
    if (browser_) browser_->Refresh();
}

void BlazonDatabase::SetOriginFilter(OriginFilter filter) {
    filter_->origin = filter;
    filter_->searchText.clear();
    filter_->searchLower.clear();
    const std::string expression = OriginExpression(filter);
    for (Table* view : {main_.get(), browser_.get()}) {
        if (view) view->SetFilter(expression);  // filtering is always on: this refreshes the view
    }
}

bool BlazonDatabase::Search(std::string_view text, int& direction) {
    Table& view = *main_;
    const Record* before = view.Current();
    const std::optional<Record> from = before ? std::optional<Record>(*before) : std::nullopt;
    SetSearchText(text);
    bool turned = false;
    const Record* now = view.Current();
    if (from && now && now->rowid != from->rowid) {
        // The entry the search starts from is no longer shown: the first step goes to the
        // nearest shown entry past it in the search direction, or turns at the end.
        const int past = FirstIndexAfter(view, *from);
        const int target = direction > 0 ? past : past - 1;
        if (target >= 0 && target < view.RecordCount()) {
            view.GoToIndex(target);
        } else {
            direction = -direction;
            turned = true;
            if (direction > 0) view.First(); else view.Last();
        }
        return turned;
    }
    const std::string& lowered = filter_->searchLower;
    for (;;) {
        if (view.MoveBy(direction) == 0) {
            direction = -direction;
            turned = true;
        }
        const std::string blazon = view.FieldText("Blazon");
        if (view.Eof() || view.Bof()) break;
        if (BlazonHolds(blazon, lowered)) break;
    }
    return turned;
}

void BlazonDatabase::LookUp(std::string_view surname) { main_->FindNearest(surname); }

bool BlazonDatabase::Add(std::string_view surname, std::string_view blazon, std::string* error) {
    if (ReadOnly()) {
        if (error) *error = "The blazon database is read-only: the entry cannot be added.";
        return false;
    }
    const bool ok = main_->Insert({std::string(surname), "0", std::string(blazon), std::string(1, kOriginUser)}, error);
    if (ok && browser_) browser_->Refresh();
    return ok;
}

bool BlazonDatabase::Import(const std::vector<ImportEntry>& entries, std::string* error, const WriteProgress& progress) {
    if (ReadOnly()) {
        if (error) *error = "The blazon database is read-only: nothing can be imported.";
        return false;
    }
    std::vector<std::vector<std::string>> rows;
    rows.reserve(entries.size());
    for (const ImportEntry& e : entries) rows.push_back({e.surname, "0", e.blazon, std::string(1, kOriginUser)});
    main_->DisableControls();
    const bool ok = rows.empty() || main_->InsertMany(rows, error, progress);
    main_->EnableControls();
    if (ok && browser_) browser_->Refresh();
    return ok;
}

bool BlazonDatabase::GoToRowid(Table& view, long long rowid) {
    const Record* now = view.Current();
    if (now && now->rowid == rowid) return true;
    const int from = view.CurrentIndex();
    int found = -1;
    view.DisableControls();
    for (int i = 0; i < view.RecordCount() && found < 0; ++i) {
        view.GoToIndex(i);
        if (view.Current()->rowid == rowid) found = i;
    }
    if (from >= 0) view.GoToIndex(from);
    view.EnableControls();
    if (found < 0) return false;
    view.GoToIndex(found);
    return true;
}

}  // namespace esc::db
