#!/bin/sh
# The instruction is heard: opening "Numero seguente entro 10" says "TROVA IL
# NUMERO CHE SEGUE" into a null sink of our own; with --no-voice the sink
# stays silent through the same walk.   voice_test.sh PATH/TO/aritmetica
program=$1
. "$(dirname "$0")/null_sink.sh"

window() {  # waits for the program's window whose title ends with $1
  timeout 20 xdotool search --all --onlyvisible --sync --pid $pid --name "$1\$" | head -1
}
# walk [OPTION]: from the title to the next-number screen; leaves w set.
walk() {
  "$program" "$@" >"$work/log" 2>&1 &
  pid=$!
  w=$(window '^vaxo - Aritmetica cl\. I') && [ -n "$w" ] || fail "no title window"
  xdotool mousemove --window "$w" 396 236 click 1  # ARITMETICA
  w=$(window 'Menu principale') && [ -n "$w" ] || fail "no main menu"
  xdotool mousemove --window "$w" 200 248 click 1  # OPERAZIONI VARIE ENTRO IL 9
  w=$(window 'Menu operazioni entro 10') && [ -n "$w" ] || fail "no menu within 10"
  xdotool mousemove --window "$w" 450 160 click 1  # Trova il numero successivo
  w=$(window 'Numero seguente entro 10') && [ -n "$w" ] || fail "no next-number screen"
}
esci() {
  xdotool mousemove --window "$w" 140 544 click 1
  i=0
  while kill -0 $pid 2>/dev/null; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "the program did not end at ESCI"
    sleep 0.1
  done
  wait $pid || fail "the program exited with status $?: $(cat "$work/log")"
  pid=
}

# Silent first: the walk with the voice off, and three seconds to be sure.
walk --no-voice
sleep 3
[ "$(loud_seconds)" = 0.00 ] || fail "--no-voice, yet $(loud_seconds) s of sound reached the sink"
esci

walk
i=0
until [ "$(loud_seconds)" != 0.00 ]; do  # up to about 10 s for the phrase
  i=$((i + 1))
  [ $i -gt 100 ] && fail "the instruction never reached the sink: $(cat "$work/log")"
  sleep 0.1
done
sleep 2
said=$(loud_seconds)
awk -v s="$said" 'BEGIN { exit !(s > 0.5) }' || fail "only $said s of the instruction were heard"
esci
finish
echo "PASS: $said s of the instruction heard, none with --no-voice"
