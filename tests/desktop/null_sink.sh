# Sourced by the sound tests, with walk.sh: a PulseAudio server of our own
# with a null sink "test" whose monitor is recorded into $work/rec.raw (44100
# Hz, mono, 16 bits), and loud_seconds.
command -v pulseaudio >/dev/null && command -v parec >/dev/null || { echo "SKIP: no PulseAudio"; exit 77; }
. "$(dirname "$0")/walk.sh"
export XDG_RUNTIME_DIR=$work HOME=$work PULSE_SERVER=unix:$work/pulse.sock
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  --load="module-null-sink sink_name=test" \
  --load="module-native-protocol-unix socket=$work/pulse.sock auth-anonymous=1" >"$work/pa.log" 2>&1 &
helpers=$!
i=0
until pactl list short sinks 2>/dev/null | grep -q test; do
  i=$((i + 1))
  [ $i -gt 100 ] && { echo "SKIP: PulseAudio did not start: $(tail -3 "$work/pa.log")"; finish; exit 77; }
  sleep 0.1
done
parec --latency-msec=50 -d test.monitor --raw --format=s16le --rate=44100 --channels=1 >"$work/rec.raw" 2>/dev/null &
helpers="$helpers $!"
# The recorder has connected once the sink's silence starts to arrive.
i=0
until [ -s "$work/rec.raw" ]; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "the recorder did not start"
  sleep 0.1
done

# How many seconds of loud samples the sink has received so far.
loud_seconds() {
  od -An -v -td2 -w2 "$work/rec.raw" | awk '$1 > 1000 || $1 < -1000 { n++ } END { printf "%.2f\n", n / 44100 }'
}
