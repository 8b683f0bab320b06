#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "shell/app/AppPaths.h"
#include "shell/app/PictureArea.h"
#include "tests/shell/app/TestPictures.h"

namespace esc::app {
namespace {

struct DataDir {
    std::string path = (std::filesystem::temp_directory_path() / ("escaval-area-" + std::to_string(::getpid()))).string();
    DataDir() { std::filesystem::create_directories(path); }
    ~DataDir() { std::filesystem::remove_all(path); }
    // A supporter: white with a red block in its middle.
    void WriteSupporter(const std::string& name) {
        Bitmap lion(kSupporterWidth, kSupporterHeight, kWhite);
        lion.FillRect({100, 200, 150, 300}, kPureRed);
        ASSERT_TRUE(WriteBmp(lion, path + "/" + name));
    }
};

TEST(PictureArea, StartsTealEverywhere) {
    PictureArea area;
    for (auto [x, y] : {std::pair{0, 160}, {512, 400}, {1035, 767}, {kImage1Rect.left, kImage1Rect.top}})
        EXPECT_EQ(area.At(x, y), kTeal) << x << "," << y;
}

TEST(PictureArea, Image1ShowsThePictureOverTheSurface) {
    PictureArea area;
    Bitmap picture(415, 521, kPureBlue);  // the picture bitmap is one row taller than Image1
    area.ShowInImage1(picture);
    EXPECT_EQ(area.At(kImage1Rect.left, kImage1Rect.top), kPureBlue);
    EXPECT_EQ(area.At(kImage1Rect.right - 1, kImage1Rect.bottom - 1), kPureBlue);
    EXPECT_EQ(area.At(kImage1Rect.right, kImage1Rect.top), kTeal);
    EXPECT_EQ(area.At(kImage1Rect.left, kImage1Rect.bottom), kTeal);
    const Bitmap shown = area.Composite();
    EXPECT_EQ(shown.Width(), kDesignWidth);
    EXPECT_EQ(shown.Height(), kDesignHeight - kPictureAreaTop);
    EXPECT_EQ(shown.Pixel(kImage1Rect.left, kImage1Rect.top - kPictureAreaTop), kPureBlue);
    EXPECT_EQ(shown.Pixel(kImage1Rect.left - 1, kImage1Rect.top - kPictureAreaTop), kTeal);
}

TEST(PictureArea, SupportersStandBesideTheShieldWhiteTransparent) {
    DataDir dir;
    dir.WriteSupporter("lionl1.bmp");
    dir.WriteSupporter("lionr1.bmp");
    PictureArea area;
    area.Surface().FillRect({0, 160, kDesignWidth, kDesignHeight}, kPureBlue);
    CollectingSink messages;
    area.DrawSupporters(dir.path, messages);
    EXPECT_TRUE(messages.messages.empty());
    for (int x : {kLeftSupporterX, kRightSupporterX}) {
        EXPECT_EQ(area.At(x + 100, kSupporterY + 200), kPureRed);
        EXPECT_EQ(area.At(x + 149, kSupporterY + 299), kPureRed);
        EXPECT_EQ(area.At(x + 99, kSupporterY + 200), kPureBlue);  // white lets the surface through
    }
    EXPECT_EQ(area.LionList().Count(), 2);
}

TEST(PictureArea, MissingLeftSupporterIsReported) {
    DataDir dir;
    dir.WriteSupporter("lionr1.bmp");
    PictureArea area;
    CollectingSink messages;
    area.DrawSupporters(dir.path, messages);
    EXPECT_EQ(messages.messages, std::vector<std::string>{"Could not load 'lionl1.bmp'"});
    // The right supporter is picture 0 of the list now, drawn on the left.
    EXPECT_EQ(area.At(kLeftSupporterX + 100, kSupporterY + 200), kPureRed);
    EXPECT_EQ(area.At(kRightSupporterX + 100, kSupporterY + 200), kTeal);
}

TEST(PictureArea, BackdropModes) {
    DataDir dir;
    const struct {
        const char* name;
        Backdrop mode;
        Rgb left, right, image1, picture;
    } cases[] = {
        {"0: the whole area", Backdrop::WholeArea, kTeal, kTeal, kPureBlue, kPureBlue},
        {"1: the picture bitmap only", Backdrop::Picture, kPureRed, kPureRed, kPureBlue, kTeal},
        {"2: the strips beside Image1", Backdrop::Strips, kTeal, kTeal, kPureBlue, kPureBlue},
        {"3: the strips and the supporters", Backdrop::StripsAndSupporters, kTeal, kTeal, kPureBlue, kPureBlue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureArea area;
        area.Surface().Fill(kPureRed);
        area.ShowInImage1(Bitmap(415, 520, kPureBlue));
        Bitmap picture(415, 521, kPureBlue);
        CollectingSink messages;
        area.PaintBackdrop(c.mode, picture, dir.path, messages);
        EXPECT_EQ(area.At(kImage1Rect.left - 3, 400), c.left);
        EXPECT_EQ(area.At(kImage1Rect.right, 400), c.right);
        EXPECT_EQ(area.At(kImage1Rect.left + 10, 400), c.image1);
        EXPECT_EQ(picture.Pixel(10, 10), c.picture);
        // Column 303 (Image1's left - 2) and the rows from 730 are outside every strip.
        EXPECT_EQ(area.At(kImage1Rect.left - 2, 400), c.mode == Backdrop::WholeArea ? kTeal : kPureRed);
        EXPECT_EQ(area.At(100, 740), kPureRed);
        EXPECT_EQ(messages.messages.size(), c.mode == Backdrop::StripsAndSupporters ? 1u : 0u);
    }
}

TEST(PictureArea, SnapshotStretchesTheAreaAndComesBack) {
    PictureArea area;
    area.Surface().FillRect({1, 160, 518, 768}, kPureRed);
    const Bitmap snapshot = area.Snapshot();
    ASSERT_EQ(snapshot.Width(), kDesignWidth - 2);
    ASSERT_EQ(snapshot.Height(), kSnapshotHeight);
    EXPECT_EQ(snapshot.Pixel(0, 0), kPureRed);
    EXPECT_EQ(snapshot.Pixel(snapshot.Width() - 1, kSnapshotHeight - 1), kTeal);
    PictureArea other;
    other.RestoreSnapshot(snapshot);
    EXPECT_EQ(other.At(1, 160), kPureRed);
    EXPECT_EQ(other.At(0, 160), kTeal);
}

TEST(AppPaths, FollowTheXdgVariables) {
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string keep = oldData ? oldData : "", keepHome = oldHome ? oldHome : "";
    setenv("XDG_DATA_HOME", "/srv/data", 1);
    setenv("XDG_CACHE_HOME", "relative/ignored", 1);
    setenv("HOME", "/home/someone", 1);
    const AppPaths paths = AppPaths::ForUser("/usr/share/escaval");
    EXPECT_EQ(paths.UserFile("escaval1.db"), "/srv/data/escaval/escaval1.db");
    EXPECT_EQ(paths.CacheFile("screen.bmp"), "/home/someone/.cache/escaval/screen.bmp");
    EXPECT_EQ(paths.DataFile("first.bmp"), "/usr/share/escaval/first.bmp");
    if (oldData) setenv("XDG_DATA_HOME", keep.c_str(), 1); else unsetenv("XDG_DATA_HOME");
    if (oldHome) setenv("HOME", keepHome.c_str(), 1);
    unsetenv("XDG_CACHE_HOME");
}

}  // namespace
}  // namespace esc::app
