#pragma once
// The one place where the program's bitmaps meet Qt's images.

#include <QImage>

#include "engine/Bitmap.h"

namespace esc::qt {

QImage ToQImage(const Bitmap& bitmap);
Bitmap FromQImage(const QImage& image);

}  // namespace esc::qt
