#include "shell/app/WindowController.h"

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "database/BlazonSchema.h"
#include "database/UserDatabase.h"
#include "engine/Messages.h"
#include "engine/ReadFileBytes.h"
#include "interpret/DrawingDriver.h"
#include "shell/app/RtfReader.h"

namespace esc::app {

namespace {

// "Cannot read the picture 'NAME'." for a missing picture; with what is wrong for one that is
// there and cannot be read whole.
std::string CannotReadPicture(const std::string& path, const std::string& name, const std::string& why) {
    std::error_code ec;
    if (why.empty() || !std::filesystem::exists(path, ec)) return "Cannot read the picture '" + name + "'.";
    return "Cannot read the picture '" + name + "': " + why + ".";
}

}  // namespace

namespace {

constexpr Rgb kLime{0, 255, 0};
constexpr int kVersionLineY = 350;
constexpr int kVersionLinePoints = 12;

unsigned TimeSeed() { return static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()); }

}  // namespace

WindowController::WindowController(AppPaths paths, WindowView& view, MessageSink& messages, TextPainter& text,
                                   Timer& timer1, std::optional<unsigned> seed)
    : paths_(std::move(paths)),
      view_(view),
      messages_(messages),
      text_(text),
      note_(messages),
      autoDisplay_(timer1),
      drawing_(std::make_unique<DrawingState>(note_.Sink())),
      host_(state_, area_, autoDisplay_, view_, note_.Sink(), paths_.dataDir),
      random_(seed.value_or(TimeSeed())) {
    state_.mantlingShown = false;
    // A missing scroll is not reported; one that is there and cannot be read whole is.
    if (std::string damage; !scrollList_.Load(paths_.DataFile("scroll3.bmp"), kLime, &damage) && !damage.empty())
        startupNotes_.push_back("Cannot read the picture 'scroll3.bmp': " + damage + ".");
    if (!paths_.dataDir.empty()) {
        for (const char* name : kWindowGlyphFiles) {
            const std::string path = paths_.DataFile(name);
            std::error_code ec;
            if (!std::filesystem::exists(path, ec)) continue;
            if (std::string why; !ReadBmp(path, &why)) startupNotes_.push_back(CannotReadPicture(path, name, why));
        }
    }

    std::string error;
    if (paths_.dataDir.empty()) {
        startupNotes_.emplace_back("Cannot find the program's data folder (words1.db): blazons cannot be read.");
    } else {
        vocabulary_ = Vocabulary::Load(paths_.DataFile("words1.db"), &error);
        if (!vocabulary_) startupNotes_.push_back(error);
    }
    drawing_->vocabulary = vocabulary_ ? &*vocabulary_ : nullptr;
    drawing_->dataDir = paths_.dataDir;
    drawing_->pictureCache = &pictures_;
    drawing_->imageLeft = kImage1Rect.left;
    drawing_->imageTop = kImage1Rect.top;
    host_.SetPictureBitmap(&drawing_->picture);
    drawing_->layerSink = &arrangement_;
    host_.SetArrangement(&arrangement_);
    area_.PaintBackdrop(Backdrop::Picture, drawing_->picture, paths_.dataDir, messages_);

    const db::UserDatabase user = db::PrepareUserDatabase(paths_.DataFile(db::kBlazonFileName), paths_.userDataDir);
    startupNotes_.insert(startupNotes_.end(), user.notes.begin(), user.notes.end());
    if (!user.path.empty()) {
        database_ = db::BlazonDatabase::Open(user.path, user.readOnly ? db::OpenMode::ReadOnly : db::OpenMode::ReadWrite, &error);
        if (!database_) startupNotes_.push_back(error);
    }
    host_.SetDatabase(Database());

    if (database_) {
        db::Table& table = database_->Main();
        table.OnDataChange([this] { DataSource1DataChange(); });
        const int n = table.RecordCount();
        const int r = n == 0 ? 0 : static_cast<int>(random_() % static_cast<unsigned>(n));
        table.First();
        table.MoveBy(r);
        view_.SetSurname(database_->Surname());
        view_.SetBlazonText(database_->Blazon());
    }
    state_.autoDraw = true;
}

WindowController::~WindowController() {
    if (database_) database_->Main().OnDataChange(nullptr);
}

void WindowController::ShowStartupNotes() {
    std::vector<std::string> notes;
    notes.swap(startupNotes_);
    for (const std::string& note : notes) messages_.Show(note);
}

