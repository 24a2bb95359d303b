#!/bin/sh
# Start-up time (launch until the window is mapped) and peak memory of the game
# against a bare Qt window, side by side, on an X server (Xvfb).
#   bench/startup.sh BUILD_DIR [RUNS]
set -eu
build=${1:-build}
runs=${2:-10}
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi
export QT_QPA_PLATFORM=xcb

measure() {  # program window-name
  for i in $(seq "$runs"); do
    start=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    # Xvfb now and then refuses a connection: such a run is not counted.
    started=yes
    until xdotool search --onlyvisible --name "^$2\$" >/dev/null 2>&1; do
      kill -0 "$pid" 2>/dev/null || { started=no; break; }
      sleep 0.01
    done
    [ $started = yes ] || continue
    end=$(date +%s%N)
    sleep 0.3
    hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(( (end - start) / 1000000 )) $hwm"
  done | sort -n | awk -v name="$2" '{ t[NR] = $1; m[NR] = $2 } END {
      printf "%-8s start-up median %d ms (min %d, max %d), peak memory median %d KiB\n",
             name, t[int((NR + 1) / 2)], t[1], t[NR], m[int((NR + 1) / 2)] }'
}

measure "$build/bench/bare_window" BARE
measure "$build/src/ui/qt/dedivud" DEDIVUD
