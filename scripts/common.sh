# Shared by scripts/run and scripts/test: install what is missing, then build.
# shellcheck shell=bash

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

# Debian packages the program needs to build and run.
RUN_PACKAGES=(
    g++ make cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
    qt6-qpa-plugins libqt6multimedia6
    fonts-ipafont-gothic espeak-ng
)
# What the tests and benchmarks need beyond that.
TEST_PACKAGES=(pulseaudio libbenchmark-dev libx11-dev xvfb xauth xdotool)

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

build() {
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALK_WERROR=ON "$@"
    cmake --build "$BUILD" -j "$(nproc)"
}
