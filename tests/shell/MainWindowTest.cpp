// The main window: every handler is reached through its button, menu entry or key, and every
// picture is checked in the off-screen picture area at points computed from the design.

#include "tests/shell/WindowFixture.h"

namespace esc::test {

class MainWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init() { SetUp(); }
    void cleanup() { TearDown(); }

    void startsOnAnEntryWithoutDrawing() {
        QCOMPARE(W().windowTitle(), QString("ESCAVAL! 95"));
        QVERIFY(!Name().isEmpty());
        QCOMPARE(W().Memo()->toPlainText().toStdString(), Db().Blazon());
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(esc::kTeal));
        QVERIFY(!W().GlyphButton("SaveButton")->isEnabled());
        QVERIFY(messages_.messages.empty());
    }

    void drawPaintsTheShieldInTheWindow() {
        QTest::mouseClick(W().Button("NewBtn"), Qt::LeftButton);
        QVERIFY(Name().isEmpty());
        QTest::keyClicks(W().Memo(), "Gules");
        Click("DrawBtn");
        QCOMPARE(Name(), QString("Unknown"));  // a Draw with no surname names it
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kGules));
        QCOMPARE(Show(At(app::kImage1Rect.left + 207, app::kImage1Rect.top + 300)), Show(kGules));
        // Outside Image1, and below the point of the shield, the window stays teal.
        QCOMPARE(Show(At(app::kImage1Rect.left - 10, kFieldY)), Show(esc::kTeal));
        QCOMPARE(Show(At(app::kImage1Rect.left + 3, app::kImage1Rect.bottom - 3)), Show(esc::kTeal));
        // The widget shows what the area holds.
        const QImage shown = W().Picture()->grab().toImage();
        const QRgb pixel = shown.pixel(kFieldX, kFieldY - app::kPictureAreaTop);
        QCOMPARE(Show({uchar(qRed(pixel)), uchar(qGreen(pixel)), uchar(qBlue(pixel))}), Show(kGules));
        QVERIFY(W().GlyphButton("SaveButton")->isEnabled());
        QVERIFY(W().Action("Print1")->isEnabled());
    }

    void drawWithAnEmptyBlazonDoesNothing() {
        Click("NewBtn");
        Click("DrawBtn");
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(esc::kTeal));
        QVERIFY(Name().isEmpty());
    }

    void navigationRedrawsEachEntry() {
        Click("BottomBtn");
        Click("TopBtn");
        QCOMPARE(Name(), QString("Abel"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kAzure));
        const struct {
            const char* button;
            const char* name;
            Rgb field;
        } steps[] = {{"NextBtn", "Baker", kGules}, {"NextBtn", "Cole", kOr},     {"PrevBtn", "Baker", kGules},
                     {"BottomBtn", "Ellis", kSable}, {"NextBtn", "Ellis", kSable}, {"TopBtn", "Abel", kAzure}};
        for (const auto& s : steps) {
            Click(s.button);
            QCOMPARE(Name(), QString(s.name));
            QCOMPARE(Show(At(kFieldX, kFieldY)), Show(s.field));
        }
    }

    void searchFindsAndTurnsAtTheEnd() {
        Click("TopBtn");
        W().SearchBox()->setText("LION");
        Click("Searchbtn");
        QCOMPARE(Name(), QString("Baker"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kGules));
        Click("Searchbtn");
        QCOMPARE(Name(), QString("Dean"));
        QVERIFY(W().ForwardButton()->isChecked());
        // No match beyond: the search stays on the last, draws it and turns.
        Click("Searchbtn");
        QCOMPARE(Name(), QString("Dean"));
        QVERIFY(W().BackwardButton()->isChecked());
        QVERIFY(!W().ForwardButton()->isChecked());
        Click("Searchbtn");
        QCOMPARE(Name(), QString("Baker"));
        // The direction buttons set the direction.
        QTest::mouseClick(W().ForwardButton(), Qt::LeftButton);
        Click("Searchbtn");
        QCOMPARE(Name(), QString("Dean"));
    }

    void autoDisplayTurnsAtBothEndsAndPausesWithSpace() {
        Click("BottomBtn");
        Click("PrevBtn");  // Dean
        Click("AutoBtn");
        QCOMPARE(W().GlyphButton("AutoBtn")->text(), QString("On"));
        QVERIFY(W().Timer1().isActive());
        QCOMPARE(W().Timer1().interval(), 4000);
        QVERIFY(!W().Button("DrawBtn")->isEnabled());
        QVERIFY(!W().NameBox()->isEnabled());
        QVERIFY(!W().menuBar()->actions().front()->isEnabled());  // the File menu

        // Forward to the end; a step into the end draws nothing, the next one turns.
        const char* names[] = {"Ellis", "Ellis", "Dean", "Cole", "Baker", "Abel", "Abel", "Baker"};
        for (const char* expected : names) {
            C().Timer1Timer();
            QCOMPARE(Name(), QString(expected));
            QVERIFY(W().Timer1().isActive());  // re-armed after every step
        }
        QVERIFY(W().ForwardButton()->isChecked());

        Space();
        QVERIFY(!W().Timer1().isActive());
        QCOMPARE(C().Auto().Current(), app::AutoDisplay::State::Paused);
        C().Timer1Timer();  // a tick while paused does nothing
        QCOMPARE(Name(), QString("Baker"));
        Space();
        QVERIFY(W().Timer1().isActive());
        C().Timer1Timer();
        QCOMPARE(Name(), QString("Cole"));

        Click("AutoBtn");
        QCOMPARE(W().GlyphButton("AutoBtn")->text(), QString("Off"));
        QVERIFY(!W().Timer1().isActive());
        QVERIFY(W().Button("DrawBtn")->isEnabled());
        Space();  // Space while the display is off does nothing
        QVERIFY(!W().Timer1().isActive());
    }

    void autoDisplayWithSearchWordsStepsFromHitToHit() {
        Click("TopBtn");
        W().SearchBox()->setText("lion");
        Click("AutoBtn");
        C().Timer1Timer();
        QCOMPARE(Name(), QString("Baker"));
        C().Timer1Timer();
        QCOMPARE(Name(), QString("Dean"));
        QVERIFY(C().Auto().On());
        QVERIFY(W().Timer1().isActive());
    }

    void lookUpGoesToTheNearestSurname() {
        W().NameBox()->setText("Co");
        Click("LookUpBtn");
        QCOMPARE(Name(), QString("Cole"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kOr));
        W().NameBox()->setText("");
        Click("LookUpBtn");
        QCOMPARE(messages_.messages.back(), std::string("No surname entered!"));
    }

    void addStoresAUserEntryWhenConfirmed() {
        const int before = Db().Main().RecordCount();
        Click("NewBtn");
        QTest::keyClicks(W().NameBox(), "Baker");
        QTest::keyClicks(W().Memo(), "Argent a fess azure");
        AnswerQuestion(QMessageBox::No);
        Click("AddBtn");
        QCOMPARE(Db().Main().RecordCount(), before);
        AnswerQuestion(QMessageBox::Yes);
        Click("AddBtn");
        QCOMPARE(Db().Main().RecordCount(), before + 1);
        AnswerQuestion(QMessageBox::Yes);
        Click("AddBtn");  // the same surname again is a second entry
        QCOMPARE(Db().Main().RecordCount(), before + 2);
        Trigger("Useradded2");
        QCOMPARE(Db().Main().RecordCount(), 2);
        QCOMPARE(Name(), QString("Baker"));

        Click("NewBtn");
        Click("AddBtn");
        QCOMPARE(messages_.messages.back(), std::string("No blazon entered!"));
    }

    // A blazon a drawing reads in pieces (longer than one piece's 199 characters) is stored whole
    // and comes back whole.
    void aLongBlazonIsSavedAndLoadedWhole() {
        const std::string blazon = "Argent, a fess azure between three mullets of six points gules pierced of the "
                                   "field; on a chief indented sable three escallops argent; a bordure engrailed gules "
                                   "charged with eight bezants; a canton ermine charged with a lion rampant sable";
        AnswerQuestion(QMessageBox::Yes);
        Click("NewBtn");
        W().NameBox()->setText("Longman");
        W().Memo()->setPlainText(QString::fromStdString(blazon));
        Click("AddBtn");
        Trigger("Useradded2");
        Click("TopBtn");
        QCOMPARE(Name(), QString("Longman"));
        QCOMPARE(W().Memo()->toPlainText().toStdString(), blazon);
        QCOMPARE(Db().Blazon(), blazon);
        messages_.messages.clear();
        Click("DrawBtn");
        for (const std::string& m : messages_.messages) QVERIFY2(m.find("Shorten") == std::string::npos, m.c_str());
        QVERIFY(!(At(kFieldX, kFieldY) == esc::kTeal));  // drawn, not left as the backdrop
    }

    void filtersChooseTheEntriesShown() {
        AnswerQuestion(QMessageBox::Yes);
        Click("NewBtn");
        QTest::keyClicks(W().Memo(), "Purpure");
        Click("AddBtn");
        W().SearchBox()->setText("lion");
        const struct {
            const char* action;
            int rows;
        } cases[] = {{"Original2", 5}, {"Useradded2", 1}, {"Combined2", 6}};
        for (const auto& c : cases) {
            Trigger(c.action);
            QVERIFY(W().Action(c.action)->isChecked());
            QVERIFY(W().SearchBox()->text().isEmpty());
            QCOMPARE(Db().Main().RecordCount(), c.rows);
        }
        Trigger("Useradded2");
        QCOMPARE(Name(), QString("Unknown"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(esc::kPalette[esc::kPurpure]));  // the filter change draws
    }

    void firstRunPictureAndSupporters() {
        esc::Bitmap first(415, 520, kBlue);
        WriteBmp("first.bmp", first);
        esc::Bitmap lion(250, 500, esc::kWhite);
        lion.FillRect({100, 200, 150, 300}, kGules);
        WriteBmp("lionl1.bmp", lion);
        WriteBmp("lionr1.bmp", lion);
        C().Timer2Timer();
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kBlue));
        // "version 2.0" is written in black across the middle, at y = 350 of the picture.
        int black = 0;
        for (int y = 350; y < 370; ++y)
            for (int x = 150; x < 265; ++x) black += C().Picture().Image1().Pixel(x, y) == esc::kBlack;
        QVERIFY(black > 20);
        for (int x : {app::kLeftSupporterX, app::kRightSupporterX}) {
            QCOMPARE(Show(At(x + 120, app::kSupporterY + 250)), Show(kGules));
            QCOMPARE(Show(At(x + 10, app::kSupporterY + 10)), Show(esc::kTeal));  // white is transparent
        }
        QVERIFY(messages_.messages.empty());
        // A drawing leaves the supporters standing.
        Click("DrawBtn");
        QCOMPARE(Show(At(app::kLeftSupporterX + 120, app::kSupporterY + 250)), Show(kGules));
    }

    void missingPicturesAreReportedAndTheWindowGoesOn() {
        C().Timer2Timer();
        QCOMPARE(messages_.messages, (std::vector<std::string>{"Cannot read the picture 'first.bmp'.",
                                                               "Could not load 'lionl1.bmp'"}));
        Click("BottomBtn");
        Click("TopBtn");
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kAzure));
    }

    void aDamagedDatabaseIsSetAsideAtStart() {
        window_.reset();
        fs::remove(paths_.UserFile("escaval1.db"));
        QFile bad(QString::fromStdString(paths_.UserFile("escaval1.db")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("this is not a database");
        bad.close();
        messages_.messages.clear();
        OpenWindow();
        QVERIFY(Eventually([&] { return !messages_.messages.empty(); }));
        QVERIFY(messages_.messages.front().find("was damaged") != std::string::npos);
        QCOMPARE(Db().Main().RecordCount(), 5);
    }

    void exitRemovesTheScreenSnapshot() {
        C().TakeScreenSnapshot();
        const std::string snapshot = paths_.CacheFile("screen.bmp");
        QVERIFY(fs::exists(snapshot));
        const auto bitmap = esc::ReadBmp(snapshot);
        QVERIFY(bitmap.has_value());
        QCOMPARE(bitmap->Width(), app::kDesignWidth - 2);
        QCOMPARE(bitmap->Height(), app::kSnapshotHeight);
        Trigger("Exit1");
        QVERIFY(!fs::exists(snapshot));
        QVERIFY(!W().isVisible());
    }

    // Destroying the window with the focus inside it moves the focus while the widgets go: no
    // handler may be reached then, when the controller is already gone (the sanitizer build
    // reports any call into the half-destroyed window). The focus is made certain to be inside,
    // and the database form, with its grid and models, to be among the children.
    void destroyingTheWindowWithTheFocusInsideReachesNoHandler() {
        WhenModal<esc::qt::DatabaseForm>([](esc::qt::DatabaseForm* form) { form->reject(); });
        Trigger("Database1");
        QVERIFY(W().findChild<esc::qt::DatabaseForm*>());
        W().activateWindow();
        QVERIFY(Eventually([&] { return QApplication::activeWindow() == window_.get(); }));
        W().Memo()->setFocus();
        QVERIFY(Eventually([&] { return W().Memo()->hasFocus(); }));
        QVERIFY(C().State().textEntry);  // the focus handler ran while the window was whole
        window_.reset();
        QVERIFY(!QApplication::focusWidget());
    }

    void enteringTheBlazonBoxDrawsWhatItHolds() {
        Click("BottomBtn");
        Click("TopBtn");
        QVERIFY(!C().State().textEntry);
        W().Memo()->setFocus();
        QVERIFY(C().State().textEntry);
        W().Memo()->setPlainText("Vert");
        Click("DrawBtn");
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kVert));
        QCOMPARE(Name(), QString("Abel"));
        // A record change still loads the record into the boxes, and draws it.
        Click("NextBtn");
        QCOMPARE(W().Memo()->toPlainText(), QString("Gules a lion rampant or"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(kGules));
        // The Edit menu works on the blazon box.
        W().Memo()->selectAll();
        Trigger("Cut1");
        QVERIFY(W().Memo()->toPlainText().isEmpty());
        Trigger("Paste1");
        QCOMPARE(W().Memo()->toPlainText(), QString("Gules a lion rampant or"));
    }
};

QObject* NewMainWindowTest() { return new MainWindowTest; }

}  // namespace esc::test

#include "MainWindowTest.moc"
