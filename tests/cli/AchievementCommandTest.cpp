// `escaval achievement`: the file it writes, and what it says when it cannot.

#include <cstdlib>
#include <filesystem>

#include "engine/Bitmap.h"
#include "tests/cli/CommandLineFixture.h"

namespace esc::test {
namespace {

namespace fs = std::filesystem;

using AchievementCommand = CommandLine;

TEST_F(AchievementCommand, WritesTheAchievementAsTheWindowCapturesIt) {
    const fs::path out = dir / "lancaster.bmp";
    const Outcome r = Escaval("achievement " + Data() + "-o '" + out.string() + "' --surname Lancaster Gules a lion rampant or");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto picture = ReadBmp(out.string());
    ASSERT_TRUE(picture.has_value());
    // The mantle's width by the window's height less the panel and the foot: 497 by 768 - 208.
    EXPECT_EQ(picture->Width(), 497);
    EXPECT_EQ(picture->Height(), 560);
    // The shield's field a little inside its rectangle (396, 359) on the window, less the
    // capture's corner (269, 160).
    EXPECT_EQ(picture->Pixel(396 - 269 + 20, 359 - 160 + 30), (Rgb{255, 0, 0}));
}

// Where the design-size achievement is one colour over a pixel and its eight neighbours, the
// achievement k times as wide has that colour at the pixel's centre: every part of it (mantle,
// shield, scroll, name) in the same place, only finer.
double ShareUnlikeTheDesign(const Bitmap& design, const Bitmap& large, int k) {
    long long compared = 0, unlike = 0;
    for (int y = 1; y + 1 < design.Height(); ++y)
        for (int x = 1; x + 1 < design.Width(); ++x) {
            const Rgb c = design.Pixel(x, y);
            bool flat = true;
            for (int dy = -1; dy <= 1 && flat; ++dy)
                for (int dx = -1; dx <= 1 && flat; ++dx) flat = design.Pixel(x + dx, y + dy) == c;
            if (!flat) continue;
            ++compared;
            if (large.Pixel(x * k + k / 2, y * k + k / 2) != c) ++unlike;
        }
    return compared == 0 ? 1.0 : static_cast<double>(unlike) / static_cast<double>(compared);
}

TEST_F(AchievementCommand, AtASizeItIsTheSameAchievementDrawnFiner) {
    const fs::path data = DataFolderWithArt(dir, true);
    const std::string args = " --data '" + data.string() + "' --surname Hill 'Ermine a lion rampant gules'";
    const fs::path design = dir / "design.bmp", large = dir / "large.bmp";
    const Outcome r1 = Escaval("achievement -o '" + design.string() + "'" + args);
    const Outcome r2 = Escaval("achievement --size 994 -o '" + large.string() + "'" + args);
    ASSERT_EQ(r1.status, 0) << r1.err;
    ASSERT_EQ(r2.status, 0) << r2.err;
    EXPECT_EQ(r2.err, "");  // the mantle and the scroll drawn from their drawings, nothing to tell
    const auto a = ReadBmp(design.string()), b = ReadBmp(large.string());
    ASSERT_TRUE(a && b);
    ASSERT_EQ(b->Width(), 2 * a->Width());
    ASSERT_EQ(b->Height(), 2 * a->Height());
    EXPECT_LT(ShareUnlikeTheDesign(*a, *b, 2), 0.01);
    // The mantle's edges are drawn, not enlarged: along its outer rim the large picture has steps
    // of a single pixel, which a doubled picture never has.
    int singleSteps = 0, previous = -1;
    for (int y = b->Height() / 3; y < b->Height() * 2 / 3; ++y) {
        int x = 0;
        while (x < b->Width() / 2 && b->Pixel(x, y) == kTeal) ++x;
        if (previous >= 0 && std::abs(x - previous) == 1) ++singleSteps;
        previous = x;
    }
    EXPECT_GE(singleSteps, 10);
}

TEST_F(AchievementCommand, WithoutTheDrawingsThePicturesAreEnlargedAndTheUserTold) {
    const fs::path data = DataFolderWithArt(dir, false);
    const fs::path out = dir / "enlarged.bmp";
    const Outcome r = Escaval("achievement --size 1491 -o '" + out.string() + "' --data '" + data.string() + "' Or");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("The drawing of the picture 'mantle2.bmp' is not installed: it is its picture enlarged"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("'scroll3.bmp' is not installed"), std::string::npos) << r.err;
    const auto picture = ReadBmp(out.string());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 1491);
    EXPECT_EQ(picture->Height(), 3 * 560);
    // The field, a little inside the shield's rectangle three times its design place.
    EXPECT_EQ(picture->Pixel(3 * (396 - 269 + 20), 3 * (359 - 160 + 30)), (Rgb{255, 255, 0}));
}

TEST_F(AchievementCommand, RefusesWhatItCannotDo) {
    // A data folder with the vocabulary but without the mantle.
    const fs::path data = dir / "data";
    fs::create_directories(data);
    fs::create_symlink(std::string(ESCAVAL_DATA_DIR "/words1.db"), data / "words1.db");
    const fs::path out = dir / "refused.png";
    const struct {
        const char* name;
        std::string args;
        int status;
        const char* says;
    } cases[] = {
        {"no blazon", "achievement " + Data(), 2, "no blazon given"},
        {"unknown option", "achievement " + Data() + "--colour red Or", 2, "unknown option --colour"},
        {"surname without a value", "achievement " + Data() + "Or --surname", 2, "--surname needs a value"},
        {"size below the design", "achievement " + Data() + "--size 400 Or", 2, "--size"},
        {"size past four times", "achievement " + Data() + "--size 2000 Or", 2, "--size"},
        {"no mantle in the data folder", "achievement --data '" + data.string() + "' -o '" + out.string() + "' Or", 1,
         "mantle2.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = Escaval(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace esc::test
