#!/usr/bin/env bash
# Starts Pyrana under Xvfb with its example library, opens every fuel, visits every menu,
# window and tab, and saves a PNG of each into a folder (default build/screenshots).
# Usage: bash scripts/screenshots.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
program=build/release/app/pyrana
if [ ! -x "$program" ]; then
  cmake --preset release
  cmake --build --preset release --target pyrana
fi
rm -rf "$out"
mkdir -p "$out"
# A fresh copy of the program beside the example fuels, so the pictures never depend on
# what was saved or deleted in the build's own library.
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cp "$program" "$stage/pyrana"
cp -r Help "$stage/Help"
cp -r examples/Fuel "$stage/Fuel"
PYRANA_SCREENSHOT_DIR="$out" LC_ALL=C.UTF-8 \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$stage/pyrana"
ls -1 "$out"
echo "Screenshots in $out"
