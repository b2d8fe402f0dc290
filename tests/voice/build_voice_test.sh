#!/bin/sh
# tools/build-voice: a WAV named by a key becomes the clip make-voice ships; a
# file that cannot, or an unwritable output folder, is refused by name, unwritten.
set -u
tools=$(cd "$(dirname "$0")/../../tools" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# A stereo recording at 44.1 kHz with silence round a tone, and a mono one at 8 kHz.
mkdir "$tmp/ok"
sox -n -r 44100 -c 2 "$tmp/ok/segue.wav" synth 0.6 sine 300 pad 0.5 0.7
sox -n -r 8000 -c 1 "$tmp/ok/SEI.wav" synth 0.4 sine 500 gain -30 pad 0.2 0.2
if "$tools/build-voice" "$tmp/ok" --into "$tmp/rec" >"$tmp/out" 2>&1; then
  for key in segue sei; do
    clip="$tmp/rec/$key.mp3"
    [ -s "$clip" ] || { fail "no $clip"; continue; }
    lame --quiet --decode "$clip" "$tmp/$key.wav" || fail "$clip does not decode"
  done
  # The silence round the tone is trimmed: 1.8 s in, well under 1 s out.
  len=$(soxi -D "$tmp/segue.wav" 2>/dev/null || echo 9)
  awk "BEGIN { exit !($len < 1.0) }" || fail "segue.mp3 lasts $len s: silence not trimmed"
  # Both clips come out at about the same loudness, 30 dB apart going in.
  a=$(sox "$tmp/segue.wav" -n stats 2>&1 | awk '/RMS lev dB/ { print $4 }')
  b=$(sox "$tmp/sei.wav" -n stats 2>&1 | awk '/RMS lev dB/ { print $4 }')
  awk "BEGIN { d = $a - $b; exit !(d < 3 && d > -3) }" || fail "loudness $a dB and $b dB"
  # make-voice ships the recording byte for byte.
  if "$tools/make-voice" "$tmp/voice" --recorded "$tmp/rec" >/dev/null 2>"$tmp/err"; then
    cmp -s "$tmp/rec/segue.mp3" "$tmp/voice/segue.mp3" || fail "make-voice did not ship the recording"
    cmp -s "$tmp/rec/precede.mp3" "$tmp/voice/precede.mp3" 2>/dev/null && fail "precede was never recorded"
    [ -s "$tmp/voice/precede.mp3" ] || fail "make-voice made no synthetic precede.mp3"
  else
    fail "make-voice: $(cat "$tmp/err")"
  fi
else
  fail "build-voice refused good recordings: $(cat "$tmp/out")"
fi

# Refused with one line naming the file, and the output folder left as it
# was: no clip, no folder, no temporary file anywhere.
state() { ls -A "$1" 2>&1; cat "$1"/* 2>/dev/null | cksum; }
refused() {  # DIR NAME-IN-ERROR what [OUTPUT-FOLDER]
  into=${4:-$tmp/$1-rec}
  before=$(state "$into")
  if timeout 60 "$tools/build-voice" "$tmp/$1" --into "$into" >"$tmp/out" 2>&1 </dev/null; then
    fail "$3 accepted"
  else
    [ "$(wc -l <"$tmp/out")" -eq 1 ] && grep -qF "$2" "$tmp/out" ||
      fail "$3: not one line naming $2: $(cat "$tmp/out")"
    [ "$(state "$into")" = "$before" ] || fail "$3: something was written"
    [ -z "$(find "$tmp" -name '.build-voice-*' -o -name '*.tmp')" ] || fail "$3: a temporary file was left"
  fi
}
mkdir "$tmp/badkey" "$tmp/notwav" "$tmp/text"
cp "$tmp/ok/segue.wav" "$tmp/badkey/segue.wav"
cp "$tmp/ok/segue.wav" "$tmp/badkey/seguente.wav"
refused badkey seguente.wav "a file named by no key"
echo "not a recording" >"$tmp/notwav/sei.wav"
refused notwav sei.wav "a text file named .wav"
cp "$tmp/ok/segue.wav" "$tmp/text/segue.wav"
echo "notes" >"$tmp/text/appunti.txt"
refused text appunti.txt "a file that is no WAV"

# Bad recordings after a good segue.wav, which must not be written first.
for c in empty silent hz1 hzmax fifo latin; do mkdir "$tmp/$c"; cp "$tmp/ok/segue.wav" "$tmp/$c/"; done
sox -n -r 8000 -c 1 -b 16 "$tmp/empty/sei.wav" trim 0 0
sox -D -n -r 8000 -c 1 -b 16 "$tmp/silent/sei.wav" trim 0 0.5
cp "$tmp/ok/SEI.wav" "$tmp/hz1/sei.wav"
printf '\001\000\000\000' | dd of="$tmp/hz1/sei.wav" bs=1 seek=24 conv=notrunc 2>/dev/null
cp "$tmp/ok/SEI.wav" "$tmp/hzmax/sei.wav"
printf '\377\377\377\377' | dd of="$tmp/hzmax/sei.wav" bs=1 seek=24 conv=notrunc 2>/dev/null
rm "$tmp/fifo/segue.wav"; mkfifo "$tmp/fifo/segue.wav"; cp "$tmp/ok/SEI.wav" "$tmp/fifo/sei.wav"
cp "$tmp/ok/SEI.wav" "$tmp/latin/$(printf 'unit\340.wav')"
while read -r dir name what; do refused "$dir" "$name" "$what"; done <<EOF
empty sei.wav a WAV with no samples
silent sei.wav a silent WAV
hz1 sei.wav a header claiming 1 Hz
hzmax sei.wav a header claiming 4294967295 Hz
fifo segue.wav a named pipe
latin unit\xe0.wav a name in Latin-1
EOF

# Output folders that cannot be written, and an encoder failing on the
# second clip (SEI.wav is encoded before segue.wav).
touch "$tmp/plain"
refused ok "$tmp/plain/rec" "an output folder under a plain file" "$tmp/plain/rec"
mkdir "$tmp/ro"; chmod 555 "$tmp/ro"
if touch "$tmp/ro/probe" 2>/dev/null; then
  rm "$tmp/ro/probe"; echo "build-voice: root writes in read-only folders; not tried"
else
  refused ok "$tmp/ro:" "a read-only output folder" "$tmp/ro"
fi
mkdir "$tmp/bin" "$tmp/keep"; echo old >"$tmp/keep/segue.mp3"
printf '#!/bin/sh\n[ -e %s/once ] && exit 1\n: >%s/once\nexec %s "$@"\n' \
  "$tmp/bin" "$tmp/bin" "$(command -v lame)" >"$tmp/bin/lame"
chmod +x "$tmp/bin/lame"
PATH="$tmp/bin:$PATH" refused ok segue.wav "an encoder failing" "$tmp/keep"

if [ "$failures" -eq 0 ]; then echo "build-voice: 1 passed, 0 failed"; else exit 1; fi
