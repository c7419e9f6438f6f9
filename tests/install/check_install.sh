#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop and a user meet there:
# the program folder and the link on the PATH, the desktop entry, the icons, the file types,
# and the installed program started through the link on Qt's offscreen platform, showing the
# menu of the language library in its own folder and keeping its profile in the user's folder.
#
#   check_install.sh BUILD_DIR PROBE_PLUGIN_DIR MIMECHECK REPORTS_DIR
set -euo pipefail
build=$1 plugins=$2 mimecheck=$3 reports=$4

work=$(mktemp -d "${TMPDIR:-/tmp}/vexlor-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/usr
program=$prefix/lib/vexlor
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The program folder holds everything the program reads at start.
for f in vexlor vexenu.so errlex32.so vexenu.html per-user-profile; do
    [ -f "$program/$f" ] || fail "$program/$f is missing"
done
[ -x "$program/vexlor" ] || fail "the program is not executable"
[ -x "$prefix/bin/vexlor-cli" ] || fail "vexlor-cli is not installed in bin"
[ "$(readlink "$prefix/bin/vexlor")" = ../lib/vexlor/vexlor ] ||
    fail "bin/vexlor is not a relative link to the program: $(readlink "$prefix/bin/vexlor")"

# The desktop entry starts the program with the files it is given, for both file types.
entry=$prefix/share/applications/vexlor.desktop
for line in 'Exec=vexlor %F' 'Icon=vexlor' 'Categories=Game;StrategyGame;' \
    'MimeType=application/x-vexlor-map;text/x-atlantis-report;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks: $line"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the desktop entry does not validate"
fi

# Every icon size is there, and each PNG is as large as its folder says.
[ -f "$prefix/share/icons/hicolor/scalable/apps/vexlor.svg" ] || fail "the SVG icon is missing"
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/vexlor.png
    if [ ! -f "$png" ]; then
        fail "$png is missing"
        continue
    fi
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    [ "$width $height" = "$size $size" ] || fail "$png is ${width}x$height"
done

# The file types: maps and reports by name, and by content when the name says nothing.
mkdir -p "$work/files"
(cd "$work/files" && "$prefix/bin/vexlor-cli" add game.atl "$reports/head-standard/3-turn1.rep" >/dev/null) ||
    fail "the installed vexlor-cli could not make a map"
cp "$work/files/game.atl" "$work/files/map-without-extension"
cp "$reports/head-neworigins/3-turn1.rep" "$work/files/report.rep"
cp "$reports/head-neworigins/3-turn1.rep" "$work/files/report-without-extension"
types=$(cd "$work/files" && XDG_DATA_HOME="$work/data" XDG_DATA_DIRS="$prefix/share:/usr/share" \
    "$mimecheck" game.atl map-without-extension report.rep report-without-extension)
expected=$(printf '%s\t%s\n' game.atl application/x-vexlor-map \
    map-without-extension application/x-vexlor-map report.rep text/x-atlantis-report \
    report-without-extension text/x-atlantis-report)
[ "$types" = "$expected" ] || fail "file types:"$'\n'"$types"

# The installed program, started through the link from another folder: its menu comes from
# the language library in its own folder.
mkdir -p "$work/elsewhere" "$work/config" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
probe=$work/probe.txt
status=0
(cd "$work/elsewhere" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
    QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=vexlorprobe VEXLOR_PROBE_OUT="$probe" \
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
    timeout 60 "$prefix/bin/vexlor") || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
[ -f "$probe" ] || fail "the probe saw no main window"
expected_window=$(printf '%s\t%s\n' \
    menu '&File' item '&New' item '&Open' item '&Save' item 'Sa&ve as...' item '&Add report' \
    item '&Export map...' item 'Export se&lection...' \
    item "Add ally's &map..." item 'Export for an all&y...' \
    item 'E&xit' menu '&View' item 'Plain &up' item 'Plain &down' item 'Next turn' \
    item 'Prev turn' item 'First turn' item 'Last turn' item '&Find...' item 'Turn &events...' item '&Changes...' item '&Minimap' item 'F&action...' item '&Reference...' item 'A&llies...' item 'Uni&ts...' item 'Faction&s...' item 'Histor&y...' item 'Clear trac&k' item 'Zoom &in' item 'Zoom &out' item 'Actual si&ze' item '&Whole level' item 'Your units at &newest known places' item 'S&hade' menu '&Bookmarks' item '&Note...' item '&Bookmark this hex' menu '&Help' item $'&Index\tF1' item '&Using help' item '&About...' \
    library "$program/vexenu.so")
window=$(grep -v '^caption' "$probe" 2>/dev/null || true)
[ "$window" = "$expected_window" ] || fail "the program showed:"$'\n'"$(cat "$probe" 2>/dev/null)"
grep -q $'^caption\tVexlor' "$probe" 2>/dev/null || fail "the caption does not name Vexlor"

# The installed folder keeps no profile: it went to the user's configuration folder.
[ ! -e "$program/vexlor.INI" ] || fail "the program wrote its profile into its own folder"
grep -qx 'Language=enu' "$work/config/vexlor.INI" 2>/dev/null ||
    fail "no profile in the user's configuration folder"

if [ "$failures" -gt 0 ]; then
    echo "$failures install checks failed" >&2
    exit 1
fi
echo "installed layout, desktop entry, icons, file types and installed start: all checks passed"
