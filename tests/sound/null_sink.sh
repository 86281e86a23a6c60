#!/usr/bin/env bash
# Runs the player tests that need a PulseAudio server against a private null sink.
#   null_sink.sh <test program>
set -euo pipefail

program=$1
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done
source "$(dirname "$0")/../../tools/pulse.sh"
work=$(mktemp -d)
trap 'stop_null_sink; rm -rf "$work"' EXIT
export HOME=$work
start_null_sink "$work"
QUORVEL_NULL_SINK=1 "$program" --gtest_filter='NullSink.*'
