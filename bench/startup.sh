#!/bin/bash
# Start-up of the windowed program against a bare Qt window, under Xvfb.
#
#   bench/startup.sh [build directory] [runs]
#
# Starts korvel-startup-probe (the program's own start) and
# korvel-bare-window-probe (a QLabel of the main window's size) alternately,
# `runs` times each (default 40) on one Xvfb server, and prints the median time
# from exec to the end of each window's first paint and their ratio.
set -euo pipefail
build=$(realpath "${1:-build}")
runs=${2:-40}

if [[ "${KORVEL_BENCH_INSIDE_X:-}" != 1 ]]; then
    export KORVEL_BENCH_INSIDE_X=1
    exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$build" "$runs"
fi

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) / 1e6 }'; }

program_times=$(mktemp)
bare_times=$(mktemp)
trap 'rm -f "$program_times" "$bare_times"' EXIT
for ((i = 0; i < runs; ++i)); do
    KORVEL_T0=$(date +%s%N) "$build/korvel-startup-probe" 2>/dev/null >>"$program_times"
    KORVEL_T0=$(date +%s%N) "$build/korvel-bare-window-probe" 2>/dev/null >>"$bare_times"
done
program=$(median <"$program_times")
bare=$(median <"$bare_times")
echo "runs: $runs each"
echo "korvel, exec to first paint: median $program ms"
echo "bare QLabel window:          median $bare ms"
awk -v p="$program" -v b="$bare" 'BEGIN { printf "ratio: %.2f\n", p / b }'
