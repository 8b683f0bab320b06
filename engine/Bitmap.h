#pragma once
// The program's own small RGB bitmap: the picture the shield is painted into, the layer images
// of placed charges and every bitmap the shell shows or saves.

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/AtomicFile.h"

namespace esc {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kTeal{0, 128, 128};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Sets n pixels from `to` to `pixel`. Long runs (the whole picture cleared, a field's rows) are
// stored with the widest stores the processor has; see Bitmap.cpp.
void FillPixels(std::uint32_t* to, std::size_t n, std::uint32_t pixel);
// The same, short runs stored here (a charge's runs are mostly a few pixels long).
inline void FillPixelRun(std::uint32_t* to, std::size_t n, std::uint32_t pixel) {
    constexpr std::size_t kShortRun = 32;
    if (n >= kShortRun) {
        FillPixels(to, n, pixel);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) to[i] = pixel;
}

class Bitmap {
public:
    static constexpr int kMaxSide = 16384;
    static constexpr long long kMaxPixels = 64LL * 1024 * 1024;

    Bitmap() = default;
    Bitmap(int width, int height, Rgb fill = kBlack);

    // Sizes outside 0..kMaxSide, or whose product is too large, are refused and leave the
    // bitmap as it was. Existing pixels are kept where the sizes overlap; new ones are black.
    [[nodiscard]] bool Resize(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Pixels are held as 32-bit words 0xFFRRGGBB.
    static constexpr std::uint32_t Pack(Rgb c) {
        return 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
    }
    static constexpr Rgb Unpack(std::uint32_t p) {
        return {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8), static_cast<std::uint8_t>(p)};
    }

    // Black outside the picture (a caller's fault, caught by the assert in a debug build).
    Rgb Pixel(int x, int y) const {
        assert(Contains(x, y));
        if (!Contains(x, y)) return kBlack;
        return Unpack(pixels_[static_cast<std::size_t>(y) * width_ + x]);
    }
    // Drawing calls clip to the bitmap; nothing outside it is ever written.
    void SetPixel(int x, int y, Rgb c) {
        if (Contains(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = Pack(c);
    }
    void Fill(Rgb c);
    void FillRect(Rect r, Rgb c);
    // Pixels x1 .. x2-1 of row y (the end pixel is not drawn).
    void HorizontalRun(int x1, int y, int x2, Rgb c);
    // A straight line from (x1, y1) towards (x2, y2), the last pixel not drawn. A pen wider than
    // one pixel thickens the line across its direction (offsets -(w/2) .. (w-1)/2).
    void Line(int x1, int y1, int x2, int y2, Rgb c, int penWidth = 1);

    // Copies src with its top-left at (x, y); pixels equal to *transparent are skipped.
    void Draw(const Bitmap& src, int x, int y, std::optional<Rgb> transparent = std::nullopt);
    // Scales src into dst (each axis separately, nearest pixel).
    void StretchDraw(const Bitmap& src, Rect dst, std::optional<Rgb> transparent = std::nullopt);
    // The part of this bitmap inside r; pixels outside this bitmap come out teal.
    Bitmap Copy(Rect r) const;

    // Rows of 32-bit pixels 0xFFRRGGBB, width words each, no padding.
    const std::uint32_t* Data() const { return pixels_.data(); }
    std::uint32_t* Data() { return pixels_.data(); }
    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;  // row-major
};

bool SizeIsAcceptable(long long width, long long height);

// 24-bit Windows bitmap files. Every writer replaces the file atomically (WriteFileAtomically).
WriteResult WriteBmp(const Bitmap& bitmap, const std::string& path, Flush flush = Flush::kToDisk);
[[nodiscard]] std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);
// Reads 24-bit and 8-bit (palette) uncompressed files; nullopt for anything damaged or other,
// and, when asked, why ("it is cut short: 1200 of the 30054 bytes its header claims").
std::optional<Bitmap> DecodeBmp(const std::uint8_t* data, std::size_t size, std::string* why = nullptr);
// A file that cannot be read (missing, a folder, a device, too large) or decoded gives nullopt
// and, when asked, why.
std::optional<Bitmap> ReadBmp(const std::string& path, std::string* error = nullptr);

// PNG files: a palette at the smallest depth that holds the colours, RGB past 256 colours.
WriteResult WritePng(const Bitmap& bitmap, const std::string& path, Flush flush = Flush::kToDisk);
std::vector<std::uint8_t> EncodePng(const Bitmap& bitmap);

// Writes BMP or PNG by the file's extension (".bmp" case-insensitively, PNG otherwise).
WriteResult WritePicture(const Bitmap& bitmap, const std::string& path, Flush flush = Flush::kToDisk);

}  // namespace esc
