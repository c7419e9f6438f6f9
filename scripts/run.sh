#!/usr/bin/env bash
# Installs what is missing, builds, and runs Vexlor on the sample reports in samples/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
build="${VEXLOR_BUILD_DIR:-build}"
"$build/cli/vexlor-cli" lines samples/3-turn1.rep
echo "The window program is $build/vexlor/vexlor (it needs a display)."
