#include "shell/compose/SavePicture.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/shell/compose/ComposeTestHelpers.h"
#include "tests/shell/compose/TestFolders.h"

namespace esc::compose {
namespace {

namespace fs = std::filesystem;
using testing::BoxOf;
using testing::InkBox;
using testing::kGreen;
using testing::kLime;
using testing::kRed;
using testing::TempDir;

void Touch(const std::string& path) { std::ofstream(path) << "x"; }

TEST(SaveFileName, SurnamePrefixAndTheFirstFreeTwoDigits) {
    TempDir dir;
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Lancaster", PictureFormat::Bmp), "Lancas00.bmp");
    Touch(dir.path + "/Lancas00.bmp");
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Lancaster", PictureFormat::Bmp), "Lancas01.bmp");
    // The tens digit follows 09.
    for (int n = 1; n <= 9; ++n) Touch(dir.path + "/" + SaveFileName("Lancas", n, PictureFormat::Bmp));
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Lancaster", PictureFormat::Bmp), "Lancas10.bmp");
    // A name shorter than six characters is used whole; each format counts its own files.
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Hay", PictureFormat::Bmp), "Hay00.bmp");
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Lancaster", PictureFormat::Png), "Lancas00.png");
    // Characters, not bytes: six letters of a name with accents.
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Ærøskøbing", PictureFormat::Bmp), "Ærøskø00.bmp");
}

TEST(SaveFileName, ANameTakenByAFolderOrABrokenLinkIsSkipped) {
    TempDir dir;
    fs::create_directory(dir.path + "/Hay00.bmp");
    fs::create_symlink(dir.path + "/nowhere", dir.path + "/Hay01.bmp");
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Hay", PictureFormat::Bmp), "Hay02.bmp");
}

TEST(SaveFileName, AllHundredTakenGivesNoName) {
    TempDir dir;
    for (int n = 0; n <= kMaxSaveNumber; ++n) Touch(dir.path + "/" + SaveFileName("Hay", n, PictureFormat::Bmp));
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Hay", PictureFormat::Bmp), std::nullopt);
    EXPECT_EQ(ChooseSaveFileName(dir.path, "Hay", PictureFormat::Png), "Hay00.png");
}

TEST(SaveFileName, HostileSurnamesStayInTheFolder) {
    struct Case {
        const char* name;
        std::string surname;
        std::string prefix;
    } cases[] = {
        {"slash", "a/b", "a_b"},
        {"backslash", "a\\b", "a_b"},
        {"climbing out", "../../etc", "______"},
        {"dots inside", "a..b", "a__b"},
        {"a single dot inside is kept", "St.John", "St.Joh"},
        {"leading dot", ".hidden", "_hidde"},
        {"control characters", std::string("a\nb\tc\x7f", 6), "a_b_c_"},
        {"nul", std::string("a\0b", 3), "a_b"},
        {"characters Windows refuses", "W?<>:|", "W_____"},
        {"quote and star", "\"*x", "__x"},
        {"not UTF-8", "Ha\xffy", "Ha_y"},
        {"empty", "", ""},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SafeNamePrefix(c.surname), c.prefix);
        const std::optional<std::string> name = ChooseSaveFileName(dir.path, c.surname, PictureFormat::Bmp);
        ASSERT_TRUE(name);
        EXPECT_EQ(name->find('/'), std::string::npos);
        EXPECT_NE(name->front(), '.');
        // Written, it is a plain file directly in the folder.
        const std::string path = dir.path + "/" + *name;
        ASSERT_TRUE(WriteBmp(Bitmap(2, 2, kWhite), path)) << path;
        EXPECT_EQ(fs::canonical(path).parent_path(), fs::canonical(dir.path));
        fs::remove(path);
    }
}

TEST(WhitenCorners, TealBelowTheBaseTurnsWhiteUpToTheOutline) {
    // A shield outline: black pixels across column 50 at row 480; teal below it and round it.
    Bitmap picture(100, 521, kTeal);
    picture.FillRect({40, 0, 60, 481}, kRed);
    picture.SetPixel(50, 480, kBlack);
    WhitenCornersBelowBase(picture);
    EXPECT_EQ(picture.Pixel(10, 520), kWhite);           // a corner, at the foot
    EXPECT_EQ(picture.Pixel(10, 521 - 79), kWhite);      // the highest row whitened
    EXPECT_EQ(picture.Pixel(10, 521 - 80), kTeal);       // beyond reach
    EXPECT_EQ(picture.Pixel(50, 481), kWhite);
    EXPECT_EQ(picture.Pixel(50, 480), kBlack);           // stops at the outline ...
    EXPECT_EQ(picture.Pixel(50, 470), kRed);             // ... and nothing above it changes
    EXPECT_EQ(picture.Pixel(45, 470), kWhite);           // a column with no black: whitened up to 80 rows
}

struct LayoutFixture {
    TextPainter text;
    Bitmap source{415, 521, kRed};
    Bitmap scroll{kScrollWidth, kScrollHeight, kGreen};
    int th = text.Measure(LetterSpacedName("Lancaster"), SaveNameStyle()).height;
    LayoutFixture() { scroll.FillRect({0, 0, 30, 30}, kLime); }
};

TEST(SaveLayouts, HeightsAndWhereThePictureAndTheNameGo) {
    LayoutFixture f;
    const int sw = 415, sh = 521, th = f.th;
    ASSERT_GT(th, 30);
    struct Case {
        const char* name;
        SaveLayout layout;
        int height;
        Rect picture;    // where the source is stretched
        int nameTop;     // -1: no name
    } cases[] = {
        {"no name", SaveLayout::NoName, sh, {5, 5, sw - 5, sh - 5}, -1},
        {"name above", SaveLayout::NameAbove, th + sh + 10, {5, th + 10, sw - 5, th + sh + 5}, 0},
        {"name below", SaveLayout::NameBelow, th + sh + 10, {5, 5, sw - 5, sh}, sh + 10},
        {"name below with scroll", SaveLayout::NameBelowWithScroll, sh + 95, {5, 5, sw - 5, sh}, sh + 95 - 68},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextResult name;
        const Bitmap out = ComposeSaveLayout(f.source, c.layout, "Lancaster", f.text, &f.scroll, &name);
        EXPECT_EQ(out.Width(), sw);
        EXPECT_EQ(out.Height(), c.height);
        EXPECT_EQ(BoxOf(out, kRed), c.picture);
        EXPECT_EQ(out.Pixel(2, 2), kWhite);
        if (c.nameTop < 0) {
            EXPECT_LE(InkBox(out).Width(), 0);  // no dark pixel at all
            continue;
        }
        EXPECT_EQ(name.drawn.top, c.nameTop);
        EXPECT_EQ(name.drawn.left, (sw - name.extent.width) / 2);
        const Rect ink = InkBox(out);
        EXPECT_GE(ink.top, c.nameTop);
        EXPECT_LE(ink.bottom, c.nameTop + th + 1);
        EXPECT_NEAR((ink.left + ink.right) / 2.0, sw / 2.0, 6);
    }
}

TEST(SaveLayouts, TheScrollLiesUnderThePictureAndRunsPastTheFoot) {
    LayoutFixture f;
    const int sh = 521;
    const Bitmap out = ComposeSaveLayout(f.source, SaveLayout::NameBelowWithScroll, "", f.text, &f.scroll);
    // Stretched into (5, sh, sw - 5, sh + 98): its last 3 rows fall outside.
    const Rect green = BoxOf(out, kGreen);
    EXPECT_EQ(green.left, 5);
    EXPECT_EQ(green.right, 410);
    EXPECT_EQ(green.bottom, sh + 95);
    // The lime corner, 30 of 460 columns and 30 of 95 rows, stayed white.
    EXPECT_EQ(out.Pixel(8, sh + 3), kWhite);
    EXPECT_EQ(green.top, sh);
    EXPECT_EQ(out.Pixel(200, sh + 3), kGreen);
}

TEST(SaveLayouts, TheAchievementSourceGrowsByOneColumnAndRow) {
    const Bitmap capture(600, 560, kRed);
    const Bitmap source = AchievementSaveSource(capture);
    EXPECT_EQ(source.Width(), 601);
    EXPECT_EQ(source.Height(), 561);
    EXPECT_EQ(source.Pixel(600, 100), kWhite);
    EXPECT_EQ(source.Pixel(599, 559), kRed);
}

TEST(SaveLayouts, PreviewStretchesTheOutputInsideAFiveMargin) {
    const Bitmap output(415, 616, kRed);
    const Bitmap preview = PreviewOf(output, 241, 289);
    EXPECT_EQ(BoxOf(preview, kRed), (Rect{5, 5, 236, 284}));
}

}  // namespace
}  // namespace esc::compose
