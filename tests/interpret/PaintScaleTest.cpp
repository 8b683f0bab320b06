// Shields drawn at paint scales 2 and 4 against the same shields at 1: the same tinctures at the
// same places relative to the picture, edges where the design puts them, k times finer.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>

#include "TestDrawing.h"
#include "engine/ChargeDrawing.h"
#include "engine/ChargePicture.h"
#include "engine/Messages.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;


// Column x's first row (from the top, below the outline) whose colour is not `c`, or -1.
int FirstRowNot(const Drawing& d, int x, int fromRow, Rgb c) {
    for (int y = fromRow; y < d.state->picture.Height(); ++y)
        if (!(d.At(x, y) == c)) return y;
    return -1;
}

TEST(PaintScale, PictureAndGeometryGrowWithTheScale) {
    for (const double k : {1.0, 2.0, 4.0, 1000.0 / kDesignImageWidth}) {
        SCOPED_TRACE(k);
        Drawing d;
        d.s().SetPaintScale(k);
        d.DrawClean("Azure a bend or");
        const ShieldGeometry& g = d.s().geometry;
        EXPECT_EQ(d.s().picture.Width(), static_cast<int>(std::lround(kImageWidth * k)));
        EXPECT_EQ(d.s().picture.Height(), static_cast<int>(std::lround(kPictureHeight * k)));
        EXPECT_EQ(g.H, static_cast<int>(std::lround(kImageHeight * k)) - g.Px(40));
        EXPECT_EQ(g.shieldBottom, g.H + g.Px(34));
        EXPECT_EQ(g.BaseBoundsCount(), g.Px(kBaseBoundsCount));
    }
}

// Every point of a grid over the shield, at its place relative to the picture, has the same
// colour at k as at 1, but for a few that fall on an edge (the outline, a line's teeth).
TEST(PaintScale, SameTincturesAtTheSameRelativePlaces) {
    const char* blazons[] = {
        "Azure a bend or",
        "Per fess indented gules and argent",
        "Or a chief embattled azure",
        "Argent a cross engrailed gules",
        "Vert a chevron between three roundels or",
        "Gules a bordure argent",
        "Chequy or and azure",
        "Ermine a fess sable",
        "Azure a lion rampant or",
        "Barry wavy of six argent and azure",
        "Argent a saltire vert",
        "Gules a pale or",
    };
    constexpr int kColumns = 41, kRows = 51;
    constexpr double kMostMismatched = 0.03;
    for (const char* blazon : blazons) {
        Drawing one;
        one.DrawClean(blazon);
        for (const double k : {2.0, 4.0}) {
            SCOPED_TRACE(std::string(blazon) + " at " + std::to_string(k));
            Drawing scaled;
            scaled.s().SetPaintScale(k);
            scaled.DrawClean(blazon);
            int mismatched = 0;
            for (int i = 0; i < kColumns; ++i)
                for (int j = 0; j < kRows; ++j) {
                    // Pixel centres of the design picture and the same places at k.
                    const int x1 = 2 + i * (kImageWidth - 4) / (kColumns - 1), y1 = 2 + j * (kPictureHeight - 4) / (kRows - 1);
                    const int xk = static_cast<int>((x1 + 0.5) * k), yk = static_cast<int>((y1 + 0.5) * k);
                    if (!(one.At(x1, y1) == scaled.At(xk, yk))) ++mismatched;
                }
            EXPECT_LE(mismatched, static_cast<int>(kMostMismatched * kColumns * kRows));
        }
    }
}

// Edges computed from the geometry: the outline's pen, a chief's lower edge and a bend's middle
// lie k times as far in at k as at 1 (within a pixel of the design, k pixels here).
TEST(PaintScale, EdgesLieWhereTheDesignPutsThem) {
    Drawing one;
    one.DrawClean("Argent a chief gules");
    const int chief1 = FirstRowNot(one, kImageWidth / 2, 4, Colour(kGules));
    ASSERT_GT(chief1, 0);
    for (const int k : {2, 4}) {
        SCOPED_TRACE(k);
        Drawing d;
        d.s().SetPaintScale(k);
        d.DrawClean("Argent a chief gules");
        const ShieldGeometry& g = d.s().geometry;
        // The outline is the design's two pixels, k times as wide.
        const int y = g.H / 2;
        EXPECT_EQ(d.At(g.Px(1), y), kBlack);
        EXPECT_EQ(d.At(g.Px(2) - 1, y), kBlack);
        EXPECT_EQ(d.At(g.Px(3), y), Colour(kArgent));
        const int chief = FirstRowNot(d, g.W / 2, g.Px(4), Colour(kGules));
        EXPECT_NEAR(chief, chief1 * k, k);
    }
}

// The room the layouts keep clear (here round the charges on a chief) is a design measure: the
// charges stand as far from the chief's top at k as at 1, k times as many pixels.
TEST(PaintScale, LayoutMarginsGrowWithTheScale) {
    const char* blazon = "Or on a chief azure three mullets or";
    auto firstGoldRow = [](Drawing& d, int x, int to) {
        for (int y = d.s().geometry.Px(4); y < to; ++y)
            if (d.At(x, y) == Colour(kOr)) return y;
        return -1;
    };
    Drawing one;
    one.DrawClean(blazon);
    const int top1 = firstGoldRow(one, kImageWidth / 2, one.s().geometry.chiefDepth);
    ASSERT_GT(top1, 0);
    for (const int k : {2, 4}) {
        SCOPED_TRACE(k);
        Drawing d;
        d.s().SetPaintScale(k);
        d.DrawClean(blazon);
        const int top = firstGoldRow(d, d.s().geometry.W / 2, d.s().geometry.chiefDepth);
        // Within three design pixels (the charge drawn from its drawing is not its picture to the
        // pixel); with the margin in bare pixels the mullets rose six design pixels at k = 4.
        EXPECT_NEAR(top, top1 * k, 3 * k);
    }
}

