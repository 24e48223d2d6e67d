#!/usr/bin/env bash
# Runs a test in the environment it states and in no other. Desktop sessions carry settings that Qt,
# the X and Wayland libraries, fontconfig and the test tools obey (Qt 6.4 alone reads over a hundred:
# QT_QPA_*, QT_SCALE_FACTOR, QT_FONT_DPI, QT_STYLE_OVERRIDE, QT_LOGGING_RULES, QT_FATAL_WARNINGS, ...),
# besides DISPLAY, WAYLAND_DISPLAY, XDG_*, LANG and LC_*: a list of them would miss the next one, so
# the test starts from an empty environment instead and gets back only what is kept here. HOME and
# XDG_RUNTIME_DIR are fresh and empty, so that no one's configuration files or compositor are found.
# usage: test_environment.sh [NAME=VALUE...] COMMAND [ARGS...]   (the test's own settings first)
set -u

# The machine's, not the desktop's: where tools and temporary files are, and how sanitizers report.
kept=(PATH TMPDIR ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS)

scratch=$(mktemp -d) || exit 1
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/home" "$scratch/runtime"

settings=(LANG=C.UTF-8 "HOME=$scratch/home" "XDG_RUNTIME_DIR=$scratch/runtime")
for name in "${kept[@]}"; do
    [ -n "${!name+set}" ] && settings+=("$name=${!name}")
done
env -i "${settings[@]}" "$@"
