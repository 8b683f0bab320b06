// The handlers of the blazon database: record changes, the word search, lookup, Add, the
// origin filters, the import of a user file and the database form.

#include <algorithm>
#include <optional>
#include <string>

#include "database/BlazonSchema.h"
#include "database/ImportFile.h"
#include "shell/app/WindowController.h"

namespace esc::app {

void WindowController::ShowCurrentRecord() {
    view_.SetSurname(database_ ? database_->Surname() : std::string());
    view_.SetBlazonText(database_ ? database_->Blazon() : std::string());
}

void WindowController::DataSource1DataChange() {
    if (!state_.autoDraw) return;
    ShowCurrentRecord();
    DrawCurrent();
}

void WindowController::Search(Trigger trigger) {
    autoDisplay_.BeginStep();
    if (trigger == Trigger::Button) StopAutoDisplay();
    if (!database_) return;
    db::Table& table = database_->Main();
    const std::string words = view_.SearchText();
    const std::string filterBefore = database_->SearchText();
    const db::Record* current = table.Current();
    const std::optional<long long> rowidBefore = current ? std::optional<long long>(current->rowid) : std::nullopt;
    const int directionBefore = state_.searchDirection;
    state_.autoDraw = false;
    const bool turned = database_->Search(words, state_.searchDirection);
    if (!words.empty() && table.RecordCount() == 0) {
        // Nothing holds the words: the filter, the entry and the boxes stay as they were, and
        // the user is told which words were not found instead of seeing an empty entry drawn.
        table.DisableControls();
        database_->SetSearchText(filterBefore);
        if (rowidBefore) db::BlazonDatabase::GoToRowid(table, *rowidBefore);
        table.EnableControls();
        state_.searchDirection = directionBefore;
        state_.autoDraw = true;
        if (trigger == Trigger::Timer) SetAuto(false);
        messages_.Show(std::string(text::kNoMatchBefore) + words + text::kNoMatchAfter);
        return;
    }
    if (turned) view_.ShowSearchDirection(state_.searchDirection);
    ShowCurrentRecord();
    DrawCurrent();
    state_.autoDraw = true;
}

void WindowController::SearchTextCleared() {
    if (!database_ || database_->SearchText().empty()) return;
    db::Table& table = database_->Main();
    table.DisableControls();  // the entry shown stays shown: nothing to draw again
    database_->SetSearchText("");
    table.EnableControls();
}

void WindowController::SearchbtnClick() { Search(Trigger::Button); }

void WindowController::SearchUpClick() {
    state_.searchDirection = -1;
    view_.ShowSearchDirection(-1);
}

void WindowController::SearchDownClick() {
    state_.searchDirection = 1;
    view_.ShowSearchDirection(1);
}

void WindowController::LookUpBtnClick() {
    BuilderMode(std::nullopt);
    StopAutoDisplay();
    drawing_->marshallingMode = false;
    const std::string surname = view_.Surname();
    if (surname.empty()) {
        messages_.Show(text::kNoSurname);
        return;
    }
    if (database_) database_->LookUp(surname);
}

void WindowController::AddBtnClick() {
    StopAutoDisplay();
    const std::string blazon = view_.BlazonText();
    if (blazon.empty()) {
        messages_.Show(text::kNoBlazon);
        return;
    }
    if (view_.Surname().empty()) view_.SetSurname(text::kUnknown);
    if (!view_.AskYesNo(text::kAddTitle, text::kAddQuestion)) return;
    if (!database_) {
        messages_.Show("There is no blazon database to add the entry to.");
        return;
    }
    std::string error;
    if (!database_->Add(view_.Surname(), blazon, &error)) messages_.Show(error);
}

void WindowController::ChooseOrigin(db::OriginFilter filter) {
    view_.ShowOriginFilter(filter);
    view_.SetSearchText("");
    if (database_) database_->SetOriginFilter(filter);
}

void WindowController::Userfile1Click() {
    TakeScreenSnapshot();
    if (!view_.ConfirmImport()) return;
    const auto path = view_.ChooseImportFile();
    if (!path) return;
    std::string error;
    const auto file = db::ReadImportFile(*path, &error);
    if (!file) {
        messages_.Show(error);
        return;
    }
    if (!database_) {
        messages_.Show("There is no blazon database to import into.");
        return;
    }
    if (!database_->Import(file->entries, &error)) {
        messages_.Show("Nothing was imported: " + error + "\nThe blazon database is as it was before.");
        return;
    }
    const auto pastReading = std::count_if(file->entries.begin(), file->entries.end(),
                                           [](const db::ImportEntry& e) { return IsCutToBlazonBuffer(e.blazon); });
    messages_.Inform(db::DescribeImport(*file, *path, static_cast<int>(pastReading)));
    if (!file->entries.empty()) DataSource1DataChange();
}

void WindowController::Database1Click() {
    StopAutoDisplay();
    TakeScreenSnapshot();
    if (!database_) {
        messages_.Show("There is no blazon database to show.");
        return;
    }
    // The browser shows the entries whose blazon holds the words in the search box, whether or
    // not a search has run with them yet.
    database_->SetSearchText(view_.SearchText());
    std::string error;
    db::Table* browser = database_->Browser(&error);
    if (!browser) {
        messages_.Show(error);
        return;
    }
    browser->Refresh();
    if (const db::Record* current = database_->Main().Current()) db::BlazonDatabase::GoToRowid(*browser, current->rowid);
    const auto rowid = view_.BrowseDatabase(*database_);
    // The form may have changed entries: the main view is read again, goes to the form's last
    // record and draws it.
    db::Table& table = database_->Main();
    table.DisableControls();
    table.Refresh();
    if (rowid) db::BlazonDatabase::GoToRowid(table, *rowid);
    table.EnableControls();
    DataSource1DataChange();
}

}  // namespace esc::app
