// Marshalled arms against single arms: a quartered drawing draws its four coats and assembles
// them, so it should cost no more than four drawings of one coat.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/BenchVocabulary.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"

namespace {

std::unique_ptr<esc::DrawingState> NewState(esc::MessageSink& sink) {
    auto state = esc::bench::NewDrawingState(sink);
    return state;
}

void Draw(benchmark::State& bench, const char* blazon) {
    esc::NullSink sink;
    auto state = NewState(sink);
    esc::DrawHost host;
    for (auto _ : bench) {
        esc::DrawBlazon(*state, blazon, host);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}

constexpr const char* kCoats[] = {"Argent a chevron between three mullets gules", "Azure a lion rampant or",
                                  "Gules three escallops argent", "Or an eagle displayed sable"};

// One charged coat; the four coats drawn one after another as single arms; the same four
// quartered (all four differ, so each is drawn), which should cost about as much as the four
// alone plus the assembly.
void BM_DrawOneChargedCoat(benchmark::State& s) { Draw(s, kCoats[0]); }
void BM_DrawFourCoatsOneByOne(benchmark::State& bench) {
    esc::NullSink sink;
    auto state = NewState(sink);
    esc::DrawHost host;
    for (auto _ : bench) {
        for (const char* coat : kCoats) esc::DrawBlazon(*state, coat, host);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}
void BM_DrawQuarteredChargedCoats(benchmark::State& s) {
    Draw(s, "Quarterly 1: Argent a chevron between three mullets gules 2: Azure a lion rampant or "
            "3: Gules three escallops argent 4: Or an eagle displayed sable");
}
// The same charged coat in all four quarters, each drawn: set against BM_DrawOneChargedCoat it
// measures what marshalling adds to four drawings of that coat.
void BM_DrawQuarteredSameChargedCoat(benchmark::State& s) {
    Draw(s, "Quarterly 1: Argent a chevron between three mullets gules 2: Argent a chevron between three mullets "
            "gules 3: Argent a chevron between three mullets gules 4: Argent a chevron between three mullets gules");
}
void BM_DrawImpaledChargedCoats(benchmark::State& s) {
    Draw(s, "Argent a chevron between three mullets gules impaling: Azure a lion rampant or");
}

BENCHMARK(BM_DrawOneChargedCoat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawFourCoatsOneByOne)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawQuarteredChargedCoats)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawQuarteredSameChargedCoat)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawImpaledChargedCoats)->Unit(benchmark::kMicrosecond);

}  // namespace
