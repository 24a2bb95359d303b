#!/bin/sh
# Click to move in a real window under openbox: a click on e2 chooses the
# pawn (an orange frame on its square) and moves nothing; a click on e4 then
# plays e2-e4 as a drop there does: the pawn stands on e4 and the move list
# shows its line. While the pawn is chosen, dots mark e3 and e4.
#   click_test.sh GAME [WORKDIR]
set -eu

. "$(dirname "$0")/window_lib.sh"
inXServer 1024x768 "$@"
startWindowManager
startGame
locateBoard

clickOn() { xdotool mousemove $(squareCentre "$1") click 1; }
# The pixel at (X, Y) of the last shot is orange, the colour of the chosen
# piece's frame and of the dots.
orangeAt() {
  "$convert" "$shot" -crop "1x1+$1+$2" +repage -format '%[fx:r > 0.8 && g > 0.3 && g < 0.6 && b < 0.2]' info: |
    grep -q 1
}
# Square (file, rank) framed: the middle of its top edge; dotted: its centre.
framed() { orangeAt $(($(squareX "$1") + 20)) $(($(squareY "$2") + 1)); }
dotted() { orangeAt $(($(squareX "$1") + 20)) $(($(squareY "$2") + 20)); }
# Line 3 of the move list (the first move's) holds text: dark letters.
firstLineShown() {
  takeShot
  regionStats 100 8 $((clientLeft + 380)) $((clientTop + 48 + 2 + 2 * 13 + 2)) | awk '{ exit !($1 < 0.4) }'
}

xdotool windowactivate --sync "$wid"
firstLineShown && fail "the move list has a move line at the start"
clickOn e2
sleep 0.5
takeShot
framed 4 1 || fail "no frame on e2 after a click on it"
isWhitePiece 4 1 || fail "the pawn left e2 after one click ($(squareStats 4 1))"
dotted 4 2 && dotted 4 3 || fail "no dots on e3 and e4"
dotted 4 4 && fail "a dot on e5"
isWhitePiece 4 3 && fail "a piece on e4 after one click"
clickOn e4
waitFor 10 firstLineShown || fail "no line for e2-e4 in the move list"
takeShot
isWhitePiece 4 3 || fail "e4 shows no white piece ($(squareStats 4 3))"
isEmpty 4 1 || fail "e2 is not empty ($(squareStats 4 1))"
framed 4 1 && fail "e2 is still framed after the move"
dotted 4 2 && fail "e3 still dotted after the move"
kill -0 $pid 2>/dev/null || fail "the game has ended"
echo "PASS: click on e2, click on e4 plays e2-e4"
