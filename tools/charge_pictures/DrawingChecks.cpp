#include "DrawingChecks.h"

#include "FillBox.h"

#include <cstdint>

namespace charge_pictures {

namespace {

constexpr std::uint8_t kOutlineIndex = 0;
constexpr std::uint8_t kBackgroundIndex = 255;

}  // namespace

int OutlinedEdgePercent(const IndexedPicture& picture) {
    const int w = picture.width, h = picture.height;
    auto at = [&](int x, int y) -> std::uint8_t {
        if (x < 0 || y < 0 || x >= w || y >= h) return kBackgroundIndex;
        return picture.indices[static_cast<std::size_t>(y) * w + x];
    };
    long edge = 0, outlined = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t index = at(x, y);
            if (index == kBackgroundIndex) continue;
            if (at(x - 1, y) != kBackgroundIndex && at(x + 1, y) != kBackgroundIndex &&
                at(x, y - 1) != kBackgroundIndex && at(x, y + 1) != kBackgroundIndex)
                continue;
            ++edge;
            if (index == kOutlineIndex) ++outlined;
        }
    }
    return edge == 0 ? 100 : static_cast<int>(outlined * 100 / edge);
}

std::string OutlineFault(const IndexedPicture& picture) {
    const int percent = OutlinedEdgePercent(picture);
    if (percent >= kMinOutlinedEdgePercent) return {};
    return "only " + std::to_string(percent) + "% of its silhouette's edge is outline (#000000), fewer than " +
           std::to_string(kMinOutlinedEdgePercent) + "%: a part without a black contour melts into a field of its tincture";
}

std::string FillFault(const IndexedPicture& cropped) {
    const int width = cropped.width - 2 * kPictureMargin;
    const int height = cropped.height - 2 * kPictureMargin;
    if (width >= kSilhouetteWidth - kFillTolerance || height >= kSilhouetteHeight - kFillTolerance) return {};
    return "resized, its silhouette spans " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels, short of " + std::to_string(kSilhouetteWidth) + " across or " +
           std::to_string(kSilhouetteHeight) + " down: it does not fill its box";
}

}  // namespace charge_pictures
