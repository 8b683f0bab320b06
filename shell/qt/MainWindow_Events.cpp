// Keys, focus, timers and closing: the events the window passes to its handlers.

#include <QApplication>
#include <filesystem>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "shell/qt/MainWindow.h"

namespace esc::qt {

void MainWindow::WireEvents() {
    connect(&timer1_, &QTimer::timeout, this, [this] { controller_->Timer1Timer(); });
    // Keys reach the window before the focused control.
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::FocusChanged);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        // A key event travels from the focused widget up to its parents; it is taken once, where
        // it starts. The key then goes on to the focused control.
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (widget && widget->window() == this && (widget == focus || (!focus && widget == this)))
            controller_->FormKeyPress(' ');
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

void MainWindow::CloseWindow() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing by the title bar ends the program like Exit: the snapshot goes too.
    controller_->StopAutoDisplay();
    std::error_code ec;
    std::filesystem::remove(options_.paths.CacheFile(app::text::kScreenSnapshot), ec);
    event->accept();
}

}  // namespace esc::qt
