#!/usr/bin/env bash
# Sound benchmark (not a test): starts a private PulseAudio null sink and plays the installed
# sounds through the program's player, paplay and QMediaPlayer, then times the file checks.
# Target: each blocking play within paplay's time + 60 ms (median of the runs); opening a file
# under 5 ms; the file check and the selection check of 8 entries under 50 ms.
#   benchmarks/sound.sh [runs (default 10)] [build folder (default build-bench)] [sound files...]
# Without sound files: every installed sound and default.wav.
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-10}
build=${2:-build-bench}
shift $(( $# < 2 ? $# : 2 ))
for tool in pulseaudio pactl paplay cmake ninja; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (see tools/setup)" >&2; exit 1; }
done

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target sound_benchmark quorvel_data --parallel 2

work=$(mktemp -d)
cleanup() {
    stop_null_sink
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work
source tools/pulse.sh
start_null_sink "$work"

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    files=("$build"/share/quorvel/sound/* "$build"/lib/quorvel/default.wav)
fi
QT_QPA_PLATFORM=offscreen "$build/benchmarks/sound_benchmark" "$runs" "$build/share/quorvel/sys/Sound4.txt" "${files[@]}"
