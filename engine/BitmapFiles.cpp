// Reading and writing uncompressed Windows bitmaps (BITMAPFILEHEADER + BITMAPINFOHEADER); PNG
// files are written in PngFile.cpp.

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

#include "engine/AtomicFile.h"
#include "engine/Bitmap.h"
#include "engine/ReadFileBytes.h"

namespace esc {
namespace {

void Put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}
std::uint32_t Get32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::uint16_t Get16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
    const int w = bitmap.Width(), h = bitmap.Height();
    const std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(h);
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + imageSize);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(w));
    Put32(out, static_cast<std::uint32_t>(h));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    // The rows are written through a pointer into storage sized once: a push per byte cost more
    // than the drawing.
    out.resize(54 + static_cast<std::size_t>(imageSize));
    std::uint8_t* p = out.data() + 54;
    for (int y = h - 1; y >= 0; --y) {  // bottom-up rows of blue, green, red
        const std::uint32_t* row = bitmap.Row(y);
        std::uint8_t* q = p;
        for (int x = 0; x < w; ++x) {
            const Rgb c = Bitmap::Unpack(row[x]);
            q[0] = c.b;
            q[1] = c.g;
            q[2] = c.r;
            q += 3;
        }
        p += stride;  // the padding stays zero
    }
    return out;
}

WriteResult WriteBmp(const Bitmap& bitmap, const std::string& path, Flush flush) {
    return WriteFileAtomically(path, EncodeBmp(bitmap), flush);
}

std::optional<Bitmap> DecodeBmp(const std::uint8_t* data, std::size_t size, std::string* why) {
    const auto refuse = [why](std::string reason) -> std::optional<Bitmap> {
        if (why) *why = std::move(reason);
        return std::nullopt;
    };
    constexpr const char* kOther = "it is not an uncompressed 24-bit or 8-bit bitmap";
    if (size < 2 || data[0] != 'B' || data[1] != 'M') return refuse(kOther);
    if (size < 54) return refuse("it is cut short inside its header (" + std::to_string(size) + " bytes)");
    const std::uint32_t offset = Get32(data + 10);
    const std::uint32_t headerSize = Get32(data + 14);
    if (headerSize < 40 || headerSize > size - 14) return refuse(kOther);
    const std::int32_t width = static_cast<std::int32_t>(Get32(data + 18));
    std::int32_t height = static_cast<std::int32_t>(Get32(data + 22));
    const int bits = Get16(data + 28);
    const std::uint32_t compression = Get32(data + 30);
    if (compression != 0 || (bits != 24 && bits != 8)) return refuse(kOther);
    const bool topDown = height < 0;
    const auto sizeText = [&] { return std::to_string(width) + " by " + std::to_string(height); };
    if (height == INT32_MIN) return refuse("its size " + sizeText() + " is beyond the largest picture read");
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || !SizeIsAcceptable(width, height))
        return refuse("its size " + sizeText() + " is beyond the largest picture read");
    const std::uint64_t stride = ((static_cast<std::uint64_t>(width) * bits + 31) / 32) * 4;
    const std::uint64_t needed = static_cast<std::uint64_t>(offset) + stride * static_cast<std::uint64_t>(height);
    if (offset > size || stride * static_cast<std::uint64_t>(height) > size - offset)
        return refuse("it is cut short: " + std::to_string(size) + " of the " + std::to_string(needed) +
                      " bytes its header claims");
    std::vector<Rgb> palette;
    if (bits == 8) {
        std::uint32_t colours = Get32(data + 46);
        if (colours == 0 || colours > 256) colours = 256;
        const std::size_t paletteAt = 14 + headerSize;
        if (paletteAt + colours * 4ull > offset) return refuse(kOther);
        for (std::uint32_t i = 0; i < colours; ++i) {
            const std::uint8_t* p = data + paletteAt + i * 4;
            palette.push_back({p[2], p[1], p[0]});
        }
    }
    Bitmap out(width, height);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* src = data + offset + stride * static_cast<std::uint64_t>(row);
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                out.SetPixel(x, y, {src[x * 3 + 2], src[x * 3 + 1], src[x * 3]});
            } else {
                const std::uint8_t index = src[x];
                out.SetPixel(x, y, index < palette.size() ? palette[index] : kBlack);
            }
        }
    }
    return out;
}

std::optional<Bitmap> ReadBmp(const std::string& path, std::string* error) {
    const FileBytes file = ReadFileBytes(path, kMaxBitmapFileBytes);
    if (!file) {
        if (error) *error = file.error;
        return std::nullopt;
    }
    return DecodeBmp(file.bytes->data(), file.bytes->size(), error);
}

WriteResult WritePicture(const Bitmap& bitmap, const std::string& path, Flush flush) {
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".bmp") == 0) return WriteBmp(bitmap, path, flush);
    return WritePng(bitmap, path, flush);
}

}  // namespace esc
