#!/usr/bin/env bash
# End to end: the installed program under Xvfb against bad input, one case a row. Each row prepares
# a fresh home (and, where it says so, damages the installed data), starts the program, answers
# every window with Return (a message box's OK, then the start window's focused Quit button) and
# checks what happened: whether messages came, whether the program ended cleanly or stayed usable,
# that it never crashed, and that the user files it must not lose are unchanged.
#   bad_input.sh <build folder> [row name]
set -euo pipefail

build=$(cd "$1" && pwd)
only=${2:-}
for tool in Xvfb xdotool cmake; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

base=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill -9 "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
    chmod -R u+w "$base" 2>/dev/null || true
    rm -rf "$base"
}
trap cleanup EXIT

source "$(dirname "$0")/../../tools/xvfb.sh"
start_xvfb "$base"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

settings=$'[GLOBAL]\r\nLanguage=en\r\nRange=4\r\n[SON]\r\nBouton=0\r\n'
choices=$'3\r\n10\r\n'

# A fresh installation and home under <folder>: sets prefix, sys (the user's sys folder) and the
# XDG variables, and writes the usual settings and choice file.
prepare() {
    local folder=$1
    prefix=$folder/prefix
    cmake --install "$build" --prefix "$prefix" >/dev/null
    export HOME=$folder/home
    export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
    export XDG_RUNTIME_DIR=$folder/runtime
    sys=$XDG_DATA_HOME/quorvel/sys
    shared=$prefix/share/quorvel/sys
    mkdir -p "$sys" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    printf '%s' "$settings" >"$sys/multable.ini"
    printf '%s' "$choices" >"$sys/choices.txt"
}

# Fingerprints of the files a row must not lose, taken before the run and compared after it.
kept=()
keep() { kept=("$@"); sha256sum "${kept[@]}" >"$work/kept.sha256"; }

# The visible window made last: a message box is made after the start window.
newest_window() {
    { xdotool search --all --onlyvisible --pid "$program_pid" --name '.' 2>/dev/null || true; } | sort -n | tail -n 1
}

# Starts the program (through "$launcher" when set) and presses Return on its newest window until
# it ends, at most <presses> times. Sets: ended (yes/no), exit_status, returns_pressed.
run_program() {
    local presses=$1 window
    ${launcher:-} "$prefix/bin/quorvel" >"$work/program.log" 2>&1 &
    program_pid=$!
    ended=no
    returns_pressed=0
    for _ in $(seq 600); do
        kill -0 "$program_pid" 2>/dev/null || break
        window=$(newest_window)
        [ -n "$window" ] && break
        sleep 0.1
    done
    while [ "$returns_pressed" -lt "$presses" ] && kill -0 "$program_pid" 2>/dev/null; do
        window=$(newest_window)
        if [ -n "$window" ]; then
            xdotool windowfocus --sync "$window" 2>/dev/null || true
            sleep 0.3
            xdotool key Return 2>/dev/null || true
            returns_pressed=$((returns_pressed + 1))
        fi
        for _ in $(seq 30); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        kill -9 "$program_pid"
        wait "$program_pid" 2>/dev/null || true
    else
        ended=yes
        exit_status=0
        wait "$program_pid" || exit_status=$?
    fi
    program_pid=
}

failures=0
row_failed() {
    echo "FAIL [$row]: $1" >&2
    echo "--- the program said:" >&2
    head -c 2000 "$work/program.log" >&2 || true
    failures=$((failures + 1))
}

