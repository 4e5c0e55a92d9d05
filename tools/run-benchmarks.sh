#!/usr/bin/env bash
# Runs every benchmark once, briefly, so that one that crashes, or no longer finds what it measures,
# fails CI instead of rotting unseen. The figures of such a short run mean little; run a benchmark
# by hand for those. Usage: tools/run-benchmarks.sh [BUILD_DIR]
set -u
build=${1:-"$(cd "$(dirname "$0")/.." && pwd)/build"}
benchmarks=()
for file in "$build"/bench/bench_*; do
    [ -f "$file" ] && [ -x "$file" ] && benchmarks+=("$file")
done
if [ ${#benchmarks[@]} -eq 0 ]; then
    echo "No benchmarks in $build/bench: build with -DTABULON_BENCHMARKS=ON." >&2
    exit 1
fi
failed=0
for benchmark in "${benchmarks[@]}"; do
    name=$(basename "$benchmark")
    log=$(mktemp)
    start=$(date +%s)
    QT_QPA_PLATFORM=offscreen timeout 600 "$benchmark" --benchmark_min_time=0.01 >"$log" 2>&1
    status=$?
    seconds=$(($(date +%s) - start))
    if [ $status -ne 0 ] || grep -q "ERROR OCCURRED" "$log"; then
        echo "FAILED  $name (exit $status, ${seconds} s)"
        cat "$log"
        failed=$((failed + 1))
    else
        echo "ok      $name (${seconds} s)"
    fi
    rm -f "$log"
done
echo "Benchmarks: ${#benchmarks[@]} run, $failed failed"
[ $failed -eq 0 ]
