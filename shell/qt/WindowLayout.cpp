#include "shell/qt/WindowLayout.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace esc::qt {

QRect PictureRect(QSize canvas) {
    const int roomW = std::max(canvas.width(), 1), roomH = std::max(canvas.height() - app::kPictureAreaTop, 1);
    const double scale = std::min({1.0, roomW / double(kPictureWidth), roomH / double(kPictureHeight)});
    const int w = static_cast<int>(std::lround(kPictureWidth * scale));
    const int h = static_cast<int>(std::lround(kPictureHeight * scale));
    return {(roomW - w) / 2, app::kPictureAreaTop + (roomH - h) / 2, w, h};
}

PanelSqueeze SqueezeFor(int width) {
    const int deficit = std::clamp(kDesignPanelWidth - width, 0, kDesignPanelWidth - kMinCanvasWidth);
    return {deficit, std::max(0, deficit - kMemoGive)};
}

QSize MinimumCanvas() {
    return {kMinCanvasWidth, app::kPictureAreaTop + static_cast<int>(std::ceil(kPictureHeight * kMinPictureScale))};
}

QSize InitialCanvas(QSize available, int barsHeight) {
    const QSize minimum = MinimumCanvas();
    const int w = std::clamp(available.width(), minimum.width(), app::kDesignWidth);
    const int h = std::clamp(available.height() - barsHeight - kFrameAllowance, minimum.height(), app::kDesignHeight);
    return {w, h};
}

namespace {

// A dialog's size with its frame. One never shown has no frame yet: the main window's frame is
// the best guess of the one the window manager will give it.
QSize FramedSize(const QWidget& dialog, const QWidget& window) {
    const QSize framed = dialog.frameGeometry().size();
    if (framed != dialog.size()) return framed;
    return dialog.size() + (window.frameGeometry().size() - window.size());
}

}  // namespace

void CentreOn(QWidget& dialog, const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QSize size = FramedSize(dialog, window);
    dialog.move(outer.left() + (outer.width() - size.width()) / 2, outer.top() + (outer.height() - size.height()) / 2);
}

void PlaceBeside(QWidget& dialog, const QWidget& window, QRect shield) {
    const QRect outer = window.frameGeometry();
    const QSize size = FramedSize(dialog, window);
    const int leftRoom = shield.left() - outer.left(), rightRoom = outer.left() + outer.width() - (shield.left() + shield.width());
    int x = outer.left() + (outer.width() - size.width()) / 2;
    if (std::max(leftRoom, rightRoom) >= size.width())
        x = rightRoom >= leftRoom ? shield.left() + shield.width() + (rightRoom - size.width()) / 2
                                  : outer.left() + (leftRoom - size.width()) / 2;
    dialog.move(x, outer.top() + (outer.height() - size.height()) / 2);
}

}  // namespace esc::qt
