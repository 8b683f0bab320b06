// Writes a 24-bit uncompressed Windows bitmap (BITMAPFILEHEADER + BITMAPINFOHEADER, rows
// bottom-up, each padded to a multiple of 4 bytes), compositing the image over white.
#pragma once

#include "ColourMapping.h"

#include <cstdint>
#include <vector>

namespace charge_pictures {

[[nodiscard]] std::vector<std::uint8_t> EncodeBmpOverWhite(const Argb32Image& image);

}  // namespace charge_pictures
