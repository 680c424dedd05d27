#!/usr/bin/env bash
# Builds the fuzz targets of the readers (clang, libFuzzer) and runs each over
# its seeds in tests/fuzz/corpus for a fixed time, two at a time.
#   bash scripts/fuzz.sh [seconds per target]   (or KELVANE_FUZZ_SECONDS; 20 by default)
# New inputs go to a temporary folder, never into the tree; a failing input is
# kept there and its path printed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${KELVANE_FUZZ_SECONDS:-20}}
bash scripts/deps.sh clang libclang-rt-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

work=$(mktemp -d /tmp/kelvane-fuzz.XXXXXX)
targets=(records card roster settings import cp932 history)
run_one() {
    local name=$1
    mkdir -p "$work/$name"
    if build/fuzz/tests/fuzz/"fuzz_$name" -max_total_time="$seconds" -timeout=10 \
        -max_len=16384 -print_final_stats=1 -artifact_prefix="$work/$name-" \
        "$work/$name" "tests/fuzz/corpus/$name" >"$work/$name.log" 2>&1; then
        echo "fuzz_$name: $(grep -m1 -o 'number_of_executed_units: [0-9]*' "$work/$name.log" |
            grep -o '[0-9]*') runs in ${seconds} s, no failure"
    else
        echo "fuzz_$name: FAILED, log and input in $work"
        tail -n 30 "$work/$name.log"
        return 1
    fi
}

status=0
pids=()
for name in "${targets[@]}"; do
    run_one "$name" &
    pids+=($!)
    # Two at a time: the machine has two cores.
    if [ ${#pids[@]} -ge 2 ]; then
        wait "${pids[0]}" || status=1
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || status=1
done
passed=0
for name in "${targets[@]}"; do
    grep -q 'number_of_executed_units' "$work/$name.log" 2>/dev/null &&
        ! grep -q 'ERROR: libFuzzer\|check failed\|ERROR: AddressSanitizer' "$work/$name.log" &&
        passed=$((passed + 1))
done
if [ "$passed" -eq ${#targets[@]} ]; then
    echo "fuzz: all ${#targets[@]} targets ran without a failure"
else
    echo "fuzz: $((${#targets[@]} - passed)) of ${#targets[@]} targets failed"
fi
[ $status -eq 0 ] && rm -rf "$work"
exit $status
