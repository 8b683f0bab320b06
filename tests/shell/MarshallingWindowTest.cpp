// Marshalled arms on the real window: the builder's menu entries and panel, arms built from
// separate texts, and marshalled texts drawn from the blazon box and from the database.

#include <QFrame>

#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

class MarshallingWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QFrame* Panel2() { return W().findChild<QFrame*>("Panel2"); }
    bool Checked(const char* action) { return W().Action(action)->isChecked(); }
    void Type(const char* blazon) {
        W().Memo()->setPlainText(blazon);
        C().Memo1Enter();
    }
    // The test data has no supporter pictures: repainting the backdrop says so, and nothing else
    // may be shown.
    bool OnlySupporterNotes() {
        for (const std::string& m : messages_.messages)
            if (m != "Could not load 'lionl1.bmp'") return false;
        return true;
    }
    // A point of Image1, in its own coordinates.
    Rgb InImage(int x, int y) { return At(app::kImage1Rect.left + x, app::kImage1Rect.top + y); }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void quarterArmsTwiceOpensAndClosesTheBuilder() {
        const int memoLeft = W().Memo()->x();
        QVERIFY(!Panel2()->isVisible());
        Trigger("Quarterarms1");
        QVERIFY(Panel2()->isVisible());
        QVERIFY(Checked("Quarterarms1"));
        QVERIFY(!Checked("Impalearms1"));
        QVERIFY(W().Button("Button3")->isVisible());
        QCOMPARE(W().Memo()->x(), memoLeft + 48);
        QCOMPARE(Panel2()->toolTip(), QString("Build quartered blazon"));
        QVERIFY(C().Drawing().marshallingMode);
        Trigger("Quarterarms1");
        QVERIFY(!Panel2()->isVisible());
        QVERIFY(!Checked("Quarterarms1"));
        QCOMPARE(W().Memo()->x(), memoLeft);
        QVERIFY(!C().Drawing().marshallingMode);
        // The impaled builder has no third and fourth; choosing the other builder switches.
        Trigger("Impalearms1");
        QVERIFY(Checked("Impalearms1"));
        QVERIFY(!W().Button("Button3")->isVisible());
        QVERIFY(!W().Button("Button4")->isVisible());
        QCOMPARE(Panel2()->toolTip(), QString("Build impaled blazon"));
        Trigger("Quarterarms1");
        QVERIFY(Checked("Quarterarms1"));
        QVERIFY(!Checked("Impalearms1"));
        QVERIFY(W().Button("Button3")->isVisible());
        QVERIFY2(OnlySupporterNotes(), messages_.messages.empty() ? "" : messages_.messages.front().c_str());
    }

    void drawNewAndLookUpLeaveTheBuilder() {
        for (const char* button : {"DrawBtn", "NewBtn", "LookUpBtn"}) {
            Trigger("Impalearms1");
            QVERIFY(Panel2()->isVisible());
            Click(button);
            QVERIFY2(!Panel2()->isVisible(), button);
            QVERIFY(!Checked("Impalearms1"));
            QVERIFY(!C().Drawing().marshallingMode);
        }
    }

    void buildingQuartersFromSeparateTexts() {
        Trigger("Quarterarms1");
        QVERIFY(!W().Button("Button5")->isEnabled());
        const struct {
            const char* button;
            const char* blazon;
            Rect box;
            Rgb field;
        } steps[] = {{"Button1", "Or", kPaintBox3, kOr},
                     {"Button2", "Gules", kPaintBox5, kGules},
                     {"Button3", "Gules", kPaintBox4, kGules},
                     {"Button4", "Or", kPaintBox6, kOr}};
        for (const auto& s : steps) {
            Type(s.blazon);
            Click(s.button);
            // The reduced copy stands in its paint box beside the shield.
            QCOMPARE(Show(At(s.box.left + s.box.Width() / 2, s.box.top + s.box.Height() / 2)), Show(s.field));
            QCOMPARE(W().Button("Button5")->isEnabled(), std::string_view(s.button) == "Button4");
        }
        Click("Button5");
        // Equal texts for 1 and 4 and for 2 and 3 compose the short form.
        QCOMPARE(W().Memo()->toPlainText(), QString("Quarterly 1&4: Or 2&3: Gules"));
        QCOMPARE(Show(InImage(100, 120)), Show(kOr));
        QCOMPARE(Show(InImage(310, 120)), Show(kGules));
        QCOMPARE(Show(InImage(100, 360)), Show(kGules));
        QCOMPARE(Show(InImage(310, 360)), Show(kOr));
        QCOMPARE(Show(InImage(207, 100)), Show(esc::kBlack));
        QCOMPARE(Show(InImage(100, 240)), Show(esc::kBlack));
        // The builder stays open until it is left.
        QVERIFY(Panel2()->isVisible());
        QVERIFY2(OnlySupporterNotes(), messages_.messages.empty() ? "" : messages_.messages.front().c_str());
    }

    void buildingImpaledArms() {
        Trigger("Impalearms1");
        Type("Azure");
        Click("Button1");
        QVERIFY(!W().Button("Button5")->isEnabled());
        Type("Vert");
        Click("Button2");
        QVERIFY(W().Button("Button5")->isEnabled());
        Click("Button5");
        QCOMPARE(W().Memo()->toPlainText(), QString("Azure impaling: Vert"));
        QCOMPARE(Show(InImage(100, 240)), Show(kAzure));
        QCOMPARE(Show(InImage(310, 240)), Show(kVert));
    }

    // A marshalled text typed in the blazon box draws as the command line draws it, and the box
    // receives the composed text.
    void aMarshalledTextDrawsAsOnTheCommandLine() {
        const char* blazon = "Quarterly 1&4: Or a lion rampant gules 2&3: Azure three mullets or";
        Click("NewBtn");
        Type(blazon);
        Click("DrawBtn");
        QVERIFY2(OnlySupporterNotes(), messages_.messages.empty() ? "" : messages_.messages.front().c_str());
        QCOMPARE(W().Memo()->toPlainText(), QString("Quarterly 1&4: Or a lion rampant gules  2&3: Azure three mullets or"));
        QVERIFY(!Checked("Quarterarms1"));
        QVERIFY(!C().Drawing().marshallingMode);

        std::string error;
        const auto vocabulary = Vocabulary::Load(std::string(ESCAVAL_DATA_DIR "/words1.db"), &error);
        QVERIFY2(vocabulary.has_value(), error.c_str());
        CollectingSink sink;
        auto state = std::make_unique<DrawingState>(sink);
        state->vocabulary = &*vocabulary;
        state->dataDir = ESCAVAL_DATA_DIR;
        DrawHost plain;
        DrawBlazon(*state, blazon, plain);
        QCOMPARE(state->picture.Height(), 480);
        QVERIFY(C().Picture().Image1().Copy({0, 0, 415, 480}) == state->picture);
    }

    void aRefusedTextSaysWhyAndDrawsNothing() {
        Click("NewBtn");
        Type("Quarterly (1&4): Or 2&3: Azure");
        Click("DrawBtn");
        QCOMPARE(messages_.messages, std::vector<std::string>{"Improper format! - Expecting '1:' or '1&4:'"});
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(esc::kTeal));
        QCOMPARE(W().Memo()->toPlainText(), QString("Quarterly (1&4): Or 2&3: Azure"));
    }

    // The auto display steps through a marshalled entry like any other, with no message, and
    // goes on: the timer is armed again after the drawing.
    void autoDisplayRunsThroughMarshalledEntries() {
        std::string error;
        QVERIFY2(Db().Add("Zeal", "Quarterly 1: Azure 2: Or 3: Gules 4: Vert", &error), error.c_str());
        Click("BottomBtn");
        Click("PrevBtn");
        QVERIFY(Name() != QString("Zeal"));
        Click("AutoBtn");
        C().Timer1Timer();
        QCOMPARE(Name(), QString("Zeal"));
        QCOMPARE(Show(InImage(100, 120)), Show(kAzure));
        QCOMPARE(Show(InImage(310, 360)), Show(kVert));
        QVERIFY(W().Timer1().isActive());
        QVERIFY(C().Auto().On());
        QVERIFY(!Checked("Quarterarms1"));
        QVERIFY2(OnlySupporterNotes(), messages_.messages.empty() ? "" : messages_.messages.front().c_str());
    }
};

QObject* NewMarshallingWindowTest() { return new MarshallingWindowTest; }

}  // namespace esc::test

#include "MarshallingWindowTest.moc"
