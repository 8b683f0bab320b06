// Takes the screenshots of the README: the window with a drawn shield and its supporters, and
// the dialogs. Built on request (not by a plain build), run under a display (Xvfb):
//
//   cmake --build build --target window_screenshots
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/window_screenshots docs/screenshots
//
// It works in a temporary user folder, so the user's own database is not touched.
//
//   window_screenshots --window FILE [--fill]
//
// saves only the main window as it opens on the display's screen (with --fill, grown to the whole
// screen, as maximised): the layout on screens of other sizes and scales.
//
//   window_screenshots --tour DIR SUFFIX
//
// saves, as a new user meets them on the display's screen (run it once plainly and once with
// QT_SCALE_FACTOR=2): the window as it opens, the quartered builder with its four parts and
// after Show, the save dialog on the achievement, and the auto display running and paused. Each
// file name ends in SUFFIX.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

#include "database/BlazonDatabase.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/SimpleForms.h"

namespace {

QString g_out;

// Messages go to stderr: a message box would stop the run.
class PrintingSink final : public esc::MessageSink {
public:
    void Show(std::string_view text) override { std::fprintf(stderr, "message: %.*s\n", int(text.size()), text.data()); }
};

void Save(QWidget* widget, const QString& name) {
    const QString path = g_out + "/" + name;
    if (!widget->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else std::printf("%s\n", qPrintable(path));
}

// Grabs the modal dialog that `open` shows, then closes it.
void GrabModal(const QString& name, const std::function<void()>& open) {
    QTimer::singleShot(600, [name] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Save(modal, name);
            modal->close();
        }
    });
    open();
}

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_screenshots OUTPUT_DIR [BLAZON]\n       window_screenshots --window FILE [--fill]\n");
        return 2;
    }
    const bool windowOnly = QString(argv[1]) == "--window";
    if (windowOnly && argc < 3) return 2;
    g_out = windowOnly ? QFileInfo(argv[2]).absolutePath() : QString(argv[1]);
    QDir().mkpath(g_out);
    const QString home = QDir::tempPath() + "/escaval-screenshots";
    QDir(home).removeRecursively();

    esc::qt::WindowOptions options;
    options.paths.dataDir = ESCAVAL_DATA_DIR;
    options.paths.userDataDir = (home + "/data").toStdString();
    options.paths.cacheDir = (home + "/cache").toStdString();
    options.seed = 7;
    PrintingSink sink;
    options.messages = &sink;
    esc::qt::MainWindow window(options);
    if (QString(argv[1]) == "--tour") {
        if (argc < 4) return 2;
        g_out = argv[2];
        QDir().mkpath(g_out);
        const QString suffix = argv[3];
        auto& c = window.Controller();
        window.show();
        Settle(1500);
        c.Database()->LookUp("Arnot");
        Settle(300);
        Save(&window, "tour-window" + suffix + ".png");

        c.Quarterarms1Click();
        const char* parts[] = {"Gules a lion rampant or", "Azure three mullets argent", "Or a chevron sable",
                               "Gules a lion rampant or"};
        for (int n = 0; n < 4; ++n) {
            window.Memo()->setPlainText(parts[n]);
            c.Memo1Enter();
            if (n == 0) c.Button1Click();
            if (n == 1) c.Button2Click();
            if (n == 2) c.Button3Click();
            if (n == 3) c.Button4Click();
        }
        Settle(300);
        Save(&window, "tour-builder" + suffix + ".png");
        c.Button5Click();
        Settle(300);
        Save(&window, "tour-builder-shown" + suffix + ".png");
        c.Quarterarms1Click();

        window.NameBox()->setText("Lancaster");
        window.Memo()->setPlainText("Gules a lion rampant or");
        c.Memo1Enter();
        c.DrawBtnClick();
        c.FileOpenBtnClick();
        Settle(300);
        qputenv("XDG_PICTURES_DIR", (home + "/Pictures").toUtf8());
        GrabModal("tour-save-dialog" + suffix + ".png", [&] { c.SaveButtonClick(); });
        c.FileOpenBtnClick();

        c.AutoBtnClick();
        c.Timer1Timer();
        Settle(300);
        Save(&window, "tour-auto" + suffix + ".png");
        c.FormKeyPress(' ');
        Settle(300);
        Save(&window, "tour-auto-paused" + suffix + ".png");
        c.FormKeyPress(' ');
        c.AutoBtnClick();
        QDir(home).removeRecursively();
        return 0;
    }
    if (windowOnly) {
        window.show();
        if (argc > 3 && QString(argv[3]) == "--fill") window.resize(window.screen()->availableGeometry().size());
        Settle(1500);
        window.Controller().Database()->LookUp("Arnot");
        Settle(300);
        Save(&window, QFileInfo(argv[2]).fileName());
        QDir(home).removeRecursively();
        return 0;
    }
    // The design's size, whatever the screen.
    const int bars = window.menuBar()->sizeHint().height() + window.statusBar()->sizeHint().height();
    window.resize(esc::app::kDesignWidth, esc::app::kDesignHeight + bars);
    window.show();
    Settle(1500);  // the first-run picture
    Save(&window, "first-run.png");

    window.Controller().Database()->LookUp(argc > 2 ? argv[2] : "Arnot");
    Settle(300);
    Save(&window, "window.png");

    // A screen wider than the design: the panel runs the full width, the design stays centred.
    window.resize(1280, 1000);
    Settle(300);
    Save(&window, "window-wide.png");
    window.resize(esc::app::kDesignWidth, esc::app::kDesignHeight + bars);
    Settle(300);

    window.Controller().Database()->LookUp("Arden");
    window.SearchBox()->setText("lion rampant gules");
    window.Controller().SearchbtnClick();
    Settle(300);
    Save(&window, "search.png");

    // The achievement: the shield inside the mantle in its tinctures, the surname on the scroll.
    window.NameBox()->setText("Lancaster");
    window.Memo()->setPlainText("Gules a lion rampant or");
    window.Controller().Memo1Enter();
    window.Controller().DrawBtnClick();
    window.Controller().FileOpenBtnClick();
    Settle(300);
    Save(&window, "achievement.png");
    window.Controller().FileOpenBtnClick();

    // The save dialog on the shield, with the name on the scroll chosen.
    qputenv("XDG_PICTURES_DIR", (home + "/Pictures").toUtf8());
    QTimer::singleShot(600, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (auto* scroll = dialog->findChild<QRadioButton*>("RadioButton4")) scroll->click();
            Settle(200);
            Save(dialog, "save-dialog.png");
            dialog->close();
        }
    });
    window.Controller().SaveButtonClick();

    GrabModal("timer-dialog.png", [&] { window.Controller().SetAutotimer1Click(); });
    GrabModal("database-form.png", [&] { window.Controller().Database1Click(); });
    GrabModal("import-dialog.png", [&] { window.ConfirmImport(); });
    GrabModal("about-box.png", [&] { window.Controller().About1Click(); });
    GrabModal("readme.png", [&] { window.Controller().readerClick(); });
    window.Controller().Contents1Click();
    Settle(400);
    Save(&window.Help(), "help.png");
    window.Help().close();
    QDir(home).removeRecursively();
    return 0;
}
