#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/Bitmap.h"

namespace esc {
namespace {

TEST(Bitmap, RefusesSizesThatCannotBeMade) {
    Bitmap b(4, 3, kTeal);
    EXPECT_FALSE(b.Resize(-1, 10));
    EXPECT_FALSE(b.Resize(Bitmap::kMaxSide + 1, 1));
    EXPECT_FALSE(b.Resize(Bitmap::kMaxSide, Bitmap::kMaxSide));  // too many pixels
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Pixel(3, 2), kTeal);
    Bitmap bad(-5, 5);
    EXPECT_TRUE(bad.Empty());
}

TEST(Bitmap, LinesLeaveOutTheirLastPixelAndClip) {
    Bitmap b(20, 10, kWhite);
    b.Line(2, 3, 8, 3, kBlack);
    EXPECT_EQ(b.Pixel(2, 3), kBlack);
    EXPECT_EQ(b.Pixel(7, 3), kBlack);
    EXPECT_EQ(b.Pixel(8, 3), kWhite);
    b.Line(5, 5, 5, 9, kBlack, 2);  // a pen two pixels wide thickens to the left
    EXPECT_EQ(b.Pixel(4, 6), kBlack);
    EXPECT_EQ(b.Pixel(5, 6), kBlack);
    EXPECT_EQ(b.Pixel(6, 6), kWhite);
    EXPECT_EQ(b.Pixel(5, 9), kWhite);
    b.HorizontalRun(-10, 0, 100, kBlack);  // clipped, no overrun
    EXPECT_EQ(b.Pixel(19, 0), kBlack);
}

// Rows and columns are drawn as runs; they must cover exactly the pixels the line walked pixel
// by pixel covers, in every direction, with every pen, and clipped at every edge.
TEST(Bitmap, RowsAndColumnsAreTheLinesWalkedPixelByPixel) {
    auto walked = [](Bitmap& b, int x1, int y1, int x2, int y2, int pen) {
        const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1), sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
        int err = dx - dy, x = x1, y = y1;
        while (x != x2 || y != y2) {
            for (int k = -(pen / 2); k <= (pen - 1) / 2; ++k) {
                if (dx >= dy) b.SetPixel(x, y + k, kBlack);
                else b.SetPixel(x + k, y, kBlack);
            }
            const int e2 = 2 * err;
            if (e2 > -dy) { err -= dy; x += sx; }
            if (e2 < dx) { err += dx; y += sy; }
        }
    };
    const int ends[][4] = {{2, 3, 9, 3}, {9, 3, 2, 3}, {4, 1, 4, 8}, {4, 8, 4, 1}, {-3, 0, 14, 0},
                           {0, -4, 0, 12}, {11, 2, 11, 9}, {5, 5, 5, 5}, {3, 9, 12, 9}};
    for (const auto& e : ends)
        for (int pen = 1; pen <= 3; ++pen) {
            SCOPED_TRACE(testing::Message() << "(" << e[0] << ", " << e[1] << ") to (" << e[2] << ", " << e[3]
                                            << "), pen " << pen);
            Bitmap drawn(12, 10, kWhite), expected(12, 10, kWhite);
            drawn.Line(e[0], e[1], e[2], e[3], kBlack, pen);
            walked(expected, e[0], e[1], e[2], e[3], pen);
            for (int y = 0; y < 10; ++y)
                for (int x = 0; x < 12; ++x) ASSERT_EQ(drawn.Pixel(x, y), expected.Pixel(x, y)) << x << ", " << y;
        }
}

TEST(Bitmap, StretchScalesEachAxis) {
    Bitmap src(2, 1);
    src.SetPixel(0, 0, kBlack);
    src.SetPixel(1, 0, kWhite);
    Bitmap dst(10, 4, kTeal);
    dst.StretchDraw(src, {0, 0, 8, 2});
    EXPECT_EQ(dst.Pixel(3, 1), kBlack);
    EXPECT_EQ(dst.Pixel(4, 1), kWhite);
    EXPECT_EQ(dst.Pixel(8, 0), kTeal);
    EXPECT_EQ(dst.Pixel(0, 2), kTeal);
}

// A stretch that hangs over every edge of the target, with a key colour: each target pixel
// inside the bitmap takes the source pixel its position falls on, key pixels leave the target
// as it was, and nothing outside is written.
TEST(Bitmap, StretchDrawClipsAtEveryEdgeAndSkipsTheKeyColour) {
    Bitmap src(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            src.SetPixel(x, y, (x + y) % 3 == 0 ? kTeal : Rgb{static_cast<std::uint8_t>(x * 30), static_cast<std::uint8_t>(y * 50), 9});
    const Rect dst{-6, -4, 17, 13};  // 23 x 17, over all four edges of a 12 x 9 target
    Bitmap out(12, 9, kWhite);
    out.StretchDraw(src, dst, kTeal);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x) {
            const int tx = x - dst.left, ty = y - dst.top;
            const Rgb from = src.Pixel(tx * 7 / dst.Width(), ty * 5 / dst.Height());
            SCOPED_TRACE(::testing::Message() << "(" << x << ", " << y << ")");
            EXPECT_EQ(out.Pixel(x, y), from == kTeal ? kWhite : from);
        }
}

TEST(Bitmap, RunsOfEveryLengthSetExactlyTheirPixels) {
    // Short runs are stored inline and long ones by the wide copy: both sides of the change over,
    // at every alignment, and nothing either side of the run.
    constexpr std::uint32_t kOld = 0xFF000000u, kNew = 0xFF008080u;
    for (std::size_t offset = 0; offset < 9; ++offset) {
        for (std::size_t n = 0; n < 80; ++n) {
            std::vector<std::uint32_t> row(100, kOld);
            FillPixelRun(row.data() + offset, n, kNew);
            for (std::size_t i = 0; i < row.size(); ++i)
                ASSERT_EQ(row[i], i >= offset && i < offset + n ? kNew : kOld) << "offset " << offset << " length " << n;
        }
    }
}

TEST(BmpFile, RoundTripsExactlyWithRowPadding) {
    Bitmap b(5, 3);  // 15-byte rows are padded to 16
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) b.SetPixel(x, y, {static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 90), 7});
    const std::vector<std::uint8_t> bytes = EncodeBmp(b);
    ASSERT_EQ(bytes.size(), 54u + 16 * 3);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    const auto back = DecodeBmp(bytes.data(), bytes.size());
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(*back == b);
}

TEST(BmpFile, DamagedFilesAreRefused) {
    Bitmap b(3, 3, kTeal);
    std::vector<std::uint8_t> bytes = EncodeBmp(b);
    struct Case { const char* name; std::size_t at; std::uint8_t value; };
    const Case cases[] = {{"signature", 0, 'X'}, {"compressed", 30, 1}, {"16 bits", 28, 16}, {"huge width", 21, 0x7F}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::vector<std::uint8_t> bad = bytes;
        bad[k.at] = k.value;
        EXPECT_FALSE(DecodeBmp(bad.data(), bad.size()).has_value());
    }
    EXPECT_FALSE(DecodeBmp(bytes.data(), bytes.size() - 1).has_value());  // truncated pixels
    EXPECT_FALSE(DecodeBmp(bytes.data(), 10).has_value());
}

}  // namespace
}  // namespace esc
