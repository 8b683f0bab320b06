#include "shell/app/WindowDrawHost.h"

#include "shell/app/WindowController.h"

namespace esc::app {

std::string WindowDrawHost::FetchBlazon() {
    if (state_.textEntry) return view_.BlazonText();
    return database_ ? database_->Blazon() : std::string();
}

void WindowDrawHost::BeforeDrawing() {
    // The driver has cleared the picture to teal already.
    if (arrangement_) arrangement_->BeginDrawing();
    area_.LionList().Clear();
    // While a builder is open the strips beside the shield hold its copies: no supporters are
    // drawn there, for the copies would stand on their remnants.
    const bool builderOpen = state_.builder.has_value();
    if (state_.helpShown) {
        state_.helpShown = false;
        ForgetBuiltParts();
        Bitmap unused;
        area_.PaintBackdrop(builderOpen ? Backdrop::Strips : Backdrop::StripsAndSupporters, picture_ ? *picture_ : unused,
                            dataDir_, messages_);
    }
    if (state_.mantlingShown) {
        // The achievement goes as hiding it would, but the shield is drawn afresh.
        area_.HideImage2();
        view_.ShowMantlingState(false);
        Bitmap unused;
        area_.PaintBackdrop(Backdrop::WholeArea, picture_ ? *picture_ : unused, dataDir_, messages_);
        state_.mantlingShown = false;
        ForgetBuiltParts();
        if (!builderOpen) area_.DrawSupporters(dataDir_, messages_);
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

void WindowDrawHost::ForgetBuiltParts() {
    state_.partsBuilt.fill(false);
    view_.EnableShowButton(false);
}

std::optional<MarshallingBoard> WindowDrawHost::Board() {
    return MarshallingBoard{area_.Surface(), area_.Image1Canvas(), state_.partTexts};
}

void WindowDrawHost::SetBlazonText(const std::string& text) {
    // A part is drawn as the builder draws it: from the blazon box, with a surname.
    state_.textEntry = true;
    view_.SetBlazonText(text);
    if (view_.Surname().empty()) view_.SetSurname(text::kUnknown);
}

void WindowDrawHost::MarshallingStarts(MarshallingKind kind) {
    autoDisplay_.BeginStep();
    // In the auto display the check marks stay as they are; the boxes are the display's.
    if (!autoDisplay_.On()) view_.CheckBuilderEntry(kind);
}

void WindowDrawHost::MarshallingEnds(MarshallingKind) {
    // The parts were drawn as whole shields and reduced: their pictures are not where they lie.
    if (arrangement_) arrangement_->DropPictures();
    // The check marks go back to the open builder, if any.
    if (!autoDisplay_.On()) view_.CheckBuilderEntry(state_.builder);
    // The parts of the text took the builder's places and the backdrop now covers them: an open
    // builder starts again from nothing.
    ForgetBuiltParts();
    Bitmap unused;
    area_.PaintBackdrop(Backdrop::StripsAndSupporters, picture_ ? *picture_ : unused, dataDir_, messages_);
}

}  // namespace esc::app
