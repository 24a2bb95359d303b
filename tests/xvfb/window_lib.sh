# Shared by the real-window tests, sourced inside xvfb-run with $game and
# $work set (or before it, see inXServer): a window manager (openbox), the
# game started with its window found, where the board lies on the screen, the
# mouse on the board and the screen read back.

convert=/usr/bin/convert
shot=${work:-/tmp}/shot.ppm

# Runs the calling test again inside an X server of its own, screen WxH, with
# the test's arguments GAME WORKDIR; inside, sets $game, $work and $shot.
#   inXServer 1024x768 "$@"
inXServer() {
  size=$1
  shift
  if [ "${1:-}" != "--inside" ]; then
    mkdir -p "$2"
    exec xvfb-run -a -s "-screen 0 ${size}x24" "$0" --inside "$@"
  fi
  game=$2
  work=$3
  shot=$work/shot.ppm
  export XDG_CONFIG_HOME="$work/config"
}

# inXServer, then the window manager and the game, its board located.
startInXServer() {
  inXServer "$@"
  startWindowManager
  startGame
  locateBoard
}

fail() {
  echo "FAIL: $*" >&2
  import -window root "${work:-/tmp}/fail.png" 2>/dev/null || true
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
# Settings of the test's own, never the user's (inXServer sets them for a
# test that starts its own X server).
if [ -n "${work:-}" ]; then export XDG_CONFIG_HOME="$work/config"; fi
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
keepDesignedSize
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

# The tests below read the screen at the designed size: a game with no
# configuration yet starts at factor 1 instead of the first start's step for
# the screen, unless the test sets firstStart=yes.
keepDesignedSize() {
  conf=${XDG_CONFIG_HOME:-$HOME/.config}/DEDIVUD/DEDIVUD.conf
  [ "${firstStart:-}" = yes ] || [ -e "$conf" ] || [ -z "${XDG_CONFIG_HOME:-}" ] && return 0
  mkdir -p "$(dirname "$conf")"
  printf '[General]\nzoom=1\n' >"$conf"
}

# Absolute place and size of a window (its inside, without the frame).
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
    /Width:/ { w = $NF } /Height:/ { h = $NF } END { print x, y, w, h }'
}
# The main window's place. It has stopped moving when it stands where it
# stood a moment before: a window manager under load may map it elsewhere
# before the game puts it in its place.
place() { geometry "$wid" | awk '{ print $1, $2 }'; }
placeIs() { [ "$(place)" = "$1" ]; }
placeSettled() {
  before=$(place)
  sleep 0.3
  placeIs "$before"
}
# The client area (513 x 383 times the zoom factor) lies under the menu bar;
# the board frame sits at (40, 31) in it and a square is 40 pixels wide, a8 at
# the frame's origin, all times the factor. The factor, in hundredths, is
# read from the window's width (513 times the factor).
locateBoard() {
set -- $(geometry "$wid")
scale=$((($3 * 100 + 256) / 513))
clientLeft=$1
clientTop=$(($2 + $4 - $(z 383)))
boardLeft=$((clientLeft + $(z 40)))
boardTop=$((clientTop + $(z 31)))
radioY=$((clientTop + $(z 17)))
}
# A designed length at the zoom factor, to the nearest pixel.
z() { echo $((($1 * ${scale:-100} + 50) / 100)); }
squareX() { echo $((boardLeft + $(z $((40 * $1))))); }
squareY() { echo $((boardTop + $(z $((280 - 40 * $1))))); }


