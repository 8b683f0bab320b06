#include "shell/qt/DatabaseForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "database/BlazonSchema.h"

namespace esc::qt {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

// The grid's own view with its editor reachable, so that a button can write or drop the cell
// being edited. An editor is open only on the current cell: moving the current cell closes it.
class EditableGrid final : public QTableView {
public:
    using QTableView::QTableView;
    void CommitOpenEditor() {
        if (QWidget* editor = OpenEditor()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    void DropOpenEditor() {
        if (QWidget* editor = OpenEditor()) closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }

private:
    QWidget* OpenEditor() const { return state() == EditingState ? indexWidget(currentIndex()) : nullptr; }
};

BlazonTableModel::BlazonTableModel(db::Table& table, bool readOnly, MessageSink& messages, QObject* parent)
    : QAbstractTableModel(parent), table_(table), readOnly_(readOnly), messages_(messages) {
    Reload();
}

void BlazonTableModel::ReadRows() {
    // A pending row stays just before the record it stood before, or last when that is gone.
    const std::optional<long long> beforeRecord = pending_ ? RowidAt(pending_->row + 1) : std::nullopt;
    rows_.clear();
    const int at = table_.CurrentIndex();
    table_.DisableControls();
    rows_.reserve(static_cast<std::size_t>(table_.RecordCount()));
    for (int i = 0; i < table_.RecordCount(); ++i) {
        table_.GoToIndex(i);
        rows_.push_back({table_.Current()->rowid, Text(table_.FieldText("Surname")), Text(table_.FieldText("Blazon"))});
    }
    if (at >= 0) table_.GoToIndex(at);
    table_.EnableControls();
    if (!pending_) return;
    pending_->row = static_cast<int>(rows_.size());
    for (std::size_t r = 0; beforeRecord && r < rows_.size(); ++r)
        if (rows_[r].rowid == *beforeRecord) pending_->row = static_cast<int>(r);
}

void BlazonTableModel::Reload() {
    beginResetModel();
    ReadRows();
    endResetModel();
}

// A write re-sorts the view. Told as a change of layout rather than a reset, the grid keeps its
// current cell, its selection and an editor still closing on the record they showed, wherever
// that record now stands; a record the view no longer shows leaves them on no row.
void BlazonTableModel::Resort() {
    emit layoutAboutToBeChanged();
    // What each persistent index stands on: the pending row, or a record by its rowid.
    struct Anchor {
        bool pending;
        std::optional<long long> rowid;
    };
    const QModelIndexList before = persistentIndexList();
    std::vector<Anchor> anchors;
    anchors.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) anchors.push_back({pending_ && index.row() == pending_->row, RowidAt(index.row())});
    ReadRows();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const Anchor& anchor = anchors[static_cast<std::size_t>(i)];
        int row = anchor.pending ? pending_->row : -1;
        for (std::size_t r = 0; anchor.rowid && r < rows_.size() && row < 0; ++r)
            if (rows_[r].rowid == *anchor.rowid) row = GridRow(static_cast<int>(r));
        after.push_back(row < 0 ? QModelIndex() : index(row, before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

int BlazonTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size()) + (pending_ ? 1 : 0);
}

int BlazonTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

int BlazonTableModel::TableRow(int gridRow) const {
    if (!pending_) return gridRow;
    if (gridRow == pending_->row) return -1;
    return gridRow > pending_->row ? gridRow - 1 : gridRow;
}

int BlazonTableModel::GridRow(int tableRow) const {
    if (!pending_ || tableRow < pending_->row) return tableRow;
    return tableRow + 1;
}

std::optional<long long> BlazonTableModel::RowidAt(int gridRow) const {
    const int row = gridRow < 0 ? -1 : TableRow(gridRow);
    if (row < 0 || row >= static_cast<int>(rows_.size())) return std::nullopt;
    return rows_[static_cast<std::size_t>(row)].rowid;
}

QVariant BlazonTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
    const int row = TableRow(index.row());
    if (row < 0) return index.column() == 0 ? pending_->surname : pending_->blazon;
    if (row >= static_cast<int>(rows_.size())) return {};
    const Row& r = rows_[static_cast<std::size_t>(row)];
    return index.column() == 0 ? r.surname : r.blazon;
}

QVariant BlazonTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return section == 0 ? QString("Surname") : QString("Blazon");
    return {};
}

Qt::ItemFlags BlazonTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!readOnly_) f |= Qt::ItemIsEditable;
    return f;
}

