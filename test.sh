#!/usr/bin/env bash
# Installs what is missing, builds Tabulon and runs the whole test suite.
set -u
TABULON_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$TABULON_ROOT/tools/setup.sh"

tabulon_install_missing || exit 1
tabulon_build "$@" || exit 1

cd "$TABULON_ROOT/build" || exit 1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
