# Figures of the benchmark scripts.
# shellcheck shell=bash

# stats TIMES...: the median, min and max; the median of an even count is the mean of the middle two.
stats() {
    printf '%s\n' "$@" | sort -n | awk '{ t[NR] = $1 }
        END { printf "%.1f %.1f %.1f\n", NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2, t[1], t[NR] }'
}

# ratio A B: A over B, to two places.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'
}
