#!/bin/sh
# Catches sound not heard or not stopped on a null sink of our own: the module
# saying, hushing and cutting short clips; the program saying a menu entry rested
# on (a click still opening it) and the instruction; --no-voice only chiming.
#   sound_test.sh PATH/TO/aritmetica PATH/TO/say-check PATH/TO/aritmetica-sound.so
program=$1
check=$2
module=$3
command -v sox >/dev/null && command -v lame >/dev/null || { echo "SKIP: no sox or lame"; exit 77; }
. "$(dirname "$0")/null_sink.sh"

# Waits, for as long as a loaded machine takes, for the sink to have
# received more than $1 seconds of sound.
wait_loud() {
  i=0
  until awk "BEGIN { exit !($(loud_seconds) > $1) }"; do
    i=$((i + 1))
    [ $i -gt 1200 ] && fail "$2 (loud for $(loud_seconds) s)"
    sleep 0.1
  done
}

voice=$work/voice
mkdir -p "$voice"
clip() {  # clip NAME SECONDS HERTZ: a tone as voice/NAME.mp3
  sox -n -r 16000 -c 1 "$work/$1.wav" synth "$2" sine "$3" && lame --quiet "$work/$1.wav" "$voice/$1.mp3" ||
    fail "could not make the clip $1"
}
clip short 0.5 440
clip long 6 440
# A short clip, said: heard (the first run also builds GStreamer's registry
# in the new HOME), and the module's thread ends when closed.
"$check" "$module" "$voice" say:short.mp3 wait:5000 >"$work/log" 2>&1 || fail "say-check: $(cat "$work/log")"
wait_loud 0.2 "the clip did not reach the sink"
# A long clip hushed soon after it starts, then a long clip cut short by a
# new phrase: far less than their twelve seconds reach the sink.
"$check" "$module" "$voice" say:long.mp3 wait:1000 hush wait:2000 \
  say:long.mp3 wait:1000 say:short.mp3 wait:2000 >"$work/log" 2>&1 || fail "say-check: $(cat "$work/log")"
heard=$(loud_seconds)
awk "BEGIN { exit !($heard < 6) }" || fail "the phrases were not stopped: $heard s heard"
awk "BEGIN { exit !($heard > 1) }" || fail "the phrases were not heard: $heard s heard"

# The mouse at rest on a menu entry: its name is heard, and a click still
# opens it.
start
main_menu
xdotool mousemove --sync --window "$w" 396 360          # nothing there
before=$(loud_seconds)
xdotool mousemove --sync --window "$w" 200 248          # OPERAZIONI VARIE ENTRO IL 9, and still
wait_loud "$before + 0.3" "the name of the entry rested on was not heard: $(cat "$work/log")"
xdotool click 1
w=$(window 'Menu operazioni entro 10') && [ -n "$w" ] || fail "a click after the rest did not open the menu"
esci

# The instruction, said as the screen opens.
before=$(loud_seconds)
walk
wait_loud "$before + 0.5" "the instruction never reached the sink: $(cat "$work/log")"
esci
# With --no-voice: three seconds in which the instruction would be heard
# stay silent, then a wrong answer chimes.
before=$(loud_seconds)
walk --no-voice
sleep 3
[ "$(loud_seconds)" = "$before" ] || fail "--no-voice, yet the sink received sound on the screen's opening"
xdotool mousemove --sync --window "$w" 65 540 click 1   # the chalk: a question
xdotool mousemove --sync --window "$w" 520 230 click 1  # the answer box
xdotool type 0                                          # never the number after another
wait_loud "$before" "the chime of a wrong answer never reached the sink: $(cat "$work/log")"
esci
finish
echo "PASS"
