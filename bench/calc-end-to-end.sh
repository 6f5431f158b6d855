#!/usr/bin/env bash
# Times pellory-calc end to end (start, one schedule, output, exit): a 43-year Straight Line
# schedule, run RUNS times (default 50); prints the mean, median and fastest run in milliseconds.
# Usage: bench/calc-end-to-end.sh PELLORY-CALC [RUNS]
set -euo pipefail
calc=$1
runs=${2:-50}
args=(--method "Straight Line" --in-service 07/2002 --life 43 --cost 100000)
"$calc" "${args[@]}" > /dev/null  # warm the file cache
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$calc" "${args[@]}" > /dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
done
printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" '
    { t[NR] = $1; sum += $1 }
    END {
        printf "pellory-calc, 43-year Straight Line, %d runs: mean %.2f ms, median %.2f ms, fastest %.2f ms\n",
               runs, sum / NR / 1000, t[int((NR + 1) / 2)] / 1000, t[1] / 1000
    }'
