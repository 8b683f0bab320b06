// Painting charge pictures from the runs a state keeps gives every pixel that reading each
// picture afresh gives: charges repeated, turned, mirrored, upside down, strewn in a semé, and
// the real blazons with a bound small enough that the kept runs are dropped again and again.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "TestDrawing.h"
#include "engine/ChargeSpans.h"
#include "engine/PaintState.h"

namespace esc {
namespace {

// Draws each blazon twice with a state that keeps runs (the second time from kept runs alone)
// and once with a state that keeps none; the number of blazons drawn otherwise.
int DrawnOtherwise(const std::vector<std::string>& blazons, test::Drawing& kept) {
    int differing = 0;
    for (const std::string& blazon : blazons) {
        test::Drawing afresh;
        afresh.s().chargeSpans.SetMostBytes(0);
        afresh.Draw(blazon);
        for (int round = 0; round < 2; ++round) {
            kept.Draw(blazon);
            if (!(kept.s().picture == afresh.s().picture) && ++differing <= 5)
                ADD_FAILURE() << "drawn otherwise from kept runs (round " << round << "): " << blazon;
        }
    }
    return differing;
}

TEST(ChargeSpanCache, KeptRunsPaintAsPicturesReadAfresh) {
    // Each form with what shows it is painted as it is meant: charges repeated, turned along a
    // bend or fesswise, facing the sinister, upside down, strewn, in two tinctures, counterchanged.
    struct Form {
        const char* blazon;
        bool turned, mirrored;
    };
    const std::vector<Form> forms = {
        {"Gules three mullets or", false, false},
        {"Argent three crosses crosslet in bend sable", false, false},
        {"Or a sword bendwise gules", true, false},
        {"Or three swords bendwise sinister in fess azure", true, false},
        {"Or three stags' attires fesswise in pale sable", false, false},
        {"Azure two lions combatant or", false, true},
        {"Argent a lion rampant contourny gules armed and langued azure", false, true},
        {"Gules a crescent reversed argent", false, false},
        {"Azure semee of fleurs-de-lis a lion rampant or", false, false},
        {"Per pale ermine and ermines a lion rampant counterchanged", false, false},
        {"Per bend azure and or three mullets in bend counterchanged", false, false},
    };
    std::vector<std::string> blazons;
    for (const Form& form : forms) blazons.push_back(form.blazon);
    test::Drawing kept;
    EXPECT_EQ(DrawnOtherwise(blazons, kept), 0);
    EXPECT_GT(kept.s().chargeSpans.Hits(), blazons.size());
    EXPECT_GT(kept.s().chargeSpans.Bytes(), 0u);
    // The turns and the mirroring were painted, not read past.
    bool turned = false, mirrored = false;
    for (const Form& form : forms) {
        test::Drawing d;
        d.Draw(form.blazon);
        for (const PlacementTrace& placed : test::AllPlacements(d)) {
            turned = turned || (form.turned && placed.bendwise);
            mirrored = mirrored || (form.mirrored && placed.mirrored);
        }
    }
    EXPECT_TRUE(turned);
    EXPECT_TRUE(mirrored);
}

TEST(ChargeSpanCache, BoundDropsRunsAndPaintsAlike) {
    std::ifstream in(std::string(ESCAVAL_SOURCE_DIR) + "/tests/data/real_blazons.txt");
    std::vector<std::string> blazons;
    std::size_t line = 0;
    for (std::string text; std::getline(in, text);)
        if (!text.empty() && text[0] != '#' && line++ % (8 * test::kSweepStride) == 0) blazons.push_back(text);
    ASSERT_GE(blazons.size(), 60u / test::kSweepStride);
    test::Drawing kept;
    constexpr std::size_t kSmallBound = 64 * 1024;  // a few pictures' runs at most
    kept.s().chargeSpans.SetMostBytes(kSmallBound);
    EXPECT_EQ(DrawnOtherwise(blazons, kept), 0);
    EXPECT_LE(kept.s().chargeSpans.LargestBytes(), kSmallBound);
    EXPECT_GT(kept.s().chargeSpans.Hits(), 0u);
}

TEST(ChargeSpanCache, PictureKnownByEveryPixelAndItsSize) {
    // A picture of a body with a hole in it: the runs kept for it are found again, and a picture
    // changed in one pixel anywhere, or the same bytes read at another width, is read afresh.
    ChargePicture picture;
    picture.PW = 40;
    picture.PH = 30;
    picture.buffer.assign(static_cast<std::size_t>(picture.PW * picture.PH), 255);
    for (int t = 5; t < 25; ++t)
        for (int u = 4; u < 36; ++u) picture.buffer[static_cast<std::size_t>(t * picture.PW + u)] = (u == 20 ? 0 : 11);
    const ChargeSpanShape shape{1.0f, ChargeTurn::kAsDrawn, false, false, picture.PW, picture.PH, picture.PW / 2, picture.PH / 2};
    const ChargeSpanWindow whole{0, picture.PH, 0, picture.PW};
    ChargeSpanCache cache;
    auto runsOfRow = [&](int row) { return cache.SpansFor(picture, shape, whole).rows[static_cast<std::size_t>(row)].count; };
    EXPECT_EQ(runsOfRow(10), 3u);
    EXPECT_EQ(runsOfRow(10), 3u);
    EXPECT_EQ(cache.Hits(), 1u);
    // One pixel, first, inside or last, changed: another picture, and the first is still known.
    for (const std::size_t at : {std::size_t{0}, std::size_t{10 * 40 + 7}, picture.buffer.size() - 1}) {
        const std::uint8_t was = picture.buffer[at];
        picture.buffer[at] = was == 11 ? 0 : 11;
        const std::uint64_t misses = cache.Misses();
        cache.SpansFor(picture, shape, whole);
        EXPECT_EQ(cache.Misses(), misses + 1) << "pixel " << at;
        picture.buffer[at] = was;
        EXPECT_EQ(runsOfRow(10), 3u);
        EXPECT_EQ(cache.Misses(), misses + 1) << "pixel " << at;
    }
    // The same bytes at another width are another picture.
    picture.PW = 30;
    picture.PH = 40;
    const std::uint64_t misses = cache.Misses();
    cache.SpansFor(picture, {1.0f, ChargeTurn::kAsDrawn, false, false, 40, 30, 20, 15}, whole);
    EXPECT_EQ(cache.Misses(), misses + 1);
}

}  // namespace
}  // namespace esc
