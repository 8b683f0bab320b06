#pragma once
// The window's parts with no widgets behind them, for running the window's handlers where there
// is no screen (tests, benchmarks): a view that keeps the surname and blazon boxes' text and
// answers every question with "no", text that is never set, and a timer that never fires. A
// caller that wants to look at one part derives from the view and overrides that part.

#include <optional>
#include <string>

#include "shell/app/AutoDisplay.h"
#include "shell/app/WindowView.h"

namespace esc::app {

class HeadlessView : public WindowView {
public:
    std::string Surname() const override { return surname_; }
    void SetSurname(const std::string& text) override { surname_ = text; }
    std::string BlazonText() const override { return blazon_; }
    void SetBlazonText(const std::string& text) override { blazon_ = text; }
    std::string SearchText() const override { return {}; }
    void SetSearchText(const std::string&) override {}
    void FocusSurname() override {}
    void ShowSearchDirection(int) override {}
    void SetAutoCaption(bool) override {}
    void EnableControlsForAutoDisplay(bool) override {}
    void EnablePictureCommands() override {}
    void ShowOriginFilter(db::OriginFilter) override {}
    void PictureChanged() override {}
    void BeginWait() override {}
    void EndWait() override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    bool ConfirmImport() override { return false; }
    std::optional<std::string> ChooseImportFile() override { return std::nullopt; }
    std::optional<int> AskTimerSeconds(int) override { return std::nullopt; }
    std::optional<long long> BrowseDatabase(db::BlazonDatabase&) override { return std::nullopt; }
    std::optional<std::string> ChoosePicture() override { return std::nullopt; }
    void ViewPicture(const Bitmap&, const std::string&) override {}
    void ShowReadme(const std::string&) override {}
    void ShowAbout() override {}
    void ShowHelp(const std::string&) override {}
    void CloseWindow() override {}

private:
    std::string surname_, blazon_;
};

class NoText final : public TextPainter {
public:
    void DrawCentredText(Bitmap&, const std::string&, int, int) override {}
};

class StoppedTimer final : public Timer {
public:
    void Start(int) override {}
    void Stop() override {}
    bool Active() const override { return false; }
};

}  // namespace esc::app
