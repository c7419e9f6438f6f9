#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vexlor on the sample reports in samples/
# (faction 3's turns 1-8, added in order), so that the map is populated at once.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
# Built either way, so that a later start under a virtual display is quick.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display to show Vexlor on: run it under a virtual one with 'xvfb-run -a scripts/run.sh' (Debian package xvfb)." >&2
    exit 1
fi
build="${VEXLOR_BUILD_DIR:-build}"
mapfile -t reports < <(printf '%s\n' samples/*.rep | sort -V)
exec "$build/vexlor/vexlor" "${reports[@]}"
