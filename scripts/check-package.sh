#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get and checks the installed program:
# pyrana-calc on an installed example fuel gives the build's report, and pyrana, started
# by an ordinary user under Xvfb, finds its library in that user's data folder, holding
# the examples, and walks every window (the screenshot tour). Runs as root.
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
  xdg-utils shared-mime-info desktop-file-utils libglib2.0-bin > /dev/null
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
shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
chown "$user" "$shots"
echo "== pyrana as $user under Xvfb"
(cd /tmp && runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LC_ALL=C.UTF-8 \
  PYRANA_SCREENSHOT_DIR="$shots" xvfb-run -a -s "-screen 0 1280x1024x24" pyrana)
# The program folder is read-only for the user: the library is the data folder's Fuel,
# holding copies of every example.
diff -r "$program_dir/Fuel" "$home/.local/share/Pyrana/Fuel"
ls "$home/.local/share/Pyrana/Fuel"
# The tour opens every line of the fuel list: the last example's document proves the list
# showed them all.
examples=$(find "$program_dir/Fuel" -name '*.fll' | wc -l)
if ! compgen -G "$shots/*-document-$examples-tab1.png" > /dev/null; then
  echo "the installed pyrana did not list the $examples example fuels:" $(ls "$shots") >&2
  exit 1
fi
echo "$(ls "$shots" | wc -l) screenshots; the installed package works"
