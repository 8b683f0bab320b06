#include "shell/qt/BitmapArt.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "shell/qt/QtBitmap.h"

namespace esc::qt {

QIcon LoadGlyph(const std::string& path) {
    const auto bitmap = ReadBmp(path);
    if (!bitmap || bitmap->Empty()) return {};
    const QImage image = ToQImage(*bitmap);
    const int glyphs = image.width() >= 2 * image.height() ? 2 : 1;
    const int w = image.width() / glyphs;
    const QRgb key = image.pixel(0, image.height() - 1);
    QIcon icon;
    for (int g = 0; g < glyphs; ++g) {
        QImage glyph = image.copy(g * w, 0, w, image.height()).convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < glyph.height(); ++y)
            for (int x = 0; x < glyph.width(); ++x)
                if (glyph.pixel(x, y) == (key | 0xFF000000u)) glyph.setPixel(x, y, qRgba(0, 0, 0, 0));
        icon.addPixmap(QPixmap::fromImage(glyph), g == 0 ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}

void QtTextPainter::DrawCentredText(Bitmap& bitmap, const std::string& text, int y, int points) {
    QImage image = ToQImage(bitmap);
    {
        QPainter painter(&image);
        QFont font("DejaVu Sans");
        font.setPointSize(points);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QString line = QString::fromStdString(text);
        const int width = painter.fontMetrics().horizontalAdvance(line);
        painter.drawText((image.width() - width) / 2, y + painter.fontMetrics().ascent(), line);
    }
    bitmap = FromQImage(image);
}

}  // namespace esc::qt
