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
. "$(dirname "$0")/walk.sh"
size() { xwininfo -id "$1" | awk '/^ *Width/ {w=$2} /^ *Height/ {h=$2} END {print w "x" h}'; }

start
[ "$(size "$w")" = 792x573 ] || fail "the title window is $(size "$w")"
main_menu
esci 140 535  # the sponge of the main menu

start --fullscreen
root=$(xwininfo -root | awk '/^ *Width/ {w=$2} /^ *Height/ {h=$2} END {print w "x" h}')
covers() { [ "$(size "$w")" = "$root" ]; }
wait_for covers || fail "--fullscreen: the title window is $(size "$w") on a $root screen"
finish
echo "PASS"
