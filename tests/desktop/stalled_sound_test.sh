#!/bin/sh
# Catches a sound server that accepts and never answers freezing the program:
# a question, wrong answers (each chimes) and ESCI are all answered, and the
# program ends cleanly well before the sound library's 30 s time-out.
#   stalled_sound_test.sh PATH/TO/aritmetica
program=$1
here=$(dirname "$0")
command -v python3 >/dev/null || { echo "SKIP: no python3"; exit 77; }
. "$here/walk.sh"
export XDG_RUNTIME_DIR=$work HOME=$work PULSE_SERVER=unix:$work/stalled.sock
python3 "$here/stalled_sound_server.py" "$work/stalled.sock" &
helpers=$!
i=0
until [ -S "$work/stalled.sock" ]; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "the stalled server did not start"
  sleep 0.1
done

# The whole run, from start to the program's end, within 20 s; the first
# input opens the sound.
deadline=$(($(date +%s) + 20))
walk
for question in 1 2 3; do
  xdotool mousemove --window "$w" 65 540 click 1   # the chalk: a question
  xdotool mousemove --window "$w" 520 230 click 1  # the answer box
  # 0 never follows a number: each is wrong and chimes, the next replaces it.
  xdotool type --delay 200 000
done
# Input is handled in order: the program ends only after every input above.
esci
[ "$(date +%s)" -le $deadline ] || fail "the program ran more than 20 s after its start (frozen by the sound?)"
finish
echo "PASS"