# "min mean max" of the grey level (0..1) of a W x H region at (X, Y) of the
# last shot.
regionStats() {
  "$convert" "$shot" -crop "$1x$2+$3+$4" +repage -colorspace gray -format '%[fx:minima] %[fx:mean] %[fx:maxima]' info:
}
# The inside of one square (file, rank)
# (clear of the frames drawn on its edge, 2 pixels at factor 1).
squareStats() {
  inset=$((2 * $(z 2) - 2))
  side=$(($(z 40) - 2 * inset))
  regionStats $side $side $(($(squareX "$1") + inset)) $(($(squareY "$2") + inset))
}
# Empty: one flat colour (white or silver).
isEmpty() { squareStats "$1" "$2" | awk '{ exit !($3 - $1 < 0.02) }'; }
# A white piece: dark outline on a mostly light picture.
isWhitePiece() { squareStats "$1" "$2" | awk '{ exit !($1 < 0.3 && $2 > 0.6) }'; }
takeShot() { import -window root "$shot"; }
# A square by name ("e2") as file and rank numbers.
fileOf() { echo $(($(printf '%d' "'$1") - 97)); }
rankOf() { echo $((${1#?} - 1)); }
squareCentre() {
  echo $((boardLeft + $(z $((40 * $(fileOf "$1") + 20))))) $((boardTop + $(z $((300 - 40 * $(rankOf "$1"))))))
}

# Drags the piece on one square to another with the real mouse, and returns
# once the X server has passed the release on to the game: until the window
# manager lets a click through to the window, the server holds the mouse's
# events (the pointer stays where it was), though not the keyboard's, so a
# key sent at once could come before the drop.
drag() {
  set -- $(squareCentre "$1") $(squareCentre "$2")
  xdotool mousemove "$1" "$2" mousedown 1 mousemove $(($1 + 3)) "$2" mousemove "$3" "$4" mouseup 1
  waitFor 5 mouseAt "$3" "$4" || fail "the mouse did not reach ($3, $4)"
}
mouseAt() { xdotool getmouselocation | grep -q "^x:$1 y:$2 "; }
squareEmptied() {
  takeShot
  isEmpty $(fileOf "$1") $(rankOf "$1")
}
squareFilled() { ! squareEmptied "$1"; }
# Plays e2-e4, so that the game has a move that was not saved.
playFirstMove() {
  drag e2 e4
  waitFor 10 squareEmptied e2 || fail "e2-e4 was not played"
}

# Window ids in the window manager's stacking order, bottom to top, decimal.
stacking() {
  xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,/ /g' | xargs -n 1 printf '%d\n'
}
noticeId() { windowNamed UYARI; }
# Window $1 stands above window $2.
stacksAbove() {
  stacking | awk -v a="$1" -v b="$2" '$1 == a { ap = NR } $1 == b { bp = NR } END { exit !(ap > bp && bp > 0) }'
}
# OK on the check notice (Left 72, Top 56, 49 x 22), and the notice gone.
pressNoticeOk() {
  set -- $(geometry "$(noticeId)")
  xdotool mousemove $(($1 + 96)) $(($2 + 67)) click 1
  waitFor 5 sh -c '! xdotool search --onlyvisible --name "^UYARI$"' || fail "OK leaves the notice on the screen"
}
# "Geri Hamle" (Left 376, Top 360, 65 x 17).
clickTakeBack() { clickClient $((376 + 32)) $((360 + 8)); }


# Clicks at (X, Y) of the main window's client area.
clickClient() { xdotool mousemove $((clientLeft + $1)) $((clientTop + $2)) click 1; }

# The first visible window whose title starts with $1; fails when there is
# none, so that a test can wait for one.
windowNamed() { xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1 | grep .; }

# A window's outer rectangle, the window manager's frame included, as
# "left top right bottom".
outerRect() {
  set -- $(geometry "$1") $(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g; /[^0-9 ]/d')
  echo $(($1 - ${5:-0})) $(($2 - ${7:-0})) $(($1 + $3 + ${6:-0})) $(($2 + $4 + ${8:-0}))
}
# Two rectangles "left top right bottom" ($1..$4 and $5..$8, right and
# bottom outside) share a pixel.
rectsMeet() { [ "$1" -lt "$7" ] && [ "$5" -lt "$3" ] && [ "$2" -lt "$8" ] && [ "$6" -lt "$4" ]; }
# The window lies wholly on the screen.
onScreen() {
  set -- $(outerRect "$1") $(xwininfo -root | awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print w, h }')
  [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$3" -le "$5" ] && [ "$4" -le "$6" ]
}

# Level button n (1..3): designed at Left 416 + 32 (n - 1), Top 8, 25 x 17,
# its circle at the right end and the caption left of it.
radioLeft() { echo $((clientLeft + 416 + 32 * ($1 - 1))); }
# The game's windows on the screen number $1 (the main window and menus).
popupsOpen() { [ "$(xdotool search --onlyvisible --classname dedivud | wc -l)" -ge "$1" ]; }
# Which level button shows its dot, and which "Düzey" item its tick, as
# "dot tick"; 0 for none, 9 for more than one.
levelsShown() {
  xdotool key alt+s
  waitFor 5 popupsOpen 2 || true
  xdotool key d
  waitFor 5 popupsOpen 3 || true
  sleep 0.15
  takeShot
  # The submenu: the popup furthest to the right.
  menu=$(for w in $(xdotool search --onlyvisible --classname dedivud); do
    [ "$w" = "$wid" ] || echo "$(geometry "$w")"
  done | sort -n | tail -n 1)
  xdotool key Escape Escape
  [ -n "$menu" ] || { echo "no menu"; return; }
  set -- $menu
  # One dark-or-light answer per region: the three dots, then the three ticks
  # (the tick box of item n, 22 pixels per item, its inside 8 x 8).
  regions=
  for n in 1 2 3; do
    regions="$regions ( -clone 0 -crop 4x4+$(($(radioLeft $n) + 16))+$((radioY - 2)) )"
  done
  for n in 1 2 3; do
    regions="$regions ( -clone 0 -crop 8x8+$(($1 + 10))+$(($2 + 22 * (n - 1) + 7)) )"
  done
  # shellcheck disable=SC2086
  "$convert" "$shot" -colorspace gray $regions -delete 0 -format '%[fx:minima < 0.4]\n' info: |
    awk 'NR <= 3 && $1 { dot = dot ? 9 : NR } NR > 3 && $1 { tick = tick ? 9 : NR - 3 }
      END { print dot + 0, tick + 0 }'
}

