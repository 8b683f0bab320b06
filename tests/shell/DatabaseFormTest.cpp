// The database form as a user drives it: the grid's highlighted row, the browser's current
// record and the entry the main window draws afterwards must always be the same record, through
// edits that re-sort the grid, deletions, inserts and the navigator.

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScopeGuard>
#include <deque>

#include "tests/shell/WindowFixture.h"

namespace esc::test {

// Answers the questions from a list and keeps every question asked.
class ScriptedAsker final : public esc::qt::YesNoAsker {
public:
    // The question's first line is kept; the entry it names is checked where it matters.
    bool AskYesNo(const std::string& title, const std::string& text, esc::qt::DefaultAnswer) override {
        asked.push_back(title + ": " + text.substr(0, text.find('\n')));
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<bool> answers;
    std::vector<std::string> asked;
};

const std::string kDeleteQuestion = "Confirm: Delete record?";

class DatabaseFormTest : public QObject, private WindowFixture {
    Q_OBJECT

    ScriptedAsker questions_;

    using Form = esc::qt::DatabaseForm;

    // Opens the form from the menu with the main window on `start`, runs `body` while it is
    // shown and fails unless the form was shown. The form is closed afterwards if `body` left
    // it open (after a failed check, say).
    void Browse(const char* start, const std::function<void(Form&)>& body) {
        W().NameBox()->setText(start);
        Click("LookUpBtn");
        QCOMPARE(Name(), QString(start));
        bool shown = false;
        WhenModal<Form>([&](Form* form) {
            shown = true;
            const auto close = qScopeGuard([form] {
                if (form->isVisible()) form->reject();
            });
            // The user works in the form once it is the active window, where its editors take
            // the keyboard focus and give it back to the grid.
            QVERIFY(Eventually([&] { return QApplication::activeWindow() == form; }));
            body(*form);
        });
        Trigger("Database1");
        QVERIFY(shown);
    }

    static QString SurnameAt(Form& form, int row) {
        return form.Model()->data(form.Model()->index(row, 0), Qt::DisplayRole).toString();
    }
    static QStringList Surnames(Form& form) {
        QStringList names;
        for (int row = 0; row < form.Model()->rowCount(); ++row) names << SurnameAt(form, row);
        return names;
    }
    static QString Highlighted(Form& form) { return SurnameAt(form, form.Grid()->currentIndex().row()); }

    // The highlight is the grid's one selected row and its current row, and it shows the record
    // the browser's table stands on. A pending insert has no record yet: the highlight is on it.
    static bool SameRecord(Form& form, const QString& step) {
        QTableView* grid = form.Grid();
        const QModelIndex current = grid->currentIndex();
        const QModelIndexList selected = grid->selectionModel()->selectedRows();
        const bool highlighted = current.isValid() && selected.size() == 1 && selected.front().row() == current.row();
        const auto rowid = form.Model()->RowidAt(current.row());
        const esc::db::Record* record = form.View()->Current();
        bool same = false;
        QString table = "none";
        if (record) table = QString::fromStdString(form.View()->FieldText("Surname")) + " #" + QString::number(record->rowid);
        if (!rowid) {
            same = current.isValid() && current.row() == form.Model()->PendingRow();
        } else {
            same = record && record->rowid == *rowid && form.View()->CurrentIndex() == form.Model()->TableRow(current.row()) &&
                   QString::fromStdString(form.View()->FieldText("Surname")) == SurnameAt(form, current.row());
        }
        if (highlighted && same) return true;
        qWarning("%s: grid row %d (%s, %d selected), table on %s", qPrintable(step), current.row(),
                 qPrintable(current.isValid() ? SurnameAt(form, current.row()) : QString("nothing")),
                 static_cast<int>(selected.size()), qPrintable(table));
        return false;
    }

    // A click on a cell. A real click also gives the grid the keyboard focus, which the test's
    // synthetic click does not: that focus decides where an editor gives it back.
    static void ClickRow(Form& form, int row, int column = 0) {
        QTableView* grid = form.Grid();
        grid->setFocus(Qt::MouseFocusReason);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(form.Model()->index(row, column)).center());
        QVERIFY(grid->hasFocus());
    }

