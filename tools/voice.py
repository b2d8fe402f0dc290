"""The spoken phrases: reading the catalogue and turning a recording into a
clip. Shared by tools/make-voice (the build's clips) and tools/build-voice
(a school's own recordings), so that both sound alike: the same trimming,
loudness and encoding.

A clip is an MP3 because it is the one format that every edition plays:
Qt Multimedia through GStreamer on the desktop, and Chromium, Firefox and
Safari in the browser. Mono, 11.025 kHz, 8 kbit/s constant, low-passed at
5 kHz: the 85 clips take about 210 kB, half of what 16 kHz at 16 kbit/s
took, and the site keeps within its size. Measured on "sei", "sette" and
"sedici" against espeak-ng's own sound, the energy between 3 and 6 kHz (the
hiss of "s" that tells them apart) is 3 to 5 dB lower, against 1.5 dB at
16 kbit/s; without the low-pass, lame cuts at 8 kbit/s everything above
about 2 kHz and that band loses 25 to 40 dB. Ogg Opus at 10 kbit/s keeps
the band better (under 1 dB) but its headers weigh half of a short clip:
it would take 86 % of the old size, not enough.
lame writes no ID3 tag and no date, so the same input gives the same bytes.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

CATALOGUE_KEY = re.compile(r"[a-z0-9_]{1,32}")

SAMPLE_RATE = 11025
BITRATE = 8  # kbit/s; an MPEG-2.5 rate (8, 16, 24, 32, ...)
LOWPASS_KHZ = 5  # lame's own choice at 8 kbit/s would be about 2 kHz
LOUDNESS_DB = -18.0  # RMS of every clip, in dB of full scale
PEAK_DB = -1.0  # no clip peaks higher
TRIM_DB = -40  # below the clip's peak: silence, trimmed at both ends
PAD_START, PAD_END = 0.03, 0.08  # seconds of silence kept round the words

# Everything that changes the bytes of a clip made from the same sound.
FINISH_OPTIONS = (f"rate={SAMPLE_RATE} bitrate={BITRATE} lowpass={LOWPASS_KHZ} loudness={LOUDNESS_DB} peak={PEAK_DB} "
                  f"trim={TRIM_DB} pad={PAD_START},{PAD_END} highpass=90")


class VoiceError(Exception):
    """A problem with an input file, already worded for the user."""


def fold(caption):
    """A caption as it is looked up: runs of blanks and line breaks become one
    blank, none at either end."""
    return " ".join(caption.split())


def read_catalogue(path):
    """The phrases as (key, text) pairs in file order; VoiceError names the
    file and line of anything malformed."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except (OSError, UnicodeDecodeError) as e:
        raise VoiceError(f"{path}: cannot read the catalogue: {e}")
    phrases, keys, texts = [], {}, {}
    for number, line in enumerate(lines, 1):
        where = f"{path}:{number}"
        if not line.strip() or line.startswith("#"):
            continue
        if "\t" not in line:
            raise VoiceError(f"{where}: expected KEY<TAB>TEXT")
        key, text = line.split("\t", 1)
        if not CATALOGUE_KEY.fullmatch(key):
            raise VoiceError(f"{where}: key '{key}' must be 1 to 32 of a-z, 0-9 and _")
        if not text or text != fold(text):
            raise VoiceError(f"{where}: text of '{key}' must be non-empty, with single blanks "
                             "and none at either end")
        if key in keys:
            raise VoiceError(f"{where}: key '{key}' already on line {keys[key]}")
        if text in texts:
            raise VoiceError(f"{where}: text of '{key}' already on line {texts[text]}")
        keys[key], texts[text] = number, number
        phrases.append((key, text))
    if not phrases:
        raise VoiceError(f"{path}: no phrase")
    return phrases


def run(args, what, **kw):
    """Runs a tool; VoiceError with its message if it fails."""
    try:
        return subprocess.run(args, check=True, capture_output=True, **kw)
    except FileNotFoundError:
        raise VoiceError(f"{args[0]} is not installed (tools/install-deps installs it)")
    except subprocess.CalledProcessError as e:
        message = e.stderr.decode("utf-8", "replace").strip().splitlines()
        raise VoiceError(f"{what}: {message[-1] if message else f'{args[0]} failed'}")


def require_tools(*tools):
    for t in tools:
        if shutil.which(t) is None:
            raise VoiceError(f"{t} is not installed (tools/install-deps installs it)")


def sox_stats(path, what=None):
    """sox's figures for the whole sound: the first column, before the one
    it adds for each channel of a file with more than one. `what` names the
    input in errors."""
    out = run(["sox", path, "-n", "stats"], what or path).stderr.decode()
    stats = {}
    for line in out.splitlines():
        words = line.split()
        # The name is the words before the first figure ("Pk lev dB").
        i = next((i for i, w in enumerate(words) if w[0] in "0123456789+-."), len(words))
        try:
            stats[" ".join(words[:i])] = float(words[i])
        except (IndexError, ValueError):
            pass
    return stats


def finish(wav, mp3, what):
    """Turns a recording (any WAV sox reads) into a clip: mono, a gentle
    high-pass against rumble, silence trimmed at both ends, the same RMS
    loudness for every clip with a limiter on the peaks, resampled, then
    encoded. `what` names the input in errors."""
    with tempfile.TemporaryDirectory() as tmp:
        trimmed = os.path.join(tmp, "trimmed.wav")
        # Peak to 0 dB first, so that the trimming threshold is relative to
        # the words, whatever level the recording was made at.
        run(["sox", "-V1", wav, "-c", "1", "-b", "32", "-e", "floating-point", trimmed,
             "remix", "-", "highpass", "90", "norm", "0",
             "silence", "1", "0.01", f"{TRIM_DB}d", "reverse",
             "silence", "1", "0.01", f"{TRIM_DB}d", "reverse"], what)
        stats = sox_stats(trimmed)
        if stats.get("Length s", 0) < 0.05:
            raise VoiceError(f"{what}: nothing but silence")
        gain = LOUDNESS_DB - stats["RMS lev dB"]
        pcm = os.path.join(tmp, "pcm.raw")
        # sox holds its samples as integers: the gain goes through its
        # limiter, which bends the peaks down to full scale, then the whole
        # clip is lowered to PEAK_DB.
        run(["sox", "-V1", trimmed, "-t", "raw", "-b", "16", "-e", "signed", "-c", "1", "-D", pcm,
             "rate", "-v", str(SAMPLE_RATE), "gain", "-l", f"{gain - PEAK_DB:.2f}", "gain", str(PEAK_DB),
             "pad", str(PAD_START), str(PAD_END)], what)
        encoded = os.path.join(tmp, "clip.mp3")
        run(["lame", "--quiet", "-r", "-s", str(SAMPLE_RATE / 1000), "--bitwidth", "16", "--signed",
             "--little-endian", "-m", "m", "-b", str(BITRATE), "--cbr", "--lowpass", str(LOWPASS_KHZ), "-q", "2",
             "--noreplaygain", pcm, encoded], what)
        shutil.move(encoded, mp3)


def fail(message):
    print(f"{os.path.basename(sys.argv[0])}: {message}", file=sys.stderr)
    sys.exit(1)
