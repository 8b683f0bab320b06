// The real main window under the offscreen platform: every handler is reached through its
// button, menu entry or key, and every picture is checked in the off-screen picture area at
// points computed from the design's geometry.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <memory>

#include "database/BlazonDatabase.h"
#include "database/BlazonSchema.h"
#include "database/UserDatabase.h"
#include "engine/Palette.h"
#include "shell/qt/DatabaseForm.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/PictureWidget.h"
#include "shell/qt/QtBitmap.h"
#include "shell/qt/SimpleForms.h"
#include "tests/database/BlazonTestData.h"

using esc::Rgb;
namespace app = esc::app;
namespace fs = std::filesystem;

namespace {

// The shipped entries of the test data: plain fields, so that a picture tells which was drawn.
const std::vector<esc::test::BlazonRow> kShipped = {
    {"Abel", 1, "Azure", "T"},
    {"Baker", 1, "Gules a lion rampant or", "T"},
    {"Cole", 1, "Or", "T"},
    {"Dean", 1, "Vert a lion rampant argent", "T"},
    {"Ellis", 1, "Sable", "T"},
};

const Rgb kAzure = esc::kPalette[esc::kAzure], kGules = esc::kPalette[esc::kGules], kOr = esc::kPalette[esc::kOr],
          kVert = esc::kPalette[esc::kVert], kSable = esc::kPalette[esc::kSable], kBlue{0, 0, 255};

// A point of the field in every test blazon: high on the dexter side, clear of the charges.
constexpr int kFieldX = app::kImage1Rect.left + 40, kFieldY = app::kImage1Rect.top + 40;

QString Show(Rgb c) { return QString("(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b); }

// Answers the next modal dialog of type T with `act`, once it is shown.
template <class T>
void WhenModal(std::function<void(T*)> act) {
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, tries, poll] {
        if (auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget())) {
            act(dialog);
        } else if (++*tries < 500) {
            QTimer::singleShot(10, *poll);
        }
    };
    QTimer::singleShot(0, *poll);
}

void AnswerQuestion(QMessageBox::StandardButton answer) {
    WhenModal<QMessageBox>([answer](QMessageBox* box) { box->button(answer)->click(); });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir_;
    esc::CollectingSink messages_;
    std::unique_ptr<esc::qt::MainWindow> window_;
    app::AppPaths paths_;

    esc::qt::MainWindow& W() { return *window_; }
    app::WindowController& C() { return window_->Controller(); }
    esc::db::BlazonDatabase& Db() { return *C().Database(); }
    Rgb At(int x, int y) { return C().Picture().At(x, y); }
    QString Name() { return W().NameBox()->text(); }
    void Click(const char* name) {
        if (QPushButton* b = W().Button(name)) return QTest::mouseClick(b, Qt::LeftButton);
        QTest::mouseClick(W().GlyphButton(name), Qt::LeftButton);
    }
    void Trigger(const char* action) { W().Action(action)->trigger(); }
    void Space() {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : window_.get(), Qt::Key_Space);
    }
    void WriteBmp(const std::string& name, const esc::Bitmap& bitmap) {
        QVERIFY(esc::WriteBmp(bitmap, paths_.DataFile(name)));
    }
    void OpenWindow() {
        window_.reset();
        esc::qt::WindowOptions options;
        options.paths = paths_;
        options.messages = &messages_;
        options.seed = 1;
        options.firstRunPicture = false;
        window_ = std::make_unique<esc::qt::MainWindow>(options);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        const std::string root = dir_->path().toStdString();
        paths_.dataDir = root + "/data";
        paths_.userDataDir = root + "/user";
        paths_.cacheDir = root + "/cache";
        fs::create_directories(paths_.dataDir);
        fs::create_symlink(std::string(ESCAVAL_DATA_DIR) + "/words1.db", paths_.DataFile("words1.db"));
        if (fs::exists(std::string(ESCAVAL_DATA_DIR) + "/lpics"))
            fs::create_directory_symlink(std::string(ESCAVAL_DATA_DIR) + "/lpics", paths_.DataFile("lpics"));
        esc::test::WriteBlazonDatabase(paths_.DataFile("escaval1.db"), kShipped, true);
        messages_.messages.clear();
        OpenWindow();
    }

    void cleanup() {
        window_.reset();
        dir_.reset();
    }

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

    void importAddsTheFileAsUserEntries() {
        const QString file = dir_->path() + "/uescaval.txt";
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("Fisher Argent a fess gules\r\nGrant Gules three antique crowns or\nHardy Vert");
        out.close();
        // Cancel at the confirmation changes nothing.
        WhenModal<esc::qt::ImportDialog>([](esc::qt::ImportDialog* d) { d->reject(); });
        Trigger("Userfile1");
        QCOMPARE(Db().Main().RecordCount(), 5);

        WhenModal<esc::qt::ImportDialog>([file](esc::qt::ImportDialog* d) {
            WhenModal<QFileDialog>([file](QFileDialog* f) {
                QCOMPARE(f->windowTitle(), QString("Import User Blazon file"));
                f->selectFile(file);
                static_cast<QDialog*>(f)->accept();
            });
            d->accept();
        });
        Trigger("Userfile1");
        QCOMPARE(Db().Main().RecordCount(), 8);
        QCOMPARE(messages_.messages.back(), "Imported 3 entries from '" + file.toStdString() + "'.");
        QVERIFY(fs::exists(paths_.CacheFile("screen.bmp")));
        Trigger("Useradded2");
        QCOMPARE(Db().Main().RecordCount(), 3);
    }

