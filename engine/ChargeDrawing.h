#pragma once
// A charge painted larger than its picture is drawn again from its vector drawing at the size it
// is painted. The build installs each picture's drawing beside the pictures (drawings/NAME.svg)
// with where the drawing lies in the picture (drawings/NAME.fit: "scale offsetX offsetY width
// height"); rendered k times finer over the same frame, the result is the picture k times its
// size in the picture's own colour indices, so it is tinted as the picture is.

#include <string>
#include <vector>

#include "engine/Bitmap.h"

#include "engine/PaintState.h"

namespace esc {

enum class DrawingOutcome { Drawn, NoDrawing, Unreadable };

// Where the drawing of the picture file `picturePath` ("DATA/lpics/lion.esv") is kept:
// "DATA/drawings/lion.esv" (add ".svg" or ".fit").
std::string DrawingPathFor(const std::string& picturePath);

// Renders the drawing kept at `drawingPath` (without ".svg"/".fit") k times the size of the
// picture it made into `picture` (its buffer, PW and PH; the header and verdict are left alone).
// NoDrawing when the files are not there; Unreadable, with `why`, when they cannot be rendered.
DrawingOutcome DrawChargeAtScale(const std::string& drawingPath, double k, ChargePicture& picture, std::string& why);

// The colour index a rendered pixel (cairo's premultiplied ARGB) stands for: background when at
// least half transparent, else the nearest of outline, body, second part and detail.
std::uint8_t IndexOfRenderedPixel(std::uint32_t argb);

// A window picture (the mantle, the scroll) drawn again from its drawing `svgPath`, stretched over
// `width` by `height` pixels as the picture is stretched, each pixel the nearest of `colours` (the
// picture's own colours) once laid on `ground`, so that its key colours stay exact at any size.
DrawingOutcome DrawArtAtSize(const std::string& svgPath, int width, int height, const std::vector<Rgb>& colours,
                             Rgb ground, Bitmap& out, std::string& why);

// The distinct colours of `picture`, at most `limit` of them (a picture drawn in a few flat
// colours); empty when it has more.
std::vector<Rgb> ColoursOf(const Bitmap& picture, std::size_t limit);

}  // namespace esc
