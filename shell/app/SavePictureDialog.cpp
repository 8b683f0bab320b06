#include "shell/app/SavePictureDialog.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

namespace esc::app {
namespace {

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home && home[0] == '/' ? home : "/tmp";
}

// XDG_PICTURES_DIR="$HOME/Pictures" from user-dirs.dirs: the value in quotes, $HOME expanded;
// anything else that is not an absolute path is ignored.
std::optional<std::string> PicturesFromUserDirs(const std::string& file) {
    std::ifstream in(file);
    std::string line;
    constexpr std::string_view kKey = "XDG_PICTURES_DIR=";
    while (std::getline(in, line)) {
        if (line.rfind(kKey, 0) != 0) continue;
        std::string value = line.substr(kKey.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        if (value.rfind("$HOME", 0) == 0) value = HomeFolder() + value.substr(5);
        if (!value.empty() && value[0] == '/') return value;
    }
    return std::nullopt;
}

}  // namespace

std::string PicturesFolder() {
    if (const char* dir = std::getenv("XDG_PICTURES_DIR"); dir && dir[0] == '/') return dir;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string configDir = config && config[0] == '/' ? config : HomeFolder() + "/.config";
    if (auto dir = PicturesFromUserDirs(configDir + "/user-dirs.dirs")) return *dir;
    return HomeFolder() + "/Pictures";
}

SavePictureDialog::SavePictureDialog(MessageSink& messages, std::string folder)
    : messages_(messages), folder_(std::move(folder)) {}

void SavePictureDialog::FormActivate(const Sources& sources) {
    surname_ = sources.surname;
    scroll_ = sources.scroll;
    mantlingShown_ = sources.mantlingShown;
    ChooseFileName();

    std::optional<Bitmap> achievement;
    if (mantlingShown_) {
        achievement = ReadBmp(sources.achievementPath);
        // Without it the shield stands in, still on the scroll.
        if (!achievement) messages_.Show(text::kUnableToLoadAchievement);
    }
    if (achievement) {
        source_ = compose::AchievementSaveSource(*achievement);
    } else {
        source_ = sources.picture;
        compose::WhitenCornersBelowBase(source_);
    }
    // Until a layout is chosen the output is the plain copy. The achievement is saved as it
    // shows, standing on its own scroll with the surname: the layouts are the shield's alone.
    // Without its picture the shield stands in, on the scroll.
    output_ = source_;
    achievementSaved_ = achievement.has_value();
    layout_ = mantlingShown_ ? compose::SaveLayout::NameBelowWithScroll : compose::SaveLayout::NoName;
    if (mantlingShown_ && !achievementSaved_) RadioButtonClick(layout_);
    preview_ = compose::PreviewOf(mantlingShown_ ? output_ : source_, kPreviewWidth, kPreviewHeight);
}

bool SavePictureDialog::LayoutEnabled(compose::SaveLayout layout) const {
    return !mantlingShown_ || layout == compose::SaveLayout::NameBelowWithScroll;
}

void SavePictureDialog::RadioButtonClick(compose::SaveLayout layout) {
    if (!LayoutEnabled(layout) || achievementSaved_) return;
    layout_ = layout;
    compose::TextResult name;
    output_ = compose::ComposeSaveLayout(source_, layout, surname_, text_, scroll_, &name);
    preview_ = compose::PreviewOf(output_, kPreviewWidth, kPreviewHeight);
}

void SavePictureDialog::SetFolder(std::string folder) {
    folder_ = std::move(folder);
    ChooseFileName();
}

void SavePictureDialog::SetFormat(compose::PictureFormat format) {
    format_ = format;
    ChooseFileName();
}

void SavePictureDialog::ChooseFileName() { fileName_ = compose::ChooseSaveFileName(folder_, surname_, format_); }

std::string SavePictureDialog::FileNameLabel() const {
    if (fileName_) return *fileName_;
    return "(all hundred names taken)";
}

std::optional<std::string> SavePictureDialog::OKBtnClick() {
    // Chosen again: a file may have appeared since the dialog opened, and none is overwritten.
    ChooseFileName();
    const std::string prefix = compose::SafeNamePrefix(surname_);
    if (!fileName_) {
        messages_.Show("All hundred names from " + compose::SaveFileName(prefix, 0, format_) + " to " +
                       compose::SaveFileName(prefix, compose::kMaxSaveNumber, format_) + " are taken in '" + folder_ +
                       "'. Nothing was saved: choose another folder.");
        return std::nullopt;
    }
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    const std::string path = (folder_.empty() || folder_.back() == '/' ? folder_ : folder_ + "/") + *fileName_;
    if (const WriteResult written = WritePicture(output_, path); !written) {
        messages_.Show("Could not save the picture '" + path + "': " + written.error + ". Nothing was saved.");
        return std::nullopt;
    }
    ChooseFileName();  // the next save takes the next number
    return path;
}

void SavePictureDialog::CancelBtnClick() {}

}  // namespace esc::app
