#!/bin/sh
# Makes the pictures in docs/ again from documents that the program's own reader makes of the
# real reports: the two map renders, and (with Xvfb, xdotool and ImageMagick's import) a
# screenshot of the map view and the description pane after a few clicks.
#
#     tools/make_doc_pictures.sh BUILD_DIR [REPORTS_DIR]
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:?usage: tools/make_doc_pictures.sh BUILD_DIR [REPORTS_DIR]}" && pwd)
reports=$(cd "${2:-tests/reports}" && pwd)
cli="$build/cli/vexlor-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The engine's whole world, and faction 3 of the engine's own 14-turn game.
"$cli" add "$work/world.atl" "$reports/large/v410-standard-world.rep" >/dev/null
"$cli" render "$work/world.atl" --select 10,12 -o docs/render-surface.png
player=""
for turn in $(seq 1 14); do player="$player $reports/repo-snapshot-neworigins/3-turn$turn.rep"; done
# shellcheck disable=SC2086 # one argument per report
"$cli" add "$work/player.atl" $player >/dev/null
"$cli" render "$work/player.atl" --select 3,9 -o docs/render-player.png

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "no Xvfb or xdotool: docs/map-and-description.png left as it is" >&2
    exit 0
fi
n=100
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=:$n
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display "$build/tests/mapwindow/mapwindow_demo" --size 1280x800 "$work/player.atl" &
demo=$!
sleep 3
# Centre on Chestergrove (right button), select it, open three headings of the pane.
DISPLAY=$display xdotool mousemove 137 210 click 3 sleep 0.4 mousemove 395 205 click 1 sleep 0.4 \
    mousemove 800 161 click 1 sleep 0.2 mousemove 800 147 click 1 sleep 0.2 \
    mousemove 800 133 click 1 sleep 0.2 mousemove 600 500 sleep 0.4
DISPLAY=$display /usr/bin/import -window root docs/map-and-description.png
kill "$demo" "$xvfb"
wait "$xvfb" 2>/dev/null || true
