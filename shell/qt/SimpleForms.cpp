#include "shell/qt/SimpleForms.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/app/AutoDisplay.h"
#include "shell/qt/Fonts.h"
#include "shell/qt/QtBitmap.h"

namespace esc::qt {
namespace {

QPushButton* AddButton(QDialog* dialog, const char* caption, int x, int y, bool isDefault, int result) {
    auto* button = new QPushButton(caption, dialog);
    button->setObjectName(caption);
    button->setGeometry(x, y, 90, 30);
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
    return button;
}

// A supporter for the about box: the picture scaled down, white made transparent.
QPixmap AboutPicture(const std::string& path, int height) {
    const auto bitmap = ReadBmp(path);
    if (!bitmap) return {};
    QImage image = ToQImage(*bitmap).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(255, 255, 255)) image.setPixel(x, y, qRgba(255, 255, 255, 0));
    return QPixmap::fromImage(image.scaledToHeight(height, Qt::SmoothTransformation));
}

}  // namespace

SetTimerForm::SetTimerForm(QWidget* parent) : QDialog(parent) {
    setObjectName("SetTimerForm");
    setWindowTitle("Set timer");
    setFixedSize(399, 255);
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(12, 12, 375, 180);
    auto* label = new QLabel("Choose number of seconds for Auto-display.", frame);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(10, 30, 355, 30);
    spin_ = new QSpinBox(frame);
    spin_->setObjectName("SpinEdit1");
    spin_->setRange(app::AutoDisplay::kMinSeconds, app::AutoDisplay::kMaxSeconds);
    spin_->setValue(app::AutoDisplay::kDefaultSeconds);
    spin_->setGeometry(147, 90, 80, 32);
    AddButton(this, "OK", 100, 208, true, QDialog::Accepted);
    AddButton(this, "Cancel", 209, 208, false, QDialog::Rejected);
}

ImportDialog::ImportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ImportDlg");
    setWindowTitle("Import User Escaval");
    setFixedSize(385, 311);
    auto* text = new QTextBrowser(this);
    text->setGeometry(12, 12, 361, 236);
    text->setHtml(
        "<div align=\"center\"><p>&nbsp;</p>"
        "<p>This function is only for those who used an older version of this program.</p>"
        "<p>It lets you locate a text user blazon file (uescaval.txt).</p>"
        "<p>It converts the names and blazon texts in that file and merges them into the current database.</p>"
        "<p>&nbsp;</p>"
        "<p><b>Are you SURE you want to continue?</b></p></div>");
    AddButton(this, "OK", 93, 266, false, QDialog::Accepted);
    QPushButton* cancel = AddButton(this, "Cancel", 202, 266, true, QDialog::Rejected);
    cancel->setFocus();
}

AboutBox::AboutBox(QWidget* parent, const std::string& dataDir) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About ESCAVAL! 95");
    setFixedSize(444, 516);
    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setGeometry(10, 10, 424, 440);
    const std::string dir = dataDir.empty() ? std::string() : dataDir + "/";
    const struct {
        const char* file;
        int x;
    } pictures[] = {{"lionl1.bmp", 6}, {"lionr1.bmp", 424 - 6 - 140}};
    for (const auto& p : pictures) {
        auto* picture = new QLabel(panel);
        picture->setPixmap(AboutPicture(dir + p.file, 280));
        picture->setAlignment(Qt::AlignCenter);
        picture->setGeometry(p.x, 110, 140, 280);
    }
    auto* title = new QLabel("E S C A V A L !  95", panel);
    title->setObjectName("AboutTitle");
    // The blackletter's V reads as a U, and a title is read before it is admired: the plain
    // serif face, bold.
    QFont titleFace("DejaVu Serif");
    titleFace.setPixelSize(27);
    titleFace.setBold(true);
    title->setFont(titleFace);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 24, 424, 44);
    auto* version = new QLabel("Version 2.0", panel);
    version->setAlignment(Qt::AlignCenter);
    version->setFont(PlainFont(15));
    version->setGeometry(0, 70, 424, 24);
    auto* line = new QLabel("Blazons\nread and\npainted\nas arms", panel);
    line->setAlignment(Qt::AlignCenter);
    line->setFont(BlackletterFont(22));
    line->setGeometry(146, 170, 132, 140);
    auto* families = new QLabel("The arms of more than a thousand families", panel);
    families->setAlignment(Qt::AlignCenter);
    families->setFont(PlainFont(13));
    families->setGeometry(0, 402, 424, 22);
    AddButton(this, "OK", 177, 470, true, QDialog::Accepted);
}

ReadmeForm::ReadmeForm(QWidget* parent) : QDialog(parent) {
    setObjectName("readme");
    setWindowTitle("Readme viewer");
    resize(663, 646);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(this);
    QAction* print = bar->addAction("Print form");
    print->setObjectName("Printform1");
    connect(print, &QAction::triggered, this, [this] { PrintForm(); });
    layout->setMenuBar(bar);
    text_ = new QTextBrowser(this);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = PlainFont(17);
    text_->setFont(font);
    text_->document()->setDefaultFont(font);
    layout->addWidget(text_);
}

void ReadmeForm::SetHtml(const std::string& html) { text_->setHtml(QString::fromStdString(html)); }

void ReadmeForm::PrintForm() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) text_->document()->print(&printer);
}

HelpViewer::HelpViewer(QWidget* parent) : QDialog(parent) {
    setObjectName("Help");
    setWindowTitle("ESCAVAL! 95 Help");
    resize(640, 600);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text_ = new QTextBrowser(this);
    text_->setOpenLinks(true);
    layout->addWidget(text_);
}

void HelpViewer::Open(const std::string& path) { text_->setSource(QUrl::fromLocalFile(QString::fromStdString(path))); }

ViewForm::ViewForm(QWidget* parent) : QDialog(parent) {
    setObjectName("ViewForm");
    setWindowTitle("ViewForm");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    image_ = new QLabel(this);
    image_->setAlignment(Qt::AlignCenter);
}

void ViewForm::SetPicture(const Bitmap& picture, const std::string& caption) {
    image_->setPixmap(QPixmap::fromImage(ToQImage(picture)));
    image_->setGeometry(0, 0, picture.Width(), picture.Height());
    setFixedSize(picture.Width(), picture.Height());
    setWindowTitle(QString::fromStdString(caption));
}

}  // namespace esc::qt
