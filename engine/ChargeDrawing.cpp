#include "engine/ChargeDrawing.h"

#include <cairo.h>
#include <dlfcn.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <memory>
#include <optional>
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

// The vector renderer is loaded the first time a charge is drawn at another scale, not with the
// program: it brings the text and display libraries (cairo, fontconfig, X) with it, and loading
// those costs more than a whole drawing at the usual size. Its functions are looked up once and
// then only read.
struct VectorRenderer {
    bool loaded = false;
    std::string error;
    decltype(&rsvg_handle_new_from_file) newFromFile = nullptr;
    decltype(&rsvg_handle_set_dpi) setDpi = nullptr;
    decltype(&rsvg_handle_get_intrinsic_size_in_pixels) intrinsicSize = nullptr;
    decltype(&rsvg_handle_render_document) renderDocument = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;
    decltype(&g_error_free) errorFree = nullptr;
    decltype(&cairo_image_surface_create) surfaceCreate = nullptr;
    decltype(&cairo_surface_status) surfaceStatus = nullptr;
    decltype(&cairo_surface_destroy) surfaceDestroy = nullptr;
    decltype(&cairo_surface_flush) surfaceFlush = nullptr;
    decltype(&cairo_image_surface_get_data) surfaceData = nullptr;
    decltype(&cairo_image_surface_get_stride) surfaceStride = nullptr;
    decltype(&cairo_create) create = nullptr;
    decltype(&cairo_destroy) destroy = nullptr;
    decltype(&cairo_scale) scale = nullptr;
    decltype(&cairo_translate) translate = nullptr;
};

template <typename F>
bool Find(void* library, const char* name, F& out, std::string& error) {
    out = reinterpret_cast<F>(dlsym(library, name));
    if (out == nullptr && error.empty()) error = std::string("the vector renderer has no ") + name;
    return out != nullptr;
}

VectorRenderer LoadRenderer() {
    VectorRenderer r;
    // Kept for the life of the process once loaded: the library is never unloaded.
    void* library = dlopen("librsvg-2.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        r.error = std::string("the vector renderer cannot be loaded: ") + (why != nullptr ? why : "unknown error");
        return r;
    }
    std::string& e = r.error;
    // Every symbol is looked for, so that the message names each one missing.
    const bool found[] = {
        Find(library, "rsvg_handle_new_from_file", r.newFromFile, e),
        Find(library, "rsvg_handle_set_dpi", r.setDpi, e),
        Find(library, "rsvg_handle_get_intrinsic_size_in_pixels", r.intrinsicSize, e),
        Find(library, "rsvg_handle_render_document", r.renderDocument, e),
        Find(library, "g_object_unref", r.objectUnref, e),
        Find(library, "g_error_free", r.errorFree, e),
        Find(library, "cairo_image_surface_create", r.surfaceCreate, e),
        Find(library, "cairo_surface_status", r.surfaceStatus, e),
        Find(library, "cairo_surface_destroy", r.surfaceDestroy, e),
        Find(library, "cairo_surface_flush", r.surfaceFlush, e),
        Find(library, "cairo_image_surface_get_data", r.surfaceData, e),
        Find(library, "cairo_image_surface_get_stride", r.surfaceStride, e),
        Find(library, "cairo_create", r.create, e),
        Find(library, "cairo_destroy", r.destroy, e),
        Find(library, "cairo_scale", r.scale, e),
        Find(library, "cairo_translate", r.translate, e),
    };
    r.loaded = std::all_of(std::begin(found), std::end(found), [](bool f) { return f; });
    return r;
}

// Loaded once, by whichever drawing asks first; every drawing after reads the same table.
const VectorRenderer& Renderer() {
    static const VectorRenderer renderer = LoadRenderer();
    return renderer;
}

std::string TakeError(const VectorRenderer& r, GError* error) {
    std::string text = error != nullptr && error->message != nullptr ? error->message : "unknown error";
    if (error != nullptr) r.errorFree(error);
    return text;
}

// The drawing of `svgPath` rendered into a width by height surface, set on it by `place` (given
// the drawing context and the drawing's natural width and height). Null, with `why`, when it
// cannot be.
using Surface = std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)>;
template <class Place>
std::optional<Surface> Render(const VectorRenderer& r, const std::string& svgPath, int width, int height, std::string& why,
                              Place place) {
    GError* error = nullptr;
    std::unique_ptr<RsvgHandle, void (*)(gpointer)> handle(r.newFromFile(svgPath.c_str(), &error), r.objectUnref);
    if (!handle) {
        why = TakeError(r, error);
        return std::nullopt;
    }
    r.setDpi(handle.get(), 96.0);
    gdouble naturalWidth = 0, naturalHeight = 0;
    if (!r.intrinsicSize(handle.get(), &naturalWidth, &naturalHeight) || naturalWidth <= 0 || naturalHeight <= 0) {
        why = "it has no size in pixels";
        return std::nullopt;
    }
    Surface surface(r.surfaceCreate(CAIRO_FORMAT_ARGB32, width, height), r.surfaceDestroy);
    if (r.surfaceStatus(surface.get()) != CAIRO_STATUS_SUCCESS) {
        why = "no room to draw it";
        return std::nullopt;
    }
    cairo_t* cr = r.create(surface.get());
    place(cr, naturalWidth, naturalHeight);
    const RsvgRectangle viewport{0, 0, naturalWidth, naturalHeight};
    const bool drawn = r.renderDocument(handle.get(), cr, &viewport, &error);
    r.destroy(cr);
    if (!drawn) {
        why = TakeError(r, error);
        return std::nullopt;
    }
    r.surfaceFlush(surface.get());
    return surface;
}

