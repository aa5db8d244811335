#!/usr/bin/env bash
# Counts the instructions of one run of stack_demo and of transcript_baseline under callgrind,
# and fails if stack_demo needs more than 5% more than the baseline. Instruction counts do not
# depend on what else the machine is doing, so this check is steady where timings are not.
# Usage: bench/count_instructions.sh [BUILD_DIR]   (default build/bench)
set -euo pipefail
build=${1:-build/bench}

count() {
    echo 7 | valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
        sed -n 's/^==[0-9]*== Collected : //p'
}

demo=$(count "$build/app/stack_demo")
baseline=$(count "$build/bench/transcript_baseline")
echo "stack_demo:          $demo instructions"
echo "transcript_baseline: $baseline instructions"
awk -v d="$demo" -v b="$baseline" 'BEGIN {
    printf "ratio:               %.4f (at most 1.05)\n", d / b
    exit !(d <= 1.05 * b)
}'
