#!/bin/sh
# pellory-calc --pdf: the printed schedule read back from the PDF as text.
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

# Each pattern (an extended regular expression) must match a line of the text.
expect_lines() {
    text=$1
    shift
    for pattern in "$@"; do
        grep -Eq -- "$pattern" "$text" || fail "$text has no line matching: $pattern"
    done
}

# The worked example with the special allowance.
"$calc" --method MACRS --in-service 03/2002 --life 5 --bonus --cost 10000 \
    --description "Office copier" --pdf "$work/worked.pdf" >"$work/worked.out" 2>"$work/worked.err"
status=$?
[ "$status" -eq 0 ] || fail "worked example exit status $status"
grep -q "^2002	4,400.00 	5,600.00 $" "$work/worked.out" || fail "the grid rows are no longer printed"
if pdftotext -layout "$work/worked.pdf" "$work/worked.txt"; then
    expect_lines "$work/worked.txt" \
        '^ +[0-9]{2}/[0-9]{2}/[0-9]{4}$' \
        '^ +Depreciation Schedule$' \
        '^ +Regular Asset$' \
        '^ +Office copier$' \
        '^ *Cost: 10,000.00 +Method: MACRS 200% DB +Convention: Half Year$' \
        '^ *In Service Date: 03/2002 +Life: 5 +Business Percent: 100$' \
        '^ *First year depreciation includes a special 30% depreciation allowance\.$' \
        '^ +_{60}$' \
        '^ +YEAR +DEPRECIATION +ADJUSTED TAX BASIS$' \
        '^ +2002 +4,400\.00 +5,600\.00$' \
        '^ +2003 +2,240\.00 +3,360\.00$' \
        '^ +2004 +1,344\.00 +2,016\.00$' \
        '^ +2005 +806\.40 +1,209\.60$' \
        '^ +2006 +806\.40 +403\.20$' \
        '^ +2007 +403\.20 +\.00$'
    [ "$(grep -c '^ *20[0-9][0-9] ' "$work/worked.txt")" -eq 6 ] || fail "worked example: not six table rows"
else
    fail "pdftotext could not read $work/worked.pdf"
fi
pdfinfo "$work/worked.pdf" | grep -Eq '^Pages: +1$' || fail "the schedule is not one page"

# An exchange into long-lived property: the sale line and a table running into the fourth group.
"$calc" --asset-type replacement --method MACRS --in-service 01/2000 \
    --class "Buildings post 5/12/93 (39)" --sales-price 40000 --adj-tax-basis 25000 \
    --cost 100000 --pdf "$work/exchange.pdf" >"$work/exchange.out" 2>"$work/exchange.err"
[ $? -eq 0 ] || fail "exchange exit status"
if pdftotext -layout "$work/exchange.pdf" "$work/exchange.txt"; then
    expect_lines "$work/exchange.txt" \
        '^ +Replacement Asset$' \
        '^ *Cost: 100,000.00 +Method: MACRS- Straight Line +Convention: Mid Month$' \
        '^ *In Service Date: 01/2000 +Class: Buildings post 5/12/93 \(39\)$' \
        '^ *Sales Price: 40,000.00 +Adjusted Tax Basis: 25,000.00 +Adjusted Cost: 85,000.00$' \
        '^ +2000 +[0-9,]+\.[0-9]{2} +[0-9,]+\.[0-9]{2}$' \
        '^ +2039 +[0-9,]+\.[0-9]{2} +\.00$'
    [ "$(grep -c '^ *20[0-9][0-9] ' "$work/exchange.txt")" -eq 40 ] || fail "exchange: not forty table rows"
else
    fail "pdftotext could not read $work/exchange.pdf"
fi

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
