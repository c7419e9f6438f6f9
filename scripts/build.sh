#!/usr/bin/env bash
# Configures and builds into build/ (or $VEXLOR_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${VEXLOR_BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
