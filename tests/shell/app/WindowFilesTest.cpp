// The window's handlers against files that cannot be read (a folder where each data file should
// be) and the screen snapshot, a working file written whole or not at all.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "shell/app/HeadlessWindow.h"
#include "shell/app/WindowController.h"

namespace esc::app {
namespace {

namespace fs = std::filesystem;

// The widgets, reduced to what these tests look at: the chosen picture and what was shown.
class QuietView final : public HeadlessView {
public:
    std::optional<std::string> chosenPicture;
    int picturesViewed = 0, readmesShown = 0;

    std::optional<std::string> ChoosePicture() override { return chosenPicture; }
    void ViewPicture(const Bitmap&, const std::string&) override { ++picturesViewed; }
    void ShowReadme(const std::string&) override { ++readmesShown; }
};

// A data folder, a user folder and a cache folder of the test's own.
struct Folders {
    fs::path root = fs::temp_directory_path() / ("escaval-window-files-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    AppPaths paths{(root / "data").string(), (root / "user").string(), (root / "cache").string()};
    Folders() {
        fs::remove_all(root);
        fs::create_directories(paths.dataDir);
    }
    ~Folders() { fs::remove_all(root); }
};

struct Window {
    QuietView view;
    CollectingSink messages;
    NoText text;
    StoppedTimer timer;
    WindowController controller;
    explicit Window(const AppPaths& paths) : controller(paths, view, messages, text, timer, 1u) {}
    // The messages shown since the last call.
    std::vector<std::string> Shown() {
        std::vector<std::string> shown;
        shown.swap(messages.messages);
        return shown;
    }
};

bool Contains(const std::vector<std::string>& texts, const std::string& part) {
    return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(part) != std::string::npos; });
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Every file the window reads, a folder instead: each step that needed one says so and the
// window goes on.
TEST(WindowFiles, FoldersInPlaceOfTheDataFilesAreReportedAndTheWindowGoesOn) {
    Folders f;
    for (const char* name : {"words1.db", "first.bmp", "lionl1.bmp", "lionr1.bmp", "scroll3.bmp", "readme.rtf", "chosen.bmp"})
        fs::create_directories(fs::path(f.paths.dataDir) / name / "inside");
    Window w(f.paths);
    w.controller.ShowStartupNotes();
    const std::vector<std::string> notes = w.Shown();
    EXPECT_TRUE(Contains(notes, "Cannot read the vocabulary table '" + f.paths.DataFile("words1.db") + "': it is a folder."))
        << notes.front();

    struct Step {
        const char* name;
        void (WindowController::*handler)();
        std::vector<std::string> shown;
    };
    const std::string chosen = f.paths.DataFile("chosen.bmp");
    w.view.chosenPicture = chosen;
    const Step steps[] = {
        {"first-run picture and supporters", &WindowController::Timer2Timer,
         {"Cannot read the picture 'first.bmp': it is a folder.", "Could not load 'lionl1.bmp': it is a folder",
          "Could not load 'lionr1.bmp': it is a folder"}},
        {"readme", &WindowController::readerClick, {"Cannot open the file 'readme.rtf'."}},
        {"view picture", &WindowController::Open1Click, {"Cannot read the picture '" + chosen + "'."}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        (w.controller.*s.handler)();
        EXPECT_EQ(w.Shown(), s.shown);
    }
    EXPECT_EQ(w.view.picturesViewed, 0);
    EXPECT_EQ(w.view.readmesShown, 0);
    EXPECT_EQ(w.controller.Picture().Surface().Pixel(kLeftSupporterX + 10, kSupporterY + 10), kTeal);
}

// The window's own bitmaps cut short: each is said with what is wrong, never drawn in part; a
// missing scroll is not said (the window goes without one).
TEST(WindowFiles, DamagedBitmapsOfTheWindowAreSaid) {
    Folders f;
    for (const char* name : {"scroll3.bmp", "lionr1.bmp", "first.bmp", "auto.bmp", "nav_last.bmp"}) {
        const std::string path = f.paths.DataFile(name);
        ASSERT_TRUE(WriteBmp(Bitmap(kSupporterWidth, kSupporterHeight, kTeal), path));
        fs::resize_file(path, fs::file_size(path) / 2);
    }
    {
        Window w(f.paths);
        w.controller.ShowStartupNotes();
        const std::vector<std::string> notes = w.Shown();
        for (const char* name : {"scroll3.bmp", "auto.bmp", "nav_last.bmp"})
            EXPECT_TRUE(Contains(notes, "Cannot read the picture '" + std::string(name) + "': it is cut short: ")) << name;
        w.controller.Timer2Timer();
        EXPECT_TRUE(Contains(w.Shown(), "Cannot read the picture 'first.bmp': it is cut short: "));
        w.controller.DrawSupporters();
        const std::vector<std::string> shown = w.Shown();
        EXPECT_TRUE(Contains(shown, "Could not load 'lionr1.bmp': it is cut short: ")) << shown.size();
    }
    fs::remove(f.paths.DataFile("scroll3.bmp"));
    Window w(f.paths);
    w.controller.ShowStartupNotes();
    EXPECT_FALSE(Contains(w.Shown(), "scroll3.bmp"));
}

// A snapshot is written whole. Then the disk fills up while the next is written (a child process
// with a file size limit): no part of the new snapshot and no temporary file is left, and the
// earlier snapshot goes too, so that restoring cannot put back a picture from before: here the
// supporters drawn since would be covered.
TEST(WindowFiles, SnapshotThatCannotBeWrittenLeavesNothingToRestore) {
    constexpr Rgb kRed{255, 0, 0};
    Folders f;
    for (const char* name : {"lionl1.bmp", "lionr1.bmp"})
        ASSERT_TRUE(WriteBmp(Bitmap(kSupporterWidth, kSupporterHeight, kRed), f.paths.DataFile(name)));
    Window w(f.paths);
    const int x = kLeftSupporterX + 10, y = kSupporterY + 10;
    w.controller.TakeScreenSnapshot();  // before the supporters: teal where they will stand
    ASSERT_EQ(Names(f.paths.cacheDir), std::vector<std::string>{text::kScreenSnapshot});
    const auto snapshot = ReadBmp(f.paths.CacheFile(text::kScreenSnapshot));
    ASSERT_TRUE(snapshot.has_value());
    EXPECT_EQ(snapshot->Width(), kDesignWidth - 2);
    EXPECT_EQ(snapshot->Height(), kSnapshotHeight);
    w.controller.DrawSupporters();
    ASSERT_EQ(w.controller.Picture().Surface().Pixel(x, y), kRed);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
        w.controller.TakeScreenSnapshot();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(Names(f.paths.cacheDir).empty());
    w.controller.RestoreScreenSnapshot();
    EXPECT_EQ(w.controller.Picture().Surface().Pixel(x, y), kRed) << "the snapshot from before was restored";
}

}  // namespace
}  // namespace esc::app
