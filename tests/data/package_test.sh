#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what it installs, its
# control fields and lintian's verdict. Then starts the packaged program from
# an unpacked copy (nothing is installed on this machine) as a user starts it
# the first time: its data must go to the user's data folder, never beside
# the executable.
set -euo pipefail
build="$1"
work="$2"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
rm -rf "$work"
mkdir -p "$work"

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/talk_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single talk_*.deb in $work"
deb="${debs[0]}"
[ "${deb##*/}" = "talk_1.1_$(dpkg --print-architecture).deb" ] || fail "named ${deb##*/}"

# The file list: the program under /usr, nothing elsewhere.
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's|^\./|/|; s|/$||' | sort >"$work/files"
for path in /usr/bin/talk /usr/share/applications/talk.desktop \
    /usr/share/icons/hicolor/scalable/apps/talk.svg /usr/share/doc/talk/copyright \
    /usr/share/doc/talk/changelog.gz /usr/share/talk/Talk.txt /usr/share/talk/day.txt \
    /usr/share/talk/addres.txt /usr/share/talk/mail.txt /usr/share/talk/あ.wav \
    "/usr/share/talk/;.wav" "/usr/share/talk/_.wav"; do
    grep -qxF "$path" "$work/files" || fail "the package lacks $path"
done
outside="$(grep -v -e '^/usr$' -e '^/usr/' -e '^/$' -e '^$' "$work/files" || true)"
[ -z "$outside" ] || fail "files outside /usr: $outside"
[ "$(grep -c '^/usr/bin/' "$work/files")" -eq 1 ] || fail "more than talk in /usr/bin"
wavs=$(grep -c '^/usr/share/talk/.*\.wav$' "$work/files")
[ "$wavs" -ge 200 ] || fail "only $wavs recordings"

# The control fields: found libraries, the font, the sound server's client
# library (loaded at run time), no Qt Multimedia and no build-time voice.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = talk ] || fail "Package: $(field Package)"
[ "$(field Version)" = 1.1 ] || fail "Version: $(field Version)"
depends="$(field Depends)"
for dependency in libc6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-ipafont-gothic libpulse0; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done
! grep -q espeak <<<"$depends" || fail "espeak-ng is needed only to build: $depends"
! grep -q multimedia <<<"$depends" || fail "the program does not use Qt Multimedia: $depends"
[ -n "$(field Description)" ] && [ -n "$(field Maintainer)" ] || fail "no description or maintainer"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian found errors"; }

# The first start of the packaged program, from an unpacked copy.
root="$work/root"
dpkg-deb -x "$deb" "$root"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
data="$XDG_DATA_HOME/Talk"
"$root/usr/bin/talk" >"$work/talk.log" 2>&1 &
talk=$!
for _ in $(seq 300); do
    [ -f "$data/mail.txt" ] || ! kill -0 $talk 2>/dev/null && break
    sleep 0.1
done
kill -0 $talk 2>/dev/null || { cat "$work/talk.log" >&2; fail "the program did not keep running"; }
kill $talk
wait $talk || true
for name in Talk.txt day.txt addres.txt mail.txt; do
    cmp -s "$data/$name" "$root/usr/share/talk/$name" || fail "no starter $name in $data"
done
[ "$(ls "$root/usr/bin")" = talk ] || fail "the program wrote beside its executable"
echo "package ${deb##*/}: $(wc -l <"$work/files") paths, $(du -k "$deb" | cut -f1) KiB"
