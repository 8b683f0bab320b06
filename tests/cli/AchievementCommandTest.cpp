// `escaval achievement`: the file it writes, and what it says when it cannot.

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

TEST_F(AchievementCommand, RefusesWhatItCannotDo) {
    // A data folder with the vocabulary but without the mantle.
    const fs::path data = dir / "data";
    fs::create_directories(data);
    fs::create_symlink(std::string(ESCAVAL_DATA_DIR) + "/words1.db", data / "words1.db");
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
