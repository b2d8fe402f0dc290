#!/bin/sh
# Catches the installed-like program failing where only the real binary
# shows it: --help and a mistaken option answered without a window (status
# 0 and 2), the title window not opening at its size on a real display or
# not covering it with --fullscreen, a click that does not reach the
# screens, and the sponge not ending the program with status 0.
#   program_test.sh PATH/TO/aritmetica
program=$1
"$program" --help | grep -q -- --no-voice || { echo "FAIL: --help"; exit 1; }
"$program" --bogus 2>/dev/null; [ $? = 2 ] || { echo "FAIL: --bogus did not end with status 2"; exit 1; }
if [ -z "$DISPLAY" ]; then
  echo "SKIP: no DISPLAY (tools/test-all starts Xvfb for this test)"
  exit 77
fi
work=$(mktemp -d)
pid=
fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
  exit 1
}
wait_for() {  # a command's success, for as long as a loaded machine takes
  i=0
  until "$@" >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 1200 ] && return 1
    sleep 0.1
  done
}
window() { timeout 120 xdotool search --all --sync --onlyvisible --pid $pid --name "$1\$" | head -1; }
size() { xwininfo -id "$1" | awk '/^ *Width/ {w=$2} /^ *Height/ {h=$2} END {print w "x" h}'; }
ended() { ! kill -0 $pid; }

"$program" >"$work/log" 2>&1 &
pid=$!
w=$(window 'Aritmetica cl\. I') && [ -n "$w" ] || fail "the title window did not open"
[ "$(size "$w")" = 792x573 ] || fail "the title window is $(size "$w")"
xdotool mousemove --sync --window "$w" 396 236 click 1   # ARITMETICA
w=$(window 'Menu principale') && [ -n "$w" ] || fail "the main menu did not open"
xdotool mousemove --sync --window "$w" 140 535 click 1   # the sponge
wait_for ended || fail "the program did not end at the sponge"
wait $pid || fail "the program exited with status $?: $(cat "$work/log")"

"$program" --fullscreen >"$work/log" 2>&1 &
pid=$!
w=$(window 'Aritmetica cl\. I') && [ -n "$w" ] || fail "the title window did not open with --fullscreen"
root=$(xwininfo -root | awk '/^ *Width/ {w=$2} /^ *Height/ {h=$2} END {print w "x" h}')
covers() { [ "$(size "$w")" = "$root" ]; }
wait_for covers || fail "--fullscreen: the title window is $(size "$w") on a $root screen"
kill $pid
rm -rf "$work"
echo "PASS"
