#!/usr/bin/env bash
# End to end: a screen reader follows a drill. Installs the build into a temporary prefix and
# starts the installed bin/quorvel under Xvfb with a fresh home, on a session bus of its own with
# the accessibility bus (at-spi2-core) and an AT-SPI listener (atspi_client.py) in place of a
# screen reader. The listener presses Start; xdotool types a right and a wrong answer into the
# answer field; the listener must hear the operation, then each verdict with the right answer,
# while the focus stays in the answer field; the counters must read out their values.
#   screen_reader.sh <build folder>
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# A session bus of our own: a machine without a desktop session has none, and a desktop's own
# screen reader must not hear the test.
if [ -z "${QUORVEL_E2E_OWN_BUS:-}" ]; then
    # The accessibility bus comes from our own session bus too, and its launcher must not mark a
    # desktop's display as served by it.
    unset AT_SPI_BUS_ADDRESS DISPLAY
    command -v dbus-run-session >/dev/null || { echo "missing tool: dbus-run-session (tools/setup test installs it)" >&2; exit 1; }
    QUORVEL_E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

build=$(cd "$1" && pwd)
python=/usr/bin/python3 # Debian's, which has the AT-SPI bindings
for tool in Xvfb xdotool cmake "$python"; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done
"$python" -c 'import gi; gi.require_version("Atspi", "2.0")' \
    || { echo "missing AT-SPI bindings: gir1.2-atspi-2.0, python3-gi (tools/setup test installs them)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
program_pid=
listener_pid=
cleanup() {
    for pid in "$program_pid" "$listener_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; fi
    done
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

# A fresh home: English, table 7 only and multiplier 12 only, so every operation is 12 x 7.
export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_DATA_HOME/quorvel/sys" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
sys=$XDG_DATA_HOME/quorvel/sys
# Sound off: this test listens to what a screen reader is told, and needs no audio output.
printf '[GLOBAL]\r\nLanguage=en\r\nRange=12\r\nOperation=0\r\n[SON]\r\nBouton=0\r\n' >"$sys/multable.ini"
printf '7\r\n' >"$sys/choices.txt"

source "$here/../../tools/xvfb.sh"
start_xvfb "$work"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb
# Qt serves AT-SPI only when asked to; a desktop asks through its settings, this test directly.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

heard=$work/heard.log
"$python" "$here/atspi_client.py" listen >"$heard" 2>"$work/listener.err" &
listener_pid=$!

fail() {
    echo "$1" >&2
    echo "--- the listener heard:" >&2; cat "$heard" "$work/listener.err" >&2
    echo "--- the program said:" >&2; cat "$work/program.log" >&2 2>/dev/null || true
    exit 1
}
# wait_for <what> <command...>: retries the command for up to 30 seconds.
wait_for() {
    local what=$1; shift
    for _ in $(seq 150); do "$@" && return 0; sleep 0.2; done
    fail "timed out waiting for $what"
}
heard_line() { grep -qxF "$1" "$heard"; }

wait_for "the listener" heard_line ready
"$work/prefix/bin/quorvel" >"$work/program.log" 2>&1 &
program_pid=$!

wait_for "the Start button over AT-SPI" "$python" "$here/atspi_client.py" press "Start calculating"
wait_for "the first operation to be said" heard_line "$(printf 'said\t12 x 7')"

# The drill window takes the start window's title; wait until it is the only one on screen.
only_drill_window() { window=$(xdotool search --onlyvisible --name '^Quorvel$') && [ "$(wc -l <<<"$window")" -eq 1 ]; }
wait_for "the start window to give way to the drill window" only_drill_window
# No window manager here: give the window the keyboard focus directly.
xdotool windowfocus --sync "$window"
sleep 0.5

xdotool type --delay 50 84
xdotool key Return
wait_for "the right verdict" heard_line "$(printf "said\tGreat, that's right! 12 x 7 = 84. 12 x 7")"
xdotool type --delay 50 5
xdotool key Return
wait_for "the wrong verdict" heard_line "$(printf "said\tOops, that's wrong! 12 x 7 = 84. 12 x 7")"

last_focus=$(grep "^focus" "$heard" | tail -n 1)
[ "$last_focus" = "$(printf 'focus\ttext\tAnswer')" ] || fail "the focus left the answer field: $last_focus"
for value in "Sums: 2" "Mistakes: 1" "Mark: 5 out of 10"; do
    "$python" "$here/atspi_client.py" has label "$value" || fail "no label reads \"$value\" over AT-SPI"
done
echo "the listener heard the operation and both verdicts; the counters read out their values"
