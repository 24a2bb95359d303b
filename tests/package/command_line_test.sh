#!/bin/sh
# Runs the program as a user at a terminal would: --help and -h print the
# usage on standard output, --version the version, a wrong option the usage
# on standard error with status 2; without a display the program says so in
# one line and ends with status 1, whatever the toolkit would have done.
#   command_line_test.sh PROGRAM VERSION
set -eu
game=$1
version=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# run EXPECTED_STATUS ARGS...: the program's output in $dir/out and $dir/err.
run() {
  expected=$1
  shift
  status=0
  "$@" >"$dir/out" 2>"$dir/err" </dev/null || status=$?
  [ $status -eq "$expected" ] || fail "$*: exit status $status, not $expected: $(cat "$dir/err")"
}

for option in --help -h; do
  run 0 "$game" "$option"
  grep -q '^Kullanım: dedivud \[DOSYA.oyk\]$' "$dir/out" || fail "$option: no usage text on standard output"
  [ ! -s "$dir/err" ] || fail "$option: wrote to standard error: $(cat "$dir/err")"
done

run 0 "$game" --version
[ "$(cat "$dir/out")" = "dedivud $version" ] || fail "--version printed \"$(cat "$dir/out")\""

run 2 "$game" --renk
[ ! -s "$dir/out" ] || fail "a wrong option wrote to standard output"
grep -q '^Kullanım: dedivud \[DOSYA.oyk\]$' "$dir/err" || fail "a wrong option gave no usage text"

# No display at all, and a display that does not answer.
no_display='dedivud: ekrana bağlanılamadı; oyun bir masaüstü oturumunda (DISPLAY ya da WAYLAND_DISPLAY) çalışır.'
run 1 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$game"
[ "$(cat "$dir/err")" = "$no_display" ] || fail "without a display: $(cat "$dir/err")"
run 1 env -u WAYLAND_DISPLAY DISPLAY=:7391 QT_QPA_PLATFORM=xcb "$game"
[ "$(cat "$dir/err")" = "$no_display" ] || fail "with a display that does not answer: $(cat "$dir/err")"
echo "PASS: --help, --version, a wrong option and no display"
