#!/usr/bin/env bash
# End to end: the installed program under Xvfb with table 3 ticked; the keyboard presses Print,
# then Enter in the print dialog, and the random sheet's preview window appears over the dialog;
# Escape closes it and the dialog closes with it.
#   print_preview.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
for tool in Xvfb xdotool cmake; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    local status=$?
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_DATA_HOME/quorvel/sys" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=0\r\n' >"$XDG_DATA_HOME/quorvel/sys/multable.ini"
printf '3\r\n' >"$XDG_DATA_HOME/quorvel/sys/choices.txt"

source "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb "$work"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

"$work/prefix/bin/quorvel" >"$work/program.log" 2>&1 &
program_pid=$!

wait_for() { # wait_for <window name pattern>: prints the window's id
    timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}
window=$(wait_for '^Quorvel$') || true
[ -n "$window" ] || { echo "the start window did not appear" >&2; cat "$work/program.log" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5
# The focus is on Quit; Print comes just before it in the tab order.
xdotool key shift+Tab space

dialog=$(wait_for '^What should be printed\?$') || true
[ -n "$dialog" ] || { echo "the print dialog did not appear" >&2; cat "$work/program.log" >&2; exit 1; }
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool key Return

preview=$(wait_for 'TRPrintRandom') || true
[ -n "$preview" ] || { echo "the preview did not appear" >&2; cat "$work/program.log" >&2; exit 1; }
xdotool windowfocus --sync "$preview"
sleep 0.3
xdotool key Escape

for _ in $(seq 50); do
    xdotool search --onlyvisible --name 'TRPrintRandom|^What should be printed' >/dev/null 2>&1 || break
    sleep 0.1
done
if xdotool search --onlyvisible --name 'TRPrintRandom|^What should be printed' >/dev/null 2>&1; then
    echo "the preview or the print dialog is still open after Escape" >&2
    exit 1
fi
kill -0 "$program_pid" || { echo "the program ended" >&2; exit 1; }
echo "Print, Enter and Escape went through the print dialog and the preview"
