# Shared by run.sh and test.sh: Debian packages and the build.
# shellcheck shell=bash

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# qt6-wayland lets the program open its window on a Wayland display as well as on an X one; with
# libxcb1-dev and libxcb-xinput-dev it reads the X server's own word on where the pointer went.
build_packages=(g++ cmake ninja-build qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-wayland libxcb1-dev libxcb-xinput-dev fonts-dejavu-core)

# Installs what is missing when run as root; otherwise names the one command that would.
need_packages() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages; install them as root with:"
        echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
    echo "Installing ${missing[*]} ..."
    export DEBIAN_FRONTEND=noninteractive
    apt-get update && apt-get install -y --no-install-recommends "${missing[@]}"
}

# build DIR [cmake options...]
build() {
    local dir=$1
    shift
    cmake -S "$top" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
