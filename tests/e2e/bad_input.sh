#!/usr/bin/env bash
# End to end: the installed program under Xvfb against bad input, one case a row. Each row prepares
# a fresh home (and, where it says so, damages the installed data), starts the program, answers
# each window as it shows (Return on a message box's OK, then on the start window's focused Quit
# button, or the row's own commands), waiting for windows and for the program's end rather than for
# fixed times, and checks what happened: whether messages came, whether the program ended cleanly or stayed usable,
# that it never crashed, and that the user files it must not lose are unchanged.
#   bad_input.sh <build folder> [row name]
set -euo pipefail

build=$(cd "$1" && pwd)
only=${2:-}
for tool in Xvfb xdotool xprop cmake; do
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

# The program's visible windows, oldest first; a message box is made after the start window.
visible_windows() {
    { xdotool search --all --onlyvisible --pid "$program_pid" --name '.' 2>/dev/null || true; } | sort -n
}
is_message_box() {
    xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG
}

# Milliseconds since the epoch.
now_ms() { local t=${EPOCHREALTIME/./}; echo $((t / 1000)); }

# Waits for the program's next turn: sets 'window' to the window to answer, or returns 1 once the
# program has ended or, after Quit, has shown nothing new for 5 s. A message box is answered as
# soon as it shows (it is modal) and the one answered before has gone. Before Quit, the start
# window is answered once it alone has shown for a second, so a message still to come goes first.
next_turn() {
    local newest seen= since began
    began=$(now_ms)
    since=$began
    window=
    while [ $(($(now_ms) - began)) -lt 120000 ]; do
        kill -0 "$program_pid" 2>/dev/null || return 1
        newest=$(visible_windows | tail -n 1)
        if [ -n "$newest" ] && [ "$newest" != "$answered_box" ] && is_message_box "$newest"; then
            window=$newest
            return 0
        fi
        [ "$newest" = "$seen" ] || { seen=$newest; since=$(now_ms); }
        if [ "$quit_pressed" = yes ]; then
            [ $(($(now_ms) - since)) -lt 5000 ] || return 1
        elif [ -n "$seen" ] && [ "$seen" != "$answered_box" ] && [ $(($(now_ms) - since)) -ge 1000 ]; then
            window=$seen
            return 0
        fi
        sleep 0.1
    done
    echo "[$row] nothing to answer for two minutes" >&2
    return 1
}

# Clicks the start window's menu bar on its first menu, File, and sends the keys that follow:
# Left goes round to the last menu, Help; each menu opens on its first item.
menu() {
    xdotool mousemove --window "$window" 15 8 click 1 key "$@"
}

# Starts the program (through "$launcher" when set) and answers its windows until it ends: Return
# on each message box, and on the start window first the command of "$start_action" where a row
# sets one, then "$quit_action" (Return on the focused Quit button unless a row sets another).
# Sets: ended (yes/no), exit_status, messages (boxes answered), quit_pressed.
run_program() {
    ${launcher:-} "$prefix/bin/quorvel" >"$work/program.log" 2>&1 &
    program_pid=$!
    ended=no
    messages=0
    quit_pressed=no
    answered_box=
    local action=${start_action:-}
    while next_turn; do
        xdotool windowfocus --sync "$window" 2>/dev/null || continue
        if is_message_box "$window"; then
            answered_box=$window
            messages=$((messages + 1))
            echo "[$row] message $messages: $(xdotool getwindowname "$window" 2>/dev/null), Return" >&2
            xdotool key Return 2>/dev/null || true
        elif [ -n "$action" ]; then
            echo "[$row] start window: $action" >&2
            $action 2>/dev/null || true
            action=
        else
            quit_pressed=yes
            echo "[$row] start window: ${quit_action:-Return on Quit}" >&2
            ${quit_action:-xdotool key Return} 2>/dev/null || true
        fi
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
    # On a loaded machine the X server has now and then refused a new client. The program then
    # stops in Qt's start-up, before anything of the row's has run, so it is started once more.
    if [ "$ended" = yes ] && [ "$exit_status" -eq 134 ] && [ -z "$display_retried" ] &&
        grep -q "could not connect to display" "$work/program.log"; then
        echo "[$row] the display refused the program; starting it again" >&2
        display_retried=yes
        run_program
    fi
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
    local outcome=$1 wanted=$2
    if [ "$ended" = no ] && [ "$quit_pressed" = no ]; then
        row_failed "the start window never came to be answered"
        return
    fi
    if [ "$outcome" = ends-clean ]; then
        [ "$ended" = yes ] || { row_failed "the program did not end after Quit"; return; }
        [ "$exit_status" -eq 0 ] || { row_failed "the program ended with status $exit_status"; return; }
        [ "$quit_pressed" = yes ] || { row_failed "the program ended before Quit"; return; }
    else
        [ "$ended" = no ] || { row_failed "the program ended (status $exit_status) instead of staying open"; return; }
    fi
    case "$wanted" in
        none) [ "$messages" -eq 0 ] || row_failed "$messages message(s) came where none should" ;;
        some) [ "$messages" -ge 1 ] || row_failed "no message came" ;;
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
    run_program
    expect ends-clean any
    grep -q $'^Language=en\r$' "$sys/multable.ini" || row_failed "the settings were not written anew"
}

row_huge_choice_file() {
    { yes $'7\r' || true; } | head -c $((50 * 1024 * 1024)) >"$sys/choices.txt" # yes ends on SIGPIPE
    settings_kept=yes
    run_program
    expect ends-clean none
}

row_bad_choice_lines() {
    printf -- '-5\r\n99999999999999999999\r\nabc\r\n\r\n2147483648\r\n-2147483649\r\n 4 \r\n0x10\r\n3\r\n' >"$sys/choices.txt"
    settings_kept=yes
    run_program
    expect ends-clean some # the first line that is no number stops the restore with its message
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
    run_program
    expect ends-clean none
}

row_missing_language_file() {
    printf '[GLOBAL]\r\nLanguage=de\r\nRange=4\r\n[SON]\r\nBouton=0\r\n' >"$sys/multable.ini"
    rm "$shared/de.lng"
    keep "$sys/choices.txt"
    run_program
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
    run_program
    launcher=
    # Copying the user's missing files fails with a message and ends the start-up before the
    # files are read; Quit then writes nothing over files it never read, and ends.
    expect ends-clean some
}

row_sys_is_a_file() {
    rm -rf "$sys"
    printf 'not a folder\n' >"$sys"
    keep "$sys"
    run_program
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
        run_program >/dev/null
        declare -p ended exit_status messages quit_pressed 2>/dev/null || declare -p ended messages quit_pressed
    )
    eval "$result"
    # Quit cannot save: it says so and the program stays open, the files as they were.
    expect stays some
}

row_missing_help_document() {
    rm "$shared/en-help.html"
    keep "$sys/choices.txt"
    settings_kept=yes
    # Help, Help: the panel opens empty; then File, Quit ends the program, since the focus has
    # left the Quit button for the panel.
    start_action="menu Left Return"
    quit_action="menu Up Return"
    run_program
    expect ends-clean none
}

row_non_ascii_paths() {
    local folder="$work/Zoë Ødegård-ñ 学校"
    mkdir -p "$folder"
    prepare "$folder"
    run_program
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
    start_action=
    quit_action=
    display_retried=
    "row_$row"
    echo "row $row done"
done
[ "$failures" -eq 0 ] && echo "every row behaved"
exit $((failures > 0))
