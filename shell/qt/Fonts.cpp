#include "shell/qt/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace esc::qt {

QString BlackletterFamily() {
    // Free blackletter faces, in order of preference (fonts-gamaliel, then fonts-blankenburg).
    // Gamaliel's open, even letters read best of Debian's blackletters at title size; none of them
    // is legible at the buttons' size, which use the body face.
    static const QStringList kCandidates = {"Gamaliel", "Blankenburg_UNZ1A", "Blankenburg", "UnifrakturMaguntia",
                                            "UnifrakturCook", "Old English Text MT"};
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : kCandidates)
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    return "DejaVu Serif";
}

QFont BlackletterFont(int pixelSize) {
    QFont font(BlackletterFamily());
    font.setPixelSize(pixelSize);
    if (font.family() == "DejaVu Serif") font.setBold(true);
    return font;
}

QFont PlainFont(int pixelSize) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace esc::qt
