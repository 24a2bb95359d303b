#!/bin/sh
# A game just opened from its file is not asked about before "Başlat"; and
# choosing "Bilgisayarla oyna" with Black to move starts the computer's reply
# at once.
#   opened_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
inXServer 1024x768 "$@"
mkdir -p "$XDG_CONFIG_HOME/DEDIVUD"
printf '[General]\nlevel=1\nplayMode=2\n' >"$XDG_CONFIG_HOME/DEDIVUD/DEDIVUD.conf"
# 1. e4 e5 2. Nf3, in code page 1254 with CR LF: Black to move.
printf '     TA\336        ILK SON \r\n    --------       ------ -------- \r\n1- piyon(5)     E2-E4\r\n    piyon(5)     E7-E5\r\n    \r\n2-      at(2)     G1-F3\r\n' \
  >"$work/acik.oyk"
startWindowManager

startGame "$work/acik.oyk"
locateBoard
waitFor 10 squareFilled f3 || fail "the saved game did not open"
xdotool windowactivate --sync "$wid" key ctrl+n
waitFor 10 squareEmptied f3 || fail "Başlat did not start a new game at once (a question?)"
windowNamed Uyar >/dev/null && fail "Başlat asked about a game just opened"
xdotool windowactivate --sync "$wid" key ctrl+q
waitFor 5 windowNamed Uyar || fail "Çıkış asked nothing"
xdotool key alt+h
waitFor 10 sh -c "! kill -0 $pid" || fail "the game did not end"

# Two players, Black to move: choosing to play the computer, it answers.
startGame "$work/acik.oyk"
locateBoard
waitFor 10 squareFilled f3 || fail "the saved game did not open"
# The board's black half as it stands before the reply.
blackHalf() {
  takeShot
  regionStats 320 160 "$boardLeft" "$boardTop"
}
visibleWindows() { xdotool search --onlyvisible --classname dedivud 2>/dev/null | wc -l; }
before=$(blackHalf)
blackMoved() { [ "$(blackHalf)" != "$before" ]; }
windows=$(visibleWindows)
menuOpen() { [ "$(visibleWindows)" -gt "$windows" ]; }
xdotool windowactivate --sync "$wid" key alt+s
waitFor 5 menuOpen || fail "the Seçenekler menu did not open"
xdotool key i
waitFor 10 blackMoved || fail "the computer did not answer after Bilgisayarla oyna"
echo "PASS: a game just opened goes without a question; the computer answers at once"
