// Drawing with the shared picture cache gives every pixel the drawing without it gives, for the
// real blazons (many charges, the same pictures again and again, damaged and missing ones too).

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/PictureCache.h"

namespace esc {
namespace {

std::vector<std::string> RealBlazons() {
    std::ifstream in(std::string(ESCAVAL_SOURCE_DIR) + "/tests/data/real_blazons.txt");
    std::vector<std::string> blazons;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') blazons.push_back(line);
    return blazons;
}

TEST(PictureCacheDrawing, EveryPixelAsWithoutTheCache) {
    const std::vector<std::string> blazons = RealBlazons();
    ASSERT_GE(blazons.size(), 400u);
    PictureCache cache;
    test::Drawing cached;
    cached.s().pictureCache = &cache;
    int differing = 0;
    // Twice over, so that the second round is drawn from kept pictures only.
    std::size_t drawn = 0;
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = 0; i < blazons.size(); i += test::kSweepStride) {
            const std::string& blazon = blazons[i];
            drawn += round == 0 ? 1 : 0;
            test::Drawing plain;
            plain.Draw(blazon);
            cached.Draw(blazon);
            const bool same = plain.s().picture == cached.s().picture &&
                              plain.sink.messages == cached.sink.messages;
            if (!same && ++differing <= 5) ADD_FAILURE() << "drawn otherwise with the cache: " << blazon;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(cache.Size(), 50u / test::kSweepStride);
    EXPECT_GT(cache.Hits(), drawn);
}

}  // namespace
}  // namespace esc
