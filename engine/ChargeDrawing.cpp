#include "engine/ChargeDrawing.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <array>
#include <cmath>
#include <fstream>
#include <memory>
#include <sstream>
#include <system_error>
#include <filesystem>

namespace esc {
namespace {

// The colours a drawing may use and the indices the pictures give them.
struct DrawingColour {
    int r, g, b;
    std::uint8_t index;
};
constexpr std::array<DrawingColour, 4> kDrawingColours = {{
    {0, 0, 0, 0},          // outline
    {255, 255, 255, 11},   // body
    {255, 0, 0, 10},       // second part
    {0, 0, 255, 14},       // detail
}};
constexpr std::uint8_t kBackgroundIndex = 255;
// Larger than any picture the painter is asked for (8 times the largest picture).
constexpr int kMaxRenderedSide = 8192;

struct Fit {
    double scale = 0, offsetX = 0, offsetY = 0;
    int width = 0, height = 0;
};

bool ReadFit(const std::string& path, Fit& fit) {
    std::ifstream in(path);
    if (!in) return false;
    in >> fit.scale >> fit.offsetX >> fit.offsetY >> fit.width >> fit.height;
    return static_cast<bool>(in) && fit.scale > 0 && fit.width > 0 && fit.height > 0;
}

std::string TakeError(GError* error) {
    std::string text = error != nullptr && error->message != nullptr ? error->message : "unknown error";
    if (error != nullptr) g_error_free(error);
    return text;
}

}  // namespace

std::string DrawingPathFor(const std::string& picturePath) {
    const std::filesystem::path picture(picturePath);
    return (picture.parent_path().parent_path() / "drawings" / picture.filename()).string();
}

std::uint8_t IndexOfRenderedPixel(std::uint32_t argb) {
    const int alpha = static_cast<int>(argb >> 24);
    if (alpha < 128) return kBackgroundIndex;
    auto channel = [&](int shift) {
        const int c = (static_cast<int>((argb >> shift) & 0xFF) * 255 + alpha / 2) / alpha;
        return c > 255 ? 255 : c;
    };
    const int r = channel(16), g = channel(8), b = channel(0);
    std::uint8_t best = kDrawingColours[0].index;
    int bestDistance = -1;
    for (const DrawingColour& c : kDrawingColours) {
        const int d = (r - c.r) * (r - c.r) + (g - c.g) * (g - c.g) + (b - c.b) * (b - c.b);
        if (bestDistance < 0 || d < bestDistance) {
            best = c.index;
            bestDistance = d;
        }
    }
    return best;
}

DrawingOutcome DrawChargeAtScale(const std::string& drawingPath, double k, ChargePicture& picture, std::string& why) {
    const std::string svgPath = drawingPath + ".svg";
    std::error_code ec;
    if (!std::filesystem::is_regular_file(svgPath, ec)) return DrawingOutcome::NoDrawing;
    Fit fit;
    if (!ReadFit(drawingPath + ".fit", fit)) {
        why = "where it lies in its picture is not known";
        return DrawingOutcome::Unreadable;
    }
    const int width = static_cast<int>(std::lround(fit.width * k)), height = static_cast<int>(std::lround(fit.height * k));
    if (width < 1 || height < 1 || width > kMaxRenderedSide || height > kMaxRenderedSide) {
        why = "it cannot be drawn " + std::to_string(width) + " by " + std::to_string(height) + " pixels";
        return DrawingOutcome::Unreadable;
    }
    GError* error = nullptr;
    std::unique_ptr<RsvgHandle, void (*)(gpointer)> handle(rsvg_handle_new_from_file(svgPath.c_str(), &error), g_object_unref);
    if (!handle) {
        why = TakeError(error);
        return DrawingOutcome::Unreadable;
    }
    rsvg_handle_set_dpi(handle.get(), 96.0);
    gdouble naturalWidth = 0, naturalHeight = 0;
    if (!rsvg_handle_get_intrinsic_size_in_pixels(handle.get(), &naturalWidth, &naturalHeight)) {
        why = "it has no size in pixels";
        return DrawingOutcome::Unreadable;
    }
    std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy);
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        why = "no room to draw it";
        return DrawingOutcome::Unreadable;
    }
    cairo_t* cr = cairo_create(surface.get());
    cairo_scale(cr, k, k);
    cairo_translate(cr, fit.offsetX, fit.offsetY);
    cairo_scale(cr, fit.scale, fit.scale);
    const RsvgRectangle viewport{0, 0, naturalWidth, naturalHeight};
    const bool drawn = rsvg_handle_render_document(handle.get(), cr, &viewport, &error);
    cairo_destroy(cr);
    if (!drawn) {
        why = TakeError(error);
        return DrawingOutcome::Unreadable;
    }
    cairo_surface_flush(surface.get());
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    picture.buffer.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBackgroundIndex);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        std::uint8_t* out = picture.buffer.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) out[x] = IndexOfRenderedPixel(row[x]);
    }
    picture.PW = width;
    picture.PH = height;
    return DrawingOutcome::Drawn;
}

}  // namespace esc