# expect <ends-clean|stays> <messages: none|some|any>
expect() {
    local outcome=$1 messages=$2 shown
    if [ "$outcome" = ends-clean ]; then
        [ "$ended" = yes ] || { row_failed "the program did not end after Quit"; return; }
        [ "$exit_status" -eq 0 ] || { row_failed "the program ended with status $exit_status"; return; }
        shown=$((returns_pressed - 1)) # one Return was the Quit button
    else
        [ "$ended" = no ] || { row_failed "the program ended (status $exit_status) instead of staying open"; return; }
        shown=$returns_pressed
    fi
    case "$messages" in
        none) [ "$shown" -eq 0 ] || row_failed "$shown message(s) came where none should" ;;
        some) [ "$shown" -ge 1 ] || row_failed "no message came" ;;
    esac
    if [ -n "$settings_kept" ]; then
        # Quitting rewrites the settings file with every key: the old entries must still be there.
        local line
        while IFS= read -r line; do
            grep -qxF "$line" "$sys/multable.ini" || row_failed "the setting '${line%$'\r'}' was lost"
        done < <(printf '%s' "$settings")
    fi
    if [ ${#kept[@]} -gt 0 ] && ! sha256sum --quiet -c "$work/kept.sha256" >/dev/null 2>&1; then
        row_failed "a file that had to be kept changed: $(sha256sum -c "$work/kept.sha256" 2>&1 | grep -v ': OK$' | tr '\n' ' ')"
    fi
}

row_binary_settings() {
    head -c 4096 /dev/urandom >"$sys/multable.ini"
    printf '\0\0\xff\xfe[GLOBAL]\0Language=\x01\r\n' >>"$sys/multable.ini"
    keep "$sys/choices.txt"
    run_program 5
    expect ends-clean any
    grep -q $'^Language=en\r$' "$sys/multable.ini" || row_failed "the settings were not written anew"
}

row_huge_choice_file() {
    { yes $'7\r' || true; } | head -c $((50 * 1024 * 1024)) >"$sys/choices.txt" # yes ends on SIGPIPE
    settings_kept=yes
    run_program 5
    expect ends-clean any
}

row_bad_choice_lines() {
    printf -- '-5\r\n99999999999999999999\r\nabc\r\n\r\n2147483648\r\n-2147483649\r\n 4 \r\n0x10\r\n3\r\n' >"$sys/choices.txt"
    settings_kept=yes
    run_program 5
    expect ends-clean any
}

row_language_file_long_lines_and_controls() {
    python3 - "$shared/en.lng" <<'PY'
import sys
path = sys.argv[1]
text = open(path, encoding="utf-8", newline="").read()
long = "x" * 100000
text = text.replace("vComment=", "vComment=" + long + "\x01\x02\x1b[31m\x7f", 1)
text = text.replace("vQuitBtn=", "vQuitBtn=\x00\x08\x0c", 1)
text += "\r\n[Junk]\r\n" + long + "\r\n" + "\x00" * 1000 + "\r\n"
open(path, "w", encoding="utf-8", newline="").write(text)
PY
    keep "$sys/choices.txt"
    run_program 5
    expect ends-clean any
}

row_missing_language_file() {
    printf '[GLOBAL]\r\nLanguage=de\r\nRange=4\r\n[SON]\r\nBouton=0\r\n' >"$sys/multable.ini"
    rm "$shared/de.lng"
    keep "$sys/choices.txt"
    run_program 6
    expect ends-clean any
}

row_read_only_sys() {
    if [ "$(id -u)" -eq 0 ]; then
        # Root writes through permissions: run the program as an unprivileged user instead.
        command -v setpriv >/dev/null || { echo "skip [$row]: root without setpriv" >&2; return; }
        chmod -R a+rwX "$work"
        chmod a+x "$base"
        launcher="setpriv --reuid=65534 --regid=65534 --clear-groups"
    fi
    chmod 555 "$sys"
    keep "$sys/multable.ini" "$sys/choices.txt"
    run_program 4
    launcher=
    # Copying the user's missing files fails with a message and ends the start-up before the
    # files are read; Quit then writes nothing over files it never read, and ends.
    expect ends-clean some
}

row_sys_is_a_file() {
    rm -rf "$sys"
    printf 'not a folder\n' >"$sys"
    keep "$sys"
    run_program 8
    [ "$ended" = yes ] && [ "$exit_status" -ne 0 ] && [ "$exit_status" -gt 128 ] && { row_failed "crashed (status $exit_status)"; return; }
    expect "$([ "$ended" = yes ] && echo ends-clean || echo stays)" some
}

row_full_file_system() {
    # Every user file is there already, so only the save at Quit meets the full disk.
    local name
    for name in Sound1.txt Sound2.txt Sound3.txt Sound4.txt Sound5.txt SoundStr.txt; do
        cp "$shared/$name" "$sys/$name"
    done
    keep "$sys/multable.ini" "$sys/choices.txt" "$sys/Sound1.txt"
    # No file may grow, as on a full disk: the size limit and the ignored SIGXFSZ carry over exec
    # into the program, whose writes then just fail. The subshell writes no file of its own.
    local result
    result=$(
        ulimit -f 0
        trap '' XFSZ
        run_program 4 >/dev/null
        declare -p ended exit_status returns_pressed 2>/dev/null || declare -p ended returns_pressed
    )
    eval "$result"
    # Copying the user's missing files fails with a message and ends the start-up before the
    # files are read; Quit then writes nothing over files it never read, and ends.
    expect ends-clean some
}

row_missing_help_document() {
    rm "$shared/en-help.html"
    keep "$sys/choices.txt"
    settings_kept=yes
    # F1 on the start window asks for the help; then the messages and Quit.
    ${launcher:-} "$prefix/bin/quorvel" >"$work/program.log" 2>&1 &
    program_pid=$!
    local window
    window=$(timeout 60 xdotool search --all --sync --onlyvisible --pid "$program_pid" --name '^Quorvel$' | head -n 1) || true
    [ -n "$window" ] || { row_failed "no start window"; return; }
    xdotool windowfocus --sync "$window"
    xdotool key F1
    sleep 1
    kill -0 "$program_pid" 2>/dev/null || { wait "$program_pid" || true; program_pid=; row_failed "F1 ended the program"; return; }
    kill -9 "$program_pid"; wait "$program_pid" 2>/dev/null || true; program_pid=
    run_program 6
    expect ends-clean any
}

row_non_ascii_paths() {
    local folder="$work/Zoë Ødegård-ñ 学校"
    mkdir -p "$folder"
    prepare "$folder"
    run_program 4
    expect ends-clean none
    cmp -s "$sys/choices.txt" <(printf '%s' "$choices") || row_failed "the choice file was not kept"
    grep -q $'^Language=en\r$' "$sys/multable.ini" || row_failed "the settings were not saved"
}

rows=(binary_settings huge_choice_file bad_choice_lines language_file_long_lines_and_controls
      missing_language_file read_only_sys sys_is_a_file full_file_system missing_help_document
      non_ascii_paths)
for row in "${rows[@]}"; do
    [ -z "$only" ] || [ "$only" = "$row" ] || continue
    work=$base/$row
    mkdir -p "$work"
    prepare "$work"
    kept=()
    settings_kept=
    launcher=
    "row_$row"
    echo "row $row done"
done
[ "$failures" -eq 0 ] && echo "every row behaved"
exit $((failures > 0))
