// Renders an SVG file at its natural size (the root's width and height) with librsvg.
#pragma once

#include "Checked.h"
#include "ColourMapping.h"

#include <string>

namespace charge_pictures {

struct NaturalSize {
    int width = 0;
    int height = 0;
};

// Reads the file and tells its natural size; the drawing is rendered by RenderSvg.
class SvgDrawing {
public:
    [[nodiscard]] static Checked<SvgDrawing> Load(const std::string& path);

    SvgDrawing() = default;
    SvgDrawing(SvgDrawing&& other) noexcept;
    SvgDrawing& operator=(SvgDrawing&& other) noexcept;
    SvgDrawing(const SvgDrawing&) = delete;
    SvgDrawing& operator=(const SvgDrawing&) = delete;
    ~SvgDrawing();

    [[nodiscard]] NaturalSize Size() const { return size_; }

    // Transparent where nothing is drawn.
    [[nodiscard]] Checked<Argb32Image> Render() const;
    // A picture width x height in which the natural pixel (x, y) lands at
    // (offsetX + scale x, offsetY + scale y).
    [[nodiscard]] Checked<Argb32Image> Render(int width, int height, double scale, double offsetX, double offsetY) const;

private:
    void* handle_ = nullptr;  // RsvgHandle*, kept out of this header
    NaturalSize size_;
};

}  // namespace charge_pictures
