#include "engine/Bitmap.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <vector>

namespace esc {

bool SizeIsAcceptable(long long width, long long height) {
    return width >= 0 && height >= 0 && width <= Bitmap::kMaxSide && height <= Bitmap::kMaxSide &&
           width * height <= Bitmap::kMaxPixels;
}

Bitmap::Bitmap(int width, int height, Rgb fill) {
    if (!SizeIsAcceptable(width, height)) return;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * height, Pack(fill));
}

bool Bitmap::Resize(int width, int height) {
    if (!SizeIsAcceptable(width, height)) return false;
    if (width == width_ && height == height_) return true;
    if (width == width_) {
        // Rows are stored one after another: the same width keeps every kept row in place, and
        // the storage is reused when the picture only changes height.
        pixels_.resize(static_cast<std::size_t>(width) * height, Pack(kBlack));
        height_ = height;
        return true;
    }
    std::vector<std::uint32_t> next(static_cast<std::size_t>(width) * height, Pack(kBlack));
    const int w = std::min(width, width_), h = std::min(height, height_);
    for (int y = 0; y < h; ++y)
        std::copy_n(Row(y), static_cast<std::size_t>(w), next.data() + static_cast<std::size_t>(y) * width);
    pixels_.swap(next);
    width_ = width;
    height_ = height;
    return true;
}

// The build targets every x86-64, whose widest stores are 16 bytes; storing pixels is much of a
// drawing's time, so on a processor with AVX2 the loop runs in a copy built for it (chosen once,
// when the program loads; the choice needs the loader of an ELF system).
#if defined(__x86_64__) && defined(__linux__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void FillPixels(std::uint32_t* to, std::size_t n, std::uint32_t pixel) {
    for (std::size_t i = 0; i < n; ++i) to[i] = pixel;
}

void Bitmap::Fill(Rgb c) {
    FillPixels(pixels_.data(), pixels_.size(), Pack(c));
}

void Bitmap::FillRect(Rect r, Rgb c) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y) HorizontalRun(r.left, y, r.right, c);
}

void Bitmap::HorizontalRun(int x1, int y, int x2, Rgb c) {
    if (y < 0 || y >= height_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_);
    if (x1 >= x2) return;
    FillPixelRun(Row(y) + x1, static_cast<std::size_t>(x2 - x1), Pack(c));
}

void Bitmap::Line(int x1, int y1, int x2, int y2, Rgb c, int penWidth) {
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    const bool mostlyHorizontal = dx >= dy;
    const int lo = -(penWidth / 2), hi = (penWidth - 1) / 2;
    auto plot = [&](int x, int y) {
        for (int k = lo; k <= hi; ++k) {
            if (mostlyHorizontal) SetPixel(x, y + k, c);
            else SetPixel(x + k, y, c);
        }
    };
    if (dy == 0) {  // a row, thickened into rows above and below: runs
        const int from = x1 < x2 ? x1 : x2 + 1, to = x1 < x2 ? x2 : x1 + 1;
        for (int k = lo; k <= hi; ++k) HorizontalRun(from, y1 + k, to, c);
        return;
    }
    if (dx == 0) {  // a column, thickened into columns beside it: a short run a row
        const int from = y1 < y2 ? y1 : y2 + 1, to = y1 < y2 ? y2 : y1 + 1;
        for (int y = from; y < to; ++y) HorizontalRun(x1 + lo, y, x1 + hi + 1, c);
        return;
    }
    int err = dx - dy, x = x1, y = y1;
    while (x != x2 || y != y2) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 > -dy) { err -= dy; x += sx; }
        if (e2 < dx) { err += dx; y += sy; }
    }
}

void Bitmap::Draw(const Bitmap& src, int x, int y, std::optional<Rgb> transparent) {
    for (int sy = 0; sy < src.height_; ++sy) {
        const int ty = y + sy;
        if (ty < 0 || ty >= height_) continue;
        for (int sx = 0; sx < src.width_; ++sx) {
            const Rgb c = src.Pixel(sx, sy);
            if (transparent && c == *transparent) continue;
            SetPixel(x + sx, ty, c);
        }
    }
}

void Bitmap::StretchDraw(const Bitmap& src, Rect dst, std::optional<Rgb> transparent) {
    const int w = dst.Width(), h = dst.Height();
    if (w <= 0 || h <= 0 || src.Empty()) return;
    // Only the target pixels inside this bitmap are visited; each takes the source pixel its
    // position falls on (nearest below), by whole rows through a table of source columns.
    const int tx0 = std::max(0, -dst.left), tx1 = std::min(w, width_ - dst.left);
    const int ty0 = std::max(0, -dst.top), ty1 = std::min(h, height_ - dst.top);
    if (tx0 >= tx1 || ty0 >= ty1) return;
    std::vector<int> column(static_cast<std::size_t>(tx1 - tx0));
    for (int tx = tx0; tx < tx1; ++tx)
        column[static_cast<std::size_t>(tx - tx0)] = static_cast<int>(static_cast<long long>(tx) * src.width_ / w);
    constexpr std::uint32_t kColour = 0x00FFFFFFu, kOpaque = 0xFF000000u;
    const std::uint32_t skip = transparent ? (Pack(*transparent) & kColour) : 0;
    for (int ty = ty0; ty < ty1; ++ty) {
        const std::uint32_t* from = src.Row(static_cast<int>(static_cast<long long>(ty) * src.height_ / h));
        std::uint32_t* to = Row(dst.top + ty) + dst.left;
        for (int tx = tx0; tx < tx1; ++tx) {
            const std::uint32_t c = from[column[static_cast<std::size_t>(tx - tx0)]];
            if (transparent && (c & kColour) == skip) continue;
            to[tx] = c | kOpaque;
        }
    }
}

Bitmap Bitmap::Copy(Rect r) const {
    Bitmap out(std::max(r.Width(), 0), std::max(r.Height(), 0), kTeal);
    // Outside this bitmap the copy stays teal; inside, whole rows of the overlap at once.
    const int x0 = std::max(r.left, 0), x1 = std::min(r.left + out.width_, width_);
    const int y0 = std::max(r.top, 0), y1 = std::min(r.top + out.height_, height_);
    if (x0 >= x1) return out;
    for (int y = y0; y < y1; ++y)
        std::copy_n(Row(y) + x0, static_cast<std::size_t>(x1 - x0), out.Row(y - r.top) + (x0 - r.left));
    return out;
}

}  // namespace esc
