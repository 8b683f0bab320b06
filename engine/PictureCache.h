#pragma once
// Decoded charge pictures kept for the life of a process, so that a list of blazons (coverage,
// batch drawing, the window stepping through the armorial) decodes each picture file once.
// One cache may serve several drawing states on several threads. An entry is used only while
// its file keeps the size and modification time it had when decoded. A damaged file is kept as
// its verdict and what is wrong, without pixels: it is read once and said the same each time.

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/PaintState.h"

namespace esc {

class PictureCache {
public:
    // Copies the picture decoded from `path` into `picture` (for a damaged file only its verdict
    // and damage) when the cache holds it for the file as it is now; false when not (the caller
    // reads and decodes the file).
    bool Restore(const std::string& path, ChargePicture& picture);
    // Keeps the picture just decoded from `path` with its verdict (nothing when the file was
    // missing or cannot be examined).
    void Keep(const std::string& path, const ChargePicture& picture);

    // The picture drawn from the vector drawing at `drawingPath` at paint scale k, kept whole
    // while that drawing file is unchanged.
    bool RestoreDrawn(const std::string& drawingPath, double k, ChargePicture& picture);
    void KeepDrawn(const std::string& drawingPath, double k, const ChargePicture& picture);

    std::size_t Size() const;
    std::uint64_t Hits() const;

private:
    struct Entry {
        std::uintmax_t fileSize = 0;
        std::filesystem::file_time_type modified{};
        int PW = 0, PH = 0;
        std::array<std::uint8_t, 13> header{};
        PictureVerdict verdict = PictureVerdict::Sound;
        std::string damage;
        std::vector<std::uint8_t> pixels;  // the buffer's first bytes as decoding wrote them
        std::optional<ChargePicturePrint> print;  // theirs, as the decoding left it
    };

    struct DrawnEntry {
        std::uintmax_t fileSize = 0;
        std::filesystem::file_time_type modified{};
        ChargePicture picture;
    };

    mutable std::mutex mutex_;
    std::unordered_map<std::string, DrawnEntry> drawn_;  // by drawing path and scale
    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t hits_ = 0;
};

}  // namespace esc
