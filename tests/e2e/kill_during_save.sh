#!/usr/bin/env bash
# End to end: makes the installed program under Xvfb save, and kills it with SIGKILL at a random
# moment around the save, again and again; after every kill each user file must hold its old or
# its new content, complete. Two saves:
#   quit      Return on the start window's Quit button saves the choice file and the settings
#             file; the settings file is saved key by key, each key an atomic whole-file write, so
#             it may also be a complete content between: the old file with the first keys written.
#   sequence  sound on, and sequence 1 names a welcome sound that is gone: the start-up's check of
#             the chosen sequence puts the default sound in its place and saves the sequence.
#   kill_during_save.sh <build folder> [quit|sequence] [rounds]
set -euo pipefail

build=$(cd "$1" && pwd)
scenario=${2:-quit}
rounds=${3:-100}
case "$scenario" in
    quit|sequence) ;;
    *) echo "unknown save: $scenario (quit or sequence)" >&2; exit 2 ;;
esac
for tool in Xvfb xdotool cmake; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

source "$(dirname "$0")/../../tools/xvfb.sh"
work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill -9 "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
shared=$work/prefix/share/quorvel/sys

export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
sys=$XDG_DATA_HOME/quorvel/sys
mkdir -p "$sys" "$XDG_RUNTIME_DIR" "$work/old"
chmod 700 "$XDG_RUNTIME_DIR"

# The old contents, one file each in $work/old, copied over the user's files before every round.
printf '10\r\n3\r\n' >"$work/old/choices.txt"
if [ "$scenario" = quit ]; then
    # Sound off, so no audio output is needed and no message comes.
    printf '[GLOBAL]\r\nLanguage=en\r\nRange=4\r\n[SON]\r\nBouton=0\r\n' >"$work/old/multable.ini"
    saved=(multable.ini choices.txt)
else
    printf '[GLOBAL]\r\nLanguage=en\r\nRange=4\r\n[SON]\r\nBouton=1\r\n' >"$work/old/multable.ini"
    for name in Sound2.txt Sound3.txt Sound4.txt Sound5.txt SoundStr.txt; do cp "$shared/$name" "$work/old/"; done
    { printf 'appdir\\sound\\gone.wav\r\n'; tail -n +2 "$shared/Sound1.txt"; } >"$work/old/Sound1.txt"
    saved=(Sound1.txt)
fi
files=()
for path in "$work"/old/*; do files+=("$(basename "$path")"); done
put_old_files() {
    local name
    for name in "${files[@]}"; do cp "$work/old/$name" "$sys/$name"; done
}

start_xvfb "$work"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

start_program() {
    "$work/prefix/bin/quorvel" >"$work/program.log" 2>&1 &
    program_pid=$!
}

# Waits for the start window and gives it the keyboard focus, which is on its Quit button.
focus_start_window() {
    local window
    window=$(timeout 60 xdotool search --all --sync --onlyvisible --pid "$program_pid" --name '^Quorvel$' | head -n 1) || true
    if [ -z "$window" ]; then
        echo "no window appeared; the program said:" >&2
        cat "$work/program.log" >&2
        exit 1
    fi
    xdotool windowfocus --sync "$window"
}

stop_program() {
    kill -9 "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=
}

# One whole save gives the new contents.
put_old_files
start_program
if [ "$scenario" = quit ]; then
    focus_start_window
    xdotool key Return
    wait "$program_pid" || { echo "the program ended with status $?" >&2; exit 1; }
    program_pid=
else
    # The sequence is saved during the start-up; the kills fall from the start to a while after.
    started=$(date +%s%N)
    for _ in $(seq 600); do cmp -s "$work/old/Sound1.txt" "$sys/Sound1.txt" || break; sleep 0.01; done
    spread_ms=$((($(date +%s%N) - started) / 1000000 * 5 / 4 + 50))
    focus_start_window
    stop_program
fi
mkdir -p "$work/new"
for name in "${files[@]}"; do cp "$sys/$name" "$work/new/$name"; done
for name in "${saved[@]}"; do
    if cmp -s "$work/old/$name" "$work/new/$name"; then
        echo "the save did not change $name: the kills would prove nothing; the program said:" >&2
        cat "$work/program.log" >&2
        exit 1
    fi
done
for name in "${files[@]}"; do
    if [[ " ${saved[*]} " != *" $name "* ]] && ! cmp -s "$work/old/$name" "$work/new/$name"; then
        echo "$name changed though nothing saves it here:" >&2
        od -c "$work/new/$name" | head -n 20 >&2
        exit 1
    fi
done

# Every complete content a file may show, as hex lines: old and new, and for the settings file
# the contents between.
as_hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }
mkdir -p "$work/states"
for name in "${files[@]}"; do
    if [ "$name" = multable.ini ]; then
        python3 "$(dirname "$0")/ini_states.py" "$work/old/$name" "$work/new/$name" >"$work/states/$name"
    else
        printf '%s\n' "$(as_hex "$work/old/$name")" "$(as_hex "$work/new/$name")" >"$work/states/$name"
    fi
done

status=0
declare -A old new between partial
for name in "${files[@]}"; do old[$name]=0; new[$name]=0; between[$name]=0; partial[$name]=0; done
for round in $(seq "$rounds"); do
    put_old_files
    start_program
    if [ "$scenario" = quit ]; then
        # Return on Quit, and the kill somewhere from before the key arrives to after the save.
        focus_start_window
        xdotool key Return &
        sleep "0.0$(printf '%02d' $((RANDOM % 40)))"
        kill -9 "$program_pid" 2>/dev/null || true
        wait $! || true
    else
        delay_ms=$(((RANDOM * 32768 + RANDOM) % spread_ms))
        sleep "$((delay_ms / 1000)).$(printf '%03d' $((delay_ms % 1000)))"
    fi
    stop_program
    for name in "${files[@]}"; do
        if cmp -s "$work/old/$name" "$sys/$name"; then
            old[$name]=$((old[$name] + 1))
        elif cmp -s "$work/new/$name" "$sys/$name"; then
            new[$name]=$((new[$name] + 1))
        elif [ -f "$sys/$name" ] && grep -qxF "$(as_hex "$sys/$name")" "$work/states/$name"; then
            between[$name]=$((between[$name] + 1))
        else
            partial[$name]=$((partial[$name] + 1))
            echo "round $round: $name is not a complete content:" >&2
            od -c "$sys/$name" | head -n 20 >&2 || echo "(missing)" >&2
            status=1
        fi
    done
done
for name in "${saved[@]}"; do
    echo "$rounds kills: $name found ${old[$name]} times old, ${new[$name]} new, ${between[$name]} between, ${partial[$name]} partial or missing"
    [ "${new[$name]}" -gt 0 ] || echo "note: no kill came after the save of $name" >&2
    [ "${old[$name]}" -gt 0 ] || echo "note: no kill came before the save of $name" >&2
done
[ "$status" -ne 0 ] || echo "every file complete after every kill (${#files[@]} files checked each time)"
[ "$status" -eq 0 ] || echo "FAILED: some kills left a file incomplete" >&2
exit "$status"
