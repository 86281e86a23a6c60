#!/usr/bin/env bash
# End to end: installs the build into a temporary prefix, starts the installed bin/quorvel under
# Xvfb with a fresh home holding a prepared settings file and choice file, quits it with the
# keyboard (Return on the focused Quit button) and compares the files it wrote byte for byte. The
# start window must have the program's icon by then.
#   quit_saves.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
for tool in Xvfb xdotool xprop cmake pulseaudio pactl; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

source "$(dirname "$0")/../../tools/pulse.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
    stop_null_sink
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

# A fresh home: nothing of the real user's is read or written.
export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_DATA_HOME/quorvel/sys" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
sys=$XDG_DATA_HOME/quorvel/sys
printf '[GLOBAL]\r\nLanguage=en\r\nRange=4\r\n[CHRONO]\r\nTimer1=5\r\n' >"$sys/multable.ini"
printf '10\r\n3\r\n' >"$sys/choices.txt"

source "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb "$work"
# Sound is on: without an audio output the program would first say there is none.
start_null_sink "$work"
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
# The icon is given once the window is on screen. (Read whole: with pipefail, a grep -q that stops
# reading early could fail the pipe.)
has_icon() { [[ $(xprop -id "$window" _NET_WM_ICON 2>/dev/null || true) == *"Icon ("* ]]; }
for _ in $(seq 200); do
    has_icon && break
    sleep 0.1
done
if ! has_icon; then
    echo "the start window has no icon" >&2
    exit 1
fi
# No window manager here: give the window the keyboard focus directly.
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key Return

for _ in $(seq 300); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "the program did not end after Return on Quit" >&2
    exit 1
fi
wait "$program_pid" || { echo "the program ended with status $?" >&2; cat "$work/program.log" >&2; exit 1; }
program_pid=

status=0
check() { # check <file> <expected bytes as printf format>
    printf "$2" >"$work/expected"
    if ! cmp -s "$work/expected" "$1"; then
        echo "unexpected content of $(basename "$1"):" >&2
        diff <(od -c "$work/expected") <(od -c "$1") >&2 || true
        status=1
    fi
}
check "$sys/choices.txt" '3\r\n10\r\n'
check "$sys/multable.ini" '[GLOBAL]\r\nLanguage=en\r\nRange=4\r\nHideTextLeft=0\r\nHideTextRight=0\r\nCalcColor=32647\r\nOperation=-1\r\n[CHRONO]\r\nTimer1=5\r\nTimer2=1\r\nJauge=1\r\nCouleur=32647\r\n[SON]\r\nBouton=1\r\n[BACKGRD]\r\nStart=0\r\nMiddle=0\r\nEnd=0\r\nDblGr=0\r\nFlipped=0\r\nOrientation=0\r\n[CALCULS]\r\nInversion=0\r\n'
[ "$status" -eq 0 ] && echo "quit saved the settings and the choice file as expected"
exit "$status"
