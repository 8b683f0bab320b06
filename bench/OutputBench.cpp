// Writing pictures: PNG encoding of drawn shields (the encoder alone, and drawing plus encoding),
// and batches of real blazons drawn on every core.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "engine/Bitmap.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/Vocabulary.h"
#include "shell/cli/BatchCommand.h"

namespace {

const esc::Vocabulary& OutputVocabulary() {
    static const esc::Vocabulary vocabulary = [] {
        std::string error;
        auto v = esc::Vocabulary::Load(std::string(ESCAVAL_DATA_DIR) + "/words1.db", &error);
        return v ? std::move(*v) : esc::Vocabulary();
    }();
    return vocabulary;
}

constexpr const char* kShields[] = {
    "Azure a bend Or between two mullets argent",
    "Or a lion rampant gules armed and langued azure",
    "Ermine a chief gules",
    "Vair",
};

esc::Bitmap Drawn(const char* blazon) {
    esc::NullSink sink;
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->vocabulary = &OutputVocabulary();
    state->dataDir = ESCAVAL_DATA_DIR;
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
    auto state = std::make_unique<esc::DrawingState>(sink);
    state->vocabulary = &OutputVocabulary();
    state->dataDir = ESCAVAL_DATA_DIR;
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

void BM_Batch(benchmark::State& bench) {
    const auto format = static_cast<esc::BatchFormat>(bench.range(0));
    const int jobs = static_cast<int>(bench.range(1));
    const std::vector<esc::BatchEntry> entries = RealBlazons();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("escaval-batch-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    esc::PictureCache pictures;
    for (auto _ : bench) {
        const esc::BatchRun run = esc::DrawBatch(OutputVocabulary(), ESCAVAL_DATA_DIR, entries, folder.string(), format,
                                                 jobs, pictures);
        benchmark::DoNotOptimize(run.written);
    }
    std::filesystem::remove_all(folder);
    bench.counters["shields/s"] =
        benchmark::Counter(static_cast<double>(entries.size()), benchmark::Counter::kIsIterationInvariantRate);
}
// Format (0 PNG, 2 drawing only) by threads; real time, since the work is on other threads.
BENCHMARK(BM_Batch)->Args({2, 1})->Args({2, 2})->Args({0, 1})->Args({0, 2})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace batch
