#!/bin/sh
# Runs a test program as an ordinary user, so that file permissions bind it. As root (as in
# continuous integration) it runs as nobody through setpriv, from a copy in a folder of its own
# under /tmp, which nobody may read wherever the build lives, with TMPDIR pointing there.
# Usage: run-unprivileged.sh PROGRAM [ARGUMENTS...]
set -eu
program=$1
shift
if [ "$(id -u)" -ne 0 ]; then
    exec "$program" "$@"
fi
work=$(mktemp -d /tmp/pellory-unprivileged.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 1777 "$work"
cp "$program" "$work/test"
chmod 755 "$work/test"
# The leak checker's suppression file may lie in a folder the user nobody cannot read; it names
# only leaks of the windowing libraries, which these programs do not load.
unset LSAN_OPTIONS
TMPDIR=$work setpriv --reuid=nobody --regid=nogroup --clear-groups "$work/test" "$@"
