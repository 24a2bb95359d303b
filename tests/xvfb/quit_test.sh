#!/bin/sh
# "Çıkış" (Ctrl+Q) on a game with an unsaved move asks once: "Hayır" ends
# the program without a second question.
#   quit_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
startInXServer 1024x768 "$@"

playFirstMove
xdotool key ctrl+q
waitFor 5 windowNamed Uyar || fail "Çıkış asked nothing"
import -window root "$work/question.png"
xdotool key alt+h
waitFor 5 sh -c "! kill -0 $pid" || fail "after Hayır the game still runs (a second question?)"
echo "PASS: Çıkış asks once"