// Stretched over the surface (x and y scaled apart, as a picture stretched into a rectangle).
std::optional<Surface> RenderStretched(const VectorRenderer& r, const std::string& svgPath, int width, int height,
                                       std::string& why) {
    return Render(r, svgPath, width, height, why, [&r, width, height](cairo_t* cr, double w, double h) {
        r.scale(cr, width / w, height / h);
    });
}

}  // namespace

std::vector<Rgb> ColoursOf(const Bitmap& picture, std::size_t limit) {
    std::vector<std::uint32_t> seen;
    const std::uint32_t* p = picture.Data();
    const std::size_t n = static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height());
    for (std::size_t i = 0; i < n; ++i) {
        if (!seen.empty() && seen.back() == p[i]) continue;
        if (std::find(seen.begin(), seen.end(), p[i]) != seen.end()) continue;
        if (seen.size() == limit) return {};
        seen.push_back(p[i]);
    }
    std::vector<Rgb> colours;
    for (std::uint32_t c : seen) colours.push_back(Bitmap::Unpack(c));
    return colours;
}

DrawingOutcome DrawArtAtSize(const std::string& svgPath, int width, int height, const std::vector<Rgb>& colours,
                             Rgb ground, Bitmap& out, std::string& why) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(svgPath, ec)) return DrawingOutcome::NoDrawing;
    if (width < 1 || height < 1 || width > kMaxRenderedSide || height > kMaxRenderedSide || colours.empty()) {
        why = "it cannot be drawn " + std::to_string(width) + " by " + std::to_string(height) + " pixels";
        return DrawingOutcome::Unreadable;
    }
    const VectorRenderer& r = Renderer();
    if (!r.loaded) {
        why = r.error;
        return DrawingOutcome::Unreadable;
    }
    const std::optional<Surface> surface = RenderStretched(r, svgPath, width, height, why);
    if (!surface) return DrawingOutcome::Unreadable;
    const unsigned char* data = r.surfaceData(surface->get());
    const int stride = r.surfaceStride(surface->get());
    out = Bitmap(width, height, ground);
    // Colours come in flat areas: the last pixel's answer is kept for the next one of its value.
    std::uint32_t lastArgb = 0;
    std::uint32_t lastPacked = Bitmap::Pack(ground);
    bool haveLast = false;
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        std::uint32_t* target = out.Row(y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t argb = row[x];
            if (!haveLast || argb != lastArgb) {
                // Premultiplied: laid on the ground, each channel is c + ground x (1 - alpha).
                const int alpha = static_cast<int>(argb >> 24);
                auto channel = [&](int shift, int g) {
                    return static_cast<int>((argb >> shift) & 0xFF) + (g * (255 - alpha) + 127) / 255;
                };
                const int cr = channel(16, ground.r), cg = channel(8, ground.g), cb = channel(0, ground.b);
                const Rgb* best = &colours.front();
                int bestDistance = -1;
                for (const Rgb& c : colours) {
                    const int d = (cr - c.r) * (cr - c.r) + (cg - c.g) * (cg - c.g) + (cb - c.b) * (cb - c.b);
                    if (bestDistance < 0 || d < bestDistance) {
                        best = &c;
                        bestDistance = d;
                    }
                }
                lastArgb = argb;
                lastPacked = Bitmap::Pack(*best);
                haveLast = true;
            }
            target[x] = lastPacked;
        }
    }
    return DrawingOutcome::Drawn;
}

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
    const VectorRenderer& r = Renderer();
    if (!r.loaded) {
        why = r.error;
        return DrawingOutcome::Unreadable;
    }
    // At the paint scale, then where the drawing lies in its picture and at its scale there.
    const std::optional<Surface> surface = Render(r, svgPath, width, height, why, [&r, &fit, k](cairo_t* cr, double, double) {
        r.scale(cr, k, k);
        r.translate(cr, fit.offsetX, fit.offsetY);
        r.scale(cr, fit.scale, fit.scale);
    });
    if (!surface) return DrawingOutcome::Unreadable;
    const unsigned char* data = r.surfaceData(surface->get());
    const int stride = r.surfaceStride(surface->get());
    picture.buffer.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kBackgroundIndex);
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        std::uint8_t* out = picture.buffer.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) out[x] = IndexOfRenderedPixel(row[x]);
    }
    picture.PW = width;
    picture.PH = height;
    picture.print = PrintChargePicture(picture);
    return DrawingOutcome::Drawn;
}

}  // namespace esc
