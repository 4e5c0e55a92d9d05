#!/usr/bin/env bash
# Builds the suite with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/ and runs it.
set -u
TABULON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$TABULON_ROOT" -B "$TABULON_ROOT/build-sanitize" -DTABULON_SANITIZE=ON -DTABULON_BENCHMARKS=OFF \
    -DTABULON_WERROR=ON || exit 1
cmake --build "$TABULON_ROOT/build-sanitize" --parallel "$(nproc)" || exit 1
cd "$TABULON_ROOT/build-sanitize" || exit 1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
