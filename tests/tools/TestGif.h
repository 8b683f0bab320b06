// Test helpers: decode a picture with giflib, run the charge_pictures tool, scratch folders.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace charge_pictures_test {

struct DecodedGif {
    std::string error;                         // empty when giflib read the file
    std::array<std::uint8_t, 13> header{};     // the bytes before the colour table
    std::vector<std::array<int, 3>> colours;   // global colour table
    int imageCount = 0;
    int width = 0, height = 0;                 // of the first image
    std::vector<std::uint8_t> indices;         // of the first image

    [[nodiscard]] int At(int x, int y) const { return indices.at(static_cast<std::size_t>(y) * width + x); }
};

[[nodiscard]] DecodedGif DecodeWithGiflib(const std::filesystem::path& path);

[[nodiscard]] std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);

struct ToolRun {
    int exitCode = -1;
    std::string errors;  // what the tool wrote to stderr
};

[[nodiscard]] ToolRun RunTool(const std::vector<std::string>& args);

// A fresh, empty folder removed again at the end of the test.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace charge_pictures_test
