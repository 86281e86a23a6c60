#!/usr/bin/env bash
# Start-up benchmark (not a test): builds the release configuration, installs it into a temporary
# prefix and starts the installed program several times under Xvfb, each time with a fresh home,
# in turns with a bare Qt window of the same size built beside it (benchmarks/bare_window.cpp) and
# that window again below a menu bar. Reports for each, per run and as medians, the time from
# launch to the window mapped and to it fully painted, and the resident memory two seconds later;
# then the program's and the menu-bar window's times as multiples of the bare window's and their
# memory as the difference. Targets: mapped within 1.5x, painted within 1.3x, memory within the
# bare window's + 4 MB and at most 33 MB. The menu-bar window shows how much of that a menu bar
# alone takes: its height needs the font database before the window maps.
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
    status=$?
    if [ "$status" -ne 0 ] && [ -s "$work/xvfb.log" ]; then echo "Xvfb's log:" >&2; cat "$work/xvfb.log" >&2; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null

# A display number far from the low ones that test runs take side by side, so no other run's
# clean-up can take this display's socket away in the middle of the measurement.
for _ in $(seq 20); do
    number=$((500 + RANDOM % 400))
    [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$number" ] && break
        sleep 0.1
    done
    if [ -e "/tmp/.X11-unix/X$number" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        export DISPLAY=":$number"
        break
    fi
    xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
python3 benchmarks/startup_probe.py "$work/prefix/bin/quorvel" "$build/benchmarks/bare_window" "$runs" "$work"
