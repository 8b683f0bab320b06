#include "shell/qt/ArrangementView.h"

#include <QAction>
#include <algorithm>
#include <cmath>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

#include "shell/qt/PictureWidget.h"

namespace esc::qt {
namespace {

constexpr const char* kPopupCaptions[app::kPopupItems] = {"Flip horizontal", "Flip vertical", "Match size", "Align horizontal",
                                                          "Align vertical"};
constexpr const char* kPopupNames[app::kPopupItems] = {"FlipHorizontal1", "Flipvertical1", "Matchsize1", "Alignhorizontal1",
                                                       "Alignvertical1"};
constexpr int kNudgeStep = 1, kShiftNudgeStep = 10;

Qt::CursorShape CursorOf(app::HandleCursor cursor) {
    switch (cursor) {
        case app::HandleCursor::DiagonalFalling: return Qt::SizeFDiagCursor;
        case app::HandleCursor::Drag: return Qt::DragMoveCursor;
        case app::HandleCursor::DiagonalRising: return Qt::SizeBDiagCursor;
    }
    return Qt::ArrowCursor;
}

// Image1's top-left corner in the picture widget, which shows the design from kPictureAreaTop.
constexpr int kImage1X = app::kImage1Rect.left, kImage1Y = app::kImage1Rect.top - app::kPictureAreaTop;

}  // namespace

ArrangementView::ArrangementView(app::WindowController& controller, PictureWidget& picture, QMenu* editMenu, QObject* parent)
    : QObject(parent), controller_(controller), editor_(controller.Arrangement()), picture_(picture) {
    // A click on the picture gives it the keys, for the arrows and Escape.
    picture_.setFocusPolicy(Qt::ClickFocus);
    picture_.installEventFilter(this);
    for (const app::HandleControl& h : editor_.Handles()) {
        auto* w = new QWidget(&picture_);
        w->setObjectName(QString("Handle%1").arg(static_cast<int>(h.handle) + 1));
        w->setToolTip(h.hint);
        w->setCursor(CursorOf(h.cursor));
        w->resize(app::kHandleSide, app::kHandleSide);
        w->hide();
        w->installEventFilter(this);
        handles_[static_cast<std::size_t>(h.handle)] = w;
    }

    popup_ = new QMenu(&picture_);
    popup_->setObjectName("PopupMenu1");
    for (int i = 0; i < app::kPopupItems; ++i) {
        const auto item = static_cast<app::PopupItem>(i);
        popupActions_[static_cast<std::size_t>(i)] = popup_->addAction(kPopupCaptions[i], this, [this, item] { RunPopup(item); });
        popupActions_[static_cast<std::size_t>(i)]->setObjectName(kPopupNames[i]);
    }

    if (editMenu) {
        editMenu->addSeparator();
        undo_ = editMenu->addAction("&Undo arrangement", this, [this] {
            if (controller_.State().mantlingShown) return;
            editor_.Undo();
            Sync();
        });
        undo_->setObjectName("UndoArrangement1");
        undo_->setShortcut(QKeySequence::Undo);
        redo_ = editMenu->addAction("&Redo arrangement", this, [this] {
            if (controller_.State().mantlingShown) return;
            editor_.Redo();
            Sync();
        });
        redo_->setObjectName("RedoArrangement1");
        redo_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
        QMenu* arrange = editMenu->addMenu("&Arrange charges");
        arrange->setObjectName("Arrange1");
        for (int i = 0; i < app::kPopupItems; ++i) {
            const auto item = static_cast<app::PopupItem>(i);
            editActions_[static_cast<std::size_t>(i)] = arrange->addAction(kPopupCaptions[i], this, [this, item] { RunPopup(item); });
            editActions_[static_cast<std::size_t>(i)]->setObjectName(QString(kPopupNames[i]) + "Edit");
        }
        // The entries say what can be done when the menu opens; their keys work whenever there is.
        connect(editMenu, &QMenu::aboutToShow, this, [this] {
            undo_->setEnabled(editor_.CanUndo());
            redo_->setEnabled(editor_.CanRedo());
            for (int i = 0; i < app::kPopupItems; ++i)
                editActions_[static_cast<std::size_t>(i)]->setEnabled(editor_.PopupEnabled(static_cast<app::PopupItem>(i)));
        });
        connect(editMenu, &QMenu::aboutToHide, this, [this] {
            undo_->setEnabled(true);
            redo_->setEnabled(true);
        });
    }
}

QPointF ArrangementView::WidgetPosition(double x, double y) const {
    const double sx = picture_.width() / static_cast<double>(app::kDesignWidth);
    const double sy = picture_.height() / static_cast<double>(app::kDesignHeight - app::kPictureAreaTop);
    return QPointF((x + kImage1X) * sx, (y + kImage1Y) * sy);
}

std::optional<QPoint> ArrangementView::PicturePoint(QPointF global) const {
    // Through the widget's real origin on the screen, in its own logical units; a widget shown
    // at another size than the design is scaled back to the design.
    const QPointF local = picture_.mapFromGlobal(global);
    if (picture_.width() <= 0 || picture_.height() <= 0) return std::nullopt;
    const double x = local.x() * app::kDesignWidth / picture_.width();
    const double y = local.y() * (app::kDesignHeight - app::kPictureAreaTop) / picture_.height();
    return QPoint(static_cast<int>(std::floor(x)) - kImage1X, static_cast<int>(std::floor(y)) - kImage1Y);
}

bool ArrangementView::Receives() const {
    // The achievement covers Image1: the editor receives no clicks while it is shown.
    return !controller_.State().mantlingShown;
}

void ArrangementView::Sync() {
    const std::array<app::HandleControl, 3> handles = editor_.Handles();
    for (const app::HandleControl& h : handles) {
        QWidget* w = handles_[static_cast<std::size_t>(h.handle)];
        w->setVisible(editor_.HandlesShown() && Receives());
        // The handles stay where the drag began until the picture is moved.
        if (editor_.Drag() != app::DragState::Idle) continue;
        const QPoint at = WidgetPosition(h.rect.left, h.rect.top).toPoint();
        const QPoint end = WidgetPosition(h.rect.right, h.rect.bottom).toPoint();
        w->setGeometry(at.x(), at.y(), std::max(end.x() - at.x(), 1), std::max(end.y() - at.y(), 1));
    }
    for (int i = 0; i < app::kPopupItems; ++i)
        popupActions_[static_cast<std::size_t>(i)]->setEnabled(editor_.PopupEnabled(static_cast<app::PopupItem>(i)));
    picture_.Refresh();
}

void ArrangementView::RunPopup(app::PopupItem item) {
    if (!Receives()) return;
    editor_.Popup(item);
    Sync();
}

bool ArrangementView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &picture_) return PictureEvent(event);
    for (std::size_t k = 0; k < handles_.size(); ++k)
        if (watched == handles_[k]) return HandleEvent(static_cast<app::Handle>(k), event);
    return false;
}

