#!/usr/bin/env bash
# Builds the game and its tests with AddressSanitizer + UndefinedBehaviorSanitizer (in
# build-asan/) and runs the suite headless. Leaks inside the system's GL driver are suppressed
# (scripts/lsan.supp); the slow unwinder is needed so those stacks reach a frame we can name.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEXADRILL_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
cd build-asan
export ASAN_OPTIONS="fast_unwind_on_malloc=0:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$PWD/../scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
SDL_VIDEODRIVER=offscreen ctest --output-on-failure -j"$(nproc)"
