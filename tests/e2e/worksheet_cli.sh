#!/usr/bin/env bash
# End to end: the installed program writes worksheets from the command line, without a display
# and without a window, reading the user's files and writing neither.
#   worksheet_cli.sh <build folder>
set -euo pipefail

build=$(cd "$1" && pwd)
for tool in cmake pdftotext; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" >/dev/null
quorvel=$work/prefix/bin/quorvel

# A fresh home and no display at all.
export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
out=$work/out
mkdir -p "$out"

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# --help lists every option.
help=$("$quorvel" --help) || fail "--help ended with status $?"
for option in --worksheet --tables --operation --language --pdf --help; do
    grep -q -- "$option" <<<"$help" || fail "--help does not list $option"
done

# Without any user file: the grid comes out, and the user folder is not even created.
"$quorvel" --worksheet grid --language en --pdf "$out/grid.pdf" || fail "grid without user files: status $?"
[ -s "$out/grid.pdf" ] || fail "no grid.pdf"
[ ! -e "$XDG_DATA_HOME/quorvel" ] || fail "the user folder was created"
pdftotext "$out/grid.pdf" - | grep -q '144' || fail "grid.pdf lacks 144"

# Bad arguments: a clear message, status 2, no file.
bad() { # bad <what> <arguments...>
    local what=$1; shift
    local code=0
    "$quorvel" "$@" >"$work/stdout" 2>"$work/stderr" || code=$?
    [ "$code" -eq 2 ] || fail "$what: status $code, expected 2"
    [ -s "$work/stderr" ] || fail "$what: no message"
    [ -z "$(ls -A "$out/bad" 2>/dev/null)" ] || fail "$what: a file was left in $out/bad"
    rm -rf "$out/bad"
}
mkdir -p "$out/bad"
bad "unknown sheet" --worksheet everything --pdf "$out/bad/a.pdf"
bad "table 13" --worksheet random --tables 2,13 --pdf "$out/bad/a.pdf"
bad "table 0" --worksheet random --tables 0 --pdf "$out/bad/a.pdf"
bad "operation 4" --worksheet random --tables 2 --operation 4 --pdf "$out/bad/a.pdf"
bad "operation not a number" --worksheet random --tables 2 --operation two --pdf "$out/bad/a.pdf"
bad "unknown option" --worksheet grid --colour red --pdf "$out/bad/a.pdf"
bad "no --pdf" --worksheet grid
bad "--pdf without --worksheet" --pdf "$out/bad/a.pdf"
bad "unknown language" --worksheet grid --language xx --pdf "$out/bad/a.pdf"
bad "random sheet without tables" --worksheet random --pdf "$out/bad/a.pdf"
bad "folder that does not exist" --worksheet grid --pdf "$out/bad/missing/a.pdf"
grep -q "missing/a.pdf" "$work/stderr" || fail "the message does not name the path"

# With the user's files: what the options leave out comes from them, and neither is written.
sys=$XDG_DATA_HOME/quorvel/sys
mkdir -p "$sys"
printf '[GLOBAL]\r\nLanguage=en\r\nRange=4\r\nOperation=1\r\n[CALCULS]\r\nInversion=0\r\n' >"$sys/multable.ini"
printf '10\r\n3\r\n' >"$sys/choices.txt"
touch -d '2020-01-01' "$sys/multable.ini" "$sys/choices.txt"
before=$(cd "$XDG_DATA_HOME" && find . -exec stat -c '%n %s %Y' {} + | sort; md5sum quorvel/sys/*)

"$quorvel" --worksheet random --pdf "$out/random.pdf" || fail "random sheet: status $?"
text=$(pdftotext -layout "$out/random.pdf" -)
grep -q '3, 10 \*' <<<"$text" || fail "the comment does not list the saved tables 3, 10"
grep -q 'Smallest multiplier: 4' <<<"$text" || fail "the smallest multiplier is not the saved 4"
[ "$(grep -o '÷' <<<"$text" | wc -l)" -eq 72 ] || fail "the saved operation 1 (divide) did not give 72 divisions"

"$quorvel" --worksheet random --tables 5,2 --operation 0 --language fr --pdf "$out/random-fr.pdf" || fail "French sheet: status $?"
text=$(pdftotext -layout "$out/random-fr.pdf" -)
grep -q '2, 5 \*' <<<"$text" || fail "the comment does not list tables 2, 5"
[ "$(grep -o '____' <<<"$text" | wc -l)" -eq 72 ] || fail "not 72 exercises"
[ "$(grep -o ' x ' <<<"$text" | wc -l)" -eq 72 ] || fail "not 72 multiplications"

after=$(cd "$XDG_DATA_HOME" && find . -exec stat -c '%n %s %Y' {} + | sort; md5sum quorvel/sys/*)
[ "$before" = "$after" ] || { fail "the user's folder changed"; diff <(echo "$before") <(echo "$after") >&2 || true; }

[ "$status" -eq 0 ] && echo "the command line wrote the sheets, refused bad arguments and left the user's files alone"
exit "$status"
