#!/usr/bin/env bash
# pellory-tables and pellory-calc on the limit tables, as programs: a fresh installation, the
# commands, one writer at a time, and two writers on one table at once.
# Usage: tables.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d /tmp/pellory-tables.XXXXXX)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
tab=$'\t'

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
run() {
    set +e
    "$@" >"$work/out" 2>"$work/err"
    rc=$?
    set -e
}
expect() {  # expect RC STDOUT STDERR WHAT
    [ "$rc" = "$1" ] || fail "$4: exit $rc, not $1 ($(cat "$work/err"))"
    [ "$(cat "$work/out")" = "$2" ] || fail "$4: printed [$(cat "$work/out")], not [$2]"
    [ "$(cat "$work/err")" = "$3" ] || fail "$4: said [$(cat "$work/err")], not [$3]"
}
# A table of records year, 1, 2, 3, 4 for each year given.
records() {
    for y in "$@"; do printf '%-4s%-5s%-5s%-5s%-5s' "$y" 1 2 3 4; done
}

# A fresh installation computes a 2024 car with no setup; installed read-only, its tables move
# to the user's data folder, seeded with the installed ones.
cmake --install "$build" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
run "$prefix/bin/pellory-calc" --method MACRS --class "Automobiles (5)" --in-service 06/2024 \
    --cost 100000
[ "$(head -n 1 "$work/out")" = "2024${tab}12,400.00 ${tab}87,600.00 " ] || fail "2024 car: $(cat "$work/out")"
mkdir -m 777 "$work/home"
chmod -R a-w "$prefix/lib/pellory"
as_user=()
if [ "$(id -u)" = 0 ]; then
    # The leak checker's suppressions, for the Qt programs only, may be unreadable to nobody.
    as_user=(env -u LSAN_OPTIONS setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
HOME=$work/home XDG_DATA_HOME= run "${as_user[@]}" "$prefix/bin/pellory-tables" add 2026 1 2 3 4
expect 0 "" "" "add on a read-only installation"
cmp -n 936 "$build/tables/AutoMax.DAT" "$work/home/.local/share/pellory/AutoMax.DAT"
[ "$(tail -c 24 "$work/home/.local/share/pellory/AutoMax.DAT")" = "$(records 2026)" ] || fail "2026 not added"
cmp "$build/tables/AutoMax.DAT" "$prefix/lib/pellory/AutoMax.DAT"

# The command line.
tables=$build/bin/pellory-tables
run "$tables" --version
expect 0 "pellory-tables $version" "" "--version"
for bad in "" "frobnicate" "delete x" "delete 0" "add 2024 1" "--colour list" "list extra"; do
    # shellcheck disable=SC2086
    run "$tables" $bad
    [ "$rc" = 2 ] && grep -q "^usage: pellory-tables" "$work/err" || fail "usage for [$bad]"
done
if ldd "$tables" | grep -qi qt; then fail "pellory-tables links Qt"; fi

# The commands, with the editor's checks and messages.
d=$work/a
mkdir "$d"
t=(--data-dir "$d")
ok() {  # a command on the table that succeeds silently
    run "$tables" "${t[@]}" "$@"
    expect 0 "" "" "$*"
}
ok list  # of a missing table
ok add 2024 12400 19800 11900 7160
ok add 2025 1 2 3 4
ok set 2 2025 12200 19600 11800 7060
[ "$(cat "$d/AutoMax.DAT")" = "20241240019800119007160 20251220019600118007060 " ] || fail "bytes"
cp "$d/AutoMax.DAT" "$work/before"
run "$tables" "${t[@]}" set 2 2025 1 2 3 123456
expect 1 "" "pellory-tables: Year amount can't be more than 5 characters." "a refused set"
cmp "$d/AutoMax.DAT" "$work/before" # and changes nothing
# Quoted cells are read whole, line breaks and all.
printf 'year,first,second,third,later,source\n2025,9,9,9,9,x\n\n"2026",8,8,8,8,"y\nz"\n' >"$work/in.csv"
ok import "$work/in.csv"
run "$tables" "${t[@]}" export
expect 0 "year,first,second,third,later
2024,12400,19800,11900,7160
2025,9,9,9,9
2026,8,8,8,8" "" "export"
cp "$d/AutoMax.DAT" "$work/before"

# One writer at a time: while another holds the table's lock a write is refused and changes
# nothing; a listing reads on.
run flock "$d/AutoMax.DAT" "$tables" "${t[@]}" delete 1
expect 1 "" "pellory-tables: Can't open file. $d/AutoMax.DAT: It is open elsewhere, in another window or program" "a second writer"
cmp "$d/AutoMax.DAT" "$work/before"
run flock "$d/AutoMax.DAT" "$tables" "${t[@]}" list
[ "$rc" = 0 ] && [ "$(wc -l <"$work/out")" = 3 ] || fail "a listing beside a writer"

# Two writers at once on one table, many times: each reports done, or open elsewhere and
# changed nothing; no scratch file is left behind.
ordinary=($(seq 1800 1859))
records "${ordinary[@]}" >"$d/AutoMax.DAT"
for i in $(seq 1 60); do
    "$tables" "${t[@]}" delete 1 >/dev/null 2>"$work/err1" & one=$!
    "$tables" "${t[@]}" add $((3000 + i)) 1 2 3 4 >/dev/null 2>"$work/err2" & two=$!
    wait "$one" && ordinary=("${ordinary[@]:1}")
    wait "$two" && ordinary+=($((3000 + i)))
    for e in err1 err2; do
        [ ! -s "$work/$e" ] || grep -q "It is open elsewhere" "$work/$e" || fail "$(cat "$work/$e")"
    done
    [ "$(cat "$d/AutoMax.DAT")" = "$(records "${ordinary[@]}")" ] || fail "add and delete $i"
done
[ -z "$(find "$d" -name 'Temp.tmp*')" ] || fail "scratch files left behind"
