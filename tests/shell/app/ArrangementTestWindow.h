#pragma once
// The window's handlers without widgets, drawing with the shipped data, for the arrangement
// editor's tests: a blazon drawn as Draw draws it, then arranged on Image1.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "shell/app/HeadlessWindow.h"
#include "shell/app/WindowController.h"

namespace esc::app::test {

class ArrangeView final : public HeadlessView {
public:
    std::optional<PrinterPage> printer;
    Bitmap printed;
    std::string printedName;  // the surname set on the page as text
    SavePictureDialog* saveDialog = nullptr;

    void ShowSaveDialog(SavePictureDialog& dialog) override { saveDialog = &dialog; }
    std::optional<PrinterPage> ChoosePrinter() override { return printer; }
    std::string PrintPage(const compose::PrintedPage& page) override {
        printed = page.page;
        printedName = page.nameText;
        return {};
    }
};

// The shipped data, read only; the user's folders of the test's own.
struct ArrangeWindow {
    std::filesystem::path root = std::filesystem::temp_directory_path() /
                                 ("escaval-arrange-" + std::to_string(::getpid()) + "-" +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    AppPaths paths{ESCAVAL_DATA_DIR, (root / "user").string(), (root / "cache").string()};
    ArrangeView view;
    CollectingSink messages;
    NoText text;
    StoppedTimer timer;
    std::optional<WindowController> controller;

    ArrangeWindow() {
        std::filesystem::remove_all(root);
        controller.emplace(paths, view, messages, text, timer, 1u);
    }
    ~ArrangeWindow() {
        controller.reset();
        std::filesystem::remove_all(root);
    }
    WindowController& c() { return *controller; }
    ArrangementEditor& editor() { return controller->Arrangement(); }
    void Draw(const std::string& surname, const std::string& blazon) {
        view.SetSurname(surname);
        view.SetBlazonText(blazon);
        controller->Memo1Enter();
        controller->DrawBtnClick();
    }
    // Drags the Move handle of the selected picture so that its top centre lands on (x, y).
    void MoveSelectedTo(int x, int y) {
        editor().HandleDown(Handle::Move);
        editor().HandleMove(Handle::Move, x, y);
        editor().HandleUp(Handle::Move, x, y);
    }
};

}  // namespace esc::app::test
