#!/usr/bin/env bash
# Runs each fuzz target for SECONDS seconds on its corpus under BUILD_DIR;
# fails as soon as a target finds a crash, a sanitizer report or a broken
# invariant.
set -euo pipefail

if [[ $# -ne 2 ]]; then
    echo "usage: $0 BUILD_DIR SECONDS" >&2
    exit 2
fi
build_dir=$(cd "$1" && pwd)
seconds=$2

seed() {
    local corpus=$1
    shift
    local i=0
    for text in "$@"; do
        printf '%b' "$text" >"$corpus/seed-$i"
        i=$((i + 1))
    done
}

prepare_corpus() {
    local target=$1
    local corpus="$build_dir/fuzz-corpus/$target"
    mkdir -p "$corpus"
    if [[ -z $(ls -A "$corpus") ]]; then
        case $target in
        fuzz_paste_matrix)
            seed "$corpus" '1,2,3,4' '1\t2\t3\t4\t5\t6\t7\t8\t9' '1\t2\t3\n4\t5\t6\n7\t8\t9\n' \
                '1,2\r\n3,4' '1\t2\n3\t4\n5\t6\n7\t8' '1,5\t2\t3\t4' '' ;;
        fuzz_number_conversions)
            seed "$corpus" '1' '-2.5e-7' ' 3.14159 ' '1e999' 'nan' '1..5' \
                '\x9a\x99\x99\x99\x99\x99\xb9\xbf-000.##' ;;
        esac
    fi
    echo "$corpus"
}

status=0
for target in fuzz_paste_matrix fuzz_number_conversions; do
    binary="$build_dir/fuzz/$target"
    corpus=$(prepare_corpus "$target")
    artifacts="$build_dir/fuzz-artifacts/$target/"
    mkdir -p "$artifacts"
    echo "== $target for ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$binary" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts" "$corpus"; then
        echo "FAILED: $target (artifacts in $artifacts)" >&2
        status=1
    fi
done
exit $status
