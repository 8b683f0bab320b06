#pragma once
// The "Save picture" dialog apart from its widgets: the picture it saves, the layout chosen, its
// preview, the file name and the folder. The Qt dialog shows what this holds and calls its
// handlers; tests drive it directly.

#include <optional>
#include <string>

#include "engine/Bitmap.h"
#include "engine/MessageSink.h"
#include "shell/compose/SavePicture.h"
#include "shell/compose/TextPainter.h"

namespace esc::app {

// The folder pictures are saved in by default: $XDG_PICTURES_DIR, else the one named in
// user-dirs.dirs of the user's configuration folder, else ~/Pictures.
std::string PicturesFolder();

namespace text {
inline constexpr const char* kUnableToLoadAchievement = "Unable to load 'mantsave.bmp'.";
}  // namespace text

class SavePictureDialog {
public:
    static constexpr int kPreviewWidth = 241, kPreviewHeight = 289;

    SavePictureDialog(MessageSink& messages, std::string folder);

    // What the dialog starts from each time it opens.
    struct Sources {
        Bitmap picture;                  // Image1's canvas as the picture bitmap holds it
        bool mantlingShown = false;
        std::string achievementPath;     // "mantsave.bmp" in the working folder
        const Bitmap* scroll = nullptr;  // picture 0 of the scroll list (460 by 95, lime transparent)
        std::string surname;             // the surname box
    };

    // FormActivate: the source and output pictures rebuilt, the layout reset ("No name", or
    // "Name below w/ scroll" alone with the mantling shown: the achievement as shown, on its own
    // scroll, with no second one added), the file name chosen.
    void FormActivate(const Sources& sources);
    // The layout buttons.
    void RadioButtonClick(compose::SaveLayout layout);
    // OKBtnClick: writes the output picture under the file name in the folder. The path written,
    // or nullopt when nothing was written (the reason shown): the dialog then stays open.
    std::optional<std::string> OKBtnClick();
    void CancelBtnClick();

    bool LayoutEnabled(compose::SaveLayout layout) const;
    compose::SaveLayout Layout() const { return layout_; }
    const Bitmap& Output() const { return output_; }
    const Bitmap& Source() const { return source_; }
    const Bitmap& Preview() const { return preview_; }

    const std::string& Folder() const { return folder_; }
    void SetFolder(std::string folder);
    compose::PictureFormat Format() const { return format_; }
    void SetFormat(compose::PictureFormat format);
    // The first free name, nullopt when all hundred are taken; FileNameLabel says which.
    const std::optional<std::string>& FileName() const { return fileName_; }
    std::string FileNameLabel() const;

    const compose::TextPainter& Text() const { return text_; }

private:
    void ChooseFileName();

    MessageSink& messages_;
    compose::TextPainter text_;
    std::string folder_;
    compose::PictureFormat format_ = compose::PictureFormat::Bmp;
    bool mantlingShown_ = false;
    bool achievementSaved_ = false;  // the output is the achievement as shown, its scroll its own
    std::string surname_;
    const Bitmap* scroll_ = nullptr;
    compose::SaveLayout layout_ = compose::SaveLayout::NoName;
    Bitmap source_, output_, preview_;
    std::optional<std::string> fileName_;
};

}  // namespace esc::app
