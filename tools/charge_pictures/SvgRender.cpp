#include "SvgRender.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cmath>
#include <cstring>
#include <utility>

namespace charge_pictures {
namespace {

// Anything larger is not a picture for this program (the BMP mode has no other limit).
constexpr int kMaxSide = 8192;

std::string TakeError(GError* error, const char* fallback) {
    std::string text = error != nullptr && error->message != nullptr ? error->message : fallback;
    if (error != nullptr) g_error_free(error);
    return text;
}

}  // namespace

SvgDrawing::SvgDrawing(SvgDrawing&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), size_(other.size_) {}

SvgDrawing& SvgDrawing::operator=(SvgDrawing&& other) noexcept {
    std::swap(handle_, other.handle_);
    std::swap(size_, other.size_);
    return *this;
}

SvgDrawing::~SvgDrawing() {
    if (handle_ != nullptr) g_object_unref(static_cast<RsvgHandle*>(handle_));
}

Checked<SvgDrawing> SvgDrawing::Load(const std::string& path) {
    Checked<SvgDrawing> result;
    GError* error = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(path.c_str(), &error);
    if (handle == nullptr) {
        result.error = "cannot read the drawing: " + TakeError(error, "unknown error");
        return result;
    }
    result.value.handle_ = handle;
    rsvg_handle_set_dpi(handle, 96.0);

    gdouble width = 0, height = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &width, &height)) {
        result.error = "the root element needs width and height in pixels (the natural size)";
        return result;
    }
    const double roundedWidth = std::round(width), roundedHeight = std::round(height);
    if (std::abs(width - roundedWidth) > 0.01 || std::abs(height - roundedHeight) > 0.01) {
        result.error = "the natural size " + std::to_string(width) + " x " + std::to_string(height) +
                       " is not a whole number of pixels";
        return result;
    }
    if (roundedWidth < 1 || roundedHeight < 1 || roundedWidth > kMaxSide || roundedHeight > kMaxSide) {
        result.error = "the natural size " + std::to_string(static_cast<long>(roundedWidth)) + " x " +
                       std::to_string(static_cast<long>(roundedHeight)) + " is out of range";
        return result;
    }
    result.value.size_ = {static_cast<int>(roundedWidth), static_cast<int>(roundedHeight)};
    return result;
}

Checked<Argb32Image> SvgDrawing::Render() const { return Render(size_.width, size_.height, 1, 0, 0); }

Checked<Argb32Image> SvgDrawing::Render(int width, int height, double scale, double offsetX, double offsetY) const {
    Checked<Argb32Image> result;
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide || !(scale > 0)) {
        result.error = "cannot render the drawing at " + std::to_string(width) + " x " + std::to_string(height);
        return result;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        result.error = "cannot make a drawing surface";
        return result;
    }
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, offsetX, offsetY);
    cairo_scale(cr, scale, scale);
    const RsvgRectangle viewport{0, 0, static_cast<double>(size_.width), static_cast<double>(size_.height)};
    GError* error = nullptr;
    const bool drawn = rsvg_handle_render_document(static_cast<RsvgHandle*>(handle_), cr, &viewport, &error);
    cairo_destroy(cr);
    if (!drawn) {
        cairo_surface_destroy(surface);
        result.error = "cannot render the drawing: " + TakeError(error, "unknown error");
        return result;
    }
    cairo_surface_flush(surface);

    Argb32Image& image = result.value;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        std::memcpy(&image.pixels[static_cast<std::size_t>(y) * width], data + static_cast<std::ptrdiff_t>(y) * stride,
                    static_cast<std::size_t>(width) * 4);
    }
    cairo_surface_destroy(surface);
    return result;
}

}  // namespace charge_pictures
