#!/bin/sh
# The whole-screen mode on a 1920 x 1080 display of its own: --fullscreen
# covers the screen with the board scaled and centred between dark margins;
# clicks at the scaled positions reach the screens; the next screen opens in
# the mode too; F11 gives back the designed window, centred, and takes it
# away again; a bead dragged at the scaled positions lands on its spike; F11
# during the abacus exchange is answered while the beads go on moving; the
# sponge ends the program.   fullscreen_test.sh PATH/TO/aritmetica
program=$1
command -v Xvfb >/dev/null || { echo "SKIP: no Xvfb"; exit 77; }
work=$(mktemp -d)
# A display number of its own, chosen by Xvfb.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
i=0
until [ -s "$work/display" ]; do
  i=$((i + 1)); [ $i -gt 100 ] && { echo "SKIP: Xvfb did not start"; kill $xvfb; exit 77; }
  sleep 0.1
done
export DISPLAY=:$(cat "$work/display")
pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  kill $xvfb 2>/dev/null
  rm -rf "$work"
}
fail() {
  echo "FAIL: $*"
  finish
  exit 1
}
wait_for() {  # up to about 10 s for a command to succeed
  i=0
  until "$@" >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && return 1
    sleep 0.1
  done
}
window() {  # the program's visible window whose title ends with $1
  timeout 20 xdotool search --all --sync --onlyvisible --pid $pid --name "$1\$" | head -1
}
placed() {  # placed WINDOW "LEFT TOP WIDTH HEIGHT", asked afresh at every try of wait_for
  test "$(geometry "$1")" = "$2"
}
geometry() {  # geometry WINDOW: "LEFT TOP WIDTH HEIGHT"
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /^ *Width/ {w=$2} /^ *Height/ {h=$2} END {print x, y, w, h}'
}
# scaled X Y HEIGHT: where the board pixel X, Y of a screen HEIGHT pixels high
# stands on the 1920 x 1080 screen (the factor is the largest that fits).
scaled() {
  awk -v x="$1" -v y="$2" -v h="$3" 'BEGIN {
    f = 1920 / 792; if (1080 / h < f) f = 1080 / h
    printf "%d %d\n", int((1920 - 792 * f) / 2) + x * f + 0.5, int((1080 - h * f) / 2) + y * f + 0.5 }'
}
click() {  # click X Y HEIGHT, board pixels of the screen in front
  xdotool mousemove $(scaled "$1" "$2" "$3") click 1
  sleep 0.3
}
rgb() {  # rgb X Y: the screenshot's pixel as "R G B"
  convert "$work/shot.png" -format "%[fx:int(255*p{$1,$2}.r+0.5)] %[fx:int(255*p{$1,$2}.g+0.5)] %[fx:int(255*p{$1,$2}.b+0.5)]" info:
}
shot() { import -window root "$work/shot.png" || fail "no screenshot"; }

"$program" --fullscreen >"$work/log" 2>&1 &
pid=$!
w=$(window 'Aritmetica cl\. I') && [ -n "$w" ] || fail "the title window did not open"
wait_for placed "$w" "0 0 1920 1080" || fail "title window at $(geometry "$w"), not covering the screen"
sleep 0.5
shot
[ "$(rgb $(scaled 700 400 573))" = "0 128 128" ] || fail "no board at the scaled 700,400: $(rgb $(scaled 700 400 573))"
[ "$(rgb $(scaled 5 300 573))" = "255 128 64" ] || fail "no frame at the scaled 5,300: $(rgb $(scaled 5 300 573))"
for at in "100 540" "1850 540" "100 10"; do
  case "$(rgb $at)" in "0 128 128"|"255 128 64") fail "the margin at $at is $(rgb $at)" ;; esac
done

click 396 236 573                                   # ARITMETICA
w=$(window 'Menu principale') && [ -n "$w" ] || fail "the main menu did not open"
gone() { ! xdotool search --all --onlyvisible --pid $pid --name 'Aritmetica cl\. I$'; }
wait_for gone || fail "the title window is still there"
wait_for placed "$w" "0 0 1920 1080" || fail "main menu at $(geometry "$w"), not whole-screen"

