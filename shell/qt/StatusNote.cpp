#include "shell/qt/StatusNote.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace esc::qt {

StatusNote::StatusNote(QWidget* parent) : QLabel(parent) {
    setObjectName("DrawingNote");
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusNote::SetNote(const QString& note) {
    note_ = note;
    setToolTip(note);
    Elide();
}

QSize StatusNote::minimumSizeHint() const { return {0, QLabel::minimumSizeHint().height()}; }

void StatusNote::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void StatusNote::Elide() { setText(fontMetrics().elidedText(note_, Qt::ElideRight, std::max(0, contentsRect().width()))); }

}  // namespace esc::qt