    // Types `text` into the grid's cell editor that is open on `index` and presses Return. The
    // editor hands its text over from the event loop, so the loop turns before the next step,
    // as it does between two key presses of a user.
    static void TypeIntoEditor(Form& form, const QModelIndex& index, const QString& text) {
        auto* editor = qobject_cast<QLineEdit*>(form.Grid()->indexWidget(index));
        QVERIFY2(editor, "no cell editor is open");
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY2(form.isVisible(), "Return closed the form");
        QVERIFY2(!form.Grid()->indexWidget(index), "the cell editor is still open");
    }

    // The ways a user opens a cell's editor: F2, the navigator's Edit, a double click, or typing.
    enum class Start { F2, EditButton, DoubleClick, Typing };

    // Clicks the cell, opens its editor, types `text` over what it held and presses Return.
    static void EditCell(Form& form, int row, int column, const QString& text, Start start) {
        ClickRow(form, row, column);
        const QModelIndex cell = form.Model()->index(row, column);
        QTableView* grid = form.Grid();
        switch (start) {
        case Start::F2: QTest::keyClick(grid, Qt::Key_F2); break;
        case Start::EditButton: Press(form, "Edit"); break;
        case Start::DoubleClick: QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center()); break;
        case Start::Typing:
            // The first key opens the editor and is its first character.
            QTest::keyClick(grid, text.front().toLatin1());
            auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
            QVERIFY2(editor && editor->text() == text.left(1), "typing did not open the editor");
            QTest::keyClicks(editor, text.mid(1));
            QTest::keyClick(editor, Qt::Key_Return);
            QCoreApplication::processEvents();
            QVERIFY2(!grid->indexWidget(cell), "the cell editor is still open");
            return;
        }
        TypeIntoEditor(form, cell, text);
    }

    static constexpr std::pair<const char*, Start> kStarts[] = {
        {"F2", Start::F2}, {"Edit", Start::EditButton}, {"double click", Start::DoubleClick}, {"typing", Start::Typing}};

    static void Press(Form& form, const char* button) {
        QTest::mouseClick(form.findChild<QToolButton*>(button), Qt::LeftButton);
    }

private slots:
    void init() {
        questions_.answers.clear();
        questions_.asked.clear();
        asker_ = &questions_;
        SetUp();
    }
    void cleanup() { TearDown(); }

    // The real question box: it names the entry it would delete, and Return answers No.
    void deleteNamesTheEntryAndReturnKeepsIt() {
        asker_ = nullptr;
        OpenWindow();
        QString text;
        bool noIsDefault = false;
        Browse("Baker", [&](Form& form) {
            WhenModal<QMessageBox>([&](QMessageBox* box) {
                text = box->text();
                noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
                QTest::keyClick(box, Qt::Key_Return);
            });
            Press(form, "Delete");
            QTest::mouseClick(form.findChild<QPushButton*>("Exit"), Qt::LeftButton);
        });
        QVERIFY2(text.startsWith("Delete record?"), qPrintable(text));
        QVERIFY2(text.contains("Baker: Gules a lion rampant or"), qPrintable(text));
        QVERIFY(noIsDefault);
        QCOMPARE(Db().Main().RecordCount(), 5);
    }

