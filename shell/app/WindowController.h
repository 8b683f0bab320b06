#pragma once
// The main window's state and handlers, apart from its widgets. Each handler is named after the
// control and event that call it and runs to its end; the widgets reach the user through
// WindowView, and everything painted lands in the off-screen PictureArea.

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "database/BlazonDatabase.h"
#include "engine/MessageSink.h"
#include "engine/PictureCache.h"
#include "interpret/BlazonReach.h"
#include "interpret/phrase/DrawingState.h"
#include "interpret/read/Vocabulary.h"
#include "shell/app/AppPaths.h"
#include "shell/app/ArrangementEditor.h"
#include "shell/app/AutoDisplay.h"
#include "shell/app/DrawingNote.h"
#include "shell/app/ImageList.h"
#include "shell/app/PictureArea.h"
#include "shell/app/SavePictureDialog.h"
#include "shell/app/WindowDrawHost.h"
#include "shell/app/WindowState.h"
#include "shell/app/WindowView.h"
#include "shell/compose/Achievement.h"
#include "shell/compose/TextPainter.h"

namespace esc::app {

// The fixed texts of the window.
namespace text {
inline constexpr const char* kNoSurname = "No surname entered!";
inline constexpr const char* kNoBlazon = "No blazon entered!";
inline constexpr const char* kAddTitle = "Add";
inline constexpr const char* kAddQuestion = "Add this blazon to database?";
inline constexpr const char* kUnknown = "Unknown";
inline constexpr const char* kVersionLine = "version 2.0";
inline constexpr const char* kScreenSnapshot = "screen.bmp";
inline constexpr const char* kNoMatchBefore = "No blazon holds \"";
inline constexpr const char* kNoMatchAfter = "\": the search is left as it was.";
}  // namespace text

// The glyphs of the window's buttons and its icon. A missing one leaves its button with a text
// caption; one that is there but cannot be read whole is said at start.
inline constexpr const char* kWindowGlyphFiles[] = {"icon.bmp",      "auto.bmp",     "man_btn.bmp",   "shield2.bmp",
                                                    "print.bmp",     "save.bmp",     "nav_first.bmp", "nav_prev.bmp",
                                                    "nav_next.bmp",  "nav_last.bmp"};

class WindowController {
public:
    // Start-up of the window (FormCreate): opens the vocabulary and the user's blazon database,
    // clears the picture, moves to a random entry (chosen with `seed`, or the time) and fills the
    // boxes. Nothing is drawn. What went wrong is kept for ShowStartupNotes.
    WindowController(AppPaths paths, WindowView& view, MessageSink& messages, TextPainter& text, Timer& timer1,
                     std::optional<unsigned> seed = std::nullopt);
    ~WindowController();
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;

    // Shows the messages of start-up (a database set aside, a missing vocabulary ...).
    void ShowStartupNotes();
    // What of a text in the blazon box a drawing reads, for the count beside the box: Draw
    // refuses a text not read whole.
    [[nodiscard]] BlazonBound BlazonBoxBound(const std::string& blazon) const;

    // The control panel.
    void DrawBtnClick();
    void NewBtnClick();
    void EditBtnClick();
    void LookUpBtnClick();
    void AddBtnClick();
    void TopBtnClick();
    void PrevBtnClick();
    void NextBtnClick();
    void BottomBtnClick();
    void AutoBtnClick();
    void SearchbtnClick();
    void SearchUpClick();
    void SearchDownClick();
    // The search box was emptied: the search filter goes, the entry shown stays.
    void SearchTextCleared();
    void Panel1Enter();
    void Memo1Enter();
    void FormKeyPress(char key);

    // Timers: Timer1 steps the auto display, Timer2 shows the first-run picture once.
    void Timer1Timer();
    void Timer2Timer();

    // The record of the main view changed (DataSource1DataChange).
    void DataSource1DataChange();

