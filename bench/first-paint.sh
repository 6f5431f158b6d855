#!/usr/bin/env bash
# Starts the desktop program RUNS times (default 20) under a virtual X display and reads the
# marker it prints at the first paint of its main window when PELLORY_BENCH_FIRST_PAINT is set:
# milliseconds from the process's start, and its resident memory then. Prints the median and
# the fastest start, and the median resident memory.
# Usage: bench/first-paint.sh PELLORY [RUNS]
set -euo pipefail
program=$1
runs=${2:-20}
export PELLORY_BENCH_FIRST_PAINT=1
XDG_RUNTIME_DIR=$(mktemp -d)  # a private runtime folder, as a desktop session gives
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
markers=$(xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    set -euo pipefail
    "$0" > /dev/null  # warm the file cache
    for _ in $(seq "$1"); do
        timeout 20 "$0" | grep "^first-paint "
    done
' "$program" "$runs")
count=$(grep -c "^first-paint " <<< "$markers" || true)
if [ "$count" -ne "$runs" ]; then
    echo "only $count of $runs starts printed the first-paint marker"
    exit 1
fi
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ms=$(awk '{ print $2 }' <<< "$markers" | median)
fastest=$(awk '{ print $2 }' <<< "$markers" | sort -n | head -n 1)
kb=$(awk '{ print $4 }' <<< "$markers" | median)
echo "pellory, start to first paint, $runs runs: median $ms ms, fastest $fastest ms;" \
     "VmRSS at first paint median $((kb / 1024)) MB ($kb kB)"
