// Marshalled arms drawn at paint scales 2 and 4 against the same arms at 1: the parts drawn k
// times finer and assembled k times larger, the same tinctures at the same relative places,
// the border and the dividing lines k times as wide.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
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
                    // Clear of the border, whose inner pixel at k = 1 is the parts' teal margin.
                    const int x1 = 4 + i * (w1 - 8) / (kColumns - 1), y1 = 4 + j * (h1 - 8) / (kRows - 1);
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

// The runs of colour along a row or a column of the picture: teal (the parts' margin inside the
// border, at k = 1) counts as the border's black.
std::vector<std::pair<Rgb, int>> Runs(const Drawing& d, bool row, int at) {
    std::vector<std::pair<Rgb, int>> runs;
    const int n = row ? d.state->picture.Width() : d.state->picture.Height();
    for (int i = 0; i < n; ++i) {
        Rgb c = row ? d.At(i, at) : d.At(at, i);
        if (c == kTeal) c = kBlack;
        if (!runs.empty() && runs.back().first == c) ++runs.back().second;
        else runs.push_back({c, 1});
    }
    return runs;
}

// Across the picture, the border, the parts and the dividing lines are the same runs of colour
// at k as at 1, each k times as long (to a pixel or so a run, from rounding).
TEST(MarshalledScale, BorderPartsAndDividingLinesAreKTimesWider) {
    for (const char* blazon : {"Quarterly 1&4: Or 2&3: Azure", "Or impaling: Azure",
                               "Quarterly of 6 1: Or 2: Azure 3: Gules 4: Vert 5: Argent 6: Sable"}) {
        Drawing one;
        one.DrawClean(blazon);
        const int W = one.s().picture.Width(), H = one.s().picture.Height();
        for (const double k : {2.0, 4.0}) {
            SCOPED_TRACE(std::string(blazon) + " at " + std::to_string(k));
            Drawing scaled;
            scaled.s().SetPaintScale(k);
            scaled.DrawClean(blazon);
            for (const bool row : {true, false}) {
                for (const int at : {row ? H / 4 : W / 4, row ? 3 * H / 4 : 3 * W / 4}) {
                    const auto runs1 = Runs(one, row, at), runsK = Runs(scaled, row, static_cast<int>((at + 0.5) * k));
                    ASSERT_EQ(runs1.size(), runsK.size()) << (row ? "row " : "column ") << at;
                    for (std::size_t i = 0; i < runs1.size(); ++i) {
                        EXPECT_EQ(runs1[i].first, runsK[i].first) << i;
                        EXPECT_NEAR(runsK[i].second, k * runs1[i].second, k) << i;
                    }
                }
            }
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
        // Enlarged four times, three columns in four would hold the row and the fourth jump by
        // four times the slope.
        const double slope = std::abs(edge.back() - edge.front()) / static_cast<double>(edge.size() - 1);
        EXPECT_LT(held, static_cast<int>(edge.size()) / 2);
        EXPECT_LE(biggestStep, 2 * slope + 1.5);
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
