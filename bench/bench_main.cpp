// The benchmark executable: first the game's own figures (one line each), measured from the
// program's start, then the micro-benchmarks each bench_*.cpp registers.
//   lexadrill_bench [--shots=FOLDER] [--by-object] [--game-only] [--own-lists=N] [benchmark options]
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/GameFigures.h"

int main(int argc, char** argv) {
    const auto programStart = std::chrono::steady_clock::now();
    // The figures are the game's own: unless told otherwise, no speech service is reached or started.
    setenv("SPEECHD_ADDRESS", "unix_socket:/dev/null/no-speech-service", 0);
    std::string shots;
    bool gameOnly = false, byObject = false;
    int ownLists = 0;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--shots=", 8) == 0) {
            shots = argv[i] + 8;
        } else if (std::strcmp(argv[i], "--by-object") == 0) {
            byObject = true;
        } else if (std::strncmp(argv[i], "--own-lists=", 12) == 0) {
            ownLists = std::atoi(argv[i] + 12);
        } else if (std::strcmp(argv[i], "--game-only") == 0) {
            gameOnly = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    const bool ok = RunGameFigures(programStart, shots, byObject, ownLists);
    if (gameOnly) return ok ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
