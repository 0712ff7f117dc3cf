#!/usr/bin/env bash
# Builds Pyrana and starts it (installs the Debian packages it needs first).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
if [ -x build/release/app/pyrana ]; then
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    # No window can open here: say how to start it, and do the calculation that can run.
    echo "No display: run it under Xvfb (xvfb-run -a build/release/app/pyrana," \
         "or bash scripts/screenshots.sh for pictures) or use build/release/cli/pyrana-calc FUEL.fll;" \
         "here is the report of an example fuel:" >&2
    exec build/release/cli/pyrana-calc "${@:-examples/Fuel/Каменный уголь.fll}"
  fi
  exec build/release/app/pyrana "$@"
fi
# Without the desktop program (PYRANA_BUILD_GUI off), show the calculator's report of an example fuel.
exec build/release/cli/pyrana-calc "${@:-examples/Fuel/Каменный уголь.fll}"
