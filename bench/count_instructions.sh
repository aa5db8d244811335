#!/usr/bin/env bash
# Counts the instructions of one run of stack_demo and of transcript_baseline under callgrind,
# and fails if stack_demo needs more than 5% more than the baseline. Instruction counts do not
# depend on what else the machine is doing, so this check is steady where timings are not.
# Usage: bench/count_instructions.sh [BUILD_DIR]   (default build/bench)
set -euo pipefail
build=${1:-build/bench}

# Prints the instructions of one run of PROGRAM, given the answer 7. A run that fails, or a log
# without a whole count, prints callgrind's log and fails: two missing counts would otherwise
# compare as equal, and a run cut short would count as cheap.
count() {
    local log status=0 collected
    log=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" <<<7 2>&1 >/dev/null) ||
        status=$?
    collected=$(sed -n 's/^==[0-9]*== Collected : //p' <<<"$log")
    if ((status != 0)) || [[ ! $collected =~ ^[0-9]+$ ]]; then
        printf '%s\n' "$log" >&2
        echo "$0: no instruction count for $1 (exit status $status, count '$collected')" >&2
        return 1
    fi
    echo "$collected"
}

demo=$(count "$build/app/stack_demo")
baseline=$(count "$build/bench/transcript_baseline")
echo "stack_demo:          $demo instructions"
echo "transcript_baseline: $baseline instructions"
awk -v d="$demo" -v b="$baseline" 'BEGIN {
    printf "ratio:               %.4f (at most 1.05)\n", d / b
    exit !(d <= 1.05 * b)
}'
