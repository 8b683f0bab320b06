// The arrangement editor: one move of a handle during a drag (the old band removed, the new one
// drawn) with the repaint the picture widget then makes (the picture area composed and turned
// into the image it draws), and one release (the picture moved to its new rectangle). The aim
// is a move under 2 ms, so that a drag follows the pointer.

#ifdef ESCAVAL_BENCH_WINDOW

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

#include "shell/app/HeadlessWindow.h"
#include "shell/app/WindowController.h"
#include "shell/qt/QtBitmap.h"

namespace {

using namespace esc;
using namespace esc::app;

// A window's handlers with "Argent a chevron between three escallops gules" drawn and the first
// escallop selected.
struct Arranging {
    std::filesystem::path root = std::filesystem::temp_directory_path() / ("escaval-arrange-bench-" + std::to_string(::getpid()));
    AppPaths paths{ESCAVAL_DATA_DIR, (root / "user").string(), (root / "cache").string()};
    HeadlessView view;
    CollectingSink messages;
    NoText text;
    StoppedTimer timer;
    std::optional<WindowController> controller;

    Arranging() {
        controller.emplace(paths, view, messages, text, timer, 1u);
        view.SetSurname("Hill");
        view.SetBlazonText("Argent a chevron between three escallops gules");
        controller->Memo1Enter();
        controller->DrawBtnClick();
        ArrangementEditor& e = controller->Arrangement();
        (void)e.MouseDown(MouseButton::Left, e.Picture(0).cx, e.Picture(0).cy);
    }
    ~Arranging() {
        controller.reset();
        std::filesystem::remove_all(root);
    }
};

void BM_ArrangementHandleMoveRepainted(benchmark::State& state) {
    Arranging a;
    ArrangementEditor& e = a.controller->Arrangement();
    const Rect r = e.SelectionRect();
    e.HandleDown(Handle::Move);
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        e.HandleMove(Handle::Move, r.left + r.Width() / 2 + step, r.top + step);
        const QImage shown = esc::qt::ToQImage(a.controller->Picture().Composite());
        benchmark::DoNotOptimize(shown.constBits());
    }
    e.HandleUp(Handle::Move, r.left + r.Width() / 2, r.top);
}
BENCHMARK(BM_ArrangementHandleMoveRepainted)->Unit(benchmark::kMillisecond);

void BM_ArrangementHandleRelease(benchmark::State& state) {
    Arranging a;
    ArrangementEditor& e = a.controller->Arrangement();
    int step = 0;
    for (auto _ : state) {
        const Rect r = e.SelectionRect();
        step = 1 - step;
        e.HandleDown(Handle::Move);
        e.HandleMove(Handle::Move, r.left + r.Width() / 2 + (step ? 10 : -10), r.top);
        e.HandleUp(Handle::Move, r.left + r.Width() / 2 + (step ? 10 : -10), r.top);
    }
}
BENCHMARK(BM_ArrangementHandleRelease)->Unit(benchmark::kMillisecond);

}  // namespace

#endif
