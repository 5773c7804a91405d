#!/usr/bin/env bash
# Runs clang-tidy over the program's own sources (not tests) with the dev build's compile
# commands. Exits non-zero when it reports anything.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/dev/compile_commands.json ] || cmake --preset dev >/dev/null
files=$(git ls-files 'base/*.cpp' 'app/*.cpp' 'catalogue/*.cpp' 'controls/*.cpp' 'generate/*.cpp' 'ui/*.cpp' 'tools/*.cpp')
out=$(clang-tidy -p build/dev --quiet $files 2>/dev/null | grep -E 'warning:|error:' || true)
if [ -n "$out" ]; then
  echo "$out"
  exit 1
fi
echo "clang-tidy: clean"
