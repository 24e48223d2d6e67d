#!/usr/bin/env bash
# Builds the program and installs it as a desktop program, with its menu entry and icon: to ~/.local
# for a user, to /usr/local as root.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}"
build "$top/build" -DBUILD_TESTING=OFF
if [ "$(id -u)" -eq 0 ]; then prefix=/usr/local; else prefix=$HOME/.local; fi
cmake --install "$top/build" --prefix "$prefix"
echo "Installed: \"Cambio de vesmol\" in the menu (Education), or $prefix/bin/vesmol"
