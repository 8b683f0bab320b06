// `escaval roll` of 1,000 entries of the shipped armorial: every shield drawn, the pages composed
// with the surnames and blazons and written as one PDF. The wanted figure is under 10 s.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shell/cli/RollCommand.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRollEntries = 1000;

// The first kRollEntries "Surname | Blazon" lines of the armorial's sources, in file order.
std::vector<std::string> ArmorialLines() {
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(fs::path(ESCAVAL_SOURCE_DIR) / "data" / "armorial"))
        if (entry.path().extension() == ".txt") sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    std::vector<std::string> lines;
    for (const fs::path& source : sources) {
        std::ifstream in(source);
        for (std::string line; std::getline(in, line) && static_cast<int>(lines.size()) < kRollEntries;)
            if (!line.empty() && line[0] != '#' && line.find(" | ") != std::string::npos) lines.push_back(line);
    }
    return lines;
}

void BM_Roll(benchmark::State& bench) {
    const std::vector<std::string> lines = ArmorialLines();
    const fs::path folder = fs::temp_directory_path() / ("escaval-roll-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path list = folder / "entries.txt", pdf = folder / "roll.pdf";
    {
        std::ofstream out(list);
        for (const std::string& line : lines) out << line << '\n';
    }
    const std::vector<std::string> args = {"-o", pdf.string(), "--data", ESCAVAL_DATA_DIR, list.string()};
    int status = 0;
    for (auto _ : bench) status = esc::RollCommand(args, "escaval");
    if (status != 0) bench.SkipWithError("the roll failed");
    bench.counters["entries"] = static_cast<double>(lines.size());
    bench.counters["pdf_bytes"] = fs::exists(pdf) ? static_cast<double>(fs::file_size(pdf)) : 0;
    fs::remove_all(folder);
}
BENCHMARK(BM_Roll)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond);

}  // namespace
