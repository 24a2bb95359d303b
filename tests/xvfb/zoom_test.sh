#!/bin/sh
# The whole game drawn larger, in a real window under openbox on a 1920 x 1080
# screen: the first start takes a step of 1.75 or more; Ctrl+0 gives the
# designed 513 x 402; at 2 a dragged e2-e4 lands; the step is there at the
# next start; a click on the 40th line of a long move list reaches that line.
#   zoom_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
inXServer 1920x1080 "$@"
rm -rf "$XDG_CONFIG_HOME"
firstStart=yes
startWindowManager

size() { geometry "$wid" | awk '{ print $3, $4 }'; }
sizeIs() { [ "$(size)" = "$1" ]; }
# Closes the game with Alt+F4 (no move made: nothing is asked).
closeGame() {
  xdotool windowactivate --sync "$wid" key alt+F4
  waitFor 10 sh -c "! kill -0 $pid" || fail "the game did not end on Alt+F4"
  wait $pid 2>/dev/null || true
}

startGame
firstSize=$(size)
set -- $firstSize
[ "$1" -ge 898 ] && [ "$2" -ge 703 ] || fail "the first start is smaller than 1.75: $1 x $2"
xdotool windowactivate --sync "$wid" key ctrl+0
waitFor 10 sizeIs "513 402" || fail "Ctrl+0 gives $(size), not 513 x 402"
# One step at a time: 1.25, 1.5, 1.75, 2.
for expected in "641 503" "770 604" "898 703" "1026 804"; do
  xdotool key ctrl+equal
  waitFor 10 sizeIs "$expected" || fail "Ctrl+= gives $(size), not $expected"
done
# Larger still: 2.5 fits this screen, 3 does not, so the window stops there.
xdotool key ctrl+equal ctrl+equal
waitFor 10 sh -c "[ \"\$(xwininfo -id $wid | awk '/Width:/ { print \$NF }')\" -gt 1026 ]" || fail "Ctrl+= beyond 2 did nothing"
waitFor 10 onScreen "$wid" || fail "Ctrl+= made the window larger than the screen: $(outerRect "$wid")"
xdotool key ctrl+minus
waitFor 10 sizeIs "1026 804" || fail "Ctrl+- from the largest step that fits gives $(size), not 1026 x 804"
# Maximized, the window takes the largest step that fits the screen (2.5
# here), at that step's own size, not the screen's.
wmctrl -i -r "$wid" -b add,maximized_vert,maximized_horz
waitFor 10 sh -c "[ \"\$(xwininfo -id $wid | awk '/Width:/ { print \$NF }')\" -gt 1026 ]" || fail "maximize did not zoom"
waitFor 10 sh -c "[ \"\$(xwininfo -id $wid | awk '/Width:/ { print \$NF }')\" -lt 1920 ]" || fail "maximized, the window stays as wide as the screen"
waitFor 10 onScreen "$wid" || fail "maximized, the window is not on the screen: $(outerRect "$wid")"
sizeSettled() {
  before=$(size)
  sleep 0.3
  sizeIs "$before"
}
waitFor 10 sizeSettled || fail "maximized, the window does not come to rest"
xdotool windowactivate --sync "$wid" key ctrl+minus
waitFor 10 sizeIs "1026 804" || fail "Ctrl+- after maximize gives $(size), not 1026 x 804"
closeGame

startGame
waitFor 10 sizeIs "1026 804" || fail "the step is not kept: $(size) at the next start"
waitFor 5 placeSettled || fail "the window does not come to rest"
locateBoard
[ "$scale" = 200 ] || fail "the board is read at $scale hundredths"
playFirstMove
waitFor 10 squareFilled e4 || fail "e4 shows no piece at 2"
kill $pid
wait $pid 2>/dev/null || true

# Thirteen full moves of pawns, a step each (no position comes again): 2
# header lines and 3 lines a full move, the last one blank, so that line 40
# (Black's of full move 13) is the last but one of the list, which is
# scrolled to its end. A click on it takes back full move 13: the g-pawns
# are home again.
game_file=$work/pawns.oyk
printf '     TA\336        ILK SON \r\n    --------       ------ -------- \r\n' >"$game_file"
m=0
for f in A B C D E F G; do
  i=$(($(printf '%d' "'$f") - 64))
  for step in 1 2; do
    m=$((m + 1))
    [ $m -le 13 ] || break
    printf '%d- piyon(%d)     %s%d-%s%d\r\n    piyon(%d)     %s%d-%s%d\r\n    \r\n' \
      $m $i $f $((step + 1)) $f $((step + 2)) $i $f $((8 - step)) $f $((7 - step)) >>"$game_file"
  done
done
startGame "$game_file"
waitFor 5 placeSettled || fail "the window does not come to rest"
locateBoard
waitFor 10 squareFilled g3 || fail "the long game was not replayed"
# Line n (from 0) of 41, counted up from the list's bottom edge (1 pixel of
# frame), 13 pixels a line at factor 1.
listBottom=$((clientTop + $(z $((48 + 305))) - 1))
lineY=$((listBottom - $(z $(((41 - 39) * 13))) + $(z 6)))
xdotool mousemove $((clientLeft + $(z 420))) $lineY click 1
waitFor 10 squareEmptied g3 || fail "the click on line 40 did not take back to full move 12"
squareFilled g2 && squareEmptied g6 || fail "the g-pawns are not home after the click on line 40"
import -window root "$work/zoom.png"
echo "PASS: first start at $firstSize, Ctrl+0 513 x 402, a drag at 2, the step kept, line 40 clicked"
