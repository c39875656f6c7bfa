# Shared by scripts/run and scripts/test: install what is missing, then build.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

# Debian packages the program needs to build and run.
RUN_PACKAGES=(
    g++ make cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libpulse-dev libfontconfig-dev
    qt6-qpa-plugins libpulse0
    fonts-ipafont-gothic espeak-ng
    open-jtalk open-jtalk-mecab-naist-jdic
)
# The voice that speaks whole sentences; it lies in the archive area contrib.
# Without it the program reads character by character.
VOICE_PACKAGES=(hts-voice-nitech-jp-atr503-m001)
# What the tests and benchmarks need beyond that: the Debian package is built
# and checked (dpkg-dev, lintian), the program is driven through AT-SPI (a
# session bus, the accessibility bus, pyatspi) and by xdotool under Xvfb.
TEST_PACKAGES=(pulseaudio libbenchmark-dev libx11-dev libxtst-dev libxdamage-dev
    xvfb xauth xdotool
    dpkg-dev file lintian dbus at-spi2-core python3-pyatspi)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # Another installation may hold the package lock for a while.
    local wait=(-o DPkg::Lock::Timeout=600)
    as_root apt-get "${wait[@]}" update -q
    as_root apt-get "${wait[@]}" install -y -q --no-install-recommends "${missing[@]}" </dev/null
}

# The sources entry of our own that adds contrib beside the machine's entries.
CONTRIB_ENTRY=/etc/apt/sources.list.d/talk-contrib.sources

# Prints a deb822 stanza with the component contrib for every Debian entry
# (a "deb" entry of this release's suites with main and without contrib), with
# its URIs, suites and keyring, read from the machine's sources files.
contrib_stanzas() {
    local codename
    codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
    [ -n "$codename" ] || return 0
    local files=()
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && [ "$file" != "$CONTRIB_ENTRY" ] && files+=("$file")
    done
    if [ ${#files[@]} -gt 0 ]; then
        awk -v codename="$codename" -f "$ROOT/scripts/contrib-deb822.awk" "${files[@]}"
    fi
    files=()
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] && files+=("$file")
    done
    if [ ${#files[@]} -gt 0 ]; then
        awk -v codename="$codename" -f "$ROOT/scripts/contrib-one-line.awk" "${files[@]}"
    fi
}

# Makes contrib reachable, then installs the sentence voice. Failing that, it
# says so and the run goes on: the program then reads character by character.
install_voice() {
    local pkg missing=()
    for pkg in "${VOICE_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local stanzas
    stanzas="$(contrib_stanzas)" || stanzas=""
    if [ -z "$stanzas" ]; then
        echo "No Debian sources entry without contrib found; using the sources as they are"
    elif ! cmp -s <(printf '%s\n' "$stanzas") "$CONTRIB_ENTRY" 2>/dev/null; then
        echo "Adding the archive area contrib: $CONTRIB_ENTRY"
        printf '%s\n' "$stanzas" | as_root tee "$CONTRIB_ENTRY" >/dev/null \
            || echo "warning: could not write $CONTRIB_ENTRY" >&2
    fi
    export DEBIAN_FRONTEND=noninteractive
    local wait=(-o DPkg::Lock::Timeout=600)
    if as_root apt-get "${wait[@]}" update -q \
        && as_root apt-get "${wait[@]}" install -y -q --no-install-recommends "${missing[@]}" \
            </dev/null; then
        return 0
    fi
    echo "warning: the voice ${missing[*]} (Debian archive area contrib) could not be" \
        "installed; the program reads character by character" >&2
}

build() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALK_WERROR=ON "$@"
    cmake --build "$BUILD" -j "$(nproc)"
}
