#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs everything CI checks:
#  0. no folder includes a layer it may not use (scripts/layers.sh; the build refuses it too);
#  1. the whole suite headless (the tests open their window on SDL's offscreen driver);
#  2. the same suite as one process, in a shuffled order (each test must start from a clean
#     state, whatever ran before it in that process);
#  3. the real game in a real X window (scripts/smoke.sh, under Xvfb);
#  4. the installed game as a player who cannot write it, and its Debian package
#     (scripts/install-check.sh);
#  5. the suite again under AddressSanitizer + UndefinedBehaviorSanitizer (scripts/sanitize.sh,
#     in build-asan/, which reuses the content built here).
# Each stage says how long it took. Stage 2 needs one core and stages 3 and 4 mostly wait for
# their windows and the speech service, so 2 runs beside them; stage 5's build runs at low priority
# beside stages 1 to 4.
set -euo pipefail
cd "$(dirname "$0")/.."

started=$SECONDS
stage() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    echo "test.sh: $name took $((SECONDS - start)) s"
}

stage setup scripts/setup.sh
stage layers eval 'scripts/layers.sh >/dev/null'
# A fresh build joins each target's sources into a few translation units (CMake's unity build): the
# shared headers and templates are compiled a few times instead of once per file, which more than
# halves the compiling.
# The code is the same either way; a developer's own build may leave it off for quicker rebuilds.
stage build eval 'cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON && cmake --build build -j"$(nproc)"'

# The sanitizers' build takes what the suites and the waiting checks leave of the cores, from here
# on: the suite's last half minute is the frame-skip oracle alone on one core.
sanitized_build_log=build/sanitized-build.log
sanitized_build_start=$SECONDS
nice -n 10 timeout 2400 scripts/sanitize.sh --build-only >"$sanitized_build_log" 2>&1 &
sanitized_build=$!
trap 'kill "$sanitized_build" 2>/dev/null || true' EXIT
stage suite eval '(cd build && SDL_VIDEODRIVER=offscreen ctest --output-on-failure --timeout 600 -j"$(nproc)")'

shuffled_log=build/shuffled-suite.log
beside_start=$SECONDS
(cd build && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout 1200 tests/lexadrill_tests --gtest_shuffle \
    --gtest_brief=1) >"$shuffled_log" 2>&1 &
shuffled=$!
trap 'kill "$shuffled" "$sanitized_build" 2>/dev/null || true' EXIT
stage smoke scripts/smoke.sh build
stage install-check scripts/install-check.sh build
if ! wait "$shuffled"; then
    tail -n 60 "$shuffled_log"
    echo "test.sh: the shuffled suite in one process failed ($shuffled_log)" >&2
    exit 1
fi
tail -n 3 "$shuffled_log"
echo "test.sh: shuffled suite took $((SECONDS - beside_start)) s (beside smoke and install-check)"
if ! wait "$sanitized_build"; then
    tail -n 60 "$sanitized_build_log"
    echo "test.sh: the sanitizers' build failed ($sanitized_build_log)" >&2
    exit 1
fi
trap - EXIT
echo "test.sh: the sanitizers' build took $((SECONDS - sanitized_build_start)) s (beside the four above)"

stage sanitizers scripts/sanitize.sh
echo "test.sh: passed in $((SECONDS - started)) s"
