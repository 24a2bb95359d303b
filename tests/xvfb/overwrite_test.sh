#!/bin/sh
# Saving onto an existing file asks first, with the file dialog's own
# question; "Hayır" leaves the file as it was.
#   overwrite_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
startInXServer 1024x768 "$@"
saved=$work/kayit.oyk
printf 'eski\r\n' >"$saved"

playFirstMove
xdotool key ctrl+s
waitFor 5 windowNamed Kaydet || fail "Kaydet opened no file dialog"
sleep 0.5
xdotool type "$saved"
xdotool key Return
# The question comes in a second window with the dialog's title.
waitFor 5 sh -c '[ "$(xdotool search --onlyvisible --name "^Kaydet" | wc -l)" -ge 2 ]' ||
  fail "saving onto an existing file asked nothing"
import -window root "$work/question.png"
xdotool key Escape
sleep 0.3
xdotool key Escape
waitFor 5 sh -c '! xdotool search --onlyvisible --name "^Kaydet"' || fail "the file dialog stayed open"
[ "$(cat "$saved")" = "$(printf 'eski\r')" ] || fail "the file was replaced after Hayır"
echo "PASS: saving onto an existing file asks"
