#!/bin/sh
# A phrase is heard, and stops when asked: under a PulseAudio server of our
# own with a null sink, the sound module says MP3 clips made here with sox
# and lame.   say_test.sh PATH/TO/say-check PATH/TO/aritmetica-sound.so
check=$1
module=$2
command -v sox >/dev/null && command -v lame >/dev/null || { echo "SKIP: no sox or lame"; exit 77; }
. "$(dirname "$0")/null_sink.sh"
voice=$work/voice
mkdir -p "$voice"
clip() {  # clip NAME SECONDS HERTZ: a tone as voice/NAME.mp3
  sox -n -r 16000 -c 1 "$work/$1.wav" synth "$2" sine "$3" && lame --quiet "$work/$1.wav" "$voice/$1.mp3" ||
    fail "could not make the clip $1"
}
clip short 0.5 440
clip long 6 440

# Waits up to about 10 s for the sink to have received more than $1 seconds.
wait_loud() {
  i=0
  until awk "BEGIN { exit !($(loud_seconds) > $1) }"; do
    i=$((i + 1))
    [ $i -gt 100 ] && fail "$2 (loud for $(loud_seconds) s)"
    sleep 0.1
  done
}

# A short clip, said: heard (the first run also builds GStreamer's registry
# in the new HOME), and the module's thread ends when closed.
"$check" "$module" "$voice" say:short.mp3 wait:5000 >"$work/log" 2>&1 || fail "say-check: $(cat "$work/log")"
wait_loud 0.2 "the clip did not reach the sink"

# A long clip hushed soon after it starts, then a long clip cut short by a
# new phrase: far less than their twelve seconds reach the sink.
"$check" "$module" "$voice" say:long.mp3 wait:1000 hush wait:2000 \
  say:long.mp3 wait:1000 say:short.mp3 wait:2000 >"$work/log" 2>&1 || fail "say-check: $(cat "$work/log")"
sleep 1
heard=$(loud_seconds)
awk "BEGIN { exit !($heard < 6) }" || fail "the phrases were not stopped: $heard s heard"
awk "BEGIN { exit !($heard > 1) }" || fail "the phrases were not heard: $heard s heard"
finish
echo "PASS: $heard s of phrases heard"
