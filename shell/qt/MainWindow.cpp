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
const QColor kPanelColour(192, 192, 192);
// Text of disabled controls (the panel while the auto display runs): greyed, yet readable on the
// grey panel (5.7 : 1) and on the boxes' white (12.6 : 1).
const QColor kDisabledText(64, 64, 64);
// The buttons' captions and the search label, in the body face.
constexpr int kButtonPixels = 15;
// The builder's five buttons share the 96-pixel panel: 18 pixels each, room for an 11-pixel face.
constexpr int kBuilderButtonPixels = 11;

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

QToolButton* MainWindow::MakeGlyphButton(QWidget* parent, const char* name, const char* hint, const char* glyph,
                                         const char* fallback, int x, int w) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::TabFocus);  // reached by Tab; a click leaves the focus where it was
    button->setAutoRaise(false);
    const QIcon icon = LoadGlyph(options_.paths.DataFile(glyph));
    if (icon.isNull()) {
        button->setText(fallback);
    } else {
        button->setIcon(icon);
        button->setIconSize(QSize(26, 26));
    }
    button->setGeometry(x, 2, w, 37);
    return button;
}

void MainWindow::BuildPanel() {
    panel1_ = new QFrame(canvas_);
    panel1_->setObjectName("Panel1");
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel1_->setAutoFillBackground(true);
    QPalette grey = panel1_->palette();
    grey.setColor(QPalette::Window, kPanelColour);
    grey.setColor(QPalette::Button, kPanelColour);
    panel1_->setPalette(grey);

    groupBox1_ = new QGroupBox("   Surname   ", panel1_);
    groupBox1_->setObjectName("GroupBox1");
    groupBox1_->setFont(BlackletterFont(22));
    Place(groupBox1_, 9, 4, 288, 53);
    groupBox2_ = new QGroupBox("   Blazon   ", panel1_);
    groupBox2_->setObjectName("GroupBox2");
    groupBox2_->setFont(BlackletterFont(22));
    Place(groupBox2_, 9, 56, 648, 97);  // its bottom frame above the panel's edge

    panel4_ = new QFrame(panel1_);
    panel4_->setObjectName("Panel4");
    panel4_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Place(panel4_, 303, 16, 322, 41);
    const struct {
        const char* name;
        const char* caption;
        const char* hint;
        void (app::WindowController::*handler)();
    } buttons[] = {
        {"LookUpBtn", "Lookup", "Search for name", &app::WindowController::LookUpBtnClick},
        {"DrawBtn", "Draw", "Draw current blazon", &app::WindowController::DrawBtnClick},
        {"NewBtn", "New", "Enter new blazon", &app::WindowController::NewBtnClick},
        {"EditBtn", "Edit", "Edit current blazon", &app::WindowController::EditBtnClick},
        {"AddBtn", "Add", "Add to database", &app::WindowController::AddBtnClick},
    };
    int x = 2;
    for (const auto& b : buttons) {
        auto* button = new QPushButton(b.caption, panel4_);
        button->setObjectName(b.name);
        button->setToolTip(b.hint);
        button->setFont(PlainFont(kButtonPixels));  // no blackletter reads well at this size
        button->setGeometry(x, 2, 62, 37);
        connect(button, &QPushButton::clicked, this, [this, handler = b.handler] { (controller_.get()->*handler)(); });
        x += 64;
    }

    speedBar_ = new QFrame(panel1_);
    speedBar_->setObjectName("SpeedBar");
    speedBar_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Place(speedBar_, 680, 11, 257, 41);
    const struct {
        const char* name;
        const char* hint;
        const char* glyph;
        const char* fallback;
        void (app::WindowController::*handler)();
        bool enabled;
    } glyphs[] = {
        {"FileOpenBtn", "Show Mantling", "man_btn.bmp", "M", &app::WindowController::FileOpenBtnClick, false},
        {"PrintBtn", "Print", "print.bmp", "P", &app::WindowController::PrintBtnClick, false},
        {"SaveButton", "Save picture", "save.bmp", "S", &app::WindowController::SaveButtonClick, false},
        {"TopBtn", "First", "nav_first.bmp", "|<", &app::WindowController::TopBtnClick, true},
        {"PrevBtn", "Previous", "nav_prev.bmp", "<", &app::WindowController::PrevBtnClick, true},
        {"NextBtn", "Next", "nav_next.bmp", ">", &app::WindowController::NextBtnClick, true},
        {"BottomBtn", "Last", "nav_last.bmp", ">|", &app::WindowController::BottomBtnClick, true},
    };
    x = 2;
    for (const auto& g : glyphs) {
        QToolButton* button = MakeGlyphButton(speedBar_, g.name, g.hint, g.glyph, g.fallback, x, 36);
        button->setEnabled(g.enabled);
        connect(button, &QToolButton::clicked, this, [this, handler = g.handler] { (controller_.get()->*handler)(); });
        x += 36;
    }

    autoBtn_ = new QToolButton(panel1_);
    autoBtn_->setObjectName("AutoBtn");
    autoBtn_->setToolTip("Auto display");
    autoBtn_->setText("Off");
    autoBtn_->setFocusPolicy(Qt::TabFocus);
    const QIcon autoIcon = LoadGlyph(options_.paths.DataFile("auto.bmp"));
    if (!autoIcon.isNull()) {
        autoBtn_->setIcon(autoIcon);
        autoBtn_->setIconSize(QSize(22, 22));
        autoBtn_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    Place(autoBtn_, 952, 16, 57, 33);
    connect(autoBtn_, &QToolButton::clicked, this, [this] { controller_->AutoBtnClick(); });

    // The builders of marshalled arms keep their panel, hidden until they are built.
    panel2_ = new QFrame(panel1_);
    panel2_->setObjectName("Panel2");
    panel2_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel2_->hide();
    Place(panel2_, 9, 65, 40, 96);
    const struct {
        const char* name;
        const char* caption;
        void (app::WindowController::*handler)();
    } builderButtons[] = {
        {"Button1", "1st", &app::WindowController::Button1Click},
        {"Button2", "2nd", &app::WindowController::Button2Click},
        {"Button3", "3rd", &app::WindowController::Button3Click},
        {"Button4", "4th", &app::WindowController::Button4Click},
        {"Button5", "Show", &app::WindowController::Button5Click},
    };
    // The panel keeps its design size; its layout shares the height among the buttons shown (the
    // impaled builder hides "3rd" and "4th"), in a face small enough for each whole caption.
    auto* column = new QVBoxLayout(panel2_);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(0);
    for (const auto& b : builderButtons) {
        auto* button = new QPushButton(b.caption, panel2_);
        button->setObjectName(b.name);
        button->setFont(PlainFont(kBuilderButtonPixels));
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        button->setEnabled(std::string_view(b.name) != "Button5");
        column->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, handler = b.handler] { (controller_.get()->*handler)(); });
    }

    nameBox1_ = new QLineEdit(canvas_);
    nameBox1_->setObjectName("NameBox1");
    nameBox1_->setToolTip("Current surname");
    nameBox1_->setMaxLength(30);
    nameBox1_->setFont(PlainFont(16));
    Place(nameBox1_, 16, 24 + 4, 273, 26);
    memo1_ = new QPlainTextEdit(canvas_);
    memo1_->setObjectName("Memo1");
    memo1_->setToolTip("Current blazon");
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setFont(PlainFont(16));
    memo1_->setTabChangesFocus(true);  // a blazon holds no tabs: Tab goes on to the buttons
    Place(memo1_, 16, 72 + 8, 636, 68);
    blazonCount_ = new QLabel(canvas_);
    blazonCount_->setObjectName("BlazonCount");
    blazonCount_->setFont(PlainFont(11));
    blazonCount_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    blazonCount_->setToolTip("Characters of the blazon, against the most a drawing reads");
    Place(blazonCount_, 552, 62, 96, 16);
    connect(memo1_, &QPlainTextEdit::textChanged, this, [this] { ShowBlazonCount(); });

    bevel1_ = new QFrame(canvas_);
    bevel1_->setFrameStyle(QFrame::HLine | QFrame::Plain);
    bevel2_ = new QFrame(canvas_);
    bevel2_->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    bevel2_->setLineWidth(1);
}

