#!/bin/sh
# The game stands still behind a question, in a real window under openbox:
# at level 4, 1. e4 is dragged and Ctrl+N pressed at once. While "Oyunu
# kaydetmek istiyormusunuz?" is open, the board and the move list do not
# change for two seconds, though Black's reply is due within one. Then
#   cancel  İptal keeps the game, and Black's reply lands within three seconds;
#   no      Hayır starts a new game, and the reply never lands;
#   yes     Evet saves 1. e4 alone through the file dialog (which covers the
#           board: the saved file tells that Black has not moved), then as
#           Hayır.
#   standstill_test.sh ANSWER GAME WORKDIR
set -eu

if [ "${1:-}" != "--inside" ]; then
  ANSWER=$1
  export ANSWER
  shift
fi
. "$(dirname "$0")/window_lib.sh"
inXServer 1024x768 "$@"
# Level 4 ("3.seviye"), kept from a last run.
mkdir -p "$XDG_CONFIG_HOME/DEDIVUD"
printf '[General]\nlevel=4\nplayMode=1\nzoom=1\n' >"$XDG_CONFIG_HOME/DEDIVUD/DEDIVUD.conf"
startWindowManager
startGame
waitFor 10 placeSettled || fail "the window does not come to rest"
locateBoard

# The board, the turn mark and the move list in the last shot, as a hash.
scene() {
  "$convert" "$shot" -crop "481x329+$((clientLeft + 24))+$((clientTop + 24))" +repage -format '%#' info:
}
# How many of the 16 squares of ranks 7 and 8 hold a piece: all of them
# until Black has moved, whatever the move.
blackHome() {
  regions=
  for rank in 6 7; do
    for file in 0 1 2 3 4 5 6 7; do
      regions="$regions ( -clone 0 -crop 36x36+$(($(squareX $file) + 2))+$(($(squareY $rank) + 2)) )"
    done
  done
  # shellcheck disable=SC2086
  "$convert" "$shot" -colorspace gray $regions -delete 0 -format '%[fx:maxima - minima >= 0.02]\n' info: |
    awk '{ n += $1 } END { print n }'
}
blackReplied() {
  takeShot
  [ "$(blackHome)" -lt 16 ]
}
# The screen shows the same scene twice, a moment apart.
settled() {
  takeShot
  before=$(scene)
  sleep 0.3
  takeShot
  [ "$(scene)" = "$before" ]
}
# Once the windows have come to rest, the scene stays as it is for $1
# seconds, and Black has not moved.
unchangedFor() {
  waitFor 5 settled || fail "$2: the windows do not come to rest"
  start=$(scene)
  [ "$(blackHome)" -eq 16 ] || fail "$2: Black has moved"
  end=$(($(date +%s%N) + $1 * 1000000000))
  while [ "$(date +%s%N)" -lt $end ]; do
    takeShot
    [ "$(scene)" = "$start" ] || fail "$2: the board or the list changed"
    [ "$(blackHome)" -eq 16 ] || fail "$2: Black has moved"
  done
}
questionClosed() { ! windowNamed Uyar; }
newGameShown() {
  takeShot
  isWhitePiece 4 1 && isEmpty 4 3
}
isActive() { [ "$(xdotool getactivewindow)" = "$1" ]; }
# The box lies below the main window, clear of the board and the list.
belowMainWindow() {
  [ "$(geometry "$1" | awk '{ print $2 }')" -gt "$(outerRect "$wid" | awk '{ print $4 }')" ]
}

xdotool windowactivate --sync "$wid"
drag e2 e4
xdotool key ctrl+n
waitFor 5 windowNamed Uyar || fail "Ctrl+N asked nothing"
question=$(windowNamed Uyar)
waitFor 5 isActive "$question" || fail "the question does not take the focus"
xdotool windowmove "$question" 0 560
waitFor 5 belowMainWindow "$question" || fail "the question did not move below the main window"
unchangedFor 2 "the question open"
isWhitePiece 4 3 && isEmpty 4 1 || fail "1. e4 is not on the board"

case $ANSWER in
cancel)
  answered=$(date +%s%N)
  xdotool key Escape
  waitFor 5 blackReplied || fail "after İptal Black did not reply"
  took=$((($(date +%s%N) - answered) / 1000000))
  [ $took -le 3000 ] || fail "after İptal Black replied only after $took ms"
  isWhitePiece 4 3 || fail "after İptal 1. e4 is no longer on the board"
  questionClosed || fail "İptal left the question open"
  echo "PASS: the game stands still behind the question, and after İptal Black replies"
  ;;
no | yes)
  if [ "$ANSWER" = yes ]; then
    saved=$work/kayit.oyk
    rm -f "$saved"
    xdotool key alt+e
    waitFor 5 windowNamed Kaydet || fail "Evet opened no file dialog"
    waitFor 5 isActive "$(windowNamed Kaydet)" || fail "the file dialog does not take the focus"
    xdotool type "$saved"
    xdotool key Return
    waitFor 5 test -s "$saved" || fail "Evet saved nothing"
    grep -q 'E2-E4' "$saved" || fail "the saved game lacks 1. e4"
    [ "$(grep -c -- '-[A-H][1-8]' "$saved")" -eq 1 ] || fail "the saved game holds a reply: $(cat "$saved")"
  else
    xdotool key alt+h
  fi
  waitFor 5 questionClosed || fail "the question stayed open"
  waitFor 5 newGameShown || fail "no new game after the answer"
  unchangedFor 3 "the new game"
  echo "PASS: the game stands still behind the question, and no reply lands in the new game"
  ;;
*) fail "unknown answer $ANSWER" ;;
esac
kill -0 $pid 2>/dev/null || fail "the game has ended"
