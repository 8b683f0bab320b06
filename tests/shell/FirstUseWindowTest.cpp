// What a new user meets first on the real window: the builders of marshalled arms (what Show
// assembles, when it may, and what the editor holds afterwards), the length a text may have on
// every road, the builder's buttons, the auto display's disabled controls and its pause, the
// about box's title and the arrangement menus agreeing with one another.

#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

#include "engine/Messages.h"
#include "interpret/BlazonReach.h"
#include "shell/qt/ArrangementView.h"
#include "shell/qt/Fonts.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {
namespace {

// The relative luminance and contrast ratio of two colours, as the accessibility guidelines
// define them.
double Luminance(const QColor& c) {
    auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A part well within one piece of a drawing.
const std::string kLongPart = "Azure a bend wavy or between two mullets of six points argent";

}  // namespace

class FirstUseWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    app::ArrangementEditor& E() { return C().Arrangement(); }
    const Bitmap& Image1() { return C().Picture().Image1(); }
    void Type(const std::string& blazon) {
        W().Memo()->setPlainText(QString::fromStdString(blazon));
        C().Memo1Enter();
    }
    // Builds the parts with the panel's buttons, from texts typed in the blazon box.
    void Build(std::initializer_list<std::pair<const char*, std::string>> parts) {
        for (const auto& [button, blazon] : parts) {
            Type(blazon);
            Click(button);
        }
    }
    // The messages other than the missing supporters of the test data.
    std::vector<std::string> Messages() {
        std::vector<std::string> out;
        for (const std::string& m : messages_.messages)
            if (m != "Could not load 'lionl1.bmp'") out.push_back(m);
        return out;
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // After Show the picture is assembled from reduced copies: the editor holds none of the last
    // part's pictures, so a click and a drag where one of them lay change nothing.
    void afterShowTheEditorHoldsNothingOfTheLastPart() {
        Trigger("Quarterarms1");
        Build({{"Button1", "Azure"}, {"Button2", "Or"}, {"Button3", "Vert"}, {"Button4", "Gules a lion rampant or"}});
        QVERIFY(E().PictureCount() > 0);  // the lion of the part just drawn, as Image1 shows it
        const app::ArrangedPicture lion = E().Picture(E().PictureCount() - 1);
        Click("Button5");
        QCOMPARE(E().PictureCount(), 0);
        const Bitmap shown = Image1();
        (void)E().MouseDown(app::MouseButton::Left, lion.cx, lion.cy);
        E().HandleDown(app::Handle::Move);
        E().HandleMove(app::Handle::Move, lion.cx - 40, lion.cy - 60);
        E().HandleUp(app::Handle::Move, lion.cx - 40, lion.cy - 60);
        QVERIFY(Image1() == shown);
        QVERIFY(Messages().empty());
    }

    // Show is enabled only with every part of its own builder built since the builder opened,
    // and never assembles an empty frame.
    void showNeedsEveryPartOfItsBuilder() {
        Trigger("Quarterarms1");
        Build({{"Button1", "Or"}, {"Button2", "Gules"}, {"Button3", "Gules"}, {"Button4", "Or"}});
        QVERIFY(W().Button("Button5")->isEnabled());
        Trigger("Quarterarms1");
        Click("NewBtn");
        Type("Azure impaling: Vert");
        Click("DrawBtn");
        Trigger("Quarterarms1");
        QVERIFY(!W().Button("Button5")->isEnabled());
        const Bitmap before = Image1();
        C().Button5Click();  // as a stray key or click would
        QVERIFY(Image1() == before);
        QCOMPARE(W().Memo()->toPlainText(), QString("Azure impaling: Vert"));

        // The impaled builder after the quartered one: its own two halves.
        Build({{"Button1", "Or"}});
        Trigger("Impalearms1");
        QVERIFY(!W().Button("Button5")->isEnabled());
        Build({{"Button1", "Azure"}, {"Button2", "Vert"}});
        QVERIFY(W().Button("Button5")->isEnabled());
        Click("Button5");
        // The supporters now stand where the copies were: Show waits for new ones.
        QVERIFY(!W().Button("Button5")->isEnabled());
        QVERIFY(Messages().empty());
    }

    // Typed or built, a text a drawing reads whole is taken whole however long: a part read in
    // pieces is built, and the text composed of such parts is assembled and put in the box whole.
    // A part past the pieces is refused as it is taken, with the message the command line gives.
    void longTextsAreTakenWholeUpToWhatADrawingReads() {
        Click("NewBtn");
        const std::string longPart = kLongPart +
                                     "; on a chief gules three escallops or; a bordure engrailed argent charged with "
                                     "eight roundels gules; a canton ermine charged with a lion rampant sable";
        QVERIFY(longPart.size() > 199);
        const std::string typed = "Quarterly 1: " + longPart + " 2: Or 3: " + kLongPart + " 4: " + longPart;
        Type(typed);
        Click("DrawBtn");
        QVERIFY(Messages().empty());
        QVERIFY(!(At(kFieldX, kFieldY) == esc::kTeal));

        Trigger("Quarterarms1");
        const PartTexts parts{longPart, longPart + " ", kLongPart, "Gules"};
        Build({{"Button1", parts[0]}, {"Button2", parts[1]}, {"Button3", parts[2]}, {"Button4", parts[3]}});
        QVERIFY(Messages().empty());
        QVERIFY(W().Button("Button5")->isEnabled());
        const Bitmap before = Image1();
        Click("Button5");
        QVERIFY(Messages().empty());
        QVERIFY(!(Image1() == before));
        QCOMPARE(W().Memo()->toPlainText().toStdString(), ComposeQuartered(parts));

        std::string endless = longPart;
        while (endless.size() <= static_cast<std::size_t>(kMaxReadBlazonChars)) endless += ", and a chief gules";
        const Bitmap beforeEndless = Image1();
        Build({{"Button1", endless}});
        QCOMPARE(Messages(), std::vector<std::string>{PastTheBoundMessage(endless, PastTheBound::Refused)});
        QVERIFY(Image1() == beforeEndless);
    }

    // Opened over the achievement, the builder brings the shield back and puts its copies on
    // clear strips: nothing of the supporters lies around them.
    void theBuilderStandsOnClearStrips() {
        for (const char* name : {"lionl1.bmp", "lionr1.bmp", "mantle2.bmp", "scroll3.bmp"})
            fs::create_symlink(std::string(ESCAVAL_DATA_DIR "/") + name, paths_.DataFile(name));
        Click("NewBtn");
        W().NameBox()->setText("Hay");
        Type("Gules");
        Click("DrawBtn");
        auto notTealBeside = [&](Rect box) {
            int count = 0;
            for (int y = app::kSupporterY; y < app::kSupporterY + app::kSupporterHeight; ++y)
                for (int x = app::kLeftSupporterX; x < app::kLeftSupporterX + app::kSupporterWidth; ++x)
                    if (!box.Contains(x, y) && !(At(x, y) == esc::kTeal)) ++count;
            return count;
        };
        C().DrawSupporters();  // as the first-run picture leaves them
        QVERIFY(notTealBeside({0, 0, 0, 0}) > 1000);  // the left supporter stands there
        Click("FileOpenBtn");
        QVERIFY(C().State().mantlingShown);
        Trigger("Quarterarms1");
        QVERIFY(!C().State().mantlingShown);
        Build({{"Button1", "Or"}});
        QCOMPARE(Show(At(kPaintBox3.left + 100, kPaintBox3.top + 100)), Show(kOr));
        QCOMPARE(notTealBeside(kPaintBox3), 0);
        QVERIFY(Messages().empty());
    }

    // The builder's panel keeps its design size and each button shows its whole caption,
    // whatever the desktop's own font (here a large one, as many desktops set).
    void builderButtonsShowWholeCaptions() {
        const QFont desktop = QApplication::font();
        const auto restore = qScopeGuard([desktop] { QApplication::setFont(desktop); });
        QFont large = desktop;
        large.setPixelSize(16);
        QApplication::setFont(large);
        OpenWindow();
        for (const char* builder : {"Quarterarms1", "Impalearms1"}) {
            Trigger(builder);
            auto* panel = W().findChild<QFrame*>("Panel2");
            QCOMPARE(panel->size(), QSize(40, 96));
            for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button5"}) {
                QPushButton* button = W().Button(name);
                if (!button->isVisible()) continue;
                QStyleOptionButton option;
                option.initFrom(button);
                option.text = button->text();
                const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
                const QFontMetrics metrics(button->font());
                QVERIFY2(metrics.horizontalAdvance(button->text()) <= room.width() && metrics.height() <= room.height() + 1,
                         qPrintable(QString("%1 in %2x%3").arg(button->text()).arg(room.width()).arg(room.height())));
                QVERIFY(panel->rect().contains(button->geometry()));
            }
        }
    }

