#include "shell/app/SavePictureDialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/shell/compose/TestFolders.h"
#include "tests/shell/app/TestPictures.h"

namespace esc::app {
namespace {

namespace fs = std::filesystem;
using compose::SaveLayout;
using esc::testing::ReadOnlyFolder;
using esc::testing::TempDir;

constexpr Rgb kDarkGreen{0, 160, 0};

struct DialogFixture {
    TempDir dir;
    CollectingSink messages;
    SavePictureDialog dialog{messages, dir.path};
    Bitmap scroll{compose::kScrollWidth, compose::kScrollHeight, kDarkGreen};

    SavePictureDialog::Sources Sources(bool mantling = false) {
        SavePictureDialog::Sources s;
        s.picture = Bitmap(415, 521, kPureRed);
        s.mantlingShown = mantling;
        s.achievementPath = dir.path + "/mantsave.bmp";
        s.scroll = &scroll;
        s.surname = "Lancaster";
        return s;
    }
};

TEST(SavePictureDialog, OpensOnNoNameWithEveryLayoutAndSavesTheNextName) {
    DialogFixture f;
    f.dialog.FormActivate(f.Sources());
    EXPECT_EQ(f.dialog.Layout(), SaveLayout::NoName);
    for (SaveLayout l : {SaveLayout::NoName, SaveLayout::NameAbove, SaveLayout::NameBelow, SaveLayout::NameBelowWithScroll})
        EXPECT_TRUE(f.dialog.LayoutEnabled(l));
    // Until a layout is clicked the output is the source itself.
    EXPECT_EQ(f.dialog.Output(), f.dialog.Source());
    EXPECT_EQ(f.dialog.FileNameLabel(), "Lancas00.bmp");
    EXPECT_EQ(f.dialog.Preview().Width(), SavePictureDialog::kPreviewWidth);
    EXPECT_EQ(f.dialog.Preview().Pixel(120, 140), kPureRed);
    EXPECT_EQ(f.dialog.Preview().Pixel(2, 2), kWhite);

    f.dialog.RadioButtonClick(SaveLayout::NameBelowWithScroll);
    EXPECT_EQ(f.dialog.Output().Height(), 521 + 95);
    const auto first = f.dialog.OKBtnClick();
    ASSERT_EQ(first, f.dir.path + "/Lancas00.bmp");
    const auto saved = ReadBmp(*first);
    ASSERT_TRUE(saved);
    EXPECT_EQ(*saved, f.dialog.Output());
    // The next opening starts on "No name" again and takes the next number.
    f.dialog.FormActivate(f.Sources());
    EXPECT_EQ(f.dialog.Layout(), SaveLayout::NoName);
    EXPECT_EQ(f.dialog.FileNameLabel(), "Lancas01.bmp");
    f.dialog.SetFormat(compose::PictureFormat::Png);
    EXPECT_EQ(f.dialog.FileNameLabel(), "Lancas00.png");
    EXPECT_TRUE(f.messages.messages.empty());
}

TEST(SavePictureDialog, WithTheMantlingOnlyTheScrollLayoutIsSelectable) {
    DialogFixture f;
    ASSERT_TRUE(WriteBmp(Bitmap(600, 560, kPureRed), f.dir.path + "/mantsave.bmp"));
    f.dialog.FormActivate(f.Sources(true));
    EXPECT_EQ(f.dialog.Layout(), SaveLayout::NameBelowWithScroll);
    EXPECT_FALSE(f.dialog.LayoutEnabled(SaveLayout::NoName));
    EXPECT_FALSE(f.dialog.LayoutEnabled(SaveLayout::NameAbove));
    EXPECT_FALSE(f.dialog.LayoutEnabled(SaveLayout::NameBelow));
    EXPECT_TRUE(f.dialog.LayoutEnabled(SaveLayout::NameBelowWithScroll));
    // The achievement one column and row larger, as it shows: it has its own scroll, and no
    // second one is added below it.
    EXPECT_EQ(f.dialog.Source().Width(), 601);
    EXPECT_EQ(f.dialog.Output().Height(), 561);
    EXPECT_EQ(f.dialog.Output(), f.dialog.Source());
    f.dialog.RadioButtonClick(SaveLayout::NameBelowWithScroll);
    EXPECT_EQ(f.dialog.Output().Height(), 561);
    const Bitmap before = f.dialog.Output();
    f.dialog.RadioButtonClick(SaveLayout::NoName);  // a disabled button does nothing
    EXPECT_EQ(f.dialog.Layout(), SaveLayout::NameBelowWithScroll);
    EXPECT_EQ(f.dialog.Output(), before);
    // Hidden again, every layout is back.
    f.dialog.FormActivate(f.Sources(false));
    EXPECT_TRUE(f.dialog.LayoutEnabled(SaveLayout::NameAbove));
}

TEST(SavePictureDialog, AMissingAchievementIsReportedAndTheShieldStandsIn) {
    DialogFixture f;
    f.dialog.FormActivate(f.Sources(true));
    ASSERT_EQ(f.messages.messages.size(), 1u);
    EXPECT_EQ(f.messages.messages[0], text::kUnableToLoadAchievement);
    EXPECT_EQ(f.dialog.Source().Width(), 415);
    EXPECT_EQ(f.dialog.Output().Height(), 521 + 95);
}

TEST(SavePictureDialog, AllHundredNamesTakenSaysSoAndOverwritesNothing) {
    DialogFixture f;
    for (int n = 0; n <= compose::kMaxSaveNumber; ++n)
        std::ofstream(f.dir.path + "/" + compose::SaveFileName("Lancas", n, compose::PictureFormat::Bmp)) << "mine";
    f.dialog.FormActivate(f.Sources());
    EXPECT_EQ(f.dialog.FileName(), std::nullopt);
    EXPECT_EQ(f.dialog.FileNameLabel(), "(all hundred names taken)");
    EXPECT_EQ(f.dialog.OKBtnClick(), std::nullopt);
    ASSERT_EQ(f.messages.messages.size(), 1u);
    EXPECT_NE(f.messages.messages[0].find("Lancas00.bmp to Lancas99.bmp are taken"), std::string::npos);
    std::ifstream in(f.dir.path + "/Lancas42.bmp");
    std::string content;
    in >> content;
    EXPECT_EQ(content, "mine");
    // Another folder frees the names.
    f.dialog.SetFolder(f.dir.path + "/other");
    EXPECT_EQ(f.dialog.FileNameLabel(), "Lancas00.bmp");
    EXPECT_TRUE(f.dialog.OKBtnClick());
}

TEST(SavePictureDialog, AFileThatAppearedAfterOpeningIsNotOverwritten) {
    DialogFixture f;
    f.dialog.FormActivate(f.Sources());
    ASSERT_EQ(f.dialog.FileNameLabel(), "Lancas00.bmp");
    std::ofstream(f.dir.path + "/Lancas00.bmp") << "theirs";
    EXPECT_EQ(f.dialog.OKBtnClick(), f.dir.path + "/Lancas01.bmp");
    std::ifstream in(f.dir.path + "/Lancas00.bmp");
    std::string content;
    in >> content;
    EXPECT_EQ(content, "theirs");
}

TEST(SavePictureDialog, AReadOnlyFolderIsReportedAndLeavesNoFile) {
    DialogFixture f;
    ReadOnlyFolder folder(f.dir.path + "/ro");
    ASSERT_FALSE(folder.Writable());
    f.dialog.SetFolder(folder.Path());
    f.dialog.FormActivate(f.Sources());
    EXPECT_EQ(f.dialog.OKBtnClick(), std::nullopt);
    ASSERT_EQ(f.messages.messages.size(), 1u);
    EXPECT_EQ(f.messages.messages[0].rfind("Could not save the picture '" + folder.Path() + "/Lancas00.bmp'", 0), 0u)
        << f.messages.messages[0];
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST(PicturesFolder, FromTheEnvironmentTheUserDirsOrHome) {
    TempDir dir;
    const char* savedHome = std::getenv("HOME");
    const std::string home = savedHome ? savedHome : "";
    ::setenv("HOME", dir.path.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (dir.path + "/config").c_str(), 1);
    ::unsetenv("XDG_PICTURES_DIR");
    EXPECT_EQ(PicturesFolder(), dir.path + "/Pictures");
    fs::create_directories(dir.path + "/config");
    std::ofstream(dir.path + "/config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                         << "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                         << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(PicturesFolder(), dir.path + "/Bilder");
    ::setenv("XDG_PICTURES_DIR", "/srv/pictures", 1);
    EXPECT_EQ(PicturesFolder(), "/srv/pictures");
    ::setenv("XDG_PICTURES_DIR", "relative/ignored", 1);
    EXPECT_EQ(PicturesFolder(), dir.path + "/Bilder");
    ::unsetenv("XDG_PICTURES_DIR");
    ::unsetenv("XDG_CONFIG_HOME");
    if (savedHome) ::setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace esc::app
