#pragma once
// The window's own bitmaps made into Qt's pictures: button glyphs, and text set into a bitmap.

#include <QIcon>
#include <string>

#include "engine/Bitmap.h"
#include "shell/app/WindowView.h"

namespace esc::qt {

// A glyph file: one picture, or two side by side (normal and disabled). The colour of the
// bottom-left pixel is transparent, as on glyph buttons. A file that cannot be read gives an
// empty icon (the button then shows its caption).
QIcon LoadGlyph(const std::string& path);

// Text painted into the program's bitmaps with Qt's fonts.
class QtTextPainter final : public app::TextPainter {
public:
    void DrawCentredText(Bitmap& bitmap, const std::string& text, int y, int points) override;
};

}  // namespace esc::qt
