#!/usr/bin/env bash
# pellory-calc --batch as a program: options that make no sense with it, and a reader that goes
# away before the end.
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

# Far more than a pipe holds: head takes one line and goes away; the run ends quietly.
{
    echo "$header"
    for _ in $(seq 5000); do echo "$good"; done
} >"$register"
"$calc" --batch "$register" 2>"$register.err" | head -n 1 >/dev/null
status=${PIPESTATUS[0]}
[ "$status" = 0 ] || fail "a closed pipe: exit $status"
[ ! -s "$register.err" ] || fail "a closed pipe: [$(cat "$register.err")]"
