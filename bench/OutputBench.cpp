// Writing pictures: PNG encoding of drawn shields (the encoder alone, and drawing plus encoding),
// and batches of real blazons drawn on every core.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "bench/BenchVocabulary.h"
#include "engine/Bitmap.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Vocabulary.h"
#include "shell/cli/BatchCommand.h"

namespace {

constexpr const char* kShields[] = {
    "Azure a bend Or between two mullets argent",
    "Or a lion rampant gules armed and langued azure",
    "Ermine a chief gules",
    "Vair",
};

esc::Bitmap Drawn(const char* blazon) {
    esc::NullSink sink;
    auto state = esc::bench::NewDrawingState(sink);
    esc::DrawHost host;
    esc::DrawBlazon(*state, blazon, host);
    return state->picture;
}

void BM_EncodePng(benchmark::State& bench) {
    const char* blazon = kShields[bench.range(0)];
    bench.SetLabel(blazon);
    const esc::Bitmap picture = Drawn(blazon);
    std::size_t bytes = 0;
    for (auto _ : bench) {
        const std::vector<std::uint8_t> png = esc::EncodePng(picture);
        bytes = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    bench.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_EncodePng)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_EncodeBmp(benchmark::State& bench) {
    const esc::Bitmap picture = Drawn(kShields[0]);
    for (auto _ : bench) benchmark::DoNotOptimize(esc::EncodeBmp(picture).data());
}
BENCHMARK(BM_EncodeBmp)->Unit(benchmark::kMicrosecond);

void BM_DrawAndEncodePng(benchmark::State& bench) {
    const char* blazon = kShields[bench.range(0)];
    bench.SetLabel(blazon);
    esc::NullSink sink;
    auto state = esc::bench::NewDrawingState(sink);
    esc::DrawHost host;
    for (auto _ : bench) {
        esc::DrawBlazon(*state, blazon, host);
        benchmark::DoNotOptimize(esc::EncodePng(state->picture).data());
    }
}
BENCHMARK(BM_DrawAndEncodePng)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

}  // namespace

// Batch drawing of the real blazons on every core: drawing only, and drawing to PNG files.
namespace batch {

std::vector<esc::BatchEntry> RealBlazons() {
    std::ifstream in(std::string(ESCAVAL_SOURCE_DIR) + "/tests/data/real_blazons.txt");
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return esc::EntriesOfLines(esc::ReadBlazonLines(text));
}

// A progress report that shows nothing, as the command's bar does when stderr is not a terminal:
// with one, the calling thread only waits and every job's thread draws.
void NoProgress(std::size_t, std::size_t) {}

void BM_Batch(benchmark::State& bench) {
    const auto format = static_cast<esc::BatchFormat>(bench.range(0));
    const int jobs = static_cast<int>(bench.range(1));
    const bool withProgress = bench.range(2) != 0;
    const std::vector<esc::BatchEntry> entries = RealBlazons();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("escaval-batch-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    esc::PictureCache pictures;
    const esc::BatchProgress progress = withProgress ? esc::BatchProgress(NoProgress) : esc::BatchProgress();
    for (auto _ : bench) {
        const esc::BatchRun run = esc::DrawBatch(esc::bench::GeneratedVocabulary(), ESCAVAL_DATA_DIR, entries, folder.string(), format,
                                                 jobs, pictures, progress);
        benchmark::DoNotOptimize(run.written);
    }
    std::filesystem::remove_all(folder);
    bench.counters["shields/s"] =
        benchmark::Counter(static_cast<double>(entries.size()), benchmark::Counter::kIsIterationInvariantRate);
}
// Format (0 PNG, 2 drawing only) by threads, and whether a progress report is shown (1, as
// `escaval batch` always does); real time, since the work is on other threads.
BENCHMARK(BM_Batch)
    ->Args({2, 1, 0})
    ->Args({2, 2, 0})
    ->Args({0, 1, 0})
    ->Args({0, 2, 0})
    ->Args({2, 1, 1})
    ->Args({2, 2, 1})
    ->Args({0, 1, 1})
    ->Args({0, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// How batch scales: each iteration draws the real blazons with one job and then with two, as the
// command does (progress shown), and `scaling` is the second's shields a second over the first's.
// On two cores it should be at least 1.8.
void BM_BatchScaling(benchmark::State& bench) {
    const auto format = static_cast<esc::BatchFormat>(bench.range(0));
    const std::vector<esc::BatchEntry> entries = RealBlazons();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("escaval-batch-scaling-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    esc::PictureCache pictures;
    double one = 0, two = 0;
    for (auto _ : bench) {
        one += esc::DrawBatch(esc::bench::GeneratedVocabulary(), ESCAVAL_DATA_DIR, entries, folder.string(), format, 1, pictures,
                              NoProgress)
                   .seconds;
        two += esc::DrawBatch(esc::bench::GeneratedVocabulary(), ESCAVAL_DATA_DIR, entries, folder.string(), format, 2, pictures,
                              NoProgress)
                   .seconds;
    }
    std::filesystem::remove_all(folder);
    const double n = static_cast<double>(entries.size()) * static_cast<double>(bench.iterations());
    bench.counters["one job/s"] = one > 0 ? n / one : 0;
    bench.counters["two jobs/s"] = two > 0 ? n / two : 0;
    bench.counters["scaling"] = two > 0 ? one / two : 0;
}
BENCHMARK(BM_BatchScaling)->Arg(2)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace batch
