// Showing the achievement: from a click on the mantling button to the achievement painted on the
// window (the mantle recoloured, the shield reduced, the surname set, both working files written).

#ifdef ESCAVAL_BENCH_WINDOW

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "shell/qt/MainWindow.h"
#include "shell/qt/PictureWidget.h"

namespace {

QApplication& AchievementApplication() {
    static QApplication* application = [] {
        if (QApplication::instance()) return static_cast<QApplication*>(QApplication::instance());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "escaval_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *application;
}

// One show per iteration; hiding it again is not timed.
void BM_ShowAchievement(benchmark::State& state, const char* surname, const char* blazon) {
    AchievementApplication();
    esc::NullSink sink;
    QTemporaryDir dir;
    esc::qt::WindowOptions options;
    options.paths.dataDir = ESCAVAL_DATA_DIR;
    options.paths.userDataDir = (dir.path() + "/data").toStdString();
    options.paths.cacheDir = (dir.path() + "/cache").toStdString();
    options.messages = &sink;
    options.seed = 3;
    options.firstRunPicture = false;
    esc::qt::MainWindow window(options);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    esc::app::WindowController& controller = window.Controller();
    window.NameBox()->setText(surname);
    window.Memo()->setPlainText(blazon);
    controller.Memo1Enter();
    controller.DrawBtnClick();
    controller.FileOpenBtnClick();  // the first show also finds the fonts
    controller.FileOpenBtnClick();
    for (auto _ : state) {
        controller.FileOpenBtnClick();
        window.Picture()->repaint();
        state.PauseTiming();
        controller.FileOpenBtnClick();
        window.Picture()->repaint();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_ShowAchievement, GulesLionOr, "Lancaster", "Gules a lion rampant or")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowAchievement, ErmineLining, "Montgomerie", "Azure a bend ermine")->Unit(benchmark::kMillisecond);

}  // namespace

#endif
