#!/usr/bin/env bash
# Start-up benchmark (not a test): builds the release configuration, installs it into a temporary
# prefix and starts the installed program several times under Xvfb, each time with a fresh home,
# in turns with a bare Qt window of the same size built beside it (benchmarks/bare_window.cpp).
# Reports for both, per run and as medians, the time from launch to the window mapped and to it
# fully painted, and the resident memory two seconds later; then the program's times as multiples
# of the bare window's and its memory as the difference. Targets: mapped within 1.5x, painted
# within 1.3x, memory within the bare window's + 4 MB and at most 33 MB.
#   benchmarks/startup.sh [runs (default 9)] [build folder (default build-release)]
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-9}
build=${2:-build-release}
for tool in Xvfb python3 cmake ninja; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (see tools/setup)" >&2; exit 1; }
done

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BUILD_TESTS=OFF \
    -DQUORVEL_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --target quorvel bare_window --parallel 2

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
python3 benchmarks/startup_probe.py "$work/prefix/bin/quorvel" "$build/benchmarks/bare_window" "$runs" "$work"
