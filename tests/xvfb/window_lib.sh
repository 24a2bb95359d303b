# Shared by the real-window tests, sourced inside xvfb-run with $game and
# $work set: a window manager (openbox), the game started with its window
# found, and where the board lies on the screen.

fail() {
  echo "FAIL: $*" >&2
  cat "$work/game.log" "$work/wm.log" >&2 2>/dev/null || true
  exit 1
}

# Runs a command every 0.1 s until it succeeds, for at most $1 seconds.
waitFor() {
  tries=$(($1 * 10))
  shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ $tries -gt 0 ] || return 1
    sleep 0.1
  done
}

export QT_QPA_PLATFORM=xcb
pid=
wm=
trap 'kill $pid $wm 2>/dev/null || true' EXIT

# The window manager, ready once it has announced itself on the root window
# (started again should the X server have refused it).
wmReady() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
startWindowManager() {
for attempt in 1 2 3; do
  openbox >"$work/wm.log" 2>&1 &
  wm=$!
  waitFor 5 wmReady && break
  kill $wm 2>/dev/null || true
  wait $wm 2>/dev/null || true
  wm=
done
[ -n "$wm" ] || fail "the window manager did not start"
}

# Starts the game with the given arguments and finds its window. Xvfb now and
# then refuses a client's first connection ("could not connect to display");
# start the game again when that happens.
startGame() {
wid=
for attempt in 1 2 3; do
  "$game" "$@" >"$work/game.log" 2>&1 &
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
[ -n "$wid" ] || fail "the game window did not appear"
sleep 0.5
}

# Absolute place and size of a window (its inside, without the frame).
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
# The client area (513 x 383) lies under the menu bar; the board frame sits
# at (40, 31) in it and a square is 40 pixels wide, a8 at the frame's origin.
locateBoard() {
set -- $(geometry "$wid")
clientLeft=$1
clientTop=$(($2 + $4 - 383))
boardLeft=$((clientLeft + 40))
boardTop=$((clientTop + 31))
}
squareX() { echo $((boardLeft + 40 * $1)); }
squareY() { echo $((boardTop + 280 - 40 * $1)); }

