#pragma once
// The drawing driver's host in the window: it fetches the blazon from the blazon box or the
// current record, keeps the supporters and the backdrop around the shield, shows the picture in
// Image1 and re-arms the auto display at the end of each drawing.

#include <string>

#include "database/BlazonDatabase.h"
#include "interpret/DrawingDriver.h"
#include "shell/app/ArrangementEditor.h"
#include "shell/app/AutoDisplay.h"
#include "shell/app/PictureArea.h"
#include "shell/app/WindowState.h"
#include "shell/app/WindowView.h"

namespace esc::app {

class WindowDrawHost final : public DrawHost {
public:
    WindowDrawHost(WindowState& state, PictureArea& area, AutoDisplay& autoDisplay, WindowView& view,
                   MessageSink& messages, std::string dataDir)
        : state_(state), area_(area), autoDisplay_(autoDisplay), view_(view), messages_(messages), dataDir_(std::move(dataDir)) {}

    void SetDatabase(db::BlazonDatabase* database) { database_ = database; }
    void SetPictureBitmap(Bitmap* picture) { picture_ = picture; }
    // The editor that receives the drawing's pictures: each drawing starts it afresh.
    void SetArrangement(ArrangementEditor* arrangement) { arrangement_ = arrangement; }

    std::string FetchBlazon() override;
    void BeginWait() override { view_.BeginWait(); }
    void EndWait() override { view_.EndWait(); }
    void BeforeDrawing() override;
    void ShowPicture() override;
    void AfterDrawing() override;
    // Marshalled arms pass through the window's own canvas and Image1, and keep their part texts
    // in the window's state; each part and the combined text go into the blazon box.
    std::optional<MarshallingBoard> Board() override;
    void SetBlazonText(const std::string& text) override;
    void MarshallingStarts(MarshallingKind kind) override;
    void MarshallingEnds(MarshallingKind kind) override;

private:
    // The builder's copies beside the shield were painted over.
    void ForgetBuiltParts();

    WindowState& state_;
    PictureArea& area_;
    AutoDisplay& autoDisplay_;
    WindowView& view_;
    MessageSink& messages_;
    std::string dataDir_;
    db::BlazonDatabase* database_ = nullptr;
    Bitmap* picture_ = nullptr;
    ArrangementEditor* arrangement_ = nullptr;
};

}  // namespace esc::app
