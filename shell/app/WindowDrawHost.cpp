#include "shell/app/WindowDrawHost.h"

namespace esc::app {

std::string WindowDrawHost::FetchBlazon() {
    if (state_.textEntry) return view_.BlazonText();
    return database_ ? database_->Blazon() : std::string();
}

void WindowDrawHost::BeforeDrawing() {
    // The driver has cleared the picture to teal already.
    area_.LionList().Clear();
    if (state_.helpShown) {
        state_.helpShown = false;
        Bitmap unused;
        area_.PaintBackdrop(Backdrop::StripsAndSupporters, picture_ ? *picture_ : unused, dataDir_, messages_);
    }
    if (state_.mantlingShown) {
        Bitmap unused;
        area_.PaintBackdrop(Backdrop::WholeArea, picture_ ? *picture_ : unused, dataDir_, messages_);
        state_.mantlingShown = false;
        area_.DrawSupporters(dataDir_, messages_);
    }
}

void WindowDrawHost::ShowPicture() {
    if (picture_) area_.ShowInImage1(*picture_);
    view_.PictureChanged();
}

void WindowDrawHost::AfterDrawing() {
    if (!state_.pictureCommands) {
        state_.pictureCommands = true;
        view_.EnablePictureCommands();
    }
    autoDisplay_.AfterDrawing();
}

}  // namespace esc::app
