#!/usr/bin/env bash
# Runs clang-tidy over the program's own sources (not tests) with the dev build's compile
# commands, one file per core. Exits non-zero when it reports anything.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/dev/compile_commands.json ] || cmake --preset dev >/dev/null
folders=(base app catalogue controls generate ui tools)
# The tracked sources; every source under those folders where the tree is no git checkout.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  files=$(git ls-files "${folders[@]/%//*.cpp}")
else
  files=$(find "${folders[@]}" -name '*.cpp' | sort)
fi
# A header's warning is reported once for every source that includes it: keep one of each.
out=$(printf '%s\n' $files |
  xargs -P "$(nproc)" -n 4 clang-tidy -p build/dev --quiet 2>/dev/null |
  grep -E 'warning:|error:' | sort -u || true)
if [ -n "$out" ]; then
  echo "$out"
  exit 1
fi
echo "clang-tidy: clean"
