#!/bin/sh
# A wrong answer is heard: under a PulseAudio server of our own with a null
# sink, the chime's samples reach the sink.   chime_test.sh PATH/TO/aritmetica
program=$1
. "$(dirname "$0")/null_sink.sh"

window() {  # waits for the program's window whose title ends with $1
  timeout 20 xdotool search --all --onlyvisible --sync --pid $pid --name "$1\$" | head -1
}
"$program" >"$work/log" 2>&1 &
pid=$!
w=$(window '^vaxo - Aritmetica cl\. I') && [ -n "$w" ] || fail "no title window"
xdotool mousemove --window "$w" 396 236 click 1  # ARITMETICA
w=$(window 'Menu principale') && [ -n "$w" ] || fail "no main menu"
xdotool mousemove --window "$w" 200 248 click 1  # OPERAZIONI VARIE ENTRO IL 9
w=$(window 'Menu operazioni entro 10') && [ -n "$w" ] || fail "no menu within 10"
xdotool mousemove --window "$w" 450 160 click 1  # Trova il numero successivo
w=$(window 'Numero seguente entro 10') && [ -n "$w" ] || fail "no next-number screen"
xdotool mousemove --window "$w" 65 540 click 1   # the chalk: a question
xdotool mousemove --window "$w" 520 230 click 1  # the answer box
xdotool type 0                                   # never the number after another

# Waits up to about 10 s for the chime in the sink's monitor.
i=0
until [ "$(loud_seconds)" != 0.00 ]; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "no sound reached the sink: $(cat "$work/log")"
  sleep 0.1
done
xdotool mousemove --window "$w" 140 544 click 1  # ESCI: the sound's thread ends with the program
i=0
while kill -0 $pid 2>/dev/null; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "the program did not end at ESCI"
  sleep 0.1
done
wait $pid || fail "the program exited with status $?: $(cat "$work/log")"
pid=
finish
echo "PASS"
