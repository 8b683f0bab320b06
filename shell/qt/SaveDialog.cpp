#include "shell/qt/SaveDialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/qt/QtBitmap.h"

namespace esc::qt {
namespace {

constexpr compose::SaveLayout kLayouts[] = {compose::SaveLayout::NoName, compose::SaveLayout::NameAbove,
                                            compose::SaveLayout::NameBelow, compose::SaveLayout::NameBelowWithScroll};
constexpr const char* kLayoutCaptions[] = {"No name", "Name Above", "Name below", "Name below w/ scroll"};

}  // namespace

SaveDialog::SaveDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("SaveDlg");
    setWindowTitle("Save picture");
    auto* whole = new QVBoxLayout(this);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelRow = new QHBoxLayout(panel);
    panelRow->addWidget(new QLabel("   Filename :  ", panel));
    fileName_ = new QLabel(panel);
    fileName_->setObjectName("FileNameLabel");
    QFont bold = fileName_->font();
    bold.setBold(true);
    fileName_->setFont(bold);
    panelRow->addWidget(fileName_, 1);
    whole->addWidget(panel);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(new QLabel("Folder:", this));
    folder_ = new QLabel(this);
    folder_->setObjectName("FolderLabel");
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderRow->addWidget(folder_, 1);
    chooseFolder_ = new QPushButton("Folder...", this);
    chooseFolder_->setObjectName("FolderBtn");
    // Return saves wherever the focus is: only OK is ever the default button.
    chooseFolder_->setAutoDefault(false);
    folderRow->addWidget(chooseFolder_);
    format_ = new QComboBox(this);
    format_->setObjectName("FormatBox");
    format_->addItem("BMP");
    format_->addItem("PNG");
    folderRow->addWidget(format_);
    whole->addLayout(folderRow);

    auto* middle = new QHBoxLayout;
    auto* group = new QGroupBox("Layout", this);
    group->setObjectName("GroupBox1");
    auto* buttons = new QVBoxLayout(group);
    for (int i = 0; i < 4; ++i) {
        layouts_[i] = new QRadioButton(kLayoutCaptions[i], group);
        layouts_[i]->setObjectName(QString("RadioButton%1").arg(i + 1));
        buttons->addWidget(layouts_[i]);
        connect(layouts_[i], &QRadioButton::clicked, this, [this, i] {
            if (!dialog_) return;
            dialog_->RadioButtonClick(kLayouts[i]);
            ShowState();
        });
    }
    buttons->addStretch();
    middle->addWidget(group);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(new QLabel("Preview", this));
    preview_ = new QLabel(this);
    preview_->setObjectName("PreviewImage");
    preview_->setFixedSize(app::SavePictureDialog::kPreviewWidth, app::SavePictureDialog::kPreviewHeight);
    previewColumn->addWidget(preview_);
    middle->addLayout(previewColumn);
    whole->addLayout(middle);

    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OKBtn");
    ok_->setDefault(true);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("CancelBtn");
    cancel->setAutoDefault(false);  // Escape cancels
    okRow->addWidget(ok_);
    okRow->addWidget(cancel);
    whole->addLayout(okRow);

    connect(ok_, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] {
        if (dialog_) dialog_->CancelBtnClick();
        reject();
    });
    connect(chooseFolder_, &QPushButton::clicked, this, [this] { ChooseFolder(); });
    connect(format_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!dialog_) return;
        dialog_->SetFormat(index == 1 ? compose::PictureFormat::Png : compose::PictureFormat::Bmp);
        ShowState();
    });
}

QRadioButton* SaveDialog::RadioButton(compose::SaveLayout layout) const { return layouts_[static_cast<int>(layout)]; }

int SaveDialog::Run(app::SavePictureDialog& dialog) {
    dialog_ = &dialog;
    {
        const QSignalBlocker block(format_);
        format_->setCurrentIndex(dialog.Format() == compose::PictureFormat::Png ? 1 : 0);
    }
    ShowState();
    const int result = exec();
    dialog_ = nullptr;
    return result;
}

void SaveDialog::ShowState() {
    if (!dialog_) return;
    for (int i = 0; i < 4; ++i) {
        layouts_[i]->setEnabled(dialog_->LayoutEnabled(kLayouts[i]));
        layouts_[i]->setChecked(dialog_->Layout() == kLayouts[i]);
    }
    fileName_->setText(QString::fromStdString(dialog_->FileNameLabel()));
    folder_->setText(QString::fromStdString(dialog_->Folder()));
    preview_->setPixmap(QPixmap::fromImage(ToQImage(dialog_->Preview())));
}

void SaveDialog::OKBtnClick() {
    if (!dialog_) return;
    // On failure the reason has been shown and the dialog stays, so another folder can be chosen.
    if (dialog_->OKBtnClick()) {
        accept();
        return;
    }
    ShowState();
}

void SaveDialog::ChooseFolder() {
    if (!dialog_) return;
    QFileDialog chooser(this, "Save pictures in");
    chooser.setObjectName("FolderDialog");
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::Directory);
    chooser.setOption(QFileDialog::ShowDirsOnly);
    chooser.setDirectory(QString::fromStdString(dialog_->Folder()));
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return;
    dialog_->SetFolder(chooser.selectedFiles().front().toStdString());
    ShowState();
}

}  // namespace esc::qt
