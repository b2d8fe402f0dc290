#!/bin/sh
# The real program in a real window: the title screen's size and colours, a
# click on "ARITMETICA" that swaps it for the main menu, and the sponge that
# ends the program.   window_test.sh PATH/TO/aritmetica
program=$1
if [ -z "$DISPLAY" ]; then
  echo "SKIP: no DISPLAY (tools/test-all starts Xvfb for this test)"
  exit 77
fi
work=$(mktemp -d)
fail() {
  echo "FAIL: $*"
  kill "$pid" 2>/dev/null
  rm -rf "$work"
  exit 1
}
# Waits up to about 10 s for a command to succeed.
wait_for() {
  i=0
  until "$@" >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -gt 100 ] && return 1
    sleep 0.1
  done
}
pixel() {  # pixel X Y of the screenshot, as srgb(r,g,b)
  convert "$work/shot.png" -format "%[pixel:p{$(($1 + left)),$(($2 + top))}]" info:
}

"$program" >"$work/log" 2>&1 &
pid=$!
title=$(timeout 20 xdotool search --all --sync --pid $pid --name '^vaxo - Aritmetica cl\. I$' | head -1)
[ -n "$title" ] || fail "the title window did not open"
wait_for xwininfo -id "$title" || fail "no window information"
info=$(xwininfo -id "$title")
width=$(echo "$info" | sed -n 's/^ *Width: //p')
height=$(echo "$info" | sed -n 's/^ *Height: //p')
left=$(echo "$info" | sed -n 's/^ *Absolute upper-left X: *//p')
top=$(echo "$info" | sed -n 's/^ *Absolute upper-left Y: *//p')
[ "$width" = 792 ] && [ "$height" = 573 ] || fail "title window is ${width}x$height, not 792x573"

import -window root "$work/shot.png" || fail "no screenshot"
[ "$(pixel 700 400)" = "srgb(0,128,128)" ] || fail "board at 700,400 is $(pixel 700 400)"
[ "$(pixel 5 300)" = "srgb(255,128,64)" ] || fail "frame at 5,300 is $(pixel 5 300)"
[ "$(pixel 300 572)" = "srgb(128,64,0)" ] || fail "ledge at 300,572 is $(pixel 300 572)"

xdotool mousemove --window "$title" 396 236 click 1
menu=$(timeout 20 xdotool search --all --sync --pid $pid --name 'Menu principale$' | head -1)
[ -n "$menu" ] || fail "the main menu did not open"
gone() { ! xdotool search --all --pid $pid --name '^vaxo - Aritmetica cl\. I$'; }
wait_for gone || fail "the title window is still there"

xdotool mousemove --window "$menu" 140 535 click 1  # the sponge
ended() { ! kill -0 $pid; }
wait_for ended || fail "the program did not end at the sponge"
wait $pid || fail "the program exited with status $?: $(cat "$work/log")"
rm -rf "$work"
echo "PASS"
