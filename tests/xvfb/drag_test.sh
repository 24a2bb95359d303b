#!/bin/sh
# The game in a real window: an X server with a window manager (openbox), the
# real mouse and keyboard, and the state read back from the screen.
#   drag_test.sh SCENARIO GAME [WORKDIR]
# drag    e2-e4 dragged: e4 shows a white piece, e2 is empty, Black answered.
# levels  a click on a level button's circle, on its edge or on its caption
#         selects that button and level alone (radio dots and menu ticks).
# check   the check notice stays above the main window after a click on the
#         board, and every later check shows it above again.
set -eu

if [ "${1:-}" != "--inside" ]; then
  scenario=$1
  game=$2
  work=${3:-$(mktemp -d)}/$scenario
  mkdir -p "$work"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$scenario" "$game" "$work"
fi
scenario=$2
game=$3
work=$4

. "$(dirname "$0")/window_lib.sh"
startWindowManager
startGame
locateBoard

dragScenario() {
  takeShot
  isEmpty 4 3 || fail "e4 is not empty at the start ($(squareStats 4 3))"
  isWhitePiece 4 1 || fail "no white piece on e2 at the start ($(squareStats 4 1))"
  drag e2 e4
  sleep 1.5
  takeShot
  isWhitePiece 4 3 || fail "e4 shows no white piece ($(squareStats 4 3))"
  isEmpty 4 1 || fail "e2 is not empty ($(squareStats 4 1))"
  answered=no
  for file in 0 1 2 3 4 5 6 7; do
    isEmpty $file 6 && answered=yes
  done
  isEmpty 1 7 && answered=yes
  isEmpty 6 7 && answered=yes
  [ $answered = yes ] || fail "Black did not answer"
  echo "PASS: e2-e4 dragged and answered"
}

levelsScenario() {
  xdotool windowactivate --sync "$wid"
  [ "$(levelsShown)" = "1 1" ] || fail "level 1 is not the only one chosen at the start: $(levelsShown)"
  # Each click changes the level: circle centres (+18), circles' right edges
  # (+23) and captions (+0), in an order where every button follows another.
  for click in "2 18" "1 23" "3 18" "2 23" "3 0" "1 0" "3 23" "2 0" "1 18"; do
    set -- $click
    xdotool mousemove $(($(radioLeft "$1") + $2)) $radioY click 1
    sleep 0.1
    shown=$(levelsShown)
    [ "$shown" = "$1 $1" ] || fail "a click at $2 pixels right of level button $1 shows dot and tick at: $shown"
  done
  echo "PASS: every level button takes its own clicks alone"
}

# The notice is mapped and stands above the main window.
noticeOnTop() {
  notice=$(noticeId) || return 1
  stacksAbove "$notice" "$wid"
}
expectNoticeAboveAfterClick() {
  waitFor 10 noticeOnTop || fail "$1: no check notice above the main window"
  sleep 0.3
  # A plain click on an empty square of the board.
  set -- "$1" $(squareCentre a5)
  xdotool mousemove "$2" "$3" click 1
  sleep 0.5
  noticeOnTop || fail "$1: after a click on the board the notice is not above the main window ($(stacking | tr '\n' ' '))"
}

checkScenario() {
  # Level 1: 1. f3 e6 2. g4 Qg5 3. Kf2 Qc5+.
  drag f2 f3
  waitFor 10 squareEmptied e7 || fail "Black did not answer 1. f3"
  drag g2 g4
  waitFor 10 squareEmptied d8 || fail "Black did not answer 2. g4"
  drag e1 f2
  expectNoticeAboveAfterClick "3. Kf2 Qc5+"
  # Take back 3. Kf2 and play it again, the notice still open: the same
  # check once more.
  clickTakeBack
  waitFor 10 squareEmptied f2 || fail "3. Kf2 was not taken back"
  drag e1 f2
  waitFor 10 squareFilled c5 || fail "Black did not answer 3. Kf2 with Qc5"
  expectNoticeAboveAfterClick "3. Kf2 again"
  pressNoticeOk
  echo "PASS: the check notice stays above the main window"
}

case $scenario in
drag) dragScenario ;;
levels) levelsScenario ;;
check) checkScenario ;;
*) fail "unknown scenario $scenario" ;;
esac
kill -0 $pid 2>/dev/null || fail "the game has ended"
