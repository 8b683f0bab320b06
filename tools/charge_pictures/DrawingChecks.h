// The checks every charge drawing passes, whether a tool generated it or a hand drew it: its
// outline is one colour all round, it renders cleanly at its own size and four times larger, and once
// resized its silhouette fills the painter's box. Each returns an empty string when the drawing
// passes, else a sentence for the person running the build.
#pragma once

#include "ColourMapping.h"

#include <string>

namespace charge_pictures {

// The share of the silhouette's edge (pixels beside the background) drawn in the outline
// colour, index 0, in hundredths. A charge is outlined all round so that it reads on a field of
// its own tincture. Parts drawn as bare coloured lines are allowed for: the strings of a harp,
// which "stringed" colours, leave about half its edge in the detail colour.
constexpr int kMinOutlinedEdgePercent = 50;
[[nodiscard]] int OutlinedEdgePercent(const IndexedPicture& picture);
[[nodiscard]] std::string OutlineFault(const IndexedPicture& picture);

// The larger rendering a drawing must survive: fine detail that only holds together at the
// natural size (a hairline gap, a sliver of stray colour) shows at this scale.
constexpr int kLargeRenderScale = 4;

// Whether the picture, cut to its silhouette with kPictureMargin (FillBox.h), spans the box in
// one direction, to within kFillTolerance pixels.
constexpr int kFillTolerance = 2;
[[nodiscard]] std::string FillFault(const IndexedPicture& cropped);

}  // namespace charge_pictures
