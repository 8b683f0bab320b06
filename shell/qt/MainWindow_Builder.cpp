// The builder of marshalled arms on the window: its panel beside the blazon box and the check
// marks of its menu entries.

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/qt/MainWindow.h"

namespace esc::qt {
namespace {

// The blazon box and its group box, and how far they move right to make room for Panel2.
constexpr int kMemoLeft = 16, kMemoWidth = 636;
constexpr int kGroupLeft = 9, kGroupWidth = 648;
constexpr int kBuilderShift = 48;

}  // namespace

void MainWindow::MoveAlong(QWidget* widget, int x, int w) {
    for (auto& [placedWidget, rect] : placed_)
        if (placedWidget == widget) rect = QRect(x, rect.y(), w, rect.height());
    LayOut();
}

void MainWindow::CheckBuilderEntry(std::optional<MarshallingKind> kind) {
    Action("Quarterarms1")->setChecked(kind == MarshallingKind::Quartered);
    Action("Impalearms1")->setChecked(kind == MarshallingKind::Impaled);
}

void MainWindow::ShowBuilder(std::optional<MarshallingKind> kind) {
    CheckBuilderEntry(kind);
    const int shift = kind ? kBuilderShift : 0;
    MoveAlong(memo1_, kMemoLeft + shift, kMemoWidth - shift);
    MoveAlong(groupBox2_, kGroupLeft + shift, kGroupWidth - shift);
    const bool quartered = kind == MarshallingKind::Quartered;
    Button("Button3")->setVisible(!kind || quartered);
    Button("Button4")->setVisible(!kind || quartered);
    panel2_->setToolTip(quartered ? "Build quartered blazon" : "Build impaled blazon");
    panel2_->setVisible(kind.has_value());
}

void MainWindow::EnableShowButton(bool enabled) { Button("Button5")->setEnabled(enabled); }

}  // namespace esc::qt
