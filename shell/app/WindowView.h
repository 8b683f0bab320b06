#pragma once
// What the window's handlers need of the widgets: the boxes, captions, enabled states, the
// timers and the dialogs. The window implements it; the handlers themselves live in
// WindowController and never see a widget.

#include <optional>
#include <string>

#include "database/BlazonDatabase.h"
#include "engine/Bitmap.h"
#include "shell/app/AutoDisplay.h"
#include "interpret/marshal/Marshalling.h"
#include "shell/compose/PrintPage.h"

namespace esc::app {

class SavePictureDialog;

// The printable area of the printer chosen in the print dialog, in its device pixels.
struct PrinterPage {
    int width = 0, height = 0;
    double dpi = 0;
};

class WindowView {
public:
    virtual ~WindowView() = default;

    // The surname box NameBox1, the blazon box Memo1 and the search box Edit2.
    virtual std::string Surname() const = 0;
    virtual void SetSurname(const std::string& text) = 0;
    virtual std::string BlazonText() const = 0;
    virtual void SetBlazonText(const std::string& text) = 0;
    virtual std::string SearchText() const = 0;
    virtual void SetSearchText(const std::string& text) = 0;
    virtual void FocusSurname() = 0;

    // The radio buttons "Forward" (+1) and "Backward" (-1).
    virtual void ShowSearchDirection(int direction) = 0;
    // The caption of AutoBtn: "On" or "Off".
    virtual void SetAutoCaption(bool on) = 0;
    // Whether the auto display runs, is paused (and by what it resumes) or is off, shown in the
    // window whenever it changes.
    virtual void ShowAutoDisplayState(AutoDisplay::State /*state*/) {}
    // SpeedBar, Panel4, the boxes, Panel3 and the menus File, Edit, Options and Help.
    virtual void EnableControlsForAutoDisplay(bool enabled) = 0;
    // The mantling button, "Show mantling", "Save picture", "Print..." and their buttons.
    virtual void EnablePictureCommands() = 0;
    // The mantling button and the menu entry: "Show mantling" with the mantling glyph in the
    // normal view, "Show shield" with the shield glyph while the achievement is shown.
    virtual void ShowMantlingState(bool /*achievementShown*/) {}
    // The checked entry of the Database submenu.
    virtual void ShowOriginFilter(db::OriginFilter filter) = 0;

    // The builder of marshalled arms: the check marks of "Quarter arms" and "Impale arms" and
    // the builder panel Panel2 with the blazon box and its group box moved right to make room
    // (none: both unchecked, the panel hidden, the boxes back in place); "3rd" and "4th" only
    // for quartered arms.
    virtual void ShowBuilder(std::optional<MarshallingKind> /*kind*/) {}
    // The check marks alone, while a marshalled text is drawn.
    virtual void CheckBuilderEntry(std::optional<MarshallingKind> /*kind*/) {}
    // The builder's "Show" button.
    virtual void EnableShowButton(bool /*enabled*/) {}

    // The status bar: the note on the last drawing (what it could not read, its time).
    virtual void ShowDrawingNote(const std::string& /*note*/) {}
    // The picture area changed: repaint it.
    virtual void PictureChanged() = 0;
    // Device pixels to a pixel of the design where the picture is shown (2 on a display scaled
    // by 2): above 1 the shield is also drawn that much finer.
    virtual double DevicePixelRatio() const { return 1.0; }
    virtual void BeginWait() = 0;
    virtual void EndWait() = 0;

    // Dialogs. Each returns what the user chose; nullopt or false when cancelled.
    virtual bool AskYesNo(const std::string& title, const std::string& text) = 0;
    virtual bool ConfirmImport() = 0;                                // "Import User Escaval"
    virtual std::optional<std::string> ChooseImportFile() = 0;       // "Import User Blazon file"
    virtual std::optional<int> AskTimerSeconds(int seconds) = 0;     // "Set timer"
    virtual std::optional<long long> BrowseDatabase(db::BlazonDatabase& database) = 0;  // rowid shown last
    virtual std::optional<std::string> ChoosePicture() = 0;          // "Open a file"
    virtual void ViewPicture(const Bitmap& picture, const std::string& caption) = 0;
    virtual void ShowReadme(const std::string& html) = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowHelp(const std::string& path) = 0;
    // TSaveDlg ("Save picture"), modal, showing and driving `dialog`.
    virtual void ShowSaveDialog(SavePictureDialog& /*dialog*/) {}
    // The print dialog: the page of the printer chosen, nullopt when cancelled. PrintPage then
    // sends a composed page to that printer and returns why it could not (empty: printed).
    virtual std::optional<PrinterPage> ChoosePrinter() { return std::nullopt; }
    // The page's surname, when it has one, is set on it as text in the blackletter face.
    virtual std::string PrintPage(const compose::PrintedPage& /*page*/) { return "no printer"; }
    virtual void CloseWindow() = 0;
};

// Text painted into bitmaps in the window's fonts.
class TextPainter {
public:
    virtual ~TextPainter() = default;
    // Writes `text` centred across the bitmap with its top at y, in the default font at
    // `points` points, black on a transparent background.
    virtual void DrawCentredText(Bitmap& bitmap, const std::string& text, int y, int points) = 0;
};

}  // namespace esc::app
