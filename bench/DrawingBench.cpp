// Whole drawings of fields: both word passes, the normaliser, the field and the outline.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/BenchVocabulary.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"

namespace {

void DrawField(benchmark::State& bench, const char* blazon) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->vocabulary = &esc::bench::GeneratedVocabulary();
    state->dataDir = ESCAVAL_DATA_DIR;
    esc::DrawHost host;
    for (auto _ : bench) {
        esc::DrawBlazon(*state, blazon, host);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}

void BM_DrawPlainField(benchmark::State& s) { DrawField(s, "Azure"); }
void BM_DrawFur(benchmark::State& s) { DrawField(s, "Ermine"); }
void BM_DrawVair(benchmark::State& s) { DrawField(s, "Vair"); }
void BM_DrawChequy(benchmark::State& s) { DrawField(s, "Chequy or and azure"); }
void BM_DrawLozengy(benchmark::State& s) { DrawField(s, "Lozengy argent and gules"); }
void BM_DrawLozengyBendwise(benchmark::State& s) { DrawField(s, "Lozengy bendwise or and sable"); }
void BM_DrawSemee(benchmark::State& s) { DrawField(s, "Azure crusilly or"); }

BENCHMARK(BM_DrawPlainField)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawFur)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawVair)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawChequy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLozengy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLozengyBendwise)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawSemee)->Unit(benchmark::kMicrosecond);

}  // namespace
