#!/usr/bin/env bash
# Start-up benchmark (not a test): builds the release configuration, installs it into a temporary
# prefix and starts the installed program several times under Xvfb, each time with a fresh home.
# Reports, per run and on average, the time from launch to the start window mapped and to it
# fully painted, and the resident memory two seconds later. Targets: painted within 80 ms, < 45 MB.
#   benchmarks/startup.sh [runs (default 10)] [build folder (default build-release)]
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-10}
build=${2:-build-release}
for tool in Xvfb python3 cmake ninja; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (see tools/setup)" >&2; exit 1; }
done

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target quorvel --parallel 2

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null

source tools/xvfb.sh
start_xvfb "$work"
python3 benchmarks/startup_probe.py "$work/prefix/bin/quorvel" "$runs" "$work"
