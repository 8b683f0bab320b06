#pragma once
// The main window "ESCAVAL! 95": the widgets of the 1036 by 768 design, wired to the handlers
// of WindowController. The window implements WindowView, through which the handlers reach the
// boxes, captions and dialogs.

#include <QMainWindow>
#include <QRect>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "engine/MessageSink.h"
#include "shell/app/AppPaths.h"
#include "shell/app/WindowController.h"
#include "shell/app/WindowView.h"
#include "shell/qt/YesNoAsker.h"

class QAction;
class QActionGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;
class QPrinter;

namespace esc::qt {

class PictureWidget;
class ArrangementView;
class SetTimerForm;
class DatabaseForm;
class ImportDialog;
class ReadmeForm;
class AboutBox;
class HelpViewer;
class ViewForm;
class SaveDialog;
class StatusNote;

struct WindowOptions {
    app::AppPaths paths;
    MessageSink* messages = nullptr;      // null: message boxes
    YesNoAsker* asker = nullptr;          // null: message boxes with Yes and No
    std::optional<unsigned> seed;         // the random start entry; null: from the time
    bool firstRunPicture = true;          // Timer2 shows "first.bmp" one second after start
};

class MainWindow final : public QMainWindow, public app::WindowView {
public:
    explicit MainWindow(WindowOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;

    app::WindowController& Controller() { return *controller_; }
    PictureWidget* Picture() const { return picture_; }
    ArrangementView* Arrangement() const { return arrangement_; }

    // Controls the tests and the screenshots reach by name.
    QLineEdit* NameBox() const { return nameBox1_; }
    QPlainTextEdit* Memo() const { return memo1_; }
    QLineEdit* SearchBox() const { return edit2_; }
    QPushButton* Button(const char* objectName) const;
    QToolButton* GlyphButton(const char* objectName) const;
    QAction* Action(const char* objectName) const;
    QRadioButton* ForwardButton() const { return searchDown_; }
    QRadioButton* BackwardButton() const { return searchUp_; }
    QTimer& Timer1() { return timer1_; }

    // WindowView.
    std::string Surname() const override;
    void SetSurname(const std::string& text) override;
    std::string BlazonText() const override;
    void SetBlazonText(const std::string& text) override;
    std::string SearchText() const override;
    void SetSearchText(const std::string& text) override;
    void FocusSurname() override;
    void ShowSearchDirection(int direction) override;
    void SetAutoCaption(bool on) override;
    void ShowAutoDisplayState(app::AutoDisplay::State state) override;
    QLabel* AutoDisplayState() const { return autoState_; }
    void EnableControlsForAutoDisplay(bool enabled) override;
    void EnablePictureCommands() override;
    void ShowMantlingState(bool achievementShown) override;
    void ShowBuilder(std::optional<MarshallingKind> kind) override;
    void CheckBuilderEntry(std::optional<MarshallingKind> kind) override;
    void EnableShowButton(bool enabled) override;
    void ShowOriginFilter(db::OriginFilter filter) override;
    void PictureChanged() override;
    double DevicePixelRatio() const override;
    void ShowDrawingNote(const std::string& note) override;
    void BeginWait() override;
    void EndWait() override;
    bool AskYesNo(const std::string& title, const std::string& text) override;
    bool ConfirmImport() override;
    std::optional<std::string> ChooseImportFile() override;
    std::optional<int> AskTimerSeconds(int seconds) override;
    std::optional<long long> BrowseDatabase(db::BlazonDatabase& database) override;
    std::optional<std::string> ChoosePicture() override;
    void ViewPicture(const Bitmap& picture, const std::string& caption) override;
    void ShowReadme(const std::string& html) override;
    void ShowAbout() override;
    void ShowHelp(const std::string& path) override;
    void CloseWindow() override;
    void ShowSaveDialog(app::SavePictureDialog& dialog) override;
    std::optional<app::PrinterPage> ChoosePrinter() override;
    std::string PrintPage(const compose::PrintedPage& page) override;
    // The printable area of `printer` and a composed page sent to it (MainWindow_Print.cpp);
    // PrintComposedPage returns why it failed, empty when printed.
    static app::PrinterPage PrinterPageOf(QPrinter& printer);
    static std::string PrintComposedPage(QPrinter& printer, const compose::PrintedPage& page);
    SaveDialog* SaveForm() const { return saveDialog_; }
    StatusNote* Note() const { return statusNote_; }

    // The forms, made on first use and kept for the run.
    SetTimerForm& TimerForm();
    DatabaseForm& DbForm();
    ImportDialog& ImportForm();
    ReadmeForm& Readme();
    AboutBox& About();
    HelpViewer& Help();
    ViewForm& Viewer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Timer;
    class MessageBoxes;
    class QuestionBoxes;

    // MainWindow.cpp: the control panel and the picture area.
    void BuildPanel();
    void BuildSearchPanel();
    void Place(QWidget* widget, int x, int y, int w, int h);
    // Moves a placed widget to (x, w) along its row, keeping its place in the layout.
    void MoveAlong(QWidget* widget, int x, int w);
    void LayOut();
    QToolButton* MakeGlyphButton(QWidget* parent, const char* name, const char* hint, const char* glyph,
                                 const char* fallback, int x, int w);
    // MainWindow_Menus.cpp.
    void BuildMenus();
    QAction* AddAction(QMenu* menu, const char* name, const QString& caption, void (app::WindowController::*handler)());
    // MainWindow_Events.cpp.
    void WireEvents();
    void FocusChanged(QWidget* old, QWidget* now);
    void ShowBlazonCount();
    void SetTabOrder();

    WindowOptions options_;
    SaveDialog* saveDialog_ = nullptr;     // TSaveDlg, made at its first opening
    std::unique_ptr<QPrinter> printer_;    // the printer chosen last
    std::unique_ptr<MessageBoxes> messageBoxes_;
    MessageSink* messages_ = nullptr;
    std::unique_ptr<QuestionBoxes> questionBoxes_;
    YesNoAsker* asker_ = nullptr;
    std::unique_ptr<app::TextPainter> textPainter_;
    QTimer timer1_;
    QTimer timer2_;
    std::unique_ptr<Timer> timerAdapter_;
    std::unique_ptr<app::WindowController> controller_;

    QWidget* canvas_ = nullptr;
    QFrame* panel1_ = nullptr;
    QGroupBox* groupBox1_ = nullptr;
    QGroupBox* groupBox2_ = nullptr;
    QFrame* panel2_ = nullptr;
    QFrame* panel3_ = nullptr;
    QFrame* panel4_ = nullptr;
    QFrame* speedBar_ = nullptr;
    QLineEdit* nameBox1_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QRadioButton* searchDown_ = nullptr;
    QRadioButton* searchUp_ = nullptr;
    QToolButton* autoBtn_ = nullptr;
    QFrame* bevel1_ = nullptr;
    QFrame* bevel2_ = nullptr;
    PictureWidget* picture_ = nullptr;
    ArrangementView* arrangement_ = nullptr;  // the arrangement editor's handles, popup and keys
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* optionsMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* goMenu_ = nullptr;             // Draw, Search and the record steps with their keys
    QLabel* blazonCount_ = nullptr;       // the blazon's characters against what a drawing reads
    StatusNote* statusNote_ = nullptr;    // the status bar's note on the last drawing
    QLabel* autoState_ = nullptr;         // the status bar's word on a paused auto display
    QActionGroup* originGroup_ = nullptr;
    std::vector<std::pair<QWidget*, QRect>> placed_;
    int waitDepth_ = 0;

    // Children of the window: Qt deletes them with it.
    SetTimerForm* timerForm_ = nullptr;
    DatabaseForm* dbForm_ = nullptr;
    ImportDialog* importForm_ = nullptr;
    ReadmeForm* readme_ = nullptr;
    AboutBox* about_ = nullptr;
    HelpViewer* help_ = nullptr;
    ViewForm* viewer_ = nullptr;
};

}  // namespace esc::qt
