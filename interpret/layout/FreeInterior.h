#pragma once
// The free interior of a charge's picture: the largest disc of background that the drawing
// closes round (an annulet's hole, a wreath's middle, the room between a crescent's horns), or
// the room its drawing declares (a cage's inside), where a charge "within" it is set.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "engine/PictureRoom.h"
#include "interpret/phrase/DrawingState.h"

namespace esc {

// A disc in a picture's own pixels (x to the right, y down from its top left corner), and the
// drawing's extent round it (first and last drawn column and row).
struct FreeInterior {
    float x = 0, y = 0, radius = 0;
    int firstColumn = 0, lastColumn = -1, firstRow = 0, lastRow = -1;
};

// The largest disc of background within the drawing's bounding box that the drawing closes
// round: seen from its centre, the drawing lies in at least kEnclosingRays of kInteriorRays
// directions, and in three of the four along the axes. Nothing for a picture with no such room (a lion, a mullet) or an empty one.
inline constexpr int kInteriorRays = 16;
inline constexpr int kEnclosingRays = 11;
std::optional<FreeInterior> FreeInteriorOf(std::span<const std::uint8_t> pixels, int width, int height);

// The room a picture declares (engine/PictureRoom.h) in its own pixels, with the drawing's
// extent; nothing for an empty picture.
std::optional<FreeInterior> DeclaredInteriorOf(std::span<const std::uint8_t> pixels, int width, int height,
                                               const PictureRoom& declared);

// The free interior of the picture named `name` (a level's picture name, a final "s" dropped)
// as the painter decodes it. Leaves the charge picture buffer unloaded (the next placement
// decodes its own picture again). Nothing when there is no such picture or it has no interior.
std::optional<FreeInterior> PictureInterior(DrawingState& state, std::string_view name, std::string_view variant);

// Whether the picture named declares a room in its file, read without decoding it (while the
// words are read, before the shield is laid out).
bool PictureDeclaresARoom(const DrawingState& state, std::string_view name, std::string_view variant);

}  // namespace esc