void MainWindow::BuildSearchPanel() {
    panel3_ = new QFrame(canvas_);
    panel3_->setObjectName("Panel3");
    panel3_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel3_->setAutoFillBackground(true);
    QPalette grey = panel3_->palette();
    grey.setColor(QPalette::Window, kPanelColour);
    grey.setColor(QPalette::Button, kPanelColour);
    panel3_->setPalette(grey);
    Place(panel3_, 680, 65, 329, 89);

    auto* label = new QLabel("Search for:", panel3_);
    label->setFont(PlainFont(kButtonPixels));
    label->setGeometry(8, 2, 140, 26);
    edit2_ = new QLineEdit(panel3_);
    edit2_->setObjectName("Edit2");
    edit2_->setFont(PlainFont(15));
    edit2_->setGeometry(8, 29, 208, 26);
    auto* search = new QPushButton("Search", panel3_);
    search->setObjectName("Searchbtn");
    search->setToolTip("Search for word(s)");
    search->setFont(PlainFont(kButtonPixels));
    search->setGeometry(224, 27, 96, 30);
    connect(search, &QPushButton::clicked, this, [this] { controller_->SearchbtnClick(); });
    connect(edit2_, &QLineEdit::returnPressed, this, [this] { controller_->SearchbtnClick(); });
    connect(edit2_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty() && controller_) controller_->SearchTextCleared();
    });
    searchDown_ = new QRadioButton("Forward", panel3_);
    searchDown_->setObjectName("SearchDown");
    searchDown_->setChecked(true);
    searchDown_->setFont(PlainFont(13));
    searchDown_->setGeometry(8, 61, 100, 22);
    searchUp_ = new QRadioButton("Backward", panel3_);
    searchUp_->setObjectName("SearchUp");
    searchUp_->setFont(PlainFont(13));
    searchUp_->setGeometry(118, 61, 110, 22);
    connect(searchDown_, &QRadioButton::clicked, this, [this] { controller_->SearchDownClick(); });
    connect(searchUp_, &QRadioButton::clicked, this, [this] { controller_->SearchUpClick(); });
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
