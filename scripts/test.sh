#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs the whole suite headless
# (the tests open their window on SDL's offscreen driver; no display is needed).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build
SDL_VIDEODRIVER=offscreen ctest --output-on-failure -j"$(nproc)"
