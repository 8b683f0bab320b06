// Sizing a picture so that its drawing fills the box the painter scales.
//
// Layouts place charges at fixed points and scales and paint each picture at a fixed share of
// its own size, so how large a charge looks on the shield is decided here: a drawing whose
// silhouette leaves wide margins, or whose natural size is small, is painted small everywhere.
// With --fill the tool measures the silhouette at the drawing's natural size and renders the
// drawing again, proportions kept, at the size where the silhouette spans kSilhouetteWidth
// across or kSilhouetteHeight down (whichever it reaches first), with kPictureMargin of
// background all round.
#pragma once

#include "ColourMapping.h"

namespace charge_pictures {

// One charge alone on the field is painted at 1.2 times its picture, two at 0.6, three at 0.5;
// the field of a drawing spans 411 x 511 pixels. A silhouette this many pixels across spans 65%
// of the field's width alone (and 32% or 27% each as two or three); this many down, 60% of its
// height (30% or 25%). A few pixels more than the figures need, for the painter's truncation of
// the scaled size.
constexpr int kSilhouetteWidth = 228;
constexpr int kSilhouetteHeight = 264;
// Rows 0 and 1 and the last three rows are never painted; columns likewise lose one or two
// when a picture is turned bendwise.
constexpr int kPictureMargin = 3;

// Inclusive pixel bounds; empty when right < left.
struct PixelBox {
    int left = 0, top = 0, right = -1, bottom = -1;
    [[nodiscard]] bool Empty() const { return right < left || bottom < top; }
    [[nodiscard]] int Width() const { return right - left + 1; }
    [[nodiscard]] int Height() const { return bottom - top + 1; }
};

// The pixels that are not background.
[[nodiscard]] PixelBox SilhouetteBox(const IndexedPicture& picture);

// Where a drawing is rendered: a natural pixel (x, y) lands at (offsetX + scale x, offsetY + scale y)
// of a picture width x height.
struct Fitting {
    int width = 0, height = 0;
    double scale = 1, offsetX = 0, offsetY = 0;
};

// The fitting that makes `silhouette` (measured at the natural size) span kSilhouetteWidth or
// kSilhouetteHeight, within maxPixels in all. An empty silhouette keeps the natural size.
[[nodiscard]] Fitting FitSilhouette(const PixelBox& silhouette, int naturalWidth, int naturalHeight, long maxPixels);

// Room left round the fitted drawing when it is rendered, so that anti-aliasing at the new size
// may spread past the silhouette measured at the natural size; the picture is then cut to its
// silhouette and kPictureMargin.
constexpr int kRenderSlack = 4;

// The picture cut to its silhouette with `margin` background pixels all round (strays dropped).
[[nodiscard]] IndexedPicture CropToSilhouette(const IndexedPicture& picture, int margin);

}  // namespace charge_pictures
