#!/bin/sh
# A sound server that accepts the connection and never answers must not
# freeze the program: on "Numero seguente entro 10" a question and several
# wrong answers (each chimes), then ESCI, and the program has answered every
# input and ended cleanly well before the sound library's 30 s time-out.
#   stalled_sound_test.sh PATH/TO/aritmetica
program=$1
here=$(dirname "$0")
if [ -z "$DISPLAY" ]; then
  echo "SKIP: no DISPLAY (tools/test-all starts Xvfb for this test)"
  exit 77
fi
command -v python3 >/dev/null || { echo "SKIP: no python3"; exit 77; }
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work HOME=$work PULSE_SERVER=unix:$work/stalled.sock
python3 "$here/stalled_sound_server.py" "$work/stalled.sock" &
server=$!
pid=
finish() {
  kill $pid $server 2>/dev/null
  wait $server 2>/dev/null
  rm -rf "$work"
}
fail() {
  echo "FAIL: $*"
  [ -f "$work/log" ] && cat "$work/log"
  finish
  exit 1
}
i=0
until [ -S "$work/stalled.sock" ]; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "the stalled server did not start"
  sleep 0.1
done

# The whole run, from start to the program's end, within 20 s.
deadline=$(($(date +%s) + 20))
window() {  # the program's window whose title ends with $1
  timeout 10 xdotool search --all --onlyvisible --sync --pid $pid --name "$1\$" | head -1
}
"$program" >"$work/log" 2>&1 &
pid=$!
w=$(window '^vaxo - Aritmetica cl\. I') && [ -n "$w" ] || fail "no title window"
xdotool mousemove --window "$w" 396 236 click 1  # ARITMETICA: the first input opens the sound
w=$(window 'Menu principale') && [ -n "$w" ] || fail "no main menu"
xdotool mousemove --window "$w" 200 248 click 1  # OPERAZIONI VARIE ENTRO IL 9
w=$(window 'Menu operazioni entro 10') && [ -n "$w" ] || fail "no menu within 10"
xdotool mousemove --window "$w" 450 160 click 1  # Trova il numero successivo
w=$(window 'Numero seguente entro 10') && [ -n "$w" ] || fail "no next-number screen"
for question in 1 2 3; do
  xdotool mousemove --window "$w" 65 540 click 1   # the chalk: a question
  xdotool mousemove --window "$w" 520 230 click 1  # the answer box
  # 0 never follows a number: each is wrong and chimes, the next replaces it.
  xdotool type --delay 200 000
done
xdotool mousemove --window "$w" 140 544 click 1    # ESCI

# Input is handled in order: the program ends only after every input above.
until ! kill -0 $pid 2>/dev/null; do
  [ "$(date +%s)" -gt $deadline ] && fail "the program still runs 20 s after its start (frozen by the sound?)"
  sleep 0.1
done
wait $pid
status=$?
[ $status = 0 ] || fail "the program exited with status $status"
pid=
finish
echo "PASS"
