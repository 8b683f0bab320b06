#include "engine/PictureRoom.h"

#include <charconv>
#include <fstream>
#include <vector>

namespace esc {

namespace {

// The room's comment stands before the image, after the screen and its colour table: the
// first bytes of the file hold it.
constexpr std::size_t kRoomSearchBytes = 4096;

// Reads one decimal number after blanks; false when there is none.
bool ReadRoomNumber(std::string_view& text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return false;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

}  // namespace

std::optional<PictureRoom> ParsePictureRoom(std::string_view comment) {
    if (!comment.starts_with(kPictureRoomWord)) return std::nullopt;
    comment.remove_prefix(kPictureRoomWord.size());
    PictureRoom room;
    if (!ReadRoomNumber(comment, room.x) || !ReadRoomNumber(comment, room.y) || !ReadRoomNumber(comment, room.radius))
        return std::nullopt;
    const auto within = [](int v) { return v >= 0 && v <= kPictureRoomUnits; };
    if (!within(room.x) || !within(room.y) || room.radius <= 0 || !within(room.radius)) return std::nullopt;
    return room;
}

std::optional<PictureRoom> PictureRoomOfGif(std::span<const std::uint8_t> gif) {
    constexpr std::size_t kScreenBytes = 13;
    if (gif.size() < kScreenBytes || gif[0] != 'G' || gif[1] != 'I' || gif[2] != 'F') return std::nullopt;
    std::size_t at = kScreenBytes;
    if (gif[10] & 0x80) at += 3u << ((gif[10] & 0x07) + 1);
    // Extension blocks up to the first image: 0x21, a label, then sub-blocks ending in 0.
    while (at + 1 < gif.size() && gif[at] == 0x21) {
        const std::uint8_t label = gif[at + 1];
        at += 2;
        std::string text;
        while (at < gif.size() && gif[at] != 0) {
            const std::size_t length = gif[at];
            if (at + 1 + length > gif.size()) return std::nullopt;
            if (label == 0xFE) text.append(reinterpret_cast<const char*>(gif.data() + at + 1), length);
            at += 1 + length;
        }
        ++at;
        if (label == 0xFE)
            if (std::optional<PictureRoom> room = ParsePictureRoom(text)) return room;
    }
    return std::nullopt;
}

std::optional<PictureRoom> ReadPictureRoom(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<char> bytes(kRoomSearchBytes);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return PictureRoomOfGif(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace esc
