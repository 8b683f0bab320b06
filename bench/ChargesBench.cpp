// Whole drawings with ordinaries and charges: the words, the field, every level with its layout,
// the charge pictures (decoded once for the process, as the program keeps them) painted tinted,
// and the outline.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/BenchVocabulary.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"

namespace {

void DrawCharges(benchmark::State& bench, const char* blazon) {
    esc::NullSink sink;
    auto state = esc::bench::NewDrawingState(sink);
    // As the program draws: picture files decoded once and kept for the process.
    esc::PictureCache pictures;
    state->pictureCache = &pictures;
    esc::DrawHost host;
    for (auto _ : bench) {
        esc::DrawBlazon(*state, blazon, host);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}

void BM_BendBetweenMullets(benchmark::State& s) { DrawCharges(s, "Azure a bend Or between two mullets argent"); }
void BM_ChevronMartletsChief(benchmark::State& s) {
    DrawCharges(s, "Argent a chevron between three martlets sable, on a chief gules three escallops or");
}
void BM_SemeeOfMullets(benchmark::State& s) { DrawCharges(s, "Azure semee of mullets or"); }
void BM_SemeeOfBezants(benchmark::State& s) { DrawCharges(s, "Azure semee of bezants"); }
void BM_RoundelsCharged(benchmark::State& s) { DrawCharges(s, "Argent three roundels gules each charged with a mullet or"); }
void BM_LionRampant(benchmark::State& s) { DrawCharges(s, "Or a lion rampant gules armed and langued azure"); }

#define CHARGES_BENCHMARK(name) \
    BENCHMARK(name)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true)

CHARGES_BENCHMARK(BM_BendBetweenMullets);
CHARGES_BENCHMARK(BM_ChevronMartletsChief);
CHARGES_BENCHMARK(BM_SemeeOfMullets);
CHARGES_BENCHMARK(BM_SemeeOfBezants);
CHARGES_BENCHMARK(BM_RoundelsCharged);
CHARGES_BENCHMARK(BM_LionRampant);

}  // namespace
