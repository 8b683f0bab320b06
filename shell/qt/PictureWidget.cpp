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
        const Bitmap* fine = area_.FineImage1();
        fine_ = fine ? ToQImage(*fine) : QImage();
        if (fine) fine_.setDevicePixelRatio(area_.FineRatio());
        generation_ = area_.Generation();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
    if (!fine_.isNull()) {
        // Over Image1, at Image1's size in the widget: one picture pixel to a device pixel.
        const double sx = width() / static_cast<double>(app::kDesignWidth);
        const double sy = height() / static_cast<double>(app::kDesignHeight - app::kPictureAreaTop);
        const QSizeF logical = fine_.deviceIndependentSize();
        const QRectF target(app::kImage1Rect.left * sx, (app::kImage1Rect.top - app::kPictureAreaTop) * sy,
                            logical.width() * sx, logical.height() * sy);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, fine_);
    }
}

}  // namespace esc::qt
