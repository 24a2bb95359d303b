#!/bin/sh
# Starts the game with a saved game on the command line under a real X
# server and reads the board off the screen: the file's moves d2-d4 d7-d5
# are on it. Extra arguments give the usage text and no window.
#   open_test.sh GAME [WORKDIR]
set -eu

. "$(dirname "$0")/window_lib.sh"
inXServer 1024x768 "$@"

status=0
"$game" one.oyk two.oyk 2>"$work/usage.txt" || status=$?
[ $status -eq 2 ] || fail "two arguments: exit status $status, not 2"
grep -q '^Kullanım: dedivud \[DOSYA.oyk\]$' "$work/usage.txt" || fail "no usage text: $(cat "$work/usage.txt")"

# 1. d2-d4 d7-d5, in code page 1254 with CR LF.
printf '     TA\336        ILK SON \r\n    --------       ------ -------- \r\n1- piyon(4)     D2-D4\r\n    piyon(4)     D7-D5\r\n    \r\n' \
  >"$work/d4d5.oyk"

startWindowManager
startGame "$work/d4d5.oyk"
locateBoard
sleep 0.5
import -window root "$shot"
# The inside of square (file, rank), cropped.
square() {
  crop=36x36+$(($(squareX "$1") + 2))+$(($(squareY "$2") + 2))
  shift 2
  /usr/bin/convert "$shot" -crop "$crop" +repage -colorspace gray "$@"
}
# Empty: one flat colour. Black pieces are filled: more than a fifth of the
# square is dark, where a white piece has only its outline.
occupant() {
  if square "$1" "$2" -format '%[fx:maxima - minima < 0.02]' info: | grep -q 1; then
    echo empty
  elif square "$1" "$2" -threshold 30% -format '%[fx:mean < 0.78]' info: | grep -q 1; then
    echo black
  else
    echo white
  fi
}
for expect in "3 1 empty" "3 3 white" "3 4 black" "3 6 empty" "4 1 white" "4 6 black"; do
  set -- $expect
  got=$(occupant "$1" "$2")
  [ "$got" = "$3" ] || fail "square ($1, $2) shows $got, not $3"
done
kill -0 $pid 2>/dev/null || fail "the game has ended"
echo "PASS: the saved game named on the command line is on the board"
