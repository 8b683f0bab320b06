#pragma once
// Shows the off-screen picture area: the surface below the panel with Image1 over it.

#include <QImage>
#include <QWidget>

#include "shell/app/PictureArea.h"

namespace esc::qt {

class PictureWidget final : public QWidget {
public:
    PictureWidget(const app::PictureArea& area, QWidget* parent);
    // Repaints when the area changed since the last paint.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const app::PictureArea& area_;
    QImage shown_;
    QImage fine_;  // the shield drawn for the display's pixels, over Image1
    unsigned generation_ = ~0u;
};

}  // namespace esc::qt
