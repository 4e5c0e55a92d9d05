#!/usr/bin/env bash
# Builds the Debian package: a release build of the two programs in build-deb/, packed by CPack with
# its dependencies computed from the libraries they link. Install it with: apt install ./tabulon_*.deb
set -u
TABULON_ROOT=$(cd "$(dirname "$0")/.." && pwd)
. "$TABULON_ROOT/tools/setup.sh"

# dpkg-shlibdeps (dpkg-dev) and file compute the package's dependencies.
tabulon_install_missing $tabulon_packages dpkg-dev file || exit 1
out="$TABULON_ROOT/build-deb"
cmake -S "$TABULON_ROOT" -B "$out" -DCMAKE_BUILD_TYPE=Release -DTABULON_BENCHMARKS=OFF \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON || exit 1
cmake --build "$out" --parallel "$(nproc)" --target tabulon tabulon-cli tempdb || exit 1
(cd "$out" && cpack -G DEB) || exit 1
ls "$out"/tabulon_*.deb
