#!/usr/bin/env bash
# Builds the tests of the code that runs on more than one thread (the site is made two groups at a
# time) with ThreadSanitizer in build-threads/ and runs them. Qt is not built with it, so only calls
# from our own code are watched: Qt's locks inside its own classes are invisible to it. Address
# randomisation is turned off for the run, as ThreadSanitizer cannot lay out its memory on kernels
# that randomise widely.
set -u
TABULON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$TABULON_ROOT" -B "$TABULON_ROOT/build-threads" -DTABULON_THREAD_SANITIZE=ON -DTABULON_BENCHMARKS=OFF \
    -DTABULON_WERROR=ON >/dev/null || exit 1
cmake --build "$TABULON_ROOT/build-threads" --parallel "$(nproc)" --target tst_sitepages tst_reports || exit 1
cd "$TABULON_ROOT/build-threads" || exit 1
TSAN_OPTIONS="halt_on_error=1 exitcode=66 ignore_noninstrumented_modules=1" QT_QPA_PLATFORM=offscreen \
    setarch "$(uname -m)" -R ctest --output-on-failure --parallel "$(nproc)" -R '^(tst_sitepages|tst_reports)$'
