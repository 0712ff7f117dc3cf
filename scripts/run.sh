#!/usr/bin/env bash
# Builds Pyrana and starts it (installs the Debian packages it needs first).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release
cmake --build --preset release
if [ -x build/release/app/pyrana ]; then
  exec build/release/app/pyrana "$@"
fi
# Until the desktop program is built, show the calculator's report of an example fuel.
exec build/release/cli/pyrana-calc "${@:-examples/Fuel/Каменный уголь.fll}"
