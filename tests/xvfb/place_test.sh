#!/bin/sh
# The side windows open beside the main window wherever it stands, on the
# screen and clear of what they must not hide:
# - the check notice covers no square of the board: over the move list with
#   the main window at its designed place, left of it with the main window in
#   the lower right corner;
# - the captured pieces open beside the main window, and a later capture
#   does not bring them up over the help window the player opened over them;
# - the help window and the captured pieces offer no maximize button (openbox
#   shows one beside every minimize button: they offer neither).
#   place_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
startInXServer 1024x768 "$@"

boardRect() { echo "$boardLeft" "$boardTop" $((boardLeft + 320)) $((boardTop + 320)); }
# No maximize (nor minimize) among what the window manager lets the player do.
offersNoMaximize() { ! xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q 'MAXIMIZE\|MINIMIZE'; }
# Moves the main window so that its outer corner is at ($1, $2), and waits
# for it to stand there.
moveMainWindow() {
  set -- "$@" $(outerRect "$wid") $(geometry "$wid")
  target="$(($1 + $7 - $3)) $(($2 + $8 - $4))"
  xdotool windowmove "$wid" $target
  waitFor 5 placeIs "$target" || fail "the main window stands at $(place), not at $target"
  locateBoard
}
# The notice is open and lies on the screen off the board: its left edge at
# the move list's (list), or its right edge left of the main window (left).
expectNoticeOffBoard() {
  waitFor 10 noticeId || fail "$1: no check notice"
  notice=$(outerRect "$(noticeId)")
  onScreen "$(noticeId)" || fail "$1: the notice at $notice is not wholly on the screen"
  # shellcheck disable=SC2046
  rectsMeet $notice $(boardRect) && fail "$1: the notice at $notice covers the board at $(boardRect)"
  set -- "$@" $notice $(outerRect "$wid")
  case $2 in
  list) [ "$3" -eq $((clientLeft + 376)) ] || fail "$1: the notice at $notice is not over the move list" ;;
  left) [ "$5" -le "$7" ] || fail "$1: the notice at $notice is not left of the main window" ;;
  esac
}

# Two players: 1. e4 d5, then against the computer 2. exd5, which Black's
# queen takes back: the captured pieces open beside the main window.
xdotool key alt+s k
drag e2 e4
drag d7 d5
xdotool key alt+s i
drag e4 d5
waitFor 10 windowNamed KAYIP || fail "no captured-pieces window"
lost=$(windowNamed KAYIP)
waitFor 12 onScreen "$lost" || fail "the captured pieces are not wholly on the screen: $(outerRect "$lost")"
waitFor 10 squareEmptied d8 || fail "Black did not take back on d5"

# Both moves taken back, the help window opened over the captured pieces,
# and exd5 Qxd5 again: the help window stays in front.
clickTakeBack
waitFor 10 squareFilled d8 || fail "2. exd5 Qxd5 was not taken back"
xdotool key F1
waitFor 10 windowNamed YARDIM || fail "no help window"
help=$(windowNamed YARDIM)
waitFor 5 stacksAbove "$help" "$lost" || fail "the help window did not open over the captured pieces"
# shellcheck disable=SC2046
rectsMeet $(outerRect "$help") $(outerRect "$lost") || fail "the help window does not cover the captured pieces"
drag e4 d5
waitFor 10 squareEmptied d8 || fail "Black did not take back on d5 again"
stacksAbove "$help" "$lost" || fail "a capture brought the captured pieces over the help window ($(stacking | tr '\n' ' '))"
for window in "$help" "$lost"; do
  offersNoMaximize "$window" || fail "$(xdotool getwindowname "$window") offers: $(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)"
done
import -window root "$work/help.png"
xdotool windowactivate --sync "$help" key Escape
waitFor 5 sh -c '! xdotool search --onlyvisible --name "^YARDIM$"' || fail "Escape leaves the help window open"

# Two players again: 3. Nc3 Qe5+ with the main window at its designed place,
# then taken back and played again with the main window in the lower right
# corner.
xdotool windowactivate --sync "$wid" key alt+s k
drag b1 c3
drag d5 e5
expectNoticeOffBoard "at the designed place" list
import -window root "$work/notice.png"
pressNoticeOk
moveMainWindow $((1024 - $(outerRect "$wid" | awk '{ print $3 - $1 }'))) \
  $((768 - $(outerRect "$wid" | awk '{ print $4 - $2 }')))
clickTakeBack
waitFor 10 squareFilled b1 || fail "3. Nc3 Qe5+ was not taken back"
drag b1 c3
drag d5 e5
expectNoticeOffBoard "in the lower right corner" left
import -window root "$work/place.png"
echo "PASS: the side windows open beside the main window, on the screen, off the board and under the help window"
