// Writes a charge picture: a GIF89a file with one image of colour indices.
//
// Format reference: "Graphics Interchange Format, Version 89a", CompuServe, 1990.
// The painter reads bytes 6 to 9 of the logical screen descriptor as its own parameters
// (O1, O2, O3, T) rather than as the logical screen size, so they are written from
// PictureHeader and the image descriptor alone carries the true width and height.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace charge_pictures {

// Colour indices the painter understands; anything else is background.
constexpr std::uint8_t kOutlineIndex = 0;
constexpr std::uint8_t kSecondIndex = 10;
constexpr std::uint8_t kBodyIndex = 11;
constexpr std::uint8_t kDetailIndex = 14;
constexpr std::uint8_t kBackgroundIndex = 255;

// The painter's picture buffer holds this many indices; larger pictures would be cut.
constexpr int kMaxPicturePixels = 114000;

constexpr int kLzwMinimumCodeSize = 8;
constexpr int kLzwMaxCodeBits = 12;
constexpr int kMaxSubBlockBytes = 255;

struct PictureHeader {
    std::uint8_t o1 = 0;    // byte 6: tincture code + 1 of the body of a "proper" charge
    std::uint8_t o2 = 0;    // byte 7: the same for the second part
    std::uint8_t o3 = 0;    // byte 8: the same for the detail
    std::uint8_t turn = 0;  // byte 9: non-zero turns a bendwise picture the other way
};

// LZW-compresses indices (one byte each) as GIF image data with the given minimum code
// size: a clear code first, code widths growing up to 12 bits, a clear code whenever the
// table is full, the end code last. The result is the packed code stream, not yet cut
// into sub-blocks.
[[nodiscard]] std::vector<std::uint8_t> LzwEncode(std::span<const std::uint8_t> indices,
                                                  int minimumCodeSize = kLzwMinimumCodeSize);

// The whole file. Requires width, height in 1..65535 and indices.size() == width * height.
[[nodiscard]] std::vector<std::uint8_t> EncodeGif(const PictureHeader& header, int width, int height,
                                                  std::span<const std::uint8_t> indices);

}  // namespace charge_pictures
