#include "BmpWriter.h"

#include <cassert>

namespace charge_pictures {
namespace {

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
}

void Append16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmpOverWhite(const Argb32Image& image) {
    assert(image.width > 0 && image.height > 0);
    constexpr std::uint32_t kHeaderBytes = 14 + 40;
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);

    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Append32(out, kHeaderBytes + pixelBytes);
    Append32(out, 0);  // reserved
    Append32(out, kHeaderBytes);
    Append32(out, 40);  // BITMAPINFOHEADER
    Append32(out, static_cast<std::uint32_t>(image.width));
    Append32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up
    Append16(out, 1);                                         // planes
    Append16(out, 24);                                        // bits per pixel
    Append32(out, 0);                                         // BI_RGB
    Append32(out, pixelBytes);
    Append32(out, 2835);  // 72 dots per inch
    Append32(out, 2835);
    Append32(out, 0);  // colours used
    Append32(out, 0);  // important colours

    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t argb = image.pixels[static_cast<std::size_t>(y) * image.width + x];
            const std::uint32_t white = 255 - (argb >> 24);  // premultiplied: colour + (1 - alpha) * white
            out.push_back(static_cast<std::uint8_t>((argb & 0xFF) + white));
            out.push_back(static_cast<std::uint8_t>(((argb >> 8) & 0xFF) + white));
            out.push_back(static_cast<std::uint8_t>(((argb >> 16) & 0xFF) + white));
        }
        while (out.size() - rowStart < rowBytes) out.push_back(0);
    }
    return out;
}

}  // namespace charge_pictures
