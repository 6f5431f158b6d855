#!/usr/bin/env bash
# pellory-calc --batch as a program: options that make no sense with it, a register it cannot
# read, an output that takes nothing, and a reader that reads as it goes or goes away early.
# Usage: batch.sh PELLORY-CALC
set -u
calc=$1
register=$(mktemp /tmp/pellory-batch.XXXXXX)
trap 'rm -f "$register" "$register.err"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
header=id,method,in_service,life,cost
good=A,MACRS,03/2002,5,1000
for bad in "--json" "--cost 5" "--pdf x.pdf" "--format xml" "--batch"; do
    # shellcheck disable=SC2086
    err=$("$calc" --batch - $bad </dev/null 2>&1 >/dev/null)
    status=$?
    if [ $status != 2 ] || ! grep -q '^usage: ' <<<"$err"; then fail "--batch - $bad: [$err]"; fi
done
err=$("$calc" --batch / 2>&1)
status=$?
if [ $status != 2 ] || [ "$err" != "pellory-calc: /: line 1: the input could not be read (Is a directory)" ]; then
    fail "a folder: exit $status [$err]"
fi
err=$("$calc" --method MACRS --in-service 03/2002 --life 5 --cost 90000000.92 2>&1 >/dev/null)
[ "$err" = 'pellory-calc: --cost: the box kept "90000000.9" of "90000000.92"; the schedule is of what it kept' ] ||
    fail "a cost longer than its box: [$err]"
err=$(printf '%s\n%s\n' "$header" "$good" | "$calc" --batch - 2>&1 >/dev/full)
status=$?
if [ $status != 1 ] || [ "$err" != "pellory-calc: the output could not be written (No space left on device)" ]; then
    fail "a full disk: exit $status [$err]"
fi

# Each row is written before the next is waited for: the first row comes back while the
# register is still open (a run that holds it back never answers, and the test times out).
coproc run { "$calc" --batch - 2>/dev/null; }
printf '%s\n%s\n' "$header" "$good" >&"${run[1]}"
read -r first <&"${run[0]}"
[[ "$first" == '{"line":2,"id":"A","rows":[{"recovery_year":1,'* ]] || fail "streaming: [$first]"
input=${run[1]}
exec {input}>&-

# Far more than a pipe holds: head takes one line and goes away; the run ends quietly.
{ echo "$header" && yes "$good" | head -n 5000; } >"$register"
"$calc" --batch "$register" 2>"$register.err" | head -n 1 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" = 0 ] || fail "a closed pipe: exit $status"
[ ! -s "$register.err" ] || fail "a closed pipe: [$(cat "$register.err")]"
