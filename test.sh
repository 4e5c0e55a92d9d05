#!/usr/bin/env bash
# Installs what is missing, builds Tabulon and runs the whole test suite.
set -u
TABULON_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$TABULON_ROOT/tools/setup.sh"

tabulon_install_missing $tabulon_packages $tabulon_test_packages || exit 1
# Warnings are errors here, so that none creeps in unseen.
tabulon_build -DTABULON_WERROR=ON "$@" || exit 1

cd "$TABULON_ROOT/build" || exit 1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
