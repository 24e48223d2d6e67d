#!/usr/bin/env bash
# Builds the program and installs it as a desktop program, with its menu entry and icon: to ~/.local
# for a user, to /usr/local as root. It builds in a folder of its own that it removes afterwards, so
# that an install as root leaves nothing of root's in the clone: build/ and the others stay the user's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
build "$folder" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
if [ "$(id -u)" -eq 0 ]; then prefix=/usr/local; else prefix=$HOME/.local; fi
cmake --install "$folder" --prefix "$prefix"
echo "Installed: \"Cambio de vesmol\" in the menu (Education), or $prefix/bin/vesmol"
