// Drawings at paint scale 4 (1,660 pixels wide) against the design size: a line of partition, a
// lion, a semé and a quartered coat. At k = 4 a drawing has 16 times the pixels and may take at most 25 times as long.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/BenchVocabulary.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"

namespace {

void DrawAtScale(benchmark::State& bench, const char* blazon) {
    esc::NullSink sink;
    auto state = esc::bench::NewDrawingState(sink);
    state->SetPaintScale(static_cast<double>(bench.range(0)));
    esc::PictureCache pictures;
    state->pictureCache = &pictures;
    esc::DrawHost host;
    for (auto _ : bench) {
        esc::DrawBlazon(*state, blazon, host);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}

void BM_ScaleBendEngrailed(benchmark::State& s) { DrawAtScale(s, "Azure a bend engrailed or"); }
void BM_ScaleLion(benchmark::State& s) { DrawAtScale(s, "Or a lion rampant gules"); }
void BM_ScaleSemee(benchmark::State& s) { DrawAtScale(s, "Azure crusilly or"); }
void BM_ScaleQuartered(benchmark::State& s) {
    DrawAtScale(s, "Quarterly 1&4: Or a lion rampant gules 2&3: Azure a bend engrailed or");
}

BENCHMARK(BM_ScaleBendEngrailed)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleLion)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleSemee)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleQuartered)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
