#pragma once
// The achievement's mantle and scroll larger than their pictures (an achievement saved large, a
// printed page): drawn again from their drawings, installed under drawings/ beside the pictures,
// at the size they are shown, so their edges stay sharp and their key colours exact. Without a
// drawing the picture itself is enlarged and the user is told.

#include <string>
#include <string_view>

#include "engine/Bitmap.h"
#include "engine/MessageSink.h"

namespace esc::compose {

// The drawing of the window picture `pictureName` ("mantle2.bmp") in the data folder `dataDir`:
// "DIR/drawings/mantle2.svg".
std::string ArtDrawingPath(const std::string& dataDir, std::string_view pictureName);

// `picture` (made from the drawing of `pictureName`) at `width` by `height` pixels: itself when
// that is its size, else its drawing rendered that size in the picture's own colours, parts the
// drawing leaves bare taking `ground`; else the picture stretched, and `sink` told why.
Bitmap ArtAtSize(const std::string& dataDir, std::string_view pictureName, const Bitmap& picture, int width, int height,
                 Rgb ground, MessageSink& sink);

// The achievement's mantle and scroll (when there is one) made `scale` times their size, in place.
void ScaleAchievementArt(const std::string& dataDir, double scale, Bitmap& mantle, Bitmap* scroll, MessageSink& sink);

// The message when a window picture is enlarged rather than drawn again.
std::string ArtEnlargedMessage(std::string_view pictureName, std::string_view why);

}  // namespace esc::compose
