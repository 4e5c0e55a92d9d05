#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the tree and its desktop files with the desktop's
# own tools, and runs the installed program there as a user starting it for the first time would.
# Usage: install-tree.sh BUILD_DIR TOURNAMENT_FILE
set -eu
build=$1
tournament=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
id=example.veltrix.Tabulon
for file in bin/tabulon bin/tabulon-cli share/tabulon/TempDB.mdb share/tabulon/tabulon-help.html \
    share/tabulon/tabulon-help_de.html share/tabulon/tabulon-help_es.html \
    share/tabulon/translations/tabulon_de.qm share/tabulon/translations/tabulon_es.qm \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/tabulon.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/256x256/apps/$id.png; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ "$(find "$prefix" -type f | wc -l)" -eq 13 ] || fail "unexpected files: $(find "$prefix" -type f)"
file "$prefix/share/icons/hicolor/256x256/apps/$id.png" | grep -q "256 x 256" || fail "the PNG icon is not 256 pixels"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo"

# Tabulon's own files are recognised by their content; another program's .trn file is not claimed.
update-mime-database "$prefix/share/mime"
printf 'Hello\r\n' >"$work/other.trn"
content_type() {
    XDG_DATA_DIRS=$prefix/share:/usr/share XDG_DATA_HOME=$work/none gio info -a standard::content-type "$1" |
        sed -n 's/.*standard::content-type: //p'
}
[ "$(content_type "$tournament")" = application/x-tabulon-tournament ] || fail "type of $tournament: $(content_type "$tournament")"
[ "$(content_type "$work/other.trn")" = text/plain ] || fail "type of other.trn: $(content_type "$work/other.trn")"

# A new user: the first table copies the supplied database into the user's data folder.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
before=$(sha256sum <"$prefix/share/tabulon/TempDB.mdb")
"$prefix/bin/tabulon-cli" table "$tournament" >"$work/table.txt" || fail "tabulon-cli table"
grep -q . "$work/table.txt" || fail "tabulon-cli table printed nothing"
[ -f "$XDG_DATA_HOME/Veltrix/Tabulon/TempDB.mdb" ] || fail "no database copy in the user's data folder"
[ "$(sha256sum <"$prefix/share/tabulon/TempDB.mdb")" = "$before" ] || fail "the installed database was written"

# Help and the version need no display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tabulon" --version)" = "Tabulon 1.0" ] ||
    fail "tabulon --version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tabulon" --help | grep -q "FILE.trn" ||
    fail "tabulon --help"
echo "installed tree checked"