    // The builders of marshalled arms: the menu check items and the panel's buttons "1st",
    // "2nd", "3rd", "4th" and "Show".
    void Quarterarms1Click();
    void Impalearms1Click();
    void Button1Click() { BuildFromBox(0); }
    void Button2Click() { BuildFromBox(1); }
    void Button3Click() { BuildFromBox(2); }
    void Button4Click() { BuildFromBox(3); }
    void Button5Click();
    // Enters the builder of `kind`, or leaves it when it is open; none leaves whichever is open.
    void BuilderMode(std::optional<MarshallingKind> kind);

    // Menus.
    void Userfile1Click();
    void Open1Click();
    void Exit1Click();
    void Database1Click();
    void SetAutotimer1Click();
    void Original2Click() { ChooseOrigin(db::OriginFilter::Original); }
    void Useradded2Click() { ChooseOrigin(db::OriginFilter::UserAdded); }
    void Combined2Click() { ChooseOrigin(db::OriginFilter::Combined); }
    void Contents1Click();
    void readerClick();
    void About1Click();
    void FileOpenBtnClick();
    void PrintBtnClick();
    void SaveButtonClick();
    void Save1Click() { SaveButtonClick(); }

    // Operations the other parts of the window call.
    void StopAutoDisplay();
    void TakeScreenSnapshot();
    void RestoreScreenSnapshot();
    void DrawSupporters();

    const PictureArea& Picture() const { return area_; }
    // Image1's canvas, as the arrangement editor changes it.
    Bitmap& Image1Canvas() { return area_.Image1Canvas(); }
    // The arrangement editor over Image1; it receives the pictures of every drawing.
    ArrangementEditor& Arrangement() { return arrangement_; }
    const WindowState& State() const { return state_; }
    const AutoDisplay& Auto() const { return autoDisplay_; }
    db::BlazonDatabase* Database() { return database_ ? &*database_ : nullptr; }
    const AppPaths& Paths() const { return paths_; }
    DrawingState& Drawing() { return *drawing_; }

private:
    enum class Trigger { Button, Timer };
    void Search(Trigger trigger);
    void DrawCurrent();
    // The shield just drawn, drawn again at the display's device pixel ratio for the view.
    void DrawFinePicture();
    void ShowCurrentRecord();
    void ChooseOrigin(db::OriginFilter filter);
    void SetAuto(bool on);
    void BuildFromBox(int part);
    bool AllPartsBuilt(MarshallingKind kind) const;
    void ForgetBuiltParts();
    // A blazon longer than the blazon box holds is refused with the one message, whatever road
    // it takes (typed, a record, a builder's part or its combined text). Returns whether it was.
    bool RefusedAsTooLong(const std::string& blazon);
    void ShowAchievement();
    void HideAchievement();
    // The shield for a printed page at `scale`: the blazon drawn again that much finer when the
    // window shows its own drawing, else the picture as shown (the user told it is enlarged).
    Bitmap PrintedShield(double scale);

    AppPaths paths_;
    WindowView& view_;
    MessageSink& messages_;
    TextPainter& text_;
    DrawingNote note_;  // before the drawing state and the host, which report through it
    WindowState state_;
    AutoDisplay autoDisplay_;
    PictureArea area_;
    ArrangementEditor arrangement_{area_.Image1Canvas(), [this] { area_.Touch(); }};
    ImageList scrollList_{460, 95};
    std::optional<Vocabulary> vocabulary_;
    PictureCache pictures_;  // before the drawing state, which points at it
    std::unique_ptr<DrawingState> drawing_;
    std::optional<db::BlazonDatabase> database_;
    WindowDrawHost host_;
    std::mt19937 random_;
    std::vector<std::string> startupNotes_;
    std::unique_ptr<SavePictureDialog> saveDialog_;  // made at its first opening
    std::unique_ptr<compose::TextPainter> scrollText_;  // the surname's face, found at the first show
    // What the achievement shown took from the arms (its mantle's tinctures), for printing it.
    compose::AchievementInputs shownTinctures_;
};

}  // namespace esc::app
