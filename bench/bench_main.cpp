// Entry point of the benchmark programs.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
