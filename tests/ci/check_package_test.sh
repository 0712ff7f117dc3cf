#!/usr/bin/env bash
# scripts/check-package.sh installs the .deb that this build's cpack made, not the
# alphabetically last one beside it, and without the recommended packages. A copy of the
# script runs against stand-ins for cmake, cpack and apt-get that record what they get;
# the stand-in apt-get fails, so nothing past the installation runs here.
# Usage: check_package_test.sh SOURCE_DIR
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/scripts" "$work/bin" "$work/build/release"
cp "$source_dir/scripts/check-package.sh" "$work/scripts/"
# A package of an earlier version, after the new one in file-name order.
touch "$work/build/release/pyrana_1.9_amd64.deb"
printf '#!/bin/sh\nexit 0\n' > "$work/bin/cmake"
cat > "$work/bin/cpack" <<'STUB'
#!/bin/sh
touch build/release/pyrana_1.10_amd64.deb
echo "CPack: Create package"
echo "CPack: - package: $PWD/build/release/pyrana_1.10_amd64.deb generated."
STUB
cat > "$work/bin/apt-get" <<'STUB'
#!/bin/sh
printf '%s\n' "$@" > apt-get.args
exit 1
STUB
chmod +x "$work/bin/cmake" "$work/bin/cpack" "$work/bin/apt-get"

if (cd "$work" && PATH="$work/bin:$PATH" bash scripts/check-package.sh > log 2>&1); then
  echo "check-package.sh went on past a failed installation"
  exit 1
fi
failed=0
if ! grep -qx -- "--no-install-recommends" "$work/apt-get.args"; then
  echo "apt-get installs the recommended packages too:"; cat "$work/apt-get.args"; failed=1
fi
if ! grep -qx "$(realpath "$work/build/release/pyrana_1.10_amd64.deb")" "$work/apt-get.args"; then
  echo "apt-get does not install the package cpack made:"; cat "$work/apt-get.args"; failed=1
fi
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed"
exit "$failed"
