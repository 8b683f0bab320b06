#pragma once
// The contact-sheet tools compose their sheets with cairo: a bitmap the engine painted becomes a
// cairo image surface of the same size. Header-only; the tools link cairo themselves.

#include <cairo.h>

#include <cstddef>
#include <cstdint>

#include "engine/Bitmap.h"

namespace esc::sheets {

// A new RGB24 surface holding the bitmap's pixels; the caller destroys it.
inline cairo_surface_t* SurfaceOf(const Bitmap& b) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, b.Width(), b.Height());
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < b.Height(); ++y) {
        auto* out = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < b.Width(); ++x) {
            const Rgb p = b.Pixel(x, y);
            out[x] = (std::uint32_t{p.r} << 16) | (std::uint32_t{p.g} << 8) | p.b;
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

}  // namespace esc::sheets
