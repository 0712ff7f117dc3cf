#!/usr/bin/env bash
# Runs the real pyrana-calc executable and checks the exit statuses the README gives:
# 0 complete, 3 printed but incomplete, 1 a file could not be read, 2 bad options; and
# that every failure is one line "pyrana-calc: WHERE: WHAT" on stderr.
# Usage: exit_status_test.sh PYRANA_CALC EXAMPLES_FOLDER
set -u
calc="$1"
examples="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
coal="$examples/Каменный уголь.fll"
gas="$examples/Природный газ.fll"
# The example coal with a moisture of -5 % (and 5 % more oxygen, so the total stays 100).
mkdir "$work/negative"
negative="$work/negative/negative.fll"
LC_ALL=C sed '2s/^10\.000 \(.*\) 8\.000 /-5.000 \1 23.000 /' "$coal" > "$negative"
passed=0
failed=0
runner=()

# expect STATUS STDERR_PREFIX PRINTS(yes|no) ARGS...
expect() {
  local status="$1" prefix="$2" prints="$3"
  shift 3
  # A file that blocks the reader (a FIFO) would wait for ever: the timeout fails it.
  timeout 60 "${runner[@]}" "$calc" "$@" > "$work/out" 2> "$work/err" < /dev/null
  local got=$?
  local LC_ALL=C  # the prefix is compared byte for byte
  local why=""
  [ "$got" -eq "$status" ] || why="exit status $got, not $status"
  # Bad options are told in one line, before anything runs.
  if [ "$status" -eq 2 ] && [ "$(wc -l < "$work/err")" -ne 1 ]; then why="$why; not one stderr line"; fi
  if [ -n "$prefix" ]; then
    [ "$(head -c ${#prefix} "$work/err")" = "$prefix" ] || why="$why; stderr: $(cat "$work/err")"
  else
    [ ! -s "$work/err" ] || why="$why; stderr: $(cat "$work/err")"
  fi
  if grep -v '^pyrana-calc: ' "$work/err" > /dev/null; then why="$why; a stderr line without the prefix"; fi
  if [ "$prints" = yes ] && [ ! -s "$work/out" ]; then why="$why; nothing printed"; fi
  if [ "$prints" = no ] && [ -s "$work/out" ]; then why="$why; printed"; fi
  if [ -z "$why" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: pyrana-calc $*: $why"
  fi
}

expect 0 "" yes --format json "$coal"
expect 0 "" yes "$examples"
expect 3 "pyrana-calc: mixture: the shares make 90 %, not 100 %; no results" yes --mix "$coal=60" "$gas=30"
# No flue gas at α 0: the mixture's design results are missing, the fly-ash share among them.
expect 3 "pyrana-calc: mixture: no design result: water_volume, gas_volume, triatomic_share, water_share, total_share, ash_share" yes --excess-air 0 --mix "$coal=60" "$gas=40"
expect 3 "pyrana-calc: --given 'abc' is not a number; the design has no state" yes --given abc "$coal"
# The design options take the other decimal separator as their cells do; a text stays refused.
expect 0 "" yes --format json --excess-air 1,3 --carryover 0,9 --given 1250,5 "$coal"
grep -q '"excess_air": "1.3"' "$work/out" || { failed=$((failed + 1)); echo "FAILED: --excess-air 1,3 not read as 1.3"; }
expect 3 "pyrana-calc: --excess-air 'abc' is not a number; 1 is used" yes --excess-air abc "$coal"
expect 3 "pyrana-calc: $coal: --q5 '-50' is out of range: от 0 до менее 100 %" yes --q5 -50 "$coal"
expect 3 "pyrana-calc: mixture: the share of $coal '-900' is out of range: от 0 до 100 %" yes --mix "$coal=-900" "$gas=1000"
expect 3 "pyrana-calc: $negative: record row 0 (Влажность) '-5' is out of range" yes "$negative"
expect 3 "pyrana-calc: $negative: record row 0 (Влажность) '-5' is out of range" yes --mix "$negative=60" "$gas=40"
expect 3 "pyrana-calc: /etc/passwd: incomplete fuel file: no name line" yes /etc/passwd
expect 3 "pyrana-calc: $calc: incomplete fuel file" yes "$calc"
expect 1 "pyrana-calc: $work/missing.fll: No such file or directory" yes --format json "$coal" "$work/missing.fll" "$gas"
# An ESC in a file name and in the fuel's name reaches the terminal written out, never raw.
escaped="$work/a$(printf '\033')[31mb.fll"
printf 'x\033[31m\r\n1 ' > "$escaped"
expect 3 "pyrana-calc: $work/a\\x1b[31mb.fll: incomplete fuel file" yes "$escaped"
if grep -q "$(printf '\033')" "$work/err" "$work/out"; then
  failed=$((failed + 1))
  echo "FAILED: a raw ESC reached the terminal"
fi
expect 2 "pyrana-calc: a mixture takes 2 to 5 components" no --mix "$coal=20" "$coal=20" "$coal=20" "$coal=20" "$gas=10" "$gas=10"

# Bad options, texts that are no UTF-8 among them (they would break the JSON).
expect 2 "pyrana-calc: " no --format xml "$coal"
expect 2 "pyrana-calc: " no --decimal-separator ';' "$coal"
expect 2 "pyrana-calc: " no --excess-air
expect 2 "pyrana-calc: " no --bogus "$coal"
expect 2 "pyrana-calc: " no
expect 2 "pyrana-calc: " no --mix a.fll=100
expect 2 "pyrana-calc: " no --mix "$coal=50" "$coal"
expect 2 "pyrana-calc: --given: not valid UTF-8" no --format json --given $'\xff' "$coal"
expect 2 "pyrana-calc: " no --format json --o2 $'3\xc3' "$coal"
expect 2 "pyrana-calc: " no --format json --mix "$coal="$'\xc3' "$coal=50"
# A value that starts with a minus is a value, not an option.
expect 3 "pyrana-calc: --given '-5' is not positive" yes --format json --given -5 "$coal"
grep -q '"given": "-5"' "$work/out" || { failed=$((failed + 1)); echo "FAILED: --given -5 not taken as the value"; }

# A design without a result; a fuel type that is no integer fails part way, names the file
# and still prints; a FIFO and a folder without fuels cannot be read.
expect 3 "pyrana-calc: $coal: no design result: temperature, air_enthalpy, gas_enthalpy" yes --given-kind gas --given 1e6 "$coal"
type="$work/type.fll"
printf 'Тип 5.5\r\n10 20 55 4 1 2 8 40 21861 0 0 0 0 0 0 5.5 %68s' '' > "$type"
expect 3 "pyrana-calc: $type: incomplete fuel file: 16 of 50 numbers"$'\n'"pyrana-calc: $type: '5.5' is not a valid integer" yes "$type"
mkfifo "$work/fifo.fll"
mkdir "$work/none"
expect 1 "pyrana-calc: $work/fifo.fll: not a regular file (a FIFO)" no --mix "$coal=50" "$work/fifo.fll=50"
expect 1 "pyrana-calc: $work/none: no \".fll\" file in this folder" no "$work/none"
# A batch prints what it can and tells each failure once: the FIFO, the missing file, the
# short one and its heat balance (9 kJ/kg leaves losses over 100 %), the device.
short="$work/short.fll"
printf 'Короткая\r\n1 2 3 4 5 6 7 8 9 10' > "$short"
expect 1 "pyrana-calc: $work/fifo.fll: " yes --format json "$work/fifo.fll" "$coal" "$work/missing.fll" "$short" "$examples/Мазут.fll" /dev/zero
if [ "$(wc -l < "$work/out")" -ne 3 ] || [ "$(wc -l < "$work/err")" -ne 5 ] ||
  ! tail -n 1 "$work/err" | grep -q '^pyrana-calc: /dev/zero: '; then
  failed=$((failed + 1))
  echo "FAILED: the batch's lines: $(cat "$work/err")"
fi

# What the operating system refuses an ordinary user: an unreadable file, a file in a
# folder that cannot be entered, a folder that cannot be listed.
if [ "$(id -u)" -eq 0 ] && command -v setpriv > /dev/null; then
  chmod 0711 "$work"
  mkdir -m 0755 "$work/open"
  printf 'x\r\n1 ' > "$work/open/secret.fll"
  chmod 0600 "$work/open/secret.fll"
  mkdir -m 0700 "$work/closed"
  printf 'x\r\n1 ' > "$work/closed/a.fll"
  runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  expect 1 "pyrana-calc: $work/open/secret.fll: Permission denied" no "$work/open/secret.fll"
  expect 1 "pyrana-calc: $work/closed/a.fll: Permission denied" no "$work/closed/a.fll"
  expect 1 "pyrana-calc: $work/closed: Permission denied" no "$work/closed"
  runner=()
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
