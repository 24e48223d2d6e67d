#!/usr/bin/env bash
# Sets up what the program needs, builds it, and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}"
build "$top/build" -DBUILD_TESTING=OFF
exec "$top/build/vesmol"
