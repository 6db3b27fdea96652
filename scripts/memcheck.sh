#!/usr/bin/env bash
# Plays the whole game headless under valgrind's memcheck (slow: half an hour or more on two
# cores, so it is not part of scripts/test.sh):
#
#   scripts/memcheck.sh [build folder]        default: build (built here if needed)
#
# The end-to-end tests picked below give a user name, a learning run, a passed and a failed test,
# the hall of fame and the program's exit. The run fails on any invalid access or use of
# uninitialised memory and on any definite leak, except what scripts/valgrind.supp names: the
# system GL driver's own leaks and reads, never a frame of the game. The report is
# <build>/memcheck.log.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
scripts/setup.sh
if ! command -v valgrind >/dev/null; then
    echo "memcheck: valgrind is not installed (apt-get install valgrind)" >&2
    exit 1
fi
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target lexadrill_tests game_content

games='GameTest.YesThenTheInformationArrowEndsTheProgramWithStatusZero'
games+=':PlayTest.LearningStepsThroughThirtyEntriesInFileOrderThenReturnsToTheMenu'
games+=':PlayTest.TwentyOneFastRightAnswersPassAndUnlockTheNextTopic'
games+=':PlayTest.TenWrongAnswersFailTheRunAndTheRaisedCountsAreSaved'
games+=':PlayTest.HallOfFameShowsTwelveLinesFromDiskAndTheNextSaveKeepsTen'

log=$build/memcheck.log
# llvmpipe's worker threads only add scheduling under valgrind, which runs one thread at a time.
status=0
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LP_NUM_THREADS=0 \
    valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --error-exitcode=99 --keep-debuginfo=yes --num-callers=40 \
    --suppressions=scripts/valgrind.supp --log-file="$log" \
    "$build/tests/lexadrill_tests" --gtest_filter="$games" || status=$?

grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|possibly lost|still reachable|suppressed:' "$log" || true
case $status in
    0) echo "memcheck: clean" ;;
    99) echo "memcheck: FAILED: errors or definite leaks, see $log" >&2 ;;
    *) echo "memcheck: FAILED: the tests failed under valgrind (status $status), see $log" >&2 ;;
esac
exit "$status"
