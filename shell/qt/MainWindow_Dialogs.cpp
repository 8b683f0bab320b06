// The dialogs the handlers open: questions, file choosers and the secondary forms.

#include <QFileDialog>
#include <QSpinBox>

#include "shell/qt/DatabaseForm.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/PictureWidget.h"
#include "shell/qt/SimpleForms.h"
#include "shell/qt/WindowLayout.h"

namespace esc::qt {

SetTimerForm& MainWindow::TimerForm() {
    if (!timerForm_) timerForm_ = new SetTimerForm(this);
    return *timerForm_;
}

DatabaseForm& MainWindow::DbForm() {
    if (!dbForm_) dbForm_ = new DatabaseForm(this, *messages_, *asker_);
    return *dbForm_;
}

ImportDialog& MainWindow::ImportForm() {
    if (!importForm_) importForm_ = new ImportDialog(this);
    return *importForm_;
}

ReadmeForm& MainWindow::Readme() {
    if (!readme_) readme_ = new ReadmeForm(this);
    return *readme_;
}

AboutBox& MainWindow::About() {
    if (!about_) about_ = new AboutBox(this, options_.paths.dataDir);
    return *about_;
}

HelpViewer& MainWindow::Help() {
    if (!help_) help_ = new HelpViewer(this);
    return *help_;
}

ViewForm& MainWindow::Viewer() {
    if (!viewer_) viewer_ = new ViewForm(this);
    return *viewer_;
}

bool MainWindow::AskYesNo(const std::string& title, const std::string& text) {
    return asker_->AskYesNo(title, text, DefaultAnswer::Yes);
}

bool MainWindow::ConfirmImport() { return ImportForm().exec() == QDialog::Accepted; }

namespace {

std::optional<std::string> ChooseFile(QWidget* parent, const QString& title, const QString& filter, const QString& name,
                                      const QString& suffix) {
    QFileDialog dialog(parent, title);
    dialog.setObjectName("OpenDialog");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    if (!name.isEmpty()) dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::optional<std::string> MainWindow::ChooseImportFile() {
    return ChooseFile(this, "Import User Blazon file", "TXT (*.txt)", "uescaval.txt", {});
}

std::optional<std::string> MainWindow::ChoosePicture() {
    return ChooseFile(this, "Open a file", "BMP files (*.bmp)", {}, "bmp");
}

std::optional<int> MainWindow::AskTimerSeconds(int seconds) {
    SetTimerForm& form = TimerForm();
    form.SpinEdit1()->setValue(seconds);
    if (form.exec() != QDialog::Accepted) return std::nullopt;
    return form.SpinEdit1()->value();
}

std::optional<long long> MainWindow::BrowseDatabase(db::BlazonDatabase& database) {
    CentreOn(DbForm(), *this);
    return DbForm().Browse(database);
}

void MainWindow::ViewPicture(const Bitmap& picture, const std::string& caption) {
    ViewForm& viewer = Viewer();
    viewer.SetPicture(picture, caption);
    // Beside the shield, so that the picture can be compared with it.
    const QRect image1(picture_->mapToGlobal(picture_->rect().topLeft()), picture_->size());
    const double scale = picture_->width() / double(app::kDesignWidth);
    const QRect shield(image1.left() + static_cast<int>(app::kImage1Rect.left * scale),
                       image1.top() + static_cast<int>((app::kImage1Rect.top - app::kPictureAreaTop) * scale),
                       static_cast<int>(app::kImage1Rect.Width() * scale), static_cast<int>(app::kImage1Rect.Height() * scale));
    PlaceBeside(viewer, *this, shield);
    viewer.exec();
}

void MainWindow::ShowReadme(const std::string& html) {
    ReadmeForm& readme = Readme();
    readme.SetHtml(html);
    readme.exec();
}

void MainWindow::ShowAbout() { About().exec(); }

void MainWindow::ShowHelp(const std::string& path) {
    HelpViewer& help = Help();
    help.Open(path);
    if (!help.isVisible()) CentreOn(help, *this);  // an open viewer stays where the user put it
    help.show();
    help.raise();
}

}  // namespace esc::qt
