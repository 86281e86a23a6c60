#!/usr/bin/env bash
# End to end: quits the installed program under Xvfb and kills it with SIGKILL at a random moment
# around its save, again and again; after every kill the choice file must hold its old or its new
# content, complete, and the settings file (saved key by key, each key an atomic whole-file write)
# its old content, its new one, or a complete one between: the old file with the first keys written.
#   kill_during_save.sh <build folder> [rounds]
set -euo pipefail

build=$(cd "$1" && pwd)
rounds=${2:-100}
for tool in Xvfb xdotool cmake; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill -9 "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null

export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
sys=$XDG_DATA_HOME/quorvel/sys
mkdir -p "$sys" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# The old contents; sound off, so no audio output is needed.
printf '[GLOBAL]\r\nLanguage=en\r\nRange=4\r\n[SON]\r\nBouton=0\r\n' >"$work/old-settings"
printf '10\r\n3\r\n' >"$work/old-choices"
files=(multable.ini choices.txt)
olds=("$work/old-settings" "$work/old-choices")
put_old_files() {
    local i
    for i in "${!files[@]}"; do cp "${olds[$i]}" "$sys/${files[$i]}"; done
}

source "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb "$work"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

# Starts the program and waits for its start window, with the keyboard focus on its Quit button.
start_program() {
    "$work/prefix/bin/quorvel" >"$work/program.log" 2>&1 &
    program_pid=$!
    local window
    window=$(timeout 60 xdotool search --all --sync --onlyvisible --pid "$program_pid" --name '^Quorvel$' | head -n 1) || true
    if [ -z "$window" ]; then
        echo "the start window did not appear; the program said:" >&2
        cat "$work/program.log" >&2
        exit 1
    fi
    xdotool windowfocus --sync "$window"
}

# One whole quit gives the new contents.
put_old_files
start_program
xdotool key Return
wait "$program_pid" || { echo "the program ended with status $?" >&2; exit 1; }
program_pid=
news=()
for i in "${!files[@]}"; do
    cp "$sys/${files[$i]}" "$work/new-$i"
    news+=("$work/new-$i")
    if cmp -s "${olds[$i]}" "${news[$i]}"; then
        echo "quitting did not change ${files[$i]}: the kills would prove nothing" >&2
        exit 1
    fi
done

# Every complete content the settings file may show, as hex lines; the choice file: old or new.
python3 "$(dirname "$0")/ini_states.py" "${olds[0]}" "${news[0]}" >"$work/settings-states"
printf '%s\n' "$(od -An -v -tx1 "${olds[1]}" | tr -d ' \n')" "$(od -An -v -tx1 "${news[1]}" | tr -d ' \n')" >"$work/choices-states"
states=("$work/settings-states" "$work/choices-states")
as_hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }

status=0
counts=(0 0 0) # files found old, new, between
for round in $(seq "$rounds"); do
    put_old_files
    start_program
    # Return on Quit, and the kill somewhere from before the key arrives to after the save.
    xdotool key Return &
    sleep "0.0$(printf '%02d' $((RANDOM % 40)))"
    kill -9 "$program_pid" 2>/dev/null || true
    wait $! || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
    for i in "${!files[@]}"; do
        if cmp -s "${olds[$i]}" "$sys/${files[$i]}"; then
            counts[0]=$((counts[0] + 1))
        elif cmp -s "${news[$i]}" "$sys/${files[$i]}"; then
            counts[1]=$((counts[1] + 1))
        elif [ -f "$sys/${files[$i]}" ] && grep -qxF "$(as_hex "$sys/${files[$i]}")" "${states[$i]}"; then
            counts[2]=$((counts[2] + 1))
        else
            echo "round $round: ${files[$i]} is not a complete content:" >&2
            od -c "$sys/${files[$i]}" | head -n 20 >&2 || echo "(missing)" >&2
            status=1
        fi
    done
done
echo "$rounds kills: files found ${counts[0]} times old, ${counts[1]} new, ${counts[2]} between; none partial"
[ "${counts[1]}" -gt 0 ] || echo "note: no kill came after a save" >&2
exit "$status"
