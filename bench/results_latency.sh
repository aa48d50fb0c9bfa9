#!/bin/bash
# From a click on "&Results" to the end of the results window's first paint.
#
#   bench/results_latency.sh [build directory] [program runs] [rounds per run]
#
# Runs korvel-results-latency `program runs` times (default 20) with `rounds`
# analyses each (default 20), offscreen and under Xvfb, and prints the median
# and 95th percentile of the first analysis after start and of the later ones.
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-20}
rounds=${3:-20}

# Prints "first <ms> <cpu ms>" for each run's first analysis, "later ..." for
# the rest, and "resident <kB> <kB>" for the memory each run held at its end.
collect() {
    for ((i = 0; i < runs; ++i)); do
        "$build/korvel-results-latency" "$rounds" 2>/dev/null |
            awk '/^# resident/ { print "resident", $3, $3; next } { print (++n == 1 ? "first" : "later"), $1, $2 }'
    done
}

# Median and 95th percentile (nearest rank) of one column of the lines of one kind.
summarise() {
    local where=$1 file=$2 kind column
    awk '$1 == "resident" { print $2 }' "$file" | sort -n |
        awk -v where="$where" '{ v[NR] = $1 } END { printf "%-9s resident after the analyses: median %.1f MB, largest %.1f MB\n", where, v[int(0.5 * NR + 0.999999)] / 1024, v[NR] / 1024 }'

    for kind in first later; do
        for column in 2 3; do
            awk -v k="$kind" -v c="$column" '$1 == k { print $c }' "$file" | sort -n |
                awk -v where="$where" -v k="$kind" -v what="$([[ $column == 2 ]] && echo time || echo 'cpu time')" '
                { v[NR] = $1 }
                END {
                    m = int(0.5 * NR + 0.999999); p = int(0.95 * NR + 0.999999)
                    printf "%-9s %-5s analyses: %4d  %-8s median %6.2f ms  95th percentile %6.2f ms\n",
                           where, k, NR, what, v[m], v[p]
                }'
        done
    done
}

if [[ "${KORVEL_BENCH_INSIDE_X:-}" == 1 ]]; then
    collect
    exit
fi

times=$(mktemp)
trap 'rm -f "$times"' EXIT
QT_QPA_PLATFORM=offscreen collect >"$times"
summarise offscreen "$times"
KORVEL_BENCH_INSIDE_X=1 xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$build" "$runs" "$rounds" >"$times"
summarise Xvfb "$times"
