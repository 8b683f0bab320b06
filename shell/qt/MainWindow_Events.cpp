// Keys, focus, timers and closing: the events the window passes to its handlers.

#include <QApplication>
#include <filesystem>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "interpret/phrase/DrawingState.h"
#include "shell/qt/MainWindow.h"

namespace esc::qt {

void MainWindow::WireEvents() {
    connect(&timer1_, &QTimer::timeout, this, [this] { controller_->Timer1Timer(); });
    // Keys reach the window before the focused control.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::FocusChanged);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::ShortcutOverride && widget && widget->window() == this) {
        // The boxes would keep Ctrl+Home, Ctrl+End, Page Up and Page Down for their text: in this
        // window they step through the records, whichever box has the focus.
        const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
        for (const QKeyCombination step : {QKeyCombination(Qt::ControlModifier, Qt::Key_Home),
                                           QKeyCombination(Qt::ControlModifier, Qt::Key_End),
                                           QKeyCombination(Qt::Key_PageUp), QKeyCombination(Qt::Key_PageDown)})
            if (key == step) return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        // A key event travels from the focused widget up to its parents; it is taken once, where
        // it starts. The key then goes on to the focused control.
        QWidget* focus = QApplication::focusWidget();
        if (widget && widget->window() == this && (widget == focus || (!focus && widget == this))) {
            controller_->FormKeyPress(' ');
            // On the auto-display button Space pauses and resumes, as it does anywhere else,
            // rather than switching the display; Return switches it.
            if (widget == autoBtn_) return true;
        }
    }
    if (event->type() == QEvent::KeyPress && watched == autoBtn_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            autoBtn_->click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::FocusChanged(QWidget* old, QWidget* now) {
    if (!now || now->window() != this) return;
    // Entering the surname group, the blazon group or the search panel stops the auto display.
    const auto within = [](QWidget* area, QWidget* w) { return w && (w == area || area->isAncestorOf(w)); };
    for (QWidget* area : {static_cast<QWidget*>(nameBox1_), static_cast<QWidget*>(memo1_), static_cast<QWidget*>(panel3_)}) {
        if (within(area, now) && !within(area, old)) controller_->Panel1Enter();
    }
    if (now == memo1_ && old != memo1_) controller_->Memo1Enter();
}

// The count beside the most a text of its kind can hold turns red past what a drawing reads
// whole (single arms may fill their pieces' word slots before their characters): Draw refuses
// such a text.
void MainWindow::ShowBlazonCount() {
    // The box is filled while the window is built, before the controller exists; the
    // constructor shows the count once it does.
    if (!controller_) return;
    const std::string text = memo1_->toPlainText().toStdString();  // what a drawing counts
    const BlazonBound bound = controller_->BlazonBoxBound(text);
    blazonCount_->setText(QString("%1 / %2").arg(text.size()).arg(bound.maxChars));
    QPalette palette = blazonCount_->palette();
    palette.setColor(QPalette::WindowText, bound.reach != BlazonReach::Whole ? Qt::red : Qt::black);
    blazonCount_->setPalette(palette);
}

// Tab runs through the window as it reads: the boxes, the buttons beside them, the toolbar,
// the auto-display button, then the search panel.
void MainWindow::SetTabOrder() {
    std::vector<QWidget*> chain = {nameBox1_, memo1_};
    for (const char* name : {"LookUpBtn", "DrawBtn", "NewBtn", "EditBtn", "AddBtn"}) chain.push_back(Button(name));
    for (const char* name : {"FileOpenBtn", "PrintBtn", "SaveButton", "TopBtn", "PrevBtn", "NextBtn", "BottomBtn"})
        chain.push_back(GlyphButton(name));
    chain.insert(chain.end(), {autoBtn_, edit2_, Button("Searchbtn"), searchDown_});
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::CloseWindow() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing by the title bar ends the program like Exit: the snapshot goes too.
    controller_->StopAutoDisplay();
    std::error_code ec;
    std::filesystem::remove(options_.paths.CacheFile(app::text::kScreenSnapshot), ec);
    event->accept();
}

}  // namespace esc::qt
