# Shared by run.sh and test.sh: installs what is missing and builds Tabulon in build/.
# Sourced, not run; expects TABULON_ROOT to be set.

# Qt Linguist's lrelease makes the translations; qt6-translations-l10n holds Qt's own for the standard buttons.
tabulon_packages="cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl1-mesa-dev libxlsxwriter-dev libcsv-dev libical-dev zlib1g-dev libbenchmark-dev libcpp-httplib-dev libqrencode-dev qt6-l10n-tools qt6-translations-l10n"
# The tests also check the sources' format, and the installed desktop files with the desktop's own tools.
tabulon_test_packages="clang-format desktop-file-utils appstream shared-mime-info libglib2.0-bin file python3-icalendar curl"

# Installs those of the given packages (by default the build's) that are missing.
tabulon_install_missing() {
    local missing=""
    for package in ${*:-$tabulon_packages}; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install:$missing" >&2; return 1; }
        sudo="sudo"
    fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq || return 1
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing || return 1
}

tabulon_build() {
    cmake -S "$TABULON_ROOT" -B "$TABULON_ROOT/build" "$@" || return 1
    cmake --build "$TABULON_ROOT/build" --parallel "$(nproc)" || return 1
}
