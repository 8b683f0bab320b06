// The switch between the normal view (the shield between its supporters) and the achievement
// (the shield inside the recoloured mantle, with the surname on the scroll). The achievement is
// composed without a window by compose::ComposeAchievement, exactly as `escaval achievement`
// composes it; here it is only put on the window's surface and written to the working files.

#include <filesystem>

#include "shell/app/WindowController.h"
#include "shell/compose/Achievement.h"

namespace esc::app {

void WindowController::FileOpenBtnClick() {
    if (state_.mantlingShown) {
        HideAchievement();
        return;
    }
    view_.ShowMantlingState(true);
    arrangement_.ClearSelection();  // the arrangement editor's selection is not carried into the achievement
    ShowAchievement();
}

void WindowController::ShowAchievement() {
    // The picture bitmap takes the shield as Image1 shows it, rearranged or not, so that hiding
    // the achievement puts exactly that back.
    Bitmap& picture = drawing_->picture;
    picture = area_.Image1().Copy({0, 0, picture.Width(), picture.Height()});
    area_.PaintBackdrop(Backdrop::WholeArea, picture, paths_.dataDir, messages_);
    // The builder's copies went with the backdrop.
    ForgetBuiltParts();

    std::string error;
    const std::optional<Bitmap> mantle = ReadBmp(paths_.DataFile("mantle2.bmp"), &error);
    if (!mantle) {
        // The window stays usable in the normal view.
        messages_.Show("Cannot read the picture 'mantle2.bmp': " + error);
        HideAchievement();
        return;
    }
    if (!scrollText_) scrollText_ = std::make_unique<compose::TextPainter>();

    compose::AchievementInputs inputs;
    inputs.shield = &picture;
    inputs.TakeTincturesOf(*drawing_);
    shownTinctures_ = compose::AchievementInputs{};
    shownTinctures_.TakeTincturesOf(*drawing_);
    inputs.mantle = &*mantle;
    inputs.scroll = scrollList_.PictureAt(0);
    inputs.surname = view_.Surname();
    const compose::Achievement achievement =
        compose::ComposeAchievement(area_.Surface(), inputs, scrollText_.get(), {kDesignWidth, kDesignHeight, kImage1Rect.top});

    // Working files, each replaced whole: printing reads the mantle, the save dialog the capture.
    // Every show writes them again, so they are renamed into place without waiting for the disk.
    std::error_code ec;
    std::filesystem::create_directories(paths_.cacheDir, ec);
    for (const auto& [name, bitmap] : {std::pair{compose::kMantleFileName, &achievement.recolouredMantle},
                                       std::pair{compose::kAchievementFileName, &achievement.capture}}) {
        const std::string path = paths_.CacheFile(name);
        if (const WriteResult written = WriteBmp(*bitmap, path, Flush::kLeaveToSystem); !written)
            messages_.Show("Cannot write the working picture '" + path + "': " + written.error);
    }

    // Image2 holds the capture where it was composed, over Image1, until the achievement is hidden.
    area_.ShowImage2(achievement.capture, achievement.captureRect.left, achievement.captureRect.top);
    state_.mantlingShown = true;
    view_.PictureChanged();
}

void WindowController::HideAchievement() {
    area_.HideImage2();
    area_.PaintBackdrop(Backdrop::WholeArea, drawing_->picture, paths_.dataDir, messages_);
    state_.mantlingShown = false;
    area_.LionList().Clear();
    area_.DrawSupporters(paths_.dataDir, messages_, false);
    area_.DrawOnImage1(drawing_->picture, 0, 0);
    view_.ShowMantlingState(false);
    view_.PictureChanged();
}

}  // namespace esc::app
