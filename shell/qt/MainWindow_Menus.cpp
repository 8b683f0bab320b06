// The main menu: File, Edit, Options (with the Database submenu) and Help.

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "shell/qt/MainWindow.h"

namespace esc::qt {

QAction* MainWindow::AddAction(QMenu* menu, const char* name, const QString& caption,
                               void (app::WindowController::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (handler) connect(action, &QAction::triggered, this, [this, handler] { (controller_.get()->*handler)(); });
    return action;
}

void MainWindow::BuildMenus() {
    using C = app::WindowController;
    QMenuBar* bar = menuBar();

    fileMenu_ = bar->addMenu("&File");
    fileMenu_->setObjectName("File1");
    AddAction(fileMenu_, "Userfile1", "&Import user file", &C::Userfile1Click);
    fileMenu_->addSeparator();
    // Saving and printing have the keys every desktop program gives them, shown in the menu;
    // like the entries they wait for the first drawing.
    QAction* save = AddAction(fileMenu_, "Save1", "&Save picture", &C::SaveButtonClick);
    save->setShortcut(QKeySequence::Save);
    save->setEnabled(false);
    AddAction(fileMenu_, "Open1", "&View picture", &C::Open1Click);
    fileMenu_->addSeparator();
    QAction* print = AddAction(fileMenu_, "Print1", "&Print...", &C::PrintBtnClick);
    print->setShortcut(QKeySequence::Print);
    print->setEnabled(false);
    fileMenu_->addSeparator();
    AddAction(fileMenu_, "Exit1", "E&xit", &C::Exit1Click)->setShortcut(QKeySequence("Ctrl+Q"));
    // Entries that nothing shows or enables.
    for (const char* hidden : {"Grow", "SetPpr", "OldToNew"}) {
        QAction* action = AddAction(fileMenu_, (std::string(hidden) + "1").c_str(), hidden, nullptr);
        action->setVisible(false);
        action->setEnabled(false);
    }

    editMenu_ = bar->addMenu("&Edit");
    editMenu_->setObjectName("Edit1");
    QAction* cut = editMenu_->addAction("Cu&t", this, [this] { memo1_->cut(); });
    cut->setObjectName("Cut1");
    cut->setShortcut(QKeySequence("Ctrl+X"));
    QAction* copy = editMenu_->addAction("&Copy", this, [this] { memo1_->copy(); });
    copy->setObjectName("Copy1");
    copy->setShortcut(QKeySequence("Ctrl+C"));
    QAction* paste = editMenu_->addAction("&Paste", this, [this] { memo1_->paste(); });
    paste->setObjectName("Paste1");
    paste->setShortcut(QKeySequence("Ctrl+V"));
    editMenu_->addSeparator();
    QAction* find = editMenu_->addAction("&Find...", this, [this] {
        edit2_->setFocus(Qt::ShortcutFocusReason);
        edit2_->selectAll();
    });
    find->setObjectName("Find1");
    find->setShortcut(QKeySequence("Ctrl+F"));

    // The buttons of the panel that have keys, listed with them. The window-wide keys reach them
    // from every box; in the blazon box Page Up and Page Down step records, not the text.
    goMenu_ = bar->addMenu("&Go");
    goMenu_->setObjectName("Go1");
    const struct {
        const char* name;
        const char* caption;
        const char* key;
        void (C::*handler)();
    } steps[] = {{"DrawKey", "&Draw", "Ctrl+Return", &C::DrawBtnClick},
                 {"TopKey", "&First", "Ctrl+Home", &C::TopBtnClick},
                 {"PrevKey", "&Previous", "PgUp", &C::PrevBtnClick},
                 {"NextKey", "&Next", "PgDown", &C::NextBtnClick},
                 {"BottomKey", "&Last", "Ctrl+End", &C::BottomBtnClick}};
    for (const auto& step : steps) {
        AddAction(goMenu_, step.name, step.caption, step.handler)->setShortcut(QKeySequence(step.key));
        if (step.handler == &C::DrawBtnClick) goMenu_->addSeparator();
    }

    optionsMenu_ = bar->addMenu("&Options");
    optionsMenu_->setObjectName("Options1");
    // The builders of marshalled arms: check items whose marks the controller sets.
    AddAction(optionsMenu_, "Impalearms1", "Impale arms", &C::Impalearms1Click)->setCheckable(true);
    AddAction(optionsMenu_, "Quarterarms1", "Quarter arms", &C::Quarterarms1Click)->setCheckable(true);
    AddAction(optionsMenu_, "Database1", "View database", &C::Database1Click);
    AddAction(optionsMenu_, "SetAutotimer1", "Set Auto timer", &C::SetAutotimer1Click);
    AddAction(optionsMenu_, "Showmantling1", "Show mantling", &C::FileOpenBtnClick)->setEnabled(false);
    for (const char* hidden : {"Set print style", "Show all pics"}) {
        QAction* action = optionsMenu_->addAction(hidden);
        action->setVisible(false);
        action->setEnabled(false);
    }
    optionsMenu_->addSeparator();
    QMenu* database = optionsMenu_->addMenu("Database");
    database->setObjectName("Database3");
    originGroup_ = new QActionGroup(this);
    const struct {
        const char* name;
        const char* caption;
        void (C::*handler)();
    } origins[] = {{"Original2", "Original", &C::Original2Click},
                   {"Useradded2", "User added", &C::Useradded2Click},
                   {"Combined2", "Combined", &C::Combined2Click}};
    for (const auto& o : origins) {
        QAction* action = AddAction(database, o.name, o.caption, o.handler);
        action->setCheckable(true);
        originGroup_->addAction(action);
    }
    Action("Combined2")->setChecked(true);

    helpMenu_ = bar->addMenu("&Help");
    helpMenu_->setObjectName("Help1");
    AddAction(helpMenu_, "Contents1", "&Contents", &C::Contents1Click)->setShortcut(QKeySequence("F1"));
    AddAction(helpMenu_, "reader", "&Readme", &C::readerClick);
    AddAction(helpMenu_, "About1", "&About...", &C::About1Click);
}

void MainWindow::ShowOriginFilter(db::OriginFilter filter) {
    const char* name = filter == db::OriginFilter::Original ? "Original2"
                       : filter == db::OriginFilter::UserAdded ? "Useradded2"
                                                               : "Combined2";
    Action(name)->setChecked(true);
}

}  // namespace esc::qt
