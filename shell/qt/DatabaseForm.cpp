#include "shell/qt/DatabaseForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "database/BlazonSchema.h"

namespace esc::qt {
namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// The grid's own view with its editor reachable, so that Post can commit a cell being edited.
class EditableGrid final : public QTableView {
public:
    using QTableView::QTableView;
    void CommitOpenEditor() {
        QWidget* editor = QApplication::focusWidget();
        if (editor && viewport()->isAncestorOf(editor)) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
    void DropOpenEditor() {
        QWidget* editor = QApplication::focusWidget();
        if (editor && viewport()->isAncestorOf(editor)) closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
};

}  // namespace

BlazonTableModel::BlazonTableModel(db::Table& table, bool readOnly, MessageSink& messages, QObject* parent)
    : QAbstractTableModel(parent), table_(table), readOnly_(readOnly), messages_(messages) {
    Reload();
}

void BlazonTableModel::Reload() {
    beginResetModel();
    rows_.clear();
    pending_.reset();
    const int at = table_.CurrentIndex();
    table_.DisableControls();
    rows_.reserve(static_cast<std::size_t>(table_.RecordCount()));
    for (int i = 0; i < table_.RecordCount(); ++i) {
        table_.GoToIndex(i);
        rows_.push_back({table_.Current()->rowid, Text(table_.FieldText("Surname")), Text(table_.FieldText("Blazon"))});
    }
    if (at >= 0) table_.GoToIndex(at);
    table_.EnableControls();
    endResetModel();
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
    const long long rowid = rows_[static_cast<std::size_t>(row)].rowid;
    table_.DisableControls();
    table_.GoToIndex(row);
    std::string error;
    const bool ok = table_.UpdateCurrent({{index.column() == 0 ? "Surname" : "Blazon", text.toStdString()}}, &error);
    table_.EnableControls();
    if (!ok) {
        messages_.Show(error);
        return false;
    }
    Reload();
    db::BlazonDatabase::GoToRowid(table_, rowid);
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
    Reload();
    return true;
}

void BlazonTableModel::CancelPending() {
    if (!pending_) return;
    beginRemoveRows({}, pending_->row, pending_->row);
    pending_.reset();
    endRemoveRows();
}

DatabaseForm::DatabaseForm(QWidget* parent, MessageSink& messages) : QDialog(parent), messages_(messages) {
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

std::optional<long long> DatabaseForm::Browse(db::BlazonDatabase& database) {
    table_ = database.Browser();
    if (!table_) return std::nullopt;
    readOnly_ = database.ReadOnly();
    delete model_;
    model_ = new BlazonTableModel(*table_, readOnly_, messages_, this);
    grid_->setModel(model_);
    grid_->setColumnWidth(0, 200);
    grid_->horizontalHeader()->setStretchLastSection(true);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { SyncTableToGrid(); });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] { SyncGridToTable(); });
    SyncGridToTable();
    exec();
    CommitEditor();
    if (model_->HasPendingRow()) model_->CancelPending();
    const db::Record* current = table_->Current();
    return current ? std::optional<long long>(current->rowid) : std::nullopt;
}

// The grid's current row becomes the view's current record.
void DatabaseForm::SyncTableToGrid() {
    const int row = model_->TableRow(grid_->currentIndex().row());
    if (row >= 0) table_->GoToIndex(row);
}

void DatabaseForm::SyncGridToTable() {
    const int row = table_->CurrentIndex();
    if (row < 0) return;
    const int column = grid_->currentIndex().isValid() ? grid_->currentIndex().column() : 0;
    grid_->setCurrentIndex(model_->index(model_->GridRow(row), column));
    grid_->scrollTo(grid_->currentIndex());
}

void DatabaseForm::CommitEditor() { static_cast<EditableGrid*>(grid_)->CommitOpenEditor(); }

void DatabaseForm::Navigate(const QString& button) {
    if (!table_) return;
    if (button == "First" || button == "Prior" || button == "Next" || button == "Last") {
        CommitEditor();
        if (model_->HasPendingRow() && !model_->PostPending()) return;
        if (button == "First") table_->First();
        else if (button == "Prior") table_->MoveBy(-1);
        else if (button == "Next") table_->MoveBy(1);
        else table_->Last();
        SyncGridToTable();
    } else if (button == "Insert") {
        if (readOnly_) return messages_.Show("The blazon database is read-only.");
        CommitEditor();
        const int at = model_->BeginInsert(model_->GridRow(std::max(table_->CurrentIndex(), 0)));
        if (at < 0) return;
        grid_->setCurrentIndex(model_->index(at, 0));
        grid_->edit(grid_->currentIndex());
    } else if (button == "Delete") {
        if (readOnly_) return messages_.Show("The blazon database is read-only.");
        if (model_->HasPendingRow()) return model_->CancelPending();
        if (!table_->Current()) return;
        if (QMessageBox::question(this, "Confirm", "Delete record?") != QMessageBox::Yes) return;
        std::string error;
        if (!table_->DeleteCurrent(&error)) messages_.Show(error);
        model_->Reload();
        SyncGridToTable();
    } else if (button == "Edit") {
        if (readOnly_) return messages_.Show("The blazon database is read-only.");
        if (grid_->currentIndex().isValid()) grid_->edit(grid_->currentIndex());
    } else if (button == "Post") {
        CommitEditor();
        if (model_->HasPendingRow()) {
            if (model_->PostPending()) SyncGridToTable();
        }
    } else if (button == "Cancel") {
        static_cast<EditableGrid*>(grid_)->DropOpenEditor();  // the cell being edited is not written
        model_->CancelPending();
        SyncGridToTable();
    } else if (button == "Refresh") {
        CommitEditor();
        model_->CancelPending();
        table_->Refresh();
        model_->Reload();
        SyncGridToTable();
    }
}

}  // namespace esc::qt
