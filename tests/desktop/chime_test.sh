#!/bin/sh
# A wrong answer is heard: under a PulseAudio server of our own with a null
# sink, the chime's samples reach the sink.   chime_test.sh PATH/TO/aritmetica
program=$1
if [ -z "$DISPLAY" ]; then
  echo "SKIP: no DISPLAY (tools/test-all starts Xvfb for this test)"
  exit 77
fi
command -v pulseaudio >/dev/null && command -v parec >/dev/null || { echo "SKIP: no PulseAudio"; exit 77; }
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work HOME=$work PULSE_SERVER=unix:$work/pulse.sock
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --load="module-null-sink sink_name=chime" \
  --load="module-native-protocol-unix socket=$work/pulse.sock auth-anonymous=1" >"$work/pa.log" 2>&1 &
pa=$!
pid=
rec=
finish() {
  kill $pid $rec $pa 2>/dev/null
  wait $pa 2>/dev/null
  rm -rf "$work"
}
fail() {
  echo "FAIL: $*"
  finish
  exit 1
}
i=0
until pactl list short sinks 2>/dev/null | grep -q chime; do
  i=$((i + 1))
  [ $i -gt 100 ] && { echo "SKIP: PulseAudio did not start: $(tail -3 "$work/pa.log")"; finish; exit 77; }
  sleep 0.1
done
parec -d chime.monitor --raw --format=s16le --rate=44100 --channels=1 >"$work/rec.raw" 2>/dev/null &
rec=$!
# The recorder has connected once the sink's silence starts to arrive.
i=0
until [ -s "$work/rec.raw" ]; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "the recorder did not start"
  sleep 0.1
done

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

# Waits up to about 10 s for loud enough samples in the sink's monitor.
heard() {
  od -An -v -td2 -w2 "$work/rec.raw" | awk '$1 > 1000 || $1 < -1000 { loud = 1; exit } END { exit !loud }'
}
i=0
until heard; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "no sound reached the sink: $(cat "$work/log")"
  sleep 0.1
done
finish
echo "PASS"
