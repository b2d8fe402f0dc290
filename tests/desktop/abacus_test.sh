#!/bin/sh
# The abacus with the real mouse: a bead dragged onto the units spike of
# "Dal numero in lettere e in cifre all'abaco" lands in slot 1, and the beads
# of "Completa la decina sull'abaco" are seen moving while the change of ten
# units into a ten runs.   abacus_test.sh PATH/TO/aritmetica [SHOTS_DIR]
program=$1
shots=${2:-$(mktemp -d)}
if [ -z "$DISPLAY" ]; then
  echo "SKIP: no DISPLAY (tools/test-all starts Xvfb for this test)"
  exit 77
fi
mkdir -p "$shots"
fail() {
  echo "FAIL: $*"
  kill "$pid" 2>/dev/null
  exit 1
}
window() {  # the program's window whose title ends with $1
  timeout 20 xdotool search --all --sync --onlyvisible --pid $pid --name "$1\$" | head -1
}
click() {  # click WINDOW X Y, in the window's pixels
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}
rgb() {  # rgb FILE X Y: the pixel as "R G B"
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

"$program" >/dev/null 2>&1 &
pid=$!
w=$(window 'cl\. I') && [ -n "$w" ] || fail "no title window"
click "$w" 396 236                        # ARITMETICA
w=$(window 'Menu principale') && [ -n "$w" ] || fail "no main menu"
click "$w" 200 248                        # OPERAZIONI VARIE ENTRO IL 9
w=$(window 'Menu operazioni entro 10') && [ -n "$w" ] || fail "no menu within 10"
click "$w" 100 312                        # Dal numero in lettere e in cifre all'abaco
w=$(window "all'abaco") && [ -n "$w" ] || fail "no abacus screen"
click "$w" 64 540                         # the chalk: a question, beads enabled

# Bead 1 from its home (pixels 120,136, 32 square) onto the units spike.
xdotool mousemove --window "$w" 136 152 mousedown 1
for y in 170 200 230; do xdotool mousemove --window "$w" $((136 + (y - 152) * 6)) $y; sleep 0.05; done
xdotool mousemove --window "$w" 664 240 mouseup 1
sleep 0.5
import -window "$w" "$shots/dragged.png" || fail "no screenshot"
set -- $(rgb "$shots/dragged.png" 664 376)
[ "$1" -gt 200 ] && [ "$2" -gt 200 ] && [ "$3" -gt 200 ] || fail "no white bead in slot 1 (found $*)"
[ "$(rgb "$shots/dragged.png" 136 152)" = "0 128 128" ] || fail "bead 1 is still at home"

# Completing the ten: back to the main menu, the menu within 20, the abacus.
click "$w" 272 498                        # VAI A MENU PRINCIPALE
w=$(window 'Menu principale') && [ -n "$w" ] || fail "no main menu again"
click "$w" 200 320                        # OPERAZIONI VARIE ENTRO IL 20
w=$(window 'Menu operazioni entro 20') && [ -n "$w" ] || fail "no menu within 20"
click "$w" 150 148                        # Sull'abaco (FORMA LA DECINA)
w=$(window "Completa la decina sull'abaco") && [ -n "$w" ] || fail "no screen of the ten"
click "$w" 68 540                         # the chalk: the beads are laid
sleep 3
click "$w" 532 252                        # into the answer box
# Every digit in turn on the keypad (no pause after a wrong one): the right
# one fills the ten and exchanges it while the screenshots below are taken.
xdotool key --window "$w" --delay 100 KP_1 KP_2 KP_3 KP_4 KP_5 KP_6 KP_7 KP_8 KP_9 &
typing=$!
i=0
while [ $i -lt 40 ]; do
  import -window "$w" "$shots/exchange-$i.png" 2>/dev/null
  i=$((i + 1))
  sleep 0.15
done
wait $typing
frames=$(for f in "$shots"/exchange-*.png; do convert "$f" rgb:- | md5sum; done | sort -u | wc -l)
[ "$frames" -ge 5 ] || fail "only $frames different pictures while the beads move"
xdotool key --window "$w" Escape
kill $pid
echo "PASS: bead dragged into slot 1; $frames different pictures of the moving beads"
