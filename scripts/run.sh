#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
targets=(lexadrill)
# The generated pictures and word list, once the build knows how to make them.
if cmake --build build --target help | grep -q "^game_content"; then
    targets+=(game_content)
fi
cmake --build build -j"$(nproc)" --target "${targets[@]}"
exec build/lexadrill
