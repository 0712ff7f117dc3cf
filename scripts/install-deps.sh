#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Pyrana need.
# Runs as root; does nothing when every package is already there.
set -euo pipefail

packages=(
  g++ libtsan2 clang libclang-rt-14-dev cmake ninja-build clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev
  qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-translations-l10n
  poppler-utils
  libgl-dev xvfb xauth xdotool x11-utils locales
  dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run this script as root." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# A decimal-comma locale, for the tests that check that files never follow the locale.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 || echo "could not generate ru_RU.UTF-8" >&2
  fi
fi
