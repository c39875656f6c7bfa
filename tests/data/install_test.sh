#!/usr/bin/env bash
# Installs into temporary prefixes, one with a blank in its path as a
# per-user prefix may have, one staged with DESTDIR, and checks that the menu
# entry starts the installed executable, that the program folder holds the
# starter data and recordings, and that installing again keeps the user's files.
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
program="$prefix/lib/talk"
cmake --install "$build" --prefix "$prefix" >/dev/null
exe="$(exec_path "$prefix/share/applications/talk.desktop")"
[ "$exe" = "$program/talk" ] || fail "Exec names '$exe'"
[ -f "$exe" ] && [ -x "$exe" ] || fail "no executable at $exe"
[ -f "$prefix/share/icons/hicolor/scalable/apps/talk.svg" ] || fail "no icon"
cmp -s "$program/Talk.txt" "$source_dir/data/Talk.txt" || fail "no starter Talk.txt"
for name in day.txt addres.txt mail.txt; do
    [ -f "$program/$name" ] && [ ! -s "$program/$name" ] || fail "no empty $name"
done
for wav in "$build"/*.wav; do
    cmp -s "$wav" "$program/${wav##*/}" || fail "recording ${wav##*/} not installed"
done
! grep -q -e '/Talk.txt$' -e '/day.txt$' "$build/install_manifest.txt" ||
    fail "user data files listed in the install manifest"

echo "user's phrase" >"$program/Talk.txt"
echo "user's diary" >"$program/day.txt"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(cat "$program/Talk.txt")" = "user's phrase" ] || fail "second install replaced Talk.txt"
[ "$(cat "$program/day.txt")" = "user's diary" ] || fail "second install replaced day.txt"

DESTDIR="$work/stage" cmake --install "$build" --prefix /opt/talk-test >/dev/null
exe="$(exec_path "$work/stage/opt/talk-test/share/applications/talk.desktop")"
[ "$exe" = /opt/talk-test/lib/talk/talk ] || fail "staged Exec names '$exe'"
[ -x "$work/stage$exe" ] || fail "no staged executable"
[ -f "$work/stage/opt/talk-test/lib/talk/Talk.txt" ] || fail "no staged Talk.txt"
