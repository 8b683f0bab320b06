#pragma once
// A picture's room: the disc of a charge picture where a charge blazoned within it is painted
// ("within an open birdcage a dove", "a birdcage, therein a bird"), when the drawing says where
// it is rather than leaving it to the free interior found in its pixels. The picture tool writes
// it into the picture file as a GIF comment "room X Y R": the centre's column and row and the
// radius, in thousandths of the picture's width (X, R) and height (Y), so that the room follows
// the picture at any size it is read or drawn at.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace esc {

struct PictureRoom {
    int x = 0, y = 0, radius = 0;  // thousandths of the picture's width, height, width
};

inline constexpr std::string_view kPictureRoomWord = "room";
inline constexpr int kPictureRoomUnits = 1000;

// "room 512 604 281" (inline: the picture tool writes it without the engine)
inline std::string FormatPictureRoom(const PictureRoom& room) {
    return std::string(kPictureRoomWord) + " " + std::to_string(room.x) + " " + std::to_string(room.y) + " " +
           std::to_string(room.radius);
}
// The room a comment's text holds, or nothing when it holds none (or another comment).
std::optional<PictureRoom> ParsePictureRoom(std::string_view comment);
// The room of the GIF data: the first comment extension that holds one, before the image.
std::optional<PictureRoom> PictureRoomOfGif(std::span<const std::uint8_t> gif);
// The same for the picture file at `path`; nothing when it cannot be read or holds no room.
std::optional<PictureRoom> ReadPictureRoom(const std::string& path);

}  // namespace esc
