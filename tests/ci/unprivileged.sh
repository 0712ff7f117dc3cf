#!/usr/bin/env bash
# Runs a test program as an ordinary user when started by root, so that the checks root's
# permissions would pass anyway (a folder that cannot be written, a file that cannot be
# read) run too. Started by anyone else, those checks ran already: skipped (status 77).
# Usage: unprivileged.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
  echo "not root: these checks ran in the ordinary run"
  exit 77
fi
if ! command -v setpriv > /dev/null; then
  echo "setpriv is missing: cannot run as an ordinary user"
  exit 77
fi
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
chown nobody "$home"
chmod 0700 "$home"
setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env HOME="$home" TMPDIR="$home" XDG_RUNTIME_DIR="$home" "$@"
