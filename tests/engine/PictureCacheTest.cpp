// The decoded-picture cache must never change what is drawn: a kept picture is the one the file
// holds now, a damaged file is damaged each time it is asked for, a file gone is missing.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/ChargePicture.h"
#include "engine/MessageSink.h"
#include "engine/PictureCache.h"

namespace esc {
namespace {

namespace fs = std::filesystem;

// A one-row GIF of the given colour indices (0..3). Each index follows a clear code, so every
// code keeps 3 bits and no table entries are made.
std::string OneRowGif(const std::vector<int>& indices) {
    std::string gif = "GIF89a";
    gif += std::string{0, 0, 0, 0, static_cast<char>(0x81), 0, 0};
    gif += std::string(12, '\0');  // the 4-entry colour table, unused for painting
    const int w = static_cast<int>(indices.size());
    gif += std::string{0x2C, 0, 0, 0, 0, static_cast<char>(w), 0, 1, 0, 0, 2};
    std::vector<int> codes;
    for (int v : indices) codes.push_back(4), codes.push_back(v);
    codes.push_back(5);
    std::string data;
    unsigned bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= static_cast<unsigned>(code) << count;
        count += 3;
        for (; count >= 8; count -= 8, bits >>= 8) data += static_cast<char>(bits & 0xFF);
    }
    if (count > 0) data += static_cast<char>(bits & 0xFF);
    gif += static_cast<char>(data.size());
    gif += data;
    gif += std::string{0, 0x3B};
    return gif;
}

struct CacheFixture : ::testing::Test {
    // Named by the process, so that two test runs at once never share a folder.
    fs::path dir = fs::temp_directory_path() / ("escaval-cache-" + std::to_string(::getpid()) + "-" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    NullSink sink;
    PictureCache cache;
    std::unique_ptr<PaintState> state = std::make_unique<PaintState>(sink);

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir / "lpics");
        state->dataDir = dir.string();
        state->pictureCache = &cache;
        state->chargePicture.buffer.assign(kChargeBufferSize, 99);
    }
    void TearDown() override { fs::remove_all(dir); }
    void Put(const std::string& bytes) { std::ofstream(dir / "lpics" / "x.esv", std::ios::binary | std::ios::trunc) << bytes; }
    int Read() { return ReadGifPicture(*state, "lpics/x.esv"); }
    std::vector<int> Row(int n) const {
        return std::vector<int>(state->chargePicture.buffer.begin(), state->chargePicture.buffer.begin() + n);
    }
};

TEST_F(CacheFixture, KeptPictureIsRestoredExactly) {
    Put(OneRowGif({1, 2, 3, 0}));
    ASSERT_EQ(Read(), 0);
    EXPECT_EQ(Row(5), (std::vector<int>{1, 2, 3, 0, 99}));
    EXPECT_EQ(cache.Size(), 1u);
    EXPECT_EQ(cache.Hits(), 0u);

    // Whatever another picture left in the buffer, the restored one is the file's.
    std::fill(state->chargePicture.buffer.begin(), state->chargePicture.buffer.end(), 7);
    state->chargePicture.PW = state->chargePicture.PH = 0;
    ASSERT_EQ(Read(), 0);
    EXPECT_EQ(cache.Hits(), 1u);
    EXPECT_EQ(Row(5), (std::vector<int>{1, 2, 3, 0, 7}));
    EXPECT_EQ(state->chargePicture.PW, 4);
    EXPECT_EQ(state->chargePicture.PH, 1);
    EXPECT_TRUE(state->chargePicture.complete);
}

TEST_F(CacheFixture, ChangedOrRemovedFileIsNotServedFromTheCache) {
    Put(OneRowGif({1, 1, 1}));
    ASSERT_EQ(Read(), 0);
    Put(OneRowGif({2, 2, 2, 2, 2}));  // another size: told apart even within one clock tick
    ASSERT_EQ(Read(), 0);
    EXPECT_EQ(cache.Hits(), 0u);
    EXPECT_EQ(Row(5), (std::vector<int>{2, 2, 2, 2, 2}));

    fs::remove(dir / "lpics" / "x.esv");
    EXPECT_EQ(Read(), 1);
    fs::create_directories(dir / "lpics" / "x.esv");  // a folder in its place
    EXPECT_EQ(Read(), 1);
    EXPECT_EQ(cache.Hits(), 0u);
}

TEST_F(CacheFixture, DamagedPictureIsReadOnceAndNeverPainted) {
    std::string cut = OneRowGif({1, 2, 3, 1, 2, 3});
    cut.resize(cut.size() - 5);  // the data stops inside the row
    Put(cut);
    EXPECT_EQ(Read(), 1);
    EXPECT_EQ(state->chargePicture.verdict, PictureVerdict::Damaged);
    EXPECT_EQ(state->chargePicture.damage, "it is cut short after 0 of 1 rows");
    EXPECT_EQ(cache.Size(), 1u);

    // The verdict is kept: read again, the file is not decoded and says the same.
    state->chargePicture.verdict = PictureVerdict::Sound;
    state->chargePicture.damage.clear();
    EXPECT_EQ(Read(), 1);
    EXPECT_EQ(cache.Hits(), 1u);
    EXPECT_EQ(state->chargePicture.verdict, PictureVerdict::Damaged);
    EXPECT_EQ(state->chargePicture.damage, "it is cut short after 0 of 1 rows");

    // Mended, the file is read again and painted.
    Put(OneRowGif({1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(Read(), 0);
    EXPECT_EQ(state->chargePicture.verdict, PictureVerdict::Sound);
}

TEST_F(CacheFixture, PictureCarriesThePrintOfItsPixels) {
    // Decoded, restored from the cache or replaced by another file, the picture carries the print
    // of the pixels it holds, so that painting it never prints it again; a damaged one none.
    auto printed = [this] {
        return state->chargePicture.print.has_value() && *state->chargePicture.print == PrintChargePicture(state->chargePicture);
    };
    Put(OneRowGif({1, 2, 3, 0}));
    ASSERT_EQ(Read(), 0);
    EXPECT_TRUE(printed());
    const ChargePicturePrint first = *state->chargePicture.print;
    std::fill(state->chargePicture.buffer.begin(), state->chargePicture.buffer.end(), 7);
    ASSERT_EQ(Read(), 0);
    EXPECT_EQ(cache.Hits(), 1u);
    EXPECT_TRUE(printed());
    EXPECT_EQ(*state->chargePicture.print, first);

    Put(OneRowGif({1, 2, 3, 1, 2}));
    ASSERT_EQ(Read(), 0);
    EXPECT_TRUE(printed());
    EXPECT_NE(*state->chargePicture.print, first);

    std::string cut = OneRowGif({3, 2, 1, 3, 2, 1});
    cut.resize(cut.size() - 5);
    Put(cut);
    EXPECT_EQ(Read(), 1);
    EXPECT_FALSE(state->chargePicture.print.has_value());
}

}  // namespace
}  // namespace esc
