// The window by keyboard and its messages: the auto-display button from a focused box, the
// search box, the keys of the menus, the Tab order, the message boxes and the blazon's count.

#include <QGridLayout>
#include <QLabel>

#include "interpret/marshal/Marshalling.h"
#include "tests/shell/WindowFixture.h"

namespace esc::test {

class KeyboardWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

    void Activate() {
        W().activateWindow();
        QVERIFY(Eventually([&] { return QApplication::activeWindow() == window_.get(); }));
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window_.get(), Qt::Key(key), modifiers);
    }

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    // A click into a box, then on "Off": the display goes on at once and the focus leaves the
    // box it was in, instead of the disabled box passing the focus on and stopping the display.
    void autoButtonStartsTheDisplayFromAFocusedBox_data() {
        QTest::addColumn<QString>("box");
        for (const char* box : {"NameBox1", "Memo1", "Edit2"}) QTest::newRow(box) << QString(box);
    }
    void autoButtonStartsTheDisplayFromAFocusedBox() {
        QFETCH(QString, box);
        Activate();
        auto* widget = W().findChild<QWidget*>(box);
        QVERIFY(widget);
        QTest::mouseClick(widget, Qt::LeftButton);
        QVERIFY(Eventually([&] { return widget->hasFocus(); }));
        Click("AutoBtn");
        QCOMPARE(W().GlyphButton("AutoBtn")->text(), QString("On"));
        QVERIFY(C().Auto().On());
        QVERIFY(W().Timer1().isActive());
        QVERIFY(!W().Button("DrawBtn")->isEnabled());
        QVERIFY(!widget->isEnabled());
        // From the keyboard: Space on the focused button pauses, Return switches the display off.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(W().GlyphButton("AutoBtn")));
        Key(Qt::Key_Space);
        QCOMPARE(C().Auto().Current(), app::AutoDisplay::State::Paused);
        Key(Qt::Key_Space);
        QCOMPARE(C().Auto().Current(), app::AutoDisplay::State::Running);
        Key(Qt::Key_Return);
        QCOMPARE(W().GlyphButton("AutoBtn")->text(), QString("Off"));
        QVERIFY(!W().Timer1().isActive());
        QVERIFY(W().Button("DrawBtn")->isEnabled());
        QVERIFY(widget->isEnabled());
    }

    void emptyingTheSearchBoxTurnsTheFilterOff() {
        Click("TopBtn");
        W().SearchBox()->setText("lion");
        Click("Searchbtn");
        QCOMPARE(Name(), QString("Baker"));
        W().SearchBox()->clear();
        QCOMPARE(Name(), QString("Baker"));  // the entry shown stays
        const char* names[] = {"Cole", "Dean", "Ellis"};
        for (const char* expected : names) {
            Click("NextBtn");
            QCOMPARE(Name(), QString(expected));
        }
    }

    void aSearchWithoutMatchSaysSoAndChangesNothing() {
        Click("TopBtn");
        Click("NextBtn");  // Baker, drawn
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kGules));
        W().SearchBox()->setText("unicorn");
        Click("Searchbtn");
        QCOMPARE(messages_.messages.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(messages_.messages[0]).contains("\"unicorn\""));
        QCOMPARE(Name(), QString("Baker"));
        QCOMPARE(W().Memo()->toPlainText(), QString("Gules a lion rampant or"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kGules));
        QVERIFY(W().ForwardButton()->isChecked());
        Click("NextBtn");
        QCOMPARE(Name(), QString("Cole"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kOr));
    }

    void returnInTheSearchBoxSearchesAndCtrlFGoesThere() {
        Activate();
        Click("TopBtn");
        W().Memo()->setFocus();
        QVERIFY(Eventually([&] { return W().Memo()->hasFocus(); }));
        W().SearchBox()->setText("lion");
        Key(Qt::Key_F, Qt::ControlModifier);
        QVERIFY(Eventually([&] { return W().SearchBox()->hasFocus(); }));
        QCOMPARE(W().SearchBox()->selectedText(), QString("lion"));  // typing replaces the words
        Key(Qt::Key_Return);
        QCOMPARE(Name(), QString("Baker"));
        Key(Qt::Key_Enter);
        QCOMPARE(Name(), QString("Dean"));
    }

    void keysStepDrawAndLeaveTheBlazonBox() {
        Activate();
        W().Memo()->setFocus();
        QVERIFY(Eventually([&] { return W().Memo()->hasFocus(); }));
        const struct {
            int key;
            Qt::KeyboardModifiers modifiers;
            const char* name;
        } steps[] = {{Qt::Key_Home, Qt::ControlModifier, "Abel"},  {Qt::Key_PageDown, Qt::NoModifier, "Baker"},
                     {Qt::Key_PageDown, Qt::NoModifier, "Cole"},   {Qt::Key_PageUp, Qt::NoModifier, "Baker"},
                     {Qt::Key_End, Qt::ControlModifier, "Ellis"}, {Qt::Key_Home, Qt::ControlModifier, "Abel"}};
        for (const auto& s : steps) {
            Key(s.key, s.modifiers);
            QCOMPARE(Name(), QString(s.name));
        }
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kAzure));
        W().Memo()->setFocus();
        W().Memo()->setPlainText("Vert");
        Key(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(W().Memo()->toPlainText(), QString("Vert"));  // no line break went in
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kVert));
        // Tab leaves the box without writing into it.
        W().Memo()->setFocus();
        Key(Qt::Key_Tab);
        QCOMPARE(W().Memo()->toPlainText(), QString("Vert"));
        QVERIFY(!W().Memo()->hasFocus());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(W().Button("LookUpBtn")));
    }

    void tabReachesEveryControlInReadingOrder() {
        Activate();
        W().NameBox()->setFocus();
        QVERIFY(Eventually([&] { return W().NameBox()->hasFocus(); }));
        const char* order[] = {"Memo1",    "LookUpBtn", "DrawBtn", "NewBtn",  "EditBtn",   "AddBtn",
                               "TopBtn",   "PrevBtn",   "NextBtn", "BottomBtn", "AutoBtn", "Edit2",
                               "Searchbtn"};
        for (const char* name : order) {
            Key(Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(name));
        }
        // The picture commands join the order once there is a picture.
        Click("DrawBtn");
        W().Button("AddBtn")->setFocus();
        Key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("FileOpenBtn"));
    }

    void menusShowTheirKeys() {
        const struct {
            const char* action;
            const char* key;
        } keys[] = {{"Exit1", "Ctrl+Q"},    {"Contents1", "F1"},       {"Find1", "Ctrl+F"},   {"DrawKey", "Ctrl+Return"},
                    {"TopKey", "Ctrl+Home"}, {"PrevKey", "PgUp"},       {"NextKey", "PgDown"}, {"BottomKey", "Ctrl+End"}};
        for (const auto& k : keys) {
            QAction* action = W().Action(k.action);
            QVERIFY2(action, k.action);
            QCOMPARE(action->shortcut(), QKeySequence(k.key));
            // The menu that lists it shows the key beside the caption.
            QVERIFY(!action->associatedObjects().isEmpty());
        }
    }

    // The box takes what a drawing reads whole: single arms in pieces cut at their clauses, a
    // marshalled text to its own bound. Past it the count turns red and Draw refuses the text.
    void theBlazonCountWarnsPastTheLimitAndDrawRefuses_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("over");
        QTest::newRow("one piece") << kMaxBlazonChars << false;
        QTest::newRow("two pieces") << kMaxBlazonChars + 1 << false;
        QTest::newRow("many pieces") << 1000 << false;
        QTest::newRow("past the pieces") << kMaxReadBlazonChars + 1 << true;
    }
    void theBlazonCountWarnsPastTheLimitAndDrawRefuses() {
        QFETCH(int, length);
        QFETCH(bool, over);
        auto* count = W().findChild<QLabel*>("BlazonCount");
        QVERIFY(count);
        Click("BottomBtn");
        Click("TopBtn");  // Abel, azure
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kAzure));
        messages_.messages.clear();
        // Clauses that leave the fess point green, however many pieces they take.
        std::string blazon = "Vert";
        while (blazon.size() + 14 <= static_cast<std::size_t>(length)) blazon += ", a bordure or";
        blazon.resize(static_cast<std::size_t>(length), ' ');
        W().Memo()->setFocus();  // text entry: Draw reads the box
        QVERIFY(C().State().textEntry);
        W().Memo()->setPlainText(QString::fromStdString(blazon));
        QCOMPARE(count->text(), QString("%1 / %2").arg(length).arg(kMaxReadBlazonChars));
        QCOMPARE(count->palette().color(QPalette::WindowText) == QColor(Qt::red), over);
        Click("DrawBtn");
        const bool refused = !messages_.messages.empty() &&
                             QString::fromStdString(messages_.messages[0]).contains("Shorten it and draw again");
        QCOMPARE(refused, over);
        if (over) QVERIFY(QString::fromStdString(messages_.messages[0]).contains(QString::number(length)));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(over ? kAzure : kVert));  // nothing cut and drawn
        // A marshalled text is held to its own bound, which the count then shows.
        const QString quartered = QString("Quarterly 1: Vert 2: Or 3: Or 4: Vert");
        W().Memo()->setPlainText(over ? quartered.leftJustified(kMaxMarshalledChars + 1, ' ') : quartered);
        QVERIFY(count->text().endsWith(QString(" / %1").arg(kMaxMarshalledChars)));
        QCOMPARE(count->palette().color(QPalette::WindowText) == QColor(Qt::red), over);
        messages_.messages.clear();
        Click("DrawBtn");
        QCOMPARE(!messages_.messages.empty() && QString::fromStdString(messages_.messages[0]).contains("Shorten it and draw again"), over);
    }
};

// The message boxes themselves: shown without a collecting sink.
class MessageBoxWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void cleanup() { TearDown(); }

    void errorsWarnQuestionsAskAndTitlesAreWhole() {
        SetUp();
        window_.reset();
        esc::qt::WindowOptions options;
        options.paths = paths_;
        options.seed = 1;
        options.firstRunPicture = false;
        window_ = std::make_unique<esc::qt::MainWindow>(options);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));

        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int width = 0, titleWidth = 0;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            width = box->sizeHint().width();
            titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
            box->accept();
        });
        W().Controller().Contents1Click();  // no help file in the data folder: an error
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(width > titleWidth + 100);

        WhenModal<QMessageBox>([&](QMessageBox* box) {
            icon = box->icon();
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!W().AskYesNo("Add", "Add this blazon to database?"));
        QCOMPARE(icon, QMessageBox::Question);
    }
};

QObject* NewKeyboardWindowTest() { return new KeyboardWindowTest; }
QObject* NewMessageBoxWindowTest() { return new MessageBoxWindowTest; }

}  // namespace esc::test

#include "KeyboardWindowTest.moc"
