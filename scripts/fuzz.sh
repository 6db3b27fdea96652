#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each for a bounded time.
#
#   scripts/fuzz.sh [seconds] [target...]     seconds per target (default 60); targets default to
#                                             every fuzz/fuzz_*.cpp, named without "fuzz_"
#   FUZZ_PARALLEL=2 scripts/fuzz.sh 600       runs two targets at a time
#
# Each target starts from the seed files in fuzz/corpus/<target>/ and grows its own working
# corpus in build-fuzz/corpus/<target>/ (kept between runs). A crash, a sanitizer report or a
# leak stops that target, leaves the input in build-fuzz/artifacts/<target>/ and makes the
# script fail; each target's log is build-fuzz/logs/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
    for source in fuzz/fuzz_*.cpp; do
        name=${source#fuzz/fuzz_}
        targets+=("${name%.cpp}")
    done
fi
parallel=${FUZZ_PARALLEL:-1}

scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLEXADRILL_FUZZ=ON -DLEXADRILL_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p build-fuzz/logs

run_target() {
    local target=$1
    local corpus=build-fuzz/corpus/$target artifacts=build-fuzz/artifacts/$target/
    mkdir -p "$corpus" "$artifacts"
    # -close_fd_mask=3 keeps the readers' own traces out of the log; libFuzzer keeps its own copy of
    # stderr for its messages and the sanitizer reports.
    build-fuzz/fuzz/fuzz_"$target" "$corpus" "fuzz/corpus/$target" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=25 -close_fd_mask=3 -print_final_stats=1 \
        -artifact_prefix="$artifacts" >"build-fuzz/logs/$target.log" 2>&1
}

summary() {
    local target=$1 log=build-fuzz/logs/$1.log
    local last execs
    last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
    execs=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}' || true)
    printf '%-12s execs %-10s %s\n' "$target" "${execs:-?}" "$(grep -oE 'cov: [0-9]+ ft: [0-9]+' <<<"$last")"
}

failed=()
pids=()
names=()
wait_one() {
    local pid=${pids[0]} name=${names[0]}
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
    if wait "$pid"; then
        summary "$name"
    else
        echo "FAILED: $name (see build-fuzz/logs/$name.log and build-fuzz/artifacts/$name/)"
        grep -E 'ERROR|SUMMARY|runtime error' "build-fuzz/logs/$name.log" | head -n 5 || true
        failed+=("$name")
    fi
}

echo "Fuzzing ${targets[*]} for ${seconds} s each, ${parallel} at a time"
for target in "${targets[@]}"; do
    if ((${#pids[@]} >= parallel)); then wait_one; fi
    run_target "$target" &
    pids+=($!)
    names+=("$target")
done
while ((${#pids[@]} > 0)); do wait_one; done

if ((${#failed[@]} > 0)); then
    echo "Fuzzing found a fault in: ${failed[*]}"
    exit 1
fi
