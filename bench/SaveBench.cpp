// The save dialog under the offscreen platform: from the click on "Save picture" to the dialog
// shown with its preview, the first time (the name's face looked up, the dialog built) and again.

#ifdef ESCAVAL_BENCH_WINDOW

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/qt/MainWindow.h"

namespace {

QApplication& SaveBenchApplication() {
    static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "escaval_bench";
        static char* argv[] = {name, nullptr};
        return qApp ? static_cast<QApplication*>(qApp) : new QApplication(argc, argv);
    }();
    return *application;
}

std::unique_ptr<esc::qt::MainWindow> DrawnWindow(const QTemporaryDir& dir, esc::MessageSink& sink) {
    esc::qt::WindowOptions options;
    options.paths.dataDir = ESCAVAL_DATA_DIR;
    options.paths.userDataDir = (dir.path() + "/data").toStdString();
    options.paths.cacheDir = (dir.path() + "/cache").toStdString();
    options.messages = &sink;
    options.seed = 3;
    options.firstRunPicture = false;
    qputenv("XDG_PICTURES_DIR", (dir.path() + "/Pictures").toUtf8());
    auto window = std::make_unique<esc::qt::MainWindow>(options);
    window->show();
    (void)QTest::qWaitForWindowExposed(window.get());
    window->NameBox()->setText("Lancaster");
    window->Memo()->setPlainText("Argent a chevron between three martlets sable");
    window->Controller().Memo1Enter();
    window->Controller().DrawBtnClick();
    return window;
}

// Opens the dialog and closes it as soon as its event loop runs: the time is the handler's work
// (snapshot, picture copied, corners cleaned, file name chosen, preview) and the dialog shown.
void OpenAndClose(esc::qt::MainWindow& window) {
    QTimer::singleShot(0, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    window.Controller().SaveButtonClick();
}

void BM_SaveDialogOpening(benchmark::State& state) {
    SaveBenchApplication();
    esc::NullSink sink;
    QTemporaryDir dir;
    auto window = DrawnWindow(dir, sink);
    OpenAndClose(*window);  // the first opening builds the dialog and finds the face
    for (auto _ : state) OpenAndClose(*window);
}
BENCHMARK(BM_SaveDialogOpening)->Unit(benchmark::kMillisecond);

void BM_SaveDialogFirstOpening(benchmark::State& state) {
    SaveBenchApplication();
    esc::NullSink sink;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        auto window = DrawnWindow(dir, sink);
        state.ResumeTiming();
        OpenAndClose(*window);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveDialogFirstOpening)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

#endif
