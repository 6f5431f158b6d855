#!/bin/sh
# pellory-calc --pdf: the printed schedule read back from the PDF as text, and the runs that
# cannot give one.
# usage: pdf_schedule.sh PELLORY_CALC WORK_FOLDER
set -u
calc=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The worked example with the special allowance: one page, the schedule's lines as drawn.
"$calc" --method MACRS --in-service 03/2002 --life 5 --bonus --cost 10000 \
    --description "Office copier" --pdf "$work/worked.pdf" >"$work/worked.out" 2>&1 ||
    fail "worked example exit status"
pdftotext -layout "$work/worked.pdf" "$work/worked.txt" || fail "pdftotext could not read the PDF"
for pattern in '^ +Depreciation Schedule$' '^ +Office copier$' \
    '^ *Cost: 10,000.00 +Method: MACRS 200% DB +Convention: Half Year$' \
    '^ *In Service Date: 03/2002 +Life: 5 +Business Percent: 100$' \
    '^ +YEAR +DEPRECIATION +ADJUSTED TAX BASIS$' \
    '^ +2002 +4,400\.00 +5,600\.00$' '^ +2007 +403\.20 +\.00$'; do
    grep -Eq -- "$pattern" "$work/worked.txt" || fail "no line matching: $pattern"
done
[ "$(grep -c '^ *20[0-9][0-9] ' "$work/worked.txt")" -eq 6 ] || fail "not six table rows"
pdfinfo "$work/worked.pdf" | grep -Eq '^Pages: +1$' || fail "the schedule is not one page"

# A file that cannot be written: exit 1 with the reason, the calculation still on stdout.
"$calc" --method MACRS --in-service 03/2002 --life 5 --cost 10000 \
    --pdf /dev/full >"$work/unwritable.out" 2>"$work/unwritable.err"
[ $? -eq 1 ] || fail "unwritable file: exit status"
grep -q "^2002	" "$work/unwritable.out" || fail "unwritable file: no schedule on stdout"
grep -q "^pellory-calc: --pdf: .*Printer Error: Err: 75\[Cannot write the file /dev/full: No space left on device\]$" \
    "$work/unwritable.err" || fail "unwritable file: no reason on stderr"

# No schedule (a validation fault): the Print button stays disabled and no file is made.
"$calc" --method MACRS --in-service 03/2002 --life 5 --pdf "$work/none.pdf" \
    >"$work/none.out" 2>"$work/none.err"
[ $? -eq 1 ] || fail "no schedule: exit status"
[ ! -e "$work/none.pdf" ] || fail "no schedule: a file was written"
grep -q "Print button is disabled" "$work/none.err" || fail "no schedule: nothing on stderr"

[ "$failures" -eq 0 ] || exit 1
echo "ok"
