// The builders of marshalled arms from separate entries: each part is taken from the blazon box,
// drawn as a whole shield and put reduced in its place beside the shield; Show assembles them.

#include "interpret/marshal/Marshalling.h"
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
        // The builder works beside the shield, not beside the achievement: the normal view
        // comes back first, and its supporters go with the strips painted below.
        if (state_.mantlingShown) {
            HideAchievement();
            area_.PaintBackdrop(Backdrop::Strips, drawing_->picture, paths_.dataDir, messages_);
        }
        SetAuto(false);
        drawing_->marshallingMode = true;
        state_.builder = kind;
        view_.ShowBuilder(kind);
        // Whatever stood beside the shield went with the backdrop: nothing is built yet.
        ForgetBuiltParts();
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
    if (RefusedAsTooLong(text)) return;
    if (view_.Surname().empty()) view_.SetSurname(text::kUnknown);
    view_.BeginWait();
    // The part is drawn from the box as it is taken, so the copy always shows the text taken.
    note_.Begin(*drawing_, DrawingNote::Messages::Shown);
    (void)BuildPart(*drawing_, kind, part, text, true, host_, *host_.Board());
    state_.partsBuilt[static_cast<std::size_t>(part)] = state_.partTexts[static_cast<std::size_t>(part)] == text;
    view_.ShowDrawingNote(note_.End(*drawing_));
    view_.EndWait();
    area_.Touch();
    view_.EnableShowButton(AllPartsBuilt(kind));
    view_.PictureChanged();
}

bool WindowController::AllPartsBuilt(MarshallingKind kind) const {
    const int parts = kind == MarshallingKind::Quartered ? kMaxParts : 2;
    for (int n = 0; n < parts; ++n)
        if (!state_.partsBuilt[static_cast<std::size_t>(n)]) return false;
    return true;
}

void WindowController::ForgetBuiltParts() {
    state_.partsBuilt.fill(false);
    view_.EnableShowButton(false);
}

void WindowController::Button5Click() {
    if (!state_.builder) return;
    const MarshallingKind kind = *state_.builder;
    // Show assembles the copies beside the shield: with one missing it would frame an empty place.
    if (!AllPartsBuilt(kind)) {
        view_.EnableShowButton(false);
        return;
    }
    // The combined text must draw again as it stands: one longer than the blazon box holds is
    // refused before anything is assembled, as a typed one is.
    const std::string composed =
        kind == MarshallingKind::Impaled ? ComposeImpaled(state_.partTexts) : ComposeQuartered(state_.partTexts);
    if (RefusedAsTooLong(composed)) return;
    (void)ShowMarshalled(*drawing_, kind, *host_.Board());
    view_.SetBlazonText(composed);
    area_.ShowInImage1(drawing_->picture);
    // The picture shown is assembled from reduced copies: the pictures of the last part drawn
    // are not where they lie, so nothing of them may be moved.
    arrangement_.BeginDrawing();
    area_.PaintBackdrop(Backdrop::StripsAndSupporters, drawing_->picture, paths_.dataDir, messages_);
    // The supporters cover the copies: the next Show needs every part built again.
    ForgetBuiltParts();
    view_.PictureChanged();
}

}  // namespace esc::app
