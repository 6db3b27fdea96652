// The benchmark executable's entry point; each bench_*.cpp registers its own figures.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
