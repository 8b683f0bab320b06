// The window's control panel: the name and blazon boxes, the buttons along the top, the
// builder's buttons, and the search panel beside them; each control wired to the controller.

#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "shell/qt/BitmapArt.h"
#include "shell/qt/Fonts.h"
#include "shell/qt/MainWindow.h"

namespace esc::qt {
namespace {

const QColor kPanelColour(192, 192, 192);
// The buttons' captions and the search label, in the body face.
constexpr int kButtonPixels = 15;
// The builder's five buttons share the 96-pixel panel: 18 pixels each, room for an 11-pixel face.
constexpr int kBuilderButtonPixels = 11;

}  // namespace

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

}  // namespace esc::qt
