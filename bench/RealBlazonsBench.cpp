// Drawing the real blazons of tests/data/real_blazons.txt one after another in one drawing state,
// as the window and each thread of a batch draw: the figure is the median (and the 90th
// percentile) over the blazons of each blazon's own drawing time, in CPU time of the drawing
// thread, so that other work on the machine counts as little as it can.

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchVocabulary.h"
#include "engine/PictureCache.h"
#include "interpret/DrawingDriver.h"
#include "interpret/read/Normaliser.h"
#include "interpret/marshal/PrintedMarshalling.h"
#include "interpret/read/Vocabulary.h"

namespace {

constexpr int kRounds = 7;  // drawings of each blazon; its time is the median of them
constexpr double kNanosecondsPerMicrosecond = 1000.0;

// The real blazons, or the list of blazons ESCAVAL_BENCH_BLAZONS names (one a line).
std::vector<std::string> RealBlazons() {
    std::vector<std::string> out;
    const char* named = std::getenv("ESCAVAL_BENCH_BLAZONS");
    std::ifstream in(named != nullptr ? std::string(named) : std::string(ESCAVAL_SOURCE_DIR) + "/tests/data/real_blazons.txt");
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') out.push_back(line);
    return out;
}

long long ThreadCpuNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<long long>(t.tv_sec) * 1'000'000'000LL + t.tv_nsec;
}

// The value below which `share` of the sorted values lie.
double Percentile(const std::vector<double>& sorted, double share) {
    if (sorted.empty()) return 0;
    const auto at = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(at, sorted.size() - 1)];
}

// Draws the list; `keepRuns` false paints every charge picture from runs read afresh, as a state
// that keeps none (the figure the kept runs are measured against, in the same build and minute).
void DrawRealBlazons(benchmark::State& bench, bool keepRuns) {
    const std::vector<std::string> blazons = RealBlazons();
    esc::NullSink sink;
    auto state = esc::bench::NewDrawingState(sink);
    if (!keepRuns) state->chargeSpans.SetMostBytes(0);
    // ESCAVAL_BENCH_SPAN_MB=N bounds the kept runs at N megabytes instead of the state's default.
    if (const char* most = std::getenv("ESCAVAL_BENCH_SPAN_MB"); keepRuns && most != nullptr)
        state->chargeSpans.SetMostBytes(static_cast<std::size_t>(std::max(0, std::atoi(most))) << 20);
    esc::PictureCache pictures;
    state->pictureCache = &pictures;
    esc::DrawHost host;
    // Every picture file decoded once before the timing, as in a program that has drawn a while.
    for (const std::string& blazon : blazons) esc::DrawBlazon(*state, blazon, host);

    std::vector<std::vector<double>> samples(blazons.size());
    for (auto _ : bench) {
        for (std::size_t i = 0; i < blazons.size(); ++i) {
            const long long start = ThreadCpuNanoseconds();
            esc::DrawBlazon(*state, blazons[i], host);
            benchmark::DoNotOptimize(state->picture.Data());
            samples[i].push_back(static_cast<double>(ThreadCpuNanoseconds() - start) / kNanosecondsPerMicrosecond);
        }
    }
    std::vector<double> each;  // each blazon's median drawing, in microseconds
    for (std::vector<double>& s : samples) {
        std::sort(s.begin(), s.end());
        each.push_back(Percentile(s, 0.5));
    }
    // ESCAVAL_BENCH_SLOWEST=N names the N slowest blazons on stderr, to see where time goes.
    if (const char* slowest = std::getenv("ESCAVAL_BENCH_SLOWEST"); slowest != nullptr) {
        std::vector<std::size_t> order(blazons.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::sort(order.begin(), order.end(), [&each](std::size_t a, std::size_t b) { return each[a] > each[b]; });
        const std::size_t n = std::min(order.size(), static_cast<std::size_t>(std::max(0, std::atoi(slowest))));
        for (std::size_t k = 0; k < n; ++k)
            std::fprintf(stderr, "%8.0f us  %s\n", each[order[k]], blazons[order[k]].c_str());
    }
    std::sort(each.begin(), each.end());
    bench.counters["blazons"] = static_cast<double>(blazons.size());
    bench.counters["median_us"] = Percentile(each, 0.5);
    bench.counters["p90_us"] = Percentile(each, 0.9);
    bench.counters["max_us"] = each.empty() ? 0 : each.back();
    // The most the state's kept charge runs held, in kilobytes.
    bench.counters["span_kb"] = static_cast<double>(state->chargeSpans.LargestBytes()) / 1024.0;
}

void BM_RealBlazons(benchmark::State& bench) { DrawRealBlazons(bench, true); }
BENCHMARK(BM_RealBlazons)->Iterations(kRounds)->Unit(benchmark::kMillisecond);
void BM_RealBlazonsRunsReadAfresh(benchmark::State& bench) { DrawRealBlazons(bench, false); }
BENCHMARK(BM_RealBlazonsRunsReadAfresh)->Iterations(kRounds)->Unit(benchmark::kMillisecond);

// The reading of the same blazons' words before their lookup, alone: the look for a printed
// marshalled form, the printed spellings (punctuation, marks, abbreviations), the punctuation
// the first pass strips and the normaliser,
// each blazon's median over the rounds. It is held to a twentieth of a drawing's time.
void BM_RealBlazonsNormalising(benchmark::State& bench) {
    const std::vector<std::string> blazons = RealBlazons();
    const esc::SpellingTable& spellings = esc::bench::GeneratedVocabulary().Spellings();
    constexpr int kRepeats = 50;  // each timing covers this many readings, the clock's own cost shared
    std::vector<std::vector<double>> samples(blazons.size());
    for (auto _ : bench) {
        for (std::size_t i = 0; i < blazons.size(); ++i) {
            const long long start = ThreadCpuNanoseconds();
            for (int r = 0; r < kRepeats; ++r) {
                benchmark::DoNotOptimize(esc::ReadPrintedMarshalling(blazons[i]));
                std::string text = spellings.Respell(blazons[i]);
                std::string first = text;
                esc::StripPunctuation(first);
                esc::Normalise(text, 0, 1, 2);
                benchmark::DoNotOptimize(text.data());
                benchmark::DoNotOptimize(first.data());
            }
            samples[i].push_back(static_cast<double>(ThreadCpuNanoseconds() - start) / kNanosecondsPerMicrosecond /
                                 kRepeats);
        }
    }
    std::vector<double> each;
    for (std::vector<double>& s : samples) {
        std::sort(s.begin(), s.end());
        each.push_back(Percentile(s, 0.5));
    }
    std::sort(each.begin(), each.end());
    bench.counters["blazons"] = static_cast<double>(blazons.size());
    bench.counters["median_us"] = Percentile(each, 0.5);
    bench.counters["p90_us"] = Percentile(each, 0.9);
    bench.counters["max_us"] = each.empty() ? 0 : each.back();
}
BENCHMARK(BM_RealBlazonsNormalising)->Iterations(kRounds)->Unit(benchmark::kMillisecond);

}  // namespace
