#!/bin/sh
# tools/build-voice: a WAV named by a key becomes a recorded clip, which
# make-voice then ships instead of the synthetic voice; a file that is no
# key, or no WAV, is refused with its name and nothing is written.
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
    [ "$(soxi -r "$tmp/$key.wav")" = 16000 ] || fail "$clip is not at 16 kHz"
    [ "$(soxi -c "$tmp/$key.wav")" = 1 ] || fail "$clip is not mono"
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

# Refused with the file's name, nothing written.
refused() {  # DIR FILE-NAME what
  if "$tools/build-voice" "$tmp/$1" --into "$tmp/$1-rec" >"$tmp/out" 2>&1; then
    fail "$3 accepted"
  else
    grep -q "$2" "$tmp/out" || fail "$3: the error does not name $2: $(cat "$tmp/out")"
    [ -e "$tmp/$1-rec" ] && fail "$3: something was written"
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

if [ "$failures" -eq 0 ]; then echo "build-voice: 1 passed, 0 failed"; else exit 1; fi
