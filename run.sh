#!/usr/bin/env bash
# Installs what is missing, builds Tabulon and starts it.
set -u
TABULON_ROOT=$(cd "$(dirname "$0")" && pwd)
. "$TABULON_ROOT/tools/setup.sh"

tabulon_install_missing || exit 1
tabulon_build || exit 1

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Tabulon is built (build/tabulon) but there is no display to show it on: set DISPLAY or run under xvfb-run." >&2
    exit 1
fi
exec "$TABULON_ROOT/build/tabulon" "$@"
