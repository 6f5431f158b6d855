#!/usr/bin/env bash
# Checks a built package: exactly the expected files, links and modes; its control fields; the
# desktop entry, the AppStream metainfo and the manual pages through their validators; and that
# the packed pellory-calc computes without Qt and writes a PDF through its helper.
# Usage: packaging/check-package.sh build/package/pellory_<version>_<arch>.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expected=(
    "-rwxr-xr-x ./usr/lib/pellory/pellory"
    "-rwxr-xr-x ./usr/lib/pellory/pellory-calc"
    "-rwxr-xr-x ./usr/lib/pellory/pellory-pdf"
    "-rw-r--r-- ./usr/lib/pellory/Amberlot.hlp"
    "lrwxrwxrwx ./usr/bin/pellory -> ../lib/pellory/pellory"
    "lrwxrwxrwx ./usr/bin/pellory-calc -> ../lib/pellory/pellory-calc"
    "-rw-r--r-- ./usr/share/applications/example.pellory.Pellory.desktop"
    "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/example.pellory.Pellory.svg"
    "-rw-r--r-- ./usr/share/icons/hicolor/128x128/apps/example.pellory.Pellory.png"
    "-rw-r--r-- ./usr/share/metainfo/example.pellory.Pellory.metainfo.xml"
    "-rw-r--r-- ./usr/share/man/man1/pellory.1.gz"
    "-rw-r--r-- ./usr/share/man/man1/pellory-calc.1.gz"
    "-rw-r--r-- ./usr/share/doc/pellory/copyright"
    "-rwxr-xr-x ./usr/lib/pellory/pellory-tables"
    "-rw-r--r-- ./usr/lib/pellory/AutoMax.DAT"
    "-rw-r--r-- ./usr/lib/pellory/Electric.DAT"
    "lrwxrwxrwx ./usr/bin/pellory-tables -> ../lib/pellory/pellory-tables"
    "-rw-r--r-- ./usr/share/man/man1/pellory-tables.1.gz"
)
# Mode, path and link target of every entry but the folders, which must all be root's and 755.
listing=$(dpkg-deb -c "$deb")
actual=$(awk '$1 !~ /^d/ { $2 = $3 = $4 = $5 = ""; print }' <<<"$listing" | tr -s ' ' | sort)
diff <(printf '%s\n' "${expected[@]}" | sort) - <<<"$actual" || fail "the file list differs (< expected, > packed)"
awk '$2 != "root/root" || ($1 ~ /^d/ && $1 != "drwxr-xr-x")' <<<"$listing" | grep . &&
    fail "entries not root's, or folders not 755"

field() { dpkg-deb -f "$deb" "$1"; }
version=$(sed -n 's/^project(Pellory VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt")
[ "$(field Package)" = pellory ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture: $(field Architecture)"
depends=$(field Depends)
for dependency in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins libc6; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done
[ "$(field Recommends)" = fonts-liberation ] || fail "Recommends: $(field Recommends)"
for name in Maintainer Section Homepage Description; do
    [ -n "$(field "$name")" ] || fail "no $name field"
done

dpkg-deb -x "$deb" "$root"
out=$(desktop-file-validate "$root"/usr/share/applications/*.desktop 2>&1) && [ -z "$out" ] ||
    fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml 2>&1) &&
    ! grep -qE '^[EW]:' <<<"$out" || fail "appstreamcli validate: $out"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) &&
        [ -z "$out" ] || fail "$(basename "$page") does not render cleanly: $out"
    zgrep -q '^\.SH EXIT STATUS' "$page" || fail "$(basename "$page") has no EXIT STATUS"
done
first=$("$root"/usr/bin/pellory-calc --method MACRS --in-service 03/2002 --life 5 --cost 10000 | head -n 1)
[ "$first" = "$(printf '2002\t2,000.00 \t8,000.00 ')" ] || fail "the packed pellory-calc printed: $first"
ldd "$root"/usr/lib/pellory/pellory-calc | grep libQt6 && fail "the packed pellory-calc loads Qt"
"$root"/usr/bin/pellory-calc --method MACRS --in-service 03/2002 --life 5 --cost 10000 \
    --pdf "$root/schedule.pdf" >/dev/null && [ "$(head -c 5 "$root/schedule.pdf")" = "%PDF-" ] ||
    fail "the packed pellory-calc --pdf wrote no PDF"

if [ $failures -ne 0 ]; then
    echo "check-package: $failures failed"
    exit 1
fi
echo "check-package: $(basename "$deb"): ${#expected[@]} files, Depends: $depends"
