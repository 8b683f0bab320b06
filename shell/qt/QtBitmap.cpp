#include "shell/qt/QtBitmap.h"

#include <cstring>

namespace esc::qt {

// Both hold rows of 32-bit words 0xFFRRGGBB.
QImage ToQImage(const Bitmap& bitmap) {
    QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(image.scanLine(y), bitmap.Row(y), static_cast<std::size_t>(bitmap.Width()) * 4);
    return image;
}

Bitmap FromQImage(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    Bitmap bitmap(image.width(), image.height());
    if (bitmap.Width() != image.width() || bitmap.Height() != image.height()) return Bitmap();
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::uint32_t* out = bitmap.Row(y);
        for (int x = 0; x < image.width(); ++x) out[x] = row[x] | 0xFF000000u;
    }
    return bitmap;
}

}  // namespace esc::qt
