// The GIF writer: whatever indices go in must come back out, through code width changes, full
// tables and sub-block boundaries, read by giflib and by the program's own decoder alike; and
// the painter's header bytes stand where it reads them.
#include "GifWriter.h"
#include "TestGif.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/ChargePicture.h"
#include "engine/PaintState.h"

namespace charge_pictures_test {
namespace {

using charge_pictures::EncodeGif;
using charge_pictures::PictureHeader;

struct RoundTripCase {
    const char* name;
    int width, height;
    std::vector<std::uint8_t> (*make)(int count);
};

std::vector<std::uint8_t> Random(int count, std::vector<std::uint8_t> alphabet) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(count));
    for (auto& index : out) index = alphabet[pick(random)];
    return out;
}

const RoundTripCase kRoundTrips[] = {
    {"OnePixel", 1, 1, [](int n) { return std::vector<std::uint8_t>(n, 11); }},
    // One long run: strings grow by one each code, the decoder meets codes not yet in its table.
    {"OneColour", 330, 345, [](int n) { return std::vector<std::uint8_t>(n, 255); }},
    // Every index: the table fills after about 3,800 codes and is cleared many times over.
    {"AllIndicesNoise", 330, 345,
     [](int n) {
         std::vector<std::uint8_t> all(256);
         for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(i);
         return Random(n, all);
     }},
    {"PaintedIndicesNoise", 200, 220, [](int n) { return Random(n, {0, 10, 11, 14, 255}); }},
    {"Stripes", 97, 13, [](int n) {
         std::vector<std::uint8_t> out(n);
         for (int i = 0; i < n; ++i) out[i] = static_cast<std::uint8_t>((i / 7) % 3 == 0 ? 0 : 11);
         return out;
     }},
};

void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }

class GifRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(GifRoundTrip, GiflibReadsBackTheSameIndices) {
    const RoundTripCase& c = GetParam();
    const std::vector<std::uint8_t> indices = c.make(c.width * c.height);
    ScratchDir dir;
    const auto file = EncodeGif(PictureHeader{}, c.width, c.height, indices);
    ASSERT_TRUE(file.ok()) << file.error;
    WriteText(dir / "picture.gif", std::string(file.value.begin(), file.value.end()));

    const DecodedGif gif = DecodeWithGiflib(dir / "picture.gif");
    ASSERT_EQ(gif.error, "");
    EXPECT_EQ(gif.imageCount, 1);
    EXPECT_EQ(gif.width, c.width);
    EXPECT_EQ(gif.height, c.height);
    EXPECT_TRUE(gif.indices == indices);

    esc::ChargePicture ours;
    ours.buffer.assign(esc::kChargeBufferSize, 0);
    ASSERT_EQ(esc::DecodeGifPicture(ours, file.value.data(), file.value.size()), 0);
    EXPECT_TRUE(ours.complete);
    EXPECT_EQ(ours.PW, c.width);
    EXPECT_EQ(ours.PH, c.height);
    EXPECT_TRUE(std::equal(indices.begin(), indices.end(), ours.buffer.begin()));
}

INSTANTIATE_TEST_SUITE_P(Pictures, GifRoundTrip, ::testing::ValuesIn(kRoundTrips),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GifLayout, BlocksFollowTheSubsetThePainterReads) {
    const std::vector<std::uint8_t> indices = Random(150 * 120, {0, 10, 11, 14, 255});
    const auto encoded = EncodeGif(PictureHeader{6, 0x70, 3, 1}, 150, 120, indices);
    ASSERT_TRUE(encoded.ok()) << encoded.error;
    const std::vector<std::uint8_t>& file = encoded.value;

    const std::vector<std::uint8_t> start = {'G', 'I', 'F', '8', '9', 'a',
                                             6, 0x70, 3, 1,  // O1, O2, O3, T in place of the screen size
                                             0xF7,           // global table of 256 entries
                                             255, 0};        // background index, aspect
    ASSERT_GT(file.size(), 13u + 768u + 10u + 1u);
    EXPECT_TRUE(std::equal(start.begin(), start.end(), file.begin()));

    std::size_t at = 13 + 768;
    const std::vector<std::uint8_t> descriptor = {0x2C, 0, 0, 0, 0, 150, 0, 120, 0, 0};
    EXPECT_TRUE(std::equal(descriptor.begin(), descriptor.end(), file.begin() + static_cast<std::ptrdiff_t>(at)));
    at += descriptor.size();
    EXPECT_EQ(file[at++], 8);  // minimum code size
    // The first code (9 bits, least significant first) is the clear code 256.
    EXPECT_EQ(file[at + 1] | ((file[at + 2] & 1) << 8), 256);

    int blocks = 0;
    while (at < file.size() && file[at] != 0) {
        at += 1 + file[at];  // a sub-block: its length byte, then that many bytes
        ++blocks;
    }
    EXPECT_GT(blocks, 1);
    ASSERT_EQ(at + 2, file.size()) << "the data must end with a terminator and the trailer";
    EXPECT_EQ(file[at], 0);
    EXPECT_EQ(file[at + 1], 0x3B);
}

}  // namespace
}  // namespace charge_pictures_test
