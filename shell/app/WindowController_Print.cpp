// The arms leave the program: printed on one page, or saved as a picture through the save
// dialog. Both pages and pictures are composed without a window (shell/compose), exactly as
// `escaval print` and `escaval save` compose them; the window only shows the dialogs and sends
// the finished page to the printer. The printed page is composed at the printer's resolution:
// the shield drawn again as wide as the page prints it, the mantle and the scroll from their
// drawings at their printed sizes, the surname set as text.

#include <algorithm>
#include <memory>

#include "engine/Messages.h"
#include "interpret/DrawingDriver.h"
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

// The messages of `drawn` that `shown` has not: what drawing again at another scale adds.
std::vector<std::string> Added(const std::vector<std::string>& shown, const std::vector<std::string>& drawn) {
    std::vector<std::string> added;
    for (const std::string& m : drawn)
        if (std::find(shown.begin(), shown.end(), m) == shown.end()) added.push_back(m);
    return added;
}

}  // namespace

Bitmap WindowController::PrintedShield(double scale) {
    const std::string blazon = host_.FetchBlazon();
    auto drawAt = [&](double k, MessageSink& sink) {
        auto state = std::make_unique<DrawingState>(sink);
        state->vocabulary = drawing_->vocabulary;
        state->dataDir = drawing_->dataDir;
        state->pictureCache = &pictures_;
        state->SetPaintScale(k);
        DrawHost plain;
        DrawBlazon(*state, blazon, plain);
        return compose::PictureAsShown(state->picture);
    };
    // The window shows the blazon's own drawing when drawing it again at the design size gives
    // the picture the window holds: not after a rearrangement, nor once the text has changed.
    CollectingSink atOne, atScale;
    if (blazon.empty() || !(drawAt(1.0, atOne) == drawing_->picture)) {
        messages_.Show(msg::kPrintedAsShown);
        return drawing_->picture;
    }
    Bitmap fine = drawAt(scale, atScale);
    // A charge enlarged rather than drawn again at the printed size is told; what the window's
    // own drawing told is not told again.
    for (const std::string& m : Added(atOne.messages, atScale.messages)) messages_.Show(m);
    return fine;
}

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

    // The achievement's mantle is recoloured again at its printed size from its template.
    std::optional<Bitmap> mantle;
    if (state_.mantlingShown) {
        std::string error;
        const std::string path = paths_.DataFile("mantle2.bmp");
        mantle = ReadBmp(path, &error);
        if (!mantle) {
            messages_.Show("Nothing was printed: the mantle picture '" + path + "' cannot be read (" + error + ").");
            view_.EndWait();
            return;
        }
    }
    const compose::PrintLayout layout = compose::PrintLayoutFor(printer->width, printer->height, state_.mantlingShown);
    const Bitmap shield = PrintedShield(compose::PrintShieldPaintScale(layout));
    const compose::PrintArt art = compose::PrintArtAtSize(paths_.dataDir, layout, mantle ? &*mantle : nullptr,
                                                          shownTinctures_, scrollList_.PictureAt(0), messages_);
    const compose::TextPainter text;
    compose::PrintInputs inputs;
    inputs.shield = &shield;
    inputs.mantle = art.mantle ? &*art.mantle : nullptr;
    inputs.scroll = art.scroll ? &*art.scroll : nullptr;
    inputs.surname = view_.Surname();
    inputs.nameAsText = true;  // set as text by the printer, sharp at its resolution
    const compose::PrintedPage printed = compose::ComposePrintPage(printer->width, printer->height, printer->dpi, inputs, text);
    // A failure ends the job and is told, rather than a part of the page printed silently.
    const std::string failed =
        printed.page.Empty() ? "the page of " + std::to_string(printer->width) + " by " + std::to_string(printer->height) +
                                   " pixels is too large to compose"
                             : view_.PrintPage(printed);
    if (!failed.empty()) messages_.Show("Printing failed: " + failed + ".");
    view_.EndWait();
}

}  // namespace esc::app
