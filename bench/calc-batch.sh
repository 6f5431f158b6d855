#!/usr/bin/env bash
# Times pellory-calc --batch on generated registers of varied assets (bench/make-register.py):
# for each size (default 10000 and 100000 rows), the fastest of RUNS runs (default 5) in
# assets a second of elapsed time and of CPU time, and the largest resident size, measured by
# /usr/bin/time -v; and, after it on the same file, awk reading it and printing six lines
# a row, the floor of reading a register and writing its lines.
# Usage: bench/calc-batch.sh PELLORY-CALC [RUNS [ROWS...]]
set -euo pipefail
calc=$1
runs=${2:-5}
shift $(($# > 1 ? 2 : 1))
if [ $# -eq 0 ]; then
    set -- 10000 100000
fi
work=$(mktemp -d /tmp/pellory-batch-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
for rows in "$@"; do
    "$(dirname "$0")/make-register.py" "$rows" >"$work/register.csv"
    for format in jsonl csv awk; do
        best=
        for _ in $(seq "$runs"); do
            set +e
            if [ "$format" = awk ]; then
                /usr/bin/time -v awk -F, '{for(i=0;i<6;i++) print $1, i}' "$work/register.csv" \
                    >/dev/null 2>"$work/time"
            else
                /usr/bin/time -v "$calc" --batch "$work/register.csv" --format "$format" \
                    >/dev/null 2>"$work/time"
            fi
            set -e
            grep -q 'Exit status: [01]$' "$work/time" || { cat "$work/time"; exit 1; }
            line=$(awk -F': ' -v rows="$rows" '
                /Elapsed \(wall clock\)/ { n = split($2, t, ":"); wall = t[n] + 60 * t[n - 1] }
                /User time/ { cpu += $2 } /System time/ { cpu += $2 }
                /Maximum resident set size/ { rss = $2 }
                END { printf "%.0f %.0f %.1f %.2f", rows / (wall > 0 ? wall : 0.01), rows / (cpu > 0 ? cpu : 0.01), rss / 1024, wall }
            ' "$work/time")
            if [ -z "$best" ] || [ "${line%% *}" -gt "${best%% *}" ]; then best=$line; fi
        done
        read -r wall cpu rss seconds <<<"$best"
        what="pellory-calc --batch, %d assets, --format %s"
        [ "$format" != awk ] || what="awk on the same file, %d rows%.0s"
        printf "$what"': %s s, %d assets/s elapsed, %d assets/s CPU, max RSS %s MB\n' \
            "$rows" "$format" "$seconds" "$wall" "$cpu" "$rss"
    done
done
