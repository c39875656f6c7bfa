#!/usr/bin/env bash
# Installs into temporary prefixes, one with a blank in its path as a
# per-user prefix may have, one staged with DESTDIR, and checks that the menu
# entry starts the installed executable and that the program's folder under
# share/ holds the starter data files and the recordings.
set -euo pipefail
shopt -s nullglob
source_dir="$1"
build="$2"
work="$3"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
rm -rf "$work"
mkdir -p "$work"

# The executable named by the entry's Exec line, its quoting undone.
exec_path() {
    local value
    value="$(sed -n 's/^Exec=//p' "$1")"
    if [[ "$value" == \"*\" ]]; then
        value="${value:1:${#value}-2}"
        value="$(printf '%s' "$value" | sed -e 's/\\\\\(.\)/\1/g')"
    fi
    printf '%s' "${value//%%/%}"
}

prefix="$work/my programs"
files="$prefix/share/talk"
cmake --install "$build" --prefix "$prefix" >/dev/null
exe="$(exec_path "$prefix/share/applications/talk.desktop")"
[ "$exe" = "$prefix/bin/talk" ] || fail "Exec names '$exe'"
[ -f "$exe" ] && [ -x "$exe" ] || fail "no executable at $exe"
[ -f "$prefix/share/icons/hicolor/scalable/apps/talk.svg" ] || fail "no icon"
cmp -s "$files/Talk.txt" "$source_dir/data/Talk.txt" || fail "no starter Talk.txt"
for name in day.txt addres.txt mail.txt; do
    [ -f "$files/$name" ] && [ ! -s "$files/$name" ] || fail "no empty $name"
done
wavs=("$build"/*.wav)
[ ${#wavs[@]} -gt 0 ] || fail "the build made no recordings"
for wav in "${wavs[@]}"; do
    cmp -s "$wav" "$files/${wav##*/}" || fail "recording ${wav##*/} not installed"
done
[ -z "$(find "$prefix/bin" -type f ! -name talk)" ] || fail "files beside the executable"

DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/talk-test >/dev/null
exe="$(exec_path "$work/stage/opt/talk-test/share/applications/talk.desktop")"
[ "$exe" = /opt/talk-test/bin/talk ] || fail "staged Exec names '$exe'"
[ -x "$work/stage$exe" ] || fail "no staged executable"
[ -f "$work/stage/opt/talk-test/share/talk/Talk.txt" ] || fail "no staged Talk.txt"
