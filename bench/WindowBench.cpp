// The window under the offscreen platform: from start to a usable window, and one step to the
// next entry with its drawing shown.

#ifdef ESCAVAL_BENCH_WINDOW

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "database/BlazonDatabase.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/PictureWidget.h"

namespace {

QApplication& Application() {
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "escaval_bench";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *application;
}

esc::qt::WindowOptions Options(const QTemporaryDir& dir, esc::MessageSink& sink) {
    esc::qt::WindowOptions options;
    options.paths.dataDir = ESCAVAL_DATA_DIR;
    options.paths.userDataDir = (dir.path() + "/data").toStdString();
    options.paths.cacheDir = (dir.path() + "/cache").toStdString();
    options.messages = &sink;
    options.seed = 3;
    options.firstRunPicture = false;
    return options;
}

// Start: the vocabulary and the user's database opened (made from the shipped one on the first
// run), the window built, shown and painted once.
void StartWindow(benchmark::State& state, bool firstRun) {
    Application();
    esc::NullSink sink;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        if (!firstRun) {
            esc::qt::MainWindow warmUp(Options(dir, sink));  // makes the user's database
        }
        state.ResumeTiming();
        esc::qt::MainWindow window(Options(dir, sink));
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        window.repaint();
        benchmark::DoNotOptimize(window.NameBox());
    }
}
void BM_StartToUsableWindow(benchmark::State& state) { StartWindow(state, false); }
void BM_StartToUsableWindowFirstRun(benchmark::State& state) { StartWindow(state, true); }
BENCHMARK(BM_StartToUsableWindow)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartToUsableWindowFirstRun)->Unit(benchmark::kMillisecond)->Iterations(10);

// Next: the record moves, the boxes are filled, the blazon is drawn and the picture area is
// painted on the window.
void BM_NextEntryRedrawn(benchmark::State& state) {
    Application();
    esc::NullSink sink;
    QTemporaryDir dir;
    esc::qt::MainWindow window(Options(dir, sink));
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    esc::app::WindowController& controller = window.Controller();
    for (auto _ : state) {
        if (controller.Database()->Main().Eof()) controller.TopBtnClick();
        controller.NextBtnClick();
        window.Picture()->repaint();
    }
}
BENCHMARK(BM_NextEntryRedrawn)->Unit(benchmark::kMillisecond);

}  // namespace

#endif
