#!/usr/bin/env bash
# End to end with real sound: installs the build into a temporary prefix, starts a private
# PulseAudio null sink and records its monitor, starts the installed bin/quorvel under Xvfb with a
# fresh home (sound on, sequence 1), quits it with Return on the focused Quit button, and checks
# that the sink received the welcome and quit sounds: audible samples, at least as many as the
# two files hold.
#   sound_plays.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
for tool in Xvfb xdotool cmake pulseaudio pactl parec python3; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

source "$(dirname "$0")/../../tools/xvfb.sh"
source "$(dirname "$0")/../../tools/pulse.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
record_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null || true; fi
    if [ -n "$record_pid" ]; then kill "$record_pid" 2>/dev/null; wait "$record_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
    stop_null_sink
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
sys=$XDG_DATA_HOME/quorvel/sys
mkdir -p "$sys"
printf '[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=1\r\n' >"$sys/multable.ini"

start_null_sink "$work"
# A short recording latency: with the monitor's default 2 s fragments, a sound that starts on the
# idle sink is mixed in by a rewind that the recording never sees, and a sound that ends just
# before the program exits is still in the fragment when the recorder is stopped.
parec -d null.monitor --format=s16le --channels=1 --rate=22050 --raw --latency-msec=20 >"$work/recorded.raw" &
record_pid=$!

start_xvfb "$work"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
"$work/prefix/bin/quorvel" >"$work/program.log" 2>&1 &
program_pid=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Quorvel$' | head -n 1) || true
if [ -z "$window" ]; then
    echo "the start window did not appear; the program said:" >&2
    cat "$work/program.log" >&2
    exit 1
fi
# The welcome sound plays during the show step; the activate step follows it.
sleep 1
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key Return

for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "the program did not end after Return on Quit (a message box may be open)" >&2
    cat "$work/program.log" >&2
    exit 1
fi
wait "$program_pid" || { echo "the program ended with status $?" >&2; cat "$work/program.log" >&2; exit 1; }
program_pid=
sleep 0.5
kill "$record_pid"; wait "$record_pid" 2>/dev/null || true
record_pid=

grep -q '^Bouton=1' <(tr -d '\r' <"$sys/multable.ini") || { echo "sound was switched off:" >&2; cat "$sys/multable.ini" >&2; exit 1; }

# The sequence's welcome and quit files, as the program names them.
share=$work/prefix/share/quorvel
welcome=$share/$(sed -n '1p' "$share/sys/Sound1.txt" | tr -d '\r' | cut -c8- | tr '\\' '/')
quit=$share/$(sed -n '8p' "$share/sys/Sound1.txt" | tr -d '\r' | cut -c8- | tr '\\' '/')
python3 - "$work/recorded.raw" "$welcome" "$quit" <<'PY'
import struct, sys, wave
recorded = open(sys.argv[1], 'rb').read()
samples = struct.unpack('<%dh' % (len(recorded) // 2), recorded[: len(recorded) // 2 * 2])
audible = sum(1 for s in samples if abs(s) > 300)
expected = 0
for name in sys.argv[2:]:
    with wave.open(name) as w:
        frames = w.getnframes() * 22050 // w.getframerate()
        data = w.readframes(w.getnframes())
        width = w.getsampwidth()
        values = struct.unpack('<%dh' % (len(data) // 2), data) if width == 2 else []
        expected += sum(1 for v in values if abs(v) > 300) * 22050 // w.getframerate() // max(1, w.getnchannels())
print('recorded %d samples, %d audible; the two sounds hold about %d audible samples' % (len(samples), audible, expected))
if audible < expected * 0.96:
    sys.exit('the sink did not receive the welcome and quit sounds whole')
PY
echo "the welcome and quit sounds reached the sink"
