// Whole drawings of fields: both word passes, the normaliser, the field and the outline. The
// bordures: a lined one should cost about what the plain one costs plus its line (the ring round
// the edge is laid once per outline and scale and kept by the state), and laying a ring afresh
// is measured on its own.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/BenchVocabulary.h"
#include "engine/BordureRing.h"
#include "engine/EdgeRingCache.h"
#include "engine/PictureCache.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Painter.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"

namespace {

void DrawField(benchmark::State& bench, const char* blazon) {
    esc::NullSink sink;
    auto state = esc::bench::NewDrawingState(sink);
    esc::DrawHost host;
    for (auto _ : bench) {
        esc::DrawBlazon(*state, blazon, host);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}

// The same with no ring kept from the drawing before, as `escaval coverage` and each new state
// draw a lined bordure: the ring is laid at every drawing.
void DrawFieldRingAfresh(benchmark::State& bench, const char* blazon) {
    esc::NullSink sink;
    auto state = esc::bench::NewDrawingState(sink);
    esc::PictureCache pictures;
    state->pictureCache = &pictures;
    esc::DrawHost host;
    for (auto _ : bench) {
        state->edgeRings = esc::EdgeRingCache();
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
void BM_DrawBordure(benchmark::State& s) { DrawField(s, "Or a bordure gules"); }
void BM_DrawBordureEngrailed(benchmark::State& s) { DrawField(s, "Or a bordure engrailed gules"); }
void BM_DrawLionBordureIndented(benchmark::State& s) { DrawField(s, "Or a lion rampant gules a bordure indented azure"); }
void BM_DrawBordureRingAfresh(benchmark::State& s) { DrawFieldRingAfresh(s, "Argent a bordure gules"); }
void BM_DrawBordureEngrailedRingAfresh(benchmark::State& s) { DrawFieldRingAfresh(s, "Argent a bordure engrailed gules"); }
void BM_DrawLionBordureIndentedRingAfresh(benchmark::State& s) {
    DrawFieldRingAfresh(s, "Or a lion rampant within a bordure indented azure");
}
void BM_DrawLionBordureRingAfresh(benchmark::State& s) { DrawFieldRingAfresh(s, "Or a lion rampant within a bordure azure"); }

// The ring round the shield's edge laid from nothing, as a state's first lined bordure lays it.
void BM_LayBordureRing(benchmark::State& bench) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::PaintState>(sink);
    state->BeginDrawing();
    esc::DrawShieldOutline(*state);
    const int breadth = state->geometry.Px(esc::kBordureBreadth);
    for (auto _ : bench) {
        const esc::EdgeRing ring = esc::BordureRing(state->geometry, breadth);
        benchmark::DoNotOptimize(ring.along.data());
    }
}

BENCHMARK(BM_DrawPlainField)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawFur)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawVair)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawChequy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLozengy)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLozengyBendwise)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawSemee)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBordure)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBordureEngrailed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLionBordureIndented)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LayBordureRing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBordureRingAfresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawBordureEngrailedRingAfresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLionBordureRingAfresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawLionBordureIndentedRingAfresh)->Unit(benchmark::kMicrosecond);

}  // namespace
