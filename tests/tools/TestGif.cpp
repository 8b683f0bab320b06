#include "TestGif.h"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace charge_pictures_test {
namespace fs = std::filesystem;

DecodedGif DecodeWithGiflib(const fs::path& path) {
    DecodedGif out;
    const std::vector<std::uint8_t> bytes = ReadBytes(path);
    if (bytes.size() >= out.header.size()) std::copy_n(bytes.begin(), out.header.size(), out.header.begin());

    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) {
        out.error = std::string("open: ") + GifErrorString(error);
        return out;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        out.error = std::string("slurp: ") + GifErrorString(gif->Error);
    } else {
        if (gif->SColorMap != nullptr) {
            for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
                const GifColorType& c = gif->SColorMap->Colors[i];
                out.colours.push_back({c.Red, c.Green, c.Blue});
            }
        }
        out.imageCount = gif->ImageCount;
        if (gif->ImageCount > 0) {
            const SavedImage& image = gif->SavedImages[0];
            out.width = image.ImageDesc.Width;
            out.height = image.ImageDesc.Height;
            out.indices.assign(image.RasterBits, image.RasterBits + static_cast<std::size_t>(out.width) * out.height);
        }
    }
    DGifCloseFile(gif, &error);
    return out;
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

ToolRun RunTool(const std::vector<std::string>& args) {
    const fs::path errors = fs::temp_directory_path() / ("charge_pictures_stderr_" + std::to_string(getpid()));
    std::string command = "'" CHARGE_PICTURES_TOOL "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " 2> '" + errors.string() + "'";
    const int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const std::vector<std::uint8_t> text = ReadBytes(errors);
    run.errors.assign(text.begin(), text.end());
    fs::remove(errors);
    return run;
}

ScratchDir::ScratchDir() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    path_ = fs::temp_directory_path() / ("charge_pictures_" + std::to_string(getpid()) + "_" + name);
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

}  // namespace charge_pictures_test
