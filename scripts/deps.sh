#!/usr/bin/env bash
# Installs with apt-get whatever the build, the tests and the program need and is missing.
set -euo pipefail
packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev fonts-dejavu-core)
# The history panel's charts.
packages+=(qt6-charts-dev libqt6opengl6-dev)
# The command line's option parser (header-only).
packages+=(libcli11-dev)
# The install and package checks: dpkg-shlibdeps, desktop-file-validate and the system's file types.
packages+=(dpkg-dev desktop-file-utils shared-mime-info)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root (or install these yourself): ${missing[*]}" >&2
        exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
