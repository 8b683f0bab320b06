// The status bar's note on the last drawing: drawn by hand or by the auto display, what the
// reading missed is named there, and the auto display goes on past a drawing with a message.

#include <QRegularExpression>
#include <QStatusBar>

#include "shell/qt/StatusNote.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

class StatusNoteWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    QString Note() { return W().Note()->Text(); }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void theNoteFollowsEveryDrawingByHand() {
        QVERIFY(W().statusBar()->isVisible());
        QVERIFY(W().Note()->isVisible());
        QVERIFY(Note().isEmpty());  // nothing drawn yet
        Click("TopBtn");
        Click("DrawBtn");  // Abel, "Azure"
        QVERIFY2(QRegularExpression("^Drawn as written in [0-9]+(\\.[0-9])? ms$").match(Note()).hasMatch(), qPrintable(Note()));
        W().Memo()->setFocus();
        W().Memo()->setPlainText("Gules a bend zorp or");
        Click("DrawBtn");
        QVERIFY2(Note().startsWith("1 word not understood: zorp \u00b7 "), qPrintable(Note()));
        QVERIFY(Note().contains("Drawn in "));
        QVERIFY(W().Note()->toolTip() == Note());
        // A message of a drawing by hand is still a message box, and the note repeats it.
        W().Memo()->setPlainText("Wibble argent");
        Click("DrawBtn");
        QCOMPARE(messages_.messages, std::vector<std::string>{"Color or partition required: 'Wibble' was not read."});
        QVERIFY2(Note().contains("Color or partition required: 'Wibble' was not read."), qPrintable(Note()));
    }

    // Two entries past the last shipped one: one whose drawing brings a message, one with a word
    // the vocabulary lacks. The display draws both without a message box and goes on.
    void theAutoDisplayShowsTheNoteAndGoesOn() {
        std::string error;
        QVERIFY2(Db().Add("Fox", "Wibble argent", &error), error.c_str());
        QVERIFY2(Db().Add("Gray", "Azure a wibblet or", &error), error.c_str());
        Click("BottomBtn");
        QCOMPARE(Name(), QString("Gray"));
        Click("PrevBtn");
        Click("PrevBtn");
        QCOMPARE(Name(), QString("Ellis"));
        messages_.messages.clear();
        Click("AutoBtn");
        C().Timer1Timer();
        QCOMPARE(Name(), QString("Fox"));
        QVERIFY2(messages_.messages.empty(), messages_.messages.front().c_str());  // no box: the display did not stop
        QVERIFY(C().Auto().On());
        QVERIFY(W().Timer1().isActive());
        QVERIFY2(Note().startsWith("1 word not understood: wibble"), qPrintable(Note()));
        QVERIFY2(Note().contains("Color or partition required: 'Wibble' was not read."), qPrintable(Note()));
        C().Timer1Timer();
        QCOMPARE(Name(), QString("Gray"));
        QVERIFY2(Note().startsWith("1 word not understood: wibblet"), qPrintable(Note()));
        QVERIFY(W().Timer1().isActive());
        QVERIFY(messages_.messages.empty());
        // Switched off, a drawing's message is a message box again.
        Click("AutoBtn");
        Click("PrevBtn");
        QCOMPARE(messages_.messages, std::vector<std::string>{"Color or partition required: 'Wibble' was not read."});
    }
};

QObject* NewStatusNoteWindowTest() { return new StatusNoteWindowTest; }

}  // namespace esc::test

#include "StatusNoteWindowTest.moc"