// Charges on an ordinary are fitted to the ordinary as it is drawn at the picture's scale, and an
// ordinary on an ordinary is kept within it: at k every charge lies inside the ordinary drawn
// alone at k, and the charges cover k * k times the pixels they cover at 1 (grown to fill the
// band as at 1, not left at the table's scale).
TEST(PaintScale, ChargesOnAnOrdinaryFitItAtEveryScale) {
    const struct {
        const char* ordinary;
        const char* charged;
    } cases[] = {
        {"Azure a bend argent", "Azure on a bend argent three mullets gules"},
        {"Azure a chevron argent", "Azure on a chevron argent three mullets gules"},
        {"Azure a pale argent", "Azure on a pale argent a chevron gules"},
    };
    for (const auto& c : cases) {
        long long atOne = 0;
        for (const int k : {1, 2}) {
            SCOPED_TRACE(std::string(c.charged) + " at " + std::to_string(k));
            Drawing plain, charged;
            plain.s().SetPaintScale(k);
            charged.s().SetPaintScale(k);
            plain.DrawClean(c.ordinary);
            charged.DrawClean(c.charged);
            const ShieldGeometry& g = charged.s().geometry;
            long long red = 0, outside = 0;
            for (int y = 0; y < g.H; ++y)
                for (int x = 0; x < g.W; ++x) {
                    if (!(charged.At(x, y) == Colour(kGules))) continue;
                    ++red;
                    if (!(plain.At(x, y) == Colour(kArgent))) ++outside;
                }
            EXPECT_EQ(outside, 0);
            if (k == 1) {
                atOne = red;
                ASSERT_GT(atOne, 0);
            } else {
                EXPECT_NEAR(static_cast<double>(red) / (atOne * k * k), 1.0, 0.15);
            }
        }
    }
}

// Teeth of a line drawn finer, not larger: at k the edge of an indented fess steps by one
// pixel at a time along its slopes, where an enlarged copy would step by k.
TEST(PaintScale, LinesStepByOnePixel) {
    Drawing d;
    d.s().SetPaintScale(4);
    d.DrawClean("Argent a fess dancetty gules");
    const ShieldGeometry& g = d.s().geometry;
    int largestStep = 0, previous = -1;
    for (int x = g.W / 4; x < g.W / 4 + g.Px(30); ++x) {
        const int top = FirstRowNot(d, x, g.Px(4), Colour(kArgent));
        ASSERT_GT(top, 0);
        if (previous >= 0) largestStep = std::max(largestStep, std::abs(top - previous));
        previous = top;
    }
    EXPECT_LE(largestStep, 2);
}

// A lion at k = 4 is its vector drawing rendered at that size (no note of an enlarged picture),
// the very picture the drawing gives over the picture's frame, k times its picture's size.
TEST(PaintScale, ChargesAreDrawnFromTheirDrawings) {
    // The picture at k = 1, read from its file.
    Drawing one;
    one.s().chargePicture.buffer.assign(kChargeBufferSize, 0);
    ASSERT_EQ(ReadGifPicture(one.s(), "lpics/lion.1"), 0);
    const ChargePicture small = one.s().chargePicture;
    Drawing d;
    d.s().SetPaintScale(4);
    d.DrawClean("Or a lion rampant gules");
    const ChargePicture& painted = d.s().scaledPicture.picture;
    EXPECT_EQ(painted.PW, 4 * small.PW);
    EXPECT_EQ(painted.PH, 4 * small.PH);
    // The drawing lies over its picture where the build placed it: at k = 1 it is the picture.
    const std::string drawing = DrawingPathFor(std::string(ESCAVAL_DATA_DIR "/lpics/lion.1"));
    ChargePicture same;
    std::string why;
    ASSERT_EQ(DrawChargeAtScale(drawing, 1, same, why), DrawingOutcome::Drawn) << why;
    ASSERT_EQ(same.PW, small.PW);
    ASSERT_EQ(same.PH, small.PH);
    int differing = 0;
    for (std::size_t i = 0; i < same.buffer.size(); ++i) differing += same.buffer[i] != small.buffer[i] ? 1 : 0;
    EXPECT_EQ(differing, 0);
    ChargePicture drawn;
    ASSERT_EQ(DrawChargeAtScale(drawing, 4, drawn, why),
              DrawingOutcome::Drawn)
        << why;
    EXPECT_EQ(drawn.PW, painted.PW);
    ASSERT_GE(painted.buffer.size(), drawn.buffer.size());
    EXPECT_TRUE(std::equal(drawn.buffer.begin(), drawn.buffer.end(), painted.buffer.begin()));
}

// Without its drawing a charge is its picture enlarged, and the user is told so.
TEST(PaintScale, ChargeWithoutADrawingIsEnlargedAndSaidSo) {
    namespace fs = std::filesystem;
    const fs::path data = fs::temp_directory_path() / ("escaval_no_drawings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::create_directories(data);
    fs::create_directory_symlink(fs::path(ESCAVAL_DATA_DIR) / "lpics", data / "lpics");
    Drawing d;
    d.s().dataDir = data.string();
    d.s().SetPaintScale(4);
    d.Draw("Or a lion rampant gules");
    fs::remove_all(data);
    ASSERT_EQ(d.sink.messages.size(), 1u);
    EXPECT_EQ(d.sink.messages.front(), msg::ChargeDrawingEnlarged("lpics/lion.1", "is not installed"));
    EXPECT_GT(d.s().paintedBox.right - d.s().paintedBox.left, 4 * 100);
}

}  // namespace
}  // namespace esc
