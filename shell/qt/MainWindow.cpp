#include "shell/qt/MainWindow.h"

#include <QApplication>
#include <QBitmap>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/qt/ArrangementView.h"
#include "shell/qt/BitmapArt.h"
#include "shell/qt/Fonts.h"
#include "shell/qt/PictureWidget.h"
#include "shell/qt/QtBitmap.h"
#include "shell/qt/StatusNote.h"
#include "shell/qt/WindowLayout.h"

namespace esc::qt {
namespace {

const QColor kTealColour(0, 128, 128);
// Text of disabled controls (the panel while the auto display runs): greyed, yet readable on the
// grey panel (5.7 : 1) and on the boxes' white (12.6 : 1).
const QColor kDisabledText(64, 64, 64);

// A short message makes a narrow box, whose title bar cuts the title: the box is made wide
// enough for the title and the title bar's buttons.
void KeepTitleWhole(QMessageBox& box) {
    constexpr int kTitleBarButtons = 160;
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

}  // namespace

class MainWindow::Timer final : public app::Timer {
public:
    explicit Timer(QTimer& timer) : timer_(timer) {}
    void Start(int milliseconds) override { timer_.start(milliseconds); }
    void Stop() override { timer_.stop(); }
    bool Active() const override { return timer_.isActive(); }

private:
    QTimer& timer_;
};

class MainWindow::MessageBoxes final : public MessageSink {
public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}
    void Show(std::string_view text) override { Box(QMessageBox::Warning, text); }
    void Inform(std::string_view text) override { Box(QMessageBox::Information, text); }

private:
    void Box(QMessageBox::Icon icon, std::string_view text) {
        QMessageBox box(icon, "ESCAVAL! 95", QString::fromUtf8(text.data(), static_cast<int>(text.size())), QMessageBox::Ok,
                        parent_);
        box.setObjectName("MessageBox");
        KeepTitleWhole(box);
        box.exec();
    }
    QWidget* parent_;
};

class MainWindow::QuestionBoxes final : public YesNoAsker {
public:
    explicit QuestionBoxes(QWidget* parent) : parent_(parent) {}
    bool AskYesNo(const std::string& title, const std::string& text, DefaultAnswer answer) override {
        QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::Yes | QMessageBox::No, parent_);
        box.setObjectName("QuestionBox");
        box.setDefaultButton(answer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
        KeepTitleWhole(box);
        return box.exec() == QMessageBox::Yes;
    }

private:
    QWidget* parent_;
};

MainWindow::MainWindow(WindowOptions options, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), textPainter_(std::make_unique<QtTextPainter>()) {
    setWindowTitle("ESCAVAL! 95");
    setObjectName("EsvMainForm");
    if (!options_.messages) messageBoxes_ = std::make_unique<MessageBoxes>(this);
    messages_ = options_.messages ? options_.messages : messageBoxes_.get();
    if (!options_.asker) questionBoxes_ = std::make_unique<QuestionBoxes>(this);
    asker_ = options_.asker ? options_.asker : questionBoxes_.get();
    const QIcon icon = LoadGlyph(options_.paths.DataFile("icon.bmp"));
    if (!icon.isNull()) setWindowIcon(icon);

    QPalette readable = palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        readable.setColor(QPalette::Disabled, role, kDisabledText);
    readable.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    setPalette(readable);

    canvas_ = new QWidget(this);
    canvas_->setAutoFillBackground(true);
    QPalette teal = canvas_->palette();
    teal.setColor(QPalette::Window, kTealColour);
    canvas_->setPalette(teal);
    setCentralWidget(canvas_);
    BuildPanel();
    BuildSearchPanel();
    BuildMenus();
    statusNote_ = new StatusNote(this);
    statusBar()->addWidget(statusNote_, 1);
    autoState_ = new QLabel(this);
    autoState_->setObjectName("AutoDisplayState");
    QFont bold = autoState_->font();
    bold.setBold(true);
    autoState_->setFont(bold);
    autoState_->hide();
    statusBar()->addPermanentWidget(autoState_);

    timer1_.setObjectName("Timer1");
    timerAdapter_ = std::make_unique<Timer>(timer1_);
    controller_ = std::make_unique<app::WindowController>(options_.paths, *this, *messages_, *textPainter_, *timerAdapter_,
                                                          options_.seed);
    picture_ = new PictureWidget(controller_->Picture(), canvas_);
    picture_->setObjectName("PictureArea");
    arrangement_ = new ArrangementView(*controller_, *picture_, editMenu_, this);
    WireEvents();

    timer2_.setSingleShot(true);
    timer2_.setObjectName("Timer2");
    connect(&timer2_, &QTimer::timeout, this, [this] { controller_->Timer2Timer(); });
    if (options_.firstRunPicture) timer2_.start(1000);
    QTimer::singleShot(0, this, [this] { controller_->ShowStartupNotes(); });

    // The design where the screen has room for it; on a lower screen (768 pixels, less the
    // window manager's panels) what fits, the picture scaled down, so the window is never taller
    // than the screen unless maximised.
    const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const QSize least = MinimumCanvas();
    setMinimumSize(least.width(), least.height() + bars);
    const QSize room = screen() ? screen()->availableGeometry().size()
                                : QSize(app::kDesignWidth, app::kDesignHeight + bars + kFrameAllowance);
    const QSize canvas = InitialCanvas(room, bars);
    resize(canvas.width(), canvas.height() + bars);
    LayOut();
    SetTabOrder();
    ShowBlazonCount();
    Button("DrawBtn")->setFocus();
}

MainWindow::~MainWindow() {
    // QWidget's destructor closes the window and deletes the children only after this class's
    // members, the controller among them, are gone. Closing moves the focus and the children
    // may signal as they go: nothing of that may reach the handlers of a half-destroyed window.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
    timer1_.stop();
    timer2_.stop();
}

void MainWindow::Place(QWidget* widget, int x, int y, int w, int h) {
    placed_.emplace_back(widget, QRect(x, y, w, h));
    widget->setGeometry(x, y, w, h);
}

// The design is 1036 pixels wide; in a wider window it stands in the middle, the control panel
// running the full width. The picture is centred below the panel (WindowLayout).
void MainWindow::LayOut() {
    const int offset = std::max(0, (canvas_->width() - app::kDesignWidth) / 2);
    // In a canvas narrower than the panel's design the controls close up rather than leave the
    // window: the blazon box and then the surname box give up width.
    const PanelSqueeze squeeze = SqueezeFor(canvas_->width());
    for (const auto& [widget, rect] : placed_) {
        QRect r = rect.translated(offset, 0);
        if (widget == speedBar_ || widget == autoBtn_ || widget == panel3_ || widget == blazonCount_) {
            r.translate(-squeeze.memo, 0);
        } else if (widget == memo1_ || widget == groupBox2_) {
            r.setWidth(r.width() - squeeze.memo);
        } else if (widget == panel4_) {
            r.translate(-squeeze.surname, 0);
        } else if (widget == nameBox1_ || widget == groupBox1_) {
            r.setWidth(r.width() - squeeze.surname);
        }
        widget->setGeometry(r);
    }
    if (picture_) picture_->setGeometry(PictureRect(canvas_->size()));
    if (arrangement_) arrangement_->Sync();  // the handles follow the picture's place and scale
    panel1_->setGeometry(0, 0, canvas_->width(), 157);
    bevel1_->setGeometry(0, 157, canvas_->width(), 1);
    bevel2_->setGeometry(0, 158, canvas_->width(), 3);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOut();
}

QPushButton* MainWindow::Button(const char* objectName) const { return findChild<QPushButton*>(objectName); }
QToolButton* MainWindow::GlyphButton(const char* objectName) const { return findChild<QToolButton*>(objectName); }
QAction* MainWindow::Action(const char* objectName) const { return findChild<QAction*>(objectName); }

// WindowView: the boxes and captions.

std::string MainWindow::Surname() const { return nameBox1_->text().toStdString(); }
void MainWindow::SetSurname(const std::string& text) { nameBox1_->setText(QString::fromStdString(text)); }
std::string MainWindow::BlazonText() const { return memo1_->toPlainText().toStdString(); }
void MainWindow::SetBlazonText(const std::string& text) { memo1_->setPlainText(QString::fromStdString(text)); }
std::string MainWindow::SearchText() const { return edit2_->text().toStdString(); }
void MainWindow::SetSearchText(const std::string& text) { edit2_->setText(QString::fromStdString(text)); }
void MainWindow::FocusSurname() { nameBox1_->setFocus(); }

void MainWindow::ShowSearchDirection(int direction) {
    searchDown_->setChecked(direction > 0);
    searchUp_->setChecked(direction < 0);
}

void MainWindow::SetAutoCaption(bool on) { autoBtn_->setText(on ? "On" : "Off"); }

void MainWindow::ShowAutoDisplayState(app::AutoDisplay::State state) {
    // A paused display looks like a stopped one: the window says which it is and how to go on.
    const bool paused = state == app::AutoDisplay::State::Paused;
    autoState_->setText(paused ? "Auto display paused: press Space to go on" : QString());
    autoState_->setVisible(paused);
    autoBtn_->setToolTip(paused ? "Auto display (paused)" : "Auto display");
}

void MainWindow::EnableControlsForAutoDisplay(bool enabled) {
    // A focused box that is disabled hands the focus to the next box, and entering a box stops
    // the display just started: the focus first goes to the button that started it.
    QWidget* focus = QApplication::focusWidget();
    if (!enabled && focus && focus != autoBtn_ && focus->window() == this) autoBtn_->setFocus(Qt::OtherFocusReason);
    for (QWidget* w : {static_cast<QWidget*>(speedBar_), static_cast<QWidget*>(panel4_), static_cast<QWidget*>(nameBox1_),
                       static_cast<QWidget*>(memo1_), static_cast<QWidget*>(panel3_)})
        w->setEnabled(enabled);
    for (QMenu* menu : {fileMenu_, editMenu_, goMenu_, optionsMenu_, helpMenu_}) {
        menu->menuAction()->setEnabled(enabled);
        menu->setEnabled(enabled);  // the entries' keys too
    }
}

void MainWindow::EnablePictureCommands() {
    for (const char* name : {"FileOpenBtn", "PrintBtn", "SaveButton"}) GlyphButton(name)->setEnabled(true);
    for (const char* name : {"Showmantling1", "Save1", "Print1"}) Action(name)->setEnabled(true);
}

void MainWindow::ShowMantlingState(bool achievementShown) {
    // The button offers what a click will show: the shield while the achievement is up.
    const char* caption = achievementShown ? "Show shield" : "Show mantling";
    QToolButton* button = GlyphButton("FileOpenBtn");
    button->setToolTip(caption);
    const QIcon glyph = LoadGlyph(options_.paths.DataFile(achievementShown ? "shield2.bmp" : "man_btn.bmp"));
    if (!glyph.isNull()) button->setIcon(glyph);
    Action("Showmantling1")->setText(caption);
}

void MainWindow::PictureChanged() {
    if (arrangement_) arrangement_->Sync();  // a drawing hides the handles
    if (picture_) picture_->Refresh();
}

double MainWindow::DevicePixelRatio() const { return picture_ ? picture_->devicePixelRatioF() : devicePixelRatioF(); }

void MainWindow::ShowDrawingNote(const std::string& note) { statusNote_->SetNote(QString::fromStdString(note)); }

void MainWindow::BeginWait() {
    if (waitDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void MainWindow::EndWait() {
    if (waitDepth_ > 0 && --waitDepth_ == 0) QApplication::restoreOverrideCursor();
}

}  // namespace esc::qt
