#!/usr/bin/env bash
# Builds Pyrana and runs every test (installs the Debian packages it needs first).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset debug
cmake --build --preset debug
ctest --preset debug
