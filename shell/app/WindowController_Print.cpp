// The arms leave the program: printed on one page, or saved as a picture through the save
// dialog. Both pages and pictures are composed without a window (shell/compose), exactly as
// `escaval print` and `escaval save` compose them; the window only shows the dialogs and sends
// the finished page to the printer.

#include "shell/app/SavePictureDialog.h"
#include "shell/app/WindowController.h"
#include "shell/compose/Achievement.h"
#include "shell/compose/PrintPage.h"

namespace esc::app {
namespace {

// The picture bitmap taking what Image1 shows, so that a rearrangement made on the picture is
// what leaves the program.
void TakeImage1(Bitmap& picture, const PictureArea& area) {
    picture = area.Image1().Copy({0, 0, picture.Width(), picture.Height()});
}

}  // namespace

void WindowController::SaveButtonClick() {
    arrangement_.ClearSelection();  // no selection marks are saved
    TakeScreenSnapshot();
    if (!state_.mantlingShown) TakeImage1(drawing_->picture, area_);
    if (!saveDialog_) saveDialog_ = std::make_unique<SavePictureDialog>(messages_, PicturesFolder());
    SavePictureDialog::Sources sources;
    sources.picture = drawing_->picture;
    sources.mantlingShown = state_.mantlingShown;
    sources.achievementPath = paths_.CacheFile(compose::kAchievementFileName);
    sources.scroll = scrollList_.PictureAt(0);
    sources.surname = view_.Surname();
    saveDialog_->FormActivate(sources);
    view_.ShowSaveDialog(*saveDialog_);
}

void WindowController::PrintBtnClick() {
    arrangement_.ClearSelection();  // no selection marks are printed
    TakeScreenSnapshot();
    StopAutoDisplay();
    view_.BeginWait();
    const std::optional<PrinterPage> printer = view_.ChoosePrinter();
    if (!printer) {
        // The dialog may have covered the supporters; with the mantling shown there are none.
        if (!state_.mantlingShown) DrawSupporters();
        view_.EndWait();
        return;
    }
    if (!state_.mantlingShown) TakeImage1(drawing_->picture, area_);

    std::optional<Bitmap> mantle;
    if (state_.mantlingShown) {
        std::string error;
        mantle = ReadBmp(paths_.CacheFile(compose::kMantleFileName), &error);
        if (!mantle) {
            messages_.Show("Nothing was printed: the mantle picture '" + paths_.CacheFile(compose::kMantleFileName) +
                           "' cannot be read (" + error + ").");
            view_.EndWait();
            return;
        }
    }
    const compose::TextPainter text;
    compose::PrintInputs inputs;
    inputs.shield = &drawing_->picture;
    inputs.mantle = mantle ? &*mantle : nullptr;
    inputs.scroll = scrollList_.PictureAt(0);
    inputs.surname = view_.Surname();
    const compose::PrintedPage printed = compose::ComposePrintPage(printer->width, printer->height, printer->dpi, inputs, text);
    // A failure ends the job and is told, rather than a part of the page printed silently.
    const std::string failed =
        printed.page.Empty() ? "the page of " + std::to_string(printer->width) + " by " + std::to_string(printer->height) +
                                   " pixels is too large to compose"
                             : view_.PrintPage(printed.page);
    if (!failed.empty()) messages_.Show("Printing failed: " + failed + ".");
    view_.EndWait();
}

}  // namespace esc::app
