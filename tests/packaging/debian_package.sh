#!/usr/bin/env bash
# End to end: builds the Debian package with CPack from the build folder, checks its control
# fields and its file list, then unpacks it into a temporary folder (dpkg-deb -x) and runs the
# unpacked program: without a display --version, --help, a bad option and a worksheet, which
# needs the data files at their packaged places; then under Xvfb until its start window shows.
#   debian_package.sh <source folder> <build folder> <app id> <project version>
set -euo pipefail

source=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
id=$3
version=$4
for tool in cpack dpkg-deb dpkg-shlibdeps objdump Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
if ! (cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1); then
    echo "cpack failed:" >&2
    cat "$work/cpack.log" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
deb=$work/cpack/quorvel_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
    echo "no quorvel_${version}_${arch}.deb; CPack wrote:" >&2
    ls "$work/cpack" >&2
    exit 1
fi

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvel ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), expected $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
grep -qE '^[^<>]+ <[^@ ]+@[^@ ]+>$' <<<"$(field Maintainer)" || fail "Maintainer: '$(field Maintainer)'"
description=$(field Description)
[ "$(wc -l <<<"$description")" -ge 5 ] || fail "no long description: $description"
head -n 1 <<<"$description" | grep -q multiplication || fail "summary: $(head -n 1 <<<"$description")"

# Dependencies: the fonts, the SVG plugins' package, and the package of every library the program links.
depends=$(tr ',|' '\n\n' <<<"$(field Depends)" | sed 's/(.*//; s/ //g' | sort -u)
dpkg-deb -x "$deb" "$work/root"
program=$work/root/usr/lib/quorvel/quorvel
needed=()
for library in $(objdump -p "$program" | awk '$1 == "NEEDED" { print $2 }'); do
    path=$(ldd "$program" | awk -v lib="$library" '$1 == lib { print $3 }')
    [ -n "$path" ] || { fail "$library is not found on this machine"; continue; }
    # By folder and name: with a merged /usr, dpkg may know the file under /lib or /usr/lib.
    needed+=("$(dpkg -S "*/$(basename "$(dirname "$path")")/$library" | head -n 1 | cut -d: -f1)")
done
for package in fonts-liberation2 fonts-dejavu-core libqt6svg6 "${needed[@]}"; do
    grep -qx -- "$package" <<<"$depends" || fail "Depends lacks $package: $(field Depends)"
done

# Contents: all under /usr, owned by root, in the program's layout.
contents=$(dpkg-deb -c "$deb")
awk '$2 != "root/root" { print }' <<<"$contents" | grep -q . && fail "entries not owned by root: $(awk '$2 != "root/root"' <<<"$contents")"
paths=$(awk '{ print $6 }' <<<"$contents")
grep -vqE '^\./(usr/.*)?$' <<<"$paths" && fail "entries outside /usr: $(grep -vE '^\./(usr/.*)?$' <<<"$paths")"
entry() { awk -v path="$1" '$6 == path { print $1, $6, $7, $8 }' <<<"$contents"; }
[ "$(entry ./usr/lib/quorvel/quorvel)" = "-rwxr-xr-x ./usr/lib/quorvel/quorvel  " ] || fail "program: $(entry ./usr/lib/quorvel/quorvel)"
[ "$(entry ./usr/bin/quorvel)" = "lrwxrwxrwx ./usr/bin/quorvel -> ../lib/quorvel/quorvel" ] || fail "link: $(entry ./usr/bin/quorvel)"
for file in ./usr/lib/quorvel/default.wav ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/quorvel.svg ./usr/share/man/man1/quorvel.1.gz; do
    grep -qx -- "$file" <<<"$paths" || fail "missing $file"
done
[ "$(grep -c '^\./usr/share/applications/.' <<<"$paths")" -eq 1 ] || fail "more than one desktop entry: $(grep '^\./usr/share/applications/.' <<<"$paths")"
gzip -t "$work/root/usr/share/man/man1/quorvel.1.gz" || fail "the manual page is no gzip file"
# Every data file of the source tree, and nothing else, under /usr/share/quorvel.
expected=$(cd "$source/data" && find sys sound pictures -type f | sort)
packaged=$(cd "$work/root/usr/share/quorvel" && find . -type f | sed 's|^\./||' | sort)
[ "$expected" = "$packaged" ] || { fail "the packaged data differ from data/"; diff <(echo "$expected") <(echo "$packaged") >&2 || true; }

# The unpacked program, with a fresh home and no display.
export HOME=$work/home
export XDG_DATA_HOME=$HOME/.local/share XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
quorvel=$work/root/usr/bin/quorvel

run() { # run <arguments...>: sets code, out, err
    code=0
    "$quorvel" "$@" >"$work/out" 2>"$work/err" || code=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}
run --version
[ "$code" -eq 0 ] || fail "--version: status $code: $err"
grep -qxE "Version: ${version//./\\.}     Build: [0-9]+" <<<"$out" || fail "--version printed '$out'"
run --help
[ "$code" -eq 0 ] && grep -q -- --version <<<"$out" || fail "--help: status $code, printed '$out'"
run --colour red
[ "$code" -eq 2 ] || fail "an unknown option: status $code, expected 2"
grep -q '^Usage: quorvel' <<<"$err" && [ -z "$out" ] || fail "an unknown option: printed '$out', said '$err'"
run --worksheet grid --language en --pdf "$work/grid.pdf"
[ "$code" -eq 0 ] || fail "worksheet: status $code: $err"
[ "$(head -c 5 "$work/grid.pdf" 2>/dev/null)" = "%PDF-" ] || fail "worksheet: no PDF written"

# And it starts: the start window appears on a virtual display.
source "$source/tools/xvfb.sh"
start_xvfb "$work"
QT_QPA_PLATFORM=xcb "$quorvel" >"$work/program.log" 2>&1 &
program_pid=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Quorvel$' >/dev/null \
    || fail "the unpacked program showed no start window: $(cat "$work/program.log")"

[ "$status" -eq 0 ] && echo "$(basename "$deb"): fields, dependencies and layout as expected; the unpacked program answers and starts"
exit "$status"
