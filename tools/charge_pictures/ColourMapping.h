// Turns a rendered drawing into the painter's colour indices.
//
// A drawing may use only black (outline), white (body), red (second part), blue (detail) and
// transparency. Each opaque pixel maps to the nearest of the four colours; a pixel at least
// half transparent is background. Anti-aliasing blends two allowed colours along their common
// edge; such blends are fine, but a colour that is neither allowed nor a thin blend (a green
// fill, a large grey area) is reported as stray, so that a wrong colour does not silently
// turn into outline or body.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace charge_pictures {

// Premultiplied ARGB in one native-endian word per pixel, as cairo's ARGB32 stores it.
struct Argb32Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row-major, no padding
};

struct StrayColour {
    std::uint32_t rgb = 0;  // 0xRRGGBB, alpha removed
    int pixels = 0;
    int firstX = 0, firstY = 0;
};

struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;
    std::vector<StrayColour> strays;  // most pixels first
    int strayPixels = 0;
    int opaquePixels = 0;
};

// A blend this far (RGB distance) from every edge between two allowed colours is not a blend.
constexpr int kMaxBlendDistance = 64;
// A blend counts as an anti-aliasing fringe when an allowed colour or background lies within
// this many pixels of it.
constexpr int kFringeReach = 2;
// Refuse a stray colour covering more pixels than this, or more stray pixels in all than
// kMaxStrayPixelsInAll plus one in kStrayShareDivisor of the opaque pixels.
constexpr int kMaxPixelsOfOneStrayColour = 8;
constexpr int kMaxStrayPixelsInAll = 32;
constexpr int kStrayShareDivisor = 100;

[[nodiscard]] IndexedPicture MapToIndices(const Argb32Image& image);

// True when MapToIndices found colours the drawing must not use. A picture rendered `scale`
// times the drawing's size is allowed scale * scale times the stray pixels.
[[nodiscard]] bool HasForbiddenColours(const IndexedPicture& picture, int scale = 1);

}  // namespace charge_pictures
