#!/usr/bin/env bash
# What the real game costs the processor in a real X window (Xvfb, 1920 x 1080, llvmpipe's default
# threads), per screen, driven by the keyboard as a player would:
#
#   scripts/window-cost.sh [build folder] [seconds]      defaults: build, 20
#
# For the main menu, the topics and the hall of fame in turn it starts <build>/lexadrill, types a
# name, walks to the screen with the keys, moves the pointer off the scene, and reads the game's
# processor time from /proc/<pid>/stat over the given seconds. Prints one line per screen, "% of one
# core". The game's own data/ folder is used, so the hall of fame shows what it holds.
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(cd "${1:-build}" && pwd)
seconds=${2:-20}
if [ -z "${LEXADRILL_COST_INSIDE:-}" ]; then
    export LEXADRILL_COST_INSIDE=1
    exec timeout 600 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$build" "$seconds"
fi

ticks_per_second=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

for screen in "main menu" topics "hall of fame"; do
    (cd "$build" && exec ./lexadrill) 2>/dev/null &
    game=$!
    sleep 4
    window=$(xdotool search --name '^lexaDRILL$' | head -n 1)
    xdotool windowfocus --sync "$window"
    xdotool type --delay 80 "ana"
    xdotool key Return
    sleep 5
    case $screen in
        topics) xdotool key Return ;;                      # "learn" is selected
        "hall of fame") xdotool key Down Down Return ;;    # "results"
    esac
    xdotool mousemove 1 1
    sleep 4
    before=$(cpu_ticks "$game")
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(cpu_ticks "$game")
    end=$(date +%s.%N)
    kill -TERM "$game"
    wait "$game" || true
    awk -v s="$screen" -v a="$before" -v b="$after" -v t0="$start" -v t1="$end" -v hz="$ticks_per_second" \
        'BEGIN {printf "%s: %.1f %% of one core\n", s, 100 * (b - a) / hz / (t1 - t0)}'
done
