#include "shell/qt/PictureWidget.h"

#include <QPainter>

#include "shell/qt/QtBitmap.h"

namespace esc::qt {

PictureWidget::PictureWidget(const app::PictureArea& area, QWidget* parent) : QWidget(parent), area_(area) {
    setFixedSize(app::kDesignWidth, app::kDesignHeight - app::kPictureAreaTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::Refresh() {
    if (generation_ != area_.Generation()) update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (generation_ != area_.Generation() || shown_.isNull()) {
        shown_ = ToQImage(area_.Composite());
        generation_ = area_.Generation();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}

}  // namespace esc::qt
