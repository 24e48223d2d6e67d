#!/usr/bin/env bash
# Sets up what the tests need, builds the program twice (plain, and with address and
# undefined-behaviour checks), and runs every test against both.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" libgtest-dev xvfb xauth xdotool openbox imagemagick

build "$top/build"
(cd "$top/build" && ctest --output-on-failure --parallel "$(nproc)")

build "$top/build-sanitize" -DVESMOL_SANITIZE=ON
(cd "$top/build-sanitize" && UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure --parallel "$(nproc)")
echo "All tests passed (plain and sanitized builds)."