bool BlazonTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || readOnly_) return false;
    QString text = value.toString();
    if (index.column() == 0) text = text.left(db::kMaxSurnameChars);
    const int row = TableRow(index.row());
    if (row < 0) {
        (index.column() == 0 ? pending_->surname : pending_->blazon) = text;
        emit dataChanged(index, index);
        return true;
    }
    const Row& shown = rows_[static_cast<std::size_t>(row)];
    if (text == (index.column() == 0 ? shown.surname : shown.blazon)) return true;  // nothing to write
    table_.DisableControls();
    table_.GoToIndex(row);
    std::string error;
    const bool ok = table_.UpdateCurrent({{index.column() == 0 ? "Surname" : "Blazon", text.toStdString()}}, &error);
    // The record stays current where the sort puts it; when the view no longer shows it, the
    // record that takes its place becomes current.
    if (ok && table_.CurrentIndex() < 0 && table_.RecordCount() > 0) table_.GoToIndex(std::min(row, table_.RecordCount() - 1));
    table_.EnableControls();
    if (!ok) {
        messages_.Show(error);
        return false;
    }
    Resort();
    return true;
}

int BlazonTableModel::BeginInsert(int row) {
    if (pending_ || readOnly_) return pending_ ? pending_->row : -1;
    const int at = std::clamp(row, 0, static_cast<int>(rows_.size()));
    beginInsertRows({}, at, at);
    pending_ = Pending{at, {}, {}};
    endInsertRows();
    return at;
}

bool BlazonTableModel::PostPending() {
    if (!pending_) return true;
    if (pending_->blazon.trimmed().isEmpty()) {
        messages_.Show("No blazon entered!");
        return false;
    }
    const QString surname = pending_->surname.trimmed().isEmpty() ? QString("Unknown") : pending_->surname;
    std::string error;
    if (!table_.Insert({surname.toStdString(), "0", pending_->blazon.toStdString(), std::string(1, db::kOriginUser)}, &error)) {
        messages_.Show(error);
        return false;
    }
    beginResetModel();
    pending_.reset();
    ReadRows();
    endResetModel();
    return true;
}

void BlazonTableModel::CancelPending() {
    if (!pending_) return;
    beginRemoveRows({}, pending_->row, pending_->row);
    pending_.reset();
    endRemoveRows();
}

