// A charge picture made k times its size for a finer paint scale: its size, its parts where they
// were, and its slanted edges stepping by single pixels rather than by blocks of k.

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "engine/ChargeAtScale.h"

namespace esc {
namespace {

constexpr std::uint8_t kBody = 11, kOutline = 0, kBackground = 255;

// A PW by PH picture whose pixels below the diagonal x = y are body, the rest background.
ChargePicture Diagonal(int side) {
    ChargePicture p;
    p.PW = p.PH = side;
    p.verdict = PictureVerdict::Sound;
    p.header[6] = 0x70;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) p.buffer.push_back(x < y ? kBody : kBackground);
    return p;
}

std::uint8_t At(const ChargePicture& p, int x, int y) { return p.buffer[static_cast<std::size_t>(y * p.PW + x)]; }

TEST(ChargeAtScale, SizeHeaderAndPartsFollowTheScale) {
    for (const double k : {2.0, 4.0, 2.5}) {
        SCOPED_TRACE(k);
        ChargePicture p = Diagonal(20);
        p.buffer[0] = kOutline;  // one outline pixel in the corner
        ScaleChargePicture(p, k);
        EXPECT_EQ(p.PW, static_cast<int>(20 * k + 0.5));
        EXPECT_EQ(p.PH, p.PW);
        EXPECT_EQ(p.header[6], 0x70);
        ASSERT_EQ(p.buffer.size(), static_cast<std::size_t>(p.PW * p.PH));
        // Well inside each part, the part's index; the corner pixel's centre keeps its index.
        EXPECT_EQ(At(p, p.PW / 5, p.PH * 4 / 5), kBody);
        EXPECT_EQ(At(p, p.PW * 4 / 5, p.PH / 5), kBackground);
        EXPECT_EQ(At(p, 0, 0), kOutline);
    }
}

// Along the diagonal the edge between body and background moves a pixel or two a row, close to
// a finer drawing of the same edge; copying each pixel k times would move it k pixels every k rows.
TEST(ChargeAtScale, SlantedEdgesStepByAPixelOrTwo) {
    ChargePicture p = Diagonal(30);
    ScaleChargePicture(p, 4.0);
    int largest = 0, previous = -1;
    for (int y = 8; y < p.PH - 8; ++y) {
        int x = 0;
        while (x < p.PW && At(p, x, y) == kBody) ++x;
        if (previous >= 0) largest = std::max(largest, std::abs(x - previous));
        previous = x;
    }
    EXPECT_LE(largest, 2);
}

TEST(ChargeAtScale, ScaleOneAndEmptyPicturesAreLeftAlone) {
    ChargePicture p = Diagonal(5);
    const std::vector<std::uint8_t> before = p.buffer;
    ScaleChargePicture(p, 1.0);
    EXPECT_EQ(p.buffer, before);
    ChargePicture empty;
    ScaleChargePicture(empty, 4.0);
    EXPECT_EQ(empty.PW, 0);
    EXPECT_TRUE(empty.buffer.empty());
}

}  // namespace
}  // namespace esc
