#pragma once
// The window's fonts: a blackletter face for captions and the text painted on the window, found
// by family name among the fonts installed, with a serif face as the fallback.

#include <QFont>
#include <QString>

namespace esc::qt {

// The first installed family of the blackletter faces we know, or "DejaVu Serif".
QString BlackletterFamily();
QFont BlackletterFont(int pixelSize);
// The plain face of the boxes and buttons.
QFont PlainFont(int pixelSize);

}  // namespace esc::qt
