#!/usr/bin/env bash
# Fails when clang-format would change a C++ file of the project. The code is
# formatted with clang-format 14, Debian 12's (scripts/install-deps.sh installs
# it); other versions lay out some lines differently, so only that one is used.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=clang-format-14
if ! command -v "$clang_format" >/dev/null; then
    echo "$clang_format is not installed: run 'make deps'" >&2
    exit 1
fi

mapfile -t files < <(find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) | sort)
if ! "$clang_format" --dry-run --Werror "${files[@]}"; then
    echo "Not formatted as .clang-format says: run '$clang_format -i' on the files above." >&2
    exit 1
fi
echo "${#files[@]} files formatted as .clang-format says ($("$clang_format" --version))"
