#!/usr/bin/env bash
# Runs a QtTest program and passes on its result, but exits 77 (skipped, for CTest) when it
# passed while skipping a test function: a QSKIP counts as a skip, not as a pass.
# Usage: run_qtest.sh [wine] <test program> [arguments...]
# The results go through a file: a Windows test program under Wine writes nothing to a pipe on
# its standard output. Qt's warnings go to standard error there too, not to the debugger.
set -uo pipefail
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
target="$log"
if [ "$(basename "$1")" = wine ]; then
  target="$(winepath -w "$log" 2>/dev/null)"
fi
QT_FORCE_STDERR_LOGGING=1 "$@" -o "$target,txt" 2>&1
status=$?
cat "$log"
[ "$status" -eq 0 ] || exit "$status"
if grep -q '^SKIP   :' "$log"; then
  exit 77
fi
exit 0