DatabaseForm::DatabaseForm(QWidget* parent, MessageSink& messages, YesNoAsker& asker)
    : QDialog(parent), messages_(messages), asker_(asker) {
    setObjectName("DBForm");
    setWindowTitle("ESCAVAL! database");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(992, 553);

    auto* navigator = new QWidget(this);
    navigator->setObjectName("DBNavigator1");
    navigator->setGeometry(12, 10, 650, 40);
    auto* row = new QHBoxLayout(navigator);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    const struct {
        const char* name;
        const char* glyph;
        const char* hint;
    } buttons[] = {{"First", "|\u25C0", "First record"},   {"Prior", "\u25C0", "Prior record"},
                   {"Next", "\u25B6", "Next record"},      {"Last", "\u25B6|", "Last record"},
                   {"Insert", "+", "Insert record"},       {"Delete", "\u2212", "Delete record"},
                   {"Edit", "\u25B2", "Edit record"},      {"Post", "\u2714", "Post edit"},
                   {"Cancel", "\u2716", "Cancel edit"},    {"Refresh", "\u21BB", "Refresh data"}};
    for (const auto& b : buttons) {
        auto* button = new QToolButton(navigator);
        button->setObjectName(b.name);
        button->setText(QString::fromUtf8(b.glyph));
        button->setToolTip(b.hint);
        button->setFixedSize(64, 40);
        button->setFocusPolicy(Qt::NoFocus);
        const QString name = b.name;
        connect(button, &QToolButton::clicked, this, [this, name] { Navigate(name); });
        row->addWidget(button);
    }
    auto* exit = new QPushButton("Exit", this);
    exit->setObjectName("Exit");
    exit->setGeometry(880, 12, 90, 36);
    connect(exit, &QPushButton::clicked, this, [this] {
        CommitEditor();
        reject();
    });

    auto* grid = new EditableGrid(this);
    grid_ = grid;
    grid_->setObjectName("DBGrid1");
    grid_->setGeometry(12, 64, 953, 472);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->verticalHeader()->setFixedWidth(18);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

DatabaseForm::~DatabaseForm() {
    // The grid and its models die with the QDialog base, after this object's own members: no
    // signal of theirs may reach this form's handlers then.
    if (grid_->selectionModel()) grid_->selectionModel()->disconnect(this);
    if (model_) model_->disconnect(this);
}

std::optional<long long> DatabaseForm::Browse(db::BlazonDatabase& database) {
    table_ = database.Browser();
    if (!table_) return std::nullopt;
    readOnly_ = database.ReadOnly();
    // The grid gets its new model before the old one and its selection go.
    auto* model = new BlazonTableModel(*table_, readOnly_, messages_, this);
    QItemSelectionModel* oldSelection = grid_->selectionModel();
    grid_->setModel(model);
    delete oldSelection;
    delete model_;
    model_ = model;
    grid_->setColumnWidth(0, 200);
    grid_->horizontalHeader()->setStretchLastSection(true);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { SyncTableToGrid(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { SyncGridToTable(); });
    connect(model_, &QAbstractItemModel::layoutChanged, this, [this] { SyncGridToTable(); });
    SyncGridToTable();
    exec();
    CommitEditor();
    if (model_->HasPendingRow()) model_->CancelPending();
    // The main window goes on from the record highlighted last.
    SyncTableToGrid();
    const db::Record* current = table_->Current();
    return current ? std::optional<long long>(current->rowid) : std::nullopt;
}

// The grid's highlighted row becomes the view's current record (a pending row has none yet:
// the view stays where it was).
void DatabaseForm::SyncTableToGrid() {
    const auto rowid = model_->RowidAt(grid_->currentIndex().row());
    if (rowid) db::BlazonDatabase::GoToRowid(*table_, *rowid);
}

// The view's current record becomes the grid's highlighted row, in the column the user was in.
void DatabaseForm::SyncGridToTable() {
    const int row = table_->CurrentIndex();
    if (row < 0) {
        grid_->selectionModel()->clear();
        return;
    }
    const QModelIndex at = model_->index(model_->GridRow(row), grid_->currentIndex().isValid() ? grid_->currentIndex().column() : 0);
    if (at != grid_->currentIndex() || !grid_->selectionModel()->isRowSelected(at.row(), {}))
        grid_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    grid_->scrollTo(at);
}

EditableGrid& DatabaseForm::Editing() const { return static_cast<EditableGrid&>(*grid_); }

void DatabaseForm::CommitEditor() { Editing().CommitOpenEditor(); }

bool DatabaseForm::OnPendingRow() const {
    return model_->HasPendingRow() && grid_->currentIndex().row() == model_->PendingRow();
}

void DatabaseForm::Navigate(const QString& button) {
    if (!table_) return;
    // Whatever the button, a cell being edited is written first: it may move its record.
    if (button != "Cancel" && button != "Edit") CommitEditor();
    if (button == "First" || button == "Prior" || button == "Next" || button == "Last") {
        if (model_->HasPendingRow() && !model_->PostPending()) return;
        SyncTableToGrid();
        if (button == "First") table_->First();
        else if (button == "Prior") table_->MoveBy(-1);
        else if (button == "Next") table_->MoveBy(1);
        else table_->Last();
        SyncGridToTable();
    } else if (button == "Insert") {
        if (readOnly_) return messages_.Show("The blazon database is read-only.");
        const int at = model_->BeginInsert(grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0);
        if (at < 0) return;
        grid_->setCurrentIndex(model_->index(at, 0));
        grid_->edit(grid_->currentIndex());
    } else if (button == "Delete") {
        if (readOnly_) return messages_.Show("The blazon database is read-only.");
        // On the pending row Delete drops it; on a record it deletes the record highlighted.
        if (OnPendingRow()) {
            model_->CancelPending();
            return SyncTableToGrid();
        }
        const auto rowid = model_->RowidAt(grid_->currentIndex().row());
        if (!rowid || !db::BlazonDatabase::GoToRowid(*table_, *rowid)) return;
        // The question names the entry it deletes, and Return keeps it.
        const std::string entry = table_->FieldText("Surname") + ": " + table_->FieldText("Blazon");
        if (!asker_.AskYesNo("Confirm", "Delete record?\n\n" + entry, DefaultAnswer::No)) return;
        std::string error;
        if (!table_->DeleteCurrent(&error)) messages_.Show(error);
        model_->Reload();
        SyncGridToTable();
    } else if (button == "Edit") {
        if (readOnly_) return messages_.Show("The blazon database is read-only.");
        if (grid_->currentIndex().isValid()) grid_->edit(grid_->currentIndex());
    } else if (button == "Post") {
        if (model_->HasPendingRow() && model_->PostPending()) SyncGridToTable();
    } else if (button == "Cancel") {
        Editing().DropOpenEditor();  // the cell being edited is not written
        if (model_->HasPendingRow()) {
            model_->CancelPending();
            SyncTableToGrid();
        }
    } else if (button == "Refresh") {
        model_->CancelPending();
        SyncTableToGrid();
        table_->Refresh();
        model_->Reload();
        SyncGridToTable();
    }
}

}  // namespace esc::qt