    // Editing a cell and pressing Return, then Delete and Yes: the record deleted is the one
    // highlighted, which is the record just edited, wherever the sort has put it.
    void deleteAfterAnEditRemovesTheHighlightedRecord_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("edited");
        QTest::addColumn<int>("editedRow");
        const struct {
            const char* name;
            int column;
            const char* typed;
            const char* edited;
            int editedRow;
        } edits[] = {{"surname sorting last", 0, "Zeal", "Zeal", 4},
                     {"surname sorting first", 0, "Aaron", "Aaron", 0},
                     {"surname keeping its place", 0, "Cope", "Cope", 2},
                     {"blazon", 1, "Purpure", "Cole", 2}};
        for (const auto& e : edits)
            for (const auto& [startName, start] : kStarts)
                QTest::addRow("%s, %s", e.name, startName)
                    << int(start) << e.column << QString(e.typed) << QString(e.edited) << e.editedRow;
    }
    void deleteAfterAnEditRemovesTheHighlightedRecord() {
        QFETCH(int, start);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, edited);
        QFETCH(int, editedRow);
        Browse("Cole", [&](Form& form) {
            QCOMPARE(Highlighted(form), QString("Cole"));
            EditCell(form, 2, column, typed, Start(start));
            QVERIFY(SameRecord(form, "after the edit"));
            QCOMPARE(Highlighted(form), edited);
            QCOMPARE(form.Grid()->currentIndex().row(), editedRow);
            questions_.answers = {true};
            Press(form, "Delete");
            QCOMPARE(questions_.asked, std::vector<std::string>{kDeleteQuestion});
            QCOMPARE(Surnames(form), (QStringList{"Abel", "Baker", "Dean", "Ellis"}));
            QVERIFY(SameRecord(form, "after the deletion"));
            QTest::mouseClick(form.findChild<QPushButton*>("Exit"), Qt::LeftButton);
        });
        QCOMPARE(Db().Main().RecordCount(), 4);
        for (const auto& row : Db().Main().AllRows()) QVERIFY(row.values[0] != edited.toStdString());
    }

    // Closing the form draws, in the main window, the record the grid highlights.
    void closingDrawsTheHighlightedRecord_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("keyAfter");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<QString>("blazon");
        QTest::addColumn<bool>("escape");
        const struct {
            const char* name;
            int column;
            const char* typed;
            int keyAfter;
            const char* drawn;
            const char* blazon;
        } cases[] = {{"edited surname", 0, "Zeal", 0, "Zeal", "Or"},
                     {"edited blazon", 1, "Purpure", 0, "Cole", "Purpure"},
                     {"row above the re-sorted edit", 0, "Zeal", Qt::Key_Up, "Ellis", "Sable"},
                     {"row below the re-sorted edit", 0, "Aaron", Qt::Key_Down, "Abel", "Azure"}};
        for (const auto& c : cases)
            for (const auto& [startName, start] : kStarts)
                QTest::addRow("%s, %s", c.name, startName) << int(start) << c.column << QString(c.typed) << c.keyAfter
                                                           << QString(c.drawn) << QString(c.blazon) << false;
        QTest::newRow("row above the re-sorted edit, closed with Escape")
            << int(Start::F2) << 0 << QString("Zeal") << int(Qt::Key_Up) << QString("Ellis") << QString("Sable") << true;
    }
    void closingDrawsTheHighlightedRecord() {
        QFETCH(int, start);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, keyAfter);
        QFETCH(QString, drawn);
        QFETCH(QString, blazon);
        QFETCH(bool, escape);
        Browse("Cole", [&](Form& form) {
            EditCell(form, 2, column, typed, Start(start));
            if (keyAfter) QTest::keyClick(form.Grid(), Qt::Key(keyAfter));
            QCOMPARE(Highlighted(form), drawn);
            QVERIFY(SameRecord(form, "before closing"));
            if (escape) QTest::keyClick(form.Grid(), Qt::Key_Escape);
            else QTest::mouseClick(form.findChild<QPushButton*>("Exit"), Qt::LeftButton);
            QVERIFY(!form.isVisible());
        });
        QCOMPARE(Name(), drawn);
        QCOMPARE(W().Memo()->toPlainText(), blazon);
        const std::string words = blazon.toLower().toStdString();
        const Rgb field = words == "or"       ? kOr
                          : words == "sable"  ? kSable
                          : words == "azure"  ? kAzure
                                              : esc::kPalette[esc::kPurpure];
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(field));
    }

    // Every button of the navigator, inserts posted and cancelled, edits and deletions: after
    // each step the highlight and the browser's record are one record, the one expected.
    void everyStepKeepsTheHighlightOnTheBrowsersRecord() {
        Browse("Abel", [&](Form& form) {
            const struct Step {
                const char* name;
                std::function<void()> act;
                const char* highlighted;  // null: the pending insert
            } steps[] = {
                {"Next", [&] { Press(form, "Next"); }, "Baker"},
                {"Next again", [&] { Press(form, "Next"); }, "Cole"},
                {"Last", [&] { Press(form, "Last"); }, "Ellis"},
                {"Next past the end", [&] { Press(form, "Next"); }, "Ellis"},
                {"Prior", [&] { Press(form, "Prior"); }, "Dean"},
                {"First", [&] { Press(form, "First"); }, "Abel"},
                {"Prior past the start", [&] { Press(form, "Prior"); }, "Abel"},
                {"click on a row", [&] { ClickRow(form, 3, 1); }, "Dean"},
                {"arrow key", [&] { QTest::keyClick(form.Grid(), Qt::Key_Up); }, "Cole"},
                {"Insert", [&] { Press(form, "Insert"); }, nullptr},
                {"type the surname", [&] { TypeIntoEditor(form, form.Grid()->currentIndex(), "Fox"); }, nullptr},
                {"Post without a blazon", [&] { Press(form, "Post"); }, nullptr},
                {"type the blazon",
                 [&] {
                     const QModelIndex blazon = form.Model()->index(form.Model()->PendingRow(), 1);
                     form.Grid()->setCurrentIndex(blazon);
                     form.Grid()->edit(blazon);
                     TypeIntoEditor(form, blazon, "Argent");
                 },
                 nullptr},
                {"Post", [&] { Press(form, "Post"); }, "Fox"},
                {"Insert again", [&] { Press(form, "Insert"); }, nullptr},
                {"Cancel the insert", [&] { Press(form, "Cancel"); }, "Fox"},
                {"Insert and Refresh", [&] { Press(form, "Insert"), Press(form, "Refresh"); }, "Fox"},
                {"Edit button and Return",
                 [&] {
                     Press(form, "Edit");
                     TypeIntoEditor(form, form.Grid()->currentIndex(), "Bacon");
                 },
                 "Bacon"},
                {"Delete, answered No", [&] { questions_.answers = {false}, Press(form, "Delete"); }, "Bacon"},
                {"Delete, answered Yes", [&] { questions_.answers = {true}, Press(form, "Delete"); }, "Baker"},
                {"Last", [&] { Press(form, "Last"); }, "Ellis"},
                {"Delete the last", [&] { questions_.answers = {true}, Press(form, "Delete"); }, "Dean"},
                {"Refresh", [&] { Press(form, "Refresh"); }, "Dean"},
                {"Edit, Cancel", [&] {
                     Press(form, "Edit");
                     auto* editor = qobject_cast<QLineEdit*>(form.Grid()->indexWidget(form.Grid()->currentIndex()));
                     QVERIFY(editor);
                     QTest::keyClicks(editor, "Abbot");
                     Press(form, "Cancel");
                 }, "Dean"},
                {"Insert before Dean", [&] { Press(form, "Insert"); }, nullptr},
                {"click a record while inserting", [&] { ClickRow(form, 0); }, "Abel"},
                {"Delete it, answered Yes",
                 [&] {
                     questions_.answers = {true};
                     Press(form, "Delete");
                     QCOMPARE(SurnameAt(form, form.Model()->PendingRow() + 1), QString("Dean"));  // still before Dean
                 },
                 "Baker"},
                {"Cancel the insert left behind", [&] { Press(form, "Cancel"); }, "Baker"},
            };
            for (const Step& step : steps) {
                step.act();
                QVERIFY2(SameRecord(form, step.name), step.name);
                if (step.highlighted) QVERIFY2(Highlighted(form) == step.highlighted, step.name);
                else QVERIFY2(form.Grid()->currentIndex().row() == form.Model()->PendingRow(), step.name);
            }
            QCOMPARE(questions_.asked.size(), size_t(4));
            QCOMPARE(Surnames(form), (QStringList{"Baker", "Cole", "Dean"}));
        });
        QCOMPARE(Name(), QString("Baker"));
    }

    // An edit that takes the record out of the view (the search words no longer in its blazon):
    // the highlight and the browser agree on the record that takes its place.
    void anEditThatHidesTheRecordLeavesBothOnOneRecord() {
        // The words typed in the main window's search box filter the browser, searched or not.
        Click("TopBtn");
        W().SearchBox()->setText("lion");
        Browse("Baker", [&](Form& form) {
            QCOMPARE(Surnames(form), (QStringList{"Baker", "Dean"}));
            QCOMPARE(Highlighted(form), QString("Baker"));
            EditCell(form, 0, 1, "Gules", Start::EditButton);
            QCOMPARE(Surnames(form), QStringList{"Dean"});
            QVERIFY(SameRecord(form, "after the edit"));
            QTest::mouseClick(form.findChild<QPushButton*>("Exit"), Qt::LeftButton);
        });
        QCOMPARE(Name(), QString("Dean"));
    }
};

QObject* NewDatabaseFormTest() { return new DatabaseFormTest; }

}  // namespace esc::test

#include "DatabaseFormTest.moc"
