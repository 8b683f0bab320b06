// The builders of marshalled arms from separate entries: each part is taken from the blazon box,
// drawn as a whole shield and put reduced in its place beside the shield; Show assembles them.

#include "interpret/Marshalling.h"
#include "shell/app/WindowController.h"

namespace esc::app {

void WindowController::Quarterarms1Click() { BuilderMode(MarshallingKind::Quartered); }

void WindowController::Impalearms1Click() { BuilderMode(MarshallingKind::Impaled); }

void WindowController::BuilderMode(std::optional<MarshallingKind> kind) {
    if (!kind && !state_.builder) return;
    area_.PaintBackdrop(Backdrop::Strips, drawing_->picture, paths_.dataDir, messages_);
    if (!kind || state_.builder == kind) {
        view_.ShowBuilder(std::nullopt);
        area_.PaintBackdrop(Backdrop::StripsAndSupporters, drawing_->picture, paths_.dataDir, messages_);
        state_.builder.reset();
        drawing_->marshallingMode = false;
    } else {
        SetAuto(false);
        drawing_->marshallingMode = true;
        state_.builder = kind;
        view_.ShowBuilder(kind);
    }
    view_.PictureChanged();
}

void WindowController::BuildFromBox(int part) {
    // "3rd" and "4th" belong to the quartered builder; "1st" and "2nd" build halves otherwise.
    const MarshallingKind kind = state_.builder.value_or(MarshallingKind::Impaled);
    if (kind == MarshallingKind::Impaled && part > 1) return;
    state_.textEntry = true;
    const std::string text = view_.BlazonText();
    if (text.empty()) return;
    if (view_.Surname().empty()) view_.SetSurname(text::kUnknown);
    view_.BeginWait();
    // The part is drawn from the box as it is taken, so the copy always shows the text taken.
    note_.Begin(*drawing_, DrawingNote::Messages::Shown);
    const bool complete = BuildPart(*drawing_, kind, part, text, true, host_, *host_.Board());
    view_.ShowDrawingNote(note_.End(*drawing_));
    view_.EndWait();
    area_.Touch();
    if (complete) view_.EnableShowButton(true);
    view_.PictureChanged();
}

void WindowController::Button5Click() {
    const MarshallingKind kind = state_.builder.value_or(MarshallingKind::Impaled);
    const std::string composed = ShowMarshalled(*drawing_, kind, *host_.Board());
    view_.SetBlazonText(composed);
    area_.ShowInImage1(drawing_->picture);
    area_.PaintBackdrop(Backdrop::StripsAndSupporters, drawing_->picture, paths_.dataDir, messages_);
    view_.PictureChanged();
}

}  // namespace esc::app
