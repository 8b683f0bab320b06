#pragma once
// The arrangement editor's widgets: mouse and key events on the picture area turned into the
// editor's calls, the three handle controls over the selected picture with their cursors and
// hints, the popup menu, and Undo, Redo and the popup's actions in the Edit menu. Positions are
// taken through the picture widget's own origin, so the window may lie anywhere on the screen at
// any scale factor.

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <array>
#include <optional>

#include "shell/app/ArrangementEditor.h"
#include "shell/app/WindowController.h"

class QAction;
class QMenu;
class QWidget;

namespace esc::qt {

class PictureWidget;

class ArrangementView final : public QObject {
public:
    ArrangementView(app::WindowController& controller, PictureWidget& picture, QMenu* editMenu, QObject* parent);

    QMenu* PopupMenu() const { return popup_; }
    QWidget* HandleWidget(app::Handle handle) const { return handles_[static_cast<std::size_t>(handle)]; }
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    // Where picture coordinates (x, y) lie on the picture widget, in its own units (the widget
    // may show the design smaller than drawn); WidgetPoint is the middle of picture pixel (x, y).
    QPointF WidgetPosition(double x, double y) const;
    QPointF WidgetPoint(int x, int y) const { return WidgetPosition(x + 0.5, y + 0.5); }
    // Shows what the editor holds: the handles, the picture, the actions' states.
    void Sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<QPoint> PicturePoint(QPointF global) const;
    bool Receives() const;
    bool PictureEvent(QEvent* event);
    bool HandleEvent(app::Handle handle, QEvent* event);
    void RunPopup(app::PopupItem item);

    app::WindowController& controller_;
    app::ArrangementEditor& editor_;
    PictureWidget& picture_;
    std::array<QWidget*, 3> handles_{};
    QMenu* popup_ = nullptr;
    std::array<QAction*, app::kPopupItems> popupActions_{};
    std::array<QAction*, app::kPopupItems> editActions_{};
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
};

}  // namespace esc::qt
