#!/usr/bin/env bash
# Sets up what the tests need, builds the program twice (plain, and with address and
# undefined-behaviour checks), and runs every test against both.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

need_packages "${build_packages[@]}" libgtest-dev xvfb xauth xdotool openbox imagemagick weston \
    desktop-file-utils x11-utils libxcb-xtest0-dev

# run_tests DIR [cmake options...]: builds with the tests, whatever an earlier configuration left in
# DIR (run.sh builds the same folder without them), and fails when no test is found.
run_tests() {
    local dir=$1
    shift
    build "$dir" -DBUILD_TESTING=ON "$@"
    (cd "$dir" && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure --no-tests=error --parallel "$(nproc)")
}

run_tests "$top/build"
# Like the tests, in the environment it states: the caller's scale or platform would change the pictures.
"$top/tests/test_environment.sh" QT_QPA_PLATFORM=offscreen "$top/build/tests/vesmol_screenshots" "$top/build/screenshots"
run_tests "$top/build-sanitize" -DVESMOL_SANITIZE=ON
echo "All tests passed (plain and sanitized builds)."
