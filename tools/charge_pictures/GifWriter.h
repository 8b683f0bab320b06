// Writes a charge picture: a GIF89a file with one image of colour indices, encoded by giflib.
//
// The painter reads bytes 6 to 9 of the logical screen descriptor as its own parameters
// (O1, O2, O3, T) rather than as the logical screen size, so they are written from
// PictureHeader and the image descriptor alone carries the true width and height.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Checked.h"

namespace charge_pictures {

// Colour indices the painter understands; anything else is background.
constexpr std::uint8_t kOutlineIndex = 0;
constexpr std::uint8_t kSecondIndex = 10;
constexpr std::uint8_t kBodyIndex = 11;
constexpr std::uint8_t kDetailIndex = 14;
constexpr std::uint8_t kBackgroundIndex = 255;

// The painter's picture buffer holds this many indices; larger pictures would be cut.
constexpr int kMaxPicturePixels = 114000;

struct PictureHeader {
    std::uint8_t o1 = 0;    // byte 6: tincture code + 1 of the body of a "proper" charge
    std::uint8_t o2 = 0;    // byte 7: the same for the second part
    std::uint8_t o3 = 0;    // byte 8: the same for the detail
    std::uint8_t turn = 0;  // byte 9: non-zero turns a bendwise picture the other way
};

// The whole file, or giflib's reason when it could not make it. Requires width, height in
// 1..65535 and indices.size() == width * height. A comment that is not empty is written as a
// comment extension before the image (the picture's room, engine/PictureRoom.h).
[[nodiscard]] Checked<std::vector<std::uint8_t>> EncodeGif(const PictureHeader& header, int width, int height,
                                                           std::span<const std::uint8_t> indices,
                                                           const std::string& comment = {});

}  // namespace charge_pictures
