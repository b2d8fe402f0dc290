#!/bin/sh
# Start-up to the title window, and peak memory, of the program against the
# floor (bench/floor_window.cpp), both in the same run, N times each
# alternately, in the designed window and in the whole-screen mode (both
# started with --fullscreen); prints the medians and the ratios (goals: 1.1x
# time, 1.2x memory). Needs $DISPLAY (an Xvfb will do) and xdotool.
#   bench/startup.sh BUILD_DIR [N]
set -u
build=$1
n=${2:-10}
export QT_QPA_PLATFORM=xcb

# One start: milliseconds until the window is mapped, then its peak RSS in KiB.
once() {
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  # Poll for the mapped window every few milliseconds (xdotool's own --sync
  # looks only twice a second).
  tries=0
  until xdotool search --onlyvisible --pid $pid >/dev/null 2>&1; do
    tries=$((tries + 1)); [ $tries -gt 2000 ] && break
    sleep 0.002
  done
  end=$(date +%s%N)
  sleep 0.5  # let the first paint finish before reading the peak
  hwm=$(awk '/VmHWM/ {print $2}' /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null
  echo "$(( (end - start) / 1000000 )) $hwm"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# compare LABEL [ARGUMENT]: both programs N times, the medians and the ratios.
compare() {
  : >/tmp/bench-prog; : >/tmp/bench-floor
  for i in $(seq 1 "$n"); do
    once "$build/aritmetica" ${2:-} >>/tmp/bench-prog
    once "$build/floor-window" ${2:-} >>/tmp/bench-floor
  done
  pt=$(cut -d' ' -f1 /tmp/bench-prog | median); pm=$(cut -d' ' -f2 /tmp/bench-prog | median)
  ft=$(cut -d' ' -f1 /tmp/bench-floor | median); fm=$(cut -d' ' -f2 /tmp/bench-floor | median)
  echo "$1: start to title window: aritmetica ${pt} ms, floor ${ft} ms, ratio $(awk "BEGIN {printf \"%.2f\", $pt/$ft}")x (median of $n)"
  echo "$1: peak memory:           aritmetica ${pm} KiB, floor ${fm} KiB, ratio $(awk "BEGIN {printf \"%.2f\", $pm/$fm}")x"
}
compare window
compare whole-screen --fullscreen