bool ArrangementView::PictureEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!Receives() || (mouse->button() != Qt::LeftButton && mouse->button() != Qt::RightButton)) return false;
        const std::optional<QPoint> p = PicturePoint(mouse->globalPosition());
        if (!p || !app::kImage1Rect.Contains(p->x() + app::kImage1Rect.left, p->y() + app::kImage1Rect.top)) return false;
        const bool right = mouse->button() == Qt::RightButton;
        const bool open = editor_.MouseDown(right ? app::MouseButton::Right : app::MouseButton::Left, p->x(), p->y());
        Sync();
        if (open) popup_->popup(mouse->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::ContextMenu) return true;  // the right button's press opened it
    if (event->type() == QEvent::KeyPress && Receives()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int step = (key->modifiers() & Qt::ShiftModifier) ? kShiftNudgeStep : kNudgeStep;
        bool handled = true;
        switch (key->key()) {
            case Qt::Key_Left: editor_.Nudge(-step, 0); break;
            case Qt::Key_Right: editor_.Nudge(step, 0); break;
            case Qt::Key_Up: editor_.Nudge(0, -step); break;
            case Qt::Key_Down: editor_.Nudge(0, step); break;
            case Qt::Key_Escape: editor_.ClearSelection(); break;
            default: handled = false;
        }
        if (handled) Sync();
        return handled;
    }
    return false;
}

bool ArrangementView::HandleEvent(app::Handle handle, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove &&
        event->type() != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!Receives()) return true;
    const std::optional<QPoint> p = PicturePoint(mouse->globalPosition());
    if (!p) return true;
    if (event->type() == QEvent::MouseButtonPress) {
        if (mouse->button() != Qt::LeftButton) return true;
        editor_.HandleDown(handle);
    } else if (event->type() == QEvent::MouseMove) {
        if (editor_.Drag() == app::DragState::Idle) return true;
        editor_.HandleMove(handle, p->x(), p->y());
    } else {
        if (mouse->button() != Qt::LeftButton) return true;
        editor_.HandleUp(handle, p->x(), p->y());
    }
    Sync();
    return true;
}

}  // namespace esc::qt
