#!/bin/sh
# pellory-calc --pdf: the schedule read back from the PDF, and the runs that cannot give one.
# usage: pdf_schedule.sh PELLORY_CALC WORK_FOLDER
set -u
calc=$1
work=$2
rm -rf "$work" && mkdir -p "$work" || exit 1
run="$calc --method MACRS --in-service 03/2002 --life 5"
fail() { echo "FAIL: $*" && exit 1; }

$run --bonus --cost 10000 --pdf "$work/w.pdf" >/dev/null 2>&1 || fail "worked example exit status"
pdftotext -layout "$work/w.pdf" "$work/w.txt" || fail "pdftotext could not read the PDF"
grep -Eq '^ +2007 +403\.20 +\.00$' "$work/w.txt" || fail "no last year"
pdfinfo "$work/w.pdf" | grep -Eq '^Pages: +1$' || fail "the schedule is not one page"

# No schedule: no file is made.
$run --pdf "$work/none.pdf" >/dev/null 2>"$work/none.err"
[ $? -eq 1 ] && [ ! -e "$work/none.pdf" ] || fail "no schedule: status or a file"
grep -q "Print button is disabled" "$work/none.err" || fail "no schedule: nothing on stderr"
echo "ok"
