#pragma once
// The real main window under the offscreen platform, on test data of its own: a data folder
// with the generated vocabulary and five shipped entries with plain fields, so that a picture
// tells which entry was drawn, and user and cache folders in a temporary folder.

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
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
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

namespace esc::test {

namespace app = esc::app;
namespace fs = std::filesystem;

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

inline QString Show(Rgb c) { return QString("(%1, %2, %3)").arg(c.r).arg(c.g).arg(c.b); }

// Names the polling timers of WhenModal, which the fixture's TearDown stops: a wait that a test
// left unanswered never answers a dialog of the next test.
inline const char* const kWhenModalTimer = "whenModal";

// Answers the next modal dialog of type T with `act`, once it is shown. The polling timer
// belongs to the application and deletes itself when it has acted or given up after 5 s with no
// dialog up: while another dialog is answered first (a file chosen, then the viewer it opens),
// however slowly on a busy machine, the wait does not run out. A dialog of another type left up
// for 30 s is closed with a warning, so a test that failed to answer it fails on what it then
// sees, where it would hang until the suite's time-out.
template <class T>
void WhenModal(std::function<void(T*)> act) {
    constexpr int kPollMs = 10, kMaxIdlePolls = 500, kMaxPolls = 3000;
    auto* timer = new QTimer(qApp);
    timer->setObjectName(kWhenModalTimer);
    timer->setInterval(kPollMs);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act), idle = 0, polls = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = dynamic_cast<T*>(modal);
        ++polls;
        if (!dialog && modal == nullptr && ++idle < kMaxIdlePolls) return;
        if (!dialog && modal != nullptr && polls < kMaxPolls) return;
        timer->stop();
        if (dialog) {
            act(dialog);
        } else if (modal != nullptr) {
            qWarning("A %s was left up while a %s was awaited: it is closed.", modal->metaObject()->className(),
                     T::staticMetaObject.className());
            if (auto* left = qobject_cast<QDialog*>(modal)) left->reject();
            else modal->close();
        }
        timer->deleteLater();
    });
    timer->start();
}

// Turns the event loop until `done` holds, for at most 5 s; false if it never did. It looks again
// after every turn of the loop (QTRY_* looks every 50 ms), so a test waits for its event only.
// Before a comparison, its result may be left unused: the comparison then tells what was seen.
template <class F>
bool Eventually(F done) {
    return QTest::qWaitFor(done, 5000);
}

// Chooses `path` in a file dialog and accepts it. selectFile leaves the name box alone while the
// box has the focus, and whether it has depends on when the dialog was activated: on a busy
// machine the box kept no name, the dialog stayed up and the next wait never answered. The path
// is written into the box as well, so the choice never depends on that timing.
inline void ChooseFileIn(QFileDialog* dialog, const QString& path) {
    dialog->selectFile(path);
    if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit")) name->setText(path);
    static_cast<QDialog*>(dialog)->accept();
}

inline void AnswerQuestion(QMessageBox::StandardButton answer) {
    WhenModal<QMessageBox>([answer](QMessageBox* box) { box->button(answer)->click(); });
}

class WindowFixture {
protected:
    std::unique_ptr<QTemporaryDir> dir_;
    esc::CollectingSink messages_;
    std::unique_ptr<esc::qt::MainWindow> window_;
    app::AppPaths paths_;
    esc::qt::YesNoAsker* asker_ = nullptr;  // null: the questions come as message boxes

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
        options.asker = asker_;
        options.seed = 1;
        options.firstRunPicture = false;
        window_ = std::make_unique<esc::qt::MainWindow>(options);
        // The design's size whatever the test platform's screen (the offscreen one is 800 by
        // 600, where a new window takes its minimum): the picture shown as drawn.
        const int bars = window_->menuBar()->sizeHint().height() + window_->statusBar()->sizeHint().height();
        window_->resize(app::kDesignWidth, app::kDesignHeight + bars);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    // A fresh data folder and a window on it.
    void SetUp() {
        dir_ = std::make_unique<QTemporaryDir>();
        const std::string root = dir_->path().toStdString();
        paths_.dataDir = root + "/data";
        paths_.userDataDir = root + "/user";
        paths_.cacheDir = root + "/cache";
        fs::create_directories(paths_.dataDir);
        fs::create_symlink(std::string(ESCAVAL_DATA_DIR "/words1.db"), paths_.DataFile("words1.db"));
        if (fs::exists(std::string(ESCAVAL_DATA_DIR "/lpics")))
            fs::create_directory_symlink(std::string(ESCAVAL_DATA_DIR "/lpics"), paths_.DataFile("lpics"));
        esc::test::WriteBlazonDatabase(paths_.DataFile("escaval1.db"), kShipped, true);
        messages_.messages.clear();
        OpenWindow();
    }
    void TearDown() {
        for (QTimer* timer : qApp->findChildren<QTimer*>(kWhenModalTimer, Qt::FindDirectChildrenOnly)) delete timer;
        window_.reset();
        dir_.reset();
    }
};

}  // namespace esc::test

