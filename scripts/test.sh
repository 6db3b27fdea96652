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
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/layers.sh >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
(cd build && SDL_VIDEODRIVER=offscreen ctest --output-on-failure --timeout 600 -j"$(nproc)")
(cd build && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy tests/lexadrill_tests --gtest_shuffle --gtest_brief=1)
scripts/smoke.sh build
scripts/install-check.sh build
scripts/sanitize.sh
