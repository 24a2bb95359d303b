#!/bin/sh
# Drags the e2 pawn to e4 with the real mouse of an X server and checks the
# screen: e4 shows a white piece, e2 is an empty square, and Black answered
# (one of Black's pieces left its start square).
#   drag_test.sh GAME [WORKDIR]
set -eu

if [ "${1:-}" != "--inside" ]; then
  game=$1
  work=${2:-$(mktemp -d)}
  mkdir -p "$work"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$game" "$work"
fi
game=$2
work=$3
shot=$work/shot.png
convert=/usr/bin/convert

export QT_QPA_PLATFORM=xcb
# Xvfb now and then refuses a client's first connection ("could not connect
# to display"); start the game again when that happens.
pid=
trap 'kill $pid 2>/dev/null || true' EXIT
wid=
for attempt in 1 2 3; do
  "$game" >"$work/game.log" 2>&1 &
  pid=$!
  for wait in $(seq 200); do
    wid=$(xdotool search --onlyvisible --name '^DEDIVUD$' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$wid" ] && break
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true
done
[ -n "$wid" ] || { cat "$work/game.log" >&2; echo "FAIL: the game window did not appear" >&2; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
# The client area (513 x 383) lies under the menu bar; the board frame sits
# at (40, 31) in it and a square is 40 pixels wide, a8 at the frame's origin.
clientTop=$((Y + HEIGHT - 383))
boardLeft=$((X + 40))
boardTop=$((clientTop + 31))
squareX() { echo $((boardLeft + 40 * $1)); }
squareY() { echo $((boardTop + 280 - 40 * $1)); }

# Statistics of the inside of one square (file, rank) on the last shot:
# "min mean max" of the grey level, 0..1.
squareStats() {
  "$convert" "$shot" -crop 36x36+$(($(squareX "$1") + 2))+$(($(squareY "$2") + 2)) +repage \
    -colorspace gray -format '%[fx:minima] %[fx:mean] %[fx:maxima]' info:
}
# Empty: one flat colour (white or silver).
isEmpty() { squareStats "$1" "$2" | awk '{ exit !($3 - $1 < 0.02) }'; }
# A white piece: dark outline on a mostly light picture.
isWhitePiece() { squareStats "$1" "$2" | awk '{ exit !($1 < 0.3 && $2 > 0.6) }'; }

fail() {
  echo "FAIL: $*" >&2
  cat "$work/game.log" >&2
  exit 1
}

import -window root "$shot"
isEmpty 4 3 || fail "e4 is not empty at the start ($(squareStats 4 3))"
isWhitePiece 4 1 || fail "no white piece on e2 at the start ($(squareStats 4 1))"

fromX=$(($(squareX 4) + 20)); fromY=$(($(squareY 1) + 20))
toX=$(($(squareX 4) + 20)); toY=$(($(squareY 3) + 20))
xdotool mousemove $fromX $fromY mousedown 1 mousemove $((fromX + 3)) $fromY mousemove $toX $toY mouseup 1
sleep 1.5
import -window root "$shot"

isWhitePiece 4 3 || fail "e4 shows no white piece ($(squareStats 4 3))"
isEmpty 4 1 || fail "e2 is not empty ($(squareStats 4 1))"
answered=no
for file in 0 1 2 3 4 5 6 7; do
  isEmpty $file 6 && answered=yes
done
isEmpty 1 7 && answered=yes
isEmpty 6 7 && answered=yes
[ $answered = yes ] || fail "Black did not answer"
kill -0 $pid 2>/dev/null || fail "the game has ended"
echo "PASS: e2-e4 dragged and answered"
