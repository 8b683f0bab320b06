#include "FillBox.h"

#include <algorithm>
#include <cmath>

namespace charge_pictures {

namespace {

constexpr std::uint8_t kBackgroundIndex = 255;

int SideFor(int extent, double scale) { return static_cast<int>(std::ceil(extent * scale)) + 2 * kPictureMargin; }

}  // namespace

PixelBox SilhouetteBox(const IndexedPicture& picture) {
    PixelBox box{picture.width, picture.height, -1, -1};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (picture.indices[static_cast<std::size_t>(y) * picture.width + x] == kBackgroundIndex) continue;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

Fitting FitSilhouette(const PixelBox& silhouette, int naturalWidth, int naturalHeight, long maxPixels) {
    if (silhouette.Empty()) return {naturalWidth, naturalHeight, 1, 0, 0};
    const int w = silhouette.Width(), h = silhouette.Height();
    double scale = std::min(static_cast<double>(kSilhouetteWidth) / w, static_cast<double>(kSilhouetteHeight) / h);
    // Only a drawing far narrower than it is tall (or the reverse) could pass the limit.
    while (scale > 0 && static_cast<long>(SideFor(w, scale)) * SideFor(h, scale) > maxPixels) scale *= 0.99;
    Fitting fit;
    fit.scale = scale;
    fit.width = SideFor(w, scale);
    fit.height = SideFor(h, scale);
    // The silhouette's pixels, scaled, centred in the picture.
    fit.offsetX = (fit.width - w * scale) / 2 - silhouette.left * scale;
    fit.offsetY = (fit.height - h * scale) / 2 - silhouette.top * scale;
    return fit;
}

IndexedPicture CropToSilhouette(const IndexedPicture& picture, int margin) {
    const PixelBox box = SilhouetteBox(picture);
    if (box.Empty()) return picture;
    IndexedPicture out;
    out.width = box.Width() + 2 * margin;
    out.height = box.Height() + 2 * margin;
    out.indices.assign(static_cast<std::size_t>(out.width) * out.height, kBackgroundIndex);
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            out.indices[static_cast<std::size_t>(y - box.top + margin) * out.width + (x - box.left + margin)] =
                picture.indices[static_cast<std::size_t>(y) * picture.width + x];
        }
    }
    out.opaquePixels = picture.opaquePixels;
    return out;
}

}  // namespace charge_pictures