    // While the auto display runs, the greyed controls keep a contrast of 4.5 : 1, and a paused
    // display says so in the window.
    void autoDisplayKeepsDisabledTextReadableAndSaysWhenPaused() {
        Click("AutoBtn");
        QVERIFY(C().Auto().On());
        QList<QWidget*> greyed{W().NameBox(), W().Memo(), W().SearchBox(), W().ForwardButton(), W().Button("DrawBtn"),
                               W().Button("Searchbtn")};
        for (QLabel* label : W().findChild<QFrame*>("Panel3")->findChildren<QLabel*>()) greyed << label;
        for (QWidget* w : greyed) {
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            // The roles the text is drawn in: the boxes' text on their base, the buttons' on the
            // button face, the labels' on the panel.
            const bool box = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
            const bool button = qobject_cast<QPushButton*>(w);
            const QPalette::ColorRole fg = box ? QPalette::Text : button ? QPalette::ButtonText : QPalette::WindowText;
            const QPalette::ColorRole bg = box ? QPalette::Base : button ? QPalette::Button : QPalette::Window;
            const QPalette& p = w->palette();
            const double ratio = Contrast(p.color(QPalette::Disabled, fg), p.color(QPalette::Disabled, bg));
            QVERIFY2(ratio >= 4.5, qPrintable(QString("%1 %2: %3").arg(w->metaObject()->className(), w->objectName()).arg(ratio)));
        }
        QLabel* state = W().AutoDisplayState();
        QVERIFY(!state->isVisible());
        Space();
        QVERIFY(C().Auto().Paused());
        QVERIFY(state->isVisible());
        QVERIFY2(state->text().contains("paused"), qPrintable(state->text()));
        Space();
        QVERIFY(!state->isVisible());
        Space();
        Click("AutoBtn");  // off, still paused inside: nothing runs, nothing to say
        QVERIFY(!state->isVisible());
    }

