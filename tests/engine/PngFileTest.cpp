// PNG files read back by a second, independent decoder (libpng), pixel for pixel, at every
// palette depth the writer chooses and for pictures too colourful for a palette.

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/Bitmap.h"

namespace esc {
namespace {

struct Decoded {
    Bitmap picture;
    int colourType = -1, bitDepth = -1;
};

std::optional<Decoded> DecodeWithLibpng(const std::vector<std::uint8_t>& bytes) {
    Decoded out;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return std::nullopt;
    out.picture = Bitmap(static_cast<int>(image.width), static_cast<int>(image.height));
    for (int y = 0; y < out.picture.Height(); ++y)
        for (int x = 0; x < out.picture.Width(); ++x) {
            const std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
            out.picture.SetPixel(x, y, {p[0], p[1], p[2]});
        }
    // The header as written: colour type at byte 25, bit depth at 24 (IHDR follows the signature).
    out.bitDepth = bytes[24];
    out.colourType = bytes[25];
    return out;
}

// `colours` distinct colours in runs of varying length, every colour used, the run lengths and
// phases changing from row to row so that runs start and end at every position within a byte.
Rgb PngTestColour(int k) {
    return {static_cast<std::uint8_t>(k & 0xFF), static_cast<std::uint8_t>(k >> 8), static_cast<std::uint8_t>(k * 37)};
}
Bitmap Runs(int width, int height, int colours) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.SetPixel(x, y, PngTestColour((x / (1 + y % 7) + y) % colours));
    // Colours the runs may miss at small sizes are set along the last row.
    for (int k = 0; k < colours && k < width; ++k) b.SetPixel(k, height - 1, PngTestColour(k));
    return b;
}

TEST(PngFile, DecodesToTheSamePixelsAtEveryDepth) {
    constexpr int kPalette = 3, kRgb = 2;
    const struct {
        int width, height, colours;
        int colourType, bitDepth;
    } cases[] = {
        {1, 1, 1, kPalette, 1},     {7, 3, 2, kPalette, 1},      {9, 4, 3, kPalette, 2},     {13, 5, 4, kPalette, 2},
        {415, 521, 5, kPalette, 4}, {3, 17, 16, kPalette, 4},   {31, 19, 17, kPalette, 8},  {257, 9, 256, kPalette, 8},
        {258, 9, 257, kRgb, 8},     {1000, 3, 1000, kRgb, 8},   {131, 6, 2, kPalette, 1},   {97, 7, 4, kPalette, 2},
    };
    for (const auto& c : cases) {
        // Each picture as it is, and with every row drawn three times over (rows like the one
        // above them are copied rather than read again).
        const Bitmap runs = Runs(c.width, c.height, c.colours);
        Bitmap banded(c.width, c.height * 3);
        for (int y = 0; y < banded.Height(); ++y)
            for (int x = 0; x < c.width; ++x) banded.SetPixel(x, y, runs.Pixel(x, y / 3));
        for (const Bitmap* picture : std::array<const Bitmap*, 2>{&runs, &banded}) {
            SCOPED_TRACE(::testing::Message() << picture->Width() << "x" << picture->Height() << ", " << c.colours << " colours");
            const auto decoded = DecodeWithLibpng(EncodePng(*picture));
            ASSERT_TRUE(decoded.has_value());
            EXPECT_EQ(decoded->colourType, c.colourType);
            EXPECT_EQ(decoded->bitDepth, c.bitDepth);
            EXPECT_TRUE(decoded->picture == *picture);
        }
    }
}

// The palette grows as the rows are read: here each colour first appears lower down, mid-row at an
// odd place in a byte, so the rows above were read when fewer colours (and a smaller depth) would
// have held them.
TEST(PngFile, ColoursFirstSeenLowDownKeepTheRowsAbove) {
    constexpr int kWidth = 37, kHeight = 60, kColours = 20;
    Bitmap picture(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        const int seen = std::min(kColours, 1 + y / 3);  // colour k first appears in row 3k
        for (int x = 0; x < kWidth; ++x) picture.SetPixel(x, y, PngTestColour((x / 3 + y) % seen));
        if (y % 3 == 0 && seen > 1) picture.SetPixel(kWidth / 2 + y % 5, y, PngTestColour(seen - 1));
    }
    for (int k = 0; k < kColours; ++k) {
        SCOPED_TRACE(k);
        int firstRow = -1;
        for (int y = 0; y < kHeight && firstRow < 0; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (picture.Pixel(x, y) == PngTestColour(k)) firstRow = y;
        ASSERT_EQ(firstRow, 3 * k);  // the condition the test is about: colour k is new in row 3k
    }
    const auto decoded = DecodeWithLibpng(EncodePng(picture));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->bitDepth, 8);
    EXPECT_TRUE(decoded->picture == picture);
}

TEST(PngFile, WritesAFileTheOtherDecoderReads) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("escaval-png-" + std::to_string(::getpid()) + ".png");
    Bitmap shield(415, 521, {0, 0, 255});
    shield.FillRect({100, 0, 200, 521}, {255, 215, 0});
    ASSERT_TRUE(WritePicture(shield, path.string()));
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::filesystem::remove(path);
    const auto decoded = DecodeWithLibpng(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_TRUE(decoded->picture == shield);
    EXPECT_LT(bytes.size(), 2000u);  // two flat colours pack small
}

}  // namespace
}  // namespace esc
