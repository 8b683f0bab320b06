#pragma once
// The database form "ESCAVAL! database": a grid of Surname and Blazon over the browser's view
// of the blazon table (ordered by Surname;Id, filtered like the main window's view) and a
// navigator: first, prior, next, last, insert, delete, edit, post, cancel, refresh. Edits go
// straight to the table.

#include <QAbstractTableModel>
#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "database/BlazonDatabase.h"
#include "engine/MessageSink.h"
#include "shell/qt/YesNoAsker.h"

class QTableView;
class QToolButton;

namespace esc::qt {

// The rows of a table view, read once per change of the view.
class BlazonTableModel final : public QAbstractTableModel {
public:
    BlazonTableModel(db::Table& table, bool readOnly, MessageSink& messages, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Reads the view's rows again: a reset of the grid. A pending row stays.
    void Reload();
    // A new, empty row after `row`, held until it is posted or cancelled.
    int BeginInsert(int row);
    bool HasPendingRow() const { return pending_.has_value(); }
    int PendingRow() const { return pending_ ? pending_->row : -1; }
    // Writes the pending row to the table; false when it has no blazon or the write failed.
    bool PostPending();
    void CancelPending();
    // The view's row index of a grid row (the pending row has none).
    int TableRow(int gridRow) const;
    int GridRow(int tableRow) const;
    // The rowid of the record a grid row shows; nullopt for the pending row or no row.
    std::optional<long long> RowidAt(int gridRow) const;

private:
    void ReadRows();
    void Resort();

    struct Row {
        long long rowid = 0;
        QString surname, blazon;
    };
    struct Pending {
        int row = 0;
        QString surname, blazon;
    };
    db::Table& table_;
    bool readOnly_;
    MessageSink& messages_;
    std::vector<Row> rows_;
    std::optional<Pending> pending_;
};

class EditableGrid;

class DatabaseForm final : public QDialog {
public:
    DatabaseForm(QWidget* parent, MessageSink& messages, YesNoAsker& asker);
    ~DatabaseForm() override;

    // Shows the form modally over `database`'s browser view, standing on its current record;
    // returns the rowid of the record the form ends on. The grid's highlighted row and the
    // view's current record are kept one record throughout: editing, deleting and closing all
    // act on the record the user sees highlighted.
    std::optional<long long> Browse(db::BlazonDatabase& database);

    // The navigator's buttons, for the tests: "First", "Prior", "Next", "Last", "Insert",
    // "Delete", "Edit", "Post", "Cancel", "Refresh".
    void Navigate(const QString& button);
    QTableView* Grid() const { return grid_; }
    BlazonTableModel* Model() const { return model_; }
    db::Table* View() const { return table_; }

private:
    void SyncTableToGrid();
    void SyncGridToTable();
    void CommitEditor();
    EditableGrid& Editing() const;
    bool OnPendingRow() const;

    MessageSink& messages_;
    YesNoAsker& asker_;
    QTableView* grid_ = nullptr;
    BlazonTableModel* model_ = nullptr;
    db::Table* table_ = nullptr;
    bool readOnly_ = false;
};

}  // namespace esc::qt
