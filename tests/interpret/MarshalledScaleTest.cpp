// Marshalled arms drawn at paint scales 2 and 4 against the same arms at 1: the parts drawn k
// times finer and assembled k times larger, the same tinctures at the same relative places,
// the border and the dividing lines k times as wide.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/Palette.h"
#include "interpret/marshal/MarshalledGrid.h"

namespace esc {
namespace {

using test::Colour;
using test::Drawing;

int Scaled(int design, double k) { return static_cast<int>(std::lround(design * k)); }

// Every marshalling road: the four quarters and the two halves of the marshalling reader, the
// grid of any count, a grand quarter, an escutcheon over all, a charge over all.
const char* const kMarshalled[] = {
    "Quarterly 1&4: Or a lion rampant gules 2&3: Azure a bend argent",
    "Gules a chevron or impaling: Argent a cross engrailed sable",
    "Quarterly of 6 1: Or 2: Azure 3: Gules a fess argent 4: Vert 5: Argent a saltire gules 6: Sable",
    "Quarterly 1&4: (Quarterly 1&4: Or 2&3: Gules) 2&3: Azure a chief or",
    "Quarterly 1&4: Or 2&3: Azure escutcheon: Gules a fess argent",
    "Quarterly of 6 1: Or 2: Azure 3: Gules 4: Vert 5: Argent 6: Sable overall: a bordure argent",
};

TEST(MarshalledScale, SameTincturesAtTheSameRelativePlaces) {
    constexpr int kColumns = 41, kRows = 47;
    constexpr double kMostMismatched = 0.04;
    for (const char* blazon : kMarshalled) {
        Drawing one;
        one.DrawClean(blazon);
        const int w1 = one.s().picture.Width(), h1 = one.s().picture.Height();
        ASSERT_EQ(w1, kImageWidth) << blazon;
        ASSERT_EQ(h1, kImageHeight - 40) << blazon;
        // A requested width of 1,000 pixels is a fractional scale.
        for (const double k : {2.0, 4.0, 1000.0 / kImageWidth}) {
            SCOPED_TRACE(std::string(blazon) + " at " + std::to_string(k));
            Drawing scaled;
            scaled.s().SetPaintScale(k);
            scaled.DrawClean(blazon);
            EXPECT_EQ(scaled.s().picture.Width(), Scaled(w1, k));
            EXPECT_EQ(scaled.s().picture.Height(), Scaled(kImageHeight, k) - Scaled(40, k));
            int mismatched = 0;
            for (int i = 0; i < kColumns; ++i)
                for (int j = 0; j < kRows; ++j) {
                    const int x1 = 2 + i * (w1 - 4) / (kColumns - 1), y1 = 2 + j * (h1 - 4) / (kRows - 1);
                    const int xk = static_cast<int>((x1 + 0.5) * k), yk = static_cast<int>((y1 + 0.5) * k);
                    if (!(one.At(x1, y1) == scaled.At(xk, yk))) ++mismatched;
                }
            EXPECT_LE(mismatched, static_cast<int>(kMostMismatched * kColumns * kRows));
            // The next single arms are drawn at the same scale.
            scaled.DrawClean("Or a bend azure");
            EXPECT_EQ(scaled.s().picture.Width(), Scaled(kImageWidth, k));
        }
    }
}

// The border and the dividing lines are the pen of the design size k times as wide, on the
// lines the geometry puts them.
TEST(MarshalledScale, BorderAndDividingLinesAreKTimesWider) {
    for (const double k : {1.0, 2.0, 4.0}) {
        SCOPED_TRACE(k);
        Drawing d;
        d.s().SetPaintScale(k);
        d.DrawClean("Quarterly 1&4: Or 2&3: Azure");
        const int W = d.s().picture.Width(), H = d.s().picture.Height(), pen = Scaled(kDividingPenWidth, k);
        for (const int y : {H / 4, 3 * H / 4}) {
            for (int x = 0; x < pen; ++x) EXPECT_EQ(d.At(x, y), kBlack) << x << "," << y;
            EXPECT_EQ(d.At(pen, y), Colour(y < H / 2 ? kOr : kAzure)) << y;
            for (int x = W / 2 - pen / 2; x <= W / 2 + (pen - 1) / 2; ++x) EXPECT_EQ(d.At(x, y), kBlack) << x << "," << y;
            EXPECT_NE(d.At(W / 2 - pen / 2 - 1, y), kBlack);
            EXPECT_NE(d.At(W / 2 + (pen - 1) / 2 + 1, y), kBlack);
            for (int x = W - pen; x < W; ++x) EXPECT_EQ(d.At(x, y), kBlack) << x << "," << y;
            EXPECT_NE(d.At(W - pen - 1, y), kBlack);
        }
        for (const int x : {W / 4, 3 * W / 4}) {
            for (int y = 0; y < pen; ++y) EXPECT_EQ(d.At(x, y), kBlack) << x << "," << y;
            EXPECT_NE(d.At(x, pen), kBlack);
            for (int y = H / 2 - pen / 2; y <= H / 2 + (pen - 1) / 2; ++y) EXPECT_EQ(d.At(x, y), kBlack) << x << "," << y;
            EXPECT_NE(d.At(x, H / 2 - pen / 2 - 1), kBlack);
            EXPECT_NE(d.At(x, H / 2 + (pen - 1) / 2 + 1), kBlack);
        }
    }
}

// A part is drawn at the scale, not enlarged: along a bend in a quarter the edge moves down by
// about a row from one column to the next, where an enlarged picture would hold it for k
// columns and then jump.
TEST(MarshalledScale, APartsEdgesStepByOnePixel) {
    for (const char* blazon : {"Quarterly 1&4: Azure a bend or 2&3: Gules", "Azure a bend or impaling: Gules"}) {
        SCOPED_TRACE(blazon);
        constexpr double k = 4.0;
        Drawing d;
        d.s().SetPaintScale(k);
        d.DrawClean(blazon);
        const int W = d.s().picture.Width();
        // The bend's upper edge: the first row of or in each column of the dexter chief part.
        std::vector<int> edge;
        for (int x = W / 10; x < 4 * W / 10; ++x) {
            int y = Scaled(4, k);
            while (y < d.s().picture.Height() / 2 && !(d.At(x, y) == Colour(kOr))) ++y;
            if (y < d.s().picture.Height() / 2) edge.push_back(y);
        }
        ASSERT_GT(edge.size(), 100u);
        int held = 0, biggestStep = 0;
        for (std::size_t i = 1; i < edge.size(); ++i) {
            held += edge[i] == edge[i - 1];
            biggestStep = std::max(biggestStep, std::abs(edge[i] - edge[i - 1]));
        }
        // Enlarged four times, three columns in four would hold the row and each step be 4.
        EXPECT_LT(held, static_cast<int>(edge.size()) / 2);
        EXPECT_LE(biggestStep, 2);
    }
}

// The cells of a grid at scale k lie where the cells of the design size lie, k times larger.
TEST(MarshalledScale, GridCellsScaleWithThePen) {
    for (const int count : {2, 4, 6, 9, 16}) {
        SCOPED_TRACE(count);
        const std::vector<Rect> one = GridCells(count, kImageWidth, 480);
        const std::vector<Rect> four = GridCells(count, 4 * kImageWidth, 4 * 480, 4 * kDividingPenWidth);
        ASSERT_EQ(one.size(), four.size());
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_NEAR(four[i].left, 4 * one[i].left, 4);
            EXPECT_NEAR(four[i].top, 4 * one[i].top, 4);
            EXPECT_NEAR(four[i].right, 4 * one[i].right, 4);
            EXPECT_NEAR(four[i].bottom, 4 * one[i].bottom, 4);
        }
    }
}

}  // namespace
}  // namespace esc
