#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer + UndefinedBehaviorSanitizer (in build-asan/) and
# runs it headless, end-to-end games included. Any report fails the run.
#
# The suite runs as two processes side by side, the frame-skip oracle (the longest test) in one and
# every other test in the other, instead of one process per test: a sanitized process spends most
# of a second starting and checking for leaks at its exit, which three hundred processes repeat.
# Each process still ends with one leak check over everything its tests did. Line tables only
# (-g1) keep the reports' file:line while compiling faster, and like test.sh's build it is a unity
# build (each target's sources compiled eight at a time as one translation unit).
#
# Only the test executable is built there: the content generators and the benchmark are not
# rebuilt with the sanitizers; data/ and gfx/ are copied from the normal build (build/), whose
# content is made first if it is missing.
#
# Leaks inside the system's GL driver are suppressed by module (scripts/lsan.supp). SDL unloads
# the driver when the window closes, which would leave its frames unnamed in the leak report, so
# the driver's libraries are preloaded: they then stay mapped until the report is written.
set -euo pipefail
cd "$(dirname "$0")/.."

# --build-only: builds build-asan/ and stops; the caller has set up and built build/ (test.sh runs
# it beside the stages that mostly wait, then this script again, whose build is then done).
build_only=false
if [ "${1:-}" = --build-only ]; then build_only=true; fi

if ! $build_only; then
    scripts/setup.sh
    if [ ! -f build/build.ninja ]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build build -j"$(nproc)" --target game_content
fi
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DLEXADRILL_SANITIZE=ON -DCMAKE_UNITY_BUILD=ON \
    -DLEXADRILL_CONTENT_FROM="$PWD/build" >/dev/null
cmake --build build-asan -j"$(nproc)" --target lexadrill_tests
if $build_only; then exit 0; fi
cd build-asan

libdir=/usr/lib/$(gcc -print-multiarch)
preload=("$(readlink -f "$(gcc -print-file-name=libasan.so)")")  # the sanitizer runtime comes first
for library in libEGL.so.1 libEGL_mesa.so.0 libGLX_mesa.so.0 libglapi.so.0 libgbm.so.1 dri/swrast_dri.so; do
    if [ -e "$libdir/$library" ]; then preload+=("$libdir/$library"); fi
done
export LD_PRELOAD="${preload[*]}"
export ASAN_OPTIONS="detect_stack_use_after_return=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/../scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy

oracle=FrameSkipTest.*
run_part() {  # name, gtest filter
    timeout 1500 tests/lexadrill_tests --gtest_filter="$2" >"sanitized-$1.log" 2>&1
}
run_part oracle "$oracle" &
oracle_pid=$!
trap 'kill "$oracle_pid" 2>/dev/null || true' EXIT
failed=()
run_part rest "-$oracle" || failed+=(rest)
wait "$oracle_pid" || failed+=(oracle)
trap - EXIT
for part in oracle rest; do
    grep -E "^\[  (PASSED|FAILED) " "sanitized-$part.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
    for part in "${failed[@]}"; do
        tail -n 80 "sanitized-$part.log"
        echo "sanitize.sh: the sanitized $part run failed (build-asan/sanitized-$part.log)" >&2
    done
    exit 1
fi
