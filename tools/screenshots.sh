#!/usr/bin/env bash
# Makes the README's screenshots under Xvfb, from a build in build/: the main window with its
# groups, a group window with its results table and league table panel, the report window, and the
# Knockout window of a 16-team stage with every result (knockout-WIDTHxHEIGHT.png).
# Needs xvfb, xdotool and imagemagick. SIZE (1366x768), SCALE (Qt's scale factor, 1) and DARK (1 for
# a dark palette) choose the screen; the pictures go to docs/screenshots/, or to OUT.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
size=${SIZE:-1366x768}
out=${OUT:-$root/docs/screenshots}
suffix=${SUFFIX:-}
mkdir -p "$out"

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots.sh needs $tool (xvfb, xdotool, imagemagick)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# A user of its own: no settings, recent files or unsaved work of anyone's are touched.
export HOME=$work XDG_CONFIG_HOME=$work/.config XDG_DATA_HOME=$work/.local/share
export QT_SCALE_FACTOR=${SCALE:-1}
style=()
[ "${DARK:-0}" = 1 ] && style=(-stylesheet "$root/tools/dark.qss")

# The league table panel is shown, as View > League Table Panel leaves it.
mkdir -p "$XDG_CONFIG_HOME/Veltrix"
printf '[General]\nLeague%%20Table%%20Panel=1\n' >"$XDG_CONFIG_HOME/Veltrix/Tabulon.conf"
seasons=$root/tests/data/seasons
"$root/build/tabulon-cli" new "$work/two.trn" --name "Premier League 2023-24" --location England \
    "$seasons/eng_premier_league_2023_24.csv" "$seasons/esp_la_liga_2014_15.csv" >/dev/null
"$root/build/tabulon-cli" new "$work/one.trn" --name "La Liga 2014-15" --location Spain \
    "$seasons/esp_la_liga_2014_15.csv" >/dev/null

# The 2018 World Cup as tabulon-cli makes it: its eight groups, the round of 16 from the official
# slots with a third-place match, and every knockout result as reported.
wc=$root/tests/data/world_cup_2018
"$root/build/tabulon-cli" new "$work/cup.trn" --name "World Cup 2018" --location Russia --rules 1,2,3,6 \
    "$wc"/group_?.csv >/dev/null
"$root/build/tabulon-cli" knockout "$work/cup.trn" --template "$wc/template.csv" --third-place \
    --start 2018-06-30 --gap 4 >/dev/null
tail -n +2 "$wc/knockout.csv" | while IFS=, read -r tie _ _ ft aet pens _; do
    "$root/build/tabulon-cli" knockout-result "$work/cup.trn" --tie "$tie" --score "$ft" \
        ${aet:+--extra-time "$aet"} ${pens:+--penalties "$pens"} >/dev/null
done

display=${XDISPLAY:-:$((90 + RANDOM % 9))} # XDISPLAY picks one, such as :7
Xvfb "$display" -screen 0 "${size}x24" >/dev/null 2>&1 &
export DISPLAY=$display
sleep 1
read -r width height < <(echo "$size" | tr 'x' ' ')

shot() { sleep 1.5; import -window root "$out/$1$suffix.png"; }

# Opens `file` in Tabulon, the pointer over the main window so that it has the keyboard.
start() {
    "$root/build/tabulon" "${style[@]}" "$1" >/dev/null 2>&1 &
    sleep 3
    xdotool mousemove $((width / 2)) $((height / 2))
}

start "$work/two.trn"
shot main-window
kill %2
start "$work/one.trn"
shot group-window
xdotool key alt+p # Results Report of the active group
shot report-window
kill $!
# The Knockout window fills the area behind the group windows: Window > Windows brings it to the front.
start "$work/cup.trn"
xdotool mousemove $((width - 100)) 40 click 1 # the empty menu bar takes the keyboard
xdotool key --delay 400 alt+w w Up Return
shot "knockout-$size"