    // The title of the about box is set in the plain serif face, where a V reads as a V.
    void aboutTitleIsInThePlainFace() {
        W().About();
        auto* title = W().About().findChild<QLabel*>("AboutTitle");
        QVERIFY(title);
        QCOMPARE(title->text(), QString("E S C A V A L !  95"));
        QCOMPARE(title->font().family(), QString("DejaVu Serif"));
        QVERIFY(title->font().family() != esc::qt::BlackletterFamily() || esc::qt::BlackletterFamily() == "DejaVu Serif");
    }

    // The flips are offered only with a picture to flip, in the popup as in the Edit menu.
    void theFlipsAgreeInThePopupAndTheEditMenu() {
        W().Memo()->setFocus();
        Type("Azure three mullets or");
        Click("DrawBtn");
        QCOMPARE(E().PictureCount(), 3);
        auto* edit = W().findChild<QMenu*>("Edit1");
        QMenu* popup = W().Arrangement()->PopupMenu();
        auto flips = [&] {
            emit edit->aboutToShow();
            const bool inPopup = popup->findChild<QAction*>("FlipHorizontal1")->isEnabled();
            const bool inEdit = W().findChild<QAction*>("FlipHorizontal1Edit")->isEnabled();
            emit edit->aboutToHide();
            return std::pair{inPopup, inEdit};
        };
        QCOMPARE(flips(), (std::pair{false, false}));
        (void)E().MouseDown(app::MouseButton::Left, E().Picture(0).cx, E().Picture(0).cy);
        W().Arrangement()->Sync();
        QCOMPARE(flips(), (std::pair{true, true}));
        (void)E().MouseDown(app::MouseButton::Left, 2, 2);  // outside every picture: nothing selected
        W().Arrangement()->Sync();
        QCOMPARE(flips(), (std::pair{false, false}));
    }
};

QObject* NewFirstUseWindowTest() { return new FirstUseWindowTest; }

}  // namespace esc::test

#include "FirstUseWindowTest.moc"
