#!/usr/bin/env bash
# Fails when a C++ source differs from what the project's .clang-format makes of it.
# With --fix, formats them in place instead.
set -eu
cd "$(dirname "$0")/.."
mapfile -t sources < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${sources[@]}"
else
    clang-format --dry-run --Werror "${sources[@]}"
fi
