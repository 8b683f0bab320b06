#pragma once
// TSaveDlg, "Save picture": the file name, the four layouts, the preview, the folder and the
// format. It shows and drives app::SavePictureDialog, which composes the pictures and saves.

#include <QDialog>

#include "shell/app/SavePictureDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace esc::qt {

class SaveDialog final : public QDialog {
public:
    explicit SaveDialog(QWidget* parent = nullptr);

    // Shows the state of `dialog` and runs modally; OK saves through it.
    int Run(app::SavePictureDialog& dialog);

    QRadioButton* RadioButton(compose::SaveLayout layout) const;
    QLabel* FileNameLabel() const { return fileName_; }
    QLabel* PreviewImage() const { return preview_; }
    QLabel* FolderLabel() const { return folder_; }
    QComboBox* FormatBox() const { return format_; }
    QPushButton* OKBtn() const { return ok_; }
    QPushButton* FolderBtn() const { return chooseFolder_; }

private:
    void ShowState();
    void OKBtnClick();
    void ChooseFolder();

    app::SavePictureDialog* dialog_ = nullptr;
    QLabel* fileName_ = nullptr;
    QLabel* folder_ = nullptr;
    QLabel* preview_ = nullptr;
    QComboBox* format_ = nullptr;
    QRadioButton* layouts_[4] = {};
    QPushButton* ok_ = nullptr;
    QPushButton* chooseFolder_ = nullptr;
};

}  // namespace esc::qt
