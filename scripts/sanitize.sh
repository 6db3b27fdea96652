#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer + UndefinedBehaviorSanitizer (in build-asan/) and
# runs it headless, end-to-end games included. Any report fails the run.
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

scripts/setup.sh
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build build -j"$(nproc)" --target game_content
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEXADRILL_SANITIZE=ON \
    -DLEXADRILL_CONTENT_FROM="$PWD/build" >/dev/null
cmake --build build-asan -j"$(nproc)" --target lexadrill_tests
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
SDL_VIDEODRIVER=offscreen ctest --output-on-failure --timeout 600 -j"$(nproc)"
