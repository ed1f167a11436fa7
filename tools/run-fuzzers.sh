#!/bin/sh
# Runs the libFuzzer harnesses of a fuzz build, each for the given number of
# seconds, starting from the committed seed corpus (tests/fuzz/corpus/<name>)
# and keeping what it finds in the build folder (corpus/<name>, artifacts/<name>).
# Usage: run-fuzzers.sh BUILD_DIR SECONDS NAME...
# FUZZ_PARALLEL=2 runs two harnesses at a time. Ends with a summary line per
# harness and a non-zero status when any harness found a crash, a hang or a
# failed check.
set -u
BUILD_DIR=$(cd "$1" && pwd)
SECONDS_EACH=$2
shift 2
SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
PARALLEL=${FUZZ_PARALLEL:-1}

run_one() {
    name=$1
    corpus="$BUILD_DIR/corpus/$name"
    artifacts="$BUILD_DIR/artifacts/$name"
    mkdir -p "$corpus" "$artifacts"
    dict="$SOURCE_DIR/tests/fuzz/dict/${name#fuzz_}.dict"
    dict_option=""
    [ -f "$dict" ] && dict_option="-dict=$dict"
    # The engine's own output goes to its in-process console; libFuzzer's
    # status lines and any sanitizer report land in the log.
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1" \
    UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    "$BUILD_DIR/$name" -max_total_time="$SECONDS_EACH" -timeout=30 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" $dict_option \
        "$corpus" "$SOURCE_DIR/tests/fuzz/corpus/$name" >"$BUILD_DIR/$name.log" 2>&1
    echo $? >"$BUILD_DIR/$name.status"
}

summary() {
    name=$1
    log="$BUILD_DIR/$name.log"
    status=$(cat "$BUILD_DIR/$name.status" 2>/dev/null || echo "?")
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1)
    corpus=$(ls "$BUILD_DIR/corpus/$name" | wc -l)
    findings=$(ls "$BUILD_DIR/artifacts/$name" | wc -l)
    echo "$name: exit $status, $runs executions, $cov, $ft, $corpus new corpus files, $findings findings"
}

failed=0
set -- "$@"
while [ $# -gt 0 ]; do
    batch=""
    i=0
    while [ $# -gt 0 ] && [ $i -lt "$PARALLEL" ]; do
        batch="$batch $1"
        shift
        i=$((i + 1))
    done
    for name in $batch; do
        echo "Fuzzing $name for $SECONDS_EACH s"
        run_one "$name" &
    done
    wait
    for name in $batch; do
        summary "$name"
        [ "$(cat "$BUILD_DIR/$name.status")" = "0" ] || failed=1
        [ -z "$(ls "$BUILD_DIR/artifacts/$name")" ] || failed=1
    done
done
exit $failed
