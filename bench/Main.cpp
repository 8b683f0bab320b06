// The benchmarks' own main: the allocator is set up as the program sets it up (engine/Allocator.h),
// so that the figures are the program's.

#include <benchmark/benchmark.h>

#include "engine/Allocator.h"

int main(int argc, char** argv) {
    esc::KeepFreedMemoryForReuse();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