void WindowController::DrawCurrent() {
    // The auto display never waits on a message box: its drawings' messages go into the note.
    note_.Begin(*drawing_, autoDisplay_.On() ? DrawingNote::Messages::KeptInTheNote : DrawingNote::Messages::Shown);
    DrawCurrentBlazon(*drawing_, host_);
    view_.ShowDrawingNote(note_.End(*drawing_));
    DrawFinePicture();
}

void WindowController::DrawFinePicture() {
    const double ratio = std::min(view_.DevicePixelRatio(), kMaxPaintScale);
    if (!(ratio > 1.0)) {
        area_.DropFineImage1();
        return;
    }
    // Its messages were told, or kept in the note, by the drawing shown.
    NullSink quiet;
    auto fine = std::make_unique<DrawingState>(quiet);
    fine->vocabulary = drawing_->vocabulary;
    fine->dataDir = drawing_->dataDir;
    fine->pictureCache = &pictures_;
    fine->SetPaintScale(ratio);
    DrawHost plain;
    DrawBlazon(*fine, host_.FetchBlazon(), plain);
    // A drawing not made at the display's scale is not shown finer.
    if (fine->PaintScale() != ratio) {
        area_.DropFineImage1();
        return;
    }
    area_.ShowFineImage1(fine->picture, ratio);
}

bool WindowController::RefusedAsTooLong(const std::string& blazon) {
    // Marshalled texts too: the box holds no more than a drawing reads whole, and a combined
    // text that could not be typed back in is no text the window should draw.
    const std::string past = PastTheBoundMessage(blazon, PastTheBound::Refused);
    if (past.empty()) return false;
    messages_.Show(past);
    return true;
}

BlazonBound WindowController::BlazonBoxBound(const std::string& blazon) const { return BoundOf(blazon); }

void WindowController::StopAutoDisplay() {
    autoDisplay_.Stop();
    view_.ShowAutoDisplayState(autoDisplay_.Current());
}

void WindowController::SetAuto(bool on) {
    if (on) autoDisplay_.SwitchOn(); else autoDisplay_.SwitchOff();
    view_.SetAutoCaption(on);
    view_.ShowAutoDisplayState(autoDisplay_.Current());
    view_.EnableControlsForAutoDisplay(!on);
}

void WindowController::DrawBtnClick() {
    BuilderMode(std::nullopt);
    StopAutoDisplay();
    drawing_->marshallingMode = false;
    if (view_.BlazonText().empty()) return;
    const std::string blazon = host_.FetchBlazon();  // the box in text entry, else the entry's own
    // Rather than draw a cut text as if it were the whole, Draw asks for a shorter one.
    if (RefusedAsTooLong(blazon)) return;
    if (view_.Surname().empty()) view_.SetSurname(text::kUnknown);
    DrawCurrent();
}

void WindowController::NewBtnClick() {
    BuilderMode(std::nullopt);
    drawing_->marshallingMode = false;
    StopAutoDisplay();
    view_.SetSurname("");
    view_.SetBlazonText("");
    view_.FocusSurname();
    state_.textEntry = true;
}

void WindowController::EditBtnClick() {
    StopAutoDisplay();
    view_.FocusSurname();
    state_.textEntry = true;
}

void WindowController::TopBtnClick() {
    StopAutoDisplay();
    if (database_) database_->Main().First();
}

void WindowController::BottomBtnClick() {
    StopAutoDisplay();
    if (database_) database_->Main().Last();
}

void WindowController::PrevBtnClick() {
    if (database_) database_->Main().MoveBy(-1);
}

void WindowController::NextBtnClick() {
    if (database_) database_->Main().MoveBy(1);
}

void WindowController::AutoBtnClick() { SetAuto(!autoDisplay_.On()); }

void WindowController::Panel1Enter() {
    // The caption and the controls follow the mode together, so that a display stopped by
    // entering a box never leaves the controls greyed.
    if (autoDisplay_.On()) SetAuto(false); else StopAutoDisplay();
}

void WindowController::Memo1Enter() { state_.textEntry = true; }

void WindowController::FormKeyPress(char key) {
    if (key != ' ') return;
    autoDisplay_.Space();
    view_.ShowAutoDisplayState(autoDisplay_.Current());
}

