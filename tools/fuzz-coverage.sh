#!/bin/sh
# Line coverage that the fuzz corpora reach: runs each harness's replay
# program of a coverage build (clang, NORVEL_COVERAGE=ON) over the committed
# corpus and reproducers and the corpus of the last `make fuzz`, and prints
# llvm-cov's line figures for the code the harness reads.
# Usage: fuzz-coverage.sh COVERAGE_BUILD_DIR FUZZ_BUILD_DIR NAME...
set -eu
COV_DIR=$(cd "$1" && pwd)
FUZZ_DIR=$2
shift 2
SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
[ -d "$FUZZ_DIR" ] && FUZZ_DIR=$(cd "$FUZZ_DIR" && pwd)
for name in "$@"; do
    case "$name" in
        fuzz_design_file) sources="$SOURCE_DIR/frontend/files/input_file.cpp" ;;
        fuzz_result_folder) sources="$SOURCE_DIR/frontend/results/result_reader.cpp" ;;
        *) sources="$SOURCE_DIR/engine" ;;
    esac
    profile="$COV_DIR/$name.profdata"
    rm -f "$COV_DIR/$name".*.profraw
    LLVM_PROFILE_FILE="$COV_DIR/$name.%p.profraw" "$COV_DIR/${name}_replay" \
        "$SOURCE_DIR/tests/fuzz/corpus/$name" "$SOURCE_DIR/tests/fuzz/reproducers/$name" \
        "$FUZZ_DIR/corpus/$name" >/dev/null 2>&1 || true
    llvm-profdata-14 merge -sparse "$COV_DIR/$name".*.profraw -o "$profile"
    total=$(llvm-cov-14 report "$COV_DIR/${name}_replay" -instr-profile="$profile" $sources |
        sed -n 's/^TOTAL *//p')
    # Columns: regions, missed, cover, functions, missed, executed, lines, missed, cover.
    echo "$name: lines $(echo "$total" | awk '{print $7 - $8 " of " $7 " (" $9 ")"}'), functions $(echo "$total" | awk '{print $6}')"
done
