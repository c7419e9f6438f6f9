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

# The program itself, with a profile of its own: the whole 64 x 64 world zoomed out, where the
# gold discs mark the towns the Guardsmen hold, the find box over the player's map, the empty
# start, the levels and the minimap.
cp "$build/vexlor/vexlor" "$build/vexlor/vexenu.so" "$build/vexlor/errlex32.so" \
    "$build/vexlor/vexenu.html" "$work/"
touch "$work/per-user-profile"
export XDG_CONFIG_HOME="$work/config"
"$cli" add "$work/whole.atl" "$reports/large/head-standard-world.rep" >/dev/null
head=""
for turn in $(seq 1 8); do head="$head $reports/head-standard/3-turn$turn.rep"; done
# shellcheck disable=SC2086 # one argument per report
"$cli" add "$work/head.atl" $head >/dev/null
Xvfb "$display" -screen 0 1280x800x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
# start_program DOC: the program on DOC filling the screen, the map clicked at (x, y).
start_program() {
    DISPLAY=$display "$work/vexlor" "$1" &
    program=$!
    sleep 3
    window=$(DISPLAY=$display xdotool search --name "Vexlor -" | head -1)
    DISPLAY=$display xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800 sleep 1 \
        mousemove "$2" "$3" click 1 sleep 0.4
}
start_program "$work/whole.atl" 376 405
DISPLAY=$display xdotool key ctrl+minus sleep 0.3 key ctrl+minus sleep 0.3 key ctrl+minus \
    sleep 0.3 key ctrl+minus sleep 0.3 mousemove 295 228 click 1 sleep 0.6
DISPLAY=$display /usr/bin/import -window root docs/whole-world.png
kill "$program"
sleep 1
start_program "$work/head.atl" 376 405
DISPLAY=$display xdotool key ctrl+0 sleep 0.3 key ctrl+f sleep 0.8 type --delay 60 rangers
sleep 0.5
box=$(DISPLAY=$display xdotool search --name "^Find$" | head -1)
DISPLAY=$display xdotool windowmove "$box" 780 380 sleep 0.3 key Down sleep 0.2 key Down \
    sleep 0.2 key Return sleep 0.8
DISPLAY=$display /usr/bin/import -window root docs/find-box.png
kill "$program"
sleep 1
# A note written with vexlor-cli note on Verdorf's hex, found, selected and bookmarked in the
# program (Ctrl+B): the note at the top of the pane, the sheet and the ribbon on the map.
cp "$work/head.atl" "$work/noted.atl"
"$cli" note "$work/noted.atl" 0,32 "Buy horses here in spring.
The guards of Verdorf are Blue Herons: ask before crossing.
Tower planned on the hill east of the city."
start_program "$work/noted.atl" 376 405
DISPLAY=$display xdotool key ctrl+0 sleep 0.3 key ctrl+f sleep 0.8 type --delay 60 verdorf
sleep 0.5
DISPLAY=$display xdotool key Down sleep 0.2 key Return sleep 0.5 key Escape sleep 0.3 \
    key ctrl+b sleep 0.6 key ctrl+0 sleep 0.4 key ctrl+equal sleep 0.4 key ctrl+equal sleep 0.8 \
    mousemove 120 8 click 1 sleep 0.6
DISPLAY=$display /usr/bin/import -window root "$work/notes.png"
DISPLAY=$display xdotool key Escape
/usr/bin/convert "$work/notes.png" -crop 1280x520+0+0 +repage -colors 128 docs/notes.png
kill "$program"
sleep 1
# Started without a map: the hint of what to do first, with the two maps opened above as the
# maps used last.
DISPLAY=$display "$work/vexlor" &
program=$!
sleep 3
window=$(DISPLAY=$display xdotool search --name "Vexlor -" | head -1)
DISPLAY=$display xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800 sleep 1
DISPLAY=$display /usr/bin/import -window root docs/empty-start.png
kill "$program"
sleep 1

# Levels: the 4.0.10 world is 32 hexes around on the surface and 16 in the underworld. The
# surface scrolled across its east-west edge (column 24 first, then 0 from the eighth column
# on) with the swamp of column 0 selected; then Plain down (the second toolbar button).
"$cli" add "$work/v410.atl" "$reports/large/v410-standard-world.rep" >/dev/null
start_program "$work/v410.atl" 400 400
DISPLAY=$display xdotool key Home sleep 0.2 key Left key Left key Left key Left key Left \
    key Left key Left key Left sleep 0.3 mousemove 320 330 click 1 sleep 0.6
DISPLAY=$display /usr/bin/import -window root docs/levels-surface-wrap.png
DISPLAY=$display xdotool mousemove 47 36 click 1 sleep 0.6 mousemove 250 200 click 1 sleep 0.6
DISPLAY=$display /usr/bin/import -window root docs/levels-underworld.png
kill "$program"
sleep 1
# A report typed with every kind of level: the surface at 200% with its lake selected, then
# two steps of Plain down to the deep underworld (8 around) with its chasm selected.
"$cli" add "$work/levels.atl" tests/typed/levels.rep >/dev/null
start_program "$work/levels.atl" 284 286
DISPLAY=$display xdotool click 3 sleep 0.4 key ctrl+equal sleep 0.3 key ctrl+equal sleep 0.6 \
    mousemove 420 476 click 1 sleep 0.6
DISPLAY=$display /usr/bin/import -window root docs/levels-lake.png
DISPLAY=$display xdotool mousemove 47 36 click 1 sleep 0.5 click 1 sleep 0.6 \
    mousemove 345 180 click 1 sleep 0.6
DISPLAY=$display /usr/bin/import -window root docs/levels-deep.png
kill "$program"
sleep 1
# The minimap of the whole world at actual size, the map scrolled across the world's edge so
# that the frame shows in two pieces; closed again, so that the profile keeps it closed.
start_program "$work/whole.atl" 376 405
DISPLAY=$display xdotool key ctrl+0 sleep 0.3 key ctrl+m sleep 0.8 key Home sleep 0.2 \
    key Left key Left key Left key Left key Left key Left sleep 0.3 mousemove 300 420 click 1 \
    sleep 0.6
DISPLAY=$display /usr/bin/import -window root docs/minimap.png
DISPLAY=$display xdotool key ctrl+m sleep 0.3
kill "$program" "$xvfb"
wait "$xvfb" 2>/dev/null || true
