#!/bin/sh
# "Başlat" on a game with an unsaved move asks whether to save it first;
# "İptal" keeps the game on the board.
#   new_game_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
startInXServer 1024x768 "$@"

playFirstMove
sleep 1 # Black's answer
clickClient 476 368 # "Başlat": Left 448, Top 360, 57 x 17
waitFor 5 windowNamed Uyar || fail "Başlat asked nothing"
import -window root "$work/question.png"
xdotool key Escape
waitFor 5 sh -c '! xdotool search --onlyvisible --name "^Uyar"' || fail "İptal left the question open"
sleep 0.3
takeShot
isWhitePiece 4 3 && isEmpty 4 1 || fail "İptal did not keep the game: e4 $(squareStats 4 3), e2 $(squareStats 4 1)"
echo "PASS: Başlat asks, and İptal keeps the game"
