#!/usr/bin/env bash
# Unzips the Windows download into a scratch folder, makes a fresh Wine prefix there (no
# Oracle registry keys, nothing of the build's prefix) and runs the test program in it.
# Usage: run_package_test.sh <zip> <test program> <scratch folder> <source tree>
set -euo pipefail
zip=$1 program=$2 scratch=$3 source=$4
[ -f "$zip" ] || { echo "no package at $zip: build the dist target (scripts/package)"; exit 1; }
rm -rf "$scratch"
mkdir -p "$scratch/unzipped"
( cd "$scratch/unzipped" && cmake -E tar xf "$zip" )
export WINEPREFIX="$scratch/wineprefix" WINEARCH=win32 WINEDEBUG=-all
"$source/scripts/wine-prefix" "$WINEPREFIX"
trap 'wineserver -k 2>/dev/null || true' EXIT
wineserver -p
wineboot --init >/dev/null 2>&1
ZQ_UNZIPPED="$(winepath -w "$scratch/unzipped")" wine "$program"
