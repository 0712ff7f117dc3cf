#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get and checks the installed program:
# pyrana-calc on an installed example fuel gives the build's report; pyrana, started by an
# ordinary user under Xvfb with an installed example fuel on its command line, shows that
# fuel's window, finds its library in the user's data folder, holding the examples, and
# quits by its menu's Alt+X with status 0; then the build's screenshot tour walks every
# window of the installed program's folder; and a fuel saved onto a full disk stays whole.
# Runs as root.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset release
cmake --build --preset release
# The package this build just made, as cpack names it (an older one may lie beside it).
cpack --preset release | tee build/release/cpack.log
package="$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' build/release/cpack.log | tail -n 1)"
if [ -z "$package" ] || [ ! -f "$package" ]; then
  echo "cpack named no .deb it generated" >&2
  exit 1
fi
# Only what the package depends on; recommended packages are the user's choice.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends --reinstall \
  "$(realpath "$package")"

program_dir=/usr/lib/pyrana
fuel="Каменный уголь.fll"
echo "== /usr/bin/pyrana-calc $program_dir/Fuel/$fuel"
/usr/bin/pyrana-calc --format json "$program_dir/Fuel/$fuel" > build/release/installed-report.json
build/release/cli/pyrana-calc --format json "examples/Fuel/$fuel" > build/release/build-report.json
diff build/release/build-report.json build/release/installed-report.json
/usr/bin/pyrana-calc "$program_dir/Fuel/$fuel" > build/release/installed-report.txt
head -n 12 build/release/installed-report.txt

# Without a display the installed program says how to start it, in one line.
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM pyrana 2> build/release/no-display.txt; then
  echo "pyrana started without a display" >&2
  exit 1
fi
cat build/release/no-display.txt
grep -q "xvfb-run -a pyrana" build/release/no-display.txt

# The ".fll" type is Pyrana's fuel file, and a file manager opens it with Pyrana.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  xdg-utils shared-mime-info desktop-file-utils libglib2.0-bin xdotool x11-utils > /dev/null
update-mime-database /usr/share/mime
update-desktop-database /usr/share/applications
probe="$(mktemp -d)/x.fll"
printf 'Уголь\r\n10 20 55\r\n' > "$probe"
filetype="$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$probe")"
handler="$(xdg-mime query default application/x-pyrana-fuel)"
echo "x.fll: $filetype, opened with $handler"
[ "$filetype" = application/x-pyrana-fuel ] && [ "$handler" = pyrana.desktop ]

user=pyrana-check
id "$user" > /dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home="$(getent passwd "$user" | cut -d: -f6)"
rm -rf "$home/.local/share/Pyrana"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shots="$work/shots"
mkdir "$shots"
chmod 755 "$work"
chown "$user" "$shots"
as_user() {
  (cd /tmp && runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 "$@")
}

# A save onto a full disk leaves the old fuel file whole and says why: the window's save
# (the build's fuel_save_probe) on a 64 KiB tmpfs that a filler has filled. Mounting needs
# root and a system that allows it; without, the check is skipped, saying why.
full="$work/full-disk"
mkdir "$full"
if mount -t tmpfs -o size=64k,mode=700 pyrana-full-disk "$full" 2> "$work/mount.txt"; then
  echo "== saving a fuel onto a full disk"
  cp "examples/Fuel/$fuel" "$full/fuel.fll"
  cp "$full/fuel.fll" "$work/fuel-before.fll"
  dd if=/dev/zero of="$full/filler" bs=1024 2> /dev/null || true
  probe_status=0
  QT_QPA_PLATFORM=offscreen build/release/tests/ui/fuel_save_probe "$full/fuel.fll" \
    2> "$work/full-disk.txt" || probe_status=$?
  cat "$work/full-disk.txt"
  full_disk_ok=1
  cmp "$work/fuel-before.fll" "$full/fuel.fll" || full_disk_ok=0
  leftovers="$(ls -A "$full" | grep -vx -e fuel.fll -e filler || true)"
  umount "$full"
  if [ "$probe_status" -ne 2 ] || [ "$full_disk_ok" -ne 1 ] || [ -n "$leftovers" ] ||
    ! grep -q "^Ошибка: Не удалось сохранить файл $full/fuel.fll" "$work/full-disk.txt" ||
    ! grep -qx "No space left on device" "$work/full-disk.txt"; then
    echo "a save onto a full disk: status $probe_status (2 expected), old file whole: $full_disk_ok," \
      "left behind: ${leftovers:-nothing}" >&2
    exit 1
  fi
  echo "the old fuel file is whole and the full disk was reported"
else
  echo "== full-disk check skipped: cannot mount a tmpfs: $(cat "$work/mount.txt")"
fi
rmdir "$full"

# The installed program opens the fuel given to it: its window is titled with the file's
# path. Alt+X in the main window (the first one shown) quits it.
cat > "$work/open-and-quit.sh" <<'PROBE'
set -u
pyrana "$1" &
pid=$!
window="$(timeout 30 xdotool search --sync --onlyvisible --name '\.fll$' | head -n 1)"
title="$(xdotool getwindowname "$window" 2> /dev/null)"
echo "pyrana shows: $title"
main="$(xdotool search --onlyvisible --name '^Pyrana v' | head -n 1)"
[ -n "$main" ] && xdotool windowfocus --sync "$main" && xdotool key alt+x
for _ in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2> /dev/null; then
  echo "pyrana did not quit on Alt+X" >&2
  kill "$pid"
fi
wait "$pid"
status=$?
[ "$title" = "$1" ] || { echo "no window of $1" >&2; exit 1; }
exit "$status"
PROBE
echo "== pyrana \"$program_dir/Fuel/$fuel\" as $user under Xvfb"
as_user xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/open-and-quit.sh" "$program_dir/Fuel/$fuel"
# The program folder is read-only for the user: the library is the data folder's Fuel,
# holding copies of every example.
diff -r "$program_dir/Fuel" "$home/.local/share/Pyrana/Fuel"
ls "$home/.local/share/Pyrana/Fuel"

# The build's tour over the installed program's folder, as the user. It opens every line
# of the fuel list: the last example's document proves the list showed them all.
install -m 755 build/release/app/screenshot_tour "$work/screenshot_tour"
echo "== screenshot_tour $program_dir as $user under Xvfb"
as_user xvfb-run -a -s "-screen 0 1280x1024x24" "$work/screenshot_tour" "$program_dir" "$shots"
examples=$(find "$program_dir/Fuel" -name '*.fll' | wc -l)
if ! compgen -G "$shots/*-document-$examples-tab1.png" > /dev/null; then
  echo "the installed pyrana did not list the $examples example fuels:" $(ls "$shots") >&2
  exit 1
fi
echo "$(ls "$shots" | wc -l) screenshots; the installed package works"
