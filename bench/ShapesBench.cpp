// The shapes: one partition or ordinary drawn on a shield (the lines of partition, the region
// fill and the row painter), and a whole drawing of a partitioned field.
//
// Goals on the project's machine: every partition or ordinary under 0.5 ms, the whole drawing of
// "Per pale wavy or and azure" under 1 ms (median).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchVocabulary.h"
#include "engine/OrdinaryShapes.h"
#include "engine/Palette.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"

namespace {

using namespace esc;

struct ShapeCase {
    const char* name;
    ShapeCode shape;
    int mode, line, count, pieces;
};

// Draws one shape over and over on a shield whose outline and field are set up once.
void DrawShape(benchmark::State& bench, const ShapeCase& c) {
    NullSink sink;
    auto state = std::make_unique<PaintState>(sink);
    PaintState& s = *state;
    s.BeginDrawing();
    DrawShieldOutline(s);
    s.namedTinctures[0] = kOr;
    s.namedTinctures[1] = kAzure;
    for (auto _ : bench) {
        s.fieldColor1 = kOr;
        s.fieldColor2 = kAzure;
        s.fieldColor3 = kGules;
        s.fieldPieces = c.pieces;
        s.shapeCode = s.partitionCode = c.shape;
        s.lineCode = c.line;
        s.levels[0].levelCount = c.count;
        s.levels[0].levelLine = c.shape == kLabel ? 3 : c.line;
        s.levelTincture[0] = c.mode == 1 ? kOr : kGules;
        DrawOrdinary(s, OrdinaryRequest{c.shape, c.mode == 1});
        benchmark::DoNotOptimize(s.picture.Data());
    }
}

// The families the goals name first, then every partition and ordinary plain and with a line.
const std::vector<ShapeCase>& Cases() {
    static const std::vector<ShapeCase> cases = {
        {"PlainPartition/per pale", kPale, 1, -1, 1, 8},
        {"StyledPartition/per pale wavy", kPale, 1, 6, 1, 8},
        {"StyledPartition/per fess indented", kFess, 1, 4, 1, 8},
        {"Gyronny/of eight", kGyronny, 1, -1, 1, 8},
        {"StyledBordure/engrailed", kBordure, 0, 0, 1, 8},
        {"Partition/per fess", kFess, 1, -1, 1, 8},
        {"Partition/per bend", kBend, 1, -1, 1, 8},
        {"Partition/per bend embattled", kBend, 1, 2, 1, 8},
        {"Partition/per bend sinister nebuly", kBendSinister, 1, 7, 1, 8},
        {"Partition/per chevron dancetty", kChevron, 1, 5, 1, 8},
        {"Partition/quarterly embattled", kCross, 1, 2, 1, 8},
        {"Partition/per saltire wavy", kSaltire, 1, 6, 1, 8},
        {"Partition/gyronny of sixteen", kGyronny, 1, -1, 1, 16},
        {"Partition/barry of six wavy", kBarry, 1, 6, 1, 6},
        {"Partition/barry of thirty-two engrailed", kBarry, 1, 0, 1, 32},
        {"Partition/paly of eight raguly", kPaly, 1, 8, 1, 8},
        {"Partition/bendy of ten engrailed", kBendy, 1, 0, 1, 10},
        {"Partition/tierced per pall", kPall, 1, -1, 1, 8},
        {"Ordinary/fess", kFess, 0, -1, 1, 8},
        {"Ordinary/fess potenty", kFess, 0, 9, 1, 8},
        {"Ordinary/bend dovetailed", kBend, 0, 10, 1, 8},
        {"Ordinary/bend sinister", kBendSinister, 0, -1, 1, 8},
        {"Ordinary/pale rayonny", kPale, 0, 12, 1, 8},
        {"Ordinary/chevron invected", kChevron, 0, 1, 1, 8},
        {"Ordinary/cross engrailed", kCross, 0, 0, 1, 8},
        {"Ordinary/saltire", kSaltire, 0, -1, 1, 8},
        {"Ordinary/saltire wavy", kSaltire, 0, 6, 1, 8},
        {"Ordinary/chief indented", kChief, 0, 4, 1, 8},
        {"Ordinary/bordure", kBordure, 0, -1, 1, 8},
        {"Ordinary/canton embattled", kCanton, 0, 2, 1, 8},
        {"Ordinary/orle engrailed", kOrle, 0, 0, 1, 8},
        {"Ordinary/pall nebuly", kPall, 0, 7, 1, 8},
        {"Ordinary/flaunches", kFlaunches, 0, -1, 1, 8},
        {"Ordinary/flaunches engrailed", kFlaunches, 0, 0, 1, 8},
        {"Ordinary/label of three", kLabel, 0, -1, 1, 8},
        {"Ordinary/three chevronels", kChevronels, 0, -1, 3, 8},
        {"Ordinary/three pallets wavy", kPallets, 0, 6, 3, 8},
        {"Ordinary/two bendlets", kBendlets, 0, -1, 2, 8},
        {"Ordinary/a pile indented", kPiles, 0, 4, 1, 8},
        {"Ordinary/three piles", kPiles, 0, -1, 3, 8},
    };
    return cases;
}

void DrawPieces(benchmark::State& bench, void (*draw)(PaintState&)) {
    NullSink sink;
    auto state = std::make_unique<PaintState>(sink);
    state->BeginDrawing();
    DrawShieldOutline(*state);
    for (auto _ : bench) {
        state->levelTincture[0] = kGules;
        state->lineCode = -1;
        draw(*state);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}

void BM_Fret(benchmark::State& s) { DrawPieces(s, DrawFret); }
void BM_Fretty(benchmark::State& s) { DrawPieces(s, DrawFretty); }
BENCHMARK(BM_Fret)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fretty)->Unit(benchmark::kMicrosecond);

const bool kShapesRegistered = [] {
    for (const ShapeCase& c : Cases()) {
        std::string name = std::string("BM_Shape/") + c.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        benchmark::RegisterBenchmark(name.c_str(), DrawShape, c)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

void DrawPartitionedField(benchmark::State& bench, const char* blazon) {
    NullSink sink;
    auto state = std::make_unique<DrawingState>(sink);
    state->vocabulary = &esc::bench::GeneratedVocabulary();
    state->dataDir = ESCAVAL_DATA_DIR;
    DrawHost host;
    for (auto _ : bench) {
        DrawBlazon(*state, blazon, host);
        benchmark::DoNotOptimize(state->picture.Data());
    }
}

void BM_WholeDrawingPerPaleWavy(benchmark::State& s) { DrawPartitionedField(s, "Per pale wavy or and azure"); }
void BM_WholeDrawingGyronny(benchmark::State& s) { DrawPartitionedField(s, "Gyronny of eight or and sable"); }
void BM_WholeDrawingBarry(benchmark::State& s) { DrawPartitionedField(s, "Barry wavy of six argent and azure"); }
BENCHMARK(BM_WholeDrawingPerPaleWavy)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_WholeDrawingGyronny)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_WholeDrawingBarry)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);

}  // namespace