    void importOfAMissingFileSaysSo() {
        const QString missing = dir_->path() + "/gone.txt";
        QFile(missing).open(QIODevice::WriteOnly);
        WhenModal<esc::qt::ImportDialog>([missing](esc::qt::ImportDialog* d) {
            WhenModal<QFileDialog>([missing](QFileDialog* f) {
                f->selectFile(missing);
                QFile::remove(missing);  // gone between the choice and the reading
                static_cast<QDialog*>(f)->done(QDialog::Accepted);
            });
            d->accept();
        });
        Trigger("Userfile1");
        QCOMPARE(messages_.messages.back(), std::string("Unable to open chosen file!"));
        QCOMPARE(Db().Main().RecordCount(), 5);
    }

    void theBrowserEditsAndTheWindowFollowsIt() {
        Click("TopBtn");
        WhenModal<esc::qt::DatabaseForm>([](esc::qt::DatabaseForm* form) {
            QCOMPARE(form->windowTitle(), QString("ESCAVAL! database"));
            QCOMPARE(form->Model()->rowCount(), 5);
            QCOMPARE(form->Model()->data(form->Model()->index(0, 0), Qt::DisplayRole).toString(), QString("Abel"));
            form->Navigate("Last");
            form->Navigate("Prior");
            QVERIFY(form->Model()->setData(form->Model()->index(3, 1), "Purpure", Qt::EditRole));
            form->Navigate("Insert");
            const int row = form->Model()->PendingRow();
            form->Model()->setData(form->Model()->index(row, 0), "Zouche", Qt::EditRole);
            form->Model()->setData(form->Model()->index(row, 1), "Gules ten bezants", Qt::EditRole);
            form->Navigate("Post");
            QCOMPARE(form->Model()->rowCount(), 6);
            form->Navigate("Prior");
            QTest::mouseClick(form->findChild<QPushButton*>("Exit"), Qt::LeftButton);
        });
        Trigger("Database1");
        QCOMPARE(Name(), QString("Ellis"));  // where the form was left
        QCOMPARE(Db().Main().RecordCount(), 6);
        Click("PrevBtn");
        QCOMPARE(Name(), QString("Dean"));
        QCOMPARE(W().Memo()->toPlainText(), QString("Purpure"));
        QCOMPARE(Show(At(kFieldX, kFieldY)), Show(esc::kPalette[esc::kPurpure]));
        Trigger("Useradded2");
        QCOMPARE(Name(), QString("Zouche"));
    }

    void theTimerDialogSetsTheIntervalAndCancelKeepsIt() {
        WhenModal<esc::qt::SetTimerForm>([](esc::qt::SetTimerForm* form) {
            QCOMPARE(form->SpinEdit1()->value(), 4);
            QCOMPARE(form->SpinEdit1()->minimum(), 1);
            QCOMPARE(form->SpinEdit1()->maximum(), 10);
            form->SpinEdit1()->setValue(10);
            QTest::mouseClick(form->findChild<QPushButton*>("OK"), Qt::LeftButton);
        });
        Trigger("SetAutotimer1");
        QCOMPARE(C().Auto().Seconds(), 10);
        WhenModal<esc::qt::SetTimerForm>([](esc::qt::SetTimerForm* form) {
            QCOMPARE(form->SpinEdit1()->value(), 10);
            form->SpinEdit1()->setValue(2);
            QTest::mouseClick(form->findChild<QPushButton*>("Cancel"), Qt::LeftButton);
        });
        Trigger("SetAutotimer1");
        QCOMPARE(C().Auto().Seconds(), 10);
        Click("AutoBtn");
        QCOMPARE(W().Timer1().interval(), 10000);
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
        QTRY_VERIFY(!messages_.messages.empty());
        QVERIFY(messages_.messages.front().find("was damaged") != std::string::npos);
        QCOMPARE(Db().Main().RecordCount(), 5);
    }

    void readmeAboutAndHelpOpen() {
        Trigger("reader");
        QCOMPARE(messages_.messages.back(), std::string("Cannot open the file 'readme.rtf'."));
        QFile rtf(QString::fromStdString(paths_.DataFile("readme.rtf")));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1 {\\b Bold} and {\\i italic}\\par}");
        rtf.close();
        QString shown;
        WhenModal<esc::qt::ReadmeForm>([&shown](esc::qt::ReadmeForm* form) {
            shown = form->Text()->toPlainText();
            QVERIFY(form->Text()->toHtml().contains("font-weight:700"));
            form->accept();
        });
        Trigger("reader");
        QCOMPARE(shown, QString("Bold and italic"));
        WhenModal<esc::qt::AboutBox>([](esc::qt::AboutBox* box) {
            QCOMPARE(box->windowTitle(), QString("About ESCAVAL! 95"));
            box->accept();
        });
        Trigger("About1");
        Trigger("Contents1");
        QCOMPARE(messages_.messages.back(), std::string("Cannot open the help file 'help.html'."));
        QVERIFY(C().State().helpShown);
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
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
