#!/bin/sh
# At twice the scale on a 1280 x 900 screen the main window opens wholly on
# the screen, its buttons and bottom row included.
#   scale_test.sh GAME WORKDIR
set -eu
. "$(dirname "$0")/window_lib.sh"
export QT_SCALE_FACTOR=2
startInXServer 1280x900 "$@"
waitFor 5 onScreen "$wid" || fail "the main window is not wholly on the screen: $(outerRect "$wid")"
import -window root "$work/scale.png"
echo "PASS: the main window lies on the screen at scale 2"
