#!/bin/sh
# Line coverage that the fuzz corpora reach: runs each harness's replay
# program of a coverage build (clang, NORVEL_COVERAGE=ON) over the committed
# corpus and reproducers and the corpus of the last `make fuzz`, and prints
# how many lines of the code the harness reads were reached (all of engine/
# for the engine's harnesses, the reader's file for the front end's).
# Usage: fuzz-coverage.sh COVERAGE_BUILD_DIR FUZZ_BUILD_DIR NAME...
set -eu
COV_DIR=$(cd "$1" && pwd)
FUZZ_DIR=$2
shift 2
SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
[ -d "$FUZZ_DIR" ] && FUZZ_DIR=$(cd "$FUZZ_DIR" && pwd)
for name in "$@"; do
    # Files whose lines count, as llvm-cov names them (paths may be relative).
    case "$name" in
        fuzz_design_file) pattern="frontend/files/input_file.cpp" ;;
        fuzz_result_folder) pattern="frontend/results/result_reader.cpp" ;;
        *) pattern="engine/" ;;
    esac
    profile="$COV_DIR/$name.profdata"
    rm -f "$COV_DIR/$name".*.profraw
    LLVM_PROFILE_FILE="$COV_DIR/$name.%p.profraw" "$COV_DIR/${name}_replay" \
        "$SOURCE_DIR/tests/fuzz/corpus/$name" "$SOURCE_DIR/tests/fuzz/reproducers/$name" \
        "$FUZZ_DIR/corpus/$name" >/dev/null 2>&1 || true
    llvm-profdata-14 merge -sparse "$COV_DIR/$name".*.profraw -o "$profile"
    # Columns of a file row: name, regions, missed, cover, functions, missed,
    # executed, lines, missed lines, ...
    llvm-cov-14 report "$COV_DIR/${name}_replay" -instr-profile="$profile" |
        awk -v name="$name" -v pattern="$pattern" '
            index($1, pattern) { lines += $8; missed += $9 }
            END { printf "%s: %d of %d lines of %s reached (%.1f %%)\n", name, lines - missed,
                  lines, pattern, lines ? 100 * (lines - missed) / lines : 0 }'
done
