#!/bin/sh
# Catches the real binary's --help and mistakes (status 0 and 2), its title
# window at the wrong size or not covering a real display with --fullscreen,
# and the sponge of the main menu not ending it with status 0.
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
