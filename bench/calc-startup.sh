#!/usr/bin/env bash
# Times pellory-calc's whole run (start, one 43-year Straight Line schedule, output, exit)
# against starting /bin/true: RUNS runs of each (default 200), interleaved in one loop so both
# meet the same machine. Prints both medians in milliseconds and their ratio; the target is a
# ratio of 3 at most.
# Usage: bench/calc-startup.sh PELLORY-CALC [RUNS]
set -euo pipefail
calc=$1
runs=${2:-200}
args=(--method "Straight Line" --in-service 07/2002 --life 43 --cost 100000)
"$calc" "${args[@]}" >/dev/null  # warm the file cache
calc_us=()
true_us=()
for _ in $(seq "$runs"); do
    start=${EPOCHREALTIME//[!0-9]/}
    "$calc" "${args[@]}" >/dev/null
    middle=${EPOCHREALTIME//[!0-9]/}
    /bin/true
    end=${EPOCHREALTIME//[!0-9]/}
    calc_us+=($((middle - start)))
    true_us+=($((end - middle)))
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
awk -v calc="$(median "${calc_us[@]}")" -v true="$(median "${true_us[@]}")" -v runs="$runs" 'BEGIN {
    printf "pellory-calc, 43-year Straight Line: median %.2f ms; /bin/true: median %.2f ms" \
           " (%d runs of each, interleaved); ratio %.2f\n", calc / 1000, true / 1000, runs, calc / true
}'
