#!/bin/sh
# The Makefile's bench target starts the benchmark program the build made, and
# that program runs the complete example run with its counters.
# Usage: bench_target.sh SOURCE_DIR BUILD_DIR
set -e
command=$(make -n -s -C "$1" bench BUILD_DIR="$2" | tail -n 1)
program=${command%% *}
if [ ! -x "$program" ]; then
    echo "make bench starts $program, which the build did not make"
    exit 1
fi
"$program" --benchmark_filter='fullRun/1' --benchmark_min_time=0.01 | grep -q 'evaluations='
