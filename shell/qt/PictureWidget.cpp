#include "shell/qt/PictureWidget.h"

#include <QPainter>

#include "shell/qt/QtBitmap.h"

namespace esc::qt {

PictureWidget::PictureWidget(const app::PictureArea& area, QWidget* parent) : QWidget(parent), area_(area) {
    // The window sets the size: the design's, or less where the window is lower (see WindowLayout).
    resize(app::kDesignWidth, app::kDesignHeight - app::kPictureAreaTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::Refresh() {
    if (generation_ != area_.Generation()) update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (generation_ != area_.Generation() || shown_.isNull() || shown_.size() != size()) {
        shown_ = ToQImage(area_.Composite());
        // Shown smaller than drawn, the picture is scaled smoothly once per change, not per paint.
        if (shown_.size() != size()) shown_ = shown_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        generation_ = area_.Generation();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}

}  // namespace esc::qt
