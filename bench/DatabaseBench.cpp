// The blazon database over the whole shipped armorial: the word search and the lookup.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>

#include "database/BlazonDatabase.h"

namespace {

std::optional<esc::db::BlazonDatabase> OpenArmorial() {
    return esc::db::BlazonDatabase::Open(std::string(ESCAVAL_DATA_DIR "/escaval1.db"), esc::db::OpenMode::ReadOnly, nullptr);
}

// A search with new words: the view is filtered again over every entry, then steps to the next
// hit. Alternating words make every search read the whole table.
void BM_SearchWholeArmorialNewWords(benchmark::State& state) {
    auto db = OpenArmorial();
    if (!db) return state.SkipWithError("no escaval1.db in the data folder");
    const char* words[] = {"lion", "unicorn"};
    int direction = 1, i = 0;
    for (auto _ : state) {
        db->Search(words[i++ & 1], direction);
        benchmark::DoNotOptimize(db->Main().CurrentIndex());
    }
    state.counters["entries"] = db->Main().RecordCount();
}
BENCHMARK(BM_SearchWholeArmorialNewWords)->Unit(benchmark::kMillisecond);

// The same words again: each search moves to the next hit, turning at either end.
void BM_SearchNextHit(benchmark::State& state) {
    auto db = OpenArmorial();
    if (!db) return state.SkipWithError("no escaval1.db in the data folder");
    int direction = 1;
    for (auto _ : state) {
        db->Search("argent", direction);
        benchmark::DoNotOptimize(db->Main().CurrentIndex());
    }
}
BENCHMARK(BM_SearchNextHit)->Unit(benchmark::kMicrosecond);

void BM_LookUp(benchmark::State& state) {
    auto db = OpenArmorial();
    if (!db) return state.SkipWithError("no escaval1.db in the data folder");
    const char* names[] = {"Grey", "Neville", "Abbot", "Zouche", "Howard"};
    int i = 0;
    for (auto _ : state) {
        db->LookUp(names[i++ % 5]);
        benchmark::DoNotOptimize(db->Main().CurrentIndex());
    }
}
BENCHMARK(BM_LookUp)->Unit(benchmark::kMicrosecond);

}  // namespace
