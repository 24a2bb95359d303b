#!/bin/sh
# The side windows open beside the main window wherever it stands: with the
# main window in the lower right corner the check notice opens over it and
# the captured pieces, whose designed place lies right of it, on the screen.
#   place_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
startInXServer 1024x768 "$@"
set -- $(outerRect "$wid") $(geometry "$wid")
xdotool windowmove "$wid" $((1024 - $3 + $5)) $((768 - $4 + $6))
sleep 0.5
locateBoard

# Two players to a check (1. f3 e6 2. b4 a5 3. g4 Qh4+), then White takes
# on a5 against the computer.
xdotool key alt+s k
for move in "f2 f3" "e7 e6" "b2 b4" "a7 a5" "g2 g4" "d8 h4"; do
  drag $move
  sleep 0.3
done
waitFor 10 noticeId || fail "no check notice"
sleep 0.3
set -- $(outerRect "$(noticeId)") $(outerRect "$wid")
[ "$1" -ge "$5" ] && [ "$2" -ge "$6" ] && [ "$3" -le "$7" ] && [ "$4" -le "$8" ] ||
  fail "the check notice at $1,$2 to $3,$4 is not over the main window at $5,$6 to $7,$8"
xdotool key alt+s i
drag b4 a5
waitFor 10 windowNamed KAYIP || fail "no captured-pieces window"
sleep 0.5
import -window root "$work/place.png"
waitFor 5 onScreen "$(windowNamed KAYIP)" || fail "the captured pieces are not wholly on the screen: $(outerRect "$(windowNamed KAYIP)")"
echo "PASS: the side windows open beside the main window, on the screen"