void WindowController::Timer1Timer() {
    if (!autoDisplay_.TickShouldStep()) return;
    if (!view_.SearchText().empty()) {
        Search(Trigger::Timer);
        return;
    }
    if (!database_) return;
    db::Table& table = database_->Main();
    // The end test comes first; each is set only once a move past the end was tried.
    if (table.Eof()) {
        state_.searchDirection = -1;
        view_.ShowSearchDirection(-1);
    } else if (table.Bof()) {
        state_.searchDirection = 1;
        view_.ShowSearchDirection(1);
    }
    autoDisplay_.BeginStep();
    // The record change draws, and the drawing arms the timer again. A step that ran into the
    // end draws nothing, so the timer is armed here and the next tick turns.
    if (table.MoveBy(state_.searchDirection) == 0) autoDisplay_.AfterDrawing();
}

void WindowController::Timer2Timer() {
    const std::string firstPath = paths_.DataFile("first.bmp");
    std::string why;
    if (auto first = ReadBmp(firstPath, &why)) {
        text_.DrawCentredText(*first, text::kVersionLine, kVersionLineY, kVersionLinePoints);
        area_.DrawOnImage1(*first, 0, 0);
        arrangement_.BeginDrawing();  // the first-run picture has no charges to arrange
    } else {
        messages_.Show(CannotReadPicture(firstPath, "first.bmp", why));
    }
    // The supporters stand beside the first-run picture, and beside the first shield when the
    // picture is missing.
    area_.PaintBackdrop(Backdrop::StripsAndSupporters, drawing_->picture, paths_.dataDir, messages_);
    view_.PictureChanged();
}

void WindowController::DrawSupporters() {
    area_.DrawSupporters(paths_.dataDir, messages_);
    view_.PictureChanged();
}

void WindowController::TakeScreenSnapshot() {
    std::error_code ec;
    std::filesystem::create_directories(paths_.cacheDir, ec);
    // A working file, replaced atomically so a snapshot read back is always whole. When it cannot
    // be written the snapshot is simply not kept, and an older one goes too: restoring it would
    // put back a picture from before.
    const std::string path = paths_.CacheFile(text::kScreenSnapshot);
    if (!WriteBmp(area_.Snapshot(), path) && std::filesystem::is_regular_file(path, ec)) std::filesystem::remove(path, ec);
}

void WindowController::RestoreScreenSnapshot() {
    if (auto snapshot = ReadBmp(paths_.CacheFile(text::kScreenSnapshot))) {
        area_.RestoreSnapshot(*snapshot);
        view_.PictureChanged();
    }
}

void WindowController::SetAutotimer1Click() {
    const bool wasOn = autoDisplay_.On();
    StopAutoDisplay();
    TakeScreenSnapshot();
    if (const auto seconds = view_.AskTimerSeconds(autoDisplay_.Seconds())) autoDisplay_.SetSeconds(*seconds);
    if (wasOn) autoDisplay_.SwitchOn();
    view_.ShowAutoDisplayState(autoDisplay_.Current());
}

void WindowController::Open1Click() {
    StopAutoDisplay();
    TakeScreenSnapshot();
    const auto path = view_.ChoosePicture();
    if (!path) return;
    const auto picture = ReadBmp(*path);
    if (!picture) {
        messages_.Show("Cannot read the picture '" + *path + "'.");
        return;
    }
    view_.ViewPicture(*picture, std::filesystem::path(*path).filename().string());
}

void WindowController::readerClick() {
    StopAutoDisplay();
    // A folder or a device where the readme should be is refused like a missing file.
    const FileBytes rtf = ReadFileBytes(paths_.DataFile("readme.rtf"), kMaxDocumentBytes);
    if (!rtf) {
        messages_.Show("Cannot open the file 'readme.rtf'.");
        return;
    }
    view_.ShowReadme(RtfToHtml(std::string_view(reinterpret_cast<const char*>(rtf.bytes->data()), rtf.bytes->size())));
    if (!state_.mantlingShown) DrawSupporters();
}

void WindowController::About1Click() {
    StopAutoDisplay();
    TakeScreenSnapshot();
    view_.ShowAbout();
    RestoreScreenSnapshot();
    if (!state_.mantlingShown) DrawSupporters();
}

void WindowController::Contents1Click() {
    state_.helpShown = true;
    const std::string help = paths_.DataFile("help.html");
    std::error_code ec;
    if (!std::filesystem::exists(help, ec)) {
        messages_.Show("Cannot open the help file 'help.html'.");
        return;
    }
    view_.ShowHelp(help);
}

void WindowController::Exit1Click() {
    StopAutoDisplay();
    std::error_code ec;
    std::filesystem::remove(paths_.CacheFile(text::kScreenSnapshot), ec);
    view_.CloseWindow();
}

}  // namespace esc::app
