#pragma once
// The status bar's note on the last drawing. A note longer than the bar is cut with an ellipsis
// at the end; the whole note is the label's tooltip and Text().

#include <QLabel>
#include <QString>

namespace esc::qt {

class StatusNote final : public QLabel {
public:
    explicit StatusNote(QWidget* parent = nullptr);
    void SetNote(const QString& note);
    const QString& Text() const { return note_; }
    // The note takes what width the bar gives it, never widening the window.
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();
    QString note_;
};

}  // namespace esc::qt
