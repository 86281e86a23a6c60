#!/usr/bin/env bash
# The desktop entry, the AppStream metadata and the manual page as `cmake --install` lays them out:
# each validates, the metadata's newest release is the project's version, and the manual page
# documents every option that the program's --help lists.
#   metadata.sh <build folder> <app id> <project version>
set -euo pipefail

build=$(cd "$1" && pwd)
id=$2
version=$3
for tool in cmake desktop-file-validate appstreamcli groff; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool (tools/setup test installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/root/usr" >/dev/null
share=$work/root/usr/share

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# Validators: any remark at all is a failure.
report=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
appstreamcli validate --no-net --strict "$share/metainfo/$id.metainfo.xml" >"$work/report" 2>&1 \
    || fail "appstreamcli validate: $(cat "$work/report")"
# The tree check also matches the metadata's launchable to the installed desktop entry.
appstreamcli validate-tree --no-net --strict "$work/root" >"$work/report" 2>&1 \
    || fail "appstreamcli validate-tree: $(cat "$work/report")"

newest=$(grep -o '<release version="[^"]*"' "$share/metainfo/$id.metainfo.xml" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the newest release in the metadata is '$newest', the project's version $version"

manual=$share/man/man1/quorvel.1.gz
[ -f "$manual" ] || fail "no manual page at share/man/man1/quorvel.1.gz"
if [ -f "$manual" ]; then
    zcat "$manual" | groff -man -ww -z >"$work/report" 2>&1 || fail "groff ended with status $?"
    [ ! -s "$work/report" ] || fail "groff warns about the manual page: $(cat "$work/report")"
    page=$(zcat "$manual" | groff -man -Tutf8 -P-cbou 2>/dev/null)
    grep -q "Quorvel $version" <<<"$page" || fail "the manual page does not carry the version $version"
    # Every option of --help, long and short, in the manual page's OPTIONS section.
    options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$build/bin/quorvel" --help 2>/dev/null \
        | grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
    [ -n "$options" ] || fail "--help lists no option"
    described=$(awk '/^[A-Z]/ { inside = ($0 == "OPTIONS") } inside' <<<"$page")
    for option in $options; do
        grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$described" || fail "the manual page's OPTIONS do not describe $option"
    done
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' FILES; do
        grep -q "^$section" <<<"$page" || fail "the manual page has no $section section"
    done
    grep -q 'quorvel/Sys/' <<<"$page" || fail "the manual page does not say where the user's files are"
fi

[ "$status" -eq 0 ] && echo "desktop entry, metadata and manual page validate and agree with the program"
exit "$status"