xdotool key --window "$w" F11
# The designed window, centred as ever and in front.
wait_for placed "$w" "564 245 792 550" || fail "after F11 the menu is at $(geometry "$w")"
sleep 0.3
shot
[ "$(rgb $((564 + 700)) $((245 + 400)))" = "0 128 128" ] || fail "the small menu is not painted in front"
[ "$(rgb 100 540)" = "0 0 0" ] || fail "something covers the screen round the small menu: $(rgb 100 540)"
xdotool key --window "$w" F11
wait_for placed "$w" "0 0 1920 1080" || fail "a second F11 left the menu at $(geometry "$w")"

click 200 248 550                                   # OPERAZIONI VARIE ENTRO IL 9
w=$(window 'Menu operazioni entro 10') && [ -n "$w" ] || fail "no menu within 10"
click 100 312 573                                   # Dal numero in lettere e in cifre all'abaco
w=$(window "all'abaco") && [ -n "$w" ] || fail "no abacus screen"
wait_for placed "$w" "0 0 1920 1080" || fail "abacus screen at $(geometry "$w")"
click 64 540 559                                    # the chalk: a question, beads enabled
# Bead 1 from its home (board pixels 120,136, 32 square) onto the units spike.
xdotool mousemove $(scaled 136 152 559) mousedown 1
for y in 170 200 230; do xdotool mousemove $(scaled $((136 + (y - 152) * 6)) $y 559); sleep 0.05; done
xdotool mousemove $(scaled 664 240 559) mouseup 1
sleep 0.5
shot
set -- $(rgb $(scaled 664 376 559))
[ "$1" -gt 200 ] && [ "$2" -gt 200 ] && [ "$3" -gt 200 ] || fail "no white bead in slot 1 (found $*)"
[ "$(rgb $(scaled 136 152 559))" = "0 128 128" ] || fail "bead 1 is still at home"

# Out of the mode in the middle of the question: the bead is still on its spike.
xdotool key --window "$w" F11
wait_for placed "$w" "564 240 792 559" || fail "after F11 the abacus screen is at $(geometry "$w")"
sleep 0.3
shot
set -- $(rgb $((564 + 664)) $((240 + 376)))
[ "$1" -gt 200 ] && [ "$2" -gt 200 ] && [ "$3" -gt 200 ] || fail "the bead left slot 1 with F11 (found $*)"
xdotool key --window "$w" F11
wait_for placed "$w" "0 0 1920 1080" || fail "abacus screen not whole-screen again"

# F11 while the beads of "Completa la decina sull'abaco" move: answered at
# once, the exchange goes on in the designed window.
click 272 498 559                                   # VAI A MENU PRINCIPALE
w=$(window 'Menu principale') && [ -n "$w" ] || fail "no main menu again"
click 200 320 550                                   # OPERAZIONI VARIE ENTRO IL 20
w=$(window 'Menu operazioni entro 20') && [ -n "$w" ] || fail "no menu within 20"
click 150 148 551                                   # Sull'abaco (FORMA LA DECINA)
w=$(window "Completa la decina sull'abaco") && [ -n "$w" ] || fail "no screen of the ten"
click 68 540 570                                    # the chalk: the beads are laid
sleep 3
click 532 252 570                                   # into the answer box
# Every digit on the keypad; the right one starts the exchange, F11 comes
# while it runs, and the digits after the right one wait their turn.
xdotool key --window "$w" --delay 100 KP_1 KP_2 KP_3 KP_4 KP_5 KP_6 KP_7 KP_8 KP_9 F11
wait_for placed "$w" "564 235 792 570" || fail "F11 during the exchange left the screen at $(geometry "$w")"
i=0
while [ $i -lt 30 ]; do  # longer than the pause before the exchange
  import -window "$w" "$work/exchange-$i.png" 2>/dev/null
  i=$((i + 1))
  sleep 0.1
done
frames=$(for f in "$work"/exchange-*.png; do convert "$f" rgb:- | md5sum; done | sort -u | wc -l)
[ "$frames" -ge 2 ] || fail "the beads no longer moved once F11 was answered"

xdotool mousemove --window "$w" 140 535 click 1     # the sponge, in the designed window
ended() { ! kill -0 $pid; }
wait_for ended || fail "the program did not end at the sponge"
wait $pid || fail "the program exited with status $?: $(cat "$work/log")"
pid=
finish
echo "PASS"
