#!/bin/sh
# The title bar's close on a game with an unsaved move asks Evet/Hayır/İptal,
# and Escape keeps the game. "Çıkış" (Ctrl+Q) asks once: "Hayır" ends the
# program without a second question.
#   quit_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
startInXServer 1024x768 "$@"

asking() { [ -n "$(windowNamed Uyar)" ]; }
notAsking() { ! asking; }

# Asks the window to close as the title bar's button does; a loaded window
# manager may drop the key, so it is sent again after a while.
askToClose() {
  for attempt in 1 2 3; do
    xdotool windowactivate --sync "$wid" key alt+F4
    waitFor 3 asking && return 0
  done
  return 1
}

playFirstMove
askToClose || fail "closing asked nothing"
xdotool key Escape
waitFor 5 notAsking || fail "Escape left the close question open"
kill -0 $pid 2>/dev/null || fail "Escape on the close question ended the game"
squareFilled e4 || fail "the game was lost on Escape"

xdotool key ctrl+q
waitFor 5 windowNamed Uyar || fail "Çıkış asked nothing"
import -window root "$work/question.png"
xdotool key alt+h
waitFor 5 sh -c "! kill -0 $pid" || fail "after Hayır the game still runs (a second question?)"
echo "PASS: Escape keeps the game on closing; Çıkış asks once"
