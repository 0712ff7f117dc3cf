#!/usr/bin/env bash
# Starts Pyrana's windows under Xvfb with its example library, opens every fuel, visits
# every menu, window and tab, and saves a PNG of each into a folder (default
# build/screenshots), by the screenshot_tour program of the release build.
# Usage: bash scripts/screenshots.sh [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots}")"
tour=build/release/app/screenshot_tour
if [ ! -x "$tour" ]; then
  cmake --preset release
  cmake --build --preset release --target screenshot_tour
fi
rm -rf "$out"
mkdir -p "$out"
# A fresh program folder of the example fuels, so the pictures never depend on what was
# saved or deleted in the build's own library.
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cp -r Help "$stage/Help"
cp -r examples/Fuel "$stage/Fuel"
LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" "$tour" "$stage" "$out"
ls -1 "$out"
echo "Screenshots in $out"
