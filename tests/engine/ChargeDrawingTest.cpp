// A charge drawn again from its vector drawing at a paint scale: the drawing lies over its
// picture as the build placed it, k times finer, in the picture's colour indices, its curved
// edges where the geometry puts them to the pixel.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/ChargeDrawing.h"
#include "engine/PictureCache.h"

namespace esc {
namespace {

namespace fs = std::filesystem;

constexpr std::uint8_t kDrawnOutline = 0, kDrawnBody = 11, kDrawnDetail = 14, kDrawnBackground = 255;

// A ring drawing: a body disc of radius 40 about (50, 50) under a black pen 4 wide, a blue square
// 10 wide in the middle, placed in its picture 2 right and 3 down.
constexpr double kRingX = 50 + 2, kRingY = 50 + 3, kRingOuter = 42;

class ChargeDrawingFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("escaval_drawing_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir / "lpics");
        fs::create_directories(dir / "drawings");
        stem = (dir / "drawings" / "ring.esv").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    void Write(const std::string& suffix, const std::string& text) { std::ofstream(stem + suffix) << text; }
    void WriteRing() {
        Write(".svg",
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 100 100\">"
              "<circle cx=\"50\" cy=\"50\" r=\"40\" fill=\"#ffffff\" stroke=\"#000000\" stroke-width=\"4\"/>"
              "<rect x=\"45\" y=\"45\" width=\"10\" height=\"10\" fill=\"#0000ff\"/></svg>\n");
        Write(".fit", "1 2 3 104 106\n");
    }
    fs::path dir;
    std::string stem;
};

std::uint8_t DrawnAt(const ChargePicture& p, double x, double y) {
    return p.buffer[static_cast<std::size_t>(static_cast<int>(y) * p.PW + static_cast<int>(x))];
}

TEST_F(ChargeDrawingFiles, DrawnKTimesFinerOverTheSameFrame) {
    WriteRing();
    EXPECT_EQ(DrawingPathFor((dir / "lpics" / "ring.esv").string()), stem);
    for (const double k : {1.0, 2.5, 4.0}) {
        SCOPED_TRACE(k);
        ChargePicture p;
        std::string why;
        ASSERT_EQ(DrawChargeAtScale(stem, k, p, why), DrawingOutcome::Drawn) << why;
        EXPECT_EQ(p.PW, static_cast<int>(std::lround(104 * k)));
        EXPECT_EQ(p.PH, static_cast<int>(std::lround(106 * k)));
        ASSERT_EQ(p.buffer.size(), static_cast<std::size_t>(p.PW * p.PH));
        EXPECT_EQ(DrawnAt(p, kRingX * k, kRingY * k), kDrawnDetail);
        EXPECT_EQ(DrawnAt(p, (kRingX + 20) * k, kRingY * k), kDrawnBody);
        EXPECT_EQ(DrawnAt(p, (kRingX + 40) * k, kRingY * k), kDrawnOutline);
        EXPECT_EQ(DrawnAt(p, (kRingX - 40) * k, (kRingY + 1) * k), kDrawnOutline);
        EXPECT_EQ(DrawnAt(p, (kRingX + 45) * k, kRingY * k), kDrawnBackground);
        EXPECT_EQ(DrawnAt(p, 1, 1), kDrawnBackground);
    }
}

// The ring's left edge, row by row at k = 4, within a pixel of the circle: an enlarged picture
// would stand in blocks of 4 rows off the circle by up to 4 pixels.
TEST_F(ChargeDrawingFiles, CurvedEdgesFollowTheGeometryToThePixel) {
    WriteRing();
    constexpr double k = 4;
    ChargePicture p;
    std::string why;
    ASSERT_EQ(DrawChargeAtScale(stem, k, p, why), DrawingOutcome::Drawn) << why;
    for (int y = static_cast<int>((kRingY - 30) * k); y < static_cast<int>((kRingY + 30) * k); ++y) {
        int x = 0;
        while (x < p.PW && DrawnAt(p, x, y) == kDrawnBackground) ++x;
        const double dy = (y + 0.5) / k - kRingY;
        const double expected = (kRingX - std::sqrt(kRingOuter * kRingOuter - dy * dy)) * k;
        EXPECT_NEAR(x, expected, 1.0) << "row " << y;
    }
}

TEST_F(ChargeDrawingFiles, MissingAndUnreadableDrawingsAreTold) {
    ChargePicture p;
    std::string why;
    EXPECT_EQ(DrawChargeAtScale(stem, 4, p, why), DrawingOutcome::NoDrawing);
    WriteRing();
    fs::remove(stem + ".fit");
    EXPECT_EQ(DrawChargeAtScale(stem, 4, p, why), DrawingOutcome::Unreadable);
    EXPECT_FALSE(why.empty());
    why.clear();
    Write(".fit", "1 2 3 104 106\n");
    Write(".svg", "<svg this is not");
    EXPECT_EQ(DrawChargeAtScale(stem, 4, p, why), DrawingOutcome::Unreadable);
    EXPECT_FALSE(why.empty());
}

// Drawn once per drawing and scale: kept whole, and dropped when the drawing file changes.
TEST_F(ChargeDrawingFiles, CacheKeepsEachScaleUntilTheDrawingChanges) {
    WriteRing();
    PictureCache cache;
    ChargePicture drawn;
    std::string why;
    ASSERT_EQ(DrawChargeAtScale(stem, 4, drawn, why), DrawingOutcome::Drawn);
    cache.KeepDrawn(stem, 4, drawn);
    ChargePicture restored;
    EXPECT_FALSE(cache.RestoreDrawn(stem, 2, restored));
    ASSERT_TRUE(cache.RestoreDrawn(stem, 4, restored));
    EXPECT_EQ(restored.PW, drawn.PW);
    EXPECT_EQ(restored.buffer, drawn.buffer);
    Write(".svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\"/>\n");
    EXPECT_FALSE(cache.RestoreDrawn(stem, 4, restored));
}

}  // namespace
}  // namespace esc
